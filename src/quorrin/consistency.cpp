#include "quorrin/consistency.hpp"

#include "quorrin/colour_scheme.hpp"
#include "quorrin/table_cells.hpp"

#include <cstdint>
#include <string_view>

namespace league::quorrin {

namespace {

void writeHeaderRow(ReportWriter& page) {
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">pos");
    page.writeFragment("</td>\n<td align=\"center\">#");
    page.writeFragment(" </td>\n <td align=\"center\">  driver");
    page.writeFragment(" </td>\n <td align=\"center\"> best time");
    page.writeFragment(" </td>\n <td align=\"center\"> average");
    page.writeFragment(" </td>\n<td align=\"center\"> difference");
    page.writeFragment(" </td>\n<td align=\"center\"> laps");
    page.writeFragment(" </td>\n </tr>");
}

// True when the slot completed enough of the race to be judged: more than one lap and
// at least 8/10 of the race distance (10 laps need 8, 12 need 9, 5 need 4).
bool completedMostOfRace(const RaceRecord& race, std::int32_t slot) {
    // 64 bits: maxLap × 8 of a damaged replay could leave the 32-bit range.
    const std::int64_t needed = static_cast<std::int64_t>(race.maxLap) * 8 / 10;
    return race.lapsDone[slot] > 1 && race.lapsDone[slot] >= needed;
}

// The next most consistent driver among those not yet listed.
std::int32_t nextMostConsistent(const RaceRecord& race, const RacePageState& state) {
    std::int32_t found = kNoSlot;
    std::int32_t best = kNoTime;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        if (race.averageMinusBest[slot] < best && !state.listedFlag[slot] && completedMostOfRace(race, slot)) {
            best = race.averageMinusBest[slot];
            found = slot;
        }
    }
    return found;
}

void writeConsistencyRow(ReportWriter& page, const RaceRecord& race, RacePageState& state, std::int32_t slot,
                         std::int32_t row) {
    const auto writeCell = [&](std::string_view text) {
        writeDriverCell(page, race, state.colourChoice, slot, text);
    };

    page.writeFragment("<tr> \n");
    writeRowNumberCell(page, row);
    writeNumberAndNameCells(page, race, state.colourChoice, slot);
    state.listedFlag[slot] = true;
    writeCell(formatLapTime(race.lapTime[slot][0]));
    writeCell(formatLapTime(race.averageLap[slot]));
    writeCell(formatTimeGap(race.averageMinusBest[slot]));

    // The last cell of the row closes without its trailing blank.
    driverCellOpen(page, race, state.colourChoice, slot);
    page.writeNumber(race.lapsDone[slot]);
    page.writeFragment(" </td>");
    page.writeFragment(" </tr> ");
}

}  // namespace

void writeConsistency(ReportWriter& page, const RaceRecord& race, RacePageState& state) {
    state.clearListedFlags();

    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"left\"> ");
    page.writeFragment("<caption align=\"center\"> CONSISTENCY </caption> \n ");
    writeHeaderRow(page);

    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        const std::int32_t slot = nextMostConsistent(race, state);
        if (slot == kNoSlot) {
            // A row index without a driver leaves only the closing pair.
            page.writeFragment(" </td>");
            page.writeFragment(" </tr> ");
            continue;
        }
        writeConsistencyRow(page, race, state, slot, row);
    }

    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
    page.writeFragment("</div>");
}

}  // namespace league::quorrin
