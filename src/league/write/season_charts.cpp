#include "league/write/season_charts.hpp"

#include "league/write/page_titles.hpp"
#include "league/write/text_tables.hpp"

#include "common/charts/line_chart.hpp"
#include "common/charts/value_axis.hpp"
#include "common/report_writer.hpp"

#include <array>
#include <map>
#include <optional>

namespace league::season {

namespace {

// Twelve colours that tell lines apart on white and for most colour-blind readers;
// from the thirteenth rider on they repeat, the rider's name at the line's end tells.
constexpr std::array<Colour, 12> kLinePalette{{
    {0, 114, 178}, {213, 94, 0}, {0, 158, 115}, {204, 121, 167}, {86, 180, 233}, {230, 159, 0},
    {0, 0, 0},     {153, 0, 0},  {102, 102, 255}, {0, 102, 51},  {153, 102, 0}, {128, 128, 128},
}};

// Where each rider stands after each held round: element k - 1 for round k.
struct RiderProgress {
    std::vector<std::optional<std::int64_t>> totals;
    std::vector<std::optional<std::int64_t>> positions;
};

std::map<std::size_t, RiderProgress> progressOfRiders(std::size_t held, const RiderStandings& standings) {
    std::map<std::size_t, RiderProgress> progress;
    for (std::size_t k = 0; k < held; ++k) {
        for (const StandingsRow& row : standings.after[k].rows) {
            RiderProgress& rider = progress[row.rider];
            rider.totals.resize(held);
            rider.positions.resize(held);
            rider.totals[k] = row.total;
            rider.positions[k] = row.position;
        }
    }
    return progress;
}

}  // namespace

Colour lineColour(std::size_t index) {
    return kLinePalette[index % kLinePalette.size()];
}

namespace {

// The frame of both charts: the held rounds along the x axis, a line per rider.
charts::LineChart roundsChart(const SeasonResult& result, Fragment id, Fragment description) {
    charts::LineChart chart;
    chart.id = id;
    chart.description = description;
    chart.lineClass = "rider-line";
    chart.keyAttribute = "data-rider";
    for (const HeldRound& round : result.rounds) {
        chart.xLabels.push_back(roundColumn(round.number));
    }
    chart.xTitle = "Round";
    return chart;
}

// Each rider's line in both charts and row in the legend, in the order of the
// standings, with the tooltips "R2 Harbour Loop: Ann Rider, 40 points" and "..., P3".
void addRiders(charts::LineChart& points, charts::LineChart& standing, charts::Legend& legend,
               const SeasonResult& result, const RiderStandings& standings) {
    const auto progress = progressOfRiders(result.rounds.size(), standings);
    const Standings& final = standings.final();
    for (std::size_t i = 0; i < final.rows.size(); ++i) {
        const StandingsRow& row = final.rows[i];
        const RiderSeason& rider = standings.riders[row.rider];
        const RiderProgress& riderProgress = progress.at(row.rider);
        charts::Series line;
        line.colour = lineColour(i);
        line.emphasised = row.position <= 3;
        line.endLabel = rider.name;
        line.key = std::to_string(row.rider + 1);
        charts::Series place = line;
        line.values = riderProgress.totals;
        place.values = riderProgress.positions;
        for (std::size_t k = 0; k < result.rounds.size(); ++k) {
            const std::string where = roundColumn(k + 1) + " " + result.rounds[k].name + ": " + rider.name;
            const auto& total = riderProgress.totals[k];
            const auto& position = riderProgress.positions[k];
            line.tooltips.push_back(total ? where + ", " + std::to_string(*total) + " points" : std::string());
            place.tooltips.push_back(position ? where + ", P" + std::to_string(*position) : std::string());
        }
        points.series.push_back(std::move(line));
        standing.series.push_back(std::move(place));
        legend.rows.push_back(charts::LegendRow{lineColour(i), row.position <= 3,
                                                {positionText(row.position, row.shared), rider.name,
                                                 std::to_string(row.total)}});
    }
}


// The points chart of `standings`: a value axis of round steps.
charts::LineChart pointsChart(const SeasonResult& result) {
    charts::LineChart points = roundsChart(result, "points-chart", "Points of every rider after each round");
    charts::ValueAxis pointsAxis;
    pointsAxis.steps.assign(std::begin(charts::kDecimalSteps), std::end(charts::kDecimalSteps));
    pointsAxis.gridLabel = [](std::int64_t value) { return std::to_string(value); };
    points.yAxis = pointsAxis;
    return points;
}

charts::Legend ridersLegend() {
    charts::Legend legend;
    legend.id = "riders-legend";
    legend.rowClass = "rider-row";
    legend.headings = {"Line", "Pos", "Rider", "Total"};
    return legend;
}

}  // namespace

void writeClassChart(ReportWriter& page, const SeasonResult& result, const RiderStandings& standings,
                     const std::string& idPrefix) {
    if (result.rounds.empty()) {
        return;
    }
    charts::LineChart points = pointsChart(result);
    charts::LineChart standing = roundsChart(result, "standing-chart", "Standing of every rider after each round");
    charts::Legend legend = ridersLegend();
    addRiders(points, standing, legend, result, standings);
    points.idPrefix = idPrefix;
    legend.idPrefix = idPrefix;
    page.writeFragment("<h3>Points after each round</h3>\n<div class=\"chart\">\n");
    charts::writeLineChart(page, points);
    page.writeFragment("</div>\n");
    charts::writeLegend(page, legend);
}

void writeSeasonCharts(ReportWriter& page, const SeasonResult& result) {
    if (result.rounds.empty()) {
        return;
    }
    charts::LineChart points = pointsChart(result);
    charts::LineChart standing = roundsChart(result, "standing-chart", "Standing of every rider after each round");
    standing.yAxis = charts::PositionAxis{"P"};
    charts::Legend legend = ridersLegend();
    addRiders(points, standing, legend, result, overallStandings(result));

    page.writeFragment("<h2>Points after each round</h2>\n<div class=\"chart\">\n");
    charts::writeLineChart(page, points);
    page.writeFragment("</div>\n<h2>Standing after each round</h2>\n<div class=\"chart\">\n");
    charts::writeLineChart(page, standing);
    page.writeFragment("</div>\n");
    charts::writeLegend(page, legend);
}

}  // namespace league::season
