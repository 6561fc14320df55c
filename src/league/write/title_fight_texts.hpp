#pragma once
// The words and the table of the title fight that the page, the forum text and
// season.json's readers share: the points still available, who can still win, and the
// champion with the round that decided it.

#include "league/write/table_model.hpp"

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// A title fight is worth showing while rounds are to come or once a champion is
/// decided, and only with riders in the standings.
bool showsTitleFight(const TitleFight& fight);

/// "38 points still available in 1 round".
std::string pointsAvailableText(const TitleFight& fight);

/// "Champion: Ann, decided after round 2 (Harbour Loop)", the calendar's number and
/// name; "" without a champion.
std::string championText(const SeasonResult& result, const TitleFight& fight);

/// The riders who can still win: rider, most total, gap to the leader now, and whether
/// it is in their own hands ("yes", "no").
Table titleFightTable(const TitleFight& fight);

/// One line for a forum or a chat: "Title fight: 38 points still available in 1 round;
/// can still win: Ann (max 63), Bob (max 48)", or "...; champion: Ann, decided after
/// round 2 (Harbour Loop)" once decided, or the champion alone once no round is to
/// come; "" when the title fight is not shown.
std::string titleFightLine(const SeasonResult& result, const TitleFight& fight);

}  // namespace league::season
