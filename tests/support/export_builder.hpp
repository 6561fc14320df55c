#pragma once
// Builds results exports laid out as the simulator writes them: a head that puts the
// first row past byte 1280, rows with each cell on its own CR LF line and indented by
// four blanks, then the table end and the page end. The cells are text, so a test can
// put letters where a number belongs.

#include <cstdint>
#include <string>
#include <vector>

namespace league::testing {

/// One row of a race export.
struct RaceRow {
    std::string startNumber;
    std::string driverName;
    std::string bikeName;
    std::string laps;
    std::string raceTime;
    /// The penalty cell's text: "+5" for five seconds, empty for none.
    std::string penalty;
};

/// One row of a practice or qualifying export.
struct PracticeRow {
    std::string startNumber;
    std::string driverName;
    std::string bikeName;
    std::string bestLap;
    std::string lapText;
    /// The speed cell's text with its unit, such as "160.1 km/h" or "99.5 mph".
    std::string speed;
};

/// A time as the export writes it: minutes, colon, two-digit seconds, point, three-digit
/// milliseconds (83456 -> "1:23.456", 9050 -> "0:09.050").
std::string exportTime(std::int32_t ms);

RaceRow raceRow(std::int32_t startNumber, const std::string& driverName, const std::string& bikeName,
                std::int32_t laps, std::int32_t raceTimeMs, std::int32_t penaltySeconds = 0);
PracticeRow practiceRow(std::int32_t startNumber, const std::string& driverName, const std::string& bikeName,
                        std::int32_t bestLapMs, const std::string& lapText, const std::string& speed);

/// The bytes before the first row: the page head and the table's header row.
std::string exportHead();
std::string raceRowText(const RaceRow& row, int position);
std::string practiceRowText(const PracticeRow& row, int position);

/// The table end and the page end, sized so that the row region ends inside the last
/// row for every program's margin (the last row is read, nothing after it).
std::string raceExportTail();
std::string practiceExportTail();

std::string raceExport(const std::vector<RaceRow>& rows);
std::string practiceExport(const std::vector<PracticeRow>& rows);

}  // namespace league::testing
