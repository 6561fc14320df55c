#include "quorrin/fastest_race_laps.hpp"

#include "quorrin/colour_scheme.hpp"
#include "quorrin/table_cells.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace league::quorrin {

namespace {

void writeHeaderRow(ReportWriter& page, const RaceRecord& race, const RacePageState& state) {
    writeLapTableHeaderStart(page, state.firstShownLap, lastShownLap(race));
    page.writeFragment(" </td>\n<td align=\"center\"> lap");
    page.writeFragment(" </td>\n <td align=\"center\"> best time");
    page.writeFragment(" </td>\n<td align=\"center\"> -first");
    page.writeFragment(" </td>\n </tr>");
}

// The slot with the next fastest time driven on `lap` among those not yet placed in
// that column.
std::int32_t nextFastestOnLap(const RaceRecord& race, const RacePageState& state, std::int32_t lap) {
    std::int32_t found = kNoSlot;
    std::int32_t best = kNoTime;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        const std::int32_t time = race.lapTime[slot][lap];
        if (time > 0 && time < best && !state.lapCellUsed[slot][lap]) {
            best = time;
            found = slot;
        }
    }
    return found;
}

// The slot with the next best lap of the race among those not yet listed.
std::int32_t nextBestLap(const RaceRecord& race, const RacePageState& state) {
    std::int32_t found = kNoSlot;
    std::int32_t best = kNoTime;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        const std::int32_t time = race.lapTime[slot][0];
        if (time > 0 && time < best && !state.listedFlag[slot]) {
            best = time;
            found = slot;
        }
    }
    return found;
}

void writeBestLapCells(ReportWriter& page, const RaceRecord& race, RacePageState& state, std::int32_t slot,
                       std::int32_t row, std::int32_t fastestSlot) {
    const auto writeCell = [&](std::string_view text) {
        writeDriverCell(page, race, state.colourChoice, slot, text);
    };

    writeNumberAndNameCells(page, race, state.colourChoice, slot);
    state.listedFlag[slot] = true;
    writeCell(race.bikeName[slot]);
    // "7/12": the best lap was lap 7 of 12.
    writeCell(std::to_string(race.bestLapNo[slot]) + "/" + std::to_string(race.lapsDone[slot]));
    writeCell(formatLapTime(race.lapTime[slot][0]));

    // The gap to the race's best lap; the holder of that lap is row 1 and shows none.
    // The last cell of the row closes without its trailing blank.
    driverCellOpen(page, race, state.colourChoice, slot);
    if (row > 1 && isSlot(fastestSlot)) {
        page.formatTimeGap(timeDifference(race.lapTime[slot][0], race.lapTime[fastestSlot][0]));
    }
    page.writeFragment(" </td>");
    page.writeFragment(" </tr> ");
}

}  // namespace

void writeFastestRaceLaps(ReportWriter& page, const RaceRecord& race, RacePageState& state) {
    state.clearListedFlags();
    state.clearLapCellsUsed();

    page.writeFragment("<div> ");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"left\"> ");
    page.writeFragment("<caption align=\"center\">LAP TIME COMPERATOR / FASTEST RACE LAPS </caption> \n ");
    writeHeaderRow(page, race, state);
    page.writeFragment("<tr> \n");

    std::int32_t fastestSlot = kNoSlot;
    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        writeRowNumberCell(page, row);

        for (std::int32_t lap = state.firstShownLap; lap <= lastShownLap(race); ++lap) {
            const std::int32_t slot = nextFastestOnLap(race, state, lap);
            writeLapColumnCell(page, race, state.colourChoice, slot);
            if (slot == kNoSlot) {
                continue;
            }
            if (row == 1) {
                ++state.fastestLapCount[slot];
            }
            state.lapCellUsed[slot][lap] = true;
        }

        writeMiddleRowNumberCell(page, row);

        const std::int32_t slot = nextBestLap(race, state);
        if (row == 1) {
            fastestSlot = slot;
        }
        if (slot == kNoSlot) {
            emptyCellOpen(page, state.colourChoice);
            page.writeFragment(" </td>");
            page.writeFragment(" </tr> ");
            continue;
        }
        writeBestLapCells(page, race, state, slot, row, fastestSlot);
    }

    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
}

}  // namespace league::quorrin
