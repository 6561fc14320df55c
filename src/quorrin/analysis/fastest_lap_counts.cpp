#include "quorrin/analysis/fastest_lap_counts.hpp"

#include <optional>

namespace league::quorrin {

RowSlots computeFastestLapCountOrder(const std::array<std::int32_t, kSlotCount>& fastestLapCount) {
    return slotsInAscendingOrder(kSlotCount, [&](std::int32_t slot) -> std::optional<std::int64_t> {
        const std::int32_t count = fastestLapCount[static_cast<std::size_t>(slot)];
        if (count > 0) {
            return -std::int64_t{count};
        }
        return std::nullopt;
    });
}

}  // namespace league::quorrin
