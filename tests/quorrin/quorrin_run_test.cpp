#include "quorrin/quorrin_run.hpp"

#include "common/memory_disk.hpp"
#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <utility>

namespace league::quorrin {
namespace {

using testing::FileMap;
using testing::raceExport;
using testing::raceRow;
using testing::ReplayBuilder;

const std::string kPrompt = "Please put in a name of a replay-file (without .rpy)!\n";
const std::string& kPause = testing::kTestPausePrompt;

struct Prepared {
    std::optional<int> stopped;
    PreparedRace prepared;
    std::string console;
    FileMap written;
};

// Runs the dialogue up to the pages over a disk holding `files`.
Prepared prepare(const std::string& answers, const FileMap& files) {
    MemoryDisk disk(files);
    std::istringstream in(answers);
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    Prepared result;
    if (auto prepared = prepareRace(console, disk)) {
        result.prepared = std::move(*prepared);
    } else {
        result.stopped = prepared.reason();
    }
    result.console = out.str();
    for (const auto& [name, bytes] : disk.files()) {
        const auto given = files.find(name);
        if (given == files.end() || given->second != bytes) {
            result.written[name] = bytes;
        }
    }
    return result;
}

ReplayBuilder twoRiders() {
    ReplayBuilder replay;
    replay.driver(0, 7, "Ann Rider", "Falcon 990").driver(4, 12, "Bob Bolt", "Hornet RR");
    replay.raceStart();
    replay.lap(0, 1, 95000).lap(4, 1, 96000).lap(4, 2, 90000).lap(0, 2, 91000).lap(4, 3, 91000).lap(0, 3, 92000);
    return replay;
}

TEST(QuorrinRun, NamesBeyondTheirCapacitiesAreRefusedBeforeTheEcho) {
    const std::string folder49 = std::string(48, 'f') + "\\";
    const struct {
        const char* name;
        std::string folder;
        std::string replayName;
        bool refused;
    } cases[] = {
        {"answer of 39", "sim\\", std::string(39, 'r'), false},
        {"answer of 40", "sim\\", std::string(40, 'r'), true},
        {"export path of 79", folder49, std::string(17, 'r'), false},
        {"export path of 80", folder49, std::string(18, 'r'), true},
    };
    for (const auto& c : cases) {
        const Prepared result = prepare(c.replayName + "\n", {{"Quorrin.ini", c.folder}});
        ASSERT_TRUE(result.stopped.has_value()) << c.name;
        EXPECT_EQ(*result.stopped, 1) << c.name;
        const std::string echo = c.folder + "replays\\" + c.replayName + ".rpy\n" + c.folder + "exports\\" +
                                 c.replayName + ".html\n\n";
        EXPECT_EQ(result.console, kPrompt + (c.refused ? "The name is too long!\n"
                                                       : echo + "Dateiname or Pfad false!!!\n") +
                                      kPause)
            << c.name;
        EXPECT_TRUE(result.written.empty()) << c.name;
    }
}

TEST(QuorrinRun, ComposesThePathsAndPageNames) {
    const Prepared result = prepare("race\n", {{"Quorrin.ini", "sim\\"}, {"sim/replays/race.rpy", twoRiders().bytes()}});
    EXPECT_FALSE(result.stopped.has_value());
    const RunFiles& files = result.prepared.files;
    EXPECT_EQ(files.replayName, "race");
    EXPECT_EQ(files.replayPath, "sim\\replays\\race.rpy");
    EXPECT_EQ(files.exportPath, "sim\\exports\\race.html");
    EXPECT_EQ(files.pageFileName, "race.html");
    EXPECT_EQ(files.graphFileName, "race_G.html");
    EXPECT_EQ(files.chartsFileName, "race_charts.html");
}

TEST(QuorrinRun, ReplayThatCannotBeOpened) {
    const std::string replay = twoRiders().bytes();
    const struct {
        const char* name;
        FileMap files;
        std::string paths;
    } cases[] = {
        {"folder without its backslash", {{"Quorrin.ini", "sim"}, {"sim/replays/race.rpy", replay}},
         "simreplays\\race.rpy\nsimexports\\race.html\n\n"},
        {"replay path names a folder", {{"Quorrin.ini", "sim\\"}, {"sim/replays/race.rpy/inside", replay}},
         "sim\\replays\\race.rpy\nsim\\exports\\race.html\n\n"},
    };
    for (const auto& c : cases) {
        const Prepared result = prepare("race\n", c.files);
        ASSERT_TRUE(result.stopped.has_value()) << c.name;
        EXPECT_EQ(*result.stopped, 1) << c.name;
        EXPECT_EQ(result.console, kPrompt + c.paths + "Dateiname or Pfad false!!!\n" + kPause) << c.name;
    }
}

TEST(QuorrinRun, EmptyConfigurationLooksBelowTheWorkingFolder) {
    const Prepared result = prepare("race second\n", {{"Quorrin.ini", ""}, {"replays/race.rpy", twoRiders().bytes()}});
    EXPECT_FALSE(result.stopped.has_value());
    EXPECT_EQ(result.prepared.race.trackName, "Harbour Loop");
    EXPECT_EQ(result.console, kPrompt + "replays\\race.rpy\nexports\\race.html\n\n" +
                                  "Harbour Loop\n\n7 Ann Rider\n12 Bob Bolt\n\n");
}

TEST(QuorrinRun, ExportDecidesWinnerAndWhetherThePositionTableCanBeMade) {
    const std::string replay = twoRiders().bytes();
    const struct {
        const char* name;
        std::string exportBytes;
        bool exportIsFolder;
        ExportJoin join;
        std::int32_t winner;
    } cases[] = {
        {"no export", "", false, ExportJoin::Missing, 4},
        {"export in finishing order",
         raceExport({raceRow(7, "Ann Rider", "Falcon 990", 3, 280000), raceRow(12, "Bob Bolt", "Hornet RR", 3, 281000)}),
         false, ExportJoin::Joined, 0},
        {"first row matches no slot",
         raceExport({raceRow(99, "Zed", "Falcon 990", 3, 280000), raceRow(12, "Bob Bolt", "Hornet RR", 3, 281000)}),
         false, ExportJoin::Joined, kNoSlot},
        {"a folder in place of the export", "", true, ExportJoin::Missing, 4},
    };
    for (const auto& c : cases) {
        FileMap files{{"Quorrin.ini", "sim\\"}, {"sim/replays/race.rpy", replay}};
        if (!c.exportBytes.empty()) {
            files["sim/exports/race.html"] = c.exportBytes;
        }
        if (c.exportIsFolder) {
            files["sim/exports/race.html/inside"] = "x";
        }
        const Prepared result = prepare("race\n", files);
        EXPECT_FALSE(result.stopped.has_value()) << c.name;
        EXPECT_EQ(result.prepared.exportJoin, c.join) << c.name;
        EXPECT_EQ(result.prepared.race.winnerSlot, c.winner) << c.name;
        // The replay's lap table stands with or without export.
        EXPECT_EQ(result.prepared.race.maxLap, 3) << c.name;
        EXPECT_EQ(result.prepared.race.driverCount, 2) << c.name;
        EXPECT_TRUE(result.written.empty()) << c.name;
    }
}

}  // namespace
}  // namespace league::quorrin
