#pragma once
// A line chart as inline SVG: one line per series over labelled x positions, a y axis
// of positions (whole rows, 1 on top) or of values with round steps, marks at the
// points with tooltips, labels at the ends of the lines, and a legend table. It draws
// plain numbers with the labels, colours and texts its caller gives; every text is
// escaped, every element written through the checked page writer.

#include "common/charts/value_axis.hpp"
#include "common/colour.hpp"
#include "common/report_writer.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace league::charts {

/// One line of a chart.
struct Series {
    Colour colour;
    /// Drawn thicker than the others, and above them.
    bool emphasised = false;
    /// Element i is the value at x position i; nothing where the line has no point.
    std::vector<std::optional<std::int64_t>> values;
    /// Element i is the tooltip of the point at x position i.
    std::vector<std::string> tooltips;
    /// The label at the right end of the line, and the one at its left end (none when
    /// empty).
    std::string endLabel;
    std::string startLabel;
    /// The value of the chart's key attribute on the line, by which a reader of the
    /// document (a test, a script) finds it.
    std::string key;
};

/// A y axis of whole rows: value 1 on the top row, one row per value up to the largest
/// value or the number of series, whichever is more.
struct PositionAxis {
    /// Written before each row's number: "P" gives "P1", "P2", ...
    std::string labelPrefix;
};

/// A y axis of values with round steps.
struct ValueAxis {
    /// The round steps, smallest first (see valueAxisFor).
    std::vector<std::int64_t> steps;
    /// Larger values higher up (points), or lower down (a time behind).
    bool largerOnTop = true;
    /// When set, values far out are drawn on the chart's edge as a triangle pointing
    /// beyond it; the fences lie at least this far from the quartiles.
    std::optional<std::int64_t> farOutFence;
    /// The label of the gridline at a value.
    std::function<std::string(std::int64_t)> gridLabel;
    /// Italic words above and below the axis (none when empty).
    std::string topCaption;
    std::string bottomCaption;
};

struct LineChart {
    /// The id of the drawing in the page, after `idPrefix`.
    Fragment id = "chart";
    std::string idPrefix;
    /// What the drawing shows, for readers that cannot see it (its aria-label): a fixed
    /// text and, when not empty, a comma and the caller's details ("Kestrel Bay
    /// Circuit, 20 riders, 12 laps").
    Fragment description = "";
    std::string descriptionDetails;
    /// The class of every line, and the name of the attribute that holds its key.
    Fragment lineClass = "line";
    Fragment keyAttribute = "data-key";
    /// The labels of the x positions, left to right, and the title below them.
    std::vector<std::string> xLabels;
    std::string xTitle;
    std::variant<PositionAxis, ValueAxis> yAxis;
    /// In the order of their importance: the first ones are drawn last, on top.
    std::vector<Series> series;
};

/// Writes the chart as one SVG element.
void writeLineChart(ReportWriter& page, const LineChart& chart);

/// One row of a legend: the line's colour as a swatch, then the caller's cells.
struct LegendRow {
    Colour colour;
    bool emphasised = false;
    std::vector<std::string> cells;
};

struct Legend {
    /// The id of the table in the page, after `idPrefix`.
    Fragment id = "legend";
    std::string idPrefix;
    Fragment rowClass = "legend-row";
    /// The column headings, the swatch column's first.
    std::vector<std::string> headings;
    std::vector<LegendRow> rows;
};

/// Writes the legend as a table; the swatches have the classes "swatch" and, for
/// emphasised lines, "thick", for the page's style to draw.
void writeLegend(ReportWriter& page, const Legend& legend);

}  // namespace league::charts
