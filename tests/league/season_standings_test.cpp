// What the season makes of riders who appear in unusual ways: twice in one round,
// under two names with one start number, or in a team but in no round.

#include "league/standings/season_standings.hpp"

#include <gtest/gtest.h>

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

// A season of one round per element of `nights`, each night one list of races (none:
// a round to come), and the `teams`.
SeasonOutcome seasonOf(const std::vector<std::vector<std::vector<ExportRow>>>& nights,
                       const std::vector<Team>& teams) {
    SeasonFile file;
    file.teams = teams;
    RaceNights read;
    for (std::size_t r = 0; r < nights.size(); ++r) {
        Round round;
        round.name = "R" + std::to_string(r + 1);
        RoundExports exports;
        for (std::size_t k = 0; k < nights[r].size(); ++k) {
            round.races.push_back("race_" + std::to_string(k + 1));
            exports.races.push_back(ExportRows{round.races.back(), nights[r][k]});
        }
        file.rounds.push_back(round);
        read.rounds.push_back(exports);
    }
    return computeSeason(file, read, "cup.toml");
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
        const SeasonOutcome outcome = seasonOf(c.nights, c.teams);
        ASSERT_TRUE(outcome.result) << c.situation << ": " << outcome.error;
        std::vector<std::pair<std::string, std::int64_t>> totals;
        for (const StandingsRow& standing : outcome.result->standings().rows) {
            totals.emplace_back(outcome.result->riders[standing.rider].name, standing.total);
        }
        EXPECT_EQ(totals, c.totals) << c.situation;
        EXPECT_EQ(outcome.result->warnings, c.warnings) << c.situation;
    }
}

}  // namespace
}  // namespace league::season
