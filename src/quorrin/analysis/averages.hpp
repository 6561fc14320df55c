#pragma once
// The average lap of every driver and its distance to his best lap, which the
// CONSISTENCY table ranks by.

#include "quorrin/record/race_record.hpp"

#include <array>
#include <cstdint>

namespace league::quorrin {

struct LapAverages {
    std::array<std::int32_t, kSlotCount> averageLap{};
    std::array<std::int32_t, kSlotCount> averageMinusBest{};
};

/// The average of the laps after the one from the start (laps 2 to the last, or 3 to
/// the last when the start lap was split by the repair) and its distance to the best
/// lap, for every slot with at least one such lap; 0 for the others.
LapAverages computeLapAverages(const RaceRecord& race);

}  // namespace league::quorrin
