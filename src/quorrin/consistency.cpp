#include "quorrin/consistency.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"
#include "quorrin/colour_scheme.hpp"

#include <optional>
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

void writeConsistencyRow(ReportWriter& page, const RaceRecord& race, std::int32_t slot, std::int32_t row,
                         std::int32_t colourChoice) {
    const auto writeCell = [&](std::string_view text) { writeDriverCell(page, race, colourChoice, slot, text); };
    page.writeFragment("<tr> \n");
    writeRowNumberCell(page, row);
    writeNumberAndNameCells(page, race, colourChoice, slot);
    writeCell(formatLapTime(race.lapTime[slot][0]));
    writeCell(formatLapTime(race.averageLap[slot]));
    writeCell(formatTimeGap(race.averageMinusBest[slot]));
    // The last cell of the row closes without its trailing blank.
    driverCellOpen(page, race, colourChoice, slot);
    page.writeNumber(race.lapsDone[slot]);
    page.writeFragment(" </td>");
    page.writeFragment(frame::kRowEnd);
}

}  // namespace

RowSlots computeConsistencyOrder(const RaceRecord& race) {
    return slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) -> std::optional<std::int64_t> {
        if (race.averageMinusBest[slot] < kNoTime && completedMostOfRace(race, slot)) {
            return race.averageMinusBest[slot];
        }
        return std::nullopt;
    });
}

void writeConsistency(ReportWriter& page, const RaceRecord& race, const RowSlots& order, std::int32_t colourChoice) {
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\"> CONSISTENCY </caption> \n ");
    writeHeaderRow(page);
    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        const std::int32_t slot = order[static_cast<std::size_t>(row - 1)];
        if (slot == kNoSlot) {
            // A row index without a driver leaves only the closing pair.
            page.writeFragment(" </td>");
            page.writeFragment(frame::kRowEnd);
        } else {
            writeConsistencyRow(page, race, slot, row, colourChoice);
        }
    }
    frame::writeTableEnd(page);
}

}  // namespace league::quorrin
