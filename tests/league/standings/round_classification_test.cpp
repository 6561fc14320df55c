// With the default points table, League gives every place of a round exactly the points
// of Duvessa's page for the same exports: on the sample league's three race nights and
// on generated exports (grids of other distances, lapped riders, riders who stopped
// early, more rows than the merge takes).

#include "league/read/race_night.hpp"
#include "league/standings/points_table.hpp"
#include "league/standings/round_classification.hpp"

#include "duvessa/duvessa_run.hpp"

#include "sample_league.hpp"
#include "support/export_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <random>
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
    for (const season::ClassifiedEntry& entry : classified->classification.entries) {
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
        for (const examples::SampleRace& race : night.gridRaces) {
            races.push_back(race.name);
        }
        expectDuvessasPoints(files, races);
    }
}

TEST(RoundPoints, EqualDuvessasOnGeneratedExports) {
    std::mt19937 dice(20260314);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(dice); };
    for (int night = 0; night < 40; ++night) {
        FileMap files{{"Quorrin.ini", "sim\\"}};
        std::vector<std::string> races;
        const int exports = between(1, 4);
        for (int k = 1; k <= exports; ++k) {
            const int laps = between(8, 14);
            std::vector<RaceRow> rows;
            const int riders = between(1, 33);
            for (int r = 0; r < riders; ++r) {
                // Most finish; some are lapped, some stopped early.
                const int done = between(0, 9) == 0 ? between(1, laps) : laps - (between(0, 5) == 0 ? 1 : 0);
                rows.push_back(raceRow(k * 100 + r, "Rider " + std::to_string(k * 100 + r), "Bike", done,
                                       done * between(92000, 99000)));
            }
            races.push_back("race_" + std::to_string(k));
            files["sim/exports/" + races.back() + ".html"] = raceExport(rows);
        }
        expectDuvessasPoints(files, races);
    }
}

}  // namespace
}  // namespace league::testing
