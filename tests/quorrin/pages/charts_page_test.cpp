#include "quorrin/pages/charts_page.hpp"

#include "support/expected_page.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

std::size_t countOf(const std::string& page, const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = page.find(text); at != std::string::npos; at = page.find(text, at + 1)) {
        ++count;
    }
    return count;
}

// The number of points of the line of start number `number` in the chart `chartId`.
std::size_t linePoints(const std::string& page, const std::string& chartId, std::int32_t number) {
    const std::size_t chart = page.find("id=\"" + chartId + "\"");
    const std::string opening = "class=\"rider-line\" data-start-number=\"" + std::to_string(number) + "\" points=\"";
    const std::size_t start = page.find(opening, chart) + opening.size();
    const std::string points = page.substr(start, page.find('"', start) - start);
    return countOf(points, ",");
}

TEST(ChartsPage, EveryRiderHasALineInBothChartsAndARowInBothLegends) {
    RaceChart chart;
    chart.lapCount = 4;
    // Ann leads, Bob follows, Cleo retires after lap 2, Dino crashes and is lapped:
    // his gaps of 90 s and more lie far beyond the others.
    chart.riders = {
        {7, "Ann \"A\" Rider", {255, 255, 255}, true, 1, {1, 1, 1, 1}, {0, -500, 200, 0}},
        {12, "Bob & Co", {255, 0, 0}, false, 3, {2, 3, 2, 2}, {500, 1500, 800, 1200}},
        {3, "Cleo Crest", {0, 0, 255}, false, 0, {3, 2, 0, 0}, {1000, 2000, std::nullopt, std::nullopt}},
        {9, "Dino Drop", {0, 128, 0}, false, 2, {4, 4, 3, 0}, {1000, 90000, 95000, std::nullopt}},
    };
    chart.resultOrder = {0, 3, 1, 2};
    const std::string page =
        testing::pageBytes([&](ReportWriter& writer) { writeChartsPage(writer, "Harbour <Loop>", chart); });

    EXPECT_EQ(countOf(page, "<svg "), 2U);
    EXPECT_EQ(countOf(page, "role=\"img\" aria-label=\""), 2U);
    EXPECT_EQ(countOf(page, "class=\"rider-line\""), 8U);
    EXPECT_EQ(countOf(page, "<tr class=\"rider-row\">"), 8U);
    // Cleo's and Dino's lines end early, each with a square at its end in both charts.
    const struct {
        std::int32_t number;
        std::size_t positionPoints;
        std::size_t gapPoints;
    } lines[] = {{7, 4, 4}, {12, 4, 4}, {3, 2, 2}, {9, 3, 3}};
    for (const auto& line : lines) {
        EXPECT_EQ(linePoints(page, "position-chart", line.number), line.positionPoints) << line.number;
        EXPECT_EQ(linePoints(page, "gap-chart", line.number), line.gapPoints) << line.number;
    }
    EXPECT_EQ(countOf(page, "class=\"line-end\""), 3U);
    // Dino's gaps beyond the others are triangles on the edge; one of them is his last point.
    EXPECT_EQ(countOf(page, "class=\"clipped\""), 2U);
    // Every point tells its lap, rider and value; names are escaped.
    for (const char* tooltip : {"<title>Lap 2: #12 Bob &amp; Co, P3</title>",
                                "<title>Lap 2: #7 Ann &quot;A&quot; Rider, -0.500 s</title>",
                                "<title>Lap 1: #3 Cleo Crest, +1.000 s</title>",
                                "<title>Lap 4: #7 Ann &quot;A&quot; Rider, 0.000 s</title>",
                                "<title>Lap 3: #9 Dino Drop, +95.000 s</title>"}) {
        EXPECT_EQ(countOf(page, tooltip), 1U) << tooltip;
    }
    EXPECT_EQ(countOf(page, "<h1>Harbour &lt;Loop&gt;</h1>"), 1U);
    EXPECT_EQ(countOf(page, "<Loop>"), 0U);
    // The legend lists the riders in the order of the result.
    const std::size_t legend = page.find("id=\"position-legend\"");
    EXPECT_LT(page.find("<td>7</td>", legend), page.find("<td>9</td>", legend));
    EXPECT_LT(page.find("<td>9</td>", legend), page.find("<td>12</td>", legend));
    EXPECT_LT(page.find("<td>12</td>", legend), page.find("<td>3</td>", legend));
    // Every line ends in CR LF.
    EXPECT_EQ(countOf(page, "\n"), countOf(page, "\r\n"));
}

}  // namespace
}  // namespace league::quorrin
