#pragma once
// Discord messages: the same content as the forum texts, as a league announces its
// results in a Discord channel. Discord shows Markdown but no tables, and takes at most
// 2,000 characters in one message, so each table is a code block of aligned columns
// and a long post becomes several messages, each one complete.

#include "league/write/post_content.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace league::season {

/// The most characters a Discord message may hold.
inline constexpr std::size_t kDiscordMessageLimit = 2000;

/// The post as one message or, when it is longer than kDiscordMessageLimit, as several,
/// cut between lines: the title in bold and the other title lines; each table under its
/// caption in bold as a code block of aligned columns (head, rule, rows); then each
/// list of notes, its heading in bold and a line "- ..." per note. Every message after
/// the first begins with the title and "(continued)", and a table cut between two rows
/// goes on in the next message in a code block of its own, under its caption and head.
/// Names cannot mention anyone or end a code block: every "@" is followed by a zero-width
/// space, a backtick is "ˋ" (U+02CB) and "|" is "¦" (U+00A6); outside the code blocks the
/// characters of Discord's Markdown stand behind a backslash.
std::vector<std::string> discordMessages(const PostContent& post);

/// A text's length as Discord counts it against the limit: UTF-16 units (a character
/// beyond U+FFFF, such as most emoji, counts twice).
std::size_t discordLength(std::string_view text);

}  // namespace league::season
