#include "league/night/race_analysis.hpp"

#include "common/time_text.hpp"

#include <algorithm>

namespace league::season {

namespace {

using quorrin::RaceRecord;
using quorrin::toIndex;

std::string lapText(const AskedLap& lap) {
    return "\"" + lap.splitEntry + "\" (" + formatLapTime(lap.lapTime) + ", best lap " + formatLapTime(lap.bestLap) +
           ")";
}

// The export claims more laps than the replay holds: the laps that could hide an
// uncounted lap are those Quorrin asked about and the season file did not split, the
// mismatched rider's first.
std::string whyLeftOut(const ReplayedRace& replayed) {
    std::string reason = "the export does not fit the replay";
    if (const auto& mismatch = replayed.lapCountMismatch) {
        const std::int32_t slot = quorrin::slotOfStartNumber(replayed.record, mismatch->startNumber);
        reason += ": the export gives #" + std::to_string(mismatch->startNumber) + " " +
                  replayed.record.driverName[toIndex(slot)] + " " + std::to_string(mismatch->exportLaps) +
                  " laps, the replay " + std::to_string(mismatch->replayLaps);
    }
    std::string candidates;
    std::string others;
    for (const AskedLap& lap : replayed.askedLaps) {
        if (lap.split) {
            continue;
        }
        const bool mismatched = replayed.lapCountMismatch && replayed.lapCountMismatch->startNumber == lap.startNumber;
        std::string& list = mismatched ? candidates : others;
        list += (list.empty() ? "" : ", ") + lapText(lap);
    }
    if (candidates.empty()) {
        candidates = others;
    }
    if (candidates.empty()) {
        return reason + "; no lap of the replay is slow enough to be split: are both files of the same race?";
    }
    return reason + "; a split may mend it: " + candidates;
}

std::array<RaceEnd, quorrin::kSlotCount> raceEnds(const RaceRecord& race, const quorrin::PositionBoard& board) {
    std::array<RaceEnd, quorrin::kSlotCount> ends{};
    const quorrin::FinalResultRow& winner = board.finalResult[0];
    if (winner.slot == quorrin::kNoSlot) {
        return ends;
    }
    for (const quorrin::FinalResultRow& row : board.finalResult) {
        if (row.slot == quorrin::kNoSlot || row.laps >= winner.laps) {
            continue;
        }
        const bool lapped = quorrin::lapColumn(race.raceTimeAtLap[toIndex(row.slot)], row.laps) >= winner.raceTime;
        ends[toIndex(row.slot)] = RaceEnd{lapped ? RaceEnd::Kind::Lapped : RaceEnd::Kind::Retired, winner.laps - row.laps};
    }
    return ends;
}

}  // namespace

AnalysedRace analyseReplayedRace(ReplayedRace replayed, const RiderNames& names) {
    AnalysedRace analysed;
    for (std::string& name : replayed.record.driverName) {
        name = names.leagueName(name);
    }
    for (AskedLap& lap : replayed.askedLaps) {
        lap.rider = names.leagueName(lap.rider);
    }
    for (const std::int32_t laps : replayed.record.lapsDone) {
        analysed.laps = std::max(analysed.laps, laps);
    }
    if (replayed.exportJoin == quorrin::ExportJoin::Joined) {
        // Every rider in a colour of their own: the colourful scheme.
        analysed.analysis =
            quorrin::analyseRace(replayed.record, replayed.exportJoin, quorrin::ColourScheme::fromAnswer(0));
        analysed.raceEnd = raceEnds(replayed.record, *analysed.analysis->positionBoard);
    } else {
        analysed.leftOut = whyLeftOut(replayed);
    }
    analysed.replayed = std::move(replayed);
    return analysed;
}

std::string raceSummary(const AnalysedRace& race) {
    const RaceRecord& record = race.replayed.record;
    return record.trackName + ", " + std::to_string(record.driverCount) +
           (record.driverCount == 1 ? " rider, " : " riders, ") + std::to_string(race.laps) +
           (race.laps == 1 ? " lap" : " laps");
}

}  // namespace league::season
