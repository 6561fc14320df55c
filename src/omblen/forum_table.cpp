#include "omblen/forum_table.hpp"

namespace league::omblen {

void writeForumGridOpening(ReportWriter& text, std::int32_t grid, std::int32_t size) {
    text.writeFragment("GRID  ");
    text.writeNumber(grid);
    text.writeFragment(" - ");
    text.writeNumber(size);
    text.writeFragment(" DRIVERS");
    text.writeFragment("\n ");
    text.writeFragment("[table]");
}

void writeForumPositionCell(ReportWriter& text, std::int32_t position) {
    text.writeFragment("[tr]");
    text.writeFragment("[td]");
    text.writeNumber(position);
    text.writeFragment("[/td] ");
}

void writeForumEntryCells(ReportWriter& text, const QualifyingEntry& entry) {
    text.writeFragment("[td]");
    text.writeNumber(entry.startNumber);
    text.writeFragment(" [/td] ");
    text.writeFragment("[td]");
    text.writeValueText(entry.driverName);
    text.writeFragment(" [/td] ");
    text.writeFragment("[td]");
    text.writeValueText(entry.bikeName);
    text.writeFragment(" [/td] ");
    text.writeFragment("[td]");
    text.formatLapTime(entry.bestLap);
    text.writeFragment(" [/td] ");
}

void writeForumRowEnd(ReportWriter& text) {
    text.writeFragment(" [/tr] \n");
}

void writeForumGridEnd(ReportWriter& text) {
    text.writeFragment(" [/table]");
    text.writeFragment(" [br] \n");
}

void writeForumEnd(ReportWriter& text) {
    text.writeFragment("[br]");
}

}  // namespace league::omblen
