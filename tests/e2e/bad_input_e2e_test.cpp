// Bad input for the built programs: damaged replays, cut and garbled exports, names
// and paths beyond their capacities, missing files, grid sizes below 1, more rows than
// the tables hold, answers that end early, and pages that cannot be created. Every case
// checks the exit status, the whole console text, which pages the run wrote, and that
// every file the run was given is still there, byte for byte as it was.

#include "support/export_builder.hpp"
#include "support/export_dialogue_text.hpp"
#include "support/replay_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace league::testing {
namespace {

struct BadInput {
    std::string what;
    std::string executable;
    FileMap given;
    std::string answers;
    int exitStatus;
    std::string console;
    std::set<std::string> pages;
};

void expectHandled(const BadInput& input) {
    SCOPED_TRACE(input.what);
    const RunResult result = runExecutable(input.executable, input.answers, input.given);
    EXPECT_EQ(result.exitStatus, input.exitStatus);
    EXPECT_EQ(withUnixLineEnds(result.console), input.console);
    std::set<std::string> written;
    for (const auto& [name, bytes] : filesWritten(result, input.given)) {
        written.insert(name);
    }
    EXPECT_EQ(written, input.pages);
    for (const auto& [name, bytes] : input.given) {
        const auto after = result.files.find(name);
        ASSERT_NE(after, result.files.end()) << name << " is gone";
        EXPECT_TRUE(after->second == bytes) << name << " was changed";
    }
}

void expectAllHandled(const std::vector<BadInput>& inputs) {
    for (const BadInput& input : inputs) {
        expectHandled(input);
    }
}

const std::string kSimulatorFolder = "sim\\";
// A simulator folder of 49 characters, the most "Quorrin.ini" gives.
const std::string kLongFolder = std::string(48, 'k') + "\\";
const std::string kLongFolderOnDisk = std::string(48, 'k') + "/";

std::string pause() {
    return executablePausePrompt();
}

const std::string kTooLong = "The name is too long!\n";

// ---- Quorrin -------------------------------------------------------------------

const std::string kReplayPrompt = "Please put in a name of a replay-file (without .rpy)!\n";
const std::string kColourPrompt =
    "If you like very colourful tables put in number 0!\n"
    "Otherwise only the winner of the race will be assigned in red.\n"
    "Put in the starting number of the driver that you would assign in yellow!\n"
    "If you want only assigned the winner put in a non existing starting number!\n";
const std::string kPositionTableFailure =
    "The Position table couldn't be made.\n"
    "The export couldn't be found OR\n"
    "the replay and the export are not from the same race\n"
    "OR wouldn't saved at the same time or\n";
const std::string kEntryList = "Harbour Loop\n\n12 Ann Rider\n7 Bob Stone\n\n";
const std::string kDamagedLapTable = "The lap table of the replay is damaged!\n";

std::string replayPaths(const std::string& folder, const std::string& name) {
    return folder + "replays\\" + name + ".rpy\n" + folder + "exports\\" + name + ".html\n\n";
}

std::string trace(int startNumber, std::int32_t raceTime) {
    return std::to_string(startNumber) + " taus=" + std::to_string(raceTime) + " Straf=0\n";
}

// Ann (#12, slot 0) and Bob (#7, slot 1) over three laps, Ann ahead on every lap.
// `annLapTwo` lets Ann's second lap be one the simulator failed to count.
ReplayBuilder twoRiderRace(std::int32_t annLapTwo = 91000) {
    ReplayBuilder replay;
    replay.driver(0, 12, "Ann Rider", "Falcon 990").driver(1, 7, "Bob Stone", "Vespid R");
    replay.lap(0, 1, 99000).raceStart();
    replay.lap(0, 1, 90000).lap(1, 1, 95000);
    replay.lap(0, 2, annLapTwo).lap(1, 2, 94000);
    replay.lap(0, 3, 92000).lap(1, 3, 93000);
    return replay;
}

// Race times that leave derived first laps near the others (no first-lap question).
const RaceRow kAnnRow = raceRow(12, "Ann Rider", "Falcon 990", 3, 273000);
const RaceRow kBobRow = raceRow(7, "Bob Stone", "Vespid R", 3, 282500);
const std::string kBothTraces = trace(12, 273000) + trace(7, 282500);

FileMap raceFolder(const std::string& replay, const std::string& exportBytes) {
    return {{"Quorrin.ini", kSimulatorFolder}, {"sim/replays/race.rpy", replay}, {"sim/exports/race.html", exportBytes}};
}

FileMap raceFolder(const std::string& replay) {
    return raceFolder(replay, raceExport({kAnnRow, kBobRow}));
}

// The console of a run that reads the replay, joins the export and writes its pages.
std::string completedRace(const std::string& entries, const std::string& traces, const std::string& name = "race") {
    return kReplayPrompt + replayPaths(kSimulatorFolder, name) + entries + traces + kColourPrompt;
}

const std::set<std::string> kRacePages = {"race.html", "race_G.html"};

BadInput quorrin(std::string what, FileMap given, std::string answers, int exitStatus, std::string console,
                 std::set<std::string> pages) {
    return BadInput{std::move(what), QUORRIN_EXE,          std::move(given), std::move(answers),
                    exitStatus,      std::move(console), std::move(pages)};
}

std::string cutAt(const std::string& bytes, std::size_t length) {
    return bytes.substr(0, length);
}

TEST(BadInput, DamagedReplaysStopWithAMessageAndWriteNothing) {
    const std::string replay = twoRiderRace().bytes();
    const std::string damaged =
        kReplayPrompt + replayPaths(kSimulatorFolder, "race") + kEntryList + kDamagedLapTable + pause();
    auto withCount = [](std::int32_t count) {
        ReplayBuilder race = twoRiderRace();
        race.recordCountOverride = count;
        return race.bytes();
    };
    const std::int32_t beyondTheFile = static_cast<std::int32_t>(replay.size() / 40 + 1);
    expectAllHandled({
        quorrin("replay of 0 bytes", raceFolder(""), "race\n", 1,
                kReplayPrompt + replayPaths(kSimulatorFolder, "race") + "\n\n\n" + kDamagedLapTable + pause(), {}),
        // The file ends before the slot table: the count is read from the zeros before
        // it, so the table is empty but sound; no slot has a start number, and the
        // export's first row then matches no driver.
        quorrin("replay cut at 1137 bytes", raceFolder(cutAt(replay, 1137)), "race\n", 0,
                completedRace("Harbour Loop\n\n\n", ""), kRacePages),
        quorrin("replay cut at 9850 bytes", raceFolder(cutAt(replay, 9850)), "race\n", 1, damaged, {}),
        quorrin("replay cut inside the lap table", raceFolder(cutAt(replay, replay.size() - 12)), "race\n", 1,
                damaged, {}),
        quorrin("record count -1", raceFolder(withCount(-1)), "race\n", 1, damaged, {}),
        quorrin("record count 3001", raceFolder(withCount(3001)), "race\n", 1, damaged, {}),
        quorrin("record count beyond the file", raceFolder(withCount(beyondTheFile)), "race\n", 1, damaged, {}),
    });
}

TEST(BadInput, LapRecordsOutsideTheLapTableChangeNothingInIt) {
    auto withRecord = [](std::int32_t slot, std::int32_t lapNumber) {
        ReplayBuilder race = twoRiderRace();
        // Placed after Ann's last lap, where a record taken into the lap table would
        // change her lap count, her best lap or the race's highest lap.
        race.records.insert(race.records.end() - 1, ReplayLapRecord{slot, lapNumber, 45000});
        return race.bytes();
    };
    std::vector<BadInput> inputs;
    for (const auto& [slot, lap] : std::vector<std::pair<std::int32_t, std::int32_t>>{{-1, 2}, {33, 2}, {0, 0}, {0, 40}}) {
        inputs.push_back(quorrin("lap record of slot " + std::to_string(slot) + ", lap " + std::to_string(lap),
                                 raceFolder(withRecord(slot, lap)), "race\n0\n", 0,
                                 completedRace(kEntryList, kBothTraces), kRacePages));
    }
    expectAllHandled(inputs);
}

// ---- Omblen and Duvessa ----------------------------------------------------------

const std::string kCantFindExport = "Can't find the export\n";

// The prompts and echoes of a dialogue that names `names` and then answers "0" (or
// ends after the fourth name).
std::string exportDialogue(const std::vector<std::string>& names) {
    std::string text = kFirstExportPrompt;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += exportEcho(kSimulatorFolder, names[i]);
        if (i + 1 < 4) {
            text += kNextExportPrompt;
        }
    }
    return text;
}

const std::set<std::string> kQualifyingFiles = {"a.html", "grids.html", "grids_forum.txt"};

FileMap exportsFolder(const std::vector<std::pair<std::string, std::string>>& exports) {
    FileMap files{{"Quorrin.ini", kSimulatorFolder}};
    for (const auto& [name, bytes] : exports) {
        files["sim/exports/" + name + ".html"] = bytes;
    }
    return files;
}

FileMap qualifyingFolder(const std::vector<std::pair<std::string, std::string>>& exports,
                         const std::string& gridSize = "10\n") {
    FileMap files = exportsFolder(exports);
    files["maxdriversingrid.ini"] = gridSize;
    return files;
}

const PracticeRow kAnnLap = practiceRow(12, "Ann Rider", "Falcon 990", 83456, "7", "160.1 km/h");
const PracticeRow kBobLap = practiceRow(7, "Bob Stone", "Vespid R", 84001, "12", "99.5 mph");
const RaceRow kAnnRace = raceRow(12, "Ann Rider", "Falcon 990", 10, 1200000);
const RaceRow kBobRace = raceRow(7, "Bob Stone", "Vespid R", 10, 1210000);

BadInput omblen(std::string what, FileMap given, std::string answers, std::string console,
                std::set<std::string> pages) {
    return BadInput{std::move(what), OMBLEN_EXE, std::move(given), std::move(answers), 1, std::move(console),
                    std::move(pages)};
}

BadInput duvessa(std::string what, FileMap given, std::string answers, std::string console,
                 std::set<std::string> pages) {
    return BadInput{std::move(what), DUVESSA_EXE, std::move(given), std::move(answers), 1, std::move(console),
                    std::move(pages)};
}

// An export whose second row has a driver name of 2000 bytes, cut 1000 bytes into it:
// far enough past the first row that the second one is begun for every program's margin.
template <typename Row>
std::string cutInsideSecondRow(const Row& first, Row second, std::string (*exportOf)(const std::vector<Row>&)) {
    second.driverName = std::string(2000, 'x');
    const std::string whole = exportOf({first, second});
    const std::size_t nameStart = whole.find(second.driverName);
    const std::size_t firstRowEnd = whole.find("<TR", exportHead().size() + 3);
    EXPECT_GT(nameStart + 1000, firstRowEnd + 576);
    return whole.substr(0, nameStart + 1000);
}

TEST(BadInput, CutAndGarbledExportsKeepTheRowsBeforeTheDamage) {
    RaceRow lettersInLaps = kBobRow;
    lettersInLaps.laps = "x3";
    RaceRow lettersInNumber = kAnnRow;
    lettersInNumber.startNumber = "ab";
    PracticeRow lettersInBestLap = kBobLap;
    lettersInBestLap.bestLap = "x:23.456";
    RaceRow lettersInRaceLaps = kBobRace;
    lettersInRaceLaps.laps = "x10";
    RaceRow lettersInRaceTime = kBobRace;
    lettersInRaceTime.raceTime = "20:x0.000";
    const std::string replay = twoRiderRace().bytes();
    expectAllHandled({
        quorrin("race export cut inside a row", raceFolder(replay, cutInsideSecondRow(kAnnRow, kBobRow, raceExport)),
                "race\n0\n", 0, completedRace(kEntryList, trace(12, 273000)), kRacePages),
        quorrin("race export with letters for the laps", raceFolder(replay, raceExport({kAnnRow, lettersInLaps})),
                "race\n0\n", 0, completedRace(kEntryList, trace(12, 273000)), kRacePages),
        quorrin("race export with letters for the first start number",
                raceFolder(replay, raceExport({lettersInNumber, kBobRow})), "race\n0\n", 0,
                completedRace(kEntryList, ""), kRacePages),
        omblen("practice export cut inside a row",
               qualifyingFolder({{"a", cutInsideSecondRow(kAnnLap, kBobLap, practiceExport)}}), "a\n0\n",
               exportDialogue({"a"}), kQualifyingFiles),
        omblen("practice export with letters for the best lap",
               qualifyingFolder({{"a", practiceExport({kAnnLap, lettersInBestLap})}}), "a\n0\n",
               exportDialogue({"a"}), kQualifyingFiles),
        duvessa("race export cut inside a row", exportsFolder({{"a", cutInsideSecondRow(kAnnRace, kBobRace, raceExport)}}),
                "a\n0\n", exportDialogue({"a"}), {"Xa.html"}),
        duvessa("race export with letters for the laps", exportsFolder({{"a", raceExport({kAnnRace, lettersInRaceLaps})}}),
                "a\n0\n", exportDialogue({"a"}), {"Xa.html"}),
        duvessa("race export with letters in the race time",
                exportsFolder({{"a", raceExport({kAnnRace, lettersInRaceTime})}}), "a\n0\n", exportDialogue({"a"}),
                {"Xa.html"}),
    });
}

TEST(BadInput, NamesAndPathsBeyondTheirCapacitiesAreRefused) {
    const std::string name40(40, 'n');
    const std::string name17(17, 'n');  // the longest name whose paths fit below kLongFolder
    const std::string name18(18, 'n');
    const std::string replay = twoRiderRace().bytes();
    const std::string race = raceExport({kAnnRow, kBobRow});
    const FileMap longFolderRace = {{"Quorrin.ini", kLongFolder},
                                    {kLongFolderOnDisk + "replays/" + name17 + ".rpy", replay},
                                    {kLongFolderOnDisk + "exports/" + name17 + ".html", race}};
    FileMap longFolderExports = {{"Quorrin.ini", kLongFolder}, {"maxdriversingrid.ini", "10\n"}};
    longFolderExports[kLongFolderOnDisk + "exports/" + name17 + ".html"] = race;
    const std::string refused = kFirstExportPrompt + kTooLong + pause();
    expectAllHandled({
        quorrin("replay name of 40 characters", raceFolder(replay), name40 + "\n", 1,
                kReplayPrompt + kTooLong + pause(), {}),
        quorrin("paths of 79 characters", longFolderRace, name17 + "\n0\n", 0,
                kReplayPrompt + replayPaths(kLongFolder, name17) + kEntryList + kBothTraces + kColourPrompt,
                {name17 + ".html", name17 + "_G.html"}),
        quorrin("export path of 80 characters", longFolderRace, name18 + "\n", 1, kReplayPrompt + kTooLong + pause(),
                {}),
        omblen("export name of 40 characters", qualifyingFolder({}), name40 + "\n", refused, {}),
        omblen("export path of 80 characters", longFolderExports, name18 + "\n", refused, {}),
        duvessa("export name of 40 characters", exportsFolder({}), name40 + "\n", refused, {}),
        duvessa("export path of 80 characters", longFolderExports, name18 + "\n", refused, {}),
        duvessa("export path of 79 characters", longFolderExports, name17 + "\n0\n",
                kFirstExportPrompt + exportEcho(kLongFolder, name17) + kNextExportPrompt, {"X" + name17 + ".html"}),
    });
}

TEST(BadInput, MissingFilesAndFoldersInPlaceOfFiles) {
    const std::string replay = twoRiderRace().bytes();
    const FileMap noConfiguration = {{"sim/replays/race.rpy", replay}, {"sim/exports/a.html", practiceExport({kAnnLap})}};
    const FileMap noReplay = {{"Quorrin.ini", kSimulatorFolder}, {"sim/exports/race.html", raceExport({kAnnRow})}};
    const FileMap noExport = {{"Quorrin.ini", kSimulatorFolder}, {"sim/replays/race.rpy", replay}};
    const FileMap replayIsAFolder = {{"Quorrin.ini", kSimulatorFolder}, {"sim/replays/race.rpy/keep", replay}};
    FileMap exportIsAFolder = noExport;
    exportIsAFolder["sim/exports/race.html/keep"] = "";
    const FileMap noGridSize = exportsFolder({{"a", practiceExport({kAnnLap})}});
    const FileMap folderForExport = {{"Quorrin.ini", kSimulatorFolder}, {"sim/exports/a.html/keep", ""},
                                     {"maxdriversingrid.ini", "10\n"}};
    const std::string cantFind = kFirstExportPrompt + exportEcho(kSimulatorFolder, "a") + kCantFindExport + pause();
    expectAllHandled({
        quorrin("Quorrin.ini missing", noConfiguration, "race\n", 1, kReplayPrompt + "Datei wrong!!!", {}),
        omblen("Quorrin.ini missing", noConfiguration, "a\n0\n", "Datei wrong!!!", {}),
        duvessa("Quorrin.ini missing", noConfiguration, "a\n0\n", "Datei wrong!!!", {}),
        quorrin("replay missing", noReplay, "race\n", 1,
                kReplayPrompt + replayPaths(kSimulatorFolder, "race") + "Dateiname or Pfad false!!!\n" + pause(), {}),
        quorrin("a folder in place of the replay", replayIsAFolder, "race\n", 1,
                kReplayPrompt + replayPaths(kSimulatorFolder, "race") + "Dateiname or Pfad false!!!\n" + pause(), {}),
        quorrin("export missing", noExport, "race\n0\n", 0,
                completedRace(kEntryList, "") + kPositionTableFailure + pause(), {"race.html"}),
        quorrin("a folder in place of the export", exportIsAFolder, "race\n0\n", 0,
                completedRace(kEntryList, "") + kPositionTableFailure + pause(), {"race.html"}),
        omblen("export missing", qualifyingFolder({}), "a\n", cantFind, {}),
        omblen("a folder in place of the export", folderForExport, "a\n", cantFind, {}),
        omblen("maxdriversingrid.ini missing", noGridSize, "a\n0\n", exportDialogue({"a"}) + "Datei wrong!!!",
               {"a.html"}),
        duvessa("export missing", exportsFolder({}), "a\n", cantFind, {}),
        duvessa("a folder in place of the export", folderForExport, "a\n", cantFind, {}),
    });
}

TEST(BadInput, GridSizesBelowOneWriteTheResultPageButNoGrids) {
    std::vector<BadInput> inputs;
    for (const std::string gridSize : {"0", "-3", "abc"}) {
        inputs.push_back(omblen("grid size " + gridSize, qualifyingFolder({{"a", practiceExport({kAnnLap, kBobLap})}}, gridSize),
                                "a\n0\n",
                                exportDialogue({"a"}) + "maxdriversingrid.ini holds no grid size above 0!\n" + pause(),
                                {"a.html"}));
    }
    expectAllHandled(inputs);
}

TEST(BadInput, RowsBeyondTheNinetyNinthAreLeftOutWithOneMessage) {
    std::vector<PracticeRow> practiceRows;
    std::vector<RaceRow> raceRows;
    for (int i = 0; i < 34; ++i) {
        practiceRows.push_back(practiceRow(i + 1, "Rider " + std::to_string(i), "Bike", 83000 + i, "3", "160.0 km/h"));
        raceRows.push_back(raceRow(i + 1, "Rider " + std::to_string(i), "Bike", 10, 1200000 + i));
    }
    const std::string practice = practiceExport(practiceRows);
    const std::string race = raceExport(raceRows);
    // Three exports of 34 rows: the 100th row is the third export's 32nd.
    const std::string console = kFirstExportPrompt + exportEcho(kSimulatorFolder, "a") + kNextExportPrompt +
                                exportEcho(kSimulatorFolder, "b") + kNextExportPrompt +
                                exportEcho(kSimulatorFolder, "c") +
                                "Only 99 drivers fit in one table; the rest are left out!\n" + kNextExportPrompt;
    expectAllHandled({
        omblen("102 practice rows", qualifyingFolder({{"a", practice}, {"b", practice}, {"c", practice}}),
               "a\nb\nc\n0\n", console, kQualifyingFiles),
        duvessa("102 race rows", exportsFolder({{"a", race}, {"b", race}, {"c", race}}), "a\nb\nc\n0\n", console,
                {"Xa.html"}),
    });
}

TEST(BadInput, AnswersEndingEarlyAtEveryPrompt) {
    const std::string slowSecondLap = twoRiderRace(170000).bytes();
    const std::string question =
        "Lap 2 of #12 Ann Rider has a very slow laptime.\n"
        "It seems Korvex has forget to count a lap.\n"
        "If you would add a lap for the driver press \"y\" else press \"n\"!\n";
    std::vector<BadInput> inputs = {
        quorrin("no answer to the replay prompt", raceFolder(twoRiderRace().bytes()), "", 1,
                kReplayPrompt + replayPaths(kSimulatorFolder, "") + "Dateiname or Pfad false!!!\n" + pause(), {}),
        // The question is declined; Ann keeps the three laps that the export gives her.
        quorrin("no answer to the repair question",
                raceFolder(slowSecondLap, raceExport({raceRow(12, "Ann Rider", "Falcon 990", 3, 352000), kBobRow})),
                "race", 0, completedRace(kEntryList + question, trace(12, 352000) + trace(7, 282500)), kRacePages),
        quorrin("no answer to the colour prompt", raceFolder(twoRiderRace().bytes()), "race\n", 0,
                completedRace(kEntryList, kBothTraces), kRacePages),
    };
    const std::vector<std::string> names = {"a", "b", "c"};
    FileMap qualifying = qualifyingFolder({{"a", practiceExport({kAnnLap})}});
    FileMap races = exportsFolder({{"a", raceExport({kAnnRace})}});
    for (const std::string name : {"b", "c"}) {
        qualifying["sim/exports/" + name + ".html"] = practiceExport({kBobLap});
        races["sim/exports/" + name + ".html"] = raceExport({kBobRace});
    }
    // The answers end at prompt k + 1: the empty name that is read there names no export.
    for (std::size_t k = 0; k <= names.size(); ++k) {
        std::string answers;
        std::vector<std::string> echoed;
        for (std::size_t i = 0; i < k; ++i) {
            answers += names[i] + "\n";
            echoed.push_back(names[i]);
        }
        echoed.push_back("");
        const std::string console = exportDialogue(echoed);
        // exportDialogue ends with the next prompt; at the empty name the run stops.
        const std::string stopped = console.substr(0, console.size() - (k + 1 < 4 ? kNextExportPrompt.size() : 0)) +
                                    kCantFindExport + pause();
        const std::string what = "answers ending at prompt " + std::to_string(k + 1);
        inputs.push_back(omblen(what, qualifying, answers, stopped, {}));
        inputs.push_back(duvessa(what, races, answers, stopped, {}));
    }
    expectAllHandled(inputs);
}

TEST(BadInput, PagesThatCannotBeCreatedAreReportedAndSkipped) {
    FileMap raceTablesBlocked = raceFolder(twoRiderRace().bytes());
    raceTablesBlocked["race.html/keep"] = "";
    FileMap graphBlocked = raceFolder(twoRiderRace().bytes());
    graphBlocked["race_G.html/keep"] = "";
    FileMap resultBlocked = qualifyingFolder({{"a", practiceExport({kAnnLap, kBobLap})}});
    resultBlocked["a.html/keep"] = "";
    FileMap gridsBlocked = qualifyingFolder({{"a", practiceExport({kAnnLap, kBobLap})}});
    gridsBlocked["grids.html/keep"] = "";
    FileMap combinedBlocked = exportsFolder({{"a", raceExport({kAnnRace, kBobRace})}});
    combinedBlocked["Xa.html/keep"] = "";
    expectAllHandled({
        quorrin("a folder named like the race tables page", raceTablesBlocked, "race\n0\n", 1,
                completedRace(kEntryList, kBothTraces) + "Can't write race.html!\n", {"race_G.html"}),
        quorrin("a folder named like the graph values page", graphBlocked, "race\n0\n", 1,
                completedRace(kEntryList, kBothTraces) + "Can't write race_G.html!\n", {"race.html"}),
        omblen("a folder named like the result page", resultBlocked, "a\n0\n",
               exportDialogue({"a"}) + "Can't write a.html!\n", {"grids.html", "grids_forum.txt"}),
        omblen("a folder named like the grid page", gridsBlocked, "a\n0\n",
               exportDialogue({"a"}) + "Can't write grids.html!\n", {"a.html", "grids_forum.txt"}),
        duvessa("a folder named like the combined page", combinedBlocked, "a\n0\n",
                exportDialogue({"a"}) + "Can't write Xa.html!\n", {}),
    });
}

// Page names are used as typed, relative to the working folder: a folder in them must
// be there. Only the composed input paths turn a backslash into the system's separator,
// so elsewhere than on Windows "sub\r" names a page file literally called "sub\r.html".
TEST(BadInput, TypedNamesWithFoldersNameThePagesAsTyped) {
#ifdef _WIN32
    const std::string backslashFolder = "/";
#else
    const std::string backslashFolder = "\\";
#endif
    const std::string replay = twoRiderRace().bytes();
    const std::string raceRows = raceExport({kAnnRow, kBobRow});
    const FileMap inSubFolders = {{"Quorrin.ini", kSimulatorFolder}, {"sim/replays/sub/r.rpy", replay},
                                  {"sim/exports/sub/r.html", raceRows}, {"sub/keep", ""},
                                  {"sim/exports/sub/a.html", raceExport({kAnnRace, kBobRace})}, {"Xsub/keep", ""}};
    FileMap withoutSubFolder = inSubFolders;
    withoutSubFolder.erase("sub/keep");
    const std::string subDialogue =
        kFirstExportPrompt + exportEcho(kSimulatorFolder, "sub\\a") + kNextExportPrompt;
    expectAllHandled({
        quorrin("a name with a backslash", inSubFolders, "sub\\r\n0\n", 0,
                completedRace(kEntryList, kBothTraces, "sub\\r"),
                {"sub" + backslashFolder + "r.html", "sub" + backslashFolder + "r_G.html"}),
        quorrin("a name with a slash", inSubFolders, "sub/r\n0\n", 0, completedRace(kEntryList, kBothTraces, "sub/r"),
                {"sub/r.html", "sub/r_G.html"}),
        quorrin("a name in a folder that is not there", withoutSubFolder, "sub/r\n0\n", 1,
                completedRace(kEntryList, kBothTraces, "sub/r") + "Can't write sub/r.html!\n" +
                    "Can't write sub/r_G.html!\n",
                {}),
        duvessa("a name with a backslash", inSubFolders, "sub\\a\n0\n", subDialogue,
                {"Xsub" + backslashFolder + "a.html"}),
        duvessa("a name with a slash", inSubFolders, "sub/a\n0\n",
                kFirstExportPrompt + exportEcho(kSimulatorFolder, "sub/a") + kNextExportPrompt, {"Xsub/a.html"}),
    });
}

// Names are texts of fixed buffers in the league's files: a zero byte ends them, in a
// typed answer as in a name read from an export.
TEST(BadInput, ZeroBytesEndNames) {
    const std::string zz = std::string("\0zz", 3);
    const std::string zeroAnswer = std::string("0\0x", 3);
    const FileMap merged = qualifyingFolder({{"a", practiceExport({kAnnLap, kBobLap})}});
    FileMap races = exportsFolder({{"a", raceExport({kAnnRace, kBobRace})}});
    expectAllHandled({
        quorrin("a zero byte in the replay name", raceFolder(twoRiderRace().bytes()), "race" + zz + "\n0\n", 0,
                completedRace(kEntryList, kBothTraces), kRacePages),
        omblen("zero bytes in the export names", merged, "a" + zz + "\n" + zeroAnswer + "\n", exportDialogue({"a"}),
               kQualifyingFiles),
        duvessa("zero bytes in the export names", races, "a" + zz + "\n" + zeroAnswer + "\n", exportDialogue({"a"}),
                {"Xa.html"}),
    });

    // A driver name cut by a zero byte: the page is that of the name before it.
    const RunResult cut = runExecutable(
        DUVESSA_EXE, "a\n0\n",
        exportsFolder({{"a", raceExport({raceRow(12, std::string("Ann\0Rider", 9), "Falcon 990", 10, 1200000)})}}));
    const RunResult whole = runExecutable(
        DUVESSA_EXE, "a\n0\n", exportsFolder({{"a", raceExport({raceRow(12, "Ann", "Falcon 990", 10, 1200000)})}}));
    ASSERT_EQ(whole.files.count("Xa.html"), 1u);
    EXPECT_TRUE(cut.files.at("Xa.html") == whole.files.at("Xa.html"));
}

// A first export named "grids" gives a result page of the grid page's name. It is
// written whole before the grid page replaces it, so "grids.html" is the grid page.
TEST(BadInput, AFirstExportNamedGridsLeavesTheWholeGridPage) {
    const std::string heat = practiceExport({kAnnLap, kBobLap});
    const RunResult named = runExecutable(OMBLEN_EXE, "grids\n0\n", qualifyingFolder({{"grids", heat}}));
    const RunResult other = runExecutable(OMBLEN_EXE, "heat\n0\n", qualifyingFolder({{"heat", heat}}));
    EXPECT_EQ(named.exitStatus, other.exitStatus);
    ASSERT_EQ(other.files.count("grids.html"), 1u);
    EXPECT_TRUE(named.files.at("grids.html") == other.files.at("grids.html"));
    EXPECT_TRUE(named.files.at("grids_forum.txt") == other.files.at("grids_forum.txt"));
}

// On a full disk every write fails: the page is reported, removed, and the run goes on.
// A link to the system's full device makes that happen without a special file system.
TEST(BadInput, APageWhoseWritesFailIsReportedAndRemoved) {
#ifdef _WIN32
    GTEST_SKIP() << "the full device is a Linux one";
#else
    const auto fullDeviceAs = [](std::string page) {
        ExecutableStart start;
        start.prepare = [page](const std::filesystem::path& folder) {
            std::filesystem::create_symlink("/dev/full", folder / page);
        };
        return start;
    };
    const RunResult race =
        runExecutable(QUORRIN_EXE, "race\n0\n", raceFolder(twoRiderRace().bytes()), fullDeviceAs("race.html"));
    EXPECT_EQ(race.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(race.console), completedRace(kEntryList, kBothTraces) + "Can't write race.html!\n");
    EXPECT_EQ(race.files.count("race.html"), 0u);
    EXPECT_EQ(filesWritten(race, raceFolder(twoRiderRace().bytes())).count("race_G.html"), 1u);

    const FileMap qualifying = qualifyingFolder({{"a", practiceExport({kAnnLap, kBobLap})}});
    const RunResult forum =
        runExecutable(OMBLEN_EXE, "a\n0\n", qualifying, fullDeviceAs("grids_forum.txt"));
    EXPECT_EQ(forum.exitStatus, 1);
    EXPECT_EQ(withUnixLineEnds(forum.console), exportDialogue({"a"}) + "Can't write grids_forum.txt!\n");
    const FileMap written = filesWritten(forum, qualifying);
    EXPECT_EQ(written.size(), 2u);
    EXPECT_EQ(written.count("grids.html"), 1u);
#endif
}

}  // namespace
}  // namespace league::testing
