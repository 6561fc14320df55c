// Discord messages: every message fits Discord's limit and is complete (its code
// blocks closed), the rows of a long table follow each other over the messages, and
// no name can mention anyone, end a code block or format the notes.

#include "league/write/discord_messages.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

// A standings table of `riders` riders with long names and four rounds.
Table standingsOf(std::size_t riders) {
    Table table{"", {{"Pos"}, {"Rider", "", "", "", ColumnLook::Name}, {"R1"}, {"R2"}, {"R3"}, {"R4"}, {"Total"}}, {}};
    for (std::size_t r = 1; r <= riders; ++r) {
        table.rows.push_back({{{std::to_string(r)},
                               {"Rider number " + std::to_string(r) + " of the field"},
                               {"25"}, {"(18)"}, {"DSQ"}, {"\u2013"}, {std::to_string(1000 - r)}},
                              std::nullopt});
    }
    return table;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++found;
    }
    return found;
}

TEST(DiscordMessages, LongPostsAreCutBetweenRowsIntoCompleteMessagesOfAtMostTheLimit) {
    const struct {
        std::size_t riders;
        std::size_t notes;
        bool cut;
    } cases[] = {{3, 1, false}, {40, 2, true}, {99, 40, true}};
    for (const auto& c : cases) {
        const PostContent post{{"Cup 2026 - standings after round 4 of 9"},
                               {standingsOf(c.riders)},
                               {{"Penalties:", std::vector<std::string>(c.notes, std::string(60, 'x'))}}};
        const std::vector<std::string> messages = discordMessages(post);
        EXPECT_EQ(messages.size() > 1, c.cut) << c.riders;
        std::size_t nextRider = 1;
        for (const std::string& message : messages) {
            EXPECT_LE(discordLength(message), kDiscordMessageLimit) << c.riders;
            EXPECT_EQ(message.rfind("**Cup 2026 - standings after round 4 of 9", 0), 0U) << message;
            EXPECT_EQ(count(message, "```\n") % 2, 0U) << message;
            for (std::size_t at = message.find("Rider number "); at != std::string::npos;
                 at = message.find("Rider number ", at + 1)) {
                EXPECT_EQ(message.compare(at, 13 + std::to_string(nextRider).size() + 1,
                                          "Rider number " + std::to_string(nextRider) + " "),
                          0)
                    << message;
                ++nextRider;
            }
        }
        EXPECT_EQ(nextRider, c.riders + 1) << c.riders;
        std::string all;
        for (const std::string& message : messages) {
            all += message;
        }
        EXPECT_EQ(count(all, std::string(60, 'x')), c.notes) << c.riders;
    }
}

TEST(DiscordMessages, NamesCannotMentionEndACodeBlockOrFormatTheNotes) {
    const struct {
        std::string name;
        std::string inTable;
        std::string inNotes;
    } cases[] = {
        {"@everyone", "@\u200Beveryone", "@\u200Beveryone"},
        {"<@123456>", "<@\u200B123456>", "\\<@\u200B123456\\>"},
        {"Ann ```x", "Ann \u02CB\u02CB\u02CBx", "Ann \u02CB\u02CB\u02CBx"},
        {"||Bob||", "\u00A6\u00A6Bob\u00A6\u00A6", "\u00A6\u00A6Bob\u00A6\u00A6"},
        {"*Cy* _Dee_ ~~E~~", "*Cy* _Dee_ ~~E~~", "\\*Cy\\* \\_Dee\\_ \\~\\~E\\~\\~"},
        {"J\u00F6rg M\u00FCller", "J\u00F6rg M\u00FCller", "J\u00F6rg M\u00FCller"},
    };
    for (const auto& c : cases) {
        const PostContent post{{"Cup"},
                               {{"", {{"Rider", "", "", "", ColumnLook::Name}}, {{{{c.name}}, std::nullopt}}}},
                               {{"Penalties:", {c.name + ": +5 s"}}}};
        const std::vector<std::string> messages = discordMessages(post);
        ASSERT_EQ(messages.size(), 1U);
        const std::string& message = messages.front();
        EXPECT_NE(message.find("```\nRider\n-----"), std::string::npos) << message;
        EXPECT_NE(message.find("\n" + c.inTable + "\n```\n"), std::string::npos) << message;
        EXPECT_NE(message.find("\n- " + c.inNotes + ": +5 s\n"), std::string::npos) << message;
        EXPECT_EQ(count(message, "```"), 2U) << message;
    }
}

}  // namespace
}  // namespace league::season
