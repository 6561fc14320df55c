#pragma once
// One round's classifications: each scored race's grids (race exports) in one
// classification, after the stewards' time penalties and disqualifications, with the
// points each place gives by the race's table; and the pole from the qualifying exports
// merged as Omblen merges them.
//
// Each grid is judged against itself: its distance is the laps of its first row, its
// finish the best race time among its rows over that distance (as the export gives it,
// before time penalties). A rider whose time is not below his grid's finish finished
// the race and is brought to the common distance (the first grid's) by his own average
// lap, as Duvessa brings riders; one whose time is below it stopped before his grid
// ended and is placed after every rider who finished, by laps then time, without points.

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

/// One row of a race export in its race's classification.
struct ClassifiedEntry {
    /// The league's name and the identity it is matched by.
    std::string rider{};
    std::string identity{};
    std::int32_t startNumber = 0;
    std::string bike{};
    /// The grid it rode: its number in the race (1 to 4) and its export's name.
    std::int32_t grid = 0;
    std::string exportName{};
    std::int32_t laps = 0;
    /// The race time of the export, a time penalty included.
    std::int32_t raceTime = 0;
    /// Reached the end of his grid's race (lapped riders too): ranked over the common
    /// distance by `rankTime`, with its gap to the first.
    bool finished = false;
    std::int32_t rankTime = 0;
    std::int32_t gapToFirst = 0;
    std::int32_t timePenaltySeconds = 0;
    bool disqualified = false;
    /// The reasons of the penalties given in this race, "; "-separated.
    std::string penaltyReason{};
    /// The place; none for a disqualified rider and one whose time ranks nowhere.
    std::optional<std::int32_t> place{};
    std::int32_t points = 0;
    /// False for the worse of two entries of one rider in the race: only the better counts.
    bool counts = true;
    /// With classes: the rider's class ("" for none), his place among its riders in this
    /// race and the points of that place.
    std::string riderClass{};
    std::optional<std::int32_t> classPlace{};
    std::int32_t classPoints = 0;
};

/// One scored race of a round, classified.
struct ClassifiedRace {
    std::string name{};
    std::vector<std::string> exports{};
    /// The points of places 1, 2, ... it gave: its own table or the season's.
    std::vector<std::int32_t> points{};
    /// The laps each grid ran (0 for a grid without a rider), and the distance every
    /// finisher is brought to: the first grid's.
    std::vector<std::int32_t> gridLaps{};
    std::int32_t commonLaps = 0;
    /// Placed entries by place, then the unplaced ones, then the disqualified ones.
    std::vector<ClassifiedEntry> entries{};
    /// Rows that found the classification's 99 places taken.
    std::int32_t rowsLeftOut = 0;

    /// The grids did not all run the same distance.
    bool distancesDiffer() const;
};

/// The fastest rider of the round's qualifying exports.
struct Pole {
    std::string rider{};
    std::string identity{};
    std::int32_t startNumber = 0;
    std::string bike{};
    std::int32_t bestLap = 0;
    /// The qualifying export the time was set in: its number in the round and its name.
    std::int32_t sessionNumber = 0;
    std::string session{};
};

struct RoundClassification {
    /// In the order of the season file.
    std::vector<ClassifiedRace> races{};
    std::optional<Pole> pole{};
    /// Every rider of the qualifying with a ranked time, fastest first (the pole first).
    std::vector<Pole> qualifyingOrder{};
};

/// A round classified, with what the admin should know about it.
struct ClassifiedRound {
    RoundClassification classification{};
    std::vector<SeasonWarning> warnings{};
};

/// Classifies `round` (numbered `roundNumber` in the season file) from its exports; a
/// race without its own points table gives `seasonPoints`. A penalty for a rider who is
/// not in its race is a mistake.
Result<ClassifiedRound, SeasonMistake> classifyRound(const Round& round, std::size_t roundNumber,
                                                     const RoundExports& exports,
                                                     const std::vector<std::int32_t>& seasonPoints,
                                                     const RiderNames& names);

}  // namespace league::season
