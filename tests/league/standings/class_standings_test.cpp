// Classes score by their riders' places among themselves: in every scored race a
// class's riders take the places 1, 2, 3, ... in the order of the race, with the points
// of those places to those who finished; a class's standings equal those of the same
// season ridden by that class alone.

#include "league/league_messages.hpp"
#include "league/standings/season_standings.hpp"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace league::season {
namespace {

ExportRow row(std::int32_t number, const std::string& name, std::int32_t laps, std::int32_t seconds) {
    ExportRow exported;
    exported.startNumber = number;
    exported.driverName = name;
    exported.laps = laps;
    exported.time = seconds * 1000;
    return exported;
}

// A season of one round per element of `rounds`, each a list of races (one grid each),
// of the points table 10, 8, 6, 5, 4 and the classes Pro (Ann, Bob) and Am (Cy, Dee, Eve).
Result<SeasonResult, SeasonMistake> seasonOf(const std::vector<std::vector<std::vector<ExportRow>>>& rounds,
                                             std::vector<RiderClass> classes, std::vector<Penalty> penalties = {}) {
    SeasonFile file;
    file.points = {10, 8, 6, 5, 4};
    file.classes = std::move(classes);
    RaceNights nights;
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        Round round;
        round.name = "R" + std::to_string(r + 1);
        RoundExports exports;
        for (std::size_t k = 0; k < rounds[r].size(); ++k) {
            const std::string name = "r" + std::to_string(r + 1) + "_race" + std::to_string(k + 1);
            round.races.push_back(ScoredRace{"Race " + std::to_string(k + 1), {name}, {}, 1});
            exports.races.push_back({ExportRows{name, rounds[r][k]}});
        }
        round.penalties = r == 0 ? penalties : std::vector<Penalty>{};
        file.rounds.push_back(round);
        nights.rounds.push_back(exports);
    }
    return computeSeason(file, nights);
}

const std::vector<RiderClass> kClasses = {{"Pro", {"Ann", "Bob"}, 1}, {"Am", {"Cy", "Dee", "Eve"}, 2}};

TEST(ClassStandings, ClassPlacesAndPointsInTheOrderOfEachRace) {
    Penalty disqualified;
    disqualified.rider = "Bob";
    disqualified.race = "r1_race2";
    disqualified.kind = Penalty::Kind::Disqualified;
    // Race 1: Cy, Ann, Dee, Bob, Eve stopped early. Race 2: Dee, Bob (disqualified), Cy.
    const auto season = seasonOf({{{row(3, "Cy", 10, 900), row(1, "Ann", 10, 901), row(4, "Dee", 10, 905),
                                    row(2, "Bob", 10, 910), row(5, "Eve", 6, 500)},
                                   {row(4, "Dee", 10, 900), row(2, "Bob", 10, 902), row(3, "Cy", 10, 903)}}},
                                 kClasses, {disqualified});
    ASSERT_TRUE(season.ok());
    using Placed = std::tuple<std::string, std::string, std::int32_t, std::int32_t>;  // rider, class, place, points
    std::vector<std::vector<Placed>> races;
    for (const ClassifiedRace& race : season->rounds.front().classification.races) {
        races.emplace_back();
        for (const ClassifiedEntry& entry : race.entries) {
            races.back().emplace_back(entry.rider, entry.riderClass, entry.classPlace.value_or(0), entry.classPoints);
        }
    }
    EXPECT_EQ(races, (std::vector<std::vector<Placed>>{
                         {{"Cy", "Am", 1, 10}, {"Ann", "Pro", 1, 10}, {"Dee", "Am", 2, 8}, {"Bob", "Pro", 2, 8},
                          {"Eve", "Am", 3, 0}},
                         {{"Dee", "Am", 1, 10}, {"Cy", "Am", 2, 8}, {"Bob", "Pro", 0, 0}}}));
    std::map<std::string, std::int64_t> totals;
    for (const ClassStandings& riderClass : season->classes) {
        for (const StandingsRow& standing : riderClass.standings().rows) {
            totals[riderClass.riders[standing.rider].name] = standing.total;
        }
    }
    EXPECT_EQ(totals, (std::map<std::string, std::int64_t>{{"Ann", 10}, {"Bob", 8}, {"Cy", 18}, {"Dee", 18}, {"Eve", 0}}));
}

// The class table of a season equals the overall standings of the same season ridden
// by that class's riders alone (its exports without the others' rows).
TEST(ClassStandings, EqualTheStandingsOfTheClassRidingAlone) {
    const std::vector<std::vector<std::vector<ExportRow>>> rounds = {
        {{row(1, "Ann", 10, 900), row(3, "Cy", 10, 901), row(2, "Bob", 10, 902), row(4, "Dee", 10, 903)}},
        {{row(4, "Dee", 10, 900), row(2, "Bob", 10, 901), row(3, "Cy", 10, 902)},
         {row(3, "Cy", 8, 700), row(1, "Ann", 8, 702), row(5, "Eve", 8, 703)}}};
    const auto season = seasonOf(rounds, kClasses);
    ASSERT_TRUE(season.ok());
    for (const ClassStandings& riderClass : season->classes) {
        std::vector<std::vector<std::vector<ExportRow>>> alone = rounds;
        for (auto& round : alone) {
            for (auto& race : round) {
                std::erase_if(race, [&](const ExportRow& exported) {
                    return std::find(riderClass.members.begin(), riderClass.members.end(), exported.driverName) ==
                           riderClass.members.end();
                });
            }
        }
        const auto classAlone = seasonOf(alone, {});
        ASSERT_TRUE(classAlone.ok());
        std::vector<std::pair<std::string, std::int64_t>> classTotals;
        std::vector<std::pair<std::string, std::int64_t>> aloneTotals;
        for (const StandingsRow& standing : riderClass.standings().rows) {
            classTotals.emplace_back(riderClass.riders[standing.rider].name, standing.total);
        }
        for (const StandingsRow& standing : classAlone->standings().rows) {
            aloneTotals.emplace_back(classAlone->riders[standing.rider].name, standing.total);
        }
        EXPECT_EQ(classTotals, aloneTotals) << riderClass.name;
    }
}

TEST(ClassStandings, RidersInNoClassAndClassMembersWhoNeverRodeAreWarned) {
    const auto season = seasonOf({{{row(1, "Ann", 10, 900), row(9, "Zed", 10, 901)}}}, {{"Pro", {"Ann", "Bobb"}, 4}});
    ASSERT_TRUE(season.ok());
    EXPECT_EQ(warningTexts(season->warnings, "cup.toml"),
              (std::vector<std::string>{"In no class, so in the overall standings only: Zed",
                                        "cup.toml, line 4: class \"Pro\" lists \"Bobb\", a name that matches no rider "
                                        "of the held rounds: it may be misspelt"}));
}

}  // namespace
}  // namespace league::season
