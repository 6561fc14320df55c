#pragma once
// What the admin should know about a season that is published all the same: found by
// the computations as data, told by the run at the end and kept in season.json.

#include "league/read/season_mistake.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace league::season {

/// One entry of a rider who has several in a round: its race and how it ended there.
struct EntryPlace {
    std::string race{};
    std::optional<std::int32_t> place{};
    bool disqualified = false;
};

struct SeasonWarning {
    enum class Kind {
        TwoEntries,             ///< round, rider, entries: the better place counts
        RowsLeftOut,            ///< round, count: the classification's table was full
        QualifyingRowsLeftOut,  ///< round, count: the qualifying's table was full
        SharedStartNumber,      ///< number, rider in rounds, otherRider in laterRounds
        NoGridSize,             ///< maxdriversingrid.ini holds no grid size above 0
        TeamRiderUnknown,       ///< line, team, rider: no rider of the held rounds
        GridDistancesDiffer,    ///< round, race, grids: its grids ran different distances
        RidersInNoClass,        ///< riders: who rode in the season and are in no class
        ClassRiderUnknown       ///< line, team: the class, rider: no rider of the held rounds
    };
    Kind kind = Kind::NoGridSize;
    RoundName round{};
    std::string rider{};
    std::string otherRider{};
    std::string team{};
    std::int64_t line = 0;
    std::int32_t number = 0;
    std::int32_t count = 0;
    /// Round numbers of the season file.
    std::vector<std::size_t> rounds{};
    std::vector<std::size_t> laterRounds{};
    std::vector<EntryPlace> entries{};
    /// The scored race, and its grids' exports with the laps each ran.
    std::string race{};
    std::vector<std::pair<std::string, std::int32_t>> grids{};
    /// The riders a warning lists.
    std::vector<std::string> riders{};
};

}  // namespace league::season
