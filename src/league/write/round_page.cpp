#include "league/write/round_page.hpp"

#include "league/write/standings_texts.hpp"
#include "league/write/file_names.hpp"
#include "league/write/html_table.hpp"
#include "league/write/page_frame.hpp"
#include "league/write/page_titles.hpp"
#include "league/write/round_heading.hpp"
#include "league/write/time_texts.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

namespace {

// "Grid 1, Grid 2 and Grid 3".
std::string gridList(std::size_t count) {
    std::string grids;
    for (std::size_t k = 1; k <= count; ++k) {
        grids += (k == 1 ? "" : k == count ? " and " : ", ") + gridName(static_cast<std::int32_t>(k));
    }
    return grids;
}

std::string lapsText(std::int32_t laps) {
    return std::to_string(laps) + (laps == 1 ? " lap" : " laps");
}

// The heading of a race's table: "Result" for a round's only race named by its
// exports, else the race's name.
std::string raceHeading(const HeldRound& round, const ClassifiedRace& race) {
    return round.classification.races.size() == 1 && race.name == "Race" ? "Result" : race.name;
}

}  // namespace

std::string raceNote(const ClassifiedRace& race) {
    constexpr std::string_view kStopped =
        "A rider who stopped before his grid's winner finished is placed after those who finished, without points. "
        "Time penalties are in the times.";
    if (race.exports.size() < 2) {
        return std::string(kStopped);
    }
    // The common distance is that of the first grid with a rider.
    std::size_t first = 0;
    while (first + 1 < race.gridLaps.size() && race.gridLaps[first] == 0) {
        ++first;
    }
    std::string note = gridList(race.exports.size()) + " in one classification: every time brought to the " +
                       lapsText(race.commonLaps) + " of " + gridName(static_cast<std::int32_t>(first + 1)) +
                       " by the rider's average lap";
    std::string others;
    for (std::size_t k = 0; k < race.gridLaps.size(); ++k) {
        if (race.gridLaps[k] != 0 && race.gridLaps[k] != race.commonLaps) {
            others += (others.empty() ? "" : ", ") + gridName(static_cast<std::int32_t>(k + 1)) + " ran " +
                      lapsText(race.gridLaps[k]);
        }
    }
    return note + (others.empty() ? ". " : " (" + others + ", brought to the common distance). ") +
           std::string(kStopped);
}

std::string poleText(const SeasonResult& result, const HeldRound& round) {
    const auto& pole = round.classification.pole;
    if (!pole) {
        return {};
    }
    std::string text = "Pole: #" + std::to_string(pole->startNumber) + " " + pole->rider + ", " +
                       timeOrDash(pole->bestLap) + " in qualifying " + gridName(pole->sessionNumber);
    if (result.polePoints > 0) {
        text += " (" + std::to_string(result.polePoints) + (result.polePoints == 1 ? " point)" : " points)");
    }
    return text;
}

std::string roundPage(const SeasonResult& result, const HeldRound& round, const std::vector<Table>& tables,
                      PageVariant variant) {
    ReportWriter page(PageConventions::Html5);
    MarkupWriter html(page);
    writeFrameStart(page, variant, roundTitle(result, round));
    std::vector<HeadingLink> links;
    if (variant.hasLinks()) {
        links = {{roundFolder(round.number) + "index.html", "all pages of round " + std::to_string(round.number)},
                 {"index.html", "standings"}};
    }
    writeRoundHeading(page, result, round, links);
    const std::vector<ClassifiedRace>& races = round.classification.races;
    for (std::size_t r = 0; r < races.size(); ++r) {
        html.element("h2", raceHeading(round, races[r]));
        writeHtmlTable(page, tables[r], "classification", variant);
        html.open("p").attribute("class", "note").endStart();
        html.writeContent(raceNote(races[r]));
        html.write("</p>\n");
    }
    if (tables.size() > races.size()) {
        html.element("h2", "Round total");
        writeHtmlTable(page, tables.back(), "round-total", variant);
    }
    if (const std::string pole = poleText(result, round); !pole.empty()) {
        html.element("p", pole);
    }
    if (!round.penalties.empty()) {
        html.write("<h2>Penalties</h2>\n<ul>\n");
        for (const PenaltyNote& penalty : round.penalties) {
            html.element("li", penaltyLine(round, penalty));
        }
        html.write("</ul>\n");
    }
    writeFrameEnd(page, variant);
    return pageBytes(page);
}

}  // namespace league::season
