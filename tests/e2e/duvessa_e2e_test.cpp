// Whole Duvessa runs over folders set up as a league admin has them: "Quorrin.ini"
// naming the simulator folder "sim\", race exports in "sim/exports/". The expected pages
// are built here from the fragments a reader of the page source sees.

#include "duvessa/duvessa_run.hpp"

#include "support/expected_page.hpp"
#include "support/export_builder.hpp"
#include "support/export_dialogue_text.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace league::testing {
namespace {

using duvessa::runDuvessa;

// --- The folder ----------------------------------------------------------------------

FileMap leagueFolder(const std::vector<std::pair<std::string, std::vector<RaceRow>>>& exports) {
    FileMap files{{"Quorrin.ini", "sim\\"}};
    for (const auto& [name, rows] : exports) {
        files["sim/exports/" + name + ".html"] = raceExport(rows);
    }
    return files;
}

// --- The console -----------------------------------------------------------------------

std::string echo(const std::string& exportName) {
    return exportEcho("sim\\", exportName);
}

// The prompts and echoes of a run that reads `names` and then, when fewer than four,
// is given "0".
std::string dialogue(const std::vector<std::string>& names) {
    std::string text = kFirstExportPrompt;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += echo(names[i]);
        if (i + 1 < 4) {
            text += kNextExportPrompt;
        }
    }
    return text;
}

// --- The page ------------------------------------------------------------------------

const std::string kPageHead = crlf(
    "<html> \n<head><title>Duvessa table</title></head> \n<BR><body> \n"
    "<div> <table border=3 cellpadding=\"1\" align=\"left\"> "
    "<caption align=\"center\">POSITION BOARD / FINAL RESULT </caption> \n "
    " <tr bgcolor=\"#00FF00\"> <td align=\"center\" bgcolor=\"#00FF00\">pos"
    "</td>\n<td align=\"center\">#"
    " </td>\n<td > driver"
    " </td>\n <td align=\"center\">  bike"
    " </td>\n<td align=\"center\"> laps"
    " </td>\n <td align=\"center\"> time"
    " </td>\n<td align=\"center\">m.laps*average"
    " </td>\n <td align=\"center\"> time+"
    " </td>\n <td align=\"center\"> -first"
    " </td>\n<td align=\"center\"> -before"
    " </td>\n<td align=\"center\"> grid"
    " </td>\n<td align=\"center\"> score"
    " </td>\n </tr>"
    "<tr> \n");
const std::string kPageEnd = "</border>  </table> </div><br clear=\"all\">  <BR>";

enum Shade { Plain, Grey };

// One filled position as the page shows it.
struct PageRow {
    int position;
    std::string startNumber;
    std::string driver;
    std::string bike;
    Shade shade;
    std::string laps;
    std::string time;
    std::string lapsTimesAverage;
    std::string timePlus;
    std::string first;
    std::string before;
    int grid;
    std::string score;
};

std::string positionCell(int position) {
    return "<td align=\"center\" bgcolor=\"#00FF00\"> " + std::to_string(position) + " <bgcolor=\"#FFFFFF\" /td> ";
}

std::string rowText(const PageRow& row) {
    const std::string plain = "<td align=\"center\"> ";
    const std::string shaded = row.shade == Grey ? "<td align=\"center\" bgcolor=\"#DDDDDD\"> " : plain;
    const std::array<std::string, 4> gridCells = {
        "<td align=\"center\" bgcolor=\"#DDDD00\">R1</td> ",
        "<td align=\"center\" bgcolor=\"#0033FF\">R2</td> ",
        "<td align=\"center\" bgcolor=\"#DD0000\">R3</td> ",
        "<td align=\"center\" bgcolor=\"#0000FF\">R4</td> ",
    };
    return positionCell(row.position) + cell(plain, row.startNumber) + cell(plain, row.driver) +
           cell(plain, row.bike) + cell(shaded, row.laps) + cell(shaded, row.time) +
           cell(shaded, row.lapsTimesAverage) + cell(shaded, row.timePlus) + cell(shaded, row.first) +
           cell(shaded, row.before) + gridCells[static_cast<std::size_t>(row.grid - 1)] +
           cell("<td align=\"center\" bgcolor=\"#FF0000\">", row.score) + " </tr> ";
}

std::string emptyRowText(int position) {
    return positionCell(position) + "<td align=\"center\"> " + " </tr> ";
}

std::string page(const std::vector<PageRow>& rows, int emptyPositionsAfter = 0) {
    std::string bytes = kPageHead;
    for (const PageRow& row : rows) {
        bytes += rowText(row);
    }
    for (int i = 1; i <= emptyPositionsAfter; ++i) {
        bytes += emptyRowText(static_cast<int>(rows.size()) + i);
    }
    return bytes + kPageEnd;
}

// --- The league night ------------------------------------------------------------------

// Two grids whose winners did 10 laps in 20:00.000 and 19:59.000, a lapped rider, a
// rider who stopped early, and a rider of the second grid level with the first grid's
// winner; the start number 7 is used in both grids.
const std::vector<RaceRow> kGridOne = {
    raceRow(7, "Ann Rider", "Falcon 990", 10, 1200000),
    raceRow(12, "Bob &amp; Co", "Vespid R", 9, 1230000),
    raceRow(3, "Cleo", "Hornet", 5, 600000),
};
const std::vector<RaceRow> kGridTwo = {
    raceRow(7, "Dana", "Falcon 990", 10, 1199000),
    raceRow(21, "Eve", "Hornet", 10, 1200000),
};

const PageRow kDana = {1, "7", "Dana", "Falcon 990", Plain, "10", "19:59.000", "+0*1:59.900=", "19:59.000",
                       "-0.000", "", 2, "50"};
const PageRow kAnn = {2, "7", "Ann Rider", "Falcon 990", Plain, "10", "20:00.000", "+0*2:00.000=", "20:00.000",
                      "-1.000", "-1.000", 1, "40"};
const PageRow kEve = {3, "21", "Eve", "Hornet", Plain, "10", "20:00.000", "+0*2:00.000=", "20:00.000",
                      "-1.000", "-0.000", 2, "33"};
const PageRow kBob = {4, "12", "Bob &amp; Co", "Vespid R", Plain, "9", "20:30.000", "+1*2:16.666=", "22:46.666",
                      "-2:47.666", "-2:46.666", 1, "28"};
const PageRow kCleo = {5, "3", "Cleo", "Hornet", Grey, "5", "10:00.000", "", "", "", "", 1, ""};

TEST(DuvessaEndToEnd, TwoGridsScaledRankedAndScored) {
    const FileMap given = leagueFolder({{"race1", kGridOne}, {"race2", kGridTwo}});
    const RunResult result = runInProcess(runDuvessa, "race1\nrace2\n0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, dialogue({"race1", "race2"}));
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xrace1.html", page({kDana, kAnn, kEve, kBob, kCleo})}}));
}

TEST(DuvessaEndToEnd, FourGridsWithALongerRaceAndASlowRiderAndNoFifthPrompt) {
    // The third grid's rider did two laps more; scaled down he is ahead of the
    // reference time. The fourth grid's winner is more than 20 % behind.
    const FileMap given = leagueFolder({{"race1", kGridOne},
                                        {"race2", kGridTwo},
                                        {"race3", {raceRow(30, "Finn", "Kestrel", 12, 1428000)}},
                                        {"race4", {raceRow(44, "Gus", "Vespid R", 10, 1440000)}}});
    const RunResult result = runInProcess(runDuvessa, "race1 race2 race3 race4 race5\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, dialogue({"race1", "race2", "race3", "race4"}));
    const std::vector<PageRow> rows = {
        {1, "30", "Finn", "Kestrel", Plain, "12", "23:48.000", "+-2*1:59.000=", "19:50.000", "+9.000", "", 3, "50"},
        {2, "7", "Dana", "Falcon 990", Plain, "10", "19:59.000", "+0*1:59.900=", "19:59.000", "-0.000", "", 2, "40"},
        {3, "7", "Ann Rider", "Falcon 990", Plain, "10", "20:00.000", "+0*2:00.000=", "20:00.000", "-1.000",
         "-1.000", 1, "33"},
        {4, "21", "Eve", "Hornet", Plain, "10", "20:00.000", "+0*2:00.000=", "20:00.000", "-1.000", "-0.000", 2,
         "28"},
        {5, "12", "Bob &amp; Co", "Vespid R", Plain, "9", "20:30.000", "+1*2:16.666=", "22:46.666", "-2:47.666",
         "-2:46.666", 1, "24"},
        {6, "44", "Gus", "Vespid R", Grey, "10", "24:00.000", "+0*2:24.000=", "24:00.000", "-4:01.000",
         "-1:13.334", 4, "21"},
        {7, "3", "Cleo", "Hornet", Grey, "5", "10:00.000", "", "", "", "", 1, ""},
    };
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xrace1.html", page(rows)}}));
}

TEST(DuvessaEndToEnd, ZeroAtTheSecondPromptClassifiesOneExportEndedByARowWithoutLaps) {
    const FileMap given = leagueFolder({{"solo",
                                         {raceRow(5, "Ann", "Falcon", 10, 1200000),
                                          raceRow(6, "Bob", "Vespid", 10, 1201005),
                                          raceRow(8, "Cy", "Hornet", 0, 0),
                                          raceRow(9, "Dot", "Hornet", 9, 1230000)}}});
    const RunResult result = runInProcess(runDuvessa, "solo\n0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, dialogue({"solo"}));
    const std::vector<PageRow> rows = {
        {1, "5", "Ann", "Falcon", Plain, "10", "20:00.000", "+0*2:00.000=", "20:00.000", "-0.000", "", 1, "50"},
        {2, "6", "Bob", "Vespid", Plain, "10", "20:01.005", "+0*2:00.100=", "20:01.005", "-1.005", "-1.005", 1,
         "40"},
    };
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xsolo.html", page(rows)}}));
}

TEST(DuvessaEndToEnd, ARowOfThirtySixLapsEndsAnExportAndTheFirstExportWithRowsSetsTheDistance) {
    // The first export's only row has 36 laps: it adds nothing, yet names the page.
    const FileMap given = leagueFolder({{"wet", {raceRow(1, "Flood", "Barge", 36, 1200000)}},
                                        {"dry",
                                         {raceRow(2, "Ann", "Falcon", 8, 960000),
                                          raceRow(3, "Bob", "Vespid", 8, 990000),
                                          raceRow(4, "Cy", "Hornet", 36, 1000000),
                                          raceRow(5, "Dot", "Hornet", 8, 1000000)}}});
    const RunResult result = runInProcess(runDuvessa, "wet\ndry\n0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, dialogue({"wet", "dry"}));
    const std::vector<PageRow> rows = {
        {1, "2", "Ann", "Falcon", Plain, "8", "16:00.000", "+0*2:00.000=", "16:00.000", "-0.000", "", 2, "50"},
        {2, "3", "Bob", "Vespid", Plain, "8", "16:30.000", "+0*2:03.750=", "16:30.000", "-30.000", "-30.000", 2,
         "40"},
    };
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xwet.html", page(rows)}}));
}

TEST(DuvessaEndToEnd, ExportsWithoutEntriesStillGiveAPageWithTheHeaderAndTableEndOnly) {
    const FileMap given = leagueFolder({{"void", {raceRow(1, "Flood", "Barge", 0, 0)}}, {"blank", {}}});
    const RunResult result = runInProcess(runDuvessa, "void blank 0", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, dialogue({"void", "blank"}));
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xvoid.html", kPageHead + kPageEnd}}));
}

// The league's points for places 1 to 20.
const std::array<const char*, 20> kLeaguePoints = {"50", "40", "33", "28", "24", "21", "18", "15", "13", "11",
                                                   "10", "9",  "8",  "7",  "6",  "5",  "4",  "3",  "2",  "1"};

// A time of the export's form for times of at least a minute.
std::string minutesText(int ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d.%03d", ms / 60000, (ms / 1000) % 60, ms % 1000);
    return text;
}

TEST(DuvessaEndToEnd, TwentyOneAndMoreRidersScoreFromTheLeagueTableUpToTwentieth) {
    std::vector<RaceRow> field;
    std::vector<PageRow> rows;
    for (int i = 0; i < 22; ++i) {
        // One second apart: the average lap grows by a tenth of a second.
        const int raceTime = 1200000 + 1000 * i;
        const std::string name = "Rider" + std::to_string(i + 1);
        field.push_back(raceRow(100 + i, name, "Falcon", 10, raceTime));
        rows.push_back({i + 1, std::to_string(100 + i), name, "Falcon", Plain, "10", minutesText(raceTime),
                        "+0*" + minutesText(raceTime / 10) + "=", minutesText(raceTime),
                        "-" + std::to_string(i) + ".000", i == 0 ? "" : "-1.000", 1,
                        i < 20 ? kLeaguePoints[static_cast<std::size_t>(i)] : ""});
    }
    const FileMap given = leagueFolder({{"big", field}});
    const RunResult result = runInProcess(runDuvessa, "big\n0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xbig.html", page(rows)}}));
}

TEST(DuvessaEndToEnd, ARiderAtTheNoTimeMarkLeavesHisAndEveryLaterPositionEmpty) {
    // 166:40.000 is 10000000 ms; the rider who stopped early is ranked after him.
    const FileMap given = leagueFolder({{"night",
                                         {raceRow(1, "Ann", "Falcon", 10, 1200000),
                                          raceRow(2, "Zed", "Barge", 10, 10000000),
                                          raceRow(3, "Cleo", "Hornet", 5, 600000),
                                          raceRow(4, "Bob", "Vespid", 9, 1230000)}}});
    const RunResult result = runInProcess(runDuvessa, "night\n0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    const std::vector<PageRow> rows = {
        {1, "1", "Ann", "Falcon", Plain, "10", "20:00.000", "+0*2:00.000=", "20:00.000", "-0.000", "", 1, "50"},
        {2, "4", "Bob", "Vespid", Plain, "9", "20:30.000", "+1*2:16.666=", "22:46.666", "-2:46.666", "-2:46.666", 1,
         "40"},
    };
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xnight.html", page(rows, 2)}}));
}

TEST(DuvessaEndToEnd, RowsBeyondNinetyNineAreLeftOutWithOneMessage) {
    // Three grids of 40 level riders: the ranking keeps the reading order.
    std::vector<std::pair<std::string, std::vector<RaceRow>>> grids;
    std::vector<PageRow> rows;
    for (int grid = 1; grid <= 3; ++grid) {
        std::vector<RaceRow> field;
        for (int i = 1; i <= 40; ++i) {
            const std::string name = "G" + std::to_string(grid) + "-" + std::to_string(i);
            field.push_back(raceRow(i, name, "Falcon", 10, 1200000));
            const int position = static_cast<int>(rows.size()) + 1;
            if (position <= 99) {
                rows.push_back({position, std::to_string(i), name, "Falcon", Plain, "10", "20:00.000",
                                "+0*2:00.000=", "20:00.000", "-0.000", "", grid,
                                position <= 20 ? kLeaguePoints[static_cast<std::size_t>(position - 1)] : ""});
            }
        }
        grids.push_back({"grid" + std::to_string(grid), field});
    }
    const FileMap given = leagueFolder(grids);
    const RunResult result = runInProcess(runDuvessa, "grid1 grid2 grid3 0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstExportPrompt + echo("grid1") + kNextExportPrompt + echo("grid2") +
                                  kNextExportPrompt + echo("grid3") +
                                  "Only 99 drivers fit in one table; the rest are left out!\n" + kNextExportPrompt);
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xgrid1.html", page(rows)}}));
}

TEST(DuvessaEndToEnd, ZeroAtTheFirstPromptWritesNothing) {
    const FileMap given = leagueFolder({{"race1", kGridOne}});
    const RunResult result = runInProcess(runDuvessa, "0\nrace1\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstExportPrompt);
    EXPECT_EQ(filesWritten(result, given), FileMap{});
}

TEST(DuvessaEndToEnd, InputThatEndsAnswersEveryPromptWithTheEmptyNameWhichNamesThePage) {
    // Only "0" leaves the page without a name: the empty answer at the end of input is
    // a name like any other, here of an export that exists, read at all four prompts.
    const FileMap given = leagueFolder({{"", {raceRow(9, "Ann", "Falcon", 10, 1200000)}}});
    const RunResult result = runInProcess(runDuvessa, "", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, dialogue({"", "", "", ""}));
    std::vector<PageRow> rows;
    for (int grid = 1; grid <= 4; ++grid) {
        rows.push_back({grid, "9", "Ann", "Falcon", Plain, "10", "20:00.000", "+0*2:00.000=", "20:00.000", "-0.000",
                        "", grid, kLeaguePoints[static_cast<std::size_t>(grid - 1)]});
    }
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"X.html", page(rows)}}));
}

TEST(DuvessaEndToEnd, AMisspelledSecondExportStopsTheRunWithoutAPage) {
    const FileMap given = leagueFolder({{"race1", kGridOne}, {"race2", kGridTwo}});
    const RunResult result = runInProcess(runDuvessa, "race1\nrcae2\nk", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstExportPrompt + echo("race1") + kNextExportPrompt + echo("rcae2") +
                                  "Can't find the export\n" + kTestPausePrompt);
    EXPECT_EQ(filesWritten(result, given), FileMap{});
}

TEST(DuvessaEndToEnd, APageThatCannotBeCreatedIsReported) {
    // A folder of the page's name stands where the page would go.
    FileMap given = leagueFolder({{"race1", kGridOne}});
    given["Xrace1.html/notes.txt"] = "kept";
    const RunResult result = runInProcess(runDuvessa, "race1\n0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, dialogue({"race1"}) + "Can't write Xrace1.html!\n");
    EXPECT_EQ(filesWritten(result, given), FileMap{});
}

// --- The built program -------------------------------------------------------------------

TEST(DuvessaExecutable, WritesTheSamePageAsTheRunInProcess) {
    const FileMap given = leagueFolder({{"race1", kGridOne}, {"race2", kGridTwo}});
    const RunResult result = runExecutable(DUVESSA_EXE, "race1\nrace2\n0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(result.console), dialogue({"race1", "race2"}));
    EXPECT_EQ(filesWritten(result, given), (FileMap{{"Xrace1.html", page({kDana, kAnn, kEve, kBob, kCleo})}}));
}

TEST(DuvessaExecutable, StopsAndPausesAtAMissingExport) {
    const FileMap given = leagueFolder({{"race1", kGridOne}});
    const RunResult result = runExecutable(DUVESSA_EXE, "race1\nrace9\nk", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(result.console), kFirstExportPrompt + echo("race1") + kNextExportPrompt + echo("race9") +
                                                    "Can't find the export\n" + executablePausePrompt());
    EXPECT_EQ(filesWritten(result, given), FileMap{});
}

TEST(DuvessaExecutable, ZeroAtTheFirstPromptEndsWithoutPageOrPause) {
    const FileMap given = leagueFolder({{"race1", kGridOne}});
    const RunResult result = runExecutable(DUVESSA_EXE, "0\n", given);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(result.console), kFirstExportPrompt);
    EXPECT_EQ(filesWritten(result, given), FileMap{});
}

}  // namespace
}  // namespace league::testing
