// The rules of the standings as small tables of situations an admin recognises:
// drops, and the order of equal totals.

#include "league/standings/countback.hpp"
#include "league/standings/drops.hpp"
#include "league/write/standings_texts.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

TEST(Drops, WorstScoresOfDroppableRoundsOnceEnoughRoundsAreHeld) {
    const struct {
        const char* situation;
        std::vector<std::int32_t> scores;
        std::vector<bool> keep;
        std::int32_t dropWorst;
        std::vector<bool> dropped;
    } cases[] = {
        {"no drops", {10, 0, 5}, {false, false, false}, 0, {false, false, false}},
        {"not more rounds held than dropped", {10}, {false}, 1, {false}},
        {"the lowest score", {10, 3, 5}, {false, false, false}, 1, {false, true, false}},
        {"a missed round scores 0", {10, 0, 5}, {false, false, false}, 1, {false, true, false}},
        {"equal scores: the earlier round", {4, 9, 4}, {true, false, false}, 1, {false, false, true}},
        {"equal scores, no keep", {4, 9, 4}, {false, false, false}, 1, {true, false, false}},
        {"a kept round is never dropped", {0, 8, 9}, {true, false, false}, 1, {false, true, false}},
        {"two drops", {7, 2, 5, 9}, {false, false, false, false}, 2, {false, true, true, false}},
        {"fewer droppable rounds than drops", {1, 2, 3}, {true, true, false}, 2, {false, false, true}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(droppedRounds(c.scores, c.keep, c.dropWorst), c.dropped) << c.situation;
    }
}

TEST(StandingsOrder, TotalsThenCountbackThenTheLaterBestPlaceThenShared) {
    const struct {
        const char* situation;
        std::vector<Contender> contenders;
        std::vector<std::string> order;
        std::vector<std::int32_t> positions;
        std::vector<std::string> footnotes;
    } cases[] = {
        {"higher total first",
         {{"Ann", 40, {{1, 2}, {2, 3}}}, {"Bob", 50, {{1, 1}, {2, 9}}}},
         {"Bob", "Ann"},
         {1, 2},
         {}},
        {"more wins",
         {{"Ann", 50, {{1, 2}, {2, 2}}}, {"Bob", 50, {{1, 1}, {2, 5}}}},
         {"Bob", "Ann"},
         {1, 2},
         {"Bob is ahead of Ann on countback: 1 win to 0"}},
        {"equal wins, more second places",
         {{"Ann", 60, {{1, 1}, {2, 3}, {3, 2}}}, {"Bob", 60, {{1, 1}, {2, 2}, {3, 2}}}},
         {"Bob", "Ann"},
         {1, 2},
         {"Bob is ahead of Ann on countback: 2 second places to 1"}},
        {"dropped and missed rounds count back too",
         {{"Ann", 20, {{1, 4}, {3, 4}}}, {"Bob", 20, {{1, 4}, {2, 4}, {3, 4}}}},
         {"Bob", "Ann"},
         {1, 2},
         {"Bob is ahead of Ann on countback: 3 4th places to 2"}},
        {"same places: the best place in the later round",
         {{"Ann", 30, {{1, 2}, {2, 5}}}, {"Bob", 30, {{1, 5}, {2, 2}}}},
         {"Bob", "Ann"},
         {1, 2},
         {"Bob is ahead of Ann: equal on countback, and the best place (P2) came later, in round 2 against round 1"}},
        {"still equal: shared, listed by name",
         {{"bob", 0, {}}, {"Ann", 0, {}}, {"Cy", 10, {{1, 3}}}},
         {"Cy", "Ann", "bob"},
         {1, 2, 2},
         {}},
    };
    for (const auto& c : cases) {
        const StandingsOrder order = orderStandings(c.contenders);
        std::vector<std::string> names;
        for (const std::size_t index : order.order) {
            names.push_back(c.contenders[index].name);
        }
        EXPECT_EQ(names, c.order) << c.situation;
        EXPECT_EQ(order.position, c.positions) << c.situation;
        EXPECT_EQ(tieFootnotes(order.ties), c.footnotes) << c.situation;
    }
}

}  // namespace
}  // namespace league::season
