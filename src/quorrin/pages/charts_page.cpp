#include "quorrin/pages/charts_page.hpp"

#include "common/charts/line_chart.hpp"
#include "quorrin/pages/graph_values_page.hpp"

#include <cstdint>
#include <optional>
#include <utility>

namespace league::quorrin {

namespace {

constexpr Fragment kStyle =
    "<style>\n"
    "@page { size: A4 landscape; margin: 10mm; }\n"
    ".race-charts { font-family: sans-serif; color: #222222; background: #ffffff; max-width: 1240px;"
    " margin: 0 auto; }\n"
    ".race-charts h1 { font-size: 24px; margin: 12px 0; }\n"
    ".race-charts h2 { font-size: 18px; margin: 16px 0 4px; }\n"
    ".race-charts p { font-size: 13px; margin: 4px 0 8px; }\n"
    ".race-charts svg { display: block; width: 100%; height: auto; break-inside: avoid;"
    " page-break-inside: avoid; }\n"
    ".race-charts .chart + .chart { break-before: page; page-break-before: always; }\n"
    ".race-charts table { border-collapse: collapse; font-size: 13px; margin: 8px 0 24px; }\n"
    ".race-charts th, .race-charts td { border-bottom: 1px solid #dddddd; padding: 2px 10px;"
    " text-align: left; }\n"
    ".race-charts .swatch { display: inline-block; width: 32px; height: 4px; border: 1px solid #262626;"
    " vertical-align: middle; -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
    ".race-charts .thick { height: 7px; }\n"
    "@media print { .race-charts { max-width: none; } .race-charts svg { max-height: 160mm; } }\n"
    "</style>\n";

// The round steps of the gap axis: 1, 2, 5, 10, 20, 30 seconds and a minute (then 2,
// 5 and 10 minutes, times powers of ten, for absurd gaps).
constexpr std::int64_t kSecond = 1000;
const std::vector<std::int64_t> kGapSteps = {1 * kSecond,  2 * kSecond,  5 * kSecond, 10 * kSecond,
                                             20 * kSecond, 30 * kSecond, 60 * kSecond};
// A gap more than three interquartile ranges, and at least 10 seconds, beyond the
// quartiles of all gaps is drawn on the chart's edge, so that one crashed rider does
// not squash everyone else.
constexpr std::int64_t kSmallestFarOutFence = 10 * kSecond;

// A point of a rider's line: its value, and what its tooltip shows after the rider
// ("P2", "+4.498 s").
using Point = std::pair<std::int64_t, std::string>;

charts::Colour colourOf(const ChartRider& rider) {
    return {rider.colour[0], rider.colour[1], rider.colour[2]};
}

// A gap as a tooltip shows it: signed seconds with three decimals, "+4.498 s".
std::string gapText(std::int64_t gap) {
    return (gap > 0 ? "+" : "") + graphGapText(gap) + " s";
}

std::string tooltipText(std::int32_t lap, const ChartRider& rider, const std::string& value) {
    return "Lap " + std::to_string(lap) + ": #" + std::to_string(rider.startNumber) + " " + rider.name + ", " + value;
}

// The frame of both charts: the laps along the x axis, one line per rider with the
// start number and name at its right end.
charts::LineChart raceLines(const RaceChart& chart, std::string description) {
    charts::LineChart lines;
    lines.description = std::move(description);
    lines.lineClass = "rider-line";
    lines.keyAttribute = "data-start-number";
    for (std::int32_t lap = 1; lap <= chart.lapCount; ++lap) {
        lines.xLabels.push_back(std::to_string(lap));
    }
    lines.xTitle = "Lap";
    for (const ChartRider& rider : chart.riders) {
        charts::Series series;
        series.colour = colourOf(rider);
        series.emphasised = rider.thickLine;
        series.endLabel = std::to_string(rider.startNumber) + " " + rider.name;
        series.key = std::to_string(rider.startNumber);
        lines.series.push_back(std::move(series));
    }
    return lines;
}

// Every rider's point at every lap with its tooltip: `pointAt(rider, lap)` gives the
// value and the text the tooltip shows after the rider, or nothing.
template <typename PointAt>
void addPoints(charts::LineChart& lines, const RaceChart& chart, PointAt pointAt) {
    for (std::size_t index = 0; index < chart.riders.size(); ++index) {
        const ChartRider& rider = chart.riders[index];
        charts::Series& series = lines.series[index];
        for (std::int32_t lap = 1; lap <= chart.lapCount; ++lap) {
            const std::optional<Point> point = pointAt(rider, lap);
            series.values.push_back(point ? std::optional<std::int64_t>(point->first) : std::nullopt);
            series.tooltips.push_back(point ? tooltipText(lap, rider, point->second) : "");
        }
    }
}

std::string chartDescription(const char* shows, const std::string& trackName, const RaceChart& chart) {
    return std::string(shows) + ", " + trackName + ", " + std::to_string(chart.riders.size()) + " riders, " +
           std::to_string(chart.lapCount) + " laps";
}

}  // namespace

charts::Legend resultLegendOf(const RaceChart& chart, Fragment id) {
    charts::Legend legend;
    legend.id = id;
    legend.rowClass = "rider-row";
    legend.headings = {"Line", "No.", "Rider", "Final position"};
    for (const std::size_t index : chart.resultOrder) {
        const ChartRider& rider = chart.riders[index];
        legend.rows.push_back({colourOf(rider),
                               rider.thickLine,
                               {std::to_string(rider.startNumber), rider.name,
                                rider.finalPosition > 0 ? std::to_string(rider.finalPosition) : "-"}});
    }
    return legend;
}

charts::LineChart positionChartOf(const std::string& trackName, const RaceChart& chart) {
    charts::LineChart lines =
        raceLines(chart, chartDescription("Position of every rider at the end of each lap", trackName, chart));
    lines.id = "position-chart";
    lines.yAxis = charts::PositionAxis{"P"};
    // Every rider has a row of his own on lap 1: the start numbers fit at the left ends.
    for (charts::Series& series : lines.series) {
        series.startLabel = series.key;
    }
    addPoints(lines, chart, [](const ChartRider& rider, std::int32_t lap) -> std::optional<Point> {
        const std::int32_t position = rider.positionAtLap[static_cast<std::size_t>(lap - 1)];
        if (position <= 0) {
            return std::nullopt;
        }
        return Point{position, "P" + std::to_string(position)};
    });
    return lines;
}

charts::LineChart gapChartOf(const std::string& trackName, const RaceChart& chart) {
    charts::LineChart lines = raceLines(
        chart,
        chartDescription("Gap of every rider to the winner's average pace at the end of each lap", trackName, chart));
    lines.id = "gap-chart";
    charts::ValueAxis axis;
    axis.steps = kGapSteps;
    // Ahead of the pace is at the top.
    axis.largerOnTop = false;
    axis.farOutFence = kSmallestFarOutFence;
    axis.gridLabel = [](std::int64_t gap) { return (gap > 0 ? "+" : "") + std::to_string(gap / kSecond) + " s"; };
    axis.topCaption = "ahead";
    axis.bottomCaption = "behind";
    lines.yAxis = std::move(axis);
    addPoints(lines, chart, [](const ChartRider& rider, std::int32_t lap) -> std::optional<Point> {
        // An empty cell of the graph values page draws nothing.
        const std::optional<std::int64_t>& gap = rider.gapAtLap[static_cast<std::size_t>(lap - 1)];
        if (!gap) {
            return std::nullopt;
        }
        return Point{*gap, gapText(*gap)};
    });
    return lines;
}

namespace {

void writePositionChart(ReportWriter& page, const std::string& trackName, const RaceChart& chart) {
    const charts::LineChart lines = positionChartOf(trackName, chart);
    page.writeFragment("<section class=\"chart\">\n<h2>Positions</h2>\n");
    page.writeFragment("<p>The position of every rider at the end of each lap, the leader on top. A square marks "
                       "the last lap of a rider who retired or was lapped.</p>\n");
    charts::writeLineChart(page, lines);
    charts::writeLegend(page, resultLegendOf(chart, "position-legend"));
    page.writeFragment("</section>\n");
}

void writeGapChart(ReportWriter& page, const std::string& trackName, const RaceChart& chart) {
    const charts::LineChart lines = gapChartOf(trackName, chart);
    page.writeFragment("<section class=\"chart\">\n<h2>Gap to the winner's pace</h2>\n");
    page.writeFragment("<p>Seconds behind the winner's average lap at the end of each lap; below zero a rider is "
                       "ahead of that pace. A gap beyond the chart is drawn on its edge as a triangle.</p>\n");
    charts::writeLineChart(page, lines);
    charts::writeLegend(page, resultLegendOf(chart, "gap-legend"));
    page.writeFragment("</section>\n");
}

}  // namespace

void writeChartsPage(ReportWriter& page, const std::string& trackName, const RaceChart& chart) {
    page.writeFragment("<!DOCTYPE html>\n<html>\n<head>\n<title>");
    page.writeEscapedText(trackName);
    page.writeFragment(" - race charts</title>\n");
    page.writeFragment(kStyle);
    page.writeFragment("</head>\n<body>\n<div class=\"race-charts\">\n<h1>");
    page.writeEscapedText(trackName);
    page.writeFragment("</h1>\n");
    writePositionChart(page, trackName, chart);
    writeGapChart(page, trackName, chart);
    page.writeFragment("</div>\n</body>\n</html>\n");
}

}  // namespace league::quorrin
