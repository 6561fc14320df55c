#include "quorrin/pages/driver_cells.hpp"

#include "quorrin/expected_page.hpp"
#include "quorrin/race_fixture.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

using expected::kPlain;

std::string driverCellOf(const RiderColours& colours, std::int32_t slot) {
    return expected::pageBytes([&](ReportWriter& page) { driverCellOpen(page, colours, slot); });
}

TEST(DriverCells, ColourfulCellsShowThePaletteEntryOfTheStartNumber) {
    const struct {
        std::int32_t startNumber;
        const char* hex;
    } cases[] = {
        {0, "ffffff"},  {1, "ff47ff"},  {2, "ff4760"},  {3, "5a4760"},  {4, "5a8f60"},  {5, "5a8fc1"},
        {6, "b58fc1"},  {9, "10d722"},  {10, "101f22"}, {23, "7c3f07"}, {33, "e8172a"}, {99, "ba4780"},
        // Numbers above 99 wrap around; negative numbers are white.
        {100, "ffffff"}, {105, "5a8fc1"}, {199, "ba4780"}, {-3, "ffffff"},
    };
    RaceRecord race;
    // The winner is coloured like everybody else in this scheme.
    race.winnerSlot = 4;
    for (const auto& c : cases) {
        race.startNumber[4] = c.startNumber;
        EXPECT_EQ(driverCellOf(fixture::coloursOf(race, 0), 4),
                  "<td align=\"center\" bgcolor=\"#" + std::string(c.hex) + "\"> ")
            << c.startNumber;
    }
}

TEST(DriverCells, EmptyCellsAreWhiteOnlyInTheColourfulScheme) {
    const RaceRecord race;
    const RiderColours colourful = fixture::coloursOf(race, 0);
    const RiderColours plain = fixture::coloursOf(race, 12);
    EXPECT_EQ(expected::pageBytes([&](ReportWriter& page) { emptyCellOpen(page, colourful); }), expected::kWhite);
    EXPECT_EQ(expected::pageBytes([&](ReportWriter& page) { emptyCellOpen(page, plain); }), kPlain);
}

}  // namespace
}  // namespace league::quorrin
