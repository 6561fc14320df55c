// What the season makes of its riders: pole points, the change beside each standing and
// the teams' scores, and riders who appear in unusual ways: twice in one round, under
// two names with one start number, or in a team but in no round.

#include "league/league_messages.hpp"
#include "league/standings/season_standings.hpp"
#include "league/write/standings_texts.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace league::season {
namespace {

ExportRow row(std::int32_t number, const std::string& name, std::int32_t raceTime) {
    ExportRow row;
    row.startNumber = number;
    row.driverName = name;
    row.bikeName = "Vexa";
    row.laps = 10;
    row.time = raceTime;
    return row;
}

// A season of `file`'s settings and one round per element of `nights`, each night one
// list of races (none: a round to come) and, where `qualifying` has one, a qualifying
// export.
Result<SeasonResult, SeasonMistake> seasonOf(const std::vector<std::vector<std::vector<ExportRow>>>& nights, SeasonFile file = {},
                       const std::vector<std::vector<ExportRow>>& qualifying = {}) {
    RaceNights read;
    for (std::size_t r = 0; r < nights.size(); ++r) {
        Round round;
        round.name = "R" + std::to_string(r + 1);
        RoundExports exports;
        ScoredRace race{"Race", {}, {}, 1};
        std::vector<ExportRows> grids;
        for (std::size_t k = 0; k < nights[r].size(); ++k) {
            race.exports.push_back("race_" + std::to_string(k + 1));
            grids.push_back(ExportRows{race.exports.back(), nights[r][k]});
        }
        if (!race.exports.empty()) {
            round.races.push_back(race);
            exports.races.push_back(std::move(grids));
        }
        if (r < qualifying.size()) {
            round.qualifying.push_back("practice");
            exports.qualifying.push_back(ExportRows{round.qualifying.back(), qualifying[r]});
        }
        file.rounds.push_back(round);
        read.rounds.push_back(exports);
    }
    return computeSeason(file, read);
}

TEST(SeasonStandings, RidersTwiceInARoundUnderTwoNamesWithOneNumberOrInATeamOnly) {
    const struct {
        const char* situation;
        std::vector<std::vector<std::vector<ExportRow>>> nights;
        std::vector<Team> teams;
        std::vector<std::pair<std::string, std::int64_t>> totals;
        std::vector<std::string> warnings;
    } cases[] = {
        {"a rider in two grids: the better place counts",
         {{{row(7, "Ann", 900000), row(8, "Bob", 901000)}, {row(7, "ANN", 902000)}}},
         {},
         {{"Ann", 50}, {"Bob", 40}},
         {"Round 1 (R1): Ann has 2 entries (race_1 P1, race_2 P3); the better place counts"}},
        {"one number, two names, never in one round: a [riders] line is suggested",
         {{{row(12, "J. Smith", 900000)}}, {{row(12, "John Smith", 900000)}}},
         {},
         {{"John Smith", 50}, {"J. Smith", 50}},  // the same place, the later round first
         {"Start number 12 is \"J. Smith\" in round 1 and \"John Smith\" in round 2: if they are one rider, add "
          "the line \"J. Smith\" = \"John Smith\" under [riders]"}},
        {"one number, two names in one round: two riders",
         {{{row(12, "Ann", 900000), row(12, "Bob", 901000)}}},
         {},
         {{"Ann", 50}, {"Bob", 40}},
         {}},
        {"a team lists a name that no rider of the held rounds has: it may be misspelt",
         {{{row(7, "Ann", 900000), row(8, "Bob", 901000)}}, {}},
         {{"Vexa", {"ann", "Bobb"}, 4}},
         {{"Ann", 50}, {"Bob", 40}},
         {"cup.toml, line 4: team \"Vexa\" lists \"Bobb\", a name that matches no rider of the held rounds: it may "
          "be misspelt (it adds no points to the team)"}},
        {"no round held yet: no rider to match",
         {{}},
         {{"Vexa", {"Ann"}, 4}},
         {},
         {}},
    };
    for (const auto& c : cases) {
        SeasonFile file;
        file.teams = c.teams;
        const auto outcome = seasonOf(c.nights, file);
        ASSERT_TRUE(outcome.ok()) << c.situation;
        std::vector<std::pair<std::string, std::int64_t>> totals;
        for (const StandingsRow& standing : outcome->standings().rows) {
            totals.emplace_back(outcome->riders[standing.rider].name, standing.total);
        }
        EXPECT_EQ(totals, c.totals) << c.situation;
        EXPECT_EQ(warningTexts(outcome->warnings, "cup.toml"), c.warnings) << c.situation;
    }
}

// Two rounds with qualifying: the fastest in qualifying scores the pole points, each
// standing shows its change against the round before, and a team scores its riders'
// round scores.
TEST(SeasonStandings, PolePointsChangesAndTeams) {
    SeasonFile file;
    file.polePoints = 1;
    file.teams = {Team{"Vexa", {"Ann", "Cy"}, 0}, Team{"Oran", {"Bob", "Dee"}, 0}};
    const auto outcome =
        seasonOf({{{row(1, "Ann", 900000), row(2, "Bob", 901000), row(3, "Cy", 902000)}},
                  {{row(3, "Cy", 900000), row(2, "Bob", 901000), row(4, "Dee", 902000)}}},
                 file, {{row(2, "Bob", 90000), row(1, "Ann", 91000)}, {row(4, "Dee", 90000), row(3, "Cy", 91000)}});
    ASSERT_TRUE(outcome.ok());
    const SeasonResult& season = *outcome;

    using Standing = std::tuple<std::string, std::int64_t, std::string>;  // rider, total, change
    std::vector<std::vector<Standing>> standings;
    for (const Standings& after : season.standingsAfter) {
        standings.emplace_back();
        for (const StandingsRow& standing : after.rows) {
            standings.back().emplace_back(season.riders[standing.rider].name, standing.total, changeText(standing));
        }
    }
    const std::vector<std::vector<Standing>> expected = {
        {{"Ann", 50, "new"}, {"Bob", 41, "new"}, {"Cy", 33, "new"}},
        {{"Cy", 83, "\xE2\x96\xB2" "2"}, {"Bob", 81, "="}, {"Ann", 50, "\xE2\x96\xBC" "2"}, {"Dee", 34, "new"}},
    };
    EXPECT_EQ(standings, expected);

    std::vector<std::pair<std::string, std::int64_t>> teams;
    for (const TeamRow& team : season.teams) {
        teams.emplace_back(team.name, team.total);
    }
    EXPECT_EQ(teams, (std::vector<std::pair<std::string, std::int64_t>>{{"Vexa", 133}, {"Oran", 115}}));
}

// A round of two scored races gives each rider the sum of two one-race rounds of the
// same exports; a team's penalty lowers its total and no rider's.
TEST(SeasonStandings, TwoRacesOfARoundAddUpAndATeamPenaltyTakesOnlyFromTheTeam) {
    const std::vector<ExportRow> sprint{row(1, "Ann", 900000), row(2, "Bob", 901000), row(3, "Cy", 902000)};
    const std::vector<ExportRow> feature{row(2, "Bob", 900000), row(3, "Cy", 903000)};
    SeasonFile twoRaces;
    twoRaces.teams = {Team{"Vexa", {"Ann", "Bob"}, 0}};
    Round round;
    round.name = "R1";
    round.races = {ScoredRace{"Sprint", {"sprint"}, {12, 9, 7}, 1}, ScoredRace{"Feature", {"feature"}, {}, 2}};
    Penalty teamPenalty;
    teamPenalty.team = "Vexa";
    teamPenalty.kind = Penalty::Kind::Points;
    teamPenalty.points = -5;
    round.penalties = {teamPenalty};
    twoRaces.rounds = {round};
    RaceNights nights;
    nights.rounds.push_back(RoundExports{{{ExportRows{"sprint", sprint}}, {ExportRows{"feature", feature}}}, {}, {}});
    const auto together = computeSeason(twoRaces, nights);

    SeasonFile apart;
    apart.points = {12, 9, 7};
    const auto sprintAlone = seasonOf({{sprint}}, apart);
    const auto featureAlone = seasonOf({{feature}});
    ASSERT_TRUE(together.ok() && sprintAlone.ok() && featureAlone.ok());
    const auto totalOf = [](const SeasonResult& season, const std::string& rider) {
        for (const StandingsRow& standing : season.standings().rows) {
            if (season.riders[standing.rider].name == rider) {
                return standing.total;
            }
        }
        return std::int64_t{0};
    };
    std::int64_t teamRiders = 0;
    for (const std::string rider : {"Ann", "Bob", "Cy"}) {
        EXPECT_EQ(totalOf(*together, rider), totalOf(*sprintAlone, rider) + totalOf(*featureAlone, rider)) << rider;
        teamRiders += rider == std::string("Cy") ? 0 : totalOf(*together, rider);
    }
    ASSERT_EQ(together->teams.size(), 1U);
    EXPECT_EQ(together->teams.front().total, teamRiders - 5);
}

}  // namespace
}  // namespace league::season
