// The race analysis page shows what the analysis holds: every position of the position
// board, also below the end of the final result, a chart line for every rider the
// board places, and the stewards' decisions beside the riders.

#include "league/night/race_analysis.hpp"
#include "league/read/race_night.hpp"
#include "league/write/race_analysis_page.hpp"

#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"

#include "common/memory_disk.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace league::testing {
namespace {

// "night", four laps: #1 wins; #2's export time is shorter than his laps in the replay,
// so that he has no time at lap 1 and is placed from lap 2 on; #3 left before the export
// was written, so that the final result ends after two riders; #4 is lapped.
FileMap nightFiles() {
    ReplayBuilder replay;
    replay.driver(0, 1, "Ann", "Bike").driver(1, 2, "Ben", "Bike").driver(2, 3, "Cleo", "Bike");
    replay.driver(3, 4, "Dan", "Bike").raceStart();
    replay.laps(0, {95000, 95000, 95000, 95000}).laps(1, {95500, 95500, 95500, 95500});
    replay.laps(2, {96000, 96000, 96000, 96000}).laps(3, {120000, 120000, 120000});
    const std::string rows = raceExport({raceRow(1, "Ann", "Bike", 4, 380002), raceRow(2, "Ben", "Bike", 4, 286002),
                                         raceRow(4, "Dan", "Bike", 3, 360001)});
    return {{"sim/replays/night.rpy", replay.bytes()}, {"sim/exports/night.html", rows}};
}

season::AnalysedRace analysing(const std::vector<season::Penalty>& penalties) {
    MemoryDisk disk(nightFiles());
    season::SeasonFile file;
    season::Round round;
    round.name = "R1";
    round.races = {season::ScoredRace{"Race", {"night"}, {}, 1}};
    round.analyse = {season::RaceToAnalyse{"night", 1}};
    file.rounds.push_back(round);
    auto nights = season::readRaceNights(disk, file, "sim\\", "");
    EXPECT_TRUE(nights.ok());
    return season::analyseReplayedRace(std::move(nights->rounds.at(0).replays.at(0)), season::RiderNames({}),
                                       penalties);
}

std::string pageOf(const season::AnalysedRace& race) {
    season::HeldRound round;
    round.number = 1;
    round.name = "R1";
    return season::raceAnalysisPages(season::SeasonResult{}, round, race, "round-01/night_analysis").page;
}

// The texts of the cells of each row of the element that starts at `start`.
std::vector<std::vector<std::string>> rowsOf(const std::string& page, const std::string& start) {
    const std::size_t from = page.find(start);
    const std::string element = page.substr(from, page.find("</table>", from) - from);
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<tr class=\"rider-row\">(.*?)</tr>");
    const std::regex cell("<td[^>]*>(.*?)</td>");
    for (auto r = std::sregex_iterator(element.begin(), element.end(), row); r != std::sregex_iterator(); ++r) {
        const std::string text = (*r)[1];
        rows.emplace_back();
        for (auto c = std::sregex_iterator(text.begin(), text.end(), cell); c != std::sregex_iterator(); ++c) {
            rows.back().push_back(std::regex_replace((*c)[1].str(), std::regex("<[^>]*>"), ""));
        }
    }
    return rows;
}

// The start numbers of the lines of the position chart.
std::set<std::string> positionLines(const std::string& page) {
    const std::size_t chart = page.find("position-chart");
    const std::string drawing = page.substr(chart, page.find("</svg>", chart) - chart);
    std::set<std::string> lines;
    const std::regex line("class=\"rider-line\" data-start-number=\"(\\d+)\"");
    for (auto l = std::sregex_iterator(drawing.begin(), drawing.end(), line); l != std::sregex_iterator(); ++l) {
        lines.insert((*l)[1]);
    }
    return lines;
}

TEST(RaceAnalysisPage, ShowsEveryPositionOfTheBoardAndALineForEveryRiderItPlaces) {
    const std::string page = pageOf(analysing({}));
    // Each row: the position, the final result's start number, then the holder of the
    // position at the end of laps 1 to 4.
    const std::vector<std::vector<std::string>> board = {
        {"1", "2", "1", "2", "2", "2"}, {"2", "1", "4", "1", "1", "1"}, {"3", "", "", "4", "4", ""}};
    std::vector<std::vector<std::string>> shown;
    for (const std::vector<std::string>& cells : rowsOf(page, "<table class=\"result\">")) {
        shown.push_back({cells[0], cells[1]});
        shown.back().insert(shown.back().end(), cells.end() - 4, cells.end());
    }
    EXPECT_EQ(shown, board);
    EXPECT_EQ(positionLines(page), (std::set<std::string>{"1", "2", "4"}));
}

// A disqualified rider is last, "DSQ" in place of his position in the result and the
// legend; his reason and a time penalty's are beside the names.
TEST(RaceAnalysisPage, MarksTheStewardsDecisionsBesideTheRiders) {
    std::vector<season::Penalty> penalties(2);
    penalties[0].kind = season::Penalty::Kind::Disqualified;
    penalties[0].rider = "Ben";
    penalties[0].reason = "Jump start";
    penalties[1].rider = "Ann";
    penalties[1].seconds = 4;
    penalties[1].reason = "Chicane";
    const std::string page = pageOf(analysing(penalties));

    const std::vector<std::vector<std::string>> result = rowsOf(page, "<table class=\"result\">");
    ASSERT_GE(result.size(), 2U);
    EXPECT_EQ(result[0][0] + " #" + result[0][1], "1 #1");
    EXPECT_EQ(result[1][0] + " #" + result[1][1], "DSQ #2");
    EXPECT_NE(result[0][2].find("Chicane"), std::string::npos) << result[0][2];
    EXPECT_NE(result[1][2].find("Jump start"), std::string::npos) << result[1][2];
    const std::vector<std::vector<std::string>> legend = rowsOf(page, "riders-legend");
    ASSERT_GE(legend.size(), 2U);
    EXPECT_EQ("#" + legend[1][1] + " " + legend[1].back(), "#2 DSQ");
}

}  // namespace
}  // namespace league::testing
