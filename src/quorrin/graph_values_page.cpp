#include "quorrin/graph_values_page.hpp"

#include "common/time_text.hpp"

#include "quorrin/colour_scheme.hpp"
#include "quorrin/table_cells.hpp"

namespace league::quorrin {

namespace {

// Rows are ordered by the elapsed time at the end of lap 1; a time counts only below
// this bound.
constexpr std::int32_t kFirstLapBound = 100000000;
// A difference of 1000 seconds or more ahead of the pace is left out of the chart.
constexpr std::int64_t kSmallestShownDifference = -1000000;

// The slot of the next row: the smallest elapsed time after lap 1 among the slots not
// yet listed; equal times go to the lower slot.
std::int32_t nextRowSlot(const RaceRecord& race, const RacePageState& state) {
    std::int32_t found = kNoSlot;
    std::int32_t best = kFirstLapBound;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        const std::int32_t elapsed = race.raceTimeAtLap[slot][1];
        if (elapsed > 0 && elapsed < best && !state.listedFlag[slot]) {
            best = elapsed;
            found = slot;
        }
    }
    return found;
}

// The position at the end of `lap` of a driver whose elapsed time there is `elapsed`:
// the number of drivers with a time up to his own, so equal times share the larger
// position.
std::int32_t positionAtLap(const RaceRecord& race, std::int32_t lap, std::int32_t elapsed) {
    std::int32_t position = 0;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        const std::int32_t other = race.raceTimeAtLap[slot][lap];
        if (other > 0 && other <= elapsed) {
            ++position;
        }
    }
    return position;
}

void writeTableOpen(ReportWriter& page, const char* caption) {
    page.writeFragment("<div> ");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"left\"> ");
    page.writeFragment(caption);
}

// Writes the body rows of one table in the order of the first lap; `writeLapCells`
// writes what follows a driver's name cells.
template <typename WriteLapCells>
void writeBodyRows(ReportWriter& page, const RaceRecord& race, RacePageState& state, WriteLapCells writeLapCells) {
    state.clearListedFlags();
    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        page.writeFragment(" <tr>");
        const std::int32_t slot = nextRowSlot(race, state);
        if (slot != kNoSlot) {
            writeNumberAndNameCells(page, race, state.colourChoice, slot);
            writeLapCells(row, slot);
            state.listedFlag[slot] = true;
        }
        page.writeFragment(" </tr>");
    }
}

void writePositionTable(ReportWriter& page, const RaceRecord& race, RacePageState& state) {
    writeTableOpen(page, "<caption align=\"center\">VALUES FOR POSITION GRAPH </caption> \n ");
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">#");
    page.writeFragment(" </td>\n <td align=\"center\">  driver");
    page.writeFragment(" </td>\n<td bgcolor=\"#444444\">pos");
    writeLapHeaderCells(page, 1, lastShownLap(race));
    page.writeFragment(" </td>");
    page.writeFragment(" </tr>");

    writeBodyRows(page, race, state, [&](std::int32_t row, std::int32_t slot) {
        writeRowNumberCell(page, row);
        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            driverCellOpen(page, race, state.colourChoice, slot);
            const std::int32_t elapsed = race.raceTimeAtLap[slot][lap];
            // A lap the driver did not complete has no elapsed time and stays empty.
            if (elapsed > 0) {
                page.writeNumber(positionAtLap(race, lap, elapsed));
            }
            page.writeFragment(" </td> ");
        }
    });

    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
    page.writeFragment(" </div>");
    page.writeFragment("<br clear=\"all\"> ");
}

void writeDifferenceTable(ReportWriter& page, const RaceRecord& race, RacePageState& state) {
    writeTableOpen(page, "<caption align=\"center\">VALUES FOR DIFFERENCE GRAPH </caption> \n ");
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">#");
    page.writeFragment(" </td>\n <td align=\"center\">  driver");
    writeLapHeaderCells(page, 1, lastShownLap(race));
    page.writeFragment(" </td>");
    page.writeFragment(" </tr>");

    // The reference pace is the winner's average lap: his race time over his laps.
    // Without a winner, or one without laps, there is no pace and no difference.
    const std::int32_t winner = race.winnerSlot;
    const bool hasPace = isSlot(winner) && race.lapsDone[winner] > 0;
    const std::int64_t winnerLaps = hasPace ? race.lapsDone[winner] : 1;
    const std::int64_t winnerTime = hasPace ? lapColumn(race.raceTimeAtLap[winner], race.lapsDone[winner]) : 0;

    writeBodyRows(page, race, state, [&](std::int32_t, std::int32_t slot) {
        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            driverCellOpen(page, race, state.colourChoice, slot);
            const std::int32_t elapsed = race.raceTimeAtLap[slot][lap];
            if (hasPace && elapsed > 0) {
                // 64 bits: the winner's race time × lap can leave the 32-bit range (a
                // time from a damaged export, or a race of over 15 hours at lap 39).
                const std::int64_t difference = elapsed - winnerTime * lap / winnerLaps;
                if (difference > kSmallestShownDifference) {
                    page.writeFragment(graphGapText(difference));
                }
            }
            page.writeFragment(" </td> ");
        }
    });

    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
}

}  // namespace

std::string graphGapText(std::int64_t difference) {
    std::string text;
    // Between -999 and -1 the whole seconds are 0, which carries no sign of its own.
    if (difference >= -999 && difference <= -1) {
        text += '-';
    }
    text += std::to_string(difference / 1000);
    text += '.';
    const std::int64_t magnitude = difference < 0 ? -difference : difference;
    text += threeDigitMillis(magnitude - (magnitude / 1000) * 1000);
    return text;
}

void writeGraphValues(ReportWriter& page, const RaceRecord& race, RacePageState& state) {
    page.writeFragment("<html> \n");
    page.writeFragment("<head> \n");
    page.writeFragment("<title>Quorrin graphic values</title>");
    page.writeFragment("</head> \n");
    page.writeFragment("<body> \n");

    writePositionTable(page, race, state);
    writeDifferenceTable(page, race, state);

    page.writeFragment(" </div>");
    page.writeFragment(" <BR> ");
    page.writeFragment("</body> \n");
}

bool writeGraphValuesPage(const Folder& folder, const RaceRecord& race, RacePageState& state,
                          std::ostream& console) {
    ReportWriter page;
    const bool created = page.openPage(folder, race.graphFileName, console);
    writeGraphValues(page, race, state);
    page.closePage();
    return created;
}

}  // namespace league::quorrin
