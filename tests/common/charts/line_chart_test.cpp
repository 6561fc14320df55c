#include "common/charts/line_chart.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace league::charts {
namespace {

std::size_t countOf(std::string_view page, std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = page.find(text); at != std::string_view::npos; at = page.find(text, at + 1)) {
        ++count;
    }
    return count;
}

// The y coordinates of the points of the line whose key is `key`.
std::vector<double> lineYs(std::string_view page, const std::string& key) {
    const std::string opening = "data-key=\"" + key + "\" points=\"";
    const std::size_t start = page.find(opening) + opening.size();
    std::istringstream points(std::string(page.substr(start, page.find('"', start) - start)));
    std::vector<double> ys;
    std::string point;
    while (points >> point) {
        ys.push_back(std::stod(point.substr(point.find(',') + 1)));
    }
    return ys;
}

// The y coordinate of the gridline label `label` of the y axis.
double gridLabelY(std::string_view page, const std::string& label) {
    const std::size_t end = page.find("\" text-anchor=\"end\" dy=\"0.35em\">" + label + "</text>");
    const std::size_t start = page.rfind("y=\"", end) + 3;
    return std::stod(std::string(page.substr(start, end - start)));
}

TEST(LineChart, PointsChartHasLargerValuesHigherRoundStepsAndEscapedTexts) {
    LineChart chart;
    chart.description = "Points after each round";
    chart.descriptionDetails = "<2026>";
    chart.xLabels = {"Kestrel Bay", "Harbour & Loop", "Ridge"};
    chart.xTitle = "Round";
    ValueAxis axis;
    axis.steps = {std::begin(kDecimalSteps), std::end(kDecimalSteps)};
    axis.gridLabel = [](std::int64_t points) { return std::to_string(points); };
    chart.yAxis = axis;
    // Ann scores on, Bob misses the last round; his line ends early.
    chart.series = {{{0, 0, 255}, true, {10, 25, 36}, {"a1", "a2", "Ann \"A\": 36"}, "Ann", "", "ann"},
                    {{255, 0, 0}, false, {0, 5, std::nullopt}, {"b1", "b2", ""}, "Bob & Co", "", "b<o>b"}};
    ReportWriter page;
    writeLineChart(page, chart);
    const std::string_view svg = page.bytes();

    // Steps of 5 from 0 to 40, 40 on top; no value is clipped without a fence.
    EXPECT_LT(gridLabelY(svg, "40"), gridLabelY(svg, "35"));
    EXPECT_LT(gridLabelY(svg, "5"), gridLabelY(svg, "0"));
    EXPECT_EQ(countOf(svg, "dy=\"0.35em\">45<"), 0U);
    const std::vector<double> ann = lineYs(svg, "ann");
    ASSERT_EQ(ann.size(), 3U);
    EXPECT_GT(ann[0], ann[1]);
    EXPECT_GT(ann[1], ann[2]);
    EXPECT_DOUBLE_EQ(ann[2] - gridLabelY(svg, "35"), (gridLabelY(svg, "40") - gridLabelY(svg, "35")) / 5);
    EXPECT_EQ(lineYs(svg, "b&lt;o&gt;b").size(), 2U);
    EXPECT_EQ(countOf(svg, "class=\"clipped\""), 0U);
    EXPECT_EQ(countOf(svg, "class=\"line-end\""), 1U);
    // Every text of the caller is escaped.
    for (const char* text : {"aria-label=\"Points after each round, &lt;2026&gt;\"", ">Harbour &amp; Loop</text>",
                             "<title>Ann &quot;A&quot;: 36</title>", ">Bob &amp; Co</text>"}) {
        EXPECT_EQ(countOf(svg, text), 1U) << text;
    }
    EXPECT_EQ(countOf(svg, "<2026>"), 0U);
    // Bob's label stands inside the plot, where lines run beneath it: its halo is
    // the wide one.
    const auto haloOf = [&](std::string_view label) {
        const std::size_t end = svg.find(label);
        const std::size_t start = svg.rfind("stroke-width=\"", end) + 14;
        return std::stod(std::string(svg.substr(start, svg.find('"', start) - start)));
    };
    EXPECT_GT(haloOf(">Bob &amp; Co</text>"), haloOf(">Ann</text>"));
}

TEST(LineChart, LegendHasTheCallersColumnsAndASwatchPerRow) {
    Legend legend;
    legend.headings = {"Line", "Rider", "Points"};
    legend.rows = {{{255, 0, 0}, true, {"Ann & Co", "36"}}, {{0, 15, 255}, false, {"Bob", "5"}}};
    ReportWriter page;
    writeLegend(page, legend);
    EXPECT_EQ(page.bytes(),
              "<table id=\"legend\">\r\n<thead><tr><th>Line</th><th>Rider</th><th>Points</th></tr></thead>\r\n"
              "<tbody>\r\n"
              "<tr class=\"legend-row\"><td><span class=\"swatch thick\" style=\"background-color: #ff0000\"></span>"
              "</td><td>Ann &amp; Co</td><td>36</td></tr>\r\n"
              "<tr class=\"legend-row\"><td><span class=\"swatch\" style=\"background-color: #000fff\"></span>"
              "</td><td>Bob</td><td>5</td></tr>\r\n"
              "</tbody>\r\n</table>\r\n");
}

}  // namespace
}  // namespace league::charts
