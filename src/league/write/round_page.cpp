#include "league/write/round_page.hpp"

#include "league/write/html_text.hpp"
#include "league/write/standings_texts.hpp"
#include "league/write/text_tables.hpp"

namespace league::season {

std::string poleText(const SeasonResult& result, const HeldRound& round) {
    const auto& pole = round.classification.pole;
    if (!pole) {
        return {};
    }
    std::string text = "Pole: #" + std::to_string(pole->startNumber) + " " + pole->rider + ", " +
                       timeText(pole->bestLap) + " in " + pole->session;
    if (result.polePoints > 0) {
        text += " (" + std::to_string(result.polePoints) + (result.polePoints == 1 ? " point)" : " points)");
    }
    return text;
}

std::string roundPage(const SeasonResult& result, const HeldRound& round, bool asFragment) {
    const TextTable table = roundTable(round);
    std::string page;
    writeStart(page, asFragment, roundTitle(result, round));
    page += "<h1>" + htmlText(result.title) + "</h1>\n<p>Round " + std::to_string(round.number) + ": " +
            htmlText(round.name) + (round.date ? ", " + htmlText(*round.date) : "");
    if (!asFragment) {
        page += " &middot; <a href=\"" + roundFolder(round.number) + "index.html\">all pages of round " +
                std::to_string(round.number) + "</a> &middot; <a href=\"index.html\">standings</a>";
    }
    page += "</p>\n";
    page += "<h2>Result</h2>\n<div class=\"scroll\"><table class=\"classification\">\n<thead><tr>";
    for (const std::string& head : table.header) {
        page += "<th" + std::string(cellClass(head)) + ">" + htmlText(head) + "</th>";
    }
    page += "</tr></thead>\n<tbody>\n";
    for (const auto& row : table.rows) {
        page += "<tr class=\"rider-row\">";
        for (std::size_t c = 0; c < row.size(); ++c) {
            page += "<td" + std::string(cellClass(table.header[c])) + ">" + htmlText(row[c]) + "</td>";
        }
        page += "</tr>\n";
    }
    page += "</tbody>\n</table></div>\n";
    page += "<p class=\"note\">All grids in one classification: every time brought to the distance of the first "
            "race's winner by the rider's average lap. Time penalties are in the times.</p>\n";
    if (const std::string pole = poleText(result, round); !pole.empty()) {
        page += "<p>" + htmlText(pole) + "</p>\n";
    }
    if (!round.penalties.empty()) {
        page += "<h2>Penalties</h2>\n<ul>\n";
        for (const PenaltyNote& penalty : round.penalties) {
            page += "<li>" + htmlText(penalty.rider + (penalty.race.empty() ? "" : " (" + penalty.race + ")") + ": " +
                                      penaltyText(penalty) + (penalty.reason.empty() ? "" : ": " + penalty.reason)) +
                    "</li>\n";
        }
        page += "</ul>\n";
    }
    writeEnd(page, asFragment);
    return page;
}

}  // namespace league::season
