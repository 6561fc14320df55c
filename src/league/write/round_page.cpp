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

std::string poleText(const SeasonResult& result, const HeldRound& round) {
    const auto& pole = round.classification.pole;
    if (!pole) {
        return {};
    }
    std::string text = "Pole: #" + std::to_string(pole->startNumber) + " " + pole->rider + ", " +
                       timeOrDash(pole->bestLap) + " in " + pole->session;
    if (result.polePoints > 0) {
        text += " (" + std::to_string(result.polePoints) + (result.polePoints == 1 ? " point)" : " points)");
    }
    return text;
}

std::string roundPage(const SeasonResult& result, const HeldRound& round, const Table& classification,
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
    html.write("<h2>Result</h2>\n");
    writeHtmlTable(page, classification, "classification", variant);
    html.write("<p class=\"note\">All grids in one classification: every time brought to the distance of the first "
               "race's winner by the rider's average lap. Time penalties are in the times.</p>\n");
    if (const std::string pole = poleText(result, round); !pole.empty()) {
        html.element("p", pole);
    }
    if (!round.penalties.empty()) {
        html.write("<h2>Penalties</h2>\n<ul>\n");
        for (const PenaltyNote& penalty : round.penalties) {
            html.element("li", penaltyLine(penalty));
        }
        html.write("</ul>\n");
    }
    writeFrameEnd(page, variant);
    return pageBytes(page);
}

}  // namespace league::season
