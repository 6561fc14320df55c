// Whole Quorrin runs over replays and exports laid out as the simulator writes them, in
// a folder set up as a league admin has it: "Quorrin.ini" naming the relative simulator
// folder "sim\", with the replay and the export below it. The dialogues are compared
// whole, and so are the pages of a few small races.

#include "quorrin/quorrin_run.hpp"

#include "quorrin/race_page_fragments.hpp"
#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace league::testing {
namespace {

// The run as a double-click starts it, without options.
int runQuorrin(Console& console, Disk& disk) {
    return quorrin::runQuorrin(console, disk);
}
namespace page = quorrin::expected;

const std::string kPrompt = "Please put in a name of a replay-file (without .rpy)!\n";
const std::string kPaths = "sim\\replays\\race.rpy\nsim\\exports\\race.html\n\n";
const std::string& kPause = kTestPausePrompt;
const std::string& kColourPrompt = quorrin::expected::kColourPrompt;
const std::string& kFailureLines = quorrin::expected::kFailureLines;

struct Rider {
    int slot;
    std::int32_t startNumber;
    std::string name;
    std::string bike;
    std::vector<std::int32_t> laps;
};

// A replay whose race laps are recorded lap by lap, each lap in the riders' order.
ReplayBuilder replayOf(const std::vector<Rider>& riders) {
    ReplayBuilder replay;
    std::size_t mostLaps = 0;
    for (const Rider& rider : riders) {
        replay.driver(rider.slot, rider.startNumber, rider.name, rider.bike);
        mostLaps = std::max(mostLaps, rider.laps.size());
    }
    replay.raceStart();
    for (std::size_t lap = 0; lap < mostLaps; ++lap) {
        for (const Rider& rider : riders) {
            if (lap < rider.laps.size()) {
                replay.lap(rider.slot, static_cast<std::int32_t>(lap + 1), rider.laps[lap]);
            }
        }
    }
    return replay;
}

FileMap league(const std::string& replay, const std::string& exportBytes) {
    FileMap files{{"Quorrin.ini", "sim\\"}, {"sim/replays/race.rpy", replay}};
    if (!exportBytes.empty()) {
        files["sim/exports/race.html"] = exportBytes;
    }
    return files;
}

// The track line, an empty line, "number name" per rider, an empty line.
std::string entryList(const std::vector<Rider>& riders) {
    std::string text = "Harbour Loop\n\n";
    for (const Rider& rider : riders) {
        text += std::to_string(rider.startNumber) + " " + rider.name + "\n";
    }
    return text + "\n";
}

std::string question(int lap, const Rider& rider, bool caution = false) {
    std::string text = "Lap " + std::to_string(lap) + " of #" + std::to_string(rider.startNumber) + " " + rider.name +
                       " has a very slow laptime.\n" + "It seems Korvex has forget to count a lap.\n" +
                       "If you would add a lap for the driver press \"y\" else press \"n\"!\n";
    if (caution) {
        text += "Be carefull it's the last lap of the driver. Maybe the race time must be edited in export.\n";
    }
    return text;
}

std::string trace(const Rider& rider, std::int32_t raceTime, std::int32_t penalty = 0) {
    return std::to_string(rider.startNumber) + " taus=" + std::to_string(raceTime) + " Straf=" +
           std::to_string(penalty) + "\n";
}

RaceRow row(const Rider& rider, std::int32_t laps, std::int32_t raceTime, std::int32_t penaltySeconds = 0) {
    return raceRow(rider.startNumber, rider.name, rider.bike, laps, raceTime, penaltySeconds);
}

// The race night of the whole dialogue. Ann's lap 3 holds two laps (best 90500: above
// 167425); Cleo, lapped, lost time on her last lap (best 92000: above 170200), and as
// she got further than 3/4 of the winner's 7 laps she is warned; Bob has a penalty;
// Dan's race time leaves a first lap of 190000, above twice his best of 91000.
const Rider kAnn{0, 7, "Ann Rider", "Falcon 990", {95000, 90500, 181000, 91000, 90800, 91200}};
const Rider kBob{1, 12, "Bob Bolt", "Hornet RR", {94000, 90000, 90200, 90100, 90300, 90400, 90500}};
const Rider kCleo{2, 3, "Cleo Crest", "Vespid R", {96000, 92000, 92500, 92300, 92400, 175000}};
const Rider kDan{3, 21, "Dan Dune", "Falcon 990", {97000, 91000, 91500, 91200, 91300, 91400, 91100}};
const std::vector<Rider> kRiders{kAnn, kBob, kCleo, kDan};

FileMap raceNight() {
    return league(replayOf(kRiders).bytes(), raceExport({row(kBob, 7, 630000, 5), row(kAnn, 7, 636900),
                                                         row(kDan, 7, 737503), row(kCleo, 6, 640000)}));
}

std::string raceNightDialogue() {
    return kPrompt + kPaths + entryList(kRiders) + question(3, kAnn) + question(6, kCleo, true) +
           trace(kBob, 630000, 5000) + trace(kAnn, 636900) + trace(kDan, 737503) + trace(kCleo, 640000) +
           question(1, kDan) + kColourPrompt;
}

// The names of the files a run wrote.
std::vector<std::string> pagesWritten(const RunResult& result, const FileMap& given) {
    std::vector<std::string> names;
    for (const auto& entry : filesWritten(result, given)) {
        names.push_back(entry.first);
    }
    return names;
}

const std::vector<std::string> kBothPages{"race.html", "race_G.html"};
const std::vector<std::string> kTablesPageOnly{"race.html"};

TEST(QuorrinDialogue, WholeRaceNight) {
    const FileMap files = raceNight();
    const RunResult result = runInProcess(runQuorrin, "race\ny\nn\ny\n12\n", files);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.console, raceNightDialogue());
    EXPECT_EQ(pagesWritten(result, files), kBothPages);
}

TEST(QuorrinDialogue, WholeRaceNightFromTheBuiltProgram) {
    const FileMap files = raceNight();
    const RunResult result = runExecutable(QUORRIN_EXE, "race\ny\nn\ny\n12\n", files);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(withUnixLineEnds(result.console), raceNightDialogue());
    EXPECT_EQ(pagesWritten(result, files), kBothPages);
}

// One table of the race tables page of a run, from its opening to its end fragment.
std::string tableOf(const RunResult& result, const std::string& open, const std::string& end) {
    const auto found = result.files.find("race.html");
    const std::string page = found == result.files.end() ? "" : found->second;
    const std::size_t start = page.find(page::crlf(open));
    const std::size_t stop = page.find(page::crlf(end), start);
    if (start == std::string::npos || stop == std::string::npos) {
        return "";
    }
    return page.substr(start, stop + page::crlf(end).size() - start);
}

std::string developmentTable(const RunResult& result) {
    return tableOf(result, page::kDevelopmentOpen, page::kDevelopmentEnd);
}

TEST(QuorrinDialogue, OnlyTheLapsAfterTheLastRaceStartCount) {
    // Ann's race laps: best 90000, so her 94000 is no slow lap. Laps of 50000 before
    // the race would lower the threshold to 92500 and make it one; they would also be
    // the fastest laps of the race.
    const Rider ann{0, 7, "Ann Rider", "Falcon 990", {95000, 90000, 94000}};
    const Rider bob{1, 12, "Bob Bolt", "Hornet RR", {96000, 91000, 91500}};
    ReplayBuilder twoMarkers;
    twoMarkers.driver(0, 7, ann.name, ann.bike).driver(1, 12, bob.name, bob.bike);
    twoMarkers.lap(0, 1, 50000).lap(1, 1, 50000);  // practice
    twoMarkers.raceStart().lap(0, 1, 50000).lap(0, 2, 50000).lap(1, 1, 51000);  // the start that was aborted
    twoMarkers.raceStart().laps(0, ann.laps).laps(1, bob.laps);
    ReplayBuilder noMarker;
    noMarker.driver(0, 7, ann.name, ann.bike).driver(1, 12, bob.name, bob.bike);
    noMarker.lap(0, 1, 50000).laps(0, ann.laps).laps(1, bob.laps);  // record 0 is never a race lap

    const std::string exportBytes = raceExport({row(ann, 3, 280000), row(bob, 3, 281000)});
    const std::string expected =
        kPrompt + kPaths + entryList({ann, bob}) + trace(ann, 280000) + trace(bob, 281000) + kColourPrompt;
    const std::string development =
        page::crlf(page::kDevelopmentOpen + page::developmentRow("1", "Ann Rider", "1:35.000") +
                   page::developmentRow("2", "Ann Rider", "1:30.000") + page::kDevelopmentEnd);
    for (const ReplayBuilder* replay : {&twoMarkers, &noMarker}) {
        const FileMap files = league(replay->bytes(), exportBytes);
        const RunResult result = runInProcess(runQuorrin, "race\n0\n", files);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.console, expected);
        EXPECT_EQ(pagesWritten(result, files), kBothPages);
        EXPECT_EQ(developmentTable(result), development);
    }
}

TEST(QuorrinDialogue, ExportWithMoreLapsThanTheReplay) {
    // Ann's lap 3 holds two laps. Declined, the replay has 5 laps against the export's 6:
    // her row is used, the export does not fit, no further row is read, no first-lap
    // question comes, and the run ends with the failure lines after the race tables
    // page. Accepted, the counts agree and the race goes on; the first lap left by her
    // race time (248497) is then questioned.
    const Rider ann{0, 7, "Ann Rider", "Falcon 990", {95000, 90000, 180000, 91000, 90500}};
    const Rider bob{1, 12, "Bob Bolt", "Hornet RR", {94000, 90000, 90200, 90100, 90300, 90400}};
    const FileMap files =
        league(replayOf({ann, bob}).bytes(), raceExport({row(ann, 6, 700000), row(bob, 6, 545003)}));
    const std::string start = kPrompt + kPaths + entryList({ann, bob}) + question(3, ann) + trace(ann, 700000);
    const struct {
        const char* answers;
        std::string console;
        std::vector<std::string> pages;
    } cases[] = {
        {"race\nn\n0\n", start + kColourPrompt + kFailureLines + kPause, kTablesPageOnly},
        {"race\ny\nn\n0\n", start + trace(bob, 545003) + question(1, ann) + kColourPrompt, kBothPages},
    };
    for (const auto& c : cases) {
        const RunResult result = runInProcess(runQuorrin, c.answers, files);
        EXPECT_EQ(result.exitStatus, 0) << c.answers;
        EXPECT_EQ(result.console, c.console) << c.answers;
        EXPECT_EQ(pagesWritten(result, files), c.pages) << c.answers;
    }
}

TEST(QuorrinDialogue, ExportThatIsMissingOrMatchesNoRider) {
    // Ann's replay first lap (200000) is above twice her best: the first-lap question
    // comes whenever the export does not stop the race tables.
    const Rider ann{0, 7, "Ann Rider", "Falcon 990", {200000, 90000, 91000}};
    const Rider bob{1, 12, "Bob Bolt", "Hornet RR", {96000, 91000, 91500}};
    const Rider stranger{0, 99, "Zed Zero", "Hornet RR", {}};
    const std::string replay = replayOf({ann, bob}).bytes();
    const std::string listed = kPrompt + kPaths + entryList({ann, bob});
    const struct {
        const char* name;
        std::string exportBytes;
        const char* answers;
        std::string console;
        std::vector<std::string> pages;
    } cases[] = {
        {"missing export", "", "race\n0\n", listed + kColourPrompt + kFailureLines + kPause, kTablesPageOnly},
        {"first row matches no slot", raceExport({row(stranger, 3, 280000), row(ann, 3, 281000)}), "race\nn\n0\n",
         listed + question(1, ann) + kColourPrompt, kBothPages},
    };
    for (const auto& c : cases) {
        const FileMap files = league(replay, c.exportBytes);
        const RunResult result = runInProcess(runQuorrin, c.answers, files);
        EXPECT_EQ(result.exitStatus, 0) << c.name;
        EXPECT_EQ(result.console, c.console) << c.name;
        EXPECT_EQ(pagesWritten(result, files), c.pages) << c.name;
    }
}

TEST(QuorrinDialogue, RunsThatStop) {
    ReplayBuilder damaged = replayOf({kAnn, kBob});
    damaged.recordCountOverride = -3;
    const std::string replay = replayOf({kAnn, kBob}).bytes();
    const struct {
        const char* name;
        FileMap files;
        std::string console;
    } cases[] = {
        {"missing Quorrin.ini", {{"sim/replays/race.rpy", replay}}, kPrompt + "Datei wrong!!!"},
        {"missing replay", {{"Quorrin.ini", "sim\\"}}, kPrompt + kPaths + "Dateiname or Pfad false!!!\n" + kPause},
        {"folder with its line break", {{"Quorrin.ini", "sim\\\r\n"}, {"sim/replays/race.rpy", replay}},
         kPrompt + "sim\\\nreplays\\race.rpy\nsim\\\nexports\\race.html\n\n" + "Dateiname or Pfad false!!!\n" + kPause},
        {"damaged lap table", league(damaged.bytes(), raceExport({row(kAnn, 6, 600000)})),
         kPrompt + kPaths + entryList({kAnn, kBob}) + "The lap table of the replay is damaged!\n" + kPause},
    };
    for (const auto& c : cases) {
        const RunResult result = runInProcess(runQuorrin, "race\n", c.files);
        EXPECT_EQ(result.exitStatus, 1) << c.name;
        EXPECT_EQ(result.console, c.console) << c.name;
        EXPECT_TRUE(filesWritten(result, c.files).empty()) << c.name;
    }
}

TEST(QuorrinDialogue, BuiltProgramPausesWhenItStops) {
    ReplayBuilder damaged = replayOf({kAnn});
    damaged.recordCountOverride = 3001;
    const struct {
        const char* name;
        FileMap files;
        std::string console;
    } cases[] = {
        {"missing replay", {{"Quorrin.ini", "sim\\"}},
         kPrompt + kPaths + "Dateiname or Pfad false!!!\n" + executablePausePrompt()},
        {"damaged lap table", league(damaged.bytes(), ""),
         kPrompt + kPaths + entryList({kAnn}) + "The lap table of the replay is damaged!\n" + executablePausePrompt()},
    };
    for (const auto& c : cases) {
        const RunResult result = runExecutable(QUORRIN_EXE, "race\n", c.files);
        EXPECT_EQ(result.exitStatus, 1) << c.name;
        EXPECT_EQ(withUnixLineEnds(result.console), c.console) << c.name;
        EXPECT_TRUE(filesWritten(result, c.files).empty()) << c.name;
    }
}

// ---- Whole pages of small races ----

using page::cell;
using page::colour;
using page::lastCell;
using page::middleRowNumber;
using page::rowNumber;
using page::shaded;

// The shade of a lap equal to the driver's best, and of a lap below it.
const std::string kBestLapShade = "bgcolor=\"#FF5f5f\"";
const std::string kBelowBestShade = "bgcolor=\"#FF0000\"";

// Runs a race in-process and as the built program: both must show `console`, followed
// by the pause prompt of their kind when `pauses`, end with status 0 and write exactly
// `pages`.
void expectWholeRun(const FileMap& files, const std::string& answers, const std::string& console, bool pauses,
                    const FileMap& pages) {
    {
        SCOPED_TRACE("in-process");
        const RunResult result = runInProcess(runQuorrin, answers, files);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.console, console + (pauses ? kPause : ""));
        EXPECT_EQ(filesWritten(result, files), pages);
    }
    {
        SCOPED_TRACE("built program");
        const RunResult result = runExecutable(QUORRIN_EXE, answers, files);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(withUnixLineEnds(result.console), console + (pauses ? executablePausePrompt() : ""));
        EXPECT_EQ(filesWritten(result, files), pages);
    }
}

// A three-lap race: Ann and Bob finish, Cid is a lap down. No lap is slow enough to be
// questioned, in the replay or after the export.
const Rider kThreeLapAnn{0, 7, "Ann", "B1", {96000, 90000, 91400}};
const Rider kThreeLapBob{1, 12, "Bob", "B2", {95500, 90500, 91000}};
const Rider kThreeLapCid{2, 3, "Cid", "B3", {100000, 105000}};
const std::vector<Rider> kThreeLapRiders{kThreeLapAnn, kThreeLapBob, kThreeLapCid};

TEST(QuorrinPages, PlainSchemeWithPenaltyLappedRiderAndNegativeGap) {
    // Bob's raw race time is the shortest, but his 5 s penalty puts Ann first in the
    // export: she is the winner (red), and Bob, ahead of her by raw time in the final
    // result, is 0.900 ahead of her ("+0.900"). The lap columns place Bob by his time
    // less the penalty. Bob's number is typed at the colour prompt (yellow). The first
    // laps come from the race times: Ann 276400 - 91400 - 90000 - 1 = 94999, Bob 93999,
    // Cid 205000 - 105000 - 1 = 99999, a millisecond below his best.
    const Rider& ann = kThreeLapAnn;
    const Rider& bob = kThreeLapBob;
    const Rider& cid = kThreeLapCid;
    const FileMap files = league(replayOf(kThreeLapRiders).bytes(),
                                 raceExport({row(ann, 3, 276400), row(bob, 3, 275500, 5), row(cid, 2, 205000)}));
    const std::string console = kPrompt + kPaths + entryList(kThreeLapRiders) + trace(ann, 276400) +
                                trace(bob, 275500, 5000) + trace(cid, 205000) + kColourPrompt;

    const std::string& a = page::kRed;
    const std::string& b = page::kYellow;
    const std::string& c = page::kPlain;
    const std::string tables =
        page::pageHead("Harbour Loop") + page::boardOpen(3) +
        rowNumber(1) + cell(b, "12") + cell(b, "12") + cell(b, "12") + middleRowNumber(1) + cell(b, "12") +
        cell(b, "Bob") + cell(b, "B2") + cell(b, "3") + cell(b, "4:35.500") + cell(b, "+0.900") + lastCell(b, "") +
        rowNumber(2) + cell(a, "7") + cell(a, "7") + cell(a, "7") + middleRowNumber(2) + cell(a, "7") +
        cell(a, "Ann") + cell(a, "B1") + cell(a, "3") + cell(a, "4:36.400") + cell(a, "") + lastCell(a, "-0.900") +
        rowNumber(3) + cell(c, "3") + cell(c, "3") + cell(page::kPlain, "") + middleRowNumber(3) + cell(c, "3") +
        cell(c, "Cid") + cell(c, "B3") + cell(c, "2") + cell(c, "3:25.000") + cell(c, "") + lastCell(c, "") +
        page::kBoardEnd +
        page::comparatorOpen(1, 3) +
        rowNumber(1) + cell(b, "12") + cell(a, "7") + cell(b, "12") + middleRowNumber(1) + cell(a, "7") +
        cell(a, "Ann") + cell(a, "B1") + cell(a, "2/3") + cell(a, "1:30.000") + lastCell(a, "") +
        rowNumber(2) + cell(a, "7") + cell(b, "12") + cell(a, "7") + middleRowNumber(2) + cell(b, "12") +
        cell(b, "Bob") + cell(b, "B2") + cell(b, "2/3") + cell(b, "1:30.500") + lastCell(b, "-0.500") +
        rowNumber(3) + cell(c, "3") + cell(c, "3") + cell(page::kPlain, "") + middleRowNumber(3) + cell(c, "3") +
        cell(c, "Cid") + cell(c, "B3") + cell(c, "1/2") + cell(c, "1:40.000") + lastCell(c, "-10.000") +
        page::kComparatorEnd +
        page::kConsistencyOpen + page::consistencyRow(1, b, "12", "Bob", "1:30.500", "1:30.750", "-0.250", "3") +
        page::consistencyRow(2, a, "7", "Ann", "1:30.000", "1:30.700", "-0.700", "3") +
        page::consistencyRow(3, c, "3", "Cid", "1:40.000", "1:45.000", "-5.000", "2") + page::kConsistencyEnd +
        // The replay's lap records as read, not the first laps derived from the export.
        page::kDevelopmentOpen + page::developmentRow("1", "Ann", "1:36.000") +
        page::developmentRow("1", "Bob", "1:35.500") + page::developmentRow("2", "Ann", "1:30.000") +
        page::kDevelopmentEnd +
        page::kCountsOpen + page::countRow("2", "Bob") + page::countRow("1", "Ann") + page::kCountsEnd +
        page::lapChartOpen({"3", "7", "12"}) +
        page::lapRow(1, {shaded("bgcolor=\"#FF5e5e\"", "1:39.999"), shaded("bgcolor=\"#b3b3FF\"", "1:34.999"),
                         shaded("bgcolor=\"#d2d2FF\"", "1:33.999")}) +
        page::lapRow(2, {shaded("bgcolor=\"#bdbdFF\"", "1:45.000"), shaded(kBestLapShade, "1:30.000"),
                         shaded(kBestLapShade, "1:30.500")}) +
        page::lapRow(3, {page::kRetired, shaded("bgcolor=\"#FFfafa\"bgcolor=\"#fefeFF\"", "1:31.400"),
                         shaded("bgcolor=\"#FF9696\"", "1:31.000")}) +
        page::kLapChartEndAndPageEnd;
    // Rows by the time after lap 1; positions by raw elapsed time; differences to Ann's
    // pace of 276400 / 3 per lap (92133, 184266, 276400).
    const std::string graph =
        page::graphPage(3,
                        page::graphRow(b, "12", "Bob", 1, {"1", "1", "1"}) +
                            page::graphRow(a, "7", "Ann", 2, {"2", "2", "2"}) +
                            page::graphRow(c, "3", "Cid", 3, {"3", "3", ""}),
                        page::graphRow(b, "12", "Bob", 0, {"1.866", "0.234", "-0.900"}) +
                            page::graphRow(a, "7", "Ann", 0, {"2.866", "0.734", "0.000"}) +
                            page::graphRow(c, "3", "Cid", 0, {"7.866", "20.734", ""}));

    expectWholeRun(files, "race\n12\n", console, false,
                   {{"race.html", page::crlf(tables)}, {"race_G.html", page::crlf(graph)}});
}

TEST(QuorrinPages, ColourfulSchemeWithSlowLapSplit) {
    // Dan's third lap (175000, above 166500) holds two laps; split, he has the export's
    // four laps and wins. Both halves lie below his best lap, so his average does too.
    // Eve's start number 105 takes the colour of 5. The race has four laps because Eve
    // drove four in the replay.
    const Rider dan{0, 23, "Dan", "K1", {92000, 90000, 175000}};
    const Rider eve{1, 105, "Eve", "K2", {93000, 91000, 90800, 91200}};
    const FileMap files =
        league(replayOf({dan, eve}).bytes(), raceExport({row(dan, 4, 357000), row(eve, 4, 366000)}));
    const std::string console = kPrompt + kPaths + entryList({dan, eve}) + question(3, dan) +
                                trace(dan, 357000) + trace(eve, 366000) + kColourPrompt;

    const std::string d = colour("7c3f07");
    const std::string e = colour("5a8fc1");
    const std::string tables =
        page::pageHead("Harbour Loop") + page::boardOpen(4) +
        rowNumber(1) + cell(d, "23") + cell(d, "23") + cell(d, "23") + cell(d, "23") + middleRowNumber(1) +
        cell(d, "23") + cell(d, "Dan") + cell(d, "K1") + cell(d, "4") + cell(d, "5:57.000") + cell(d, "") +
        lastCell(d, "") +
        rowNumber(2) + cell(e, "105") + cell(e, "105") + cell(e, "105") + cell(e, "105") + middleRowNumber(2) +
        cell(e, "105") + cell(e, "Eve") + cell(e, "K2") + cell(e, "4") + cell(e, "6:06.000") + cell(e, "-9.000") +
        lastCell(e, "-9.000") + page::kBoardEnd +
        page::comparatorOpen(1, 4) +
        rowNumber(1) + cell(d, "23") + cell(d, "23") + cell(d, "23") + cell(d, "23") + middleRowNumber(1) +
        cell(d, "23") + cell(d, "Dan") + cell(d, "K1") + cell(d, "2/4") + cell(d, "1:30.000") + lastCell(d, "") +
        rowNumber(2) + cell(e, "105") + cell(e, "105") + cell(e, "105") + cell(e, "105") + middleRowNumber(2) +
        cell(e, "105") + cell(e, "Eve") + cell(e, "K2") + cell(e, "3/4") + cell(e, "1:30.800") +
        lastCell(e, "-0.800") + page::kComparatorEnd +
        page::kConsistencyOpen + page::consistencyRow(1, d, "23", "Dan", "1:30.000", "1:28.333", "+1.667", "4") +
        page::consistencyRow(2, e, "105", "Eve", "1:30.800", "1:31.000", "-0.200", "4") + page::kConsistencyEnd +
        // The 175 s lap as read is no fastest lap; its halves do not appear.
        page::kDevelopmentOpen + page::developmentRow("1", "Dan", "1:32.000") +
        page::developmentRow("2", "Dan", "1:30.000") + page::kDevelopmentEnd +
        page::kCountsOpen + page::countRow("4", "Dan") + page::kCountsEnd +
        page::lapChartOpen({"23", "105"}) +
        page::lapRow(1, {shaded("bgcolor=\"#f1f1FF\"", "1:31.998"), shaded("bgcolor=\"#ededFF\"", "1:32.998")}) +
        page::lapRow(2, {shaded(kBestLapShade, "1:30.000"), shaded("bgcolor=\"#FF7575\"", "1:31.000")}) +
        page::lapRow(3, {shaded(kBelowBestShade, "1:27.500"), shaded(kBestLapShade, "1:30.800")}) +
        page::lapRow(4, {shaded(kBelowBestShade, "1:27.500"), shaded("bgcolor=\"#FF8b8b\"", "1:31.200")}) +
        page::kLapChartEndAndPageEnd;
    // Dan's pace: 357000 / 4 per lap.
    const std::string graph =
        page::graphPage(4,
                        page::graphRow(d, "23", "Dan", 1, {"1", "1", "1", "1"}) +
                            page::graphRow(e, "105", "Eve", 2, {"2", "2", "2", "2"}),
                        page::graphRow(d, "23", "Dan", 0, {"2.748", "3.500", "1.750", "0.000"}) +
                            page::graphRow(e, "105", "Eve", 0, {"3.748", "5.500", "7.050", "9.000"}));

    expectWholeRun(files, "race\ny\n0\n", console, false,
                   {{"race.html", page::crlf(tables)}, {"race_G.html", page::crlf(graph)}});
}

TEST(QuorrinPages, FirstLapSplitAfterTheExport) {
    // Gus's race time leaves a first lap of 366000 - 90500 - 90000 - 1 = 185499, above
    // twice his best; split, he has 4 laps in a race of 3 (the highest lap of the
    // replay stays), his elapsed times move up a lap with their laps, and his first
    // lap ends at 92749. His fourth lap has no column; Hal's gap to him is taken at
    // lap 3. The typed 99 is nobody's number: only the winner is coloured.
    const Rider gus{0, 4, "Gus", "G1", {185500, 90000, 90500}};
    const Rider hal{1, 9, "Hal", "H1", {93000, 91000, 91700}};
    const FileMap files =
        league(replayOf({gus, hal}).bytes(), raceExport({row(gus, 3, 366000), row(hal, 3, 276000)}));
    const std::string console = kPrompt + kPaths + entryList({gus, hal}) + trace(gus, 366000) +
                                trace(hal, 276000) + question(1, gus) + kColourPrompt;

    const std::string& g = page::kRed;
    const std::string& h = page::kPlain;
    const std::string tables =
        page::pageHead("Harbour Loop") + page::boardOpen(3) +
        rowNumber(1) + cell(g, "4") + cell(h, "9") + cell(g, "4") + middleRowNumber(1) + cell(g, "4") +
        cell(g, "Gus") + cell(g, "G1") + cell(g, "4") + cell(g, "6:06.000") + cell(g, "") + lastCell(g, "") +
        rowNumber(2) + cell(h, "9") + cell(g, "4") + cell(h, "9") + middleRowNumber(2) + cell(h, "9") +
        cell(h, "Hal") + cell(h, "H1") + cell(h, "3") + cell(h, "4:36.000") + cell(h, "-0.500") + lastCell(h, "") +
        page::kBoardEnd +
        page::comparatorOpen(1, 3) +
        rowNumber(1) + cell(g, "4") + cell(h, "9") + cell(g, "4") + middleRowNumber(1) + cell(g, "4") +
        cell(g, "Gus") + cell(g, "G1") + cell(g, "2/4") + cell(g, "1:30.000") + lastCell(g, "") +
        rowNumber(2) + cell(h, "9") + cell(g, "4") + cell(h, "9") + middleRowNumber(2) + cell(h, "9") +
        cell(h, "Hal") + cell(h, "H1") + cell(h, "2/3") + cell(h, "1:31.000") + lastCell(h, "-1.000") +
        page::kComparatorEnd +
        // The averages were taken before the split.
        page::kConsistencyOpen + page::consistencyRow(1, g, "4", "Gus", "1:30.000", "1:30.250", "-0.250", "4") +
        page::consistencyRow(2, h, "9", "Hal", "1:31.000", "1:31.350", "-0.350", "3") + page::kConsistencyEnd +
        page::kDevelopmentOpen + page::developmentRow("1", "Gus", "3:05.500") +
        page::developmentRow("1", "Hal", "1:33.000") + page::developmentRow("2", "Gus", "1:30.000") +
        page::kDevelopmentEnd +
        page::kCountsOpen + page::countRow("2", "Gus") + page::countRow("1", "Hal") + page::kCountsEnd +
        page::lapChartOpen({"4", "9"}) +
        page::lapRow(1, {shaded("bgcolor=\"#e1e1FF\"", "1:32.749"), shaded("bgcolor=\"#ebebFF\"", "1:33.299")}) +
        page::lapRow(2, {shaded("bgcolor=\"#e1e1FF\"", "1:32.750"), shaded(kBestLapShade, "1:31.000")}) +
        page::lapRow(3, {shaded(kBestLapShade, "1:30.000"), shaded("bgcolor=\"#FFabab\"", "1:31.700")}) +
        page::kLapChartEndAndPageEnd;
    // Gus's pace: his race time over his 4 laps, 91500 per lap.
    const std::string graph =
        page::graphPage(3,
                        page::graphRow(g, "4", "Gus", 1, {"1", "2", "1"}) +
                            page::graphRow(h, "9", "Hal", 2, {"2", "1", "2"}),
                        page::graphRow(g, "4", "Gus", 0, {"1.249", "2.499", "1.000"}) +
                            page::graphRow(h, "9", "Hal", 0, {"1.799", "1.300", "1.500"}));

    expectWholeRun(files, "race\ny\n99\n", console, false,
                   {{"race.html", page::crlf(tables)}, {"race_G.html", page::crlf(graph)}});
}

TEST(QuorrinPages, MissingExportLeavesOutBoardLapOneAndGraphPage) {
    // The three-lap race without its export: no position board, the lap tables begin
    // at lap 2, the replay's own laps stand, and the run ends with the failure lines
    // and the pause. Colourful: #7 "b5d7c1", #12 "6b1f83", #3 "5a4760", no driver white.
    const FileMap files = league(replayOf(kThreeLapRiders).bytes(), "");
    const std::string console = kPrompt + kPaths + entryList(kThreeLapRiders) + kColourPrompt + kFailureLines;

    const std::string a = colour("b5d7c1");
    const std::string b = colour("6b1f83");
    const std::string c = colour("5a4760");
    const std::string tables =
        page::pageHead("Harbour Loop") + page::comparatorOpen(2, 3) +
        rowNumber(1) + cell(a, "7") + cell(b, "12") + middleRowNumber(1) + cell(a, "7") + cell(a, "Ann") +
        cell(a, "B1") + cell(a, "2/3") + cell(a, "1:30.000") + lastCell(a, "") +
        rowNumber(2) + cell(b, "12") + cell(a, "7") + middleRowNumber(2) + cell(b, "12") + cell(b, "Bob") +
        cell(b, "B2") + cell(b, "2/3") + cell(b, "1:30.500") + lastCell(b, "-0.500") +
        rowNumber(3) + cell(c, "3") + cell(page::kWhite, "") + middleRowNumber(3) + cell(c, "3") + cell(c, "Cid") +
        cell(c, "B3") + cell(c, "1/2") + cell(c, "1:40.000") + lastCell(c, "-10.000") + page::kComparatorEnd +
        page::kConsistencyOpen + page::consistencyRow(1, b, "12", "Bob", "1:30.500", "1:30.750", "-0.250", "3") +
        page::consistencyRow(2, a, "7", "Ann", "1:30.000", "1:30.700", "-0.700", "3") +
        page::consistencyRow(3, c, "3", "Cid", "1:40.000", "1:45.000", "-5.000", "2") + page::kConsistencyEnd +
        page::kDevelopmentOpen + page::developmentRow("1", "Ann", "1:36.000") +
        page::developmentRow("1", "Bob", "1:35.500") + page::developmentRow("2", "Ann", "1:30.000") +
        page::kDevelopmentEnd +
        // One fastest lap each: the lower slot first.
        page::kCountsOpen + page::countRow("1", "Ann") + page::countRow("1", "Bob") + page::kCountsEnd +
        page::lapChartOpen({"3", "7", "12"}) +
        page::lapRow(2, {shaded("bgcolor=\"#bdbdFF\"", "1:45.000"), shaded(kBestLapShade, "1:30.000"),
                         shaded(kBestLapShade, "1:30.500")}) +
        page::lapRow(3, {page::kRetired, shaded("bgcolor=\"#FFfafa\"bgcolor=\"#fefeFF\"", "1:31.400"),
                         shaded("bgcolor=\"#FF9696\"", "1:31.000")}) +
        page::kLapChartEndAndPageEnd;

    expectWholeRun(files, "race\n0\n", console, true, {{"race.html", page::crlf(tables)}});
}

TEST(QuorrinPages, RecordsTheLapTableSkipsStillLowerTheFastestLap) {
    // Race lap records of slot 33, of lap 40 and of lap 0 have no place in the lap
    // table: the laps, the lap counts and the highest lap stay those of the other
    // records (the lap chart shows laps 1 to 3), while the development of the fastest
    // lap shows every record as read, the one without a slot as a row without cells.
    const Rider ann{0, 7, "Ann Rider", "Falcon 990", {95000, 90000, 94000}};
    const Rider bob{1, 12, "Bob Bolt", "Hornet RR", {96000, 91000, 91500}};
    ReplayBuilder replay;
    replay.driver(0, 7, ann.name, ann.bike).driver(1, 12, bob.name, bob.bike).raceStart();
    replay.lap(0, 1, 95000).lap(0, 2, 90000).lap(33, 2, 85000).lap(0, 3, 94000).lap(0, 40, 84000).lap(1, 0, 83000);
    replay.laps(1, bob.laps);
    const FileMap files = league(replay.bytes(), raceExport({row(ann, 3, 280000), row(bob, 3, 281000)}));

    const RunResult result = runInProcess(runQuorrin, "race\n0\n", files);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.console,
              kPrompt + kPaths + entryList({ann, bob}) + trace(ann, 280000) + trace(bob, 281000) + kColourPrompt);
    EXPECT_EQ(pagesWritten(result, files), kBothPages);
    EXPECT_EQ(developmentTable(result),
              page::crlf(page::kDevelopmentOpen + page::developmentRow("1", "Ann Rider", "1:35.000") +
                         page::developmentRow("2", "Ann Rider", "1:30.000") + "<tr> \n</tr> \n" +
                         page::developmentRow("40", "Ann Rider", "1:24.000") +
                         page::developmentRow("0", "Bob Bolt", "1:23.000") + page::kDevelopmentEnd));
    // First laps from the race times: 280000 - 94000 - 90000 - 1 and 281000 - 91500 - 91000 - 1.
    EXPECT_EQ(tableOf(result, page::lapChartOpen({"7", "12"}), page::kLapChartEndAndPageEnd),
              page::crlf(page::lapChartOpen({"7", "12"}) +
                         page::lapRow(1, {shaded("bgcolor=\"#a0a0FF\"", "1:35.999"),
                                          shaded("bgcolor=\"#8484FF\"", "1:38.499")}) +
                         page::lapRow(2, {shaded(kBestLapShade, "1:30.000"), shaded(kBestLapShade, "1:31.000")}) +
                         page::lapRow(3, {shaded("bgcolor=\"#c7c7FF\"", "1:34.000"),
                                          shaded("bgcolor=\"#FF9595\"", "1:31.500")}) +
                         page::kLapChartEndAndPageEnd));
}

TEST(QuorrinPages, PageThatCannotBeCreatedEndsTheRunWithStatusOne) {
    // A folder in the way of a page name keeps the page from being created: the run
    // says so, goes on with the other page or the failure lines, and ends with 1.
    const std::string replay = replayOf(kThreeLapRiders).bytes();
    const std::string exportBytes = raceExport(
        {row(kThreeLapAnn, 3, 276400), row(kThreeLapBob, 3, 275500, 5), row(kThreeLapCid, 2, 205000)});
    const std::string listed = kPrompt + kPaths + entryList(kThreeLapRiders);
    const std::string traces =
        trace(kThreeLapAnn, 276400) + trace(kThreeLapBob, 275500, 5000) + trace(kThreeLapCid, 205000);
    const struct {
        const char* name;
        std::string exportBytes;
        const char* blocked;
        std::string console;
        bool pauses;
        std::vector<std::string> pages;
    } cases[] = {
        {"race tables page", exportBytes, "race.html", listed + traces + kColourPrompt + "Can't write race.html!\n",
         false, {"race_G.html"}},
        {"graph values page", exportBytes, "race_G.html",
         listed + traces + kColourPrompt + "Can't write race_G.html!\n", false, {"race.html"}},
        {"race tables page of a missing export", "", "race.html",
         listed + kColourPrompt + "Can't write race.html!\n" + kFailureLines, true, {}},
    };
    for (const auto& c : cases) {
        FileMap files = league(replay, c.exportBytes);
        files[std::string(c.blocked) + "/keep"] = "";
        const RunResult inProcess = runInProcess(runQuorrin, "race\n12\n", files);
        EXPECT_EQ(inProcess.exitStatus, 1) << c.name;
        EXPECT_EQ(inProcess.console, c.console + (c.pauses ? kPause : "")) << c.name;
        EXPECT_EQ(pagesWritten(inProcess, files), c.pages) << c.name;
        const RunResult built = runExecutable(QUORRIN_EXE, "race\n12\n", files);
        EXPECT_EQ(built.exitStatus, 1) << c.name;
        EXPECT_EQ(withUnixLineEnds(built.console), c.console + (c.pauses ? executablePausePrompt() : "")) << c.name;
        EXPECT_EQ(pagesWritten(built, files), c.pages) << c.name;
    }
}

}  // namespace
}  // namespace league::testing
