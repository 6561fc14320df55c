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

#include <algorithm>
#include <map>
#include <random>
#include <regex>
#include <set>

namespace league::testing {
namespace {

using quorrin::kNoSlot;
using quorrin::toIndex;

// A race "night" whose export lacks some riders (they left before it was written), so
// that its rows end before every rider is joined; some riders are lapped or retire,
// and now and then the export gives a rider a time too short for his first lap.
FileMap generatedNight(std::mt19937& dice) {
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(dice); };
    const int riders = between(3, 12);
    const int laps = between(3, 8);
    ReplayBuilder replay;
    replay.raceStart();
    std::vector<std::pair<std::pair<int, std::int32_t>, RaceRow>> finish;
    for (int slot = 0; slot < riders; ++slot) {
        const std::string name = "Rider " + std::to_string(slot + 1);
        const int done = between(0, 3) == 0 ? between(2, laps - 1) : laps;
        std::vector<std::int32_t> times;
        for (int lap = 0; lap < done; ++lap) {
            times.push_back(between(95000, 96000) + slot * 400);
        }
        std::int32_t raceTime = done / 2;
        for (const std::int32_t time : times) {
            raceTime += time;
        }
        if (between(0, 4) == 0) {
            raceTime -= times[0] + between(0, 900);
        }
        replay.driver(slot, slot + 1, name, "Bike").laps(slot, times);
        finish.push_back({{-done, raceTime}, raceRow(slot + 1, name, "Bike", done, raceTime)});
    }
    std::stable_sort(finish.begin(), finish.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto leftOut = static_cast<std::size_t>(between(1, riders - 1));
    finish.erase(finish.begin() + static_cast<std::ptrdiff_t>(leftOut));
    std::vector<RaceRow> rows;
    for (const auto& [order, row] : finish) {
        if (between(0, 3) != 0) {
            rows.push_back(row);
        }
    }
    return {{"sim/replays/night.rpy", replay.bytes()}, {"sim/exports/night.html", raceExport(rows)}};
}

season::AnalysedRace analysing(const FileMap& files, const std::vector<season::Penalty>& penalties) {
    MemoryDisk disk(files);
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

std::string numberOf(const season::AnalysedRace& race, std::int32_t slot) {
    return slot == kNoSlot ? "" : std::to_string(race.replayed.record.startNumber[toIndex(slot)]);
}

// Each row of the result that shows a rider: its position, the final result's start
// number, then the holder of the position at the end of each lap.
std::vector<std::vector<std::string>> boardRows(const season::AnalysedRace& race) {
    const quorrin::PositionBoard& board = *race.analysis->positionBoard;
    std::vector<std::vector<std::string>> rows;
    for (std::int32_t row = 0; row < race.replayed.record.driverCount; ++row) {
        std::vector<std::string> cells{std::to_string(row + 1), numberOf(race, race.finalResult[toIndex(row)].slot)};
        for (std::int32_t lap = 1; lap <= quorrin::lastShownLap(race.replayed.record); ++lap) {
            cells.push_back(numberOf(race, board.holderAtLap[toIndex(lap)][toIndex(row)]));
        }
        if (std::any_of(cells.begin() + 1, cells.end(), [](const std::string& cell) { return !cell.empty(); })) {
            rows.push_back(cells);
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
    std::mt19937 dice(20260425);
    int rowsBelowTheResult = 0;
    int ridersFirstPlacedLater = 0;
    for (int night = 0; night < 30; ++night) {
        const season::AnalysedRace race = analysing(generatedNight(dice), {});
        ASSERT_TRUE(race.analysis) << night;
        const std::string page = pageOf(race);
        const std::vector<std::vector<std::string>> expected = boardRows(race);
        const auto lastLap = static_cast<std::ptrdiff_t>(quorrin::lastShownLap(race.replayed.record));
        std::vector<std::vector<std::string>> shown;
        for (const std::vector<std::string>& cells : rowsOf(page, "<table class=\"result\">")) {
            shown.push_back({cells[0], cells[1]});
            shown.back().insert(shown.back().end(), cells.end() - lastLap, cells.end());
        }
        EXPECT_EQ(shown, expected) << "night " << night;

        std::set<std::string> placed;
        std::set<std::string> atLapOne;
        for (const std::vector<std::string>& cells : expected) {
            rowsBelowTheResult += cells[1].empty();
            placed.insert(cells.begin() + 2, cells.end());
            atLapOne.insert(cells[2]);
        }
        placed.erase("");
        atLapOne.erase("");
        ridersFirstPlacedLater += static_cast<int>(placed.size() - atLapOne.size());
        EXPECT_EQ(positionLines(page), placed) << "night " << night;
    }
    // The generated nights hold both ways in which the page used to lose a rider.
    EXPECT_GT(rowsBelowTheResult, 0);
    EXPECT_GT(ridersFirstPlacedLater, 0);
}

// A disqualified rider is last, "DSQ" in place of his position in the result and the
// legend; his reason and a time penalty's are beside the names.
TEST(RaceAnalysisPage, MarksTheStewardsDecisionsBesideTheRiders) {
    std::mt19937 dice(20260509);
    const FileMap files = generatedNight(dice);
    const season::AnalysedRace before = analysing(files, {});
    const std::string winner = before.replayed.record.driverName[toIndex(before.finalResult[0].slot)];
    ASSERT_NE(before.finalResult[1].slot, kNoSlot);
    const std::string second = before.replayed.record.driverName[toIndex(before.finalResult[1].slot)];
    std::vector<season::Penalty> penalties(2);
    penalties[0].kind = season::Penalty::Kind::Disqualified;
    penalties[0].rider = winner;
    penalties[0].reason = "Underweight";
    penalties[1].rider = second;
    penalties[1].seconds = 4;
    penalties[1].reason = "Chicane";
    const season::AnalysedRace race = analysing(files, penalties);
    const std::string page = pageOf(race);

    std::map<std::string, std::vector<std::string>> resultRows;  // by rider
    for (const std::vector<std::string>& cells : rowsOf(page, "<table class=\"result\">")) {
        resultRows[cells[2].substr(0, cells[2].find(' ', cells[2].find(' ') + 1))] = cells;
    }
    EXPECT_EQ(resultRows.at(winner)[0], "DSQ");
    EXPECT_NE(resultRows.at(winner)[2].find("Underweight"), std::string::npos) << resultRows.at(winner)[2];
    EXPECT_NE(resultRows.at(second)[2].find("Chicane"), std::string::npos) << resultRows.at(second)[2];
    const std::vector<std::vector<std::string>> legend = rowsOf(page, "riders-legend");
    std::size_t placed = 0;
    for (const quorrin::FinalResultRow& row : race.finalResult) {
        placed += row.slot != kNoSlot;
    }
    ASSERT_GE(legend.size(), placed);
    EXPECT_EQ(legend[placed - 1][2], winner);
    EXPECT_EQ(legend[placed - 1].back(), "DSQ");
}

}  // namespace
}  // namespace league::testing
