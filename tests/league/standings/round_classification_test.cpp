// With the default points table, League gives every place of a round's race exactly
// the points of Duvessa's page for the same exports where every grid ran one distance:
// on the sample league's race nights and on generated exports (lapped riders, riders
// who stopped early, more rows than the merge takes).

#include "league/read/race_night.hpp"
#include "league/standings/points_table.hpp"
#include "league/standings/round_classification.hpp"

#include "duvessa/duvessa_run.hpp"

#include "sample_league.hpp"
#include "support/export_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>
#include <regex>

namespace league::testing {
namespace {

// Place -> points as Duvessa's page shows them (an empty score cell is 0 points).
std::map<std::int32_t, std::int32_t> duvessaPoints(const FileMap& files, const std::vector<std::string>& races) {
    std::string answers;
    for (const std::string& race : races) {
        answers += race + "\n";
    }
    const RunResult run = runInProcess(duvessa::runDuvessa, answers + "0\n", files);
    const std::string page = run.files.at("X" + races.front() + ".html");
    const std::regex row("bgcolor=\"#00FF00\"> (\\d+) <bgcolor[^\\n]*?bgcolor=\"#FF0000\">(\\d*) </td>");
    std::map<std::int32_t, std::int32_t> points;
    for (auto match = std::sregex_iterator(page.begin(), page.end(), row); match != std::sregex_iterator(); ++match) {
        points[std::stoi((*match)[1])] = (*match)[2].length() == 0 ? 0 : std::stoi((*match)[2]);
    }
    return points;
}

std::map<std::int32_t, std::int32_t> leaguePoints(const FileMap& files, const std::vector<std::string>& races) {
    MemoryDisk disk(files);
    season::SeasonFile file;
    season::Round round;
    round.name = "R1";
    round.races = {season::ScoredRace{"Race", races, {}, 1}};
    file.rounds.push_back(round);
    const auto nights = season::readRaceNights(disk, file, "sim\\", "");
    EXPECT_TRUE(nights.ok());
    const auto classified = season::classifyRound(file.rounds.front(), 1, nights->rounds.front(),
                                                  season::pointsTable(file), season::RiderNames({}));
    EXPECT_TRUE(classified.ok());
    std::map<std::int32_t, std::int32_t> points;
    for (const season::ClassifiedEntry& entry : classified->classification.races.front().entries) {
        if (entry.place) {
            points[*entry.place] = entry.points;
        }
    }
    return points;
}

void expectDuvessasPoints(const FileMap& files, const std::vector<std::string>& races) {
    const auto expected = duvessaPoints(files, races);
    ASSERT_FALSE(expected.empty()) << races.front();
    EXPECT_EQ(leaguePoints(files, races), expected) << races.front();
}

TEST(RoundPoints, EqualDuvessasOnTheSampleLeague) {
    FileMap files;
    const examples::SampleLeague sample = examples::buildSampleLeague();
    for (const auto& [name, bytes] : examples::sampleLeagueFiles(sample)) {
        if (name.rfind("simulator/", 0) == 0) {
            files["sim/" + name.substr(10)] = bytes;
        }
    }
    files["Quorrin.ini"] = "sim\\";
    expectDuvessasPoints(files, {"race_g1", "race_g2", "race_g3"});
    for (const examples::SampleNight& night : sample.laterNights) {
        std::vector<std::string> races;
        bool shorterGrid = false;
        for (const examples::SampleRace& race : night.gridRaces) {
            races.push_back(race.name);
            shorterGrid = shorterGrid || race.laps < night.gridRaces.front().laps;
        }
        // Duvessa takes a grid that ran fewer laps than the first as riders who did not
        // finish; League brings it to the distance by its pace (RaceClassification).
        if (!shorterGrid) {
            expectDuvessasPoints(files, races);
        }
    }
}

// Grids of one distance, each export's winner first, and nobody who stopped between
// two grids' finishes (whom League, judging each grid by its own finish, takes as not
// finished): Duvessa's points.
TEST(RoundPoints, EqualDuvessasOnGeneratedExports) {
    std::mt19937 dice(20260314);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(dice); };
    for (int night = 0; night < 40; ++night) {
        FileMap files{{"Quorrin.ini", "sim\\"}};
        std::vector<std::string> races;
        const int exports = between(1, 4);
        const int laps = between(8, 14);
        // The first grid's winner finishes first of all; every other grid's winner
        // later, so that a rider who stopped early stopped before every finish.
        const int firstFinish = laps * 92000;
        for (int k = 1; k <= exports; ++k) {
            const int winnerTime = firstFinish + (k - 1) * between(0, 30000);
            std::vector<RaceRow> rows{raceRow(k * 100, "Rider " + std::to_string(k * 100), "Bike", laps, winnerTime)};
            const int riders = between(0, 32);
            for (int r = 1; r <= riders; ++r) {
                // Most finish; some are lapped, some stopped early.
                const int kind = between(0, 9);
                const int done = kind == 0 ? between(1, laps - 1) : kind == 1 ? laps - 1 : laps;
                const int time = kind == 0 ? between(done * 80000, firstFinish - 1) : winnerTime + between(0, 90000);
                rows.push_back(raceRow(k * 100 + r, "Rider " + std::to_string(k * 100 + r), "Bike", done, time));
            }
            races.push_back("race_" + std::to_string(k));
            files["sim/exports/" + races.back() + ".html"] = raceExport(rows);
        }
        expectDuvessasPoints(files, races);
    }
}

// One rider's row in a grid: start number, laps, race time in seconds.
struct GridRow {
    std::int32_t number;
    std::int32_t laps;
    double seconds;
};

// A round of one race of `grids`, with `penalties` (start number -> seconds, or -1 for a
// disqualification): each rider's number, place (0 for none), points and whether he
// finished, in the order of the classification.
std::vector<std::tuple<std::int32_t, std::int32_t, std::int32_t, bool>> classified(
    const std::vector<std::vector<GridRow>>& grids, const std::map<std::int32_t, std::int32_t>& penalties) {
    season::Round round;
    round.name = "R1";
    season::RoundExports exports;
    exports.races.emplace_back();
    season::ScoredRace race{"Race", {}, {}, 1};
    for (std::size_t k = 0; k < grids.size(); ++k) {
        race.exports.push_back("grid_" + std::to_string(k + 1));
        season::ExportRows rows{race.exports.back(), {}};
        for (const GridRow& row : grids[k]) {
            ExportRow exported;
            exported.startNumber = row.number;
            exported.driverName = "Rider " + std::to_string(row.number);
            exported.laps = row.laps;
            exported.time = static_cast<std::int32_t>(row.seconds * 1000);
            rows.rows.push_back(exported);
            if (const auto penalty = penalties.find(row.number); penalty != penalties.end()) {
                season::Penalty given;
                given.rider = exported.driverName;
                given.race = race.exports.back();
                given.kind = penalty->second < 0 ? season::Penalty::Kind::Disqualified : season::Penalty::Kind::Time;
                given.seconds = penalty->second;
                round.penalties.push_back(given);
            }
        }
        exports.races.back().push_back(std::move(rows));
    }
    round.races.push_back(race);
    const auto result = season::classifyRound(round, 1, exports, {10, 8, 6, 5, 4, 3, 2, 1}, season::RiderNames({}));
    std::vector<std::tuple<std::int32_t, std::int32_t, std::int32_t, bool>> shown;
    for (const season::ClassifiedEntry& entry : result->classification.races.front().entries) {
        shown.emplace_back(entry.startNumber, entry.place.value_or(0), entry.points, entry.finished);
    }
    return shown;
}

// Each grid is judged against itself and brought to the first grid's distance by the
// rider's average lap: listed in either order, the grids give the same places.
TEST(RaceClassification, EachGridJudgedByItsOwnFinishInEitherOrder) {
    const struct {
        const char* situation;
        std::vector<std::vector<GridRow>> grids;
        std::map<std::int32_t, std::int32_t> penalties;
        std::vector<std::tuple<std::int32_t, std::int32_t, std::int32_t, bool>> expected;
    } cases[] = {
        {"a grid of 8 laps scores by its pace; a lapped rider finished, one who stopped did not",
         {{{1, 10, 1000}, {2, 10, 1010}, {3, 9, 1020}}, {{4, 8, 792}, {5, 8, 808.8}, {6, 5, 500}}},
         {},
         {{4, 1, 10, true}, {1, 2, 8, true}, {2, 3, 6, true}, {5, 4, 5, true}, {3, 5, 4, true}, {6, 6, 0, false}}},
        {"stopped after the other grid's winner finished but before his own: not finished",
         {{{1, 10, 1000}, {2, 8, 950}}, {{3, 10, 940}}},
         {},
         {{3, 1, 10, true}, {1, 2, 8, true}, {2, 3, 0, false}}},
        {"a time penalty of the winner moves neither the finish nor the lapped rider",
         {{{1, 10, 1000}, {2, 10, 1010}, {3, 9, 1005}}},
         {{1, 20}},
         {{2, 1, 10, true}, {1, 2, 8, true}, {3, 3, 6, true}}},
        {"a disqualified winner: the next row sets the distance",
         {{{1, 10, 990}, {2, 10, 1000}, {3, 10, 1001}}},
         {{1, -1}},
         {{2, 1, 10, true}, {3, 2, 8, true}, {1, 0, 0, false}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(classified(c.grids, c.penalties), c.expected) << c.situation;
        const std::vector<std::vector<GridRow>> reversed(c.grids.rbegin(), c.grids.rend());
        EXPECT_EQ(classified(reversed, c.penalties), c.expected) << c.situation << ", grids reversed";
    }
}

}  // namespace
}  // namespace league::testing
