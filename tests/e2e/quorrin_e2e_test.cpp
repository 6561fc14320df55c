// Whole Quorrin dialogues over replays and exports laid out as the simulator writes
// them, in a folder set up as a league admin has it: "Quorrin.ini" naming the relative
// simulator folder "sim\", with the replay and the export below it.

#include "quorrin/quorrin_run.hpp"

#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace league::testing {
namespace {

using quorrin::runQuorrin;

const std::string kPrompt = "Please put in a name of a replay-file (without .rpy)!\n";
const std::string kPaths = "sim\\replays\\race.rpy\nsim\\exports\\race.html\n\n";
const std::string kPause = "Press any key to continue . . . ";

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
           question(1, kDan);
}

TEST(QuorrinDialogue, WholeRaceNight) {
    const FileMap files = raceNight();
    const RunResult result = runInProcess(runQuorrin, "race\ny\nn\ny\n", files);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.console, raceNightDialogue());
    EXPECT_TRUE(filesWritten(result, files).empty());
}

TEST(QuorrinDialogue, WholeRaceNightFromTheBuiltProgram) {
    const FileMap files = raceNight();
    const RunResult result = runExecutable(QUORRIN_EXE, "race\ny\nn\ny\n", files);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(withUnixLineEnds(result.console), raceNightDialogue());
    EXPECT_TRUE(filesWritten(result, files).empty());
}

TEST(QuorrinDialogue, OnlyTheLapsAfterTheLastRaceStartCount) {
    // Ann's race laps: best 90000, so her 94000 is no slow lap. Laps of 50000 before
    // the race would lower the threshold to 92500 and make it one.
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
        kPrompt + kPaths + entryList({ann, bob}) + trace(ann, 280000) + trace(bob, 281000);
    for (const ReplayBuilder* replay : {&twoMarkers, &noMarker}) {
        const RunResult result = runInProcess(runQuorrin, "race\n", league(replay->bytes(), exportBytes));
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.console, expected);
    }
}

TEST(QuorrinDialogue, ExportWithMoreLapsThanTheReplay) {
    // Ann's lap 3 holds two laps. Declined, the replay has 5 laps against the export's 6:
    // her row is used, the export does not fit, no further row is read and no first-lap
    // question comes. Accepted, the counts agree and the race goes on; the first lap
    // left by her race time (248497) is then questioned.
    const Rider ann{0, 7, "Ann Rider", "Falcon 990", {95000, 90000, 180000, 91000, 90500}};
    const Rider bob{1, 12, "Bob Bolt", "Hornet RR", {94000, 90000, 90200, 90100, 90300, 90400}};
    const FileMap files =
        league(replayOf({ann, bob}).bytes(), raceExport({row(ann, 6, 700000), row(bob, 6, 545003)}));
    const std::string start = kPrompt + kPaths + entryList({ann, bob}) + question(3, ann) + trace(ann, 700000);
    const struct {
        const char* answers;
        std::string console;
    } cases[] = {
        {"race\nn\n", start},
        {"race\ny\n", start + trace(bob, 545003) + question(1, ann)},
    };
    for (const auto& c : cases) {
        const RunResult result = runInProcess(runQuorrin, c.answers, files);
        EXPECT_EQ(result.exitStatus, 0) << c.answers;
        EXPECT_EQ(result.console, c.console) << c.answers;
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
        std::string console;
    } cases[] = {
        {"missing export", "", listed},
        {"first row matches no slot", raceExport({row(stranger, 3, 280000), row(ann, 3, 281000)}),
         listed + question(1, ann)},
    };
    for (const auto& c : cases) {
        const FileMap files = league(replay, c.exportBytes);
        const RunResult result = runInProcess(runQuorrin, "race\n", files);
        EXPECT_EQ(result.exitStatus, 0) << c.name;
        EXPECT_EQ(result.console, c.console) << c.name;
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

}  // namespace
}  // namespace league::testing
