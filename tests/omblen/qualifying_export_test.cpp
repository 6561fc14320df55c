#include "omblen/qualifying_export.hpp"

#include "support/export_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace league::omblen {
namespace {

using testing::practiceExport;
using testing::practiceRow;

class QualifyingExportTest : public ::testing::Test {
protected:
    // Reads one export's bytes as export number `exportNo` of the run.
    void readExport(const std::string& bytes, std::int32_t exportNo) {
        ExportReader reader;
        reader.openBytes(bytes, kOmblenEndMargin);
        table.currentExport = exportNo;
        readQualifyingExport(reader, table, console);
    }

    QualifyingTable table;
    std::istringstream in;
    std::ostringstream out;
    Console console{in, out, testing::testPause};
};

TEST_F(QualifyingExportTest, KeepsEveryRowAsAnEntryOfTheExportBeingRead) {
    readExport(practiceExport({
                   practiceRow(7, "Ann Rider", "Falcon 990", 83456, "5/8", "160.1 km/h"),
                   practiceRow(12, "Bob &amp; Co", "Maximilian-Alexander-Motorrad-Werke", 90000, "12/15 laps",
                               "99.5 mph"),
               }),
               2);

    ASSERT_EQ(table.entryCount, 2);
    const QualifyingEntry& ann = table.entries[0];
    EXPECT_EQ(ann.startNumber, 7);
    EXPECT_EQ(ann.driverName, "Ann Rider");
    EXPECT_EQ(ann.bikeName, "Falcon 990");
    EXPECT_EQ(ann.bestLap, 83456);
    EXPECT_EQ(ann.lapText, "5/8");
    EXPECT_DOUBLE_EQ(ann.speedKmh, 160.1);
    EXPECT_EQ(ann.exportNo, 2);
    const QualifyingEntry& bob = table.entries[1];
    EXPECT_EQ(bob.driverName, "Bob &amp; Co");
    EXPECT_EQ(bob.bikeName, "Maximilian-Alexander-Motorrad-We");
    EXPECT_EQ(bob.lapText, "12/15 ");
    EXPECT_DOUBLE_EQ(bob.speedKmh, 160.129728);
    EXPECT_EQ(table.bestOverall, 83456);
    EXPECT_EQ(out.str(), "");
}

TEST_F(QualifyingExportTest, BestLapOfZeroEndsTheExportAndTheNextExportGoesOn) {
    readExport(practiceExport({
                   practiceRow(1, "Ann", "A", 90000, "1", "150.0 km/h"),
                   practiceRow(2, "Noel", "N", 0, "0", "0.0 km/h"),
                   practiceRow(3, "Cleo", "C", 80000, "1", "150.0 km/h"),
               }),
               1);
    readExport(practiceExport({practiceRow(4, "Dana", "D", 85000, "1", "150.0 km/h")}), 2);
    readExport(practiceExport({}), 3);

    ASSERT_EQ(table.entryCount, 2);
    EXPECT_EQ(table.entries[0].startNumber, 1);
    EXPECT_EQ(table.entries[1].startNumber, 4);
    EXPECT_EQ(table.entries[1].exportNo, 2);
    EXPECT_EQ(table.bestOverall, 85000);
}

TEST_F(QualifyingExportTest, RowsBeyondNinetyNineAreLeftOutWithOneMessage) {
    std::vector<testing::PracticeRow> slow;
    std::vector<testing::PracticeRow> fast;
    for (int i = 0; i < 60; ++i) {
        slow.push_back(practiceRow(i, "Slow", "S", 90000 + i, "1", "150.0 km/h"));
        fast.push_back(practiceRow(100 + i, "Fast", "F", 70000 + i, "1", "150.0 km/h"));
    }
    readExport(practiceExport(slow), 1);
    readExport(practiceExport(fast), 2);
    readExport(practiceExport({practiceRow(200, "Fastest", "F", 60000, "1", "150.0 km/h")}), 3);

    EXPECT_EQ(table.entryCount, 99);
    EXPECT_EQ(table.entries[98].startNumber, 138);
    EXPECT_EQ(table.bestOverall, 70000);
    EXPECT_EQ(out.str(), "Only 99 drivers fit in one table; the rest are left out!\n");
}

}  // namespace
}  // namespace league::omblen
