// The CSV files and forum texts, as a spreadsheet and a forum read them.

#include "league/write/csv_text.hpp"
#include "league/write/forum_text.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

TEST(TextFiles, CsvWithByteOrderMarkQuotingAndForumTableWithTitle) {
    const TextTable table{"",
                          {"Rider", "Reason"},
                          {{"Ann", "plain"}, {"Tom & Jerry", "late, twice"}, {"Bob", "said \"no\""}, {"Cy", "a\r\nb"}}};
    EXPECT_EQ(csvText(table), "\xEF\xBB\xBF" "Rider,Reason\r\nAnn,plain\r\nTom & Jerry,\"late, twice\"\r\n"
                              "Bob,\"said \"\"no\"\"\"\r\nCy,\"a\r\nb\"\r\n");
    EXPECT_EQ(forumText("Cup - round 1", {TextTable{"", {"Pos", "Rider"}, {{"1", "Ann"}}},
                                          TextTable{"Grid 2 - 1 rider", {"Pos"}, {{"2"}}}}),
              "Cup - round 1\r\n\r\n[table]\r\n[tr][td][b]Pos[/b][/td] [td][b]Rider[/b][/td] [/tr]\r\n"
              "[tr][td]1[/td] [td]Ann[/td] [/tr]\r\n[/table]\r\n"
              "\r\nGrid 2 - 1 rider\r\n[table]\r\n[tr][td][b]Pos[/b][/td] [/tr]\r\n[tr][td]2[/td] [/tr]\r\n[/table]\r\n");
}

}  // namespace
}  // namespace league::season
