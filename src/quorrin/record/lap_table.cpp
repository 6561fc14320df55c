#include "quorrin/record/lap_table.hpp"

#include <cstddef>

namespace league::quorrin {

bool fitsLapTable(const LapRecord& record) {
    return record.slot >= 0 && record.slot < kSlotCount && record.lapNumber >= 1 && record.lapNumber <= kMaxLap;
}

void buildLapTable(RaceRecord& race) {
    for (std::size_t index = static_cast<std::size_t>(race.firstRaceRecord); index < race.lapRecords.size();
         ++index) {
        const LapRecord& record = race.lapRecords[index];
        if (!fitsLapTable(record)) {
            continue;
        }
        const auto slot = static_cast<std::size_t>(record.slot);
        const auto lap = static_cast<std::size_t>(record.lapNumber);
        if (record.lapNumber > race.maxLap) {
            race.maxLap = record.lapNumber;
            race.winnerSlot = record.slot;
        }
        race.lapsDone[slot] = record.lapNumber;
        race.lapTime[slot][lap] = record.lapTime;
        // Equal times keep the earlier lap as the best one.
        if (record.lapTime < race.lapTime[slot][0]) {
            race.lapTime[slot][0] = record.lapTime;
            race.bestLapNo[slot] = record.lapNumber;
        }
    }
    race.driverCount = 0;
    for (const std::int32_t laps : race.lapsDone) {
        if (laps > 0) {
            ++race.driverCount;
        }
    }
}

}  // namespace league::quorrin
