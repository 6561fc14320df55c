#include "omblen/grid_settings.hpp"

#include "common/memory_disk.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>

namespace league::omblen {
namespace {

using Outcome = GridSettings::Outcome;

TEST(ReadGridSettings, TakesTheFirstNumberAndRefusesSizesBelowOneOrAMissingFile) {
    const struct {
        FileMap files;
        Outcome outcome;
        std::int32_t size;
    } cases[] = {
        {{{"maxdriversingrid.ini", "10"}}, Outcome::Read, 10},
        {{{"maxdriversingrid.ini", " \r\n\t 7 drivers"}}, Outcome::Read, 7},
        {{{"maxdriversingrid.ini", "3\r\n5\r\n"}}, Outcome::Read, 3},
        {{{"maxdriversingrid.ini", "+4"}}, Outcome::Read, 4},
        {{{"maxdriversingrid.ini", "99999999999"}}, Outcome::Read, std::numeric_limits<std::int32_t>::max()},
        {{{"maxdriversingrid.ini", ""}}, Outcome::NoGridSize, 0},
        {{{"maxdriversingrid.ini", "ten"}}, Outcome::NoGridSize, 0},
        {{{"maxdriversingrid.ini", "0"}}, Outcome::NoGridSize, 0},
        {{{"maxdriversingrid.ini", "-2"}}, Outcome::NoGridSize, -2},
        {{}, Outcome::Missing, 0},
        {{{"maxdriversingrid.ini/inside", "10"}}, Outcome::Missing, 0},
    };
    for (const auto& c : cases) {
        MemoryDisk disk(c.files);
        const GridSettings settings = readGridSettings(disk);
        EXPECT_EQ(settings.outcome, c.outcome) << ::testing::PrintToString(c.files);
        EXPECT_EQ(settings.maxDriversInGrid, c.size) << ::testing::PrintToString(c.files);
    }

    std::istringstream in("x");
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    sayNoGridSize(console);
    EXPECT_EQ(out.str(), "maxdriversingrid.ini holds no grid size above 0!\n" + testing::kTestPausePrompt);
}

}  // namespace
}  // namespace league::omblen
