#include "quorrin/record/export_join.hpp"

#include "quorrin/quorrin_dialogue.hpp"
#include "quorrin/race_fixture.hpp"

#include "support/export_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace league::quorrin {
namespace {

using fixture::Driver;
using fixture::elapsedOf;
using fixture::lapsOf;
using fixture::raceOf;
using testing::raceExport;
using testing::RaceRow;

// A race export of one row is shorter than 1280 + 576 bytes when its names are short,
// and then has no row to read; the long bike name keeps every export here above that.
RaceRow raceRow(std::int32_t startNumber, const std::string& driverName, std::int32_t laps, std::int32_t raceTimeMs,
                std::int32_t penaltySeconds = 0) {
    return testing::raceRow(startNumber, driverName, "Falcon 990 R Factory Replica in Team Colours, Season 2026",
                            laps, raceTimeMs, penaltySeconds);
}

struct Joined {
    /// The trace lines the run lists.
    std::string trace;
    ExportJoin outcome;
};

// Joins the export to `race`.
Joined reconcile(RaceRecord& race, const std::string& exportBytes) {
    std::istringstream in;
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    const JoinedExport joined = joinExport(exportBytes, race);
    listJoinedRows(console, joined.rows);
    return {out.str(), joined.outcome};
}

Joined reconcile(RaceRecord& race, const std::vector<RaceRow>& rows) {
    return reconcile(race, raceExport(rows));
}

std::vector<std::int32_t> repeated(std::size_t count, std::int32_t time) {
    return std::vector<std::int32_t>(count, time);
}

TEST(ExportJoin, RaceTimeGivesEveryElapsedTimeAndTheFirstLap) {
    // 12 laps: lap 1 130000, lap k (2..12) 125000 + k.
    std::vector<std::int32_t> laps{130000};
    for (std::int32_t lap = 2; lap <= 12; ++lap) {
        laps.push_back(125000 + lap);
    }
    RaceRecord race = raceOf({{2, 12, "Ann", laps}});
    // 25:03.456 and a penalty of five seconds.
    const Joined joined = reconcile(race, {raceRow(12, "Ann", 12, 1503456, 5)});

    EXPECT_EQ(joined.trace, "12 taus=1503456 Straf=5000\n");
    EXPECT_EQ(joined.outcome, ExportJoin::Joined);
    const LapColumns& elapsed = race.raceTimeAtLap[2];
    EXPECT_EQ(elapsed[12], 1503456);
    EXPECT_EQ(elapsed[11], 1503456 - 125012);
    EXPECT_EQ(elapsed[2], 1503456 - (10 * 125000 + (3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11 + 12)));
    // The first lap: the race time minus laps 2 to 12 minus 12 / 2 ms.
    const std::int32_t firstLap = 1503456 - (11 * 125000 + 77) - 6;
    EXPECT_EQ(elapsed[1], firstLap);
    EXPECT_EQ(race.lapTime[2][1], firstLap);
    EXPECT_EQ(race.lapTime[2][0], 125002);
    EXPECT_EQ(race.penalty[2], 5000);
    EXPECT_EQ(race.winnerSlot, 2);
    for (std::int32_t lap = 2; lap < 12; ++lap) {
        EXPECT_EQ(elapsed[static_cast<std::size_t>(lap + 1)] - elapsed[static_cast<std::size_t>(lap)],
                  race.lapTime[2][static_cast<std::size_t>(lap + 1)])
            << "lap " << lap + 1;
    }
}

TEST(ExportJoin, TwoLapsNeedNoBackwardStep) {
    RaceRecord race = raceOf({{0, 4, "Bo", {95000, 90000}}});
    reconcile(race, {raceRow(4, "Bo", 2, 190000)});
    EXPECT_EQ(elapsedOf(race, 0), (std::vector<std::int32_t>{99999, 190000}));
    EXPECT_EQ(lapsOf(race, 0), (std::vector<std::int32_t>{99999, 90000}));
}

TEST(ExportJoin, LapCountsOfExportAndReplay) {
    // Slot 0 (#7) has 5 laps in the replay, slot 1 (#8) one lap; #9 is not in the replay.
    const std::vector<Driver> drivers{{0, 7, "Ann", repeated(5, 60000)},
                                      {1, 8, "Bob", {60000}},
                                      {2, 10, "Cleo", repeated(4, 61000)}};
    const RaceRow cleo = raceRow(10, "Cleo", 4, 250000);
    const std::string cleoTrace = "10 taus=250000 Straf=0\n";
    const struct {
        const char* name;
        RaceRow first;
        std::string trace;
        bool failed;
        std::int32_t winner;
    } cases[] = {
        {"equal: used", raceRow(7, "Ann", 5, 305000), "7 taus=305000 Straf=0\n" + cleoTrace, false, 0},
        {"fewer: the time goes to the replay's last lap", raceRow(7, "Ann", 4, 305000),
         "7 taus=305000 Straf=0\n" + cleoTrace, false, 0},
        {"more: used, failed, no further row", raceRow(7, "Ann", 6, 305000), "7 taus=305000 Straf=0\n", true,
         0},
        {"one lap in the replay: not used, no further row", raceRow(8, "Bob", 1, 65000), "", false, 1},
        {"no slot: not used, no further row", raceRow(9, "Dan", 5, 305000), "", false, kNoSlot},
    };
    for (const auto& c : cases) {
        RaceRecord race = raceOf(drivers);
        const Joined joined = reconcile(race, {c.first, cleo});
        EXPECT_EQ(joined.trace, c.trace) << c.name;
        EXPECT_EQ(joined.outcome, c.failed ? ExportJoin::NotThisRace : ExportJoin::Joined) << c.name;
        EXPECT_EQ(race.winnerSlot, c.winner) << c.name;
        if (!c.trace.empty()) {
            EXPECT_EQ(race.raceTimeAtLap[0][5], 305000) << c.name;
        }
        const bool cleoUsed = c.trace.find(cleoTrace) != std::string::npos;
        EXPECT_EQ(race.raceTimeAtLap[2][4], cleoUsed ? 250000 : 0) << c.name;
        // A row that is not used leaves the replay's first lap.
        EXPECT_EQ(race.lapTime[2][1], cleoUsed ? 250000 - 3 * 61000 - 2 : 61000) << c.name;
    }
}

TEST(ExportJoin, WinnerComesFromTheFirstRowAsSoonAsItsNumberIsRead) {
    const std::vector<Driver> drivers{{3, 7, "Ann", repeated(5, 60000)}, {5, 8, "Bob", repeated(5, 61000)}};
    RaceRow lettersInLaps = raceRow(8, "Bob", 5, 305000);
    lettersInLaps.laps = "ten";
    RaceRow lettersInNumber = raceRow(8, "Bob", 5, 305000);
    lettersInNumber.startNumber = "#8";
    RaceRow lettersInTime = raceRow(8, "Bob", 5, 305000);
    lettersInTime.raceTime = "DNF";
    const struct {
        const char* name;
        std::vector<RaceRow> rows;
        std::int32_t winner;
        std::string trace;
    } cases[] = {
        {"second slot first", {raceRow(8, "Bob", 5, 305000), raceRow(7, "Ann", 5, 306000)}, 5,
         "8 taus=305000 Straf=0\n7 taus=306000 Straf=0\n"},
        {"first row matches no slot", {raceRow(99, "Zed", 5, 305000)}, kNoSlot, ""},
        {"row abandoned after its number", {lettersInLaps, raceRow(7, "Ann", 5, 306000)}, 5, ""},
        {"row abandoned at its time", {lettersInTime, raceRow(7, "Ann", 5, 306000)}, 5, ""},
        {"row abandoned before its number", {lettersInNumber, raceRow(7, "Ann", 5, 306000)}, 3, ""},
        {"no rows", {}, 3, ""},
    };
    for (const auto& c : cases) {
        RaceRecord race = raceOf(drivers);
        ASSERT_EQ(race.winnerSlot, 3);
        const Joined joined = reconcile(race, c.rows);
        EXPECT_EQ(race.winnerSlot, c.winner) << c.name;
        EXPECT_EQ(joined.trace, c.trace) << c.name;
        EXPECT_EQ(joined.outcome, ExportJoin::Joined) << c.name;
    }
}

TEST(ExportJoin, ExportTooShortForTheRowRegionGivesNoRows) {
    const std::string bytes = raceExport({testing::raceRow(7, "Ann", "X", 5, 305000)});
    ASSERT_LE(bytes.size(), 1280u + 576u);
    RaceRecord race = raceOf({{3, 7, "Ann", repeated(5, 60000)}});
    const Joined joined = reconcile(race, bytes);
    EXPECT_EQ(joined.trace, "");
    EXPECT_EQ(joined.outcome, ExportJoin::Joined);
    EXPECT_EQ(race.winnerSlot, 3);
    EXPECT_EQ(race.raceTimeAtLap[3][5], 0);
}

TEST(ExportJoin, PenaltiesAndSharedStartNumbers) {
    // Slots 1 and 4 share #12: the later slot gets the rows.
    RaceRecord race = raceOf({{1, 12, "Old", repeated(3, 60000)}, {4, 12, "New", repeated(3, 60000)}});
    RaceRow plusZero = raceRow(12, "New", 3, 183000);
    plusZero.penalty = "+0";
    const Joined joined = reconcile(race, {raceRow(12, "New", 3, 181000, 5), raceRow(12, "New", 3, 182000),
                                           raceRow(12, "New", 3, 182500, 2), plusZero});
    EXPECT_EQ(joined.trace,
              "12 taus=181000 Straf=5000\n"
              "12 taus=182000 Straf=5000\n"
              "12 taus=182500 Straf=2000\n"
              "12 taus=183000 Straf=0\n");
    EXPECT_EQ(race.raceTimeAtLap[4][3], 183000);
    EXPECT_EQ(race.raceTimeAtLap[1][3], 0);
    EXPECT_EQ(race.penalty[1], 0);
}

}  // namespace
}  // namespace league::quorrin
