#include "omblen/grid_settings.hpp"

#include "support/run_harness.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <optional>
#include <sstream>
#include <string>

namespace league::omblen {
namespace {

const std::string kNoSize = "maxdriversingrid.ini holds no grid size above 0!\n" + testing::kTestPausePrompt;

TEST(ReadMaxDriversInGrid, TakesTheFirstNumberAndRefusesSizesBelowOne) {
    const struct {
        const char* text;
        std::optional<std::int32_t> size;
        std::string console;
    } cases[] = {
        {"10", 10, ""},
        {" \r\n\t 7 drivers", 7, ""},
        {"3\r\n5\r\n", 3, ""},
        {"+4", 4, ""},
        {"99999999999", std::numeric_limits<std::int32_t>::max(), ""},
        {"", std::nullopt, kNoSize},
        {"ten", std::nullopt, kNoSize},
        {"0", std::nullopt, kNoSize},
        {"-2", std::nullopt, kNoSize},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        folder.write("maxdriversingrid.ini", c.text);
        std::istringstream in("x");
        std::ostringstream out;
        Console console(in, out, testing::testPause);

        EXPECT_EQ(readMaxDriversInGrid(Folder(folder.path()), console), c.size) << c.text;
        EXPECT_EQ(out.str(), c.console) << c.text;
    }
}

TEST(ReadMaxDriversInGrid, MissingFileSaysDateiWrongWithoutPause) {
    testing::TempFolder folder;
    std::istringstream in("x");
    std::ostringstream out;
    Console console(in, out, testing::testPause);

    EXPECT_EQ(readMaxDriversInGrid(Folder(folder.path()), console), std::nullopt);
    EXPECT_EQ(out.str(), "Datei wrong!!!");
}

TEST(ReadMaxDriversInGrid, AFolderOfThatNameCannotBeOpenedAsTheSettingsFile) {
    testing::TempFolder folder;
    std::filesystem::create_directory(folder.path() / "maxdriversingrid.ini");
    std::istringstream in("x");
    std::ostringstream out;
    Console console(in, out, testing::testPause);

    EXPECT_EQ(readMaxDriversInGrid(Folder(folder.path()), console), std::nullopt);
    EXPECT_EQ(out.str(), "Datei wrong!!!");
}

}  // namespace
}  // namespace league::omblen
