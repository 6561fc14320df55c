#include "quorrin/pages/charts_page.hpp"

#include "common/charts/line_chart.hpp"
#include "common/charts/race_charts.hpp"

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

// The riders' lines in the colours of the analysis.
charts::RaceLines raceLinesOf(const std::string& trackName, const RaceChart& chart) {
    charts::RaceLines race{trackName, chart.lapCount, {}, chart.resultOrder};
    for (const ChartRider& rider : chart.riders) {
        race.riders.push_back({rider.startNumber, rider.name, {rider.colour[0], rider.colour[1], rider.colour[2]},
                               rider.thickLine, rider.finalPosition, rider.positionAtLap, rider.gapAtLap});
    }
    return race;
}

void writePositionChart(ReportWriter& page, const charts::RaceLines& race) {
    page.writeFragment("<section class=\"chart\">\n<h2>Positions</h2>\n");
    page.writeFragment("<p>The position of every rider at the end of each lap, the leader on top. A square marks "
                       "the last lap of a rider who retired or was lapped.</p>\n");
    charts::writeLineChart(page, charts::positionChartOf(race));
    charts::writeLegend(page, charts::resultLegendOf(race, "position-legend"));
    page.writeFragment("</section>\n");
}

void writeGapChart(ReportWriter& page, const charts::RaceLines& race) {
    page.writeFragment("<section class=\"chart\">\n<h2>Gap to the winner's pace</h2>\n");
    page.writeFragment("<p>Seconds behind the winner's average lap at the end of each lap; below zero a rider is "
                       "ahead of that pace. A gap beyond the chart is drawn on its edge as a triangle.</p>\n");
    charts::writeLineChart(page, charts::gapChartOf(race));
    charts::writeLegend(page, charts::resultLegendOf(race, "gap-legend"));
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
    const charts::RaceLines race = raceLinesOf(trackName, chart);
    writePositionChart(page, race);
    writeGapChart(page, race);
    page.writeFragment("</div>\n</body>\n</html>\n");
}

}  // namespace league::quorrin
