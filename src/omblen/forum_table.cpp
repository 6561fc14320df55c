#include "omblen/forum_table.hpp"

#include "common/time_text.hpp"

#include <string>
#include <string_view>

namespace league::omblen {

namespace {

// One forum cell holding `cellText` byte for byte.
void writeForumCell(ReportWriter& text, std::string_view cellText) {
    text.writeFragment("[td]");
    text.writeValueText(cellText);
    text.writeFragment(" [/td] ");
}

void writeForumEntryCells(ReportWriter& text, const QualifyingEntry& entry) {
    writeForumCell(text, std::to_string(entry.startNumber));
    writeForumCell(text, entry.driverName);
    writeForumCell(text, entry.bikeName);
    writeForumCell(text, formatLapTime(entry.bestLap));
}

}  // namespace

void writeForumText(ReportWriter& text, const QualifyingTable& table, const std::vector<int>& ranking,
                    const GridPlan& plan) {
    std::int32_t position = 1;
    for (std::int32_t grid = 1; grid <= plan.gridCount; ++grid) {
        const std::int32_t size = plan.sizeOf(grid);
        text.writeFragment("GRID  ");
        text.writeNumber(grid);
        text.writeFragment(" - ");
        text.writeNumber(size);
        text.writeFragment(" DRIVERS");
        text.writeFragment("\n ");
        text.writeFragment("[table]");
        for (std::int32_t row = 0; row < size; ++row, ++position) {
            text.writeFragment("[tr]");
            text.writeFragment("[td]");
            text.writeNumber(position);
            text.writeFragment("[/td] ");
            const auto rank = static_cast<std::size_t>(position - 1);
            if (rank < ranking.size()) {
                writeForumEntryCells(text, table.entries[static_cast<std::size_t>(ranking[rank])]);
            }
            text.writeFragment(" [/tr] \n");
        }
        text.writeFragment(" [/table]");
        text.writeFragment(" [br] \n");
    }
    text.writeFragment("[br]");
}

}  // namespace league::omblen
