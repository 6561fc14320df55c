#pragma once
// The two charts of a race and their legend, drawn with the line chart: the position of
// every rider at the end of every lap, and their gap to the winner's average pace, each
// line labelled with the rider's start number and name, every point with a tooltip
// ("Lap 3: #7 Ann Rider, P2"). It takes plain numbers, names and colours, so that the
// program that analysed the race chooses its colours.

#include "common/charts/line_chart.hpp"
#include "common/colour.hpp"
#include "common/report_writer.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::charts {

/// One rider's line in both charts.
struct RiderLine {
    std::int32_t startNumber = 0;
    /// The name as read, not escaped.
    std::string name;
    Colour colour;
    /// Drawn thicker than the others, and above them.
    bool emphasised = false;
    /// Position in the final result; 0 for none.
    std::int32_t finalPosition = 0;
    /// Element k - 1 is the position at the end of lap k; 0 where the rider has none.
    std::vector<std::int32_t> positionAtLap;
    /// Element k - 1 is the gap to the winner's average pace at the end of lap k in
    /// milliseconds, ahead of it below zero; nothing where the line has no point.
    std::vector<std::optional<std::int64_t>> gapAtLap;
};

/// A race as its charts show it.
struct RaceLines {
    std::string trackName;
    /// The laps along the x axis: 1 to lapCount.
    std::int32_t lapCount = 0;
    std::vector<RiderLine> riders;
    /// The riders (indices into `riders`) in the order of the final result; riders
    /// without a final position last.
    std::vector<std::size_t> resultOrder;
};

/// The position chart: a line per rider through his positions, the leader on top, the
/// start numbers at both ends.
LineChart positionChartOf(const RaceLines& race);

/// The gap chart: a line per rider through his gaps to the winner's average pace, ahead
/// on top, far-out gaps on the edge.
LineChart gapChartOf(const RaceLines& race);

/// The legend of both charts: the riders with their colours in the order of the result.
Legend resultLegendOf(const RaceLines& race, Fragment id);

}  // namespace league::charts
