#include "league/write/standings_texts.hpp"

#include "league/write/page_titles.hpp"

namespace league::season {

namespace {

// "win", "second places", "4th place", "21st places", ...
std::string placesWord(std::size_t place, std::int32_t count) {
    static const char* const kOrdinals[] = {"", "win", "second place", "third place"};
    std::string word = place <= 3 ? kOrdinals[place] : std::to_string(place) + "th place";
    if (place > 3 && (place % 10 == 1 || place % 10 == 2 || place % 10 == 3) && place % 100 / 10 != 1) {
        word = std::to_string(place) + (place % 10 == 1 ? "st" : place % 10 == 2 ? "nd" : "rd") + " place";
    }
    return word + (count == 1 ? "" : "s");
}

}  // namespace

std::string changeText(const StandingsRow& row) {
    if (!row.positionBefore) {
        return "new";
    }
    const std::int32_t before = *row.positionBefore;
    if (before == row.position) {
        return "=";
    }
    return before > row.position ? "\u25B2" + std::to_string(before - row.position)
                                 : "\u25BC" + std::to_string(row.position - before);
}

std::string penaltyText(const PenaltyNote& penalty) {
    switch (penalty.kind) {
    case Penalty::Kind::Time:
        return "+" + std::to_string(penalty.seconds) + " s";
    case Penalty::Kind::Disqualified:
        return "disqualified";
    case Penalty::Kind::Points:
        break;
    }
    return (penalty.points > 0 ? "+" : "") + std::to_string(penalty.points) + " points";
}

std::string penaltyLine(const HeldRound& round, const PenaltyNote& penalty) {
    const std::string who = penalty.team.empty() ? penalty.rider : penalty.team + " (team)";
    const std::string where = penalty.race.empty() ? "" : " (" + exportPlace(round, penalty.race) + ")";
    return who + where + ": " + penaltyText(penalty) + (penalty.reason.empty() ? "" : ": " + penalty.reason);
}

std::string tieFootnote(const TieDecision& tie) {
    const std::string names = tie.ahead + " is ahead of " + tie.behind;
    if (tie.countbackPlace > 0) {
        return names + " on countback: " + std::to_string(tie.aheadCount) + " " +
               placesWord(tie.countbackPlace, tie.aheadCount) + " to " + std::to_string(tie.behindCount);
    }
    return names + ": equal on countback, and the best place (P" + std::to_string(tie.bestPlace) +
           ") came later, in round " + std::to_string(tie.aheadRound) + " against round " +
           std::to_string(tie.behindRound);
}

std::vector<std::string> tieFootnotes(const std::vector<TieDecision>& ties) {
    std::vector<std::string> footnotes;
    for (const TieDecision& tie : ties) {
        footnotes.push_back(tieFootnote(tie));
    }
    return footnotes;
}

}  // namespace league::season
