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
#include "league/standings/round_classification.hpp"
#include "league/standings/title_fight.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::season {

/// A rider's part in one scored race of a round.
struct RiderRace {
    /// The race: its index among the round's races.
    std::size_t race = 0;
    std::optional<std::int32_t> place{};
    bool disqualified = false;
    std::int32_t points = 0;
};

/// A rider's part in one held round.
struct RiderRound {
    /// The rider has a counting entry in the round's races.
    bool rode = false;
    /// The races he rode, in the round's order.
    std::vector<RiderRace> races{};
    /// The place in the round's first race; none when he did not ride it or had none.
    std::optional<std::int32_t> place{};
    /// Disqualified in every race he rode.
    bool disqualified = false;
    /// The points of his races together.
    std::int32_t racePoints = 0;
    bool pole = false;
    std::int32_t polePoints = 0;
    /// Points penalties of the round (counted after the round, never dropped).
    std::int32_t penaltyPoints = 0;

    std::int32_t score() const { return racePoints + polePoints; }
};

struct RiderSeason {
    std::string identity{};
    /// The league's name; for a rider without a [riders] line, as the latest round wrote it.
    std::string name{};
    /// Number and bike of the latest round the rider rode.
    std::int32_t startNumber = 0;
    std::string bike{};
    /// One per held round.
    std::vector<RiderRound> rounds{};
};

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

struct StandingsRow {
    std::size_t rider = 0;  ///< index into SeasonResult::riders
    std::int32_t position = 0;
    bool shared = false;
    /// The position in the standings after the previous held round; none for a rider
    /// new in the standings.
    std::optional<std::int32_t> positionBefore{};
    /// One per held round so far.
    std::vector<bool> dropped{};
    std::int64_t penaltyPoints = 0;
    std::int64_t total = 0;
    std::int64_t gapToLeader = 0;
};

struct Standings {
    /// The standings after this many held rounds.
    std::size_t heldRounds = 0;
    std::vector<StandingsRow> rows{};
    /// The ties on points that countback or the later best place decided.
    std::vector<TieDecision> ties{};
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
    std::vector<SeasonWarning> warnings{};
    /// Who can still win the season's standings, and the champion once decided.
    TitleFight titleFight{};

    const Standings& standings() const { return standingsAfter.back(); }
};

/// Computes the season from its file and its exports, or finds the rule it breaks.
Result<SeasonResult, SeasonMistake> computeSeason(const SeasonFile& season, const RaceNights& nights);

}  // namespace league::season
