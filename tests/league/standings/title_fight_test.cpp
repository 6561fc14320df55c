// Who can still win: the most and the least each rider can end the season with, as the
// standings would count them, and the champion once nobody can catch him.

#include "league/standings/title_fight.hpp"
#include "league/standings/season_standings.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace league::season {
namespace {

std::string riderOf(char initial) {
    return initial == 'A' ? "Ann" : initial == 'B' ? "Bob" : initial == 'C' ? "Cy" : "Dee";
}

// A race: its finish by initials ("" for a race to come) and its own points table
// (empty: the season's).
struct RaceSketch {
    std::string finish{};
    std::vector<std::int32_t> points{};
};

struct RoundSketch {
    std::vector<RaceSketch> races{};
    bool keep = false;
    std::pair<char, std::int32_t> pointsPenalty{};
};

// The season "R1", "R2", ...: each race one export, its riders a second apart.
SeasonResult seasonOf(const std::vector<RoundSketch>& rounds, std::vector<std::int32_t> points,
                      std::int32_t dropWorst, std::int32_t polePoints = 0) {
    SeasonFile file;
    file.points = std::move(points);
    file.dropWorst = dropWorst;
    file.polePoints = polePoints;
    RaceNights nights{std::vector<RoundExports>(rounds.size()), std::nullopt};
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        Round& round = file.rounds.emplace_back();
        round.name = "R" + std::to_string(r + 1);
        round.keep = rounds[r].keep;
        for (const RaceSketch& sketch : rounds[r].races) {
            round.races.push_back(ScoredRace{"Race", {}, sketch.points, 0});
            if (sketch.finish.empty()) {
                continue;
            }
            round.races.back().exports = {"race_" + std::to_string(round.races.size())};
            ExportRows grid{round.races.back().exports.front(), {}};
            for (const char initial : sketch.finish) {
                const std::int32_t place = static_cast<std::int32_t>(grid.rows.size());
                grid.rows.push_back(
                    ExportRow{initial, riderOf(initial), "Vexa", 10, 900000 + 1000 * place, false, 0, "", 0});
            }
            nights.rounds[r].races.push_back({grid});
        }
        if (rounds[r].pointsPenalty.first != 0) {
            round.penalties.push_back(Penalty{Penalty::Kind::Points, riderOf(rounds[r].pointsPenalty.first), "",
                                              std::nullopt, 0, rounds[r].pointsPenalty.second, "", 0});
        }
    }
    auto season = computeSeason(file, nights);
    EXPECT_TRUE(season.ok());
    return season.ok() ? *season : SeasonResult{};
}

const std::vector<std::int32_t> kTopThree{25, 18, 15};
const std::vector<std::int32_t> kFarApart{25, 10, 5};
const std::vector<std::int32_t> kSprint{12, 9, 7};

// After every held round of seasons with drops, keep, a points penalty, two races a
// round and a race of its own table: the definitions hold, and what really happened
// later stays within what each earlier title fight allowed.
TEST(TitleFight, ChancesAfterEveryRoundAgreeWithWhatFollowed) {
    const struct {
        const char* situation;
        SeasonResult season;
    } cases[] = {
        {"a runaway leader, decided before the last round",
         seasonOf({{{{"ABC"}}}, {{{"ABC"}}}, {{{"ABC"}}}, {{{"ABC"}}}, {{{"CBA"}}}}, kFarApart, 0)},
        {"drop worst, a round never dropped, a points penalty, a late rider, a round to come",
         seasonOf({{{{"ABC"}}, false, {'B', -5}}, {{{"CBA"}}, true}, {{{"BACD"}}}, {{{"ABCD"}}}, {{{}}}}, kFarApart,
                  1)},
        {"two races a round, one of its own table, pole points to come, two drops",
         seasonOf({{{{"ABC", kSprint}, {"BAC"}}}, {{{"BAC", kSprint}, {"ABC"}}}, {{{"ABC", kSprint}, {"ABC"}}},
                   {{{"", kSprint}, {}}, true}},
                  kFarApart, 2, 1)},
    };
    for (const auto& c : cases) {
        const SeasonResult& season = c.season;
        const Standings& final = season.standings();
        std::vector<std::int64_t> finalTotal(season.riders.size());
        for (const StandingsRow& row : final.rows) {
            finalTotal[row.rider] = row.total;
        }
        for (const Standings& after : season.standingsAfter) {
            const TitleFight fight = titleFight(season, season.riders, after);
            const std::string when = std::string(c.situation) + ", after " + std::to_string(after.heldRounds);
            std::optional<std::size_t> aboveEveryOther;
            for (const TitleFightRider& rider : fight.riders) {
                bool reachesEveryOther = true;
                bool above = true;
                for (const TitleFightRider& other : fight.riders) {
                    reachesEveryOther = reachesEveryOther && (&other == &rider || rider.maxTotal >= other.minTotal);
                    above = above && (&other == &rider || rider.minTotal > other.maxTotal);
                }
                EXPECT_EQ(rider.canWin, reachesEveryOther) << when;
                aboveEveryOther = above ? std::optional<std::size_t>(rider.rider) : aboveEveryOther;
                if (after.heldRounds < final.heldRounds) {
                    EXPECT_LE(rider.minTotal, finalTotal[rider.rider]) << when;
                    EXPECT_GE(rider.maxTotal, finalTotal[rider.rider]) << when;
                }
            }
            if (fight.roundsToCome > 0) {
                EXPECT_EQ(fight.champion, aboveEveryOther) << when;
            }
            if (fight.champion) {
                EXPECT_EQ(fight.champion, season.titleFight.champion) << when;
            }
        }
    }
}

// Small seasons as an admin works them out by hand.
TEST(TitleFight, SmallSeasonsWorkedOutByHand) {
    using Chances = std::tuple<std::string, std::int64_t, std::int64_t, std::int64_t, bool, bool>;
    const struct {
        const char* situation;
        SeasonResult season;
        std::vector<Chances> riders;  // rider, total, max, min, can win, in own hands
        std::size_t roundsToCome;
        std::int64_t pointsAvailable;
        std::string champion;
        std::optional<std::size_t> decidedAfterRound;
    } cases[] = {
        {"two rounds to come: all can win; Bob's wins only tie Ann's second places",
         seasonOf({{{{"ABC"}}}, {{{"ABC"}}}, {{{}}}, {{{}}}}, kTopThree, 0),
         {{"Ann", 50, 100, 50, true, true}, {"Bob", 36, 86, 36, true, false}, {"Cy", 30, 80, 30, true, false}},
         2, 50, "", std::nullopt},
        {"Bob cannot reach Ann's 50 in the one round to come: decided after round 2",
         seasonOf({{{{"ABC"}}}, {{{"ABC"}}}, {{{}}}}, kFarApart, 0),
         {{"Ann", 50, 75, 50, true, true}, {"Bob", 20, 45, 20, false, false}, {"Cy", 10, 35, 10, false, false}},
         1, 25, "Ann", 2},
        {"two races to come, one of its own table, and the pole: Bob's wins beat Ann's second places",
         seasonOf({{{{"ABC"}}}, {{{"", kSprint}, {}}}}, kFarApart, 0, 1),
         {{"Ann", 25, 63, 25, true, true}, {"Bob", 10, 48, 10, true, true}, {"Cy", 5, 43, 5, true, false}},
         1, 38, "", std::nullopt},
        {"drop worst: the round to come can only replace Ann's worst, Bob has a penalty: decided",
         seasonOf({{{{"ABC"}}}, {{{"ABC"}}, false, {'B', -5}}, {{{}}}}, kTopThree, 1),
         {{"Ann", 25, 50, 50, true, true}, {"Cy", 15, 40, 30, false, false}, {"Bob", 13, 38, 31, false, false}},
         1, 25, "Ann", 2},
        {"the same round to come never dropped: Ann could still lose a round, still open",
         seasonOf({{{{"ABC"}}}, {{{"ABC"}}, false, {'B', -5}}, {{{}}, true}}, kTopThree, 1),
         {{"Ann", 25, 50, 25, true, true}, {"Cy", 15, 40, 15, true, false}, {"Bob", 13, 38, 13, true, false}},
         1, 25, "", std::nullopt},
        {"every round held, the last one decided it",
         seasonOf({{{{"ABC"}}}, {{{"ABC"}}}, {{{"BAC"}}}}, kTopThree, 0),
         {{"Ann", 68, 68, 68, true, true}, {"Bob", 61, 61, 61, false, false}, {"Cy", 45, 45, 45, false, false}},
         0, 0, "Ann", 3},
        {"every round held, Ann out of reach since round 4",
         seasonOf({{{{"ABC"}}}, {{{"ABC"}}}, {{{"ABC"}}}, {{{"ABC"}}}, {{{"CBA"}}}}, kFarApart, 0),
         {{"Ann", 105, 105, 105, true, true}, {"Bob", 50, 50, 50, false, false}, {"Cy", 45, 45, 45, false, false}},
         0, 0, "Ann", 4},
    };
    for (const auto& c : cases) {
        const TitleFight& fight = c.season.titleFight;
        std::vector<Chances> riders;
        for (const TitleFightRider& rider : fight.riders) {
            riders.emplace_back(c.season.riders[rider.rider].name, rider.total, rider.maxTotal, rider.minTotal,
                                rider.canWin, rider.inOwnHands);
        }
        EXPECT_EQ(riders, c.riders) << c.situation;
        EXPECT_EQ(std::make_tuple(fight.roundsToCome, fight.pointsAvailable, fight.decidedAfterRound),
                  std::make_tuple(c.roundsToCome, c.pointsAvailable, c.decidedAfterRound))
            << c.situation;
        EXPECT_EQ(fight.champion ? c.season.riders[*fight.champion].name : "", c.champion) << c.situation;
    }
}

}  // namespace
}  // namespace league::season
