#include "quorrin/charts_page.hpp"

#include "quorrin/gap_axis.hpp"
#include "quorrin/graph_values_page.hpp"
#include "quorrin/markup_text.hpp"
#include "quorrin/colour_scheme.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

namespace league::quorrin {

namespace {

// The drawing in the SVG's own units, which are pixels when the page is 1280 pixels
// wide: the plot between the axis labels on the left and the riders' names on the right.
constexpr double kChartWidth = 1200;
constexpr double kPlotLeft = 90;
constexpr double kPlotRight = 960;
constexpr double kPlotTop = 36;
constexpr double kBottomMargin = 56;
constexpr double kAxisLabelRight = 44;
// The position chart gives each position a row of this height, within these bounds.
constexpr double kPositionRoom = 540;
constexpr double kSmallestRowHeight = 17;
constexpr double kLargestRowHeight = 30;
constexpr double kGapPlotHeight = 480;
// Labels at the ends of the lines keep this distance from each other.
constexpr double kLabelSpacing = 13;
constexpr double kLabelOffset = 8;

// Every line lies on a dark casing two units wider, so that light colours (start
// number 0 is white) stand out on the white page as well as dark ones.
constexpr const char* kCasingColour = "#262626";
constexpr double kLineWidth = 2.5;
constexpr double kThickLineWidth = 5;
constexpr double kCasingExtra = 2;
constexpr double kPointRadius = 3.2;
constexpr double kMarkSize = 10;

constexpr const char* kStyle =
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

// A coordinate to a tenth, the same on every system and in every locale: "36", "169.1".
std::string coordinateText(double value) {
    const auto tenths = static_cast<std::int64_t>(std::llround(value * 10));
    const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) {
        text += "." + std::to_string(magnitude % 10);
    }
    return text;
}

std::string colourText(const std::array<std::int32_t, 3>& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<unsigned>(std::clamp(colour[0], 0, 255)),
                  static_cast<unsigned>(std::clamp(colour[1], 0, 255)),
                  static_cast<unsigned>(std::clamp(colour[2], 0, 255)));
    return text;
}

// The value of a lap in a list whose element k - 1 belongs to lap k; nothing for a lap
// the list does not reach.
template <typename Value>
std::optional<Value> lapValue(const std::vector<Value>& values, std::int32_t lap) {
    if (lap < 1 || static_cast<std::size_t>(lap) > values.size()) {
        return std::nullopt;
    }
    return values[static_cast<std::size_t>(lap) - 1];
}

// A gap as a tooltip shows it: signed seconds with three decimals, "+4.498 s".
std::string gapText(std::int64_t gap) {
    return (gap > 0 ? "+" : "") + graphGapText(gap) + " s";
}

void writeMarkupText(ReportWriter& page, const std::string& text) {
    page.writeValueText(markupText(text));
}

// One point of a rider's line: where it is drawn and what its tooltip adds after the
// rider ("P2", "+4.498 s"). A clipped point lies beyond the chart's edge and is drawn
// on it, pointing up (-1) or down (+1).
struct ChartPoint {
    std::int32_t lap = 0;
    double y = 0;
    std::string value;
    int clipped = 0;
};

struct RiderLine {
    const ChartRider* rider = nullptr;
    std::vector<ChartPoint> points;
};

// What differs between the two charts; the rest of the drawing is shared.
struct ChartFrame {
    const char* id;
    const char* description;
    double plotBottom = kPlotTop;
    // The start numbers at the left ends of the lines: in the position chart, where
    // every rider has a row of their own on lap 1; the gaps of lap 1 lie too close.
    bool startNumbersAtLeft = false;
    std::vector<RiderLine> lines;
};

// The lines of the riders with at least one point; `pointAt(rider, lap)` gives the
// point at the end of a lap, or nothing.
template <typename PointAt>
std::vector<RiderLine> riderLines(const RaceChart& chart, PointAt pointAt) {
    std::vector<RiderLine> lines;
    for (const ChartRider& rider : chart.riders) {
        RiderLine line{&rider, {}};
        for (std::int32_t lap = 1; lap <= chart.lapCount; ++lap) {
            if (auto point = pointAt(rider, lap)) {
                line.points.push_back(std::move(*point));
            }
        }
        if (!line.points.empty()) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

double lapX(const RaceChart& chart, std::int32_t lap) {
    const std::int32_t intervals = std::max(chart.lapCount - 1, 1);
    return kPlotLeft + (lap - 1) * (kPlotRight - kPlotLeft) / intervals;
}

double chartHeight(const ChartFrame& frame) {
    return frame.plotBottom + kBottomMargin;
}

void writeLine(ReportWriter& page, double x1, double y1, double x2, double y2, const char* stroke, double width) {
    page.writeText("<line x1=\"" + coordinateText(x1) + "\" y1=\"" + coordinateText(y1) + "\" x2=\"" +
                       coordinateText(x2) + "\" y2=\"" + coordinateText(y2) + "\" stroke=\"" + stroke +
                       "\" stroke-width=\"" + coordinateText(width) + "\"/>\n");
}

void writeText(ReportWriter& page, double x, double y, const char* anchor, const std::string& text,
               const char* extra = "") {
    page.writeText("<text x=\"" + coordinateText(x) + "\" y=\"" + coordinateText(y) + "\" text-anchor=\"" +
                       anchor + "\" dy=\"0.35em\"" + extra + ">");
    page.writeText(text);
    page.writeText("</text>\n");
}

// The vertical gridlines of the laps with their numbers below the plot.
void writeLapGrid(ReportWriter& page, const RaceChart& chart, const ChartFrame& frame) {
    for (std::int32_t lap = 1; lap <= chart.lapCount; ++lap) {
        const double x = lapX(chart, lap);
        writeLine(page, x, kPlotTop, x, frame.plotBottom, "#e6e6e6", 1);
        writeText(page, x, frame.plotBottom + 16, "middle", std::to_string(lap));
    }
    writeText(page, (kPlotLeft + kPlotRight) / 2, frame.plotBottom + 38, "middle", "Lap");
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
    const ChartRider* rider = nullptr;
};

// The start number and name at the right end of every line and, when the frame asks
// for it, the start number at its left end; spread apart among the labels at the same
// lap, with a thin leader to a label that had to move away from its line.
void writeEndLabels(ReportWriter& page, const RaceChart& chart, const ChartFrame& frame) {
    std::vector<EndLabel> labels;
    for (const RiderLine& line : frame.lines) {
        const ChartPoint& first = line.points.front();
        const ChartPoint& last = line.points.back();
        if (frame.startNumbersAtLeft) {
            labels.push_back({lapX(chart, first.lap) - kLabelOffset, first.y, first.y, false, line.rider});
        }
        labels.push_back({lapX(chart, last.lap) + kLabelOffset, last.y, last.y, true, line.rider});
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
            writeLine(page, label.x - side * (kLabelOffset - 2), label.lineY, label.x - side * 2, label.y, "#999999",
                      0.75);
        }
        page.writeText("<text x=\"" + coordinateText(label.x) + "\" y=\"" + coordinateText(label.y) +
                           "\" text-anchor=\"" + (label.right ? "start" : "end") +
                           "\" dy=\"0.35em\" stroke=\"#ffffff\" stroke-width=\"3\" paint-order=\"stroke\">");
        page.writeNumber(label.rider->startNumber);
        if (label.right) {
            page.writeText(" ");
            writeMarkupText(page, label.rider->name);
        }
        page.writeText("</text>\n");
    }
}

void writeTooltip(ReportWriter& page, const ChartRider& rider, const ChartPoint& point) {
    page.writeText("<title>Lap " + std::to_string(point.lap) + ": #");
    page.writeNumber(rider.startNumber);
    page.writeText(" ");
    writeMarkupText(page, rider.name);
    page.writeText(", " + point.value + "</title>");
}

// Every point of a line with its tooltip: a dot; a square at the last lap of a line
// that ends before the race does (the rider retired or was lapped); a triangle on the
// edge for a point beyond it.
void writePoints(ReportWriter& page, const RaceChart& chart, const RiderLine& line, const std::string& fill) {
    const ChartRider& rider = *line.rider;
    const std::string paint = "\" fill=\"" + fill + "\" stroke=\"" + kCasingColour + "\" stroke-width=\"1\">";
    const double grow = rider.thickLine ? 1 : 0;
    for (const ChartPoint& point : line.points) {
        const double x = lapX(chart, point.lap);
        const bool endsEarly = &point == &line.points.back() && point.lap < chart.lapCount;
        if (point.clipped != 0) {
            const double tip = point.y + point.clipped * (kMarkSize / 2 + grow);
            const double base = point.y - point.clipped * (kMarkSize / 2 + grow);
            const double half = kMarkSize / 2 + grow;
            page.writeText("<path class=\"clipped\" d=\"M" + coordinateText(x) + "," + coordinateText(tip) +
                               " L" + coordinateText(x - half) + "," + coordinateText(base) + " L" +
                               coordinateText(x + half) + "," + coordinateText(base) + " Z" + paint);
            writeTooltip(page, rider, point);
            page.writeText("</path>\n");
        } else if (endsEarly) {
            const double half = kMarkSize / 2 + grow;
            page.writeText("<rect class=\"line-end\" x=\"" + coordinateText(x - half) + "\" y=\"" +
                               coordinateText(point.y - half) + "\" width=\"" + coordinateText(2 * half) +
                               "\" height=\"" + coordinateText(2 * half) + paint);
            writeTooltip(page, rider, point);
            page.writeText("</rect>\n");
        } else {
            page.writeText("<circle cx=\"" + coordinateText(x) + "\" cy=\"" + coordinateText(point.y) +
                               "\" r=\"" + coordinateText(kPointRadius + grow) + paint);
            writeTooltip(page, rider, point);
            page.writeText("</circle>\n");
        }
    }
}

void writeRiderLine(ReportWriter& page, const RaceChart& chart, const RiderLine& line) {
    const ChartRider& rider = *line.rider;
    std::string points;
    for (const ChartPoint& point : line.points) {
        points += (points.empty() ? "" : " ") + coordinateText(lapX(chart, point.lap)) + "," +
                  coordinateText(point.y);
    }
    const double width = rider.thickLine ? kThickLineWidth : kLineWidth;
    const std::string colour = colourText(rider.colour);
    const std::string shape = "\" fill=\"none\" stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n";
    page.writeText("<g>\n");
    page.writeText("<polyline class=\"casing\" points=\"" + points + "\" stroke=\"" + kCasingColour +
                       "\" stroke-width=\"" + coordinateText(width + kCasingExtra) + shape);
    page.writeText("<polyline class=\"rider-line\" data-start-number=\"");
    page.writeNumber(rider.startNumber);
    page.writeText("\" points=\"" + points + "\" stroke=\"" + colour + "\" stroke-width=\"" +
                       coordinateText(width) + shape);
    writePoints(page, chart, line, colour);
    page.writeText("</g>\n");
}

// The riders' lines, the last rows first so that the leaders lie on top, and the
// thick lines above all others.
void writeRiderLines(ReportWriter& page, const RaceChart& chart, const ChartFrame& frame) {
    for (const bool thick : {false, true}) {
        for (auto line = frame.lines.rbegin(); line != frame.lines.rend(); ++line) {
            if (line->rider->thickLine == thick) {
                writeRiderLine(page, chart, *line);
            }
        }
    }
}

template <typename WriteGrid>
void writeChart(ReportWriter& page, const RaceChart& chart, const ChartFrame& frame, WriteGrid writeGrid) {
    const std::string height = coordinateText(chartHeight(frame));
    page.writeText(std::string("<svg id=\"") + frame.id + "\" role=\"img\" aria-label=\"" + frame.description +
                       ", ");
    writeMarkupText(page, chart.trackName);
    page.writeText(", " + std::to_string(chart.riders.size()) + " riders, " + std::to_string(chart.lapCount) +
                       " laps\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + coordinateText(kChartWidth) +
                       " " + height + "\" width=\"" + coordinateText(kChartWidth) + "\" height=\"" + height +
                       "\" font-size=\"12\">\n");
    writeLapGrid(page, chart, frame);
    writeGrid();
    writeRiderLines(page, chart, frame);
    writeEndLabels(page, chart, frame);
    page.writeText("</svg>\n");
}

// The riders with their colours and final positions, in the order of the result;
// riders without a final position last.
void writeLegend(ReportWriter& page, const RaceChart& chart, const char* id) {
    std::vector<const ChartRider*> riders;
    for (const ChartRider& rider : chart.riders) {
        riders.push_back(&rider);
    }
    std::stable_sort(riders.begin(), riders.end(), [](const ChartRider* a, const ChartRider* b) {
        constexpr std::int32_t kLast = std::numeric_limits<std::int32_t>::max();
        return (a->finalPosition > 0 ? a->finalPosition : kLast) < (b->finalPosition > 0 ? b->finalPosition : kLast);
    });
    page.writeText(std::string("<table id=\"") + id + "\">\n");
    page.writeText("<thead><tr><th>Line</th><th>No.</th><th>Rider</th><th>Final position</th></tr></thead>\n");
    page.writeText("<tbody>\n");
    for (const ChartRider* rider : riders) {
        page.writeText(std::string("<tr class=\"rider-row\"><td><span class=\"swatch") +
                           (rider->thickLine ? " thick" : "") + "\" style=\"background-color: " +
                           colourText(rider->colour) + "\"></span></td><td>");
        page.writeNumber(rider->startNumber);
        page.writeText("</td><td>");
        writeMarkupText(page, rider->name);
        page.writeText("</td><td>");
        if (rider->finalPosition > 0) {
            page.writeNumber(rider->finalPosition);
        } else {
            page.writeText("-");
        }
        page.writeText("</td></tr>\n");
    }
    page.writeText("</tbody>\n</table>\n");
}

void writePositionChart(ReportWriter& page, const RaceChart& chart) {
    std::int32_t positions = std::max<std::int32_t>(static_cast<std::int32_t>(chart.riders.size()), 1);
    for (const ChartRider& rider : chart.riders) {
        for (const std::int32_t position : rider.positionAtLap) {
            positions = std::max(positions, position);
        }
    }
    const double rowHeight =
        positions > 1 ? std::clamp(kPositionRoom / (positions - 1), kSmallestRowHeight, kLargestRowHeight) : 0;
    const auto positionY = [&](std::int32_t position) { return kPlotTop + (position - 1) * rowHeight; };

    const auto pointAt = [&](const ChartRider& rider, std::int32_t lap) -> std::optional<ChartPoint> {
        const std::int32_t position = lapValue(rider.positionAtLap, lap).value_or(0);
        if (position <= 0) {
            return std::nullopt;
        }
        return ChartPoint{lap, positionY(position), "P" + std::to_string(position), 0};
    };
    const ChartFrame frame{"position-chart", "Position of every rider at the end of each lap", positionY(positions),
                           true, riderLines(chart, pointAt)};

    page.writeText("<section class=\"chart\">\n<h2>Positions</h2>\n");
    page.writeText("<p>The position of every rider at the end of each lap, the leader on top. A square marks "
                       "the last lap of a rider who retired or was lapped.</p>\n");
    writeChart(page, chart, frame, [&] {
        for (std::int32_t position = 1; position <= positions; ++position) {
            writeLine(page, kPlotLeft, positionY(position), kPlotRight, positionY(position), "#eeeeee", 1);
            writeText(page, kAxisLabelRight, positionY(position), "end", "P" + std::to_string(position));
        }
    });
    writeLegend(page, chart, "position-legend");
    page.writeText("</section>\n");
}

void writeGapChart(ReportWriter& page, const RaceChart& chart) {
    std::vector<std::int64_t> gaps;
    for (const ChartRider& rider : chart.riders) {
        for (const auto& gap : rider.gapAtLap) {
            if (gap) {
                gaps.push_back(*gap);
            }
        }
    }
    const GapAxis axis = gapAxisFor(gaps);
    const auto gapY = [&](std::int64_t gap) {
        const std::int64_t shown = std::clamp(gap, axis.ahead, axis.behind);
        return kPlotTop + kGapPlotHeight * static_cast<double>(shown - axis.ahead) /
                              static_cast<double>(axis.behind - axis.ahead);
    };

    const auto pointAt = [&](const ChartRider& rider, std::int32_t lap) -> std::optional<ChartPoint> {
        // An empty cell of the graph values page draws nothing.
        const std::optional<std::int64_t> gap = lapValue(rider.gapAtLap, lap).value_or(std::nullopt);
        if (!gap) {
            return std::nullopt;
        }
        const int clipped = *gap < axis.ahead ? -1 : (*gap > axis.behind ? 1 : 0);
        return ChartPoint{lap, gapY(*gap), gapText(*gap), clipped};
    };
    const ChartFrame frame{"gap-chart", "Gap of every rider to the winner's average pace at the end of each lap",
                           kPlotTop + kGapPlotHeight, false, riderLines(chart, pointAt)};

    page.writeText("<section class=\"chart\">\n<h2>Gap to the winner's pace</h2>\n");
    page.writeText("<p>Seconds behind the winner's average lap at the end of each lap; below zero a rider is "
                       "ahead of that pace. A gap beyond the chart is drawn on its edge as a triangle.</p>\n");
    writeChart(page, chart, frame, [&] {
        for (std::int64_t gap = axis.ahead; gap <= axis.behind; gap += axis.step) {
            const bool zero = gap == 0;
            writeLine(page, kPlotLeft, gapY(gap), kPlotRight, gapY(gap), zero ? "#555555" : "#eeeeee", zero ? 1.5 : 1);
            writeText(page, kAxisLabelRight, gapY(gap), "end",
                      (gap > 0 ? "+" : "") + std::to_string(gap / 1000) + " s");
        }
        writeText(page, kAxisLabelRight, kPlotTop - 20, "end", "ahead", " font-style=\"italic\"");
        writeText(page, kAxisLabelRight, frame.plotBottom + 20, "end", "behind", " font-style=\"italic\"");
    });
    writeLegend(page, chart, "gap-legend");
    page.writeText("</section>\n");
}

}  // namespace

void writeChartsPage(ReportWriter& page, const RaceChart& chart) {
    page.writeText("<!DOCTYPE html>\n<html>\n<head>\n<title>");
    writeMarkupText(page, chart.trackName);
    page.writeText(" - race charts</title>\n");
    page.writeText(kStyle);
    page.writeText("</head>\n<body>\n<div class=\"race-charts\">\n<h1>");
    writeMarkupText(page, chart.trackName);
    page.writeText("</h1>\n");
    writePositionChart(page, chart);
    writeGapChart(page, chart);
    page.writeText("</div>\n</body>\n</html>\n");
}

RaceChart computeRaceChart(const RaceRecord& race, const RaceAnalysis& analysis, std::int32_t colourChoice) {
    RaceChart chart;
    chart.trackName = race.trackName;
    chart.lapCount = lastShownLap(race);
    if (!analysis.graphValues || !analysis.positionBoard) {
        return chart;
    }
    const GraphValues& values = *analysis.graphValues;
    const auto& finalResult = analysis.positionBoard->finalResult;
    for (std::size_t row = 0; row < values.rowSlot.size(); ++row) {
        const std::int32_t slot = values.rowSlot[row];
        if (slot == kNoSlot) {
            continue;
        }
        ChartRider rider;
        rider.startNumber = race.startNumber[slot];
        rider.name = race.driverName[slot];
        rider.colour = paletteColourOf(rider.startNumber);
        // The plain scheme's red winner and yellow rider stand out with thick lines;
        // everybody else keeps a colour of their own, so that the lines can be told apart.
        if (colourChoice != 0 && slot == race.winnerSlot) {
            rider.colour = {255, 0, 0};
            rider.thickLine = true;
        } else if (colourChoice != 0 && rider.startNumber == colourChoice) {
            rider.colour = {255, 255, 0};
            rider.thickLine = true;
        }
        for (std::size_t place = 0; place < finalResult.size(); ++place) {
            if (finalResult[place].slot == slot) {
                rider.finalPosition = static_cast<std::int32_t>(place) + 1;
            }
        }
        for (std::int32_t lap = 1; lap <= chart.lapCount; ++lap) {
            rider.positionAtLap.push_back(values.position[row][static_cast<std::size_t>(lap)]);
            rider.gapAtLap.push_back(values.difference[row][static_cast<std::size_t>(lap)]);
        }
        chart.riders.push_back(std::move(rider));
    }
    return chart;
}

}  // namespace league::quorrin
