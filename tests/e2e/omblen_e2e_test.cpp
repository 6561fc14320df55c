// Whole Omblen runs over practice exports laid out as the simulator writes them. The
// expected files are built here from the pieces a user sees in them, then compared
// byte for byte with what the run wrote.

#include "omblen/omblen_run.hpp"

#include "support/expected_page.hpp"
#include "support/export_builder.hpp"
#include "support/export_dialogue_text.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace league::testing {
namespace {

using omblen::runOmblen;

// What one ranked driver shows on the pages; `speed` without its unit.
struct Shown {
    std::string number;
    std::string driver;
    std::string bike;
    std::string time;
    std::string gapFirst;
    std::string gapBefore;
    std::string lap;
    std::string speed;
    int grid = 1;
    bool grey = false;
};

std::string pageHead(const std::string& lineBreak) {
    return crlf("<html> \n<head><title>Omblen table</title></head> \n" + lineBreak + "<body> \n");
}

std::string headerRow() {
    return crlf(
        " <tr bgcolor=\"#00FF00\"> <td align=\"center\" bgcolor=\"#00FF00\">pos</td>\n"
        "<td align=\"center\"># </td>\n"
        "<td > driver </td>\n"
        " <td align=\"center\">  bike </td>\n"
        " <td align=\"center\"> time </td>\n"
        " <td align=\"center\"> -first </td>\n"
        "<td align=\"center\"> -before </td>\n"
        "<td align=\"center\"> lap </td>\n"
        "<td align=\"center\"> speed </td>\n"
        "<td align=\"center\"> grid </td>\n"
        " </tr><tr> \n");
}

std::string pageRow(int position, const Shown& d, bool shadeSlowRows) {
    static const char* const gridCells[] = {
        "<td align=\"center\" bgcolor=\"#DDDD00\">G1</td> ",
        "<td align=\"center\" bgcolor=\"#0033FF\">G2</td> ",
        "<td align=\"center\" bgcolor=\"#DD0000\">G3</td> ",
        "<td align=\"center\" bgcolor=\"#0000FF\">G4</td> ",
    };
    const std::string open =
        shadeSlowRows && d.grey ? "<td align=\"center\" bgcolor=\"#DDDDDD\"> " : "<td align=\"center\"> ";
    std::string row = "<td align=\"center\" bgcolor=\"#00FF00\"> " + std::to_string(position) +
                      " <bgcolor=\"#FFFFFF\" /td> ";
    for (const std::string& text : {d.number, d.driver, d.bike, d.time, d.gapFirst, d.gapBefore, d.lap}) {
        row += cell(open, text);
    }
    return row + cell(open, d.speed + " km/h") + gridCells[d.grid - 1] + " </tr> ";
}

std::string resultPage(const std::vector<Shown>& ranked, bool gridDivisionRan) {
    std::string page = pageHead("<BR>") + "<div> <table border=3 cellpadding=\"1\" align=\"left\"> " +
                       crlf("<caption align=\"center\">PRACTICE OR QUALIFICATION RESULT </caption> \n ") +
                       headerRow();
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        page += pageRow(static_cast<int>(i) + 1, ranked[i], true);
    }
    page += "</border>  </table> </div><br clear=\"all\"> </body> <BR>";
    return gridDivisionRan ? page + crlf("</body> \n") : page;
}

std::string caption(int grid, int size) {
    return "GRID  " + std::to_string(grid) + " - " + std::to_string(size) + " DRIVERS";
}

std::string gridsPage(const std::vector<Shown>& ranked, const std::vector<int>& gridSizes) {
    std::string page = pageHead("<BR> \n");
    std::size_t next = 0;
    for (std::size_t g = 0; g < gridSizes.size(); ++g) {
        page += "<div> <table border=3 cellpadding=\"1\" align=\"left\"> <caption align=\"center\">" +
                caption(static_cast<int>(g) + 1, gridSizes[g]) + crlf("</caption> \n ") + headerRow();
        for (int i = 0; i < gridSizes[g]; ++i, ++next) {
            page += pageRow(static_cast<int>(next) + 1, ranked[next], false);
        }
    }
    return page + "</border>  </table> </div><br clear=\"all\">  <BR>" + crlf("</body> \n");
}

std::string forumText(const std::vector<Shown>& ranked, const std::vector<int>& gridSizes) {
    std::string text;
    std::size_t next = 0;
    for (std::size_t g = 0; g < gridSizes.size(); ++g) {
        text += crlf(caption(static_cast<int>(g) + 1, gridSizes[g]) + "\n [table]");
        for (int i = 0; i < gridSizes[g]; ++i, ++next) {
            const Shown& d = ranked[next];
            text += "[tr][td]" + std::to_string(next + 1) + "[/td] [td]" + d.number + " [/td] [td]" + d.driver +
                    " [/td] [td]" + d.bike + " [/td] [td]" + d.time + " [/td] " + crlf(" [/tr] \n");
        }
        text += crlf(" [/table] [br] \n");
    }
    return text + "[br]";
}


std::string echo(const std::string& name) {
    return exportEcho("sim\\", name);
}

// A league's folder: "Quorrin.ini" naming "sim\", the exports below it, and the grid
// size unless it is left out.
FileMap leagueFolder(const std::vector<std::pair<std::string, std::string>>& exports, const char* gridSize) {
    FileMap files = {{"Quorrin.ini", "sim\\"}};
    if (gridSize != nullptr) {
        files["maxdriversingrid.ini"] = gridSize;
    }
    for (const auto& [name, bytes] : exports) {
        files["sim/exports/" + name + ".html"] = bytes;
    }
    return files;
}

// One ranked driver as the export lists him (speed with its unit) and as the pages
// show him.
struct Rider {
    std::string exportSpeed;
    Shown shown;
};

// 25 drivers from three heats, in the order of the merged ranking. The best time is
// 1:20.000, so rows above 1:25.600 (107 %) are grey on the result page.
const std::vector<Rider> kField = {
    {"161.2 km/h", {"21", "Dana Hill", "Vespid R", "1:20.000", "", "", "6/8", "161.2", 2}},
    {"99.5 mph", {"31", "Eli Stone", "Falcon 990", "1:20.000", "", "", "4/8", "160.1", 3}},
    {"160.8 km/h", {"1", "Ann Rider", "Falcon 990", "1:20.250", "-0.250", "-0.250", "7/8", "160.8", 1}},
    {"100.0 mph", {"22", "Bob &amp; Co", "Vespid R", "1:20.500", "-0.500", "-0.250", "3/8", "160.9", 2}},
    {"160.0 km/h", {"2", "Cleo Marsh", "Kestrel 8", "1:20.750", "-0.750", "-0.250", "8/8", "160.0", 1}},
    {"159.7 km/h", {"32", "Finn Kale", "Kestrel 8", "1:21.000", "-1.000", "-0.250", "5/8", "159.7", 3}},
    {"159.4 km/h", {"3", "Gus Ortega", "Vespid R", "1:21.250", "-1.250", "-0.250", "2/8", "159.4", 1}},
    {"159.1 km/h", {"23", "Hana Sato", "Falcon 990", "1:21.500", "-1.500", "-0.250", "6/7", "159.1", 2}},
    {"158.8 km/h", {"33", "Ivo Brandt", "Falcon 990", "1:21.750", "-1.750", "-0.250", "7/7", "158.8", 3}},
    // Grid 2 begins: its first driver's gap is to the last driver of grid 1.
    {"158.4 km/h", {"4", "Maximilian-Alexander von Hohenbe", "Kestrel 8", "1:22.100", "-2.100", "-0.350", "4/7",
                    "158.4", 1}},
    {"98.45 mph", {"34", "Jo Lind", "Vespid R", "1:22.100", "-2.100", "-0.000", "5/7", "158.4", 3}},
    {"158.0 km/h", {"24", "Kai Novak", "Kestrel 8", "1:22.400", "-2.400", "-0.300", "3/7", "158.0", 2}},
    {"157.7 km/h", {"5", "Lea Russo", "Falcon 990", "1:22.700", "-2.700", "-0.300", "6/6", "157.7", 1}},
    {"157.4 km/h", {"25", "Milo Grant", "Vespid R", "1:23.000", "-3.000", "-0.300", "2/6", "157.4", 2}},
    {"157.26 km/h", {"35", "Nora Voss", "Kestrel 8", "1:23.300", "-3.300", "-0.300", "4/6", "157.3", 3}},
    {"156.9 km/h", {"6", "Otto Berg", "Vespid R", "1:23.600", "-3.600", "-0.300", "5/6", "156.9", 1}},
    {"156.6 km/h", {"26", "Pia Lund", "Falcon 990", "1:23.900", "-3.900", "-0.300", "3/6", "156.6", 2}},
    // Grid 3 begins.
    {"97.2 mph", {"36", "Quinn Hale", "Falcon 990", "1:24.500", "-4.500", "-0.600", "6/9", "156.4", 3}},
    {"156.1 km/h", {"7", "Rosa Diaz", "Kestrel 8", "1:24.800", "-4.800", "-0.300", "2/9", "156.1", 1}},
    {"155.8 km/h", {"27", "Sven Moe", "Vespid R", "1:25.100", "-5.100", "-0.300", "7/9", "155.8", 2}},
    {"155.5 km/h", {"8", "Tara Quill", "Falcon 990", "1:25.400", "-5.400", "-0.300", "8/9", "155.5", 1}},
    {"155.2 km/h", {"28", "Uma Pike", "Kestrel 8", "1:25.600", "-5.600", "-0.200", "4/9", "155.2", 2}},
    {"155.1 km/h", {"37", "Vic Arden", "Vespid R", "1:25.601", "-5.601", "-0.001", "5/9", "155.1", 3, true}},
    {"150.3 km/h", {"9", "Wes Doyle", "Kestrel 8", "1:30.000", "-10.000", "-4.399", "1/9", "150.3", 1, true}},
    {"90.0 km/h", {"29", "Xia Chen", "Falcon 990", "2:21.000", "-1:01.000", "-51.000", "9/9", "90.0", 2, true}},
};

// The heat's rows as its export lists them: its drivers in ranking order. Heat 1's
// longest name is cut to 32 bytes on the pages.
std::vector<PracticeRow> heatRows(int heat) {
    std::vector<PracticeRow> rows;
    for (const Rider& rider : kField) {
        const Shown& d = rider.shown;
        if (d.grid == heat) {
            const std::string driver = d.number == "4" ? "Maximilian-Alexander von Hohenberg" : d.driver;
            rows.push_back(PracticeRow{d.number, driver, d.bike, d.time, d.lap, rider.exportSpeed});
        }
    }
    return rows;
}

std::vector<Shown> shownField() {
    std::vector<Shown> ranked;
    for (const Rider& rider : kField) {
        ranked.push_back(rider.shown);
    }
    return ranked;
}

TEST(OmblenEndToEnd, ThreeHeatsOfTwentyFiveDriversMakeGridsOfNineEightAndEight) {
    // Heat 3 ends with a driver without a time: the row ends its export, and the fast
    // row after it is never read.
    std::vector<PracticeRow> heat3 = heatRows(3);
    heat3.push_back(PracticeRow{"38", "Yan Ruiz", "Kestrel 8", "0:00.000", "0/9", "0.0 km/h"});
    heat3.push_back(PracticeRow{"39", "Zed Fast", "Vespid R", "1:10.000", "9/9", "170.0 km/h"});
    const FileMap given = leagueFolder(
        {{"heat1", practiceExport(heatRows(1))}, {"heat2", practiceExport(heatRows(2))}, {"heat3", practiceExport(heat3)}},
        "10");

    const RunResult result = runInProcess(runOmblen, "heat1\nheat2\nheat3\n0\n", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstExportPrompt + echo("heat1") + kNextExportPrompt + echo("heat2") +
                                  kNextExportPrompt + echo("heat3") + kNextExportPrompt);
    const std::vector<Shown> ranked = shownField();
    const FileMap expected = {
        {"heat1.html", resultPage(ranked, true)},
        {"grids.html", gridsPage(ranked, {9, 8, 8})},
        {"grids_forum.txt", forumText(ranked, {9, 8, 8})},
    };
    EXPECT_EQ(filesWritten(result, given), expected);
}

// Three drivers of two heats, for the shorter runs.
const std::vector<Shown> kSmallField = {
    {"7", "Ann Rider", "Falcon 990", "1:31.000", "", "", "5", "160.1", 2},
    {"3", "Cleo Marsh", "Kestrel 8", "1:31.500", "-0.500", "-0.500", "4", "159.0", 1},
    {"12", "Bob &amp; Co", "Vespid R", "1:40.000", "-9.000", "-8.500", "6", "152.0", 1, true},
};
const std::string kSmallHeat1 = practiceExport({
    practiceRow(3, "Cleo Marsh", "Kestrel 8", 91500, "4", "159.0 km/h"),
    practiceRow(12, "Bob &amp; Co", "Vespid R", 100000, "6", "152.0 km/h"),
});
const std::string kSmallHeat2 = practiceExport({practiceRow(7, "Ann Rider", "Falcon 990", 91000, "5", "160.1 km/h")});

TEST(OmblenEndToEnd, MissingGridSettingsLeaveTheResultPageOpenEndedAndWriteNoGrids) {
    const FileMap given = leagueFolder({{"heat1", kSmallHeat1}, {"heat2", kSmallHeat2}}, nullptr);

    const RunResult result = runInProcess(runOmblen, "heat1 heat2 0\n", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstExportPrompt + echo("heat1") + kNextExportPrompt + echo("heat2") +
                                  kNextExportPrompt + "Datei wrong!!!");
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"heat1.html", resultPage(kSmallField, false)}}));
}

TEST(OmblenEndToEnd, NoEntriesGiveOneEmptyGridOrNone) {
    const struct {
        const char* gridSize;
        std::vector<int> gridSizes;
    } cases[] = {
        {"2", {0}},
        {"1", {}},
    };
    for (const auto& c : cases) {
        const FileMap given = leagueFolder({{"empty", practiceExport({})}}, c.gridSize);

        const RunResult result = runInProcess(runOmblen, "empty\n0\n", given);

        EXPECT_EQ(result.exitStatus, 1) << c.gridSize;
        EXPECT_EQ(result.console, kFirstExportPrompt + echo("empty") + kNextExportPrompt) << c.gridSize;
        const FileMap expected = {
            {"empty.html", resultPage({}, true)},
            {"grids.html", gridsPage({}, c.gridSizes)},
            {"grids_forum.txt", forumText({}, c.gridSizes)},
        };
        EXPECT_EQ(filesWritten(result, given), expected) << c.gridSize;
    }
}

TEST(OmblenEndToEnd, ZeroAtTheFirstPromptWritesTheGridsButNoResultPage) {
    const FileMap given = leagueFolder({}, "2");

    const RunResult result = runInProcess(runOmblen, "0\n", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstExportPrompt);
    const FileMap expected = {
        {"grids.html", gridsPage({}, {0})},
        {"grids_forum.txt", forumText({}, {0})},
    };
    EXPECT_EQ(filesWritten(result, given), expected);
}

TEST(OmblenEndToEnd, AnswersLeftEmptyAtTheEndOfInputNameTheExportAndTheResultPageDotHtml) {
    // Every prompt meets the end of input: the empty answer is a name like any other,
    // so the export ".html" is read four times and the result page is ".html".
    const FileMap given = leagueFolder({{"", kSmallHeat2}}, "10");

    const RunResult result = runInProcess(runOmblen, "", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstExportPrompt + echo("") + kNextExportPrompt + echo("") + kNextExportPrompt +
                                  echo("") + kNextExportPrompt + echo(""));
    std::vector<Shown> ranked;
    for (int grid = 1; grid <= 4; ++grid) {
        ranked.push_back({"7", "Ann Rider", "Falcon 990", "1:31.000", "", "", "5", "160.1", grid});
    }
    const FileMap expected = {
        {".html", resultPage(ranked, true)},
        {"grids.html", gridsPage(ranked, {4})},
        {"grids_forum.txt", forumText(ranked, {4})},
    };
    EXPECT_EQ(filesWritten(result, given), expected);
}

TEST(OmblenEndToEnd, MissingFourthExportStopsBeforeAnyFileIsWritten) {
    const FileMap given = leagueFolder({{"heat1", kSmallHeat1}, {"heat2", kSmallHeat2}, {"heat3", kSmallHeat2}}, "10");

    const RunResult result = runInProcess(runOmblen, "heat1\nheat2\nheat3\nheat4\nrest\n", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstExportPrompt + echo("heat1") + kNextExportPrompt + echo("heat2") +
                                  kNextExportPrompt + echo("heat3") + kNextExportPrompt + echo("heat4") +
                                  "Can't find the export\n" + kTestPausePrompt);
    EXPECT_TRUE(filesWritten(result, given).empty());
}

TEST(OmblenEndToEnd, FourHeatsEndTheDialogueWithoutAFifthPrompt) {
    const FileMap given = leagueFolder(
        {{"a", kSmallHeat1},
         {"b", practiceExport({})},
         {"c", practiceExport({})},
         {"d", practiceExport({practiceRow(7, "Ann Rider", "Falcon 990", 91000, "5", "160.1 km/h")})}},
        "2");

    const RunResult result = runInProcess(runOmblen, "a b c d e\n", given);

    EXPECT_EQ(result.console, kFirstExportPrompt + echo("a") + kNextExportPrompt + echo("b") + kNextExportPrompt +
                                  echo("c") + kNextExportPrompt + echo("d"));
    std::vector<Shown> ranked = kSmallField;
    ranked[0].grid = 4;
    const FileMap expected = {
        {"a.html", resultPage(ranked, true)},
        {"grids.html", gridsPage(ranked, {2, 1})},
        {"grids_forum.txt", forumText(ranked, {2, 1})},
    };
    EXPECT_EQ(filesWritten(result, given), expected);
}

TEST(OmblenExecutable, MergesTwoHeatsIntoTwoGrids) {
    const FileMap given = leagueFolder({{"heat1", kSmallHeat1}, {"heat2", kSmallHeat2}}, "2\r\n");

    const RunResult result = runExecutable(OMBLEN_EXE, "heat1\nheat2\n0\n", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(result.console),
              kFirstExportPrompt + echo("heat1") + kNextExportPrompt + echo("heat2") + kNextExportPrompt);
    const FileMap expected = {
        {"heat1.html", resultPage(kSmallField, true)},
        {"grids.html", gridsPage(kSmallField, {2, 1})},
        {"grids_forum.txt", forumText(kSmallField, {2, 1})},
    };
    EXPECT_EQ(filesWritten(result, given), expected);
}

TEST(OmblenExecutable, MissingExportPausesAndWritesNothing) {
    const FileMap given = leagueFolder({{"heat1", kSmallHeat1}}, "10");

    const RunResult result = runExecutable(OMBLEN_EXE, "heat1\nheat9\nx\n", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(result.console), kFirstExportPrompt + echo("heat1") + kNextExportPrompt + echo("heat9") +
                                                    "Can't find the export\n" + executablePausePrompt());
    EXPECT_TRUE(filesWritten(result, given).empty());
}

TEST(OmblenExecutable, GridSettingsWithoutASizePauseAndWriteNoGrids) {
    const FileMap given = leagueFolder({{"heat1", kSmallHeat1}, {"heat2", kSmallHeat2}}, "none");

    const RunResult result = runExecutable(OMBLEN_EXE, "heat1\nheat2\n0\nx\n", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(result.console),
              kFirstExportPrompt + echo("heat1") + kNextExportPrompt + echo("heat2") + kNextExportPrompt +
                  "maxdriversingrid.ini holds no grid size above 0!\n" + executablePausePrompt());
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"heat1.html", resultPage(kSmallField, false)}}));
}

}  // namespace
}  // namespace league::testing
