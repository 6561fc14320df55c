#include "league/night/race_analysis.hpp"

#include <algorithm>

namespace league::season {

namespace {

using quorrin::RaceRecord;
using quorrin::toIndex;

// The export claims more laps than the replay holds: the laps that could hide an
// uncounted lap are those Quorrin asked about and the season file did not split, the
// mismatched rider's first.
LeftOut whyLeftOut(const ReplayedRace& replayed) {
    LeftOut leftOut;
    leftOut.mismatch = replayed.lapCountMismatch;
    if (const auto& mismatch = replayed.lapCountMismatch) {
        const std::int32_t slot = quorrin::slotOfStartNumber(replayed.record, mismatch->startNumber);
        leftOut.mismatchedRider = replayed.record.driverName[toIndex(slot)];
    }
    std::vector<AskedLap> others;
    for (const AskedLap& lap : replayed.askedLaps) {
        if (lap.split) {
            continue;
        }
        const bool mismatched = replayed.lapCountMismatch && replayed.lapCountMismatch->startNumber == lap.startNumber;
        (mismatched ? leftOut.lapsToSplit : others).push_back(lap);
    }
    if (leftOut.lapsToSplit.empty()) {
        leftOut.lapsToSplit = std::move(others);
    }
    return leftOut;
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

}  // namespace league::season
