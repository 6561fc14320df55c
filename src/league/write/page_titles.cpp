#include "league/write/page_titles.hpp"

namespace league::season {

std::string roundColumn(std::size_t heldNumber) {
    return "R" + std::to_string(heldNumber);
}

std::string standingsSubtitle(const SeasonResult& result) {
    const std::size_t held = result.rounds.size();
    if (held == 0) {
        return "No round held yet";
    }
    return "Standings after round " + std::to_string(held) + " of " + std::to_string(result.calendar.size());
}

std::string standingsTitle(const SeasonResult& result) {
    return result.title + " - " + standingsSubtitle(result);
}

std::string roundTitle(const SeasonResult& result, const HeldRound& round) {
    return result.title + " - round " + std::to_string(round.number) + ": " + round.name +
           (round.date ? " (" + *round.date + ")" : "");
}

std::string qualifyingTitle(const SeasonResult& result, const HeldRound& round) {
    return roundTitle(result, round) + " - qualifying and grids";
}

}  // namespace league::season
