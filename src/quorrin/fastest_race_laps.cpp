#include "quorrin/fastest_race_laps.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"
#include "quorrin/colour_scheme.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace league::quorrin {

namespace {

// A time that can be ranked: above 0 and below "no time".
std::optional<std::int64_t> rankedTime(std::int32_t time) {
    if (time > 0 && time < kNoTime) {
        return time;
    }
    return std::nullopt;
}

void writeHeaderRow(ReportWriter& page, const RaceRecord& race, std::int32_t firstShownLap) {
    writeLapTableHeaderStart(page, firstShownLap, lastShownLap(race));
    page.writeFragment(" </td>\n<td align=\"center\"> lap");
    page.writeFragment(" </td>\n <td align=\"center\"> best time");
    page.writeFragment(" </td>\n<td align=\"center\"> -first");
    page.writeFragment(" </td>\n </tr>");
}

// The six best-lap cells of the driver in `slot`; the last cell closes without its
// trailing blank, and the row's own end is written here too.
void writeBestLapCells(ReportWriter& page, const RaceRecord& race, std::int32_t slot,
                       const std::optional<std::int32_t>& gapToFastest, std::int32_t colourChoice) {
    const auto writeCell = [&](std::string_view text) { writeDriverCell(page, race, colourChoice, slot, text); };
    writeNumberAndNameCells(page, race, colourChoice, slot);
    writeCell(race.bikeName[slot]);
    // "7/12": the best lap was lap 7 of 12.
    writeCell(std::to_string(race.bestLapNo[slot]) + "/" + std::to_string(race.lapsDone[slot]));
    writeCell(formatLapTime(race.lapTime[slot][0]));
    driverCellOpen(page, race, colourChoice, slot);
    if (gapToFastest) {
        page.formatTimeGap(*gapToFastest);
    }
    page.writeFragment(" </td>");
    page.writeFragment(frame::kRowEnd);
}

}  // namespace

FastestRaceLaps computeFastestRaceLaps(const RaceRecord& race, std::int32_t firstShownLap) {
    FastestRaceLaps laps;
    laps.firstShownLap = firstShownLap;
    laps.fastestAtLap.fill(emptyRows());
    for (std::int32_t lap = firstShownLap; lap <= lastShownLap(race); ++lap) {
        const RowSlots order = slotsInAscendingOrder(
            race.driverCount, [&](std::int32_t slot) { return rankedTime(race.lapTime[slot][lap]); });
        laps.fastestAtLap[static_cast<std::size_t>(lap)] = order;
        if (order[0] != kNoSlot) {
            ++laps.fastestLapCount[static_cast<std::size_t>(order[0])];
        }
    }
    laps.bestLapOrder =
        slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) { return rankedTime(race.lapTime[slot][0]); });
    // The gap to the race's best lap; its holder, in the first row, shows none.
    const std::int32_t fastestSlot = laps.bestLapOrder[0];
    for (std::size_t row = 1; row < laps.bestLapOrder.size(); ++row) {
        const std::int32_t slot = laps.bestLapOrder[row];
        if (slot != kNoSlot) {
            laps.gapToFastest[row] = timeDifference(race.lapTime[slot][0], race.lapTime[fastestSlot][0]);
        }
    }
    return laps;
}

void writeFastestRaceLaps(ReportWriter& page, const RaceRecord& race, const FastestRaceLaps& laps,
                          std::int32_t colourChoice) {
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\">LAP TIME COMPERATOR / FASTEST RACE LAPS </caption> \n ");
    writeHeaderRow(page, race, laps.firstShownLap);
    page.writeFragment("<tr> \n");

    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        const auto index = static_cast<std::size_t>(row - 1);
        writeRowNumberCell(page, row);
        for (std::int32_t lap = laps.firstShownLap; lap <= lastShownLap(race); ++lap) {
            writeLapColumnCell(page, race, colourChoice, laps.fastestAtLap[static_cast<std::size_t>(lap)][index]);
        }
        writeMiddleRowNumberCell(page, row);
        const std::int32_t slot = laps.bestLapOrder[index];
        if (slot == kNoSlot) {
            writeEmptyRowEnd(page, colourChoice);
        } else {
            writeBestLapCells(page, race, slot, laps.gapToFastest[index], colourChoice);
        }
    }

    frame::writeTableEnd(page);
}

}  // namespace league::quorrin
