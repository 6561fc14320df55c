#include "quorrin/all_lap_times.hpp"

#include "quorrin/table_cells.hpp"

#include <array>
#include <cstdint>

namespace league::quorrin {

namespace {

// Start numbers from 1 to 999 get a column; 1000 is above every such number.
constexpr std::int32_t kNoColumnNumber = 1000;

using ColumnFlags = std::array<bool, kSlotCount>;

bool hasColumn(const RaceRecord& race, std::int32_t slot) {
    return race.lapsDone[slot] > 1 && race.startNumber[slot] >= 1 && race.startNumber[slot] < kNoColumnNumber;
}

// The driver of the next column: the smallest start number among the drivers with a
// column not yet written in this row; equal numbers go to the lower slot.
std::int32_t nextColumn(const RaceRecord& race, const ColumnFlags& written) {
    std::int32_t found = kNoSlot;
    std::int32_t smallest = kNoColumnNumber;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        if (hasColumn(race, slot) && !written[slot] && race.startNumber[slot] < smallest) {
            smallest = race.startNumber[slot];
            found = slot;
        }
    }
    return found;
}

// Calls `writeColumn(slot)` for the drivers of one row in column order. The search is
// made driverCount times; a search that finds no driver writes nothing.
template <typename WriteColumn>
void forEachColumn(const RaceRecord& race, WriteColumn writeColumn) {
    ColumnFlags written{};
    for (std::int32_t search = 0; search < race.driverCount; ++search) {
        const std::int32_t slot = nextColumn(race, written);
        if (slot == kNoSlot) {
            continue;
        }
        writeColumn(slot);
        written[slot] = true;
    }
}

}  // namespace

void writeShadedLapCell(ReportWriter& page, std::int32_t lap, std::int32_t best) {
    page.writeFragment("<td ");
    // A missing time (0 or less) has no shade: the division would be by zero or
    // meaningless.
    if (lap > 0 && best > 0) {
        // 64 bits: lap × 10000 leaves the 32-bit range for laps above 214.748 s.
        std::int64_t lapColourRed = static_cast<std::int64_t>(lap) * 10000 / best - 9905;
        // A lap below the best (a half of a split lap) is as red as red gets.
        if (lapColourRed < 0) {
            lapColourRed = 0;
        }
        if (lapColourRed < 255) {
            page.writeFragment("bgcolor=\"#");
            page.writeFragment("FF");
            page.writeHexByte(static_cast<std::int32_t>(lapColourRed));
            page.writeHexByte(static_cast<std::int32_t>(lapColourRed));
            page.writeFragment("\"");
        }
        std::int64_t lapColourBlue = static_cast<std::int64_t>(best) * 2000 / lap - 1715;
        if (lapColourBlue < 0) {
            lapColourBlue = 0;
        }
        if (lapColourBlue <= 255) {
            page.writeFragment("bgcolor=\"#");
            page.writeHexByte(static_cast<std::int32_t>(lapColourBlue));
            page.writeHexByte(static_cast<std::int32_t>(lapColourBlue));
            page.writeFragment("FF");
            page.writeFragment("\"");
        }
    }
    page.writeFragment("> ");
    page.formatLapTime(lap);
    page.writeFragment("</td> \n");
}

void writeAllLapTimes(ReportWriter& page, const RaceRecord& race, const RacePageState& state) {
    page.writeFragment("<div> ");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"left\"> ");
    page.writeFragment("<caption align=\"center\">ALL LAPTIMES OF ALL DRIVERS </caption> \n ");

    // The "lap" cell of the header is left open: the page has always been written so.
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">lap");
    forEachColumn(race, [&](std::int32_t slot) {
        page.writeFragment("<td align=\"center\"> \n");
        page.writeFragment("# ");
        page.writeNumber(race.startNumber[slot]);
        page.writeFragment("</td> \n");
    });
    page.writeFragment("</tr> \n");

    for (std::int32_t lap = state.firstShownLap; lap <= lastShownLap(race); ++lap) {
        page.writeFragment("<tr> \n");
        writeRowNumberCell(page, lap);
        forEachColumn(race, [&](std::int32_t slot) {
            if (race.lapsDone[slot] < lap) {
                // The driver had retired before this lap.
                page.writeFragment("<td> ");
                page.writeFragment("</td> \n");
                return;
            }
            writeShadedLapCell(page, race.lapTime[slot][lap], race.lapTime[slot][0]);
        });
        page.writeFragment("</tr> \n");
    }

    page.writeFragment("</border> ");
    page.writeFragment("</table> \n");
    page.writeFragment(" </div>");
    page.writeFragment("<br clear=\"all\"> ");
    page.writeFragment(" <BR> ");
    page.writeFragment("</body> \n");
}

}  // namespace league::quorrin
