#include "league/write/race_analysis_tables.hpp"

#include "league/write/time_texts.hpp"

#include "quorrin/analysis/lap_shade_colour.hpp"

#include "common/markup_writer.hpp"
#include "common/time_text.hpp"

#include <algorithm>

namespace league::season {

namespace {

using quorrin::kNoSlot;
using quorrin::RaceAnalysis;
using quorrin::RaceRecord;
using quorrin::toIndex;

void writeCell(MarkupWriter& html, std::string_view text) {
    html.element("td", text, false);
}

void writeNumberCell(MarkupWriter& html, std::int64_t number) {
    writeCell(html, std::to_string(number));
}

// A name's cell, with the marks after the name in small text.
void writeNameCell(MarkupWriter& html, std::string_view name, std::string_view marks = {}) {
    html.open("td").attribute("class", "name").endStart();
    html.writeContent(name);
    if (!marks.empty()) {
        html.write(" ");
        html.open("span").attribute("class", "mark").endStart();
        html.writeContent(marks);
        html.close("span", false);
    }
    html.close("td", false);
}

// The start number and the name cells of a rider.
void writeRiderCells(MarkupWriter& html, const RaceRecord& race, std::int32_t slot) {
    writeNumberCell(html, race.startNumber[toIndex(slot)]);
    writeNameCell(html, race.driverName[toIndex(slot)]);
}

// A cell of a lap column that names a rider by start number, with the name and, when
// given, a time as its tooltip.
void writeHolderCell(MarkupWriter& html, const RaceRecord& race, std::int32_t slot, std::int32_t time = 0) {
    if (slot == kNoSlot) {
        html.write("<td></td>");
        return;
    }
    const std::string number = std::to_string(race.startNumber[toIndex(slot)]);
    std::string tooltip = "#" + number + " " + race.driverName[toIndex(slot)];
    if (time > 0) {
        tooltip += ", " + formatLapTime(time);
    }
    html.open("td").text("title", tooltip).endStart();
    html.writeContent(number);
    html.close("td", false);
}

void writeLapHeads(MarkupWriter& html, std::int32_t firstLap, std::int32_t lastLap) {
    for (std::int32_t lap = firstLap; lap <= lastLap; ++lap) {
        html.element("th", "L" + std::to_string(lap), false);
    }
}

std::string optionalGap(const std::optional<std::int32_t>& gap) {
    return gap ? plusGap(*gap) : std::string();
}

// The stewards' decisions as the result marks them: "disqualified (reason)", "stewards'
// time penalty +5 s (reason)".
std::vector<std::string> stewardsMarks(const StewardsDecisions& decisions) {
    std::vector<std::string> marks;
    for (const Penalty& penalty : decisions.penalties) {
        const std::string reason = penalty.reason.empty() ? "" : " (" + penalty.reason + ")";
        if (penalty.kind == Penalty::Kind::Disqualified) {
            marks.push_back("disqualified" + reason);
        } else if (penalty.kind == Penalty::Kind::Time) {
            marks.push_back("stewards' time penalty +" + std::to_string(penalty.seconds) + " s" + reason);
        }
    }
    return marks;
}

// What the result says about a rider beyond the time: lapped, retired, a time
// penalty, the stewards' decisions, a lap split.
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
    for (const std::string& mark : stewardsMarks(race.stewards[toIndex(slot)])) {
        add(mark);
    }
    for (const AskedLap& lap : race.replayed.askedLaps) {
        if (lap.split && lap.startNumber == record.startNumber[toIndex(slot)]) {
            add("lap " + std::to_string(lap.lap) + " split");
        }
    }
    return marks;
}

// The cells of a row of the final result after the stewards: the place ("DSQ" for a
// disqualified rider), the rider with his marks, laps, time and gaps.
void writeFinalResultCells(MarkupWriter& html, const AnalysedRace& race, std::int32_t row) {
    const RaceRecord& record = race.replayed.record;
    const quorrin::FinalResultRow& result = race.finalResult[toIndex(row)];
    const std::size_t slot = toIndex(result.slot);
    if (race.stewards[slot].disqualified) {
        writeCell(html, "DSQ");
    } else {
        writeNumberCell(html, row + 1);
    }
    writeNumberCell(html, record.startNumber[slot]);
    writeNameCell(html, record.driverName[slot], marksOf(race, result.slot));
    writeNameCell(html, record.bikeName[slot]);
    writeNumberCell(html, result.laps);
    writeCell(html, timeOrDash(result.raceTime));
    writeCell(html, optionalGap(result.gapToWinner));
    writeCell(html, optionalGap(result.gapToPrevious));
}

// A row of the table: the rider of this row of the final result, or the position's
// number and empty cells where the final result has no rider; then the rider in this
// position at the end of each lap.
void writeResultRow(MarkupWriter& html, const AnalysedRace& race, const quorrin::PositionBoard& board,
                    std::int32_t row) {
    const RaceRecord& record = race.replayed.record;
    html.write("<tr class=\"rider-row\">");
    if (race.finalResult[toIndex(row)].slot == kNoSlot) {
        writeNumberCell(html, row + 1);
        html.write("<td></td><td></td><td></td><td></td><td></td><td></td><td></td>");
    } else {
        writeFinalResultCells(html, race, row);
    }
    for (std::int32_t lap = 1; lap <= quorrin::lastShownLap(record); ++lap) {
        writeHolderCell(html, record, board.holderAtLap[toIndex(lap)][toIndex(row)]);
    }
    html.write("</tr>\n");
}

// Whether the row of the table shows anyone: a rider of the final result, or a rider
// in this position at the end of some lap.
bool rowShowsARider(const AnalysedRace& race, const quorrin::PositionBoard& board, std::int32_t row) {
    bool shown = race.finalResult[toIndex(row)].slot != kNoSlot;
    for (std::int32_t lap = 1; lap <= quorrin::lastShownLap(race.replayed.record); ++lap) {
        shown = shown || board.holderAtLap[toIndex(lap)][toIndex(row)] != kNoSlot;
    }
    return shown;
}

void writeResult(MarkupWriter& html, const AnalysedRace& race, const RaceAnalysis& analysis) {
    const RaceRecord& record = race.replayed.record;
    html.write("<h2>Result and positions lap by lap</h2>\n<p class=\"note\">The final result by laps and race time, "
               "then who held each position at the end of every lap (on track: race time less any time "
               "penalty).</p>\n<div class=\"scroll\"><table class=\"result\">\n<thead><tr><th>Pos</th><th>#</th>"
               "<th class=\"name\">Rider</th><th class=\"name\">Bike</th><th>Laps</th><th>Time</th><th>Gap</th>"
               "<th title=\"behind the rider above\">Interval</th>");
    writeLapHeads(html, 1, quorrin::lastShownLap(record));
    html.write("</tr></thead>\n<tbody>\n");
    for (std::int32_t row = 0; row < record.driverCount; ++row) {
        if (rowShowsARider(race, *analysis.positionBoard, row)) {
            writeResultRow(html, race, *analysis.positionBoard, row);
        }
    }
    html.write("</tbody>\n</table></div>\n");
}

void writeBestLaps(MarkupWriter& html, const RaceRecord& record, const quorrin::FastestRaceLaps& fastest) {
    html.write("<h2>Fastest laps</h2>\n<div class=\"scroll\"><table class=\"best-laps\">\n<thead><tr><th>Pos</th>"
               "<th>#</th><th class=\"name\">Rider</th><th>Best lap</th><th>On lap</th><th>Gap</th></tr></thead>\n"
               "<tbody>\n");
    for (std::size_t row = 0; row < fastest.bestLapOrder.size(); ++row) {
        const std::int32_t slot = fastest.bestLapOrder[row];
        if (slot == kNoSlot) {
            continue;
        }
        html.write("<tr>");
        writeNumberCell(html, static_cast<std::int64_t>(row + 1));
        writeRiderCells(html, record, slot);
        writeCell(html, timeOrDash(record.lapTime[toIndex(slot)][0]));
        writeNumberCell(html, record.bestLapNo[toIndex(slot)]);
        writeCell(html, optionalGap(fastest.gapToFastest[row]));
        html.write("</tr>\n");
    }
    html.write("</tbody>\n</table></div>\n");
}

void writeLapOrder(MarkupWriter& html, const RaceRecord& record, const quorrin::FastestRaceLaps& fastest) {
    const std::int32_t lastLap = quorrin::lastShownLap(record);
    html.write("<h3>The riders of every lap, fastest first</h3>\n<div class=\"scroll\"><table class=\"lap-order\">\n"
               "<thead><tr><th>Rank</th>");
    writeLapHeads(html, fastest.firstShownLap, lastLap);
    html.write("</tr></thead>\n<tbody>\n");
    for (std::int32_t rank = 0; rank < record.driverCount; ++rank) {
        html.write("<tr>");
        writeNumberCell(html, rank + 1);
        for (std::int32_t lap = fastest.firstShownLap; lap <= lastLap; ++lap) {
            const std::int32_t slot = fastest.fastestAtLap[toIndex(lap)][toIndex(rank)];
            writeHolderCell(html, record, slot, slot == kNoSlot ? 0 : record.lapTime[toIndex(slot)][toIndex(lap)]);
        }
        html.write("</tr>\n");
    }
    html.write("</tbody>\n</table></div>\n");
}

void writeFastestLapCounts(MarkupWriter& html, const RaceRecord& record, const RaceAnalysis& analysis) {
    html.write("<h3>Number of fastest laps</h3>\n<table class=\"fastest-lap-counts\">\n<thead><tr><th>#</th>"
               "<th class=\"name\">Rider</th><th>Laps</th></tr></thead>\n<tbody>\n");
    for (const std::int32_t slot : analysis.fastestLapCountOrder) {
        if (slot != kNoSlot) {
            html.write("<tr>");
            writeRiderCells(html, record, slot);
            writeNumberCell(html, analysis.fastestRaceLaps.fastestLapCount[toIndex(slot)]);
            html.write("</tr>\n");
        }
    }
    html.write("</tbody>\n</table>\n");
}

void writeConsistency(MarkupWriter& html, const RaceRecord& record, const RaceAnalysis& analysis) {
    html.write("<h2>Consistency</h2>\n<p class=\"note\">The riders who completed at least 80 % of the race, by how "
               "far their average lap (from lap 2) lies above their best lap.</p>\n<table class=\"consistency\">\n"
               "<thead><tr><th>Pos</th><th>#</th><th class=\"name\">Rider</th><th>Average lap</th><th>Best lap</th>"
               "<th>Average &minus; best</th></tr></thead>\n<tbody>\n");
    for (std::size_t row = 0; row < analysis.consistencyOrder.size(); ++row) {
        const std::int32_t slot = analysis.consistencyOrder[row];
        if (slot != kNoSlot) {
            html.write("<tr>");
            writeNumberCell(html, static_cast<std::int64_t>(row + 1));
            writeRiderCells(html, record, slot);
            writeCell(html, timeOrDash(analysis.averages.averageLap[toIndex(slot)]));
            writeCell(html, timeOrDash(record.lapTime[toIndex(slot)][0]));
            writeCell(html, plusGap(analysis.averages.averageMinusBest[toIndex(slot)]));
            html.write("</tr>\n");
        }
    }
    html.write("</tbody>\n</table>\n");
}

void writeFastestLapDevelopment(MarkupWriter& html, const RaceRecord& record, const RaceAnalysis& analysis) {
    html.write("<h2>Development of the fastest lap</h2>\n<table class=\"fastest-lap-development\">\n<thead><tr>"
               "<th>Lap</th><th>#</th><th class=\"name\">Rider</th><th>Time</th></tr></thead>\n<tbody>\n");
    for (const quorrin::LapRecord& lap : analysis.fastestLapDevelopment) {
        html.write("<tr>");
        writeNumberCell(html, lap.lapNumber);
        writeRiderCells(html, record, lap.slot);
        writeCell(html, timeOrDash(lap.lapTime));
        html.write("</tr>\n");
    }
    html.write("</tbody>\n</table>\n");
}

// A lap's cell, its shade as a background lightened halfway to white, so that the dark
// text keeps a contrast of 4.5:1 and more on the reddest and the bluest cell.
void writeLapCell(MarkupWriter& html, std::int32_t lapTime, const quorrin::LapShade& shade) {
    html.open("td").attribute("class", "lap");
    if (const std::optional<Colour> colour = quorrin::shownColour(shade)) {
        const auto light = [](std::int32_t component) { return (255 + component) / 2; };
        html.beginValue("style").write("background-color: ");
        html.writeColour({light(colour->red), light(colour->green), light(colour->blue)});
        html.endValue();
    }
    html.endStart();
    html.writeContent(formatLapTime(lapTime));
    html.close("td", false);
}

void writeAllLapTimes(MarkupWriter& html, const AnalysedRace& race, const RaceAnalysis& analysis) {
    const RaceRecord& record = race.replayed.record;
    const quorrin::LapChart& chart = analysis.lapChart;
    const std::int32_t lastLap = quorrin::lastShownLap(record);
    html.write("<h2>All lap times</h2>\n<p class=\"note\">Every lap of every rider, in the order of the result, "
               "shaded by its distance to the rider's own best lap: red near the best, blue for slow laps.</p>\n"
               "<div class=\"scroll\"><table class=\"lap-times\">\n<thead><tr><th>#</th><th class=\"name\">Rider</th>");
    writeLapHeads(html, chart.firstShownLap, lastLap);
    html.write("</tr></thead>\n<tbody>\n");
    for (const quorrin::FinalResultRow& result : race.finalResult) {
        const std::int32_t slot = result.slot;
        if (slot == kNoSlot || std::find(chart.columns.begin(), chart.columns.end(), slot) == chart.columns.end()) {
            continue;
        }
        html.write("<tr class=\"rider-row\">");
        writeRiderCells(html, record, slot);
        for (std::int32_t lap = chart.firstShownLap; lap <= lastLap; ++lap) {
            if (record.lapsDone[toIndex(slot)] < lap) {
                html.write("<td></td>");
            } else {
                writeLapCell(html, record.lapTime[toIndex(slot)][toIndex(lap)],
                             chart.shade[toIndex(slot)][toIndex(lap)]);
            }
        }
        html.write("</tr>\n");
    }
    html.write("</tbody>\n</table></div>\n");
}

}  // namespace

void writeRaceAnalysisTables(ReportWriter& page, const AnalysedRace& race) {
    const RaceRecord& record = race.replayed.record;
    const RaceAnalysis& analysis = *race.analysis;
    MarkupWriter html(page);
    writeResult(html, race, analysis);
    writeBestLaps(html, record, analysis.fastestRaceLaps);
    writeLapOrder(html, record, analysis.fastestRaceLaps);
    writeFastestLapCounts(html, record, analysis);
    writeConsistency(html, record, analysis);
    writeFastestLapDevelopment(html, record, analysis);
    writeAllLapTimes(html, race, analysis);
}

}  // namespace league::season
