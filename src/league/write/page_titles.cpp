#include "league/write/page_titles.hpp"

namespace league::season {

std::string roundColumn(std::size_t heldNumber) {
    return "R" + std::to_string(heldNumber);
}

std::string gridName(std::int32_t number) {
    return "Grid " + std::to_string(number);
}

namespace {

// The race and grid of an export of the round; none when no race holds it.
std::optional<std::string> placeOfExport(const HeldRound& round, const std::string& exportName) {
    for (const ClassifiedRace& race : round.classification.races) {
        for (std::size_t k = 0; k < race.exports.size(); ++k) {
            if (race.exports[k] == exportName) {
                return race.exports.size() == 1 ? race.name
                                                : race.name + ", " + gridName(static_cast<std::int32_t>(k + 1));
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::string exportPlace(const HeldRound& round, const std::string& exportName) {
    return placeOfExport(round, exportName).value_or(exportName);
}

std::string analysisName(const HeldRound& round, const AnalysedRace& race) {
    return placeOfExport(round, race.replayed.name).value_or(race.replayed.record.trackName);
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
