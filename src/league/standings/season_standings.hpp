#pragma once
// The whole season as League publishes it: every held round's classification, every
// rider's round scores with drops and points penalties, the standings after every held
// round (for the change beside each position and the charts), the teams and the
// warnings. Everything is computed before anything is written.

#include "league/night/qualifying_grids.hpp"
#include "league/night/race_analysis.hpp"
#include "league/read/race_night.hpp"
#include "league/read/season_file.hpp"
#include "league/read/season_warning.hpp"
#include "league/standings/countback.hpp"
#include "league/standings/rider_season.hpp"
#include "league/standings/round_classification.hpp"
#include "league/standings/title_fight.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::season {

/// A points penalty or a penalty of a race, as the standings list them.
struct PenaltyNote {
    std::size_t heldRound = 0;  ///< from 1
    /// The league's name of the rider; "" for a team's penalty.
    std::string rider{};
    /// The team of a team's penalty; "" for a rider's.
    std::string team{};
    /// The race export it applies to; "" for a points penalty that names none.
    std::string race{};
    /// That export's scored race (its index in the round) and grid (from 1); none
    /// without a race.
    std::optional<std::size_t> scoredRace{};
    std::int32_t grid = 0;
    Penalty::Kind kind = Penalty::Kind::Time;
    std::int32_t seconds = 0;
    std::int32_t points = 0;
    std::string reason{};
};

struct TeamRow {
    std::string name{};
    std::vector<std::string> riders{};
    std::int32_t position = 0;
    bool shared = false;
    /// One per held round: the sum of its riders' round scores.
    std::vector<std::int64_t> roundScores{};
    /// The team's points penalties (never dropped).
    std::int64_t penaltyPoints = 0;
    std::int64_t total = 0;
    std::int64_t gapToLeader = 0;
};

/// A round of the calendar, held or to come.
struct CalendarRound {
    std::string name{};
    std::optional<std::string> date{};
    /// From 1 among the held rounds; none for a round to come.
    std::optional<std::size_t> heldNumber{};
    bool keep = false;
    /// For a round to come: the races it will hold, by name, each with the points table
    /// it will give (its own, else the season's); one race "Race" of the season's table
    /// when the season file names none.
    std::vector<std::pair<std::string, std::vector<std::int32_t>>> racesToCome{};
};

struct HeldRound {
    std::size_t seasonIndex = 0;
    std::size_t number = 0;  ///< from 1
    std::string name{};
    std::optional<std::string> date{};
    bool keep = false;
    std::vector<std::string> qualifying{};
    /// Each scored race's classification, and the pole.
    RoundClassification classification{};
    std::vector<PenaltyNote> penalties{};
    /// The qualifying classification and grids, when the round has qualifying.
    std::optional<QualifyingGrids> qualifyingGrids{};
    /// The races of the analyse list, in its order.
    std::vector<AnalysedRace> analyses{};
};

/// A class of riders with its own standings: in every scored race its riders take the
/// places 1, 2, 3, ... in the order of the race's classification, with the points of
/// those places; its fastest in a round's qualifying takes the pole points.
struct ClassStandings {
    std::string name{};
    /// The league's names of its riders, as the season file lists them.
    std::vector<std::string> members{};
    /// Its riders who took part in a held round, with their class places and points.
    std::vector<RiderSeason> riders{};
    /// After each held round; the last is the class's standings.
    std::vector<Standings> standingsAfter{};
    /// Who can still win the class.
    TitleFight titleFight{};

    const Standings& standings() const { return standingsAfter.back(); }
};

struct SeasonResult {
    std::string title{};
    std::vector<std::int32_t> points{};
    std::int32_t polePoints = 0;
    std::int32_t dropWorst = 0;
    std::vector<CalendarRound> calendar{};
    std::vector<HeldRound> rounds{};
    std::vector<RiderSeason> riders{};
    /// After each held round; the last is the season's standings.
    std::vector<Standings> standingsAfter{};
    std::vector<TeamRow> teams{};
    std::vector<TieDecision> teamTies{};
    /// The classes of [classes], in its order; none without classes.
    std::vector<ClassStandings> classes{};
    /// False: the pages show the classes' standings only.
    bool overallStandings = true;
    std::vector<SeasonWarning> warnings{};
    /// Who can still win the season's standings, and the champion once decided.
    TitleFight titleFight{};

    const Standings& standings() const { return standingsAfter.back(); }
};

/// Computes the season from its file and its exports, or finds the rule it breaks.
Result<SeasonResult, SeasonMistake> computeSeason(const SeasonFile& season, const RaceNights& nights);

}  // namespace league::season
