// Whole League runs in-process over an in-memory league folder: every bad input gives
// its message and status 1 and writes nothing; names are decoded once and escaped once;
// --new, --check and the choice of the season file.

#include "league/league_messages.hpp"
#include "league/league_run.hpp"
#include "league/read/season_file.hpp"

#include "common/memory_disk.hpp"
#include "common/real_disk.hpp"

#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace league::testing {
namespace {

using season::LeagueOptions;

ProgramRun leagueRun(LeagueOptions options) {
    return [options](Console& console, Disk& disk) { return season::runLeague(console, disk, options); };
}

LeagueOptions runOf(const std::string& season, LeagueOptions::Mode mode = LeagueOptions::Mode::Run) {
    LeagueOptions options;
    options.mode = mode;
    options.season = season;
    return options;
}

// A race to analyse, "night": #7 Ann Rider's lap 4 holds two laps (the export counts
// seven), #8 John Smith crashed on lap 3 (a slow lap, but one), #9 Cleo Crest is steady.
std::string nightReplay() {
    ReplayBuilder replay;
    replay.driver(0, 7, "Ann Rider", "Vexa").driver(1, 8, "John Smith", "Kiruna").driver(2, 9, "Cleo Crest", "Tarsk");
    replay.raceStart()
        .laps(0, {95000, 95000, 95000, 190000, 95000, 95000})
        .laps(1, {96000, 96000, 221000, 96000, 96000, 96000})
        .laps(2, {97000, 97000, 97000, 97000, 97000, 97000});
    return replay.bytes();
}

// A league folder: Quorrin.ini naming "sim\", two race exports, one practice export and
// the replay and export of the race "night".
FileMap leagueFolder(const std::string& seasonText) {
    return {
        {"Quorrin.ini", "sim\\"},
        {"cup.toml", seasonText},
        {"sim/replays/night.rpy", nightReplay()},
        {"sim/exports/night.html", raceExport({raceRow(7, "Ann Rider", "Vexa", 7, 665003),
                                                raceRow(9, "Cleo Crest", "Tarsk", 6, 582003),
                                                raceRow(8, "John Smith", "Kiruna", 6, 601003)})},
        {"sim/exports/race_a.html", raceExport({raceRow(7, "Ann Rider", "Vexa", 10, 900000),
                                                raceRow(8, "John Smith", "Kiruna", 10, 901000)})},
        {"sim/exports/race_b.html", raceExport({raceRow(9, "Tom &amp; Jerry", "Tarsk &amp; Sons", 10, 902000)})},
        {"sim/exports/quali.html", practiceExport({practiceRow(8, "John Smith", "Kiruna", 93000, "3/8", "160.1 km/h")})},
    };
}

const std::string kRound = "[[round]]\nname = \"R1\"\nraces = [\"race_a\", \"race_b\"]\n";
// The same exports as two scored races of one round (lines 1 to 8).
const std::string kRaces = "[[round]]\nname = \"R1\"\n[[round.race]]\nname = \"A\"\nexports = [\"race_a\"]\n"
                           "[[round.race]]\nname = \"B\"\nexports = [\"race_b\"]\n";
// A points table of `places` places of 1 point each: "1, 1, 1".
std::string pointsOfOne(int places) {
    std::string list = "1";
    for (int place = 1; place < places; ++place) {
        list += ", 1";
    }
    return list;
}

const std::string kTeam = "[teams]\n\"Vexa\" = [\"Ann Rider\"]\n";

TEST(LeagueRun, BadInputGivesItsMessageStatusOneAndWritesNothing) {
    const struct {
        std::string season;
        std::string message;
        FileMap changes;
    } cases[] = {
        {"", "Can't read the season file cup.toml", {{"cup.toml", ""}}},
        {"title = \"Cup\n", "cup.toml, line 1, column 13: this is not TOML: ", {}},
        {"title = \"Cup\"\n\xC3\x89lise = 1\n",
         "cup.toml, line 2, column 1: this is not TOML: a letter beyond plain ASCII outside quotes", {}},
        {"title = \"\"\"\\\xC3\x89\"\"\"\n",
         "cup.toml, line 1, column 13: this is not TOML: a letter beyond plain ASCII outside quotes or right after a "
         "backslash", {}},
        {"title = \"\"\"x\\\n  \xC3\x89\"\"\"\n",
         "cup.toml, line 2, column 3: this is not TOML: a letter beyond plain ASCII right after a line-ending backslash",
         {}},
        {"title = \"Cup\"\ndrop_worts = 1\n", "cup.toml, line 2: unknown key \"drop_worts\"", {}},
        {"title = \"Caf\xE9\"\n# \xC3\xA9\n", "cup.toml, line 1, column 13: this is not UTF-8 text; save", {}},
        {"drop_worst = \"one\"\n", "cup.toml, line 1: drop_worst must be a whole number from 0 to", {}},
        {"drop_worst = -1\n", "cup.toml, line 1: drop_worst must be a whole number from 0 to", {}},
        {"drop_worst = 5000\n", "cup.toml, line 1: drop_worst must be a whole number from 0 to", {}},
        {"points = [25, 1.5]\n", "cup.toml, line 1: points must be a list of whole numbers from 0 to", {}},
        {"points = [25, -2]\n", "cup.toml, line 1: points must be a list of whole numbers from 0 to", {}},
        {"[[round]]\nraces = [\"race_a\"]\n", "cup.toml, line 1: a round must have a name", {}},
        {"[[round]]\nname = \"R1\"\nraces = [\"a\", \"b\", \"c\", \"d\", \"e\"]\n",
         "cup.toml, line 3: races must be a list of 1 to 4 race exports", {}},
        {kRound + "[[round.penalty]]\nrider = \"Ann Rider\"\nrace = \"race_c\"\nseconds = 5\n",
         "cup.toml, line 4: the penalty's race \"race_c\" is not a race of round \"R1\"", {}},
        {kRound + "[[round.penalty]]\nrider = \"Ann Rider\"\nrace = \"race_b\"\nseconds = 5\n",
         "cup.toml, line 4: the penalty's rider \"Ann Rider\" is not in race \"race_b\" of Round 1 (R1)", {}},
        {"[teams]\n\"Vexa\" = [\"Ann Rider\", \"ann rider\"]\n" + kRound,
         "cup.toml, line 2: team \"Vexa\" lists the rider \"ann rider\" twice", {}},
        {"[[round]]\nname = \"R1\"\nraces = [\"race_x\"]\n",
         "cup.toml, line 3: can't find the export sim\\exports\\race_x.html (round 1, R1); the closest names in the "
         "exports folder: race_a, race_b\n",
         {}},
        {"[[round]]\nname = \"R1\"\nraces = [\"race_a\"]\nqualifying = [\n  \"quali\",\n  \"QUALY\"]\n",
         "cup.toml, line 6: can't find the export sim\\exports\\QUALY.html (round 1, R1); the closest names in the "
         "exports folder: quali\n",
         {}},
        {"simulator = \"C:\\Games\\Korvex\\\"\n",
         "cup.toml, line 1, column 17: this is not TOML: Error while parsing string: unknown escape sequence '\\G'. In "
         "double quotes a backslash starts an escape: write a Windows folder in single quotes, as the template does: "
         "simulator = 'C:\\Games\\Korvex\\'\n",
         {}},
        {"[[round]]\nname = \"R1\"\ndate = 07.02.2026\n",
         "cup.toml, line 3, column 9: this is not TOML: Error while parsing floating-point: leading zeroes are "
         "prohibited. Write a date as year-month-day, without quotes: date = 2026-02-07\n",
         {}},
        {"[[round]]\nname = \"Kestrel Bay\ndate = 2026-03-14\n",
         "cup.toml, line 2, column 20: this is not TOML: Error while parsing string: unescaped control characters "
         "other than TAB (U+0009) are explicitly prohibited. A text needs its closing quote on the same line: "
         "name = \"Kestrel Bay\"\n",
         {}},
        {kRound, "No simulator folder: cup.toml has no simulator = '...' line and there is no Quorrin.ini beside it",
         {{"Quorrin.ini", ""}}},
        {"simulator = 'games\\korvex\\'\n" + kRound,
         "The simulator folder games\\korvex\\ does not exist (simulator = in cup.toml)", {}},
        {kRound + "grid_size = 0\n", "cup.toml, line 4: grid_size must be a whole number of riders from 1 to 99", {}},
        {kRound + "analyse = [\"night\", \"night\"]\n", "cup.toml, line 4: analyse names \"night\" twice", {}},
        {kRound + "analyse = [\"night\"]\nsplit = [\"night 7 lap 4\"]\n",
         "cup.toml, line 5: the split \"night 7 lap 4\" must read \"race #number lap n\"", {}},
        {kRound + "analyse = [\"night\"]\nsplit = [\"race_a #7 lap 4\"]\n",
         "cup.toml, line 5: the split \"race_a #7 lap 4\" names the race \"race_a\", which is not in this round's "
         "analyse list",
         {}},
        {kRound + "analyse = [\"gone\"]\n",
         "cup.toml, line 4: can't find the replay sim\\replays\\gone.rpy of the race \"gone\" to analyse (round 1, R1)",
         {}},
        {kRound + "analyse = [\"night\"]\n",
         "cup.toml, line 4: can't find the export sim\\exports\\night.html of the race \"night\" to analyse",
         {{"sim/exports/night.html", ""}}},
        {kRound + "analyse = [\"night\"]\nsplit = [\"night #99 lap 4\"]\n",
         "cup.toml, line 5: the split \"night #99 lap 4\": there is no rider #99 in night", {}},
        {kRound + "analyse = [\"night\"]\nsplit = [\"night #7 lap 9\"]\n",
         "cup.toml, line 5: the split \"night #7 lap 9\": #7 Ann Rider has 6 laps in night", {}},
        {"[[round]]\nname = \"R1\"\nraces = [\"race_a\"]\n[[round.race]]\nname = \"B\"\nexports = [\"race_b\"]\n",
         "cup.toml, line 4: a round has either races = [...] or [[round.race]] tables, not both", {}},
        {kRaces + "[[round.race]]\nname = \"C\"\n", "cup.toml, line 9: the race \"C\" must name its exports", {}},
        {kRaces + "[[round.race]]\nexports = [\"a\", \"b\", \"c\", \"d\", \"e\"]\n",
         "cup.toml, line 10: exports must be a list of 1 to 4 race exports", {}},
        {kRaces + "[[round.race]]\nname = \"C\"\nexports = [\"race_a\"]\n",
         "cup.toml, line 9: the export \"race_a\" is in two races of the round (again in \"C\")", {}},
        {kRaces + "points = []\n", "cup.toml, line 9: points must be a list of 1 to 99 whole numbers", {}},
        {kRaces + "points = [10, -1]\n", "cup.toml, line 9: points must be a list of 1 to 99 whole numbers", {}},
        {kRaces + "points = [" + pointsOfOne(100) + "]\n",
         "cup.toml, line 9: points must be a list of 1 to 99 whole numbers", {}},
        {"[classes]\n\"Pro\" = [\"Ann Rider\"]\n\"Am\" = [\"ann rider\"]\n" + kRound,
         "cup.toml, line 3: the rider \"ann rider\" is in class \"Pro\" and in class \"Am\"", {}},
        {"[classes]\n\"Pro\" = []\n" + kRound, "cup.toml, line 2: class \"Pro\" must list its riders", {}},
        {"[classes]\n\"Pro\" = [\"Ann Rider\"]\n\"pro\" = [\"Cleo Crest\"]\n" + kRound,
         "cup.toml, line 3: the class \"pro\" is named twice", {}},
        {"overall_standings = \"no\"\n", "cup.toml, line 1: overall_standings must be true or false", {}},
        {kTeam + kRound + "[[round.penalty]]\nteam = \"Vexa\"\nseconds = 5\n",
         "cup.toml, line 6: the penalty of team \"Vexa\" can only take points off its total", {}},
        {kTeam + kRound + "[[round.penalty]]\nteam = \"Nope\"\npoints = -5\n",
         "cup.toml, line 6: the penalty's team \"Nope\" is not a team of [teams]", {}},
        {kRound + "analyse = [\"night\"]\nsplit = [\"night #9 lap 2\"]\n",
         "cup.toml, line 5: the split \"night #9 lap 2\": lap 2 of #9 Cleo Crest (1:37.000) is not slow enough", {}},
    };
    for (const auto& c : cases) {
        FileMap files = leagueFolder(c.season);
        for (const auto& [name, bytes] : c.changes) {
            files.erase(name);
            if (!bytes.empty()) {
                files[name] = bytes;
            }
        }
        const RunResult result = runInProcess(leagueRun(runOf("cup")), "", files);
        EXPECT_EQ(result.exitStatus, 1) << c.season;
        EXPECT_EQ(result.console.substr(0, c.message.size()), c.message) << result.console;
        EXPECT_TRUE(filesWritten(result, files).empty()) << c.season;
    }
}

// Every file is checked before the first is written: a file the run has read, a
// folder of a file's name or a file in the place of a folder stops the run with
// nothing written. A file that the disk fails to take while writing is reported, and
// the others are written.
TEST(LeagueRun, FilesTheDiskWouldRefuseStopTheRunBeforeAnythingIsWritten) {
    const std::string readExport = "[[round]]\nname = \"R1\"\nraces = [\"round-01\"]\n";
    const struct {
        std::string season;
        FileMap extra;
        std::string fullFile;
        std::string lines;
        bool nothingWritten;
    } cases[] = {
        {"output = \"sim/exports\"\n" + readExport,
         {{"sim/exports/round-01.html", raceExport({raceRow(7, "Ann Rider", "Vexa", 10, 900000)})}},
         "",
         "Can't write sim/exports/round-01.html: this run has read it, and League never writes over a file it reads "
         "(give output = in cup.toml another folder)\nNothing was written.\n",
         true},
        {kRound, {{"cup/season.json/old", "x"}}, "",
         "Can't write cup/season.json: a folder of that name is there\nNothing was written.\n", true},
        {kRound, {{"cup/round-01", "x"}}, "",
         "Can't write cup/round-01/index.html: a file is there in the place of one of its folders\n"
         "Nothing was written.\n",
         true},
        {kRound, {}, "cup/round-01.csv",
         "Can't write cup/round-01.csv!\nThe files that could not be written are as they were before this run; the "
         "others are new.\n",
         false},
    };
    for (const auto& c : cases) {
        FileMap files = leagueFolder(c.season);
        files.insert(c.extra.begin(), c.extra.end());
        const ProgramRun run = [&c](Console& console, Disk& disk) {
            if (!c.fullFile.empty()) {
                dynamic_cast<MemoryDisk&>(disk).fillUpAt(c.fullFile, 0);
            }
            return season::runLeague(console, disk, runOf("cup"));
        };
        const RunResult result = runInProcess(run, "", files);
        EXPECT_EQ(result.exitStatus, 1) << c.season;
        EXPECT_NE(result.console.find(c.lines), std::string::npos) << result.console;
        EXPECT_EQ(filesWritten(result, files).empty(), c.nothingWritten) << result.console;
    }
}

// An output folder that starts at the top of the disk is used as given; any other lies
// below the season file's folder.
TEST(LeagueRun, AnAbsoluteOutputIsUsedAsGivenARelativeOneBelowTheSeasonFile) {
    for (const bool absolute : {true, false}) {
        TempFolder folder;
        const std::string output = absolute ? (folder.path() / "absout").string() : "relout";
        for (const auto& [name, bytes] : leagueFolder("output = '" + output + "'\n" + kRound)) {
            folder.write("s7/" + name, bytes);
        }
        RealDisk disk(folder.path().string());
        std::istringstream in;
        std::ostringstream out;
        Console console(in, out, testPause);
        EXPECT_EQ(season::runLeague(console, disk, runOf("s7/cup")), 0) << out.str();
        EXPECT_EQ(folder.files().count(absolute ? "absout/index.html" : "s7/relout/index.html"), 1U) << out.str();
    }
}

// The qualifying page says how the field was divided, or why it was not: no
// maxdriversingrid.ini, or one without a grid size.
TEST(LeagueRun, TheQualifyingPageSaysWhyTheFieldIsOrIsNotDivided) {
    const struct {
        std::optional<std::string> gridSizeFile;
        std::string division;
    } cases[] = {
        {std::nullopt, "the round names no grid_size and there is no maxdriversingrid.ini."},
        {"none", "the round names no grid_size and maxdriversingrid.ini holds no grid size above 0."},
        {"4", "The field divided into 1 grid of at most 4 riders: 1."},
    };
    for (const auto& c : cases) {
        FileMap files = leagueFolder(kRound + "qualifying = [\"quali\"]\n");
        if (c.gridSizeFile) {
            files["maxdriversingrid.ini"] = *c.gridSizeFile;
        }
        const RunResult result = runInProcess(leagueRun(runOf("cup")), "", files);
        ASSERT_EQ(result.exitStatus, 0) << result.console;
        EXPECT_NE(result.files.at("cup/round-01/qualifying.html").find(c.division), std::string::npos) << c.division;
    }
}

// The laps that Quorrin would ask about are listed with their split entries. A race
// whose export does not fit its replay (a lap left unsplit) is left out with the
// reason and the laps to split: the rest is written, the pages an earlier run wrote
// for it are removed, and the run ends with status 1.
TEST(LeagueRun, ListsTheLapsToSplitAndLeavesOutARaceWhoseExportDoesNotFit) {
    const std::string night = kRound + "analyse = [\"night\"]\n";
    const std::string listed = "Race analysis of night (round 1, R1): Harbour Loop, 3 riders, ";
    const struct {
        std::string split;
        int exitStatus;
        std::string lapsListed;
        bool pageWritten;
        std::string leftOut;
    } cases[] = {
        {"split = [\"night #7 lap 4\"]\n", 0,
         listed + "7 laps\n  Lap 4 of #7 Ann Rider: 3:10.000, best lap 1:35.000: split by \"night #7 lap 4\"\n"
                  "  Lap 3 of #8 John Smith: 3:41.000, best lap 1:36.000: kept; split = [\"night #8 lap 3\"] would split it\n",
         true, ""},
        {"", 1,
         listed + "6 laps\n  Lap 4 of #7 Ann Rider: 3:10.000, best lap 1:35.000: kept; split = [\"night #7 lap 4\"] would "
                  "split it\n",
         false,
         "Left out: the race analysis of night (round 1, R1): the export does not fit the replay: the export gives #7 Ann "
         "Rider 7 laps, the replay 6; a split may mend it: \"night #7 lap 4\" (3:10.000, best lap 1:35.000)\n"},
    };
    for (const auto& c : cases) {
        FileMap files = leagueFolder(night + c.split);
        const FileMap earlier = {{"cup/round-01/night_analysis.html", "old page"},
                                 {"cup/round-01/night_analysis_fragment.html", "old fragment"},
                                 {"cup/round-01/notes.html", "the admin's own"}};
        files.insert(earlier.begin(), earlier.end());
        const RunResult result = runInProcess(leagueRun(runOf("cup")), "", files);
        EXPECT_EQ(result.exitStatus, c.exitStatus) << result.console;
        EXPECT_NE(result.console.find(c.lapsListed), std::string::npos) << result.console;
        EXPECT_EQ(result.files.count("cup/round-01/night_analysis.html"), c.pageWritten ? 1U : 0U);
        EXPECT_EQ(result.files.count("cup/round-01/night_analysis_fragment.html"), c.pageWritten ? 1U : 0U);
        EXPECT_EQ(result.files.at("cup/round-01/notes.html"), "the admin's own");
        EXPECT_EQ(result.console.find("Removed from cup, as their race is left out:\n  round-01/night_analysis.html\n"
                                      "  round-01/night_analysis_fragment.html\n") != std::string::npos,
                  !c.pageWritten)
            << result.console;
        EXPECT_EQ(result.files.count("cup/round-01/index.html"), 1U);
        EXPECT_EQ(result.files.count("cup/index.html"), 1U);
        const std::size_t end = result.console.size() - c.leftOut.size();
        EXPECT_EQ(result.console.substr(end), c.leftOut) << result.console;
    }
}

// The output folder holds this run's files: a run removes what the manifest of the run
// before names and this run does not write (the pages of a race taken out of analyse),
// lists them, and leaves the admin's own files; it lists only the files whose bytes
// changed, so the same run twice lists none the second time.
TEST(LeagueRun, TheOutputFolderHoldsThisRunsFilesAndTheConsoleListsWhatChanged) {
    const std::string analysed = kRound + "analyse = [\"night\"]\nsplit = [\"night #7 lap 4\"]\n";
    const std::string analysisPages = "  round-01/night_analysis.html\n  round-01/night_analysis_fragment.html\n";
    const struct {
        std::string second;
        std::string listed;
        std::vector<std::string> gone;
    } cases[] = {
        {analysed, "Nothing changed in cup: ", {}},
        {kRound, "Removed from cup, written by an earlier run and not by this one:\n" + analysisPages,
         {"cup/round-01/night_analysis.html", "cup/round-01/night_analysis_fragment.html"}},
        {"title = \"New name\"\n" + analysed, "Written into cup:\n  index.html\n  standings_fragment.html\n", {}},
    };
    for (const auto& c : cases) {
        FileMap files = leagueFolder(analysed);
        files["cup/notes.html"] = "the admin's own";
        const RunResult first = runInProcess(leagueRun(runOf("cup")), "", files);
        ASSERT_EQ(first.exitStatus, 0) << first.console;
        FileMap again = first.files;
        again["cup.toml"] = c.second;
        const RunResult second = runInProcess(leagueRun(runOf("cup")), "", again);
        EXPECT_EQ(second.exitStatus, 0) << second.console;
        EXPECT_NE(second.console.find(c.listed), std::string::npos) << second.console;
        for (const std::string& name : c.gone) {
            EXPECT_EQ(second.files.count(name), 0U) << name;
        }
        EXPECT_EQ(second.files.at("cup/notes.html"), "the admin's own");
        EXPECT_EQ(first.console.find(" unchanged"), std::string::npos) << first.console;
    }
}

// The ids in a race analysis fragment start with its page's path, so that the
// fragments of one race in two rounds can be pasted into one web page.
TEST(LeagueRun, TheFragmentsOfTwoRaceAnalysesShareNoId) {
    const std::string round = kRound + "analyse = [\"night\"]\nsplit = [\"night #7 lap 4\"]\n";
    const RunResult result = runInProcess(leagueRun(runOf("cup")), "", leagueFolder(round + round));
    ASSERT_EQ(result.exitStatus, 0) << result.console;
    std::vector<std::string> ids;
    for (const char* fragment : {"cup/round-01/night_analysis_fragment.html", "cup/round-02/night_analysis_fragment.html"}) {
        const std::string text = result.files.at(fragment);
        for (std::size_t at = text.find(" id=\""); at != std::string::npos; at = text.find(" id=\"", at + 1)) {
            ids.push_back(text.substr(at + 5, text.find('"', at + 5) - at - 5));
        }
    }
    std::sort(ids.begin(), ids.end());
    ASSERT_EQ(ids.size(), 6U);  // each: the position chart, the gap chart, the legend
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

// The names of an export are decoded once (Tom &amp; Jerry is "Tom & Jerry", Tarsk &amp;
// Sons "Tarsk & Sons"); the rider is matched by the season file's names without regard
// to case and shown by the league's name ("Tom & Jerry (TJ)", so that the match shows);
// every name is escaped once in the pages and plain in CSV and JSON.
TEST(LeagueRun, ExportNamesAreTextMatchedByTheSeasonFileAndEscapedOnce) {
    const FileMap files = leagueFolder("[riders]\n\"Tom & Jerry\" = \"Tom & Jerry (TJ)\"\n" + kRound +
                                       "[[round.penalty]]\nrider = \"tom & jerry\"\nrace = \"race_b\"\n"
                                       "points = -1\nreason = \"<late>\"\n");
    const RunResult result = runInProcess(leagueRun(runOf("cup")), "", files);
    ASSERT_EQ(result.exitStatus, 0) << result.console;
    const std::string csv = result.files.at("cup/standings.csv");
    const std::string json = result.files.at("cup/season.json");
    const std::string page = result.files.at("cup/index.html");
    EXPECT_NE(csv.find(",Tom & Jerry (TJ),Tarsk & Sons,"), std::string::npos) << csv;
    EXPECT_NE(json.find("\"rider\": \"Tom & Jerry (TJ)\""), std::string::npos);
    EXPECT_NE(json.find("\"bike\": \"Tarsk & Sons\""), std::string::npos);
    EXPECT_NE(page.find(">Tom &amp; Jerry (TJ)<"), std::string::npos);
    EXPECT_NE(page.find(">Tarsk &amp; Sons<"), std::string::npos);
    EXPECT_NE(page.find(">&lt;late&gt;<"), std::string::npos);
    EXPECT_EQ(page.find("&amp;amp;"), std::string::npos);
    EXPECT_EQ(page.find(" & "), std::string::npos);
}

// --new writes the template with the system's line ends (CR LF on Windows), and it
// reads back as a season of that name.
TEST(LeagueRun, NewWritesATemplateThatReadsBackAndNeverWritesOverAFile) {
    for (const std::string_view lineEnd : {"\n", "\r\n"}) {
        LeagueOptions options = runOf("cup2026", LeagueOptions::Mode::New);
        options.lineEnd = lineEnd;
        const RunResult first = runInProcess(leagueRun(options), "", {});
        ASSERT_EQ(first.exitStatus, 0) << first.console;
        const std::string text = first.files.at("cup2026.toml");
        const auto read = season::readSeasonFile(text, "cup2026.toml");
        ASSERT_TRUE(read.ok()) << season::mistakeText(read.reason(), "cup2026.toml");
        EXPECT_EQ(read->title, "cup2026");
        EXPECT_EQ(read->output, "cup2026");
        // Every line ends as the system's lines end.
        const auto lines = std::count(text.begin(), text.end(), '\n');
        const auto carriageReturns = std::count(text.begin(), text.end(), '\r');
        EXPECT_GT(lines, 0);
        EXPECT_EQ(carriageReturns, lineEnd == "\r\n" ? lines : 0);
    }

    const FileMap there{{"cup2026.toml", "title = \"mine\"\n"}};
    const RunResult again = runInProcess(leagueRun(runOf("cup2026.toml", LeagueOptions::Mode::New)), "", there);
    EXPECT_EQ(again.exitStatus, 1);
    EXPECT_EQ(again.console, "cup2026.toml is already there; League --new never writes over a file.\n");
    EXPECT_EQ(again.files, there);
}

TEST(LeagueRun, CheckListsTheRoundsAndWritesNothing) {
    const FileMap files = leagueFolder("title = \"Cup\"\npole_points = 1\n[[round]]\nname = \"R1\"\ndate = 2026-03-14\n"
                                       "races = [\"race_a\", \"race_b\"]\nqualifying = [\"quali\"]\n"
                                       "[[round]]\nname = \"R2\"\n");
    const RunResult result = runInProcess(leagueRun(runOf("cup.toml", LeagueOptions::Mode::Check)), "", files);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.console, "Cup (cup.toml)\n"
                              "Round 1: R1, 2026-03-14: 2 grids, 3 riders, pole #8 John Smith\n"
                              "Round 2: R2: to come\n"
                              "The season file and its exports are in order; nothing was written.\n");
    EXPECT_EQ(result.files, files);
}

// Started by double-click the console closes with the program: it waits for a key at
// the end, after an error too; started from a console or a script it never waits.
TEST(LeagueRun, WaitsForAKeyOnlyWhenItsConsoleClosesWithIt) {
    for (const bool ownConsole : {false, true}) {
        for (const char* season : {"title = \"Cup\"\n", "title = \n"}) {
            LeagueOptions options = runOf("cup", LeagueOptions::Mode::Check);
            options.waitForKey = ownConsole;
            const RunResult result = runInProcess(leagueRun(options), "", leagueFolder(season));
            const bool waited = result.console.size() >= kTestPausePrompt.size() &&
                                result.console.substr(result.console.size() - kTestPausePrompt.size()) == kTestPausePrompt;
            EXPECT_EQ(waited, ownConsole) << season << result.console;
        }
    }
}

// Double-clicked in a folder without a season file, where no command line can be
// typed, League asks for the season's name and writes the season file to fill in, then
// says what to do next; a name that is no plain file name, or none, writes nothing.
TEST(LeagueRun, DoubleClickedWithoutASeasonFileItAsksForANameAndWritesTheSeasonFile) {
    const struct {
        std::string input;
        int exitStatus;
        std::string written;
        std::string said;
    } cases[] = {
        {"cup2026\n", 0, "cup2026.toml", "double-click League again: it publishes\nthe season into the folder cup2026."},
        {"spring-cup_2\r\n", 0, "spring-cup_2.toml", "the season into the folder spring-cup_2."},
        {"\n", 2, "", "Nothing was written."},
        {"", 2, "", "Nothing was written."},
        {"../cup\n", 2, "", "A season's name is made of letters, digits, - and _; nothing was written."},
        {"my cup\n", 2, "", "A season's name is made of letters, digits, - and _; nothing was written."},
    };
    for (const auto& c : cases) {
        LeagueOptions options;
        options.waitForKey = true;
        const RunResult result = runInProcess(leagueRun(options), c.input, {});
        EXPECT_EQ(result.exitStatus, c.exitStatus) << c.input;
        EXPECT_EQ(result.console.rfind("There is no season file (*.toml) in this folder. League can write one", 0), 0U)
            << result.console;
        EXPECT_NE(result.console.find(c.said + "\n" + kTestPausePrompt), std::string::npos) << result.console;
        EXPECT_EQ(result.files.size(), c.written.empty() ? 0U : 1U) << c.input;
        EXPECT_EQ(result.files.count(c.written), c.written.empty() ? 0U : 1U) << c.input;
    }
}

TEST(LeagueRun, WithoutASeasonItTakesTheOnlyOneAsksAmongSeveralOrSaysHowToStart) {
    const std::string season = "title = \"Cup\"\n";
    const struct {
        FileMap files;
        std::string input;
        int exitStatus;
        std::string consoleStart;
    } cases[] = {
        {{{"b.toml", season}}, "", 0, "Cup (b.toml)\n"},
        {{{"b.toml", season}, {"a.toml", "title = \"A\"\n"}}, "2\n", 0,
         "There are 2 season files in this folder:\n  1  a.toml\n  2  b.toml\n"
         "Which one? Please put in its number!\nCup (b.toml)\n"},
        {{{"b.toml", season}, {"a.toml", season}}, "3\n", 2, "There are 2 season files"},
        {{}, "", 2, "There is no season file (*.toml) in this folder. To start a season, run\n  League --new cup2026\n"},
    };
    for (const auto& c : cases) {
        const RunResult result = runInProcess(leagueRun(LeagueOptions{}), c.input, c.files);
        EXPECT_EQ(result.exitStatus, c.exitStatus) << result.console;
        EXPECT_EQ(result.console.substr(0, c.consoleStart.size()), c.consoleStart) << result.console;
    }
}

}  // namespace
}  // namespace league::testing
