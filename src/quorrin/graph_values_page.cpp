#include "quorrin/graph_values_page.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"
#include "quorrin/colour_scheme.hpp"

namespace league::quorrin {

namespace {

// Rows are ordered by the elapsed time at the end of lap 1; a time counts only below
// this bound.
constexpr std::int32_t kFirstLapBound = 100000000;
// A difference of 1000 seconds or more ahead of the pace is left out of the chart.
constexpr std::int64_t kSmallestShownDifference = -1000000;

// The position at the end of `lap` of a driver whose elapsed time there is `elapsed`:
// the number of drivers with a time up to his own.
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

void writeTableOpen(ReportWriter& page, std::string_view caption) {
    page.writeFragment(frame::kBlockOpen);
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment(caption);
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">#");
    page.writeFragment(" </td>\n <td align=\"center\">  driver");
}

// Writes the body rows of one table; `writeLapCells` writes what follows a driver's
// name cells. A row without a driver is " <tr>" directly followed by " </tr>".
template <typename WriteLapCells>
void writeBodyRows(ReportWriter& page, const RaceRecord& race, const GraphValues& values, std::int32_t colourChoice,
                   WriteLapCells writeLapCells) {
    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        const auto index = static_cast<std::size_t>(row - 1);
        const std::int32_t slot = values.rowSlot[index];
        page.writeFragment(" <tr>");
        if (slot != kNoSlot) {
            writeNumberAndNameCells(page, race, colourChoice, slot);
            writeLapCells(row, slot, index);
        }
        page.writeFragment(" </tr>");
    }
}

void writePositionTable(ReportWriter& page, const RaceRecord& race, const GraphValues& values,
                        std::int32_t colourChoice) {
    writeTableOpen(page, "<caption align=\"center\">VALUES FOR POSITION GRAPH </caption> \n ");
    page.writeFragment(" </td>\n<td bgcolor=\"#444444\">pos");
    writeLapHeaderCells(page, 1, lastShownLap(race));
    page.writeFragment(" </td>");
    page.writeFragment(" </tr>");

    writeBodyRows(page, race, values, colourChoice, [&](std::int32_t row, std::int32_t slot, std::size_t index) {
        writeRowNumberCell(page, row);
        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            driverCellOpen(page, race, colourChoice, slot);
            const std::int32_t position = values.position[index][static_cast<std::size_t>(lap)];
            if (position > 0) {
                page.writeNumber(position);
            }
            page.writeFragment(frame::kCellEnd);
        }
    });

    frame::writeTableEnd(page);
    page.writeFragment(" </div>");
    page.writeFragment(frame::kBreakClear);
}

void writeDifferenceTable(ReportWriter& page, const RaceRecord& race, const GraphValues& values,
                          std::int32_t colourChoice) {
    writeTableOpen(page, "<caption align=\"center\">VALUES FOR DIFFERENCE GRAPH </caption> \n ");
    writeLapHeaderCells(page, 1, lastShownLap(race));
    page.writeFragment(" </td>");
    page.writeFragment(" </tr>");

    writeBodyRows(page, race, values, colourChoice, [&](std::int32_t, std::int32_t slot, std::size_t index) {
        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            driverCellOpen(page, race, colourChoice, slot);
            if (const auto& difference = values.difference[index][static_cast<std::size_t>(lap)]) {
                page.writeFragment(graphGapText(*difference));
            }
            page.writeFragment(frame::kCellEnd);
        }
    });

    frame::writeTableEnd(page);
    page.writeFragment(" </div>");
}

}  // namespace

GraphValues computeGraphValues(const RaceRecord& race) {
    GraphValues values;
    values.rowSlot = slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) -> std::optional<std::int64_t> {
        const std::int32_t elapsed = race.raceTimeAtLap[slot][1];
        if (elapsed > 0 && elapsed < kFirstLapBound) {
            return elapsed;
        }
        return std::nullopt;
    });

    // The reference pace is the winner's average lap: his race time over his laps.
    // Without a winner, or one without laps, there is no pace and no difference.
    const std::int32_t winner = race.winnerSlot;
    const bool hasPace = isSlot(winner) && race.lapsDone[winner] > 0;
    const std::int64_t winnerLaps = hasPace ? race.lapsDone[winner] : 1;
    const std::int64_t winnerTime = hasPace ? lapColumn(race.raceTimeAtLap[winner], race.lapsDone[winner]) : 0;

    for (std::size_t row = 0; row < values.rowSlot.size(); ++row) {
        const std::int32_t slot = values.rowSlot[row];
        if (slot == kNoSlot) {
            continue;
        }
        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            const std::int32_t elapsed = race.raceTimeAtLap[slot][lap];
            // A lap the driver did not complete has no elapsed time and stays empty.
            if (elapsed <= 0) {
                continue;
            }
            values.position[row][static_cast<std::size_t>(lap)] = positionAtLap(race, lap, elapsed);
            // 64 bits: the winner's race time × lap can leave the 32-bit range (a time
            // from a damaged export, or a race of over 15 hours at lap 39).
            const std::int64_t difference = elapsed - winnerTime * lap / winnerLaps;
            if (hasPace && difference > kSmallestShownDifference) {
                values.difference[row][static_cast<std::size_t>(lap)] = difference;
            }
        }
    }
    return values;
}

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

void writeGraphValuesPage(ReportWriter& page, const RaceRecord& race, const GraphValues& values,
                          std::int32_t colourChoice) {
    page.writeFragment("<html> \n");
    page.writeFragment("<head> \n");
    page.writeFragment("<title>Quorrin graphic values</title>");
    page.writeFragment("</head> \n");
    page.writeFragment("<body> \n");

    writePositionTable(page, race, values, colourChoice);
    writeDifferenceTable(page, race, values, colourChoice);

    page.writeFragment(" <BR> ");
    page.writeFragment("</body> \n");
}

}  // namespace league::quorrin
