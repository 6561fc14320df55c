#pragma once
// The season file: a TOML file that an admin writes once and extends after every race
// night. It names the season, the points, the drops, the riders' league names, the
// teams, and the rounds with their exports and the stewards' penalties. League reads
// it whole on every run; its first mistake is given back with its line, and nothing is
// written.

#include "league/read/season_mistake.hpp"

#include "omblen/qualifying_table.hpp"

#include "common/result.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace league::season {

/// At most this many race exports, and this many qualifying exports, make one round.
inline constexpr std::size_t kMaxExportsPerRound = 4;
/// The largest number the points, pole points and points penalties may hold: far above
/// any league's table, low enough that sixty rounds of it add up safely.
inline constexpr std::int64_t kMostPoints = 1000000;
/// The most rounds that drop_worst may drop.
inline constexpr std::int64_t kMostDrops = 1000;
/// The longest time penalty, in seconds (a day).
inline constexpr std::int64_t kLongestTimePenalty = 86400;

/// A steward's decision about one rider, or one team, in one round.
struct Penalty {
    enum class Kind {
        Time,          ///< seconds added to the rider's race time in that race
        Disqualified,  ///< the rider's row of that race is left out of the merge
        Points         ///< points taken off (or given) after the round
    };
    Kind kind = Kind::Time;
    /// The rider as the season file names them; "" for a team's penalty.
    std::string rider;
    /// The team as [teams] names it, for points taken off a team's total; "" for a
    /// rider's penalty.
    std::string team;
    /// The race export it applies to; a points penalty may name none.
    std::optional<std::string> race;
    std::int32_t seconds = 0;
    std::int32_t points = 0;
    std::string reason;
    /// The line of the penalty's table in the season file.
    std::int64_t line = 0;
};

/// A race of a round whose replay and export are analysed as Quorrin analyses them.
struct RaceToAnalyse {
    /// The replay's and the export's name: replays\<name>.rpy, exports\<name>.html.
    std::string name;
    std::int64_t line = 0;
};

/// A lap that the simulator failed to count, to be split in two ("cup_race #68 lap 7"):
/// the answer "y" to Quorrin's question about that lap; every other question is
/// answered "n".
struct LapSplit {
    std::string race;
    std::int32_t startNumber = 0;
    std::int32_t lap = 0;
    /// The entry as the season file writes it.
    std::string text;
    std::int64_t line = 0;
};

/// The largest grid: the qualifying table holds at most this many riders.
inline constexpr std::int64_t kLargestGrid = omblen::kMaxEntries;

/// The most places a race's own points table gives points to: a classification holds
/// at most this many riders.
inline constexpr std::size_t kMostPointsPlaces = 99;

/// A scored race of a round: its grids (race exports) in one classification, with the
/// points of its own table or the season's.
struct ScoredRace {
    /// "Sprint"; "Race" for a round that lists its exports as races = [...].
    std::string name;
    /// 1 to 4 grids; none for a race of a round to come.
    std::vector<std::string> exports;
    /// Points of places 1, 2, ...; empty for the season's table.
    std::vector<std::int32_t> points;
    /// The line of its [[round.race]] table, or of races = [...].
    std::int64_t line = 0;
    /// The line of each export's name, in the order of `exports`.
    std::vector<std::int64_t> exportLines = {};
};

struct Round {
    std::string name;
    /// "2026-03-14", when given.
    std::optional<std::string> date;
    /// The scored races, in the order of the season file; for a round to come, the
    /// races it will hold when the season file names them.
    std::vector<ScoredRace> races;
    /// The qualifying or practice exports, merged as Omblen merges them.
    std::vector<std::string> qualifying;
    /// Riders per grid for the qualifying's grid division; none: maxdriversingrid.ini's.
    std::optional<std::int32_t> gridSize;
    std::vector<RaceToAnalyse> analyse;
    std::vector<LapSplit> splits;
    /// Never dropped.
    bool keep = false;
    std::vector<Penalty> penalties;
    std::int64_t line = 0;
    /// The line of each qualifying export's name, in the order of `qualifying`.
    std::vector<std::int64_t> qualifyingLines = {};

    /// A round whose races name their exports has been held; one without is on the
    /// calendar, to come.
    bool held() const { return !races.empty() && !races.front().exports.empty(); }

    /// The exports of all its races, in order.
    std::vector<std::string> exports() const;
};

/// A named group of riders: a team of [teams], or a class of [classes] (Pro, Am; 600,
/// 1000) with standings of its own.
struct RiderGroup {
    std::string name;
    /// League names, as the season file lists them.
    std::vector<std::string> riders;
    std::int64_t line = 0;
};
using Team = RiderGroup;
using RiderClass = RiderGroup;

struct SeasonFile {
    std::string title;
    /// The simulator's folder, when the season file names it (else Quorrin.ini's).
    std::optional<std::string> simulator;
    /// Points of places 1, 2, ...; empty for the default table.
    std::vector<std::int32_t> points;
    std::int32_t polePoints = 0;
    std::int32_t dropWorst = 0;
    /// The folder the files are written into.
    std::string output;
    /// A name in the exports -> the league's name for that rider, in file order.
    std::vector<std::pair<std::string, std::string>> riderNames;
    std::vector<Team> teams;
    std::vector<RiderClass> classes;
    /// False: the pages show the classes' standings only (the classes ride different
    /// bikes); season.json keeps the overall standings all the same.
    bool overallStandings = true;
    std::vector<Round> rounds;
};

/// Reads the text of a season file named `fileName` (the name gives the default title
/// and output folder: "cup2026.toml" -> "cup2026"), or finds its first mistake. A UTF-8
/// byte-order mark is accepted.
Result<SeasonFile, SeasonMistake> readSeasonFile(std::string_view text, std::string_view fileName);

/// "cup2026.toml" -> "cup2026"; a name without ".toml" stays as it is.
std::string seasonStem(std::string_view fileName);

}  // namespace league::season
