#include "league/night/race_analysis.hpp"

#include <algorithm>
#include <limits>

namespace league::season {

namespace {

using quorrin::FinalResultRow;
using quorrin::kNoSlot;
using quorrin::kSlotCount;
using quorrin::RaceRecord;
using quorrin::toIndex;

using FinalResult = std::array<FinalResultRow, kSlotCount>;
using Stewards = std::array<StewardsDecisions, kSlotCount>;

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

// The time penalties and disqualifications of `penalties` by rider: a penalty names the
// rider whose league identity its name has (points penalties count after the round,
// not in the race).
Stewards stewardsOf(const RaceRecord& race, const RiderNames& names, const std::vector<Penalty>& penalties) {
    Stewards stewards{};
    for (const Penalty& penalty : penalties) {
        if (penalty.kind == Penalty::Kind::Points) {
            continue;
        }
        const std::string identity = names.identity(penalty.rider);
        for (std::size_t slot = 0; slot < stewards.size(); ++slot) {
            if (race.driverName[slot].empty() || names.identity(race.driverName[slot]) != identity) {
                continue;
            }
            StewardsDecisions& decisions = stewards[slot];
            decisions.penalties.push_back(penalty);
            if (penalty.kind == Penalty::Kind::Time) {
                decisions.seconds += penalty.seconds;
            } else {
                decisions.disqualified = true;
            }
        }
    }
    return stewards;
}

// The row's race time with the stewards' seconds, held to the 32-bit range of the times.
std::int32_t penalisedTime(const FinalResultRow& row, const StewardsDecisions& decisions) {
    const std::int64_t time = std::int64_t{row.raceTime} + decisions.seconds * 1000;
    return static_cast<std::int32_t>(std::min<std::int64_t>(time, std::numeric_limits<std::int32_t>::max()));
}

// The gaps of the re-ranked rows from their penalised times: to the winner for riders on
// his lap, to the rider above for riders on his; none for the disqualified.
void setGaps(std::vector<FinalResultRow>& rows, const Stewards& stewards) {
    const auto placed = [&](std::size_t row) { return !stewards[toIndex(rows[row].slot)].disqualified; };
    for (std::size_t row = 0; row < rows.size(); ++row) {
        FinalResultRow& result = rows[row];
        result.gapToWinner.reset();
        result.gapToPrevious.reset();
        if (row == 0 || !placed(row) || !placed(0)) {
            continue;
        }
        // Sorted by time within a lap count: the differences are never negative.
        if (result.laps == rows.front().laps) {
            result.gapToWinner = static_cast<std::int32_t>(std::int64_t{result.raceTime} - rows.front().raceTime);
        }
        if (placed(row - 1) && result.laps == rows[row - 1].laps) {
            result.gapToPrevious = static_cast<std::int32_t>(std::int64_t{result.raceTime} - rows[row - 1].raceTime);
        }
    }
}

// The final result after the stewards: the riders of Quorrin's final result by laps,
// more first, then by race time with their time penalties, in Quorrin's order where
// equal; the disqualified after them, in Quorrin's order. Without a decision about one
// of its riders, Quorrin's final result as it is.
FinalResult finalResultAfter(const FinalResult& quorrinResult, const Stewards& stewards) {
    std::vector<FinalResultRow> rows;
    bool decided = false;
    for (const FinalResultRow& row : quorrinResult) {
        if (row.slot != kNoSlot) {
            const StewardsDecisions& decisions = stewards[toIndex(row.slot)];
            decided = decided || !decisions.penalties.empty();
            rows.push_back(row);
            rows.back().raceTime = penalisedTime(row, decisions);
        }
    }
    if (!decided) {
        return quorrinResult;
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const FinalResultRow& a, const FinalResultRow& b) {
        const bool aOut = stewards[toIndex(a.slot)].disqualified;
        const bool bOut = stewards[toIndex(b.slot)].disqualified;
        if (aOut || bOut) {
            return !aOut && bOut;
        }
        return a.laps != b.laps ? a.laps > b.laps : a.raceTime < b.raceTime;
    });
    setGaps(rows, stewards);
    FinalResult result{};
    std::copy(rows.begin(), rows.end(), result.begin());
    return result;
}

// The rider's position on the board at the end of each shown lap; 0 where he has none.
std::vector<std::int32_t> boardPositions(const quorrin::PositionBoard& board, std::int32_t slot,
                                         std::int32_t lapCount) {
    std::vector<std::int32_t> positions;
    for (std::int32_t lap = 1; lap <= lapCount; ++lap) {
        const quorrin::RowSlots& holders = board.holderAtLap[toIndex(lap)];
        const auto found = std::find(holders.begin(), holders.end(), slot);
        positions.push_back(found == holders.end() ? 0 : static_cast<std::int32_t>(found - holders.begin()) + 1);
    }
    return positions;
}

// Adds a line for every rider whom the board places at some lap and who has none
// yet, by the lap and position where he first appears; `slots` holds the slot of each
// line. His gaps stay empty: the graph values give none to a rider without a time at
// lap 1.
void addRidersOfTheBoard(quorrin::RaceChart& chart, std::vector<std::int32_t>& slots, const RaceRecord& race,
                         const quorrin::PositionBoard& board) {
    for (std::int32_t lap = 1; lap <= chart.lapCount; ++lap) {
        for (const std::int32_t slot : board.holderAtLap[toIndex(lap)]) {
            if (slot == kNoSlot || std::find(slots.begin(), slots.end(), slot) != slots.end()) {
                continue;
            }
            quorrin::ChartRider rider;
            rider.startNumber = race.startNumber[toIndex(slot)];
            rider.name = race.driverName[toIndex(slot)];
            rider.positionAtLap = boardPositions(board, slot, chart.lapCount);
            rider.gapAtLap.assign(toIndex(chart.lapCount), std::nullopt);
            chart.riders.push_back(std::move(rider));
            slots.push_back(slot);
        }
    }
}

// The final positions and the result order of the lines by the final result after the
// stewards: the disqualified without a position after the placed riders, then the
// riders outside the final result in the order of their lines.
void orderByResult(quorrin::RaceChart& chart, const std::vector<std::int32_t>& slots, const FinalResult& result,
                   const Stewards& stewards) {
    std::vector<bool> ordered(slots.size(), false);
    chart.resultOrder.clear();
    for (std::size_t place = 0; place < result.size(); ++place) {
        const auto line = std::find(slots.begin(), slots.end(), result[place].slot);
        if (result[place].slot == kNoSlot || line == slots.end()) {
            continue;
        }
        const auto index = static_cast<std::size_t>(line - slots.begin());
        const bool placed = !stewards[toIndex(result[place].slot)].disqualified;
        chart.riders[index].finalPosition = placed ? static_cast<std::int32_t>(place) + 1 : 0;
        chart.resultOrder.push_back(index);
        ordered[index] = true;
    }
    for (std::size_t index = 0; index < slots.size(); ++index) {
        if (!ordered[index]) {
            chart.riders[index].finalPosition = 0;
            chart.resultOrder.push_back(index);
        }
    }
}

// The lines of the charts and their slots: Quorrin's, one for each row of the graph
// values (the riders with a time at lap 1, in the same order), then those of the other
// riders the board places, all ordered by the final result after the stewards.
void setChart(AnalysedRace& analysed) {
    const quorrin::RaceAnalysis& analysis = *analysed.analysis;
    analysed.chart = *analysis.raceChart;
    const quorrin::RowSlots& rows = analysis.graphValues->rowSlot;
    analysed.chartSlots.assign(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(analysed.chart.riders.size()));
    addRidersOfTheBoard(analysed.chart, analysed.chartSlots, analysed.replayed.record, *analysis.positionBoard);
    orderByResult(analysed.chart, analysed.chartSlots, analysed.finalResult, analysed.stewards);
}

}  // namespace

AnalysedRace analyseReplayedRace(ReplayedRace replayed, const RiderNames& names,
                                 const std::vector<Penalty>& penalties) {
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
        analysed.stewards = stewardsOf(replayed.record, names, penalties);
        analysed.finalResult = finalResultAfter(analysed.analysis->positionBoard->finalResult, analysed.stewards);
    } else {
        analysed.leftOut = whyLeftOut(replayed);
    }
    analysed.replayed = std::move(replayed);
    if (analysed.analysis) {
        setChart(analysed);
    }
    return analysed;
}

}  // namespace league::season
