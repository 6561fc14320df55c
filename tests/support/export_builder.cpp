#include "support/export_builder.hpp"

#include <algorithm>
#include <cstdio>

namespace league::testing {

namespace {

const char* const kIndent = "\r\n    ";

std::string cell(const std::string& openTag, const std::string& text) {
    return kIndent + openTag + text + "</TD>";
}

std::string rowOpen(int position) {
    return std::string("<TR class=\"") + (position % 2 == 0 ? "even" : "odd") +
           "\" style=\"background-color: #F4F4F4; text-align: left;\">";
}

// After the last value a program reads in the last row, this many bytes remain in the
// file: below the smallest margin of the race export (336) and of the practice export
// (528), while a whole row and this remainder are always more than the largest margin.
constexpr std::size_t kRaceRemainder = 300;
constexpr std::size_t kPracticeRemainder = 450;

std::string paddedTail(std::size_t length) {
    std::string tail = "\r\n</TABLE>\r\n<P class=\"footer\">Results exported by the simulator.</P>\r\n<!-- ";
    const std::string end = " -->\r\n</BODY>\r\n</HTML>\r\n";
    while (tail.size() + end.size() < length) {
        tail += '.';
    }
    return tail + end;
}

// What follows the race time's digits in a race row.
std::string raceRowRest(const RaceRow& row) {
    return "</TD>" + cell("<TD class=\"penalty\" align=\"center\">", row.penalty) +
           cell("<TD class=\"gap\">", "") + cell("<TD class=\"best\" align=\"center\">", "") +
           cell("<TD class=\"points\" align=\"center\">", "") + "\r\n</TR>";
}

// What follows the speed unit's first byte in a practice row.
std::string practiceRowRest(const PracticeRow& row) {
    const std::size_t unitStart = row.speed.find(' ');
    std::string afterUnit = unitStart == std::string::npos || unitStart + 2 > row.speed.size()
                                ? std::string()
                                : row.speed.substr(unitStart + 2);
    return afterUnit + "</TD>" + cell("<TD class=\"gap\">", "") + cell("<TD class=\"top\" align=\"center\">", "") +
           "\r\n</TR>";
}

}  // namespace

std::string exportTime(std::int32_t ms) {
    char text[48];
    std::snprintf(text, sizeof text, "%d:%02d.%03d", ms / 60000, (ms / 1000) % 60, ms % 1000);
    return text;
}

RaceRow raceRow(std::int32_t startNumber, const std::string& driverName, const std::string& bikeName,
                std::int32_t laps, std::int32_t raceTimeMs, std::int32_t penaltySeconds) {
    return RaceRow{std::to_string(startNumber), driverName, bikeName, std::to_string(laps),
                   exportTime(raceTimeMs), penaltySeconds > 0 ? "+" + std::to_string(penaltySeconds) : ""};
}

PracticeRow practiceRow(std::int32_t startNumber, const std::string& driverName, const std::string& bikeName,
                        std::int32_t bestLapMs, const std::string& lapText, const std::string& speed) {
    return PracticeRow{std::to_string(startNumber), driverName, bikeName, exportTime(bestLapMs), lapText, speed};
}

std::string exportHead() {
    std::string head =
        "<HTML>\r\n<HEAD>\r\n<TITLE>Race results</TITLE>\r\n<STYLE type=\"text/css\">\r\n"
        "  BODY { font-family: sans-serif; }\r\n  TD { padding: 2px 6px; }\r\n</STYLE>\r\n</HEAD>\r\n<BODY>\r\n"
        "<TABLE class=\"results\">\r\n<TH>Pos</TH><TH>No.</TH><TH>Rider</TH><TH>Bike</TH><TH>Laps</TH>"
        "<TH>Time</TH><TH>Penalty</TH>\r\n<!-- ";
    const std::string end = " -->\r\n";
    while (head.size() + end.size() < 1290) {
        head += '-';
    }
    return head + end;
}

std::string raceRowText(const RaceRow& row, int position) {
    return rowOpen(position) + cell("<TD class=\"pos\">", std::to_string(position)) +
           cell("<TD class=\"num\">", row.startNumber) + cell("<TD>", row.driverName) +
           cell("<TD>", row.bikeName) + cell("<TD class=\"laps\">", row.laps) +
           kIndent + "<TD class=\"time\">" + row.raceTime + raceRowRest(row) + "\r\n";
}

std::string practiceRowText(const PracticeRow& row, int position) {
    const std::size_t unitStart = row.speed.find(' ');
    const std::string speedUpToUnit =
        unitStart == std::string::npos ? row.speed : row.speed.substr(0, std::min(row.speed.size(), unitStart + 2));
    return rowOpen(position) + cell("<TD class=\"pos\">", std::to_string(position)) +
           cell("<TD class=\"num\">", row.startNumber) + cell("<TD>", row.driverName) +
           cell("<TD>", row.bikeName) + cell("<TD class=\"best\">", row.bestLap) +
           cell("<TD class=\"lap\">", row.lapText) + kIndent + "<TD class=\"speed\" align=\"right\">" +
           speedUpToUnit + practiceRowRest(row) + "\r\n";
}

std::string raceExportTail() {
    return paddedTail(kRaceRemainder - raceRowRest(RaceRow{}).size() - 2);
}

std::string practiceExportTail() {
    return paddedTail(kPracticeRemainder - practiceRowRest(PracticeRow{"", "", "", "", "", "0.0 km/h"}).size() - 2);
}

std::string raceExport(const std::vector<RaceRow>& rows) {
    std::string bytes = exportHead();
    int position = 1;
    for (const RaceRow& row : rows) {
        bytes += raceRowText(row, position++);
    }
    return bytes + raceExportTail();
}

std::string practiceExport(const std::vector<PracticeRow>& rows) {
    std::string bytes = exportHead();
    int position = 1;
    for (const PracticeRow& row : rows) {
        bytes += practiceRowText(row, position++);
    }
    return bytes + practiceExportTail();
}

}  // namespace league::testing
