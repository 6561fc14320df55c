#include "league/write/round_heading.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

void writeRoundHeading(ReportWriter& page, const SeasonResult& result, const HeldRound& round,
                       const std::vector<HeadingLink>& links) {
    MarkupWriter html(page);
    html.element("h1", result.title);
    html.open("p").endStart();
    html.writeContent("Round " + std::to_string(round.number) + ": " + round.name + (round.date ? ", " + *round.date : ""));
    for (const HeadingLink& link : links) {
        html.write(" &middot; ");
        html.link(link.href, link.text);
    }
    html.close("p");
}

void writeRaceNightHeading(ReportWriter& page, const SeasonResult& result, const HeldRound& round,
                           std::string_view shows, PageVariant variant) {
    std::vector<HeadingLink> links;
    if (variant.hasLinks()) {
        links = {{"index.html", "all pages of round " + std::to_string(round.number)}, {"../index.html", "standings"}};
    }
    writeRoundHeading(page, result, round, links);
    MarkupWriter(page).element("h2", shows);
}

}  // namespace league::season
