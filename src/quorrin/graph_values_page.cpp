#include "quorrin/graph_values_page.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"
#include "quorrin/colour_scheme.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace league::quorrin {

namespace {

// Rows are ordered by the elapsed time at the end of lap 1; a time counts only below
// this bound.
constexpr std::int32_t kFirstLapBound = 100000000;
// A difference of 1000 seconds or more ahead of the pace is left out of the chart.
constexpr std::int64_t kSmallestShownDifference = -1000000;

// The elapsed times of all drivers at the end of `lap`, ascending, so that a driver's
// position there is the number of times up to his own.
class LapTimesInOrder {
public:
    LapTimesInOrder(const RaceRecord& race, std::int32_t lap) {
        for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
            const std::int32_t elapsed = race.raceTimeAtLap[slot][lap];
            if (elapsed > 0) {
                times_[count_++] = elapsed;
            }
        }
        std::sort(times_.begin(), times_.begin() + count_);
    }

    /// The number of drivers with a time up to `elapsed`: equal times share the larger
    /// position.
    std::int32_t positionOf(std::int32_t elapsed) const {
        return static_cast<std::int32_t>(std::upper_bound(times_.begin(), times_.begin() + count_, elapsed) -
                                         times_.begin());
    }

private:
    std::array<std::int32_t, kSlotCount> times_{};
    std::ptrdiff_t count_ = 0;
};

void writeTableOpen(ReportWriter& page, Fragment caption) {
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
                char text[kGraphGapTextCapacity];
                page.writeValueText(std::string_view(text, writeGraphGapText(*difference, text) - text));
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

    for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
        const LapTimesInOrder lapTimes(race, lap);
        for (std::size_t row = 0; row < values.rowSlot.size(); ++row) {
            const std::int32_t slot = values.rowSlot[row];
            // A lap the driver did not complete has no elapsed time and stays empty.
            const std::int32_t elapsed = slot == kNoSlot ? 0 : race.raceTimeAtLap[slot][lap];
            if (elapsed <= 0) {
                continue;
            }
            values.position[row][static_cast<std::size_t>(lap)] = lapTimes.positionOf(elapsed);
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
    char text[kGraphGapTextCapacity];
    return std::string(text, writeGraphGapText(difference, text));
}

char* writeGraphGapText(std::int64_t difference, char* out) {
    // Between -999 and -1 the whole seconds are 0, which carries no sign of its own.
    if (difference >= -999 && difference <= -1) {
        *out++ = '-';
    }
    out = std::to_chars(out, out + 24, difference / 1000).ptr;
    *out++ = '.';
    const std::int64_t magnitude = difference < 0 ? -difference : difference;
    return writeThreeDigitMillis(magnitude - (magnitude / 1000) * 1000, out);
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
