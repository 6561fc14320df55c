#include "quorrin/position_board.hpp"

#include "quorrin/colour_scheme.hpp"
#include "quorrin/table_cells.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace league::quorrin {

namespace {

void writeHeaderRow(ReportWriter& page, const RaceRecord& race) {
    writeLapTableHeaderStart(page, 1, lastShownLap(race));
    page.writeFragment(" </td>\n<td align=\"center\"> laps");
    page.writeFragment(" </td>\n <td align=\"center\"> time");
    page.writeFragment(" </td>\n <td align=\"center\"> -first");
    page.writeFragment(" </td>\n<td align=\"center\"> -before");
    page.writeFragment(" </td>\n </tr>");
}

// The slot that held the next free position at the end of `lap`: the smallest race
// time less penalty among the slots not yet placed in that column.
std::int32_t nextOnLap(const RaceRecord& race, const RacePageState& state, std::int32_t lap) {
    std::int32_t found = kNoSlot;
    // Time less penalty in 64 bits: a penalty read from a damaged export may be of any size.
    std::int64_t best = kNoTime;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        const std::int32_t elapsed = race.raceTimeAtLap[slot][lap];
        const std::int64_t value = static_cast<std::int64_t>(elapsed) - race.penalty[slot];
        if (elapsed > 0 && race.lapsDone[slot] > 0 && !state.lapCellUsed[slot][lap] && value < best) {
            best = value;
            found = slot;
        }
    }
    return found;
}

// The laps of the next final-result row: the most laps among the slots not yet listed.
std::int32_t nextRowLaps(const RaceRecord& race, const RacePageState& state) {
    std::int32_t rowLaps = 0;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        if (!state.listedFlag[slot] && race.lapsDone[slot] > rowLaps) {
            rowLaps = race.lapsDone[slot];
        }
    }
    return rowLaps;
}

// The driver of the next final-result row: the shortest race time at `rowLaps` laps
// among the slots not yet listed.
std::int32_t nextFinisher(const RaceRecord& race, const RacePageState& state, std::int32_t rowLaps) {
    std::int32_t found = kNoSlot;
    std::int32_t best = kNoTime;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        const std::int32_t time = lapColumn(race.raceTimeAtLap[slot], rowLaps);
        if (!state.listedFlag[slot] && time > 0 && time < best) {
            best = time;
            found = slot;
        }
    }
    return found;
}

// The seven final-result cells of driver `slot`; the row's own end is written here too.
void writeFinalResultCells(ReportWriter& page, const RaceRecord& race, RacePageState& state, std::int32_t slot,
                           std::int32_t rowLaps, std::int32_t previousSlot) {
    const std::int32_t raceTime = lapColumn(race.raceTimeAtLap[slot], rowLaps);
    const auto writeCell = [&](std::string_view text) {
        writeDriverCell(page, race, state.colourChoice, slot, text);
    };

    writeNumberAndNameCells(page, race, state.colourChoice, slot);
    state.listedFlag[slot] = true;
    writeCell(race.bikeName[slot]);
    writeCell(std::to_string(race.lapsDone[slot]));
    writeCell(formatLapTime(raceTime));

    // Behind the winner only for drivers on the winner's lap; without a known winner
    // there is no reference time and the cell stays empty.
    std::string gapToWinner;
    if (rowLaps == race.maxLap && isSlot(race.winnerSlot) && slot != race.winnerSlot) {
        const std::int32_t winnerTime = lapColumn(race.raceTimeAtLap[race.winnerSlot], race.maxLap);
        gapToWinner = formatTimeGap(timeDifference(raceTime, winnerTime));
    }
    writeCell(gapToWinner);

    // Behind the driver of the row above, when both completed the same laps; the last
    // cell of the row closes without its trailing blank.
    driverCellOpen(page, race, state.colourChoice, slot);
    if (isSlot(previousSlot) && race.lapsDone[previousSlot] == rowLaps) {
        const std::int32_t previousTime = lapColumn(race.raceTimeAtLap[previousSlot], rowLaps);
        page.formatTimeGap(timeDifference(raceTime, previousTime));
    }
    page.writeFragment(" </td>");
    page.writeFragment(" </tr> ");
}

}  // namespace

void writePositionBoard(ReportWriter& page, const RaceRecord& race, RacePageState& state) {
    page.writeFragment("<div> ");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"left\"> ");
    page.writeFragment("<caption align=\"center\">POSITION BOARD / FINAL RESULT </caption> \n ");
    writeHeaderRow(page, race);
    page.writeFragment("<tr> \n");

    std::int32_t previousSlot = kNoSlot;
    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        writeRowNumberCell(page, row);

        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            const std::int32_t slot = nextOnLap(race, state, lap);
            writeLapColumnCell(page, race, state.colourChoice, slot);
            if (slot != kNoSlot) {
                state.lapCellUsed[slot][lap] = true;
            }
        }

        writeMiddleRowNumberCell(page, row);

        const std::int32_t rowLaps = nextRowLaps(race, state);
        const std::int32_t slot = nextFinisher(race, state, rowLaps);
        if (slot == kNoSlot) {
            emptyCellOpen(page, state.colourChoice);
            page.writeFragment(" </td>");
            page.writeFragment(" </tr> ");
            continue;
        }
        writeFinalResultCells(page, race, state, slot, rowLaps, previousSlot);
        previousSlot = slot;
    }

    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
    page.writeFragment(" </div>");
    page.writeFragment("<br clear=\"all\"> ");
    page.writeFragment(" <BR>");
}

}  // namespace league::quorrin
