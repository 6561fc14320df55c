#include "quorrin/analysis/fastest_lap_development.hpp"

#include <cstddef>
#include <cstdint>

namespace league::quorrin {

std::vector<LapRecord> computeFastestLapDevelopment(const RaceRecord& race) {
    // The race lap records run from firstRaceRecord to the table's last record; the
    // bounds are also held to the records actually kept.
    const std::int64_t kept = static_cast<std::int64_t>(race.lapRecords.size());
    const std::int64_t first = race.firstRaceRecord > 0 ? race.firstRaceRecord : 0;
    const std::int64_t end = race.recordCount < kept ? race.recordCount : kept;

    std::vector<LapRecord> lowered;
    std::int32_t fastestSoFar = kNoTime;
    for (std::int64_t index = first; index < end; ++index) {
        const LapRecord& record = race.lapRecords[static_cast<std::size_t>(index)];
        if (record.lapTime > 0 && record.lapTime < fastestSoFar) {
            lowered.push_back(record);
            fastestSoFar = record.lapTime;
        }
    }
    return lowered;
}

}  // namespace league::quorrin
