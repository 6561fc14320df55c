// The demo of the README: the three built programs on the committed sample league with
// the committed answers. Their pages must equal the committed expected pages, and the
// console dialogue and the forum text, built here from the league's own data, must be
// what a user sees.

#include "sample_league.hpp"

#include "support/export_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace league::testing {
namespace {

const std::filesystem::path kExamples(EXAMPLES_DIR);

struct DemoRun {
    RunResult result;
    FileMap pages;
};

DemoRun runDemoProgram(const std::string& executable, const std::string& answersFile) {
    const FileMap league = filesBelow(kExamples / "league");
    DemoRun run;
    run.result = runExecutable(executable, readFileBytes(kExamples / "demo" / answersFile), league);
    run.pages = filesWritten(run.result, league);
    return run;
}

std::string pageOf(const DemoRun& run, const std::string& name) {
    const auto page = run.pages.find(name);
    return page == run.pages.end() ? std::string() : page->second;
}

// Every page a program wrote equals the committed one, and it wrote exactly those.
void expectCommittedPages(const DemoRun& run, const std::vector<std::string>& names) {
    std::vector<std::string> written;
    for (const auto& entry : run.pages) {
        written.push_back(entry.first);
    }
    EXPECT_EQ(written, names);
    for (const std::string& name : names) {
        const auto page = run.pages.find(name);
        ASSERT_NE(page, run.pages.end()) << name;
        EXPECT_TRUE(page->second == readFileBytes(kExamples / "expected" / name)) << name << " differs";
    }
}

// A time as the pages write it: minutes only from one minute on.
std::string timeText(std::int32_t ms) {
    char text[32];
    if (ms >= 60000) {
        std::snprintf(text, sizeof text, "%d:%02d.%03d", ms / 60000, ms / 1000 % 60, ms % 1000);
    } else {
        std::snprintf(text, sizeof text, "%d.%03d", ms / 1000, ms % 1000);
    }
    return text;
}

// The colour of a start number in the colourful scheme: from white, each number
// changes one component of the one before (second, third, first in turn).
std::string colourOf(std::int32_t startNumber) {
    int colour[3] = {255, 255, 255};
    const int step[3] = {91, 72, 97};
    for (std::int32_t i = 1; i <= startNumber; ++i) {
        colour[i % 3] = (colour[i % 3] + step[i % 3]) % 256;
    }
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", colour[0], colour[1], colour[2]);
    return text;
}

std::string exportPrompts(const std::vector<std::string>& names) {
    std::string text = "Please put in a name of an export file (without .html)!\n";
    for (const std::string& name : names) {
        text += "\nsimulator\\exports\\" + name + ".html\n\n";
        text += "Please put in a name of another export file (without .html)!\n"
                "If you have no other export please put in number 0!\n";
    }
    return text;
}

TEST(Demo, QuorrinAsksOneRepairQuestionAndWritesBothPages) {
    const examples::SampleRace cup = examples::buildSampleLeague().cupRace;
    std::string console = "Please put in a name of a replay-file (without .rpy)!\n"
                          "simulator\\replays\\cup_race.rpy\nsimulator\\exports\\cup_race.html\n\n"
                          "Kestrel Bay Circuit\n\n";
    std::vector<examples::RaceFinisher> bySlot = cup.finishers;
    std::sort(bySlot.begin(), bySlot.end(), [](const auto& a, const auto& b) { return a.slot < b.slot; });
    for (const auto& rider : bySlot) {
        console += std::to_string(rider.rider.startNumber) + " " + rider.rider.name + "\n";
    }
    console += "\nLap 7 of #68 Dario Fenelli has a very slow laptime.\n"
               "It seems Korvex has forget to count a lap.\n"
               "If you would add a lap for the driver press \"y\" else press \"n\"!\n";
    for (const auto& rider : cup.finishers) {
        console += std::to_string(rider.rider.startNumber) + " taus=" + std::to_string(rider.raceTime) +
                   " Straf=" + std::to_string(rider.penaltySeconds * 1000) + "\n";
    }
    console += "If you like very colourful tables put in number 0!\n"
               "Otherwise only the winner of the race will be assigned in red.\n"
               "Put in the starting number of the driver that you would assign in yellow!\n"
               "If you want only assigned the winner put in a non existing starting number!\n";

    const DemoRun run = runDemoProgram(QUORRIN_EXE, "quorrin_answers.txt");
    EXPECT_EQ(run.result.exitStatus, 0);
    EXPECT_EQ(withUnixLineEnds(run.result.console), console);
    expectCommittedPages(run, {"cup_race.html", "cup_race_G.html"});

    // The final result beside the position board, in the export's order: the lapped
    // rider and the one who retired after the full-distance riders, each with the time
    // of their last lap, gaps only to riders with as many laps.
    const std::string page = pageOf(run, "cup_race.html");
    const examples::RaceFinisher& winner = cup.finishers.front();
    for (std::size_t i = 0; i < cup.finishers.size(); ++i) {
        const examples::RaceFinisher& rider = cup.finishers[i];
        const std::size_t laps = rider.lapTimes.size();
        const std::string open = "<td align=\"center\" bgcolor=\"#" + colourOf(rider.rider.startNumber) + "\"> ";
        std::string first;
        std::string before;
        if (i > 0 && laps == winner.lapTimes.size()) {
            first = "-" + timeText(rider.raceTime - winner.raceTime);
        }
        if (i > 0 && laps == cup.finishers[i - 1].lapTimes.size()) {
            before = "-" + timeText(rider.raceTime - cup.finishers[i - 1].raceTime);
        }
        const std::string row = "<td align=\"center\" bgcolor=\"#444444\"> " + std::to_string(i + 1) +
                                " <bgcolor=\"#FFFFFF\" td> " + open + std::to_string(rider.rider.startNumber) +
                                " </td> " + open + rider.rider.name + " </td> " + open + rider.rider.bike + " </td> " +
                                open + std::to_string(laps) + " </td> " + open + timeText(rider.raceTime) + " </td> " +
                                open + first + " </td> " + open + before + " </td> </tr> ";
        EXPECT_NE(page.find(row), std::string::npos) << "final result row " << i + 1 << ":\n" << row;
    }
}

TEST(Demo, OmblenRanksThePracticesAndWritesTheGridsForTheForum) {
    const examples::SampleLeague league = examples::buildSampleLeague();
    // The forum text, from the practice rows ranked by best lap (earlier exports first
    // on equal times) and cut into grids of 9, 8 and 8.
    std::vector<examples::PracticeResult> ranking;
    for (const auto& practice : league.practices) {
        ranking.insert(ranking.end(), practice.results.begin(), practice.results.end());
    }
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const auto& a, const auto& b) { return a.bestLap < b.bestLap; });
    ASSERT_EQ(ranking.size(), 25u);
    std::string forum;
    std::size_t position = 0;
    const std::size_t gridSizes[] = {9, 8, 8};
    for (std::size_t grid = 0; grid < 3; ++grid) {
        forum += "GRID  " + std::to_string(grid + 1) + " - " + std::to_string(gridSizes[grid]) + " DRIVERS\r\n [table]";
        for (std::size_t i = 0; i < gridSizes[grid]; ++i, ++position) {
            const auto& row = ranking[position];
            forum += "[tr][td]" + std::to_string(position + 1) + "[/td] [td]" + std::to_string(row.rider.startNumber) +
                     " [/td] [td]" + row.rider.name + " [/td] [td]" + row.rider.bike + " [/td] [td]" +
                     exportTime(row.bestLap) + " [/td]  [/tr] \r\n";
        }
        forum += " [/table] [br] \r\n";
    }
    forum += "[br]";

    const DemoRun run = runDemoProgram(OMBLEN_EXE, "omblen_answers.txt");
    EXPECT_EQ(run.result.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(run.result.console), exportPrompts({"practice_g1", "practice_g2", "practice_g3"}));
    EXPECT_EQ(pageOf(run, "grids_forum.txt"), forum);
    expectCommittedPages(run, {"grids.html", "grids_forum.txt", "practice_g1.html"});
}

TEST(Demo, DuvessaScoresTheThreeGridRacesOnOnePage) {
    const examples::SampleLeague league = examples::buildSampleLeague();
    const examples::RaceFinisher& winner = league.gridRaces.at(0).finishers.at(0);
    const std::string laps = std::to_string(winner.lapTimes.size());
    const std::string plain = "<td align=\"center\"> ";
    // The overall winner is the first grid's winner: full distance, no gap, 50 points.
    const std::string winnerRow =
        "<td align=\"center\" bgcolor=\"#00FF00\"> 1 <bgcolor=\"#FFFFFF\" /td> " + plain +
        std::to_string(winner.rider.startNumber) + " </td> " + plain + winner.rider.name + " </td> " + plain +
        winner.rider.bike + " </td> " + plain + laps + " </td> " + plain + exportTime(winner.raceTime) + " </td> " +
        plain + "+0*" + exportTime(winner.raceTime / static_cast<std::int32_t>(winner.lapTimes.size())) + "= </td> " +
        plain + exportTime(winner.raceTime) + " </td> " + plain + "-0.000 </td> " + plain + " </td> " +
        "<td align=\"center\" bgcolor=\"#DDDD00\">R1</td> <td align=\"center\" bgcolor=\"#FF0000\">50 </td>  </tr> ";

    const DemoRun run = runDemoProgram(DUVESSA_EXE, "duvessa_answers.txt");
    EXPECT_EQ(run.result.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(run.result.console), exportPrompts({"race_g1", "race_g2", "race_g3"}));
    EXPECT_NE(pageOf(run, "Xrace_g1.html").find("<tr> \r\n" + winnerRow), std::string::npos);
    expectCommittedPages(run, {"Xrace_g1.html"});
}

// An admin who runs the programs inside the simulator's "exports" folder, with a
// "Quorrin.ini" there that points back to the simulator folder, would have the first
// page replace the export it was made from. Such a page is refused like one that cannot
// be created; the inputs stay as they were and the other pages are written.
TEST(Demo, PagesNeverReplaceTheFilesTheRunRead) {
    FileMap league = filesBelow(kExamples / "league");
    league["simulator/exports/Quorrin.ini"] = "..\\";
    league["simulator/exports/maxdriversingrid.ini"] = league.at("maxdriversingrid.ini");
    const struct {
        std::string executable;
        std::string answersFile;
        std::string refused;
        std::vector<std::string> written;
    } cases[] = {
        {QUORRIN_EXE, "quorrin_answers.txt", "cup_race.html", {"simulator/exports/cup_race_G.html"}},
        {OMBLEN_EXE, "omblen_answers.txt", "practice_g1.html",
         {"simulator/exports/grids.html", "simulator/exports/grids_forum.txt"}},
    };
    for (const auto& c : cases) {
        ExecutableStart inTheExportsFolder;
        inTheExportsFolder.workingFolder = "simulator/exports";
        const RunResult result = runExecutable(c.executable, readFileBytes(kExamples / "demo" / c.answersFile),
                                               league, inTheExportsFolder);
        EXPECT_EQ(result.exitStatus, 1) << c.refused;
        const std::string console = withUnixLineEnds(result.console);
        const std::string message = "Can't write " + c.refused + "!\n";
        EXPECT_EQ(console.find(message), console.rfind(message)) << c.refused;
        EXPECT_NE(console.find(message), std::string::npos) << console;
        std::vector<std::string> written;
        for (const auto& entry : filesWritten(result, league)) {
            written.push_back(entry.first);
        }
        EXPECT_EQ(written, c.written) << c.refused;
        for (const auto& [name, bytes] : league) {
            EXPECT_TRUE(result.files.at(name) == bytes) << name << " was changed";
        }
    }
}

}  // namespace
}  // namespace league::testing
