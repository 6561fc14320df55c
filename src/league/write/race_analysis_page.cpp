#include "league/write/race_analysis_page.hpp"

#include "league/write/race_texts.hpp"
#include "league/write/page_frame.hpp"
#include "league/write/page_titles.hpp"
#include "league/write/race_analysis_tables.hpp"
#include "league/write/round_heading.hpp"
#include "league/write/season_charts.hpp"

#include "common/charts/line_chart.hpp"
#include "common/charts/race_charts.hpp"
#include "common/markup_writer.hpp"
#include "common/time_text.hpp"

#include <algorithm>

namespace league::season {

namespace {

// The race in a sentence, with each lap that was split in two.
void writeSummary(MarkupWriter& html, const AnalysedRace& race) {
    html.write("<p>");
    html.writeContent(raceSummary(race));
    html.write(".");
    for (const AskedLap& lap : race.replayed.askedLaps) {
        if (lap.split) {
            html.writeContent(" Lap " + std::to_string(lap.lap) + " of #" + std::to_string(lap.startNumber) + " " +
                              lap.rider + " (" + formatLapTime(lap.lapTime) + ")");
            html.write(" held a lap that the simulator did not count; it is split in two.");
        }
    }
    html.write("</p>\n");
}

// The riders' lines in League's colours, in the order of the result: every line
// readable on white, the first three thick.
charts::RaceLines raceLinesOf(const quorrin::RaceRecord& record, const quorrin::RaceChart& chart) {
    charts::RaceLines race{record.trackName, chart.lapCount, {}, chart.resultOrder};
    for (const quorrin::ChartRider& rider : chart.riders) {
        race.riders.push_back({rider.startNumber, rider.name, {}, false, rider.finalPosition, rider.positionAtLap,
                               rider.gapAtLap});
    }
    for (std::size_t place = 0; place < chart.resultOrder.size(); ++place) {
        charts::RiderLine& line = race.riders[chart.resultOrder[place]];
        line.colour = lineColour(place);
        line.emphasised = place < 3;
    }
    return race;
}

// The legend of both charts, a disqualified rider's final position "DSQ".
charts::Legend legendOf(const AnalysedRace& race, const charts::RaceLines& lines) {
    charts::Legend legend = charts::resultLegendOf(lines, "riders-legend");
    for (std::size_t row = 0; row < legend.rows.size(); ++row) {
        const std::int32_t slot = race.chartSlots[lines.resultOrder[row]];
        if (race.stewards[quorrin::toIndex(slot)].disqualified) {
            legend.rows[row].cells.back() = "DSQ";
        }
    }
    return legend;
}

// The position and gap charts with one legend below both; their ids start with
// `idPrefix`.
void writeCharts(ReportWriter& page, const AnalysedRace& race, const std::string& idPrefix) {
    const charts::RaceLines lines = raceLinesOf(race.replayed.record, race.chart);
    charts::LineChart positions = charts::positionChartOf(lines);
    charts::LineChart gaps = charts::gapChartOf(lines);
    charts::Legend legend = legendOf(race, lines);
    positions.idPrefix = idPrefix;
    gaps.idPrefix = idPrefix;
    legend.idPrefix = idPrefix;
    page.writeFragment("<h2>Positions</h2>\n<p class=\"note\">The position of every rider at the end of each lap, the "
                       "leader on top; a square marks the last lap of a rider who retired or was lapped.</p>\n"
                       "<div class=\"chart\">\n");
    charts::writeLineChart(page, positions);
    page.writeFragment("</div>\n<h2>Gap to the winner's pace</h2>\n<p class=\"note\">Seconds behind the winner's "
                       "average lap at the end of each lap; a line above zero is ahead of that pace. A gap beyond the "
                       "chart is drawn on its edge as a triangle.</p>\n<div class=\"chart\">\n");
    charts::writeLineChart(page, gaps);
    page.writeFragment("</div>\n");
    charts::writeLegend(page, legend);
}

// The page or the fragment: the round's heading, then the content.
std::string framedPage(const SeasonResult& result, const HeldRound& round, const AnalysedRace& race,
                       const ReportWriter& content, PageVariant variant) {
    ReportWriter page(PageConventions::Html5);
    const std::string name = analysisName(round, race);
    writeFrameStart(page, variant, roundTitle(result, round) + " - race analysis of " + name);
    writeRaceNightHeading(page, result, round, "Race analysis: " + name, variant);
    page.writePart(content);
    writeFrameEnd(page, variant);
    return pageBytes(page);
}

}  // namespace

RaceAnalysisPages raceAnalysisPages(const SeasonResult& result, const HeldRound& round, const AnalysedRace& race,
                                    const std::string& pageStem) {
    // The tables and charts are the same on the page and in the fragment: made once.
    ReportWriter content(PageConventions::Html5);
    MarkupWriter html(content);
    writeSummary(html, race);
    writeRaceAnalysisTables(content, race);
    std::string idPrefix = pageStem + "-";
    std::replace(idPrefix.begin(), idPrefix.end(), '/', '-');
    writeCharts(content, race, idPrefix);

    constexpr PageVariant kNarrowPage{PageVariant::Form::Page, PageVariant::Width::Narrow};
    constexpr PageVariant kNarrowFragment{PageVariant::Form::Fragment, PageVariant::Width::Narrow};
    return {framedPage(result, round, race, content, kNarrowPage),
            framedPage(result, round, race, content, kNarrowFragment)};
}

}  // namespace league::season
