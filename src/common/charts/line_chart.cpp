#include "common/charts/line_chart.hpp"

#include "common/charts/value_axis.hpp"
#include "common/markup_writer.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace league::charts {

namespace {

// The drawing in the SVG's own units, which are pixels when the page is 1280 pixels
// wide: the plot between the axis labels on the left and the end labels on the right.
constexpr double kChartWidth = 1200;
constexpr double kPlotLeft = 90;
constexpr double kPlotRight = 960;
constexpr double kPlotTop = 36;
constexpr double kBottomMargin = 56;
constexpr double kAxisLabelRight = 44;
// A position axis gives each row this height, within these bounds.
constexpr double kPositionRoom = 540;
constexpr double kSmallestRowHeight = 17;
constexpr double kLargestRowHeight = 30;
constexpr double kValuePlotHeight = 480;
// Labels at the ends of the lines keep this distance from each other.
constexpr double kLabelSpacing = 13;
constexpr double kLabelOffset = 8;
// Every label stands on a white halo. A label inside the plot (at the end of a line
// that stops early) has other lines running beneath it, so its halo is wide enough
// to close the gaps between its letters and words.
constexpr Fragment kLabelHalo = "3";
constexpr Fragment kInsideLabelHalo = "8";

// Every line lies on a dark casing two units wider, so that light colours stand out
// on the white page as well as dark ones.
constexpr Fragment kCasingColour = "#262626";
constexpr double kLineWidth = 2.5;
constexpr double kThickLineWidth = 5;
constexpr double kCasingExtra = 2;
constexpr double kPointRadius = 3.2;
constexpr double kMarkSize = 10;

// One point of a line: where it is drawn. A clipped point lies beyond the chart's edge
// and is drawn on it, pointing up (-1) or down (+1).
struct Point {
    std::size_t x = 0;
    double y = 0;
    int clipped = 0;
};

struct Line {
    const Series* series = nullptr;
    std::vector<Point> points;
};

// The drawing as both kinds of y axis leave it: where the plot ends, and the lines
// with their points placed.
struct Frame {
    double plotBottom = kPlotTop;
    std::vector<Line> lines;
};

double xOf(const LineChart& chart, std::size_t x) {
    const double intervals = chart.xLabels.size() > 1 ? static_cast<double>(chart.xLabels.size() - 1) : 1;
    return kPlotLeft + static_cast<double>(x) * (kPlotRight - kPlotLeft) / intervals;
}

// The lines of the series with at least one point; `pointAt(value)` places a value.
template <typename PointAt>
std::vector<Line> linesOf(const LineChart& chart, PointAt pointAt) {
    std::vector<Line> lines;
    for (const Series& series : chart.series) {
        Line line{&series, {}};
        for (std::size_t x = 0; x < chart.xLabels.size() && x < series.values.size(); ++x) {
            if (series.values[x]) {
                Point point = pointAt(*series.values[x]);
                point.x = x;
                line.points.push_back(point);
            }
        }
        if (!line.points.empty()) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

void writeGridLine(MarkupWriter& svg, double x1, double y1, double x2, double y2, Fragment stroke, double width) {
    svg.open("line").coordinate("x1", x1).coordinate("y1", y1).coordinate("x2", x2).coordinate("y2", y2);
    svg.attribute("stroke", stroke).coordinate("stroke-width", width).endEmpty();
}

void writeLabel(MarkupWriter& svg, double x, double y, Fragment anchor, std::string_view text, bool italic = false) {
    svg.open("text").coordinate("x", x).coordinate("y", y).attribute("text-anchor", anchor);
    svg.attribute("dy", "0.35em");
    if (italic) {
        svg.attribute("font-style", "italic");
    }
    svg.endStart();
    svg.writeContent(text);
    svg.close("text");
}

// The vertical gridlines of the x positions with their labels below the plot.
void writeXGrid(MarkupWriter& svg, const LineChart& chart, const Frame& frame) {
    for (std::size_t x = 0; x < chart.xLabels.size(); ++x) {
        writeGridLine(svg, xOf(chart, x), kPlotTop, xOf(chart, x), frame.plotBottom, "#e6e6e6", 1);
        writeLabel(svg, xOf(chart, x), frame.plotBottom + 16, "middle", chart.xLabels[x]);
    }
    writeLabel(svg, (kPlotLeft + kPlotRight) / 2, frame.plotBottom + 38, "middle", chart.xTitle);
}

// Moves the labels at one end of the lines apart where they would overlap: in order
// from the top, each keeps kLabelSpacing below the one before; when that pushes the
// last one below the chart, they are pushed back up from there.
void spreadLabels(std::vector<double*>& ys, double top, double bottom) {
    std::sort(ys.begin(), ys.end(), [](const double* a, const double* b) { return *a < *b; });
    for (std::size_t i = 0; i < ys.size(); ++i) {
        const double least = i == 0 ? top : *ys[i - 1] + kLabelSpacing;
        *ys[i] = std::max(*ys[i], least);
    }
    for (std::size_t i = ys.size(); i-- > 0;) {
        const double most = i + 1 == ys.size() ? bottom : *ys[i + 1] - kLabelSpacing;
        *ys[i] = std::min(*ys[i], most);
    }
}

struct EndLabel {
    double x = 0;
    // Where the line ends, and where its label went after spreading.
    double lineY = 0;
    double y = 0;
    bool right = false;
    bool insidePlot = false;
    const std::string* text = nullptr;
};

// The label at the right end of every line and, where a series has one, at its left
// end; spread apart among the labels at the same end, with a thin leader to a label
// that had to move away from its line.
void writeEndLabels(MarkupWriter& svg, const LineChart& chart, const Frame& frame) {
    std::vector<EndLabel> labels;
    for (const Line& line : frame.lines) {
        const Point& first = line.points.front();
        const Point& last = line.points.back();
        if (!line.series->startLabel.empty()) {
            labels.push_back(
                {xOf(chart, first.x) - kLabelOffset, first.y, first.y, false, false, &line.series->startLabel});
        }
        const bool endsEarly = last.x + 1 < chart.xLabels.size();
        labels.push_back({xOf(chart, last.x) + kLabelOffset, last.y, last.y, true, endsEarly, &line.series->endLabel});
    }
    std::map<std::pair<double, bool>, std::vector<double*>> sameEnd;
    for (EndLabel& label : labels) {
        sameEnd[{label.x, label.right}].push_back(&label.y);
    }
    for (auto& [end, ys] : sameEnd) {
        spreadLabels(ys, kPlotTop - kLabelSpacing / 2, frame.plotBottom + kLabelSpacing / 2);
    }
    for (const EndLabel& label : labels) {
        const double side = label.right ? 1 : -1;
        if (std::abs(label.y - label.lineY) > kLabelSpacing / 4) {
            writeGridLine(svg, label.x - side * (kLabelOffset - 2), label.lineY, label.x - side * 2, label.y,
                          "#999999", 0.75);
        }
        svg.open("text").coordinate("x", label.x).coordinate("y", label.y);
        svg.attribute("text-anchor", label.right ? Fragment("start") : Fragment("end")).attribute("dy", "0.35em");
        svg.attribute("stroke", "#ffffff").attribute("stroke-width", label.insidePlot ? kInsideLabelHalo : kLabelHalo);
        if (label.insidePlot) {
            svg.attribute("stroke-linejoin", "round");
        }
        svg.attribute("paint-order", "stroke");
        svg.endStart();
        svg.writeContent(*label.text);
        svg.close("text");
    }
}

void writeTooltip(MarkupWriter& svg, const Series& series, std::size_t x) {
    svg.open("title").endStart();
    if (x < series.tooltips.size()) {
        svg.writeContent(series.tooltips[x]);
    }
    svg.close("title", false);
}

// Every point of a line with its tooltip: a dot; a square at the last point of a line
// that ends before the last x position; a triangle on the edge for a point beyond it.
void writePoints(MarkupWriter& svg, const LineChart& chart, const Line& line) {
    const Series& series = *line.series;
    const double half = kMarkSize / 2 + (series.emphasised ? 1 : 0);
    const auto paint = [&] {
        svg.colour("fill", series.colour).attribute("stroke", kCasingColour).attribute("stroke-width", "1");
        svg.endStart();
    };
    for (const Point& point : line.points) {
        const double x = xOf(chart, point.x);
        const bool endsEarly = &point == &line.points.back() && point.x + 1 < chart.xLabels.size();
        Fragment element = "circle";
        if (point.clipped != 0) {
            element = "path";
            const double tip = point.y + point.clipped * half;
            const double base = point.y - point.clipped * half;
            svg.open(element).attribute("class", "clipped").beginValue("d");
            svg.write("M");
            svg.writeCoordinate(x);
            svg.write(",");
            svg.writeCoordinate(tip);
            svg.write(" L");
            svg.writeCoordinate(x - half);
            svg.write(",");
            svg.writeCoordinate(base);
            svg.write(" L");
            svg.writeCoordinate(x + half);
            svg.write(",");
            svg.writeCoordinate(base);
            svg.write(" Z");
            svg.endValue();
        } else if (endsEarly) {
            element = "rect";
            svg.open(element).attribute("class", "line-end").coordinate("x", x - half).coordinate("y", point.y - half);
            svg.coordinate("width", 2 * half).coordinate("height", 2 * half);
        } else {
            svg.open(element).coordinate("cx", x).coordinate("cy", point.y);
            svg.coordinate("r", kPointRadius + (series.emphasised ? 1 : 0));
        }
        paint();
        writeTooltip(svg, series, point.x);
        svg.close(element);
    }
}

void writeLine(MarkupWriter& svg, const LineChart& chart, const Line& line) {
    const Series& series = *line.series;
    const auto writePointList = [&] {
        svg.beginValue("points");
        for (const Point& point : line.points) {
            if (&point != &line.points.front()) {
                svg.write(" ");
            }
            svg.writeCoordinate(xOf(chart, point.x));
            svg.write(",");
            svg.writeCoordinate(point.y);
        }
        svg.endValue();
    };
    const auto writeShape = [&] {
        svg.attribute("fill", "none").attribute("stroke-linejoin", "round").attribute("stroke-linecap", "round");
        svg.endEmpty();
    };
    const double width = series.emphasised ? kThickLineWidth : kLineWidth;
    svg.write("<g>\n");
    svg.open("polyline").attribute("class", "casing");
    writePointList();
    svg.attribute("stroke", kCasingColour).coordinate("stroke-width", width + kCasingExtra);
    writeShape();
    svg.open("polyline").attribute("class", chart.lineClass).text(chart.keyAttribute, series.key);
    writePointList();
    svg.colour("stroke", series.colour).coordinate("stroke-width", width);
    writeShape();
    writePoints(svg, chart, line);
    svg.write("</g>\n");
}

// The lines, the last series first so that the first ones lie on top, and the
// emphasised lines above all others.
void writeLines(MarkupWriter& svg, const LineChart& chart, const Frame& frame) {
    for (const bool emphasised : {false, true}) {
        for (auto line = frame.lines.rbegin(); line != frame.lines.rend(); ++line) {
            if (line->series->emphasised == emphasised) {
                writeLine(svg, chart, *line);
            }
        }
    }
}

template <typename WriteYGrid>
void writeDrawing(MarkupWriter& svg, const LineChart& chart, const Frame& frame, WriteYGrid writeYGrid) {
    const double height = frame.plotBottom + kBottomMargin;
    svg.open("svg").id(chart.idPrefix, chart.id).attribute("role", "img").beginValue("aria-label");
    svg.write(chart.description);
    if (!chart.descriptionDetails.empty()) {
        svg.write(", ");
        svg.writeContent(chart.descriptionDetails);
    }
    svg.endValue();
    svg.attribute("xmlns", "http://www.w3.org/2000/svg").beginValue("viewBox");
    svg.write("0 0 ");
    svg.writeCoordinate(kChartWidth);
    svg.write(" ");
    svg.writeCoordinate(height);
    svg.endValue();
    svg.coordinate("width", kChartWidth).coordinate("height", height).attribute("font-size", "12");
    svg.write(">\n");
    writeXGrid(svg, chart, frame);
    writeYGrid();
    writeLines(svg, chart, frame);
    writeEndLabels(svg, chart, frame);
    svg.close("svg");
}

void writePositionChart(MarkupWriter& svg, const LineChart& chart, const PositionAxis& axis) {
    std::int64_t rows = std::max<std::int64_t>(static_cast<std::int64_t>(chart.series.size()), 1);
    for (const Series& series : chart.series) {
        for (const auto& value : series.values) {
            rows = std::max(rows, value.value_or(0));
        }
    }
    const double rowHeight =
        rows > 1 ? std::clamp(kPositionRoom / static_cast<double>(rows - 1), kSmallestRowHeight, kLargestRowHeight)
                 : 0;
    const auto rowY = [&](std::int64_t row) { return kPlotTop + static_cast<double>(row - 1) * rowHeight; };
    const Frame frame{rowY(rows), linesOf(chart, [&](std::int64_t row) { return Point{0, rowY(row), 0}; })};
    writeDrawing(svg, chart, frame, [&] {
        for (std::int64_t row = 1; row <= rows; ++row) {
            writeGridLine(svg, kPlotLeft, rowY(row), kPlotRight, rowY(row), "#eeeeee", 1);
            writeLabel(svg, kAxisLabelRight, rowY(row), "end", axis.labelPrefix + std::to_string(row));
        }
    });
}

void writeValueChart(MarkupWriter& svg, const LineChart& chart, const ValueAxis& axis) {
    std::vector<std::int64_t> values;
    for (const Series& series : chart.series) {
        for (const auto& value : series.values) {
            if (value) {
                values.push_back(*value);
            }
        }
    }
    const ValueAxisRange range = valueAxisFor(std::move(values), axis.steps, axis.farOutFence);
    const auto valueY = [&](std::int64_t value) {
        const std::int64_t shown = std::clamp(value, range.lowest, range.highest);
        const std::int64_t fromTop = axis.largerOnTop ? range.highest - shown : shown - range.lowest;
        return kPlotTop + kValuePlotHeight * static_cast<double>(fromTop) /
                              static_cast<double>(range.highest - range.lowest);
    };
    const auto pointAt = [&](std::int64_t value) {
        int beyond = value < range.lowest ? -1 : (value > range.highest ? 1 : 0);
        if (axis.largerOnTop) {
            beyond = -beyond;
        }
        return Point{0, valueY(value), axis.farOutFence ? beyond : 0};
    };
    const Frame frame{kPlotTop + kValuePlotHeight, linesOf(chart, pointAt)};
    writeDrawing(svg, chart, frame, [&] {
        for (std::int64_t value = range.lowest; value <= range.highest; value += range.step) {
            const bool zero = value == 0;
            writeGridLine(svg, kPlotLeft, valueY(value), kPlotRight, valueY(value),
                          zero ? Fragment("#555555") : Fragment("#eeeeee"), zero ? 1.5 : 1);
            writeLabel(svg, kAxisLabelRight, valueY(value), "end", axis.gridLabel ? axis.gridLabel(value) : "");
        }
        if (!axis.topCaption.empty()) {
            writeLabel(svg, kAxisLabelRight, kPlotTop - 20, "end", axis.topCaption, true);
        }
        if (!axis.bottomCaption.empty()) {
            writeLabel(svg, kAxisLabelRight, frame.plotBottom + 20, "end", axis.bottomCaption, true);
        }
    });
}

}  // namespace

void writeLineChart(ReportWriter& page, const LineChart& chart) {
    MarkupWriter svg(page);
    if (const auto* positions = std::get_if<PositionAxis>(&chart.yAxis)) {
        writePositionChart(svg, chart, *positions);
    } else {
        writeValueChart(svg, chart, std::get<ValueAxis>(chart.yAxis));
    }
}

void writeLegend(ReportWriter& page, const Legend& legend) {
    MarkupWriter html(page);
    html.open("table").id(legend.idPrefix, legend.id).write(">\n");
    html.write("<thead><tr>");
    for (const std::string& heading : legend.headings) {
        html.write("<th>");
        html.writeContent(heading);
        html.write("</th>");
    }
    html.write("</tr></thead>\n");
    html.write("<tbody>\n");
    for (const LegendRow& row : legend.rows) {
        html.open("tr").attribute("class", legend.rowClass).endStart();
        html.write("<td>");
        html.open("span").attribute("class", row.emphasised ? Fragment("swatch thick") : Fragment("swatch"));
        html.beginValue("style");
        html.write("background-color: ");
        html.writeColour(row.colour);
        html.endValue();
        html.write("></span></td>");
        for (const std::string& cell : row.cells) {
            html.write("<td>");
            html.writeContent(cell);
            html.write("</td>");
        }
        html.write("</tr>\n");
    }
    html.write("</tbody>\n</table>\n");
}

}  // namespace league::charts
