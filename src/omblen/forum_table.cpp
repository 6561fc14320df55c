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

}  // namespace

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
    writeForumCell(text, std::to_string(entry.startNumber));
    writeForumCell(text, entry.driverName);
    writeForumCell(text, entry.bikeName);
    writeForumCell(text, formatLapTime(entry.bestLap));
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
