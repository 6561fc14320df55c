#include "league/write/qualifying_page.hpp"

#include "league/write/html_table.hpp"
#include "league/write/page_frame.hpp"
#include "league/write/page_titles.hpp"
#include "league/write/round_heading.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

namespace {

// How the field was divided: "3 grids of at most 10 riders: 9, 8 and 8".
std::string divisionText(const QualifyingGrids& grids) {
    if (!grids.gridSize) {
        return std::string("The field is not divided into grids: the round names no grid_size and ") +
               (grids.gridSizeFile == omblen::GridSizeProblem::NoSizeAboveZero
                    ? "maxdriversingrid.ini holds no grid size above 0."
                    : "there is no maxdriversingrid.ini.");
    }
    std::string sizes;
    for (std::size_t g = 0; g < grids.gridPlaces.size(); ++g) {
        const bool last = g + 1 == grids.gridPlaces.size();
        sizes += (g == 0 ? "" : last ? " and " : ", ") + std::to_string(grids.gridPlaces[g]);
    }
    const std::size_t count = grids.gridPlaces.size();
    return "The field divided into " + std::to_string(count) + (count == 1 ? " grid" : " grids") + " of at most " +
           std::to_string(*grids.gridSize) + " riders: " + sizes + ".";
}

}  // namespace

std::string qualifyingPage(const SeasonResult& result, const HeldRound& round, const Table& qualifying,
                           PageVariant variant) {
    ReportWriter page(PageConventions::Html5);
    MarkupWriter html(page);
    writeFrameStart(page, variant, qualifyingTitle(result, round));
    writeRaceNightHeading(page, result, round, "Qualifying and grids", variant);
    html.write(round.qualifying.size() == 1 ? Fragment("<p class=\"note\">The riders of the qualifying")
                                            : Fragment("<p class=\"note\">The riders of every grid's qualifying"));
    html.write(" in one classification by their best lap; Session: the grid where the time was set, Grid: the "
               "rider's new grid. ");
    html.writeContent(divisionText(*round.qualifyingGrids));
    html.write("</p>\n");
    writeHtmlTable(page, qualifying, "qualifying", variant);
    writeFrameEnd(page, variant);
    return pageBytes(page);
}

}  // namespace league::season
