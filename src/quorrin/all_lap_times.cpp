#include "quorrin/all_lap_times.hpp"

#include "common/page_frame.hpp"

namespace league::quorrin {

namespace {

// Start numbers from 1 to 999 get a column; 1000 is above every such number.
constexpr std::int32_t kNoColumnNumber = 1000;

void writeShade(ReportWriter& page, Fragment before, std::int32_t component, Fragment after) {
    page.writeFragment("bgcolor=\"#");
    page.writeFragment(before);
    page.writeHexByte(component);
    page.writeHexByte(component);
    page.writeFragment(after);
    page.writeFragment("\"");
}

}  // namespace

LapShade lapShade(std::int32_t lap, std::int32_t best) {
    LapShade shade;
    // A missing time (0 or less) has no shade: the division would be by zero or
    // meaningless.
    if (lap <= 0 || best <= 0) {
        return shade;
    }
    // 64 bits: lap × 10000 leaves the 32-bit range for laps above 214.748 s. A lap below
    // the best (a half of a split lap) is as red as red gets.
    const std::int64_t red = static_cast<std::int64_t>(lap) * 10000 / best - 9905;
    if (red < 255) {
        shade.red = static_cast<std::uint8_t>(red < 0 ? 0 : red);
    }
    const std::int64_t blue = static_cast<std::int64_t>(best) * 2000 / lap - 1715;
    if (blue <= 255) {
        shade.blue = static_cast<std::uint8_t>(blue < 0 ? 0 : blue);
    }
    return shade;
}

LapChart computeLapChart(const RaceRecord& race, std::int32_t firstShownLap) {
    LapChart chart;
    chart.firstShownLap = firstShownLap;
    chart.columns = slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) -> std::optional<std::int64_t> {
        const std::int32_t number = race.startNumber[slot];
        if (race.lapsDone[slot] > 1 && number >= 1 && number < kNoColumnNumber) {
            return number;
        }
        return std::nullopt;
    });
    for (std::size_t slot = 0; slot < chart.shade.size(); ++slot) {
        for (std::size_t lap = 1; lap < chart.shade[slot].size(); ++lap) {
            chart.shade[slot][lap] = lapShade(race.lapTime[slot][lap], race.lapTime[slot][0]);
        }
    }
    return chart;
}

void writeShadedLapCell(ReportWriter& page, std::int32_t lap, const LapShade& shade) {
    page.writeFragment("<td ");
    if (shade.red) {
        writeShade(page, "FF", *shade.red, "");
    }
    if (shade.blue) {
        writeShade(page, "", *shade.blue, "FF");
    }
    page.writeFragment("> ");
    page.formatLapTime(lap);
    page.writeFragment("</td> \n");
}

void writeAllLapTimes(ReportWriter& page, const RaceRecord& race, const LapChart& chart) {
    page.writeFragment(frame::kBlockOpen);
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\">ALL LAPTIMES OF ALL DRIVERS </caption> \n ");

    // The "lap" cell of the header is left open: the page has always been written so.
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">lap");
    for (const std::int32_t slot : chart.columns) {
        if (slot != kNoSlot) {
            page.writeFragment("<td align=\"center\"> \n");
            page.writeFragment("# ");
            page.writeNumber(race.startNumber[slot]);
            page.writeFragment("</td> \n");
        }
    }
    page.writeFragment("</tr> \n");

    for (std::int32_t lap = chart.firstShownLap; lap <= lastShownLap(race); ++lap) {
        page.writeFragment("<tr> \n");
        writeRowNumberCell(page, lap);
        for (const std::int32_t slot : chart.columns) {
            if (slot == kNoSlot) {
                continue;
            }
            if (race.lapsDone[slot] < lap) {
                // The driver had retired before this lap.
                page.writeFragment("<td> ");
                page.writeFragment("</td> \n");
            } else {
                writeShadedLapCell(page, race.lapTime[slot][lap], chart.shade[slot][static_cast<std::size_t>(lap)]);
            }
        }
        page.writeFragment("</tr> \n");
    }

    page.writeFragment("</border> ");
    page.writeFragment("</table> \n");
    page.writeFragment(" </div>");
    page.writeFragment(frame::kBreakClear);
}

}  // namespace league::quorrin
