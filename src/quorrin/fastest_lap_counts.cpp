#include "quorrin/fastest_lap_counts.hpp"

#include <cstdint>

namespace league::quorrin {

namespace {

// The slot with the most fastest laps among those not yet listed; ties go to the lower slot.
std::int32_t nextMostFastestLaps(const RacePageState& state) {
    std::int32_t found = kNoSlot;
    std::int32_t most = 0;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        if (state.fastestLapCount[slot] > most && !state.listedFlag[slot]) {
            most = state.fastestLapCount[slot];
            found = slot;
        }
    }
    return found;
}

}  // namespace

void writeFastestLapCounts(ReportWriter& page, const RaceRecord& race, RacePageState& state) {
    state.clearListedFlags();

    page.writeFragment("<div>");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"center\"> ");
    page.writeFragment("<caption align=\"center\"> NUMBER OF FASTEST LAPS </caption> ");

    for (std::int32_t search = 0; search < kSlotCount; ++search) {
        const std::int32_t slot = nextMostFastestLaps(state);
        if (slot == kNoSlot) {
            continue;
        }
        page.writeFragment("<tr> \n");
        page.writeFragment("<td> \n");
        page.writeNumber(state.fastestLapCount[slot]);
        page.writeFragment(" * ");
        page.writeValueText(race.driverName[slot]);
        page.writeFragment("</td> \n");
        page.writeFragment("</tr> \n");
        state.listedFlag[slot] = true;
    }

    page.writeFragment("</border> ");
    page.writeFragment("</table> \n");
    page.writeFragment(" </div>");
    page.writeFragment("<br clear=\"all\"> ");
    page.writeFragment(" <BR> <BR> ");
}

}  // namespace league::quorrin
