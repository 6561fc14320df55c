#include "quorrin/pages/graph_values_page.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"
#include "quorrin/pages/driver_cells.hpp"

#include <charconv>
#include <cstddef>

namespace league::quorrin {

namespace {

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
void writeBodyRows(ReportWriter& page, const RaceRecord& race, const GraphValues& values, const RiderColours& colours,
                   WriteLapCells writeLapCells) {
    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        const auto index = static_cast<std::size_t>(row - 1);
        const std::int32_t slot = values.rowSlot[index];
        page.writeFragment(" <tr>");
        if (slot != kNoSlot) {
            writeNumberAndNameCells(page, race, colours, slot);
            writeLapCells(row, slot, index);
        }
        page.writeFragment(" </tr>");
    }
}

void writePositionTable(ReportWriter& page, const RaceRecord& race, const GraphValues& values,
                        const RiderColours& colours) {
    writeTableOpen(page, "<caption align=\"center\">VALUES FOR POSITION GRAPH </caption> \n ");
    page.writeFragment(" </td>\n<td bgcolor=\"#444444\">pos");
    writeLapHeaderCells(page, 1, lastShownLap(race));
    page.writeFragment(" </td>");
    page.writeFragment(" </tr>");

    writeBodyRows(page, race, values, colours, [&](std::int32_t row, std::int32_t slot, std::size_t index) {
        writeRowNumberCell(page, row);
        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            driverCellOpen(page, colours, slot);
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
                          const RiderColours& colours) {
    writeTableOpen(page, "<caption align=\"center\">VALUES FOR DIFFERENCE GRAPH </caption> \n ");
    writeLapHeaderCells(page, 1, lastShownLap(race));
    page.writeFragment(" </td>");
    page.writeFragment(" </tr>");

    writeBodyRows(page, race, values, colours, [&](std::int32_t, std::int32_t slot, std::size_t index) {
        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            driverCellOpen(page, colours, slot);
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
                          const RiderColours& colours) {
    page.writeFragment("<html> \n");
    page.writeFragment("<head> \n");
    page.writeFragment("<title>Quorrin graphic values</title>");
    page.writeFragment("</head> \n");
    page.writeFragment("<body> \n");

    writePositionTable(page, race, values, colours);
    writeDifferenceTable(page, race, values, colours);

    page.writeFragment(" <BR> ");
    page.writeFragment("</body> \n");
}

}  // namespace league::quorrin
