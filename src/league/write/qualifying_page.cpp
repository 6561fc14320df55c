#include "league/write/qualifying_page.hpp"

#include "league/write/html_text.hpp"
#include "league/write/round_index.hpp"
#include "league/write/text_tables.hpp"

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

std::string qualifyingPage(const SeasonResult& result, const HeldRound& round, bool asFragment) {
    const QualifyingGrids& grids = *round.qualifyingGrids;
    const TextTable table = qualifyingTable(grids);
    std::string page;
    writeStart(page, asFragment, qualifyingTitle(result, round));
    writeRoundHeading(page, result, round, "Qualifying and grids", !asFragment);
    std::string sessions;
    for (const std::string& session : round.qualifying) {
        sessions += (sessions.empty() ? "" : ", ") + session;
    }
    page += "<p class=\"note\">The riders of " + htmlText(sessions) +
            " in one classification by their best lap; Session: where the time was set, Grid: the rider's new grid. " +
            htmlText(divisionText(grids)) + "</p>\n";
    page += "<div class=\"scroll\"><table class=\"qualifying\">\n<thead><tr>";
    for (const std::string& head : table.header) {
        page += "<th" + std::string(cellClass(head)) + ">" + htmlText(head) + "</th>";
    }
    page += "</tr></thead>\n<tbody>\n";
    std::optional<std::int32_t> previousGrid;
    for (std::size_t r = 0; r < grids.rows.size(); ++r) {
        const QualifyingRow& row = grids.rows[r];
        const bool gridStarts = row.grid && previousGrid && *row.grid != *previousGrid;
        previousGrid = row.grid;
        page += gridStarts ? "<tr class=\"rider-row grid-start\">" : "<tr class=\"rider-row\">";
        for (std::size_t c = 0; c < table.header.size(); ++c) {
            page += "<td" + std::string(cellClass(table.header[c])) + ">" + htmlText(table.rows[r][c]) + "</td>";
        }
        page += "</tr>\n";
    }
    page += "</tbody>\n</table></div>\n";
    writeEnd(page, asFragment);
    return page;
}

}  // namespace league::season
