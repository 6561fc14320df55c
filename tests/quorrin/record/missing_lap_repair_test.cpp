#include "quorrin/record/missing_lap_repair.hpp"

#include "quorrin/quorrin_dialogue.hpp"
#include "quorrin/race_fixture.hpp"

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

struct Dialogue {
    std::string console;
    std::string unread;
};

template <typename Pass>
Dialogue answer(RaceRecord& race, const std::string& answers, Pass pass) {
    std::istringstream in(answers);
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    pass(race, console);
    std::string rest;
    std::getline(in, rest, '\0');
    return Dialogue{out.str(), rest};
}

// The two repair passes as the run holds them: every question is asked, and a "y"
// splits the lap before the next question is looked for.
void offerSlowLapRepairs(RaceRecord& race, Console& console) {
    for (auto question = nextSlowLapQuestion(race, std::nullopt); question;
         question = nextSlowLapQuestion(race, question)) {
        if (askToAddLap(console, race, *question)) {
            splitLap(race, question->slot, question->lap);
        }
    }
}

void offerFirstLapRepairs(RaceRecord& race, Console& console) {
    for (auto question = nextFirstLapQuestion(race, std::nullopt); question;
         question = nextFirstLapQuestion(race, question)) {
        if (askToAddLap(console, race, *question)) {
            splitFirstLap(race, question->slot);
        }
    }
}

std::string question(int lap, std::int32_t startNumber, const std::string& name, bool caution = false) {
    std::string text = "Lap " + std::to_string(lap) + " of #" + std::to_string(startNumber) + " " + name +
                       " has a very slow laptime.\n"
                       "It seems Korvex has forget to count a lap.\n"
                       "If you would add a lap for the driver press \"y\" else press \"n\"!\n";
    if (caution) {
        text += "Be carefull it's the last lap of the driver. Maybe the race time must be edited in export.\n";
    }
    return text;
}

TEST(MissingLapRepair, ThresholdIs185HundredthsOfTheBestLap) {
    EXPECT_EQ(slowLapThreshold(60000), 111000);
    EXPECT_EQ(slowLapThreshold(59999), 110998);  // 11099815 / 100, truncated

    const struct {
        std::int32_t lap;
        bool asked;
    } cases[] = {{111000, false}, {111001, true}};
    for (const auto& c : cases) {
        RaceRecord race = raceOf({{0, 7, "Ann", {60000, c.lap, 61000}}});
        const Dialogue dialogue = answer(race, "", offerSlowLapRepairs);
        EXPECT_EQ(dialogue.console, c.asked ? question(2, 7, "Ann") : "") << c.lap;
    }
}

TEST(MissingLapRepair, SplittingGivesTwoHalvesAndMovesTheLapsAbove) {
    const struct {
        const char* name;
        std::vector<std::int32_t> laps;
        int split;
        std::vector<std::int32_t> after;
    } cases[] = {
        {"120001 ms", {60000, 120001}, 2, {60000, 60000, 60001}},
        {"lap 3 of 5", {61000, 62000, 180000, 64000, 65000}, 3, {61000, 62000, 90000, 90000, 64000, 65000}},
        {"last lap: nothing moves", {61000, 62000, 181001}, 3, {61000, 62000, 90500, 90501}},
        {"odd negative time keeps its sum", {61000, -5}, 2, {61000, -2, -3}},
        {"lap the slot does not have", {61000, 62000}, 3, {61000, 62000}},
    };
    for (const auto& c : cases) {
        RaceRecord race = raceOf({{4, 9, "Dan", c.laps}});
        const std::int32_t best = race.lapTime[4][0];
        splitLap(race, 4, c.split);
        EXPECT_EQ(lapsOf(race, 4), c.after) << c.name;
        EXPECT_EQ(race.lapTime[4][c.after.size() + 1], 0) << c.name;
        EXPECT_EQ(race.lapTime[4][0], best) << c.name;
        EXPECT_EQ(race.maxLap, static_cast<std::int32_t>(c.laps.size())) << c.name;
    }
}

TEST(MissingLapRepair, FirstPassGoesDownFromTheLastLapAndAsksNoLapTwice) {
    // Best lap 60000, threshold 111000. Lap 4 is four laps in one: after its split the
    // new lap 5 (120000) is still slow but is not asked about again.
    RaceRecord race = raceOf({{0, 12, "Ann Rider", {60000, 130000, 61000, 240000, 62000}}});
    const Dialogue dialogue = answer(race, "y\ny\n", offerSlowLapRepairs);
    EXPECT_EQ(dialogue.console, question(4, 12, "Ann Rider") + question(2, 12, "Ann Rider"));
    EXPECT_EQ(lapsOf(race, 0), (std::vector<std::int32_t>{60000, 65000, 65000, 61000, 120000, 120000, 62000}));
    EXPECT_EQ(race.lapsDone[0], 7);
    EXPECT_EQ(race.maxLap, 5);
}

TEST(MissingLapRepair, OnlyALowerCaseYAccepts) {
    const struct {
        const char* answers;
        std::vector<std::int32_t> after;
        const char* unread;
    } cases[] = {
        {"y y y", {60000, 100000, 100000, 100000, 100000, 100000, 100000}, ""},
        {"n y Y", {60000, 200000, 100000, 100000, 200000}, ""},
        // "yes" answers three questions: y accepts, e and s decline.
        {"yes\n", {60000, 200000, 200000, 100000, 100000}, "\n"},
        {"\n  y", {60000, 200000, 200000, 100000, 100000}, ""},
        {"", {60000, 200000, 200000, 200000}, ""},
    };
    for (const auto& c : cases) {
        RaceRecord race = raceOf({{0, 3, "Cleo", {60000, 200000, 200000, 200000}}});
        const Dialogue dialogue = answer(race, c.answers, offerSlowLapRepairs);
        EXPECT_EQ(lapsOf(race, 0), c.after) << c.answers;
        EXPECT_EQ(dialogue.unread, c.unread) << c.answers;
        // Cleo is the only driver, so her last lap is cautioned.
        EXPECT_EQ(dialogue.console, question(4, 3, "Cleo", true) + question(3, 3, "Cleo") + question(2, 3, "Cleo"))
            << c.answers;
    }
}

TEST(MissingLapRepair, CautionOnTheLastLapOfADriverWhoGotFar) {
    // The winner (slot 0) has 8 laps: a last lap is cautioned above 3 * 8 / 4 = 6 laps.
    const std::vector<std::int32_t> eight(8, 60000);
    const struct {
        const char* name;
        std::vector<std::int32_t> laps;
        bool noWinner;
        std::string console;
    } cases[] = {
        {"7 laps, last slow", {60000, 60000, 60000, 60000, 60000, 60000, 200000}, false,
         question(7, 5, "Eve", true)},
        {"6 laps, last slow", {60000, 60000, 60000, 60000, 60000, 200000}, false, question(6, 5, "Eve")},
        {"7 laps, lap 6 slow", {60000, 60000, 60000, 60000, 60000, 200000, 60000}, false, question(6, 5, "Eve")},
        {"no winner counts as 0 laps", {60000, 200000}, true, question(2, 5, "Eve", true)},
    };
    for (const auto& c : cases) {
        RaceRecord race = raceOf({{0, 1, "Lead", eight}, {6, 5, "Eve", c.laps}});
        if (c.noWinner) {
            race.winnerSlot = kNoSlot;
        }
        const Dialogue dialogue = answer(race, "n\n", offerSlowLapRepairs);
        EXPECT_EQ(dialogue.console, c.console) << c.name;
    }

    // The winner's lap count as it stands when the question comes: split from 7 to 8
    // laps, it raises the mark from 3 * 7 / 4 = 5 to 6, and Eve's 6 laps stay below it.
    RaceRecord race = raceOf({{0, 1, "Lead", {60000, 60000, 60000, 60000, 60000, 60000, 200000}},
                              {6, 5, "Eve", {60000, 60000, 60000, 60000, 60000, 200000}}});
    const Dialogue dialogue = answer(race, "y\nn\n", offerSlowLapRepairs);
    EXPECT_EQ(dialogue.console, question(7, 1, "Lead", true) + question(6, 5, "Eve"));
}

TEST(MissingLapRepair, FirstPassLeavesOutSlotsItMustNotAskAbout) {
    const std::vector<std::int32_t> thirtyNine = [] {
        std::vector<std::int32_t> laps(39, 60000);
        laps[20] = 200000;
        return laps;
    }();
    const std::vector<std::int32_t> thirtyEight = [] {
        std::vector<std::int32_t> laps(38, 60000);
        laps[37] = 200000;
        laps[9] = 200000;
        return laps;
    }();
    const struct {
        const char* name;
        Driver driver;
        std::string console;
    } cases[] = {
        {"start number 0", {2, 0, "Nil", {60000, 200000}}, ""},
        {"negative start number", {2, -3, "Neg", {60000, 200000}}, ""},
        {"one lap", {2, 4, "One", {200000}}, ""},
        {"39 laps: no room for another", {2, 4, "Full", thirtyNine}, ""},
        {"38 laps: only the first split fits", {2, 4, "Near", thirtyEight}, question(38, 4, "Near", true)},
    };
    for (const auto& c : cases) {
        RaceRecord race = raceOf({c.driver});
        const Dialogue dialogue = answer(race, "y\ny\n", offerSlowLapRepairs);
        EXPECT_EQ(dialogue.console, c.console) << c.name;
    }
}

TEST(MissingLapRepair, SplittingTheFirstLapMovesBothTables) {
    const struct {
        const char* name;
        std::vector<std::int32_t> laps;
        std::vector<std::int32_t> elapsed;
        std::vector<std::int32_t> lapsAfter;
        std::vector<std::int32_t> elapsedAfter;
    } cases[] = {
        {"three laps",
         {190001, 61000, 62000},
         {190001, 251001, 313001},
         {95000, 95001, 61000, 62000},
         {95000, 190001, 251001, 313001}},
        {"one lap", {130001}, {130003}, {65000, 65001}, {65001, 130003}},
        {"row not used: elapsed stay 0", {190000, 61000}, {0, 0}, {95000, 95000, 61000}, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        RaceRecord race = raceOf({{1, 8, "Finn", c.laps}});
        for (std::size_t lap = 0; lap < c.elapsed.size(); ++lap) {
            race.raceTimeAtLap[1][lap + 1] = c.elapsed[lap];
        }
        splitFirstLap(race, 1);
        EXPECT_EQ(lapsOf(race, 1), c.lapsAfter) << c.name;
        EXPECT_EQ(elapsedOf(race, 1), c.elapsedAfter) << c.name;
    }
}

TEST(MissingLapRepair, SecondPassAsksAboutFirstLapsAboveTwiceTheBest) {
    const struct {
        const char* name;
        Driver driver;
        std::int32_t firstLap;
        std::string console;
    } cases[] = {
        {"exactly twice the best", {0, 7, "Ann", {61000, 60000}}, 120000, ""},
        {"one ms more", {0, 7, "Ann", {61000, 60000}}, 120001, question(1, 7, "Ann")},
        {"last lap gets no caution", {0, 7, "Ann", {61000, 60000, 61000, 62000}}, 200000, question(1, 7, "Ann")},
        {"start number 0", {0, 0, "Nil", {61000, 60000}}, 200000, ""},
        {"one lap is its own best", {0, 7, "Ann", {90000}}, 90000, ""},
        {"39 laps: no room for another", {0, 7, "Ann", std::vector<std::int32_t>(39, 60000)}, 200000, ""},
    };
    for (const auto& c : cases) {
        RaceRecord race = raceOf({c.driver});
        race.lapTime[0][1] = c.firstLap;
        const Dialogue dialogue = answer(race, "n\n", offerFirstLapRepairs);
        EXPECT_EQ(dialogue.console, c.console) << c.name;
        EXPECT_EQ(race.lapsDone[0], static_cast<std::int32_t>(c.driver.laps.size())) << c.name;
    }

    // Accepted for one slot, declined for the next, in slot order.
    RaceRecord race = raceOf({{3, 7, "Ann", {61000, 60000, 60500}}, {9, 12, "Bob", {61000, 60000}}});
    race.lapTime[3][1] = 180000;
    race.raceTimeAtLap[3] = LapColumns{0, 180000, 240000, 300500};
    race.lapTime[9][1] = 150000;
    const Dialogue dialogue = answer(race, "y n", offerFirstLapRepairs);
    EXPECT_EQ(dialogue.console, question(1, 7, "Ann") + question(1, 12, "Bob"));
    EXPECT_EQ(lapsOf(race, 3), (std::vector<std::int32_t>{90000, 90000, 60000, 60500}));
    EXPECT_EQ(elapsedOf(race, 3), (std::vector<std::int32_t>{90000, 180000, 240000, 300500}));
    EXPECT_EQ(lapsOf(race, 9), (std::vector<std::int32_t>{150000, 60000}));
}

}  // namespace
}  // namespace league::quorrin
