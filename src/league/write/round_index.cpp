#include "league/write/round_index.hpp"

#include "league/write/race_texts.hpp"
#include "league/write/file_names.hpp"
#include "league/write/page_frame.hpp"
#include "league/write/page_titles.hpp"
#include "league/write/round_heading.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

namespace {

// One page of the round: its link and, after what it holds, the links to its other
// forms ("fragment", "forum text", "CSV") in brackets.
void writeItemStart(MarkupWriter& html, const HeadingLink& page) {
    html.write("<li>");
    html.link(page.href, page.text);
    html.write(": ");
}

void writeItemEnd(MarkupWriter& html, const std::vector<HeadingLink>& forms) {
    html.write(" (");
    for (std::size_t f = 0; f < forms.size(); ++f) {
        html.write(f == 0 ? Fragment("") : Fragment(", "));
        html.link(forms[f].href, forms[f].text);
    }
    html.write(")</li>\n");
}

// The result, the qualifying and grids, and each race analysis or why it was left out.
void writePageList(MarkupWriter& html, const HeldRound& round) {
    const std::string up = "../" + roundFileStem(round.number);
    writeItemStart(html, {up + ".html", "Result"});
    html.write(round.classification.races.size() == 1 ? Fragment("all grids in one classification with the points")
                                                      : Fragment("each race's classification with the points, and "
                                                                 "the round's total"));
    writeItemEnd(html, {{up + "_fragment.html", "fragment"}, {up + "_forum.txt", "forum text"}, {up + ".csv", "CSV"}});
    if (round.qualifyingGrids) {
        writeItemStart(html, {"qualifying.html", "Qualifying and grids"});
        html.write("the merged qualifying and each rider's grid");
        writeItemEnd(html, {{"qualifying_fragment.html", "fragment"},
                            {"qualifying_forum.txt", "forum text"},
                            {"qualifying.csv", "CSV"}});
    }
    const std::vector<std::string> stems = analysisPageStems(round);
    for (std::size_t a = 0; a < round.analyses.size(); ++a) {
        const AnalysedRace& race = round.analyses[a];
        if (race.analysis) {
            writeItemStart(html, {stems[a] + ".html", "Race analysis of " + analysisName(round, race)});
            html.writeContent(raceSummary(race));
            writeItemEnd(html, {{stems[a] + "_fragment.html", "fragment"}});
        } else {
            html.element("li",
                         "Race analysis of " + analysisName(round, race) + ": left out, " + leftOutText(*race.leftOut));
        }
    }
}

}  // namespace

std::string roundIndexPage(const SeasonResult& result, const HeldRound& round) {
    ReportWriter page(PageConventions::Html5);
    MarkupWriter html(page);
    writeFrameStart(page, kPage, roundTitle(result, round));
    writeRoundHeading(page, result, round, {{"../index.html", "standings"}});
    html.write("<h2>The pages of the round</h2>\n<ul class=\"pages\">\n");
    writePageList(html, round);
    html.write("</ul>\n");
    writeFrameEnd(page, kPage);
    return pageBytes(page);
}

}  // namespace league::season
