#include "league/write/race_analysis_page.hpp"

#include "league/write/html_text.hpp"
#include "league/write/round_index.hpp"
#include "league/write/season_charts.hpp"
#include "league/write/text_tables.hpp"

#include "quorrin/analysis/lap_shade_colour.hpp"

#include "common/charts/race_charts.hpp"

#include "common/time_text.hpp"

#include <algorithm>
#include <cstdio>

namespace league::season {

namespace {

using quorrin::kNoSlot;
using quorrin::RaceAnalysis;
using quorrin::RaceRecord;
using quorrin::toIndex;

std::string numberText(const RaceRecord& race, std::int32_t slot) {
    return std::to_string(race.startNumber[toIndex(slot)]);
}

// The start number and the name cells of a rider.
std::string riderCells(const RaceRecord& race, std::int32_t slot) {
    return "<td>" + numberText(race, slot) + "</td><td class=\"name\">" + htmlText(race.driverName[toIndex(slot)]) + "</td>";
}

// A cell of a lap column that names a rider by start number, with the name and, when
// given, a time as its tooltip.
std::string holderCell(const RaceRecord& race, std::int32_t slot, std::int32_t time = 0) {
    if (slot == kNoSlot) {
        return "<td></td>";
    }
    std::string tooltip = "#" + numberText(race, slot) + " " + race.driverName[toIndex(slot)];
    if (time > 0) {
        tooltip += ", " + formatLapTime(time);
    }
    return "<td title=\"" + htmlText(tooltip) + "\">" + numberText(race, slot) + "</td>";
}

std::string lapHeads(std::int32_t firstLap, std::int32_t lastLap) {
    std::string heads;
    for (std::int32_t lap = firstLap; lap <= lastLap; ++lap) {
        heads += "<th>L" + std::to_string(lap) + "</th>";
    }
    return heads;
}

std::string optionalGap(const std::optional<std::int32_t>& gap) {
    return gap ? gapText(*gap) : std::string();
}

// What the result says about a rider beyond the time: lapped, retired, a time
// penalty, a lap split.
std::string marksOf(const AnalysedRace& race, std::int32_t slot) {
    const RaceRecord& record = race.replayed.record;
    std::string marks;
    const auto add = [&](const std::string& mark) { marks += (marks.empty() ? "" : ", ") + mark; };
    const RaceEnd& end = race.raceEnd[toIndex(slot)];
    const std::string laps = std::to_string(end.lapsBehind) + (end.lapsBehind == 1 ? " lap" : " laps");
    if (end.kind == RaceEnd::Kind::Lapped) {
        add("lapped, " + laps + " down");
    } else if (end.kind == RaceEnd::Kind::Retired) {
        add("retired after " + std::to_string(record.lapsDone[toIndex(slot)]) + " laps");
    }
    if (record.penalty[toIndex(slot)] > 0) {
        add("time penalty " + formatLapTime(record.penalty[toIndex(slot)]) + " s");
    }
    for (const AskedLap& lap : race.replayed.askedLaps) {
        if (lap.split && lap.startNumber == record.startNumber[toIndex(slot)]) {
            add("lap " + std::to_string(lap.lap) + " split");
        }
    }
    return marks.empty() ? marks : " <span class=\"mark\">" + htmlText(marks) + "</span>";
}

void writeResult(std::string& page, const AnalysedRace& race, const RaceAnalysis& analysis) {
    const RaceRecord& record = race.replayed.record;
    const quorrin::PositionBoard& board = *analysis.positionBoard;
    const std::int32_t lastLap = quorrin::lastShownLap(record);
    page += "<h2>Result and positions lap by lap</h2>\n<p class=\"note\">The final result by laps and race time, "
            "then who held each position at the end of every lap (on track: race time less any time "
            "penalty).</p>\n<div class=\"scroll\"><table class=\"result\">\n<thead><tr><th>Pos</th><th>#</th>"
            "<th class=\"name\">Rider</th><th class=\"name\">Bike</th><th>Laps</th><th>Time</th><th>Gap</th>"
            "<th title=\"behind the rider above\">Interval</th>" +
            lapHeads(1, lastLap) + "</tr></thead>\n<tbody>\n";
    for (std::int32_t row = 0; row < record.driverCount; ++row) {
        const quorrin::FinalResultRow& result = board.finalResult[toIndex(row)];
        if (result.slot == kNoSlot) {
            continue;
        }
        page += "<tr class=\"rider-row\"><td>" + std::to_string(row + 1) + "</td><td>" + numberText(record, result.slot) +
                "</td><td class=\"name\">" + htmlText(record.driverName[toIndex(result.slot)]) + marksOf(race, result.slot) +
                "</td><td class=\"name\">" + htmlText(record.bikeName[toIndex(result.slot)]) + "</td><td>" +
                std::to_string(result.laps) + "</td><td>" + timeText(result.raceTime) + "</td><td>" +
                optionalGap(result.gapToWinner) + "</td><td>" + optionalGap(result.gapToPrevious) + "</td>";
        for (std::int32_t lap = 1; lap <= lastLap; ++lap) {
            page += holderCell(record, board.holderAtLap[toIndex(lap)][toIndex(row)]);
        }
        page += "</tr>\n";
    }
    page += "</tbody>\n</table></div>\n";
}

void writeFastestLaps(std::string& page, const RaceRecord& record, const RaceAnalysis& analysis) {
    const quorrin::FastestRaceLaps& fastest = analysis.fastestRaceLaps;
    page += "<h2>Fastest laps</h2>\n<div class=\"scroll\"><table class=\"best-laps\">\n<thead><tr><th>Pos</th>"
            "<th>#</th><th class=\"name\">Rider</th><th>Best lap</th><th>On lap</th><th>Gap</th></tr></thead>\n"
            "<tbody>\n";
    for (std::size_t row = 0; row < fastest.bestLapOrder.size(); ++row) {
        const std::int32_t slot = fastest.bestLapOrder[row];
        if (slot == kNoSlot) {
            continue;
        }
        page += "<tr><td>" + std::to_string(row + 1) + "</td>" + riderCells(record, slot) + "<td>" +
                timeText(record.lapTime[toIndex(slot)][0]) + "</td><td>" + std::to_string(record.bestLapNo[toIndex(slot)]) +
                "</td><td>" + optionalGap(fastest.gapToFastest[row]) + "</td></tr>\n";
    }
    page += "</tbody>\n</table></div>\n";

    const std::int32_t lastLap = quorrin::lastShownLap(record);
    page += "<h3>The riders of every lap, fastest first</h3>\n<div class=\"scroll\"><table class=\"lap-order\">\n"
            "<thead><tr><th>Rank</th>" +
            lapHeads(fastest.firstShownLap, lastLap) + "</tr></thead>\n<tbody>\n";
    for (std::int32_t rank = 0; rank < record.driverCount; ++rank) {
        page += "<tr><td>" + std::to_string(rank + 1) + "</td>";
        for (std::int32_t lap = fastest.firstShownLap; lap <= lastLap; ++lap) {
            const std::int32_t slot = fastest.fastestAtLap[toIndex(lap)][toIndex(rank)];
            page += holderCell(record, slot, slot == kNoSlot ? 0 : record.lapTime[toIndex(slot)][toIndex(lap)]);
        }
        page += "</tr>\n";
    }
    page += "</tbody>\n</table></div>\n";

    page += "<h3>Number of fastest laps</h3>\n<table class=\"fastest-lap-counts\">\n<thead><tr><th>#</th>"
            "<th class=\"name\">Rider</th><th>Laps</th></tr></thead>\n<tbody>\n";
    for (const std::int32_t slot : analysis.fastestLapCountOrder) {
        if (slot != kNoSlot) {
            page += "<tr>" + riderCells(record, slot) + "<td>" +
                    std::to_string(fastest.fastestLapCount[toIndex(slot)]) + "</td></tr>\n";
        }
    }
    page += "</tbody>\n</table>\n";
}

void writeConsistency(std::string& page, const RaceRecord& record, const RaceAnalysis& analysis) {
    page += "<h2>Consistency</h2>\n<p class=\"note\">The riders who completed at least 80 % of the race, by how far "
            "their average lap (from lap 2) lies above their best lap.</p>\n<table class=\"consistency\">\n"
            "<thead><tr><th>Pos</th><th>#</th><th class=\"name\">Rider</th><th>Average lap</th><th>Best lap</th>"
            "<th>Average &minus; best</th></tr></thead>\n<tbody>\n";
    for (std::size_t row = 0; row < analysis.consistencyOrder.size(); ++row) {
        const std::int32_t slot = analysis.consistencyOrder[row];
        if (slot != kNoSlot) {
            page += "<tr><td>" + std::to_string(row + 1) + "</td>" + riderCells(record, slot) + "<td>" +
                    timeText(analysis.averages.averageLap[toIndex(slot)]) + "</td><td>" +
                    timeText(record.lapTime[toIndex(slot)][0]) + "</td><td>" +
                    gapText(analysis.averages.averageMinusBest[toIndex(slot)]) + "</td></tr>\n";
        }
    }
    page += "</tbody>\n</table>\n";
}

void writeFastestLapDevelopment(std::string& page, const RaceRecord& record, const RaceAnalysis& analysis) {
    page += "<h2>Development of the fastest lap</h2>\n<table class=\"fastest-lap-development\">\n<thead><tr>"
            "<th>Lap</th><th>#</th><th class=\"name\">Rider</th><th>Time</th></tr></thead>\n<tbody>\n";
    for (const quorrin::LapRecord& lap : analysis.fastestLapDevelopment) {
        page += "<tr><td>" + std::to_string(lap.lapNumber) + "</td>" + riderCells(record, lap.slot) + "<td>" +
                timeText(lap.lapTime) + "</td></tr>\n";
    }
    page += "</tbody>\n</table>\n";
}

// The lap's shade as a background lightened halfway to white, so that the dark text
// keeps a contrast of 4.5:1 and more on the reddest and the bluest cell.
std::string shadeStyle(const quorrin::LapShade& shade) {
    const std::optional<Colour> colour = quorrin::shownColour(shade);
    if (!colour) {
        return {};
    }
    const auto light = [](std::int32_t component) { return (255 + component) / 2; };
    char text[8] = "";
    std::snprintf(text, sizeof text, "#%02x%02x%02x", light(colour->red), light(colour->green), light(colour->blue));
    return std::string(" style=\"background-color: ") + text + "\"";
}

void writeAllLapTimes(std::string& page, const AnalysedRace& race, const RaceAnalysis& analysis) {
    const RaceRecord& record = race.replayed.record;
    const quorrin::LapChart& chart = analysis.lapChart;
    const std::int32_t lastLap = quorrin::lastShownLap(record);
    page += "<h2>All lap times</h2>\n<p class=\"note\">Every lap of every rider, in the order of the result, shaded "
            "by its distance to the rider's own best lap: red near the best, blue for slow laps.</p>\n"
            "<div class=\"scroll\"><table class=\"lap-times\">\n<thead><tr><th>#</th><th class=\"name\">Rider</th>" +
            lapHeads(chart.firstShownLap, lastLap) + "</tr></thead>\n<tbody>\n";
    for (const quorrin::FinalResultRow& result : analysis.positionBoard->finalResult) {
        const std::int32_t slot = result.slot;
        if (slot == kNoSlot ||
            std::find(chart.columns.begin(), chart.columns.end(), slot) == chart.columns.end()) {
            continue;
        }
        page += "<tr class=\"rider-row\">" + riderCells(record, slot);
        for (std::int32_t lap = chart.firstShownLap; lap <= lastLap; ++lap) {
            if (record.lapsDone[toIndex(slot)] < lap) {
                page += "<td></td>";
            } else {
                page += "<td class=\"lap\"" + shadeStyle(chart.shade[toIndex(slot)][toIndex(lap)]) + ">" +
                        formatLapTime(record.lapTime[toIndex(slot)][toIndex(lap)]) + "</td>";
            }
        }
        page += "</tr>\n";
    }
    page += "</tbody>\n</table></div>\n";
}

// The riders' lines in League's colours, in the order of the result: every line
// readable on white, the first three thick.
charts::RaceLines raceLinesOf(const RaceRecord& record, const quorrin::RaceChart& chart) {
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

void writeCharts(std::string& page, const RaceRecord& record, const RaceAnalysis& analysis,
                 const std::string& idPrefix) {
    const charts::RaceLines race = raceLinesOf(record, *analysis.raceChart);
    charts::LineChart positions = charts::positionChartOf(race);
    charts::LineChart gaps = charts::gapChartOf(race);
    charts::Legend legend = charts::resultLegendOf(race, "riders-legend");
    positions.idPrefix = idPrefix;
    gaps.idPrefix = idPrefix;
    legend.idPrefix = idPrefix;
    ReportWriter drawn;
    page += "<h2>Positions</h2>\n<p class=\"note\">The position of every rider at the end of each lap, the leader on "
            "top; a square marks the last lap of a rider who retired or was lapped.</p>\n<div class=\"chart\">\n";
    charts::writeLineChart(drawn, positions);
    appendDrawn(page, drawn);
    drawn.clear();
    page += "</div>\n<h2>Gap to the winner's pace</h2>\n<p class=\"note\">Seconds behind the winner's average lap at "
            "the end of each lap; a line above zero is ahead of that pace. A gap beyond the chart is drawn on its "
            "edge as a triangle.</p>\n<div class=\"chart\">\n";
    charts::writeLineChart(drawn, gaps);
    appendDrawn(page, drawn);
    drawn.clear();
    page += "</div>\n";
    charts::writeLegend(drawn, legend);
    appendDrawn(page, drawn);
}

}  // namespace

RaceAnalysisPages raceAnalysisPages(const SeasonResult& result, const HeldRound& round, const AnalysedRace& race,
                                    const std::string& pageStem) {
    const RaceRecord& record = race.replayed.record;
    const RaceAnalysis& analysis = *race.analysis;
    const std::string shows = "Race analysis: " + race.replayed.name;
    // The tables and charts are the same on the page and in the fragment: made once.
    std::string content = "<p>" + htmlText(raceSummary(race)) + ".";
    for (const AskedLap& lap : race.replayed.askedLaps) {
        if (lap.split) {
            content += " Lap " + std::to_string(lap.lap) + " of #" + std::to_string(lap.startNumber) + " " +
                       htmlText(lap.rider) + " (" + formatLapTime(lap.lapTime) +
                       ") held a lap that the simulator did not count; it is split in two.";
        }
    }
    content += "</p>\n";
    writeResult(content, race, analysis);
    writeFastestLaps(content, record, analysis);
    writeConsistency(content, record, analysis);
    writeFastestLapDevelopment(content, record, analysis);
    writeAllLapTimes(content, race, analysis);
    std::string idPrefix = pageStem + "-";
    std::replace(idPrefix.begin(), idPrefix.end(), '/', '-');
    writeCharts(content, record, analysis, idPrefix);

    RaceAnalysisPages pages;
    pages.page.reserve(content.size() + 4096);
    writePageStart(pages.page, roundTitle(result, round) + " - race analysis of " + race.replayed.name, true);
    writeRoundHeading(pages.page, result, round, shows, true);
    pages.page += content;
    writePageEnd(pages.page);
    pages.fragment.reserve(content.size() + 4096);
    writeFragmentStart(pages.fragment, true);
    writeRoundHeading(pages.fragment, result, round, shows, false);
    pages.fragment += content;
    writeFragmentEnd(pages.fragment);
    return pages;
}

}  // namespace league::season
