#include "quorrin/record/export_join.hpp"

#include "common/export_reader.hpp"
#include "common/export_recipes.hpp"

#include <cstddef>
#include <utility>

namespace league::quorrin {

namespace {

// Differences of times are taken in 64 bits and brought back to 32 bits modulo 2^32,
// as the 32-bit arithmetic of the times has always done; only times from files that
// do not belong together come near the limits.
std::int32_t wrapped(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

// The export's race time is the elapsed time at the end of the replay's last lap;
// subtracting the replay's lap times backwards gives the elapsed time at every lap,
// and what is left before lap 2, less half a millisecond per lap, is the first lap.
JoinedRow useRow(RaceRecord& race, std::int32_t slot, std::int32_t startNumber, const RaceTimeAndPenalty& cells) {
    const std::int32_t lapsDone = race.lapsDone[toIndex(slot)];
    LapColumns& elapsed = race.raceTimeAtLap[toIndex(slot)];
    LapColumns& laps = race.lapTime[toIndex(slot)];
    elapsed[toIndex(lapsDone)] = cells.raceTime;
    // A row without a '+' cell keeps the penalty an earlier row of this driver gave.
    if (cells.penalty) {
        race.penalty[toIndex(slot)] = *cells.penalty;
    }
    const JoinedRow joined{startNumber, elapsed[toIndex(lapsDone)], race.penalty[toIndex(slot)]};
    for (std::int32_t lap = lapsDone; lap >= 3; --lap) {
        elapsed[toIndex(lap - 1)] = wrapped(std::int64_t{elapsed[toIndex(lap)]} - laps[toIndex(lap)]);
    }
    const std::int32_t firstLap = wrapped(std::int64_t{elapsed[2]} - laps[2] - lapsDone / 2);
    elapsed[1] = firstLap;
    laps[1] = firstLap;
    return joined;
}

}  // namespace

std::int32_t slotOfStartNumber(const RaceRecord& race, std::int32_t startNumber) {
    std::int32_t found = kNoSlot;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        if (race.startNumber[toIndex(slot)] == startNumber) {
            found = slot;
        }
    }
    return found;
}

JoinedExport joinExport(std::optional<std::string> exportBytes, RaceRecord& race) {
    JoinedExport joined;
    if (!exportBytes) {
        return joined;
    }
    joined.outcome = ExportJoin::Joined;
    ExportReader reader;
    reader.openBytes(std::move(*exportBytes), kQuorrinEndMargin);
    // A row that cannot be read whole (the file ends, a number is missing) is not used
    // and ends the rows; what earlier rows gave stays.
    while (joined.outcome == ExportJoin::Joined && reader.rowsAvailable()) {
        const auto startNumber = readQuorrinRowStartNumber(reader);
        if (!startNumber) {
            return joined;
        }
        const std::int32_t slot = slotOfStartNumber(race, *startNumber);
        if (joined.rows.empty()) {
            race.winnerSlot = slot;
        }
        const auto exportLaps = readQuorrinRowLaps(reader);
        if (!exportLaps) {
            return joined;
        }
        const std::int32_t lapsDone = slot == kNoSlot ? 0 : race.lapsDone[toIndex(slot)];
        // More laps in the export than in the replay: the files do not fit each other.
        // The row is still used, but no later row is read.
        if (*exportLaps > lapsDone && lapsDone > 1) {
            joined.outcome = ExportJoin::NotThisRace;
            joined.lapCountMismatch = LapCountMismatch{*startNumber, *exportLaps, lapsDone};
        }
        // A driver unknown to the replay, or with fewer than 2 laps in it, ends the
        // reading quietly.
        if (lapsDone < 2) {
            return joined;
        }
        const auto lastCells = readQuorrinRowTimeAndPenalty(reader);
        if (!lastCells) {
            return joined;
        }
        joined.rows.push_back(useRow(race, slot, *startNumber, *lastCells));
    }
    return joined;
}

}  // namespace league::quorrin
