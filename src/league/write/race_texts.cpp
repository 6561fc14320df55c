#include "league/write/race_texts.hpp"

#include "common/time_text.hpp"

namespace league::season {

std::string raceSummary(const AnalysedRace& race) {
    const quorrin::RaceRecord& record = race.replayed.record;
    return record.trackName + ", " + std::to_string(record.driverCount) +
           (record.driverCount == 1 ? " rider, " : " riders, ") + std::to_string(race.laps) +
           (race.laps == 1 ? " lap" : " laps");
}

std::string leftOutText(const LeftOut& leftOut) {
    std::string reason = "the export does not fit the replay";
    if (const auto& mismatch = leftOut.mismatch) {
        reason += ": the export gives #" + std::to_string(mismatch->startNumber) + " " + leftOut.mismatchedRider + " " +
                  std::to_string(mismatch->exportLaps) + " laps, the replay " + std::to_string(mismatch->replayLaps);
    }
    if (leftOut.lapsToSplit.empty()) {
        return reason + "; no lap of the replay is slow enough to be split: are both files of the same race?";
    }
    std::string laps;
    for (const AskedLap& lap : leftOut.lapsToSplit) {
        laps += (laps.empty() ? "\"" : ", \"") + lap.splitEntry + "\" (" + formatLapTime(lap.lapTime) + ", best lap " +
                formatLapTime(lap.bestLap) + ")";
    }
    return reason + "; a split may mend it: " + laps;
}

}  // namespace league::season
