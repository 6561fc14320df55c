#include "league/write/round_index.hpp"

#include "league/write/html_text.hpp"
#include "league/write/race_texts.hpp"
#include "league/write/text_tables.hpp"

namespace league::season {

namespace {

std::string link(const std::string& href, const std::string& text) {
    return "<a href=\"" + htmlText(href) + "\">" + htmlText(text) + "</a>";
}

}  // namespace

void writeRoundHeading(std::string& page, const SeasonResult& result, const HeldRound& round, const std::string& shows,
                       bool withLinks) {
    page += "<h1>" + htmlText(result.title) + "</h1>\n<p>Round " + std::to_string(round.number) + ": " +
            htmlText(round.name) + (round.date ? ", " + htmlText(*round.date) : "");
    if (withLinks) {
        page += " &middot; " + link("index.html", "all pages of round " + std::to_string(round.number)) +
                " &middot; " + link("../index.html", "standings");
    }
    page += "</p>\n<h2>" + htmlText(shows) + "</h2>\n";
}

std::string roundIndexPage(const SeasonResult& result, const HeldRound& round) {
    const std::string stem = roundFileStem(round.number);
    std::string page;
    writePageStart(page, roundTitle(result, round));
    page += "<h1>" + htmlText(result.title) + "</h1>\n<p>Round " + std::to_string(round.number) + ": " +
            htmlText(round.name) + (round.date ? ", " + htmlText(*round.date) : "") + " &middot; " +
            link("../index.html", "standings") + "</p>\n";
    page += "<h2>The pages of the round</h2>\n<ul class=\"pages\">\n";
    page += "<li>" + link("../" + stem + ".html", "Result") + ": all grids in one classification with the points (" +
            link("../" + stem + "_fragment.html", "fragment") + ", " + link("../" + stem + "_forum.txt", "forum text") +
            ", " + link("../" + stem + ".csv", "CSV") + ")</li>\n";
    if (round.qualifyingGrids) {
        page += "<li>" + link("qualifying.html", "Qualifying and grids") + ": the merged qualifying and each rider's grid (" +
                link("qualifying_fragment.html", "fragment") + ", " + link("qualifying_forum.txt", "forum text") + ", " +
                link("qualifying.csv", "CSV") + ")</li>\n";
    }
    const std::vector<std::string> stems = analysisPageStems(round);
    for (std::size_t a = 0; a < round.analyses.size(); ++a) {
        const AnalysedRace& race = round.analyses[a];
        if (race.analysis) {
            page += "<li>" + link(stems[a] + ".html", "Race analysis of " + race.replayed.name) + ": " +
                    htmlText(raceSummary(race)) + " (" + link(stems[a] + "_fragment.html", "fragment") + ")</li>\n";
        } else {
            page += "<li>Race analysis of " + htmlText(race.replayed.name) + ": left out, " + htmlText(leftOutText(*race.leftOut)) +
                    "</li>\n";
        }
    }
    page += "</ul>\n";
    writePageEnd(page);
    return page;
}

}  // namespace league::season
