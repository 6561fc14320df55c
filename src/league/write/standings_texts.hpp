#pragma once
// The words of the standings that every format shows alike: the change of a position,
// a penalty and its line, the footnote of a tie on points.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// "▲2", "▼1", "=" against the standings after the previous held round, or "new".
std::string changeText(const StandingsRow& row);

/// A penalty in a few words: "+5 s", "disqualified", "-3 points".
std::string penaltyText(const PenaltyNote& penalty);

/// A penalty of a round as its pages and posts list it: "John Smith (Sprint, Grid 2):
/// +5 s: Causing a collision", "Vexa Racing (team): -5 points: Late entry".
std::string penaltyLine(const HeldRound& round, const PenaltyNote& penalty);

/// "Bob is ahead of Ann on countback: 2 wins to 1", or "Bob is ahead of Ann: equal on
/// countback, and the best place (P2) came later, in round 2 against round 1".
std::string tieFootnote(const TieDecision& tie);

/// The footnote of each tie, in order.
std::vector<std::string> tieFootnotes(const std::vector<TieDecision>& ties);

}  // namespace league::season
