#pragma once
// Rankings of the driver slots, as every table of the analysis makes them: the rows of
// a table hold slots, and a ranking is a repeated selection of the smallest value.

#include "quorrin/record/race_record.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

namespace league::quorrin {

/// The slots of the rows of a table, one per row; kNoSlot for a row left empty.
using RowSlots = std::array<std::int32_t, kSlotCount>;

/// The slots that fill the rows of a lap column, one per row; kNoSlot where fewer
/// drivers completed the lap than there are rows.
using LapColumnSlots = std::array<RowSlots, kLapColumns>;

/// Rows that no driver fills.
inline RowSlots emptyRows() {
    RowSlots rows{};
    rows.fill(kNoSlot);
    return rows;
}

/// The rows of a ranking by repeated selection of the smallest value: the slots for
/// which `valueOf(slot)` gives a value, by ascending value, equal values to the lower
/// slot, at most `rowCount` of them.
template <typename ValueOf>
RowSlots slotsInAscendingOrder(std::int32_t rowCount, ValueOf valueOf) {
    std::array<std::pair<std::int64_t, std::int32_t>, kSlotCount> ranked{};
    std::size_t count = 0;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        if (const std::optional<std::int64_t> value = valueOf(slot)) {
            ranked[count++] = {*value, slot};
        }
    }
    std::stable_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    RowSlots rows = emptyRows();
    for (std::size_t row = 0; row < count && static_cast<std::int64_t>(row) < rowCount; ++row) {
        rows[row] = ranked[row].second;
    }
    return rows;
}

}  // namespace league::quorrin
