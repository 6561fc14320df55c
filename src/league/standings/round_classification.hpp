#pragma once
// One round's combined classification: its race exports merged as Duvessa merges them,
// after the stewards' time penalties and disqualifications, with the points each place
// gives, and the pole from its qualifying exports merged as Omblen merges them.

#include "league/read/race_night.hpp"
#include "league/read/season_file.hpp"
#include "league/read/season_warning.hpp"
#include "league/read/rider_names.hpp"

#include "common/result.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::season {

/// One row of a race export in the round's classification.
struct ClassifiedEntry {
    /// The league's name and the identity it is matched by.
    std::string rider;
    std::string identity;
    std::int32_t startNumber = 0;
    std::string bike;
    /// The race export it came from: its number in the round (1 to 4) and its name.
    std::int32_t raceNumber = 0;
    std::string race;
    std::int32_t laps = 0;
    /// The race time of the export, a time penalty included.
    std::int32_t raceTime = 0;
    /// The time it is ranked by, brought to the common distance, and its gap to the
    /// best; both only for a rider ranked over the common distance.
    bool fullDistance = false;
    std::int32_t rankTime = 0;
    std::int32_t gapToFirst = 0;
    std::int32_t timePenaltySeconds = 0;
    bool disqualified = false;
    /// The reasons of the penalties given in this race, "; "-separated.
    std::string penaltyReason;
    /// The combined place; none for a disqualified rider and one the merge leaves
    /// unplaced.
    std::optional<std::int32_t> place;
    std::int32_t points = 0;
    /// False for the worse of two entries of one rider in the round: only the better counts.
    bool counts = true;
};

/// The fastest rider of the round's qualifying exports.
struct Pole {
    std::string rider;
    std::string identity;
    std::int32_t startNumber = 0;
    std::string bike;
    std::int32_t bestLap = 0;
    std::string session;
};

struct RoundClassification {
    /// Placed entries by place, then the unplaced ones, then the disqualified ones.
    std::vector<ClassifiedEntry> entries;
    std::optional<Pole> pole;
    /// Rows that found the merge's table of 99 entries full.
    std::int32_t rowsLeftOut = 0;
};

/// A round classified, with what the admin should know about it.
struct ClassifiedRound {
    RoundClassification classification;
    std::vector<SeasonWarning> warnings;
};

/// Classifies `round` (numbered `roundNumber` in the season file) from its exports; a
/// penalty for a rider who is not in its race is a mistake.
Result<ClassifiedRound, SeasonMistake> classifyRound(const Round& round, std::size_t roundNumber,
                                                     const RoundExports& exports,
                                                     const std::vector<std::int32_t>& pointsTable,
                                                     const RiderNames& names);

}  // namespace league::season
