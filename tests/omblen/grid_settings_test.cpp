#include "omblen/grid_settings.hpp"

#include "common/memory_disk.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace league::omblen {
namespace {

TEST(ReadGridSettings, TakesTheFirstNumberAndRefusesSizesBelowOneOrAMissingFile) {
    const struct {
        FileMap files;
        std::optional<std::int32_t> size;
        std::optional<GridSizeProblem> problem;
    } cases[] = {
        {{{"maxdriversingrid.ini", "10"}}, 10, std::nullopt},
        {{{"maxdriversingrid.ini", " \r\n\t 7 drivers"}}, 7, std::nullopt},
        {{{"maxdriversingrid.ini", "3\r\n5\r\n"}}, 3, std::nullopt},
        {{{"maxdriversingrid.ini", "+4"}}, 4, std::nullopt},
        {{{"maxdriversingrid.ini", "99999999999"}}, std::numeric_limits<std::int32_t>::max(), std::nullopt},
        {{{"maxdriversingrid.ini", ""}}, std::nullopt, GridSizeProblem::NoSizeAboveZero},
        {{{"maxdriversingrid.ini", "ten"}}, std::nullopt, GridSizeProblem::NoSizeAboveZero},
        {{{"maxdriversingrid.ini", "0"}}, std::nullopt, GridSizeProblem::NoSizeAboveZero},
        {{{"maxdriversingrid.ini", "-2"}}, std::nullopt, GridSizeProblem::NoSizeAboveZero},
        {{}, std::nullopt, GridSizeProblem::FileMissing},
        {{{"maxdriversingrid.ini/inside", "10"}}, std::nullopt, GridSizeProblem::FileMissing},
    };
    for (const auto& c : cases) {
        MemoryDisk disk(c.files);
        const GridSize gridSize = readGridSettings(disk);
        const std::string given = ::testing::PrintToString(c.files);
        EXPECT_EQ(gridSize.ok() ? std::optional(*gridSize) : std::nullopt, c.size) << given;
        EXPECT_EQ(gridSize.ok() ? std::nullopt : std::optional(gridSize.reason()), c.problem) << given;
    }
}

}  // namespace
}  // namespace league::omblen
