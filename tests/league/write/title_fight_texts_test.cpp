// The title fight in words: the forum's line, and the page's section only while there
// is something to tell (the sample season's pages show its table).

#include "league/write/title_fight_section.hpp"
#include "league/write/title_fight_texts.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

// Three riders and a calendar of four rounds; the title fight is set by each case.
SeasonResult seasonWith(TitleFight fight) {
    SeasonResult result;
    for (const char* name : {"Ann", "Bob", "Cy"}) {
        result.riders.push_back(RiderSeason{.name = name});
    }
    for (const char* name : {"Kestrel Bay", "Harbour Loop", "Saltmarsh Ring", "Ridgeback Hill"}) {
        result.calendar.push_back(CalendarRound{.name = name});
    }
    result.titleFight = std::move(fight);
    return result;
}

TitleFightRider chances(std::size_t rider, std::int64_t total, std::int64_t maxTotal, bool canWin, bool inOwnHands) {
    static const char* const kNames[] = {"Ann", "Bob", "Cy"};
    return TitleFightRider{rider, kNames[rider], total, maxTotal, total, canWin, inOwnHands};
}

TEST(TitleFightTexts, ForumLineWhileOpenOnceDecidedAndAtTheEnd) {
    const struct {
        const char* situation;
        TitleFight fight;
        std::string line;
    } cases[] = {
        {"open",
         {2, 50, std::nullopt, std::nullopt,
          {chances(0, 50, 100, true, true), chances(1, 36, 86, true, false), chances(2, 10, 60, false, false)}},
         "Title fight: 50 points still available in 2 rounds; can still win: Ann (max 100), Bob (max 86)"},
        {"decided with a round to come",
         {1, 1, 1, 2, {chances(1, 50, 51, true, true), chances(0, 20, 21, false, false)}},
         "Title fight: 1 point still available in 1 round; champion: Bob, decided after round 2 (Harbour Loop)"},
        {"every round held",
         {0, 0, 0, 4, {chances(0, 68, 68, true, true), chances(1, 61, 61, false, false)}},
         "Champion: Ann, decided after round 4 (Ridgeback Hill)"},
        {"every round held, first place shared",
         {0, 0, std::nullopt, std::nullopt, {chances(0, 68, 68, true, false), chances(1, 68, 68, true, false)}},
         ""},
        {"no rider yet", {4, 100, std::nullopt, std::nullopt, {}}, ""},
    };
    for (const auto& c : cases) {
        const SeasonResult result = seasonWith(c.fight);
        EXPECT_EQ(titleFightLine(result, result.titleFight), c.line) << c.situation;

        ReportWriter page(PageConventions::Html5);
        writeTitleFightSection(page, result, result.titleFight, kPage);
        EXPECT_EQ(page.bytes().empty(), c.line.empty()) << c.situation;
        const std::string champion = championText(result, result.titleFight);
        EXPECT_EQ(!champion.empty() && page.bytes().find(champion) != std::string_view::npos,
                  result.titleFight.champion.has_value())
            << c.situation;
    }
}

}  // namespace
}  // namespace league::season
