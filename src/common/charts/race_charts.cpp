#include "common/charts/race_charts.hpp"

#include "common/time_text.hpp"

#include <utility>

namespace league::charts {

namespace {

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

// A gap as a tooltip shows it: signed seconds with three decimals, "+4.498 s",
// "-0.500 s", "0.000 s".
std::string gapText(std::int64_t gap) {
    const std::int64_t magnitude = gap < 0 ? -gap : gap;
    char millis[4] = "";
    *writeThreeDigitMillis(magnitude % kSecond, millis) = '\0';
    const char* sign = gap > 0 ? "+" : (gap < 0 ? "-" : "");
    return sign + std::to_string(magnitude / kSecond) + "." + millis + " s";
}

std::string tooltipText(std::int32_t lap, const RiderLine& rider, const std::string& value) {
    return "Lap " + std::to_string(lap) + ": #" + std::to_string(rider.startNumber) + " " + rider.name + ", " + value;
}

// The frame of both charts: the laps along the x axis, one line per rider with the
// start number and name at its right end.
LineChart raceLines(const RaceLines& race, Fragment description) {
    LineChart lines;
    lines.description = description;
    lines.descriptionDetails = race.trackName + ", " + std::to_string(race.riders.size()) + " riders, " +
                               std::to_string(race.lapCount) + " laps";
    lines.lineClass = "rider-line";
    lines.keyAttribute = "data-start-number";
    for (std::int32_t lap = 1; lap <= race.lapCount; ++lap) {
        lines.xLabels.push_back(std::to_string(lap));
    }
    lines.xTitle = "Lap";
    for (const RiderLine& rider : race.riders) {
        Series series;
        series.colour = rider.colour;
        series.emphasised = rider.emphasised;
        series.endLabel = std::to_string(rider.startNumber) + " " + rider.name;
        series.key = std::to_string(rider.startNumber);
        lines.series.push_back(std::move(series));
    }
    return lines;
}

// Every rider's point at every lap with its tooltip: `pointAt(rider, lap)` gives the
// value and the text the tooltip shows after the rider, or nothing.
template <typename PointAt>
void addPoints(LineChart& lines, const RaceLines& race, PointAt pointAt) {
    for (std::size_t index = 0; index < race.riders.size(); ++index) {
        const RiderLine& rider = race.riders[index];
        Series& series = lines.series[index];
        for (std::int32_t lap = 1; lap <= race.lapCount; ++lap) {
            const std::optional<Point> point = pointAt(rider, static_cast<std::size_t>(lap - 1));
            series.values.push_back(point ? std::optional<std::int64_t>(point->first) : std::nullopt);
            series.tooltips.push_back(point ? tooltipText(lap, rider, point->second) : "");
        }
    }
}

}  // namespace

LineChart positionChartOf(const RaceLines& race) {
    LineChart lines = raceLines(race, "Position of every rider at the end of each lap");
    lines.id = "position-chart";
    lines.yAxis = PositionAxis{"P"};
    // Every rider has a row of his own on lap 1: the start numbers fit at the left ends.
    for (Series& series : lines.series) {
        series.startLabel = series.key;
    }
    addPoints(lines, race, [](const RiderLine& rider, std::size_t lap) -> std::optional<Point> {
        const std::int32_t position = lap < rider.positionAtLap.size() ? rider.positionAtLap[lap] : 0;
        if (position <= 0) {
            return std::nullopt;
        }
        return Point{position, "P" + std::to_string(position)};
    });
    return lines;
}

LineChart gapChartOf(const RaceLines& race) {
    LineChart lines = raceLines(race, "Gap of every rider to the winner's average pace at the end of each lap");
    lines.id = "gap-chart";
    ValueAxis axis;
    axis.steps = kGapSteps;
    // Ahead of the pace is at the top.
    axis.largerOnTop = false;
    axis.farOutFence = kSmallestFarOutFence;
    axis.gridLabel = [](std::int64_t gap) { return (gap > 0 ? "+" : "") + std::to_string(gap / kSecond) + " s"; };
    axis.topCaption = "ahead";
    axis.bottomCaption = "behind";
    lines.yAxis = std::move(axis);
    addPoints(lines, race, [](const RiderLine& rider, std::size_t lap) -> std::optional<Point> {
        if (lap >= rider.gapAtLap.size() || !rider.gapAtLap[lap]) {
            return std::nullopt;
        }
        return Point{*rider.gapAtLap[lap], gapText(*rider.gapAtLap[lap])};
    });
    return lines;
}

Legend resultLegendOf(const RaceLines& race, Fragment id) {
    Legend legend;
    legend.id = id;
    legend.rowClass = "rider-row";
    legend.headings = {"Line", "No.", "Rider", "Final position"};
    for (const std::size_t index : race.resultOrder) {
        const RiderLine& rider = race.riders[index];
        legend.rows.push_back({rider.colour,
                               rider.emphasised,
                               {std::to_string(rider.startNumber), rider.name,
                                rider.finalPosition > 0 ? std::to_string(rider.finalPosition) : "-"}});
    }
    return legend;
}

}  // namespace league::charts
