#include "omblen/omblen_run.hpp"

#include "support/export_builder.hpp"
#include "support/export_dialogue_text.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace league::omblen {
namespace {

using testing::FileMap;
using testing::filesWritten;
using testing::practiceExport;
using testing::practiceRow;
using testing::runInProcess;

const std::string& kFirstPrompt = testing::kFirstExportPrompt;
const std::string& kNextPrompt = testing::kNextExportPrompt;
const std::string& kPause = testing::kTestPausePrompt;

const std::string kHeat = practiceExport({
    practiceRow(7, "Ann Rider", "Falcon 990", 91000, "5", "160.1 km/h"),
    practiceRow(3, "Cleo Marsh", "Kestrel 8", 91500, "4", "159.0 km/h"),
});

TEST(OmblenRun, MissingConfigurationStopsAtOnce) {
    const auto result = runInProcess(runOmblen, "race\n", {});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, "Datei wrong!!!");
    EXPECT_TRUE(result.files.empty());
}

TEST(OmblenRun, NamesTooLongForTheirAnswerOrPathAreRefusedBeforeAnythingIsWritten) {
    const std::string longestFolder = std::string(48, 'f') + "\\";  // 49 characters, all that is read
    const struct {
        std::string simulatorFolder;
        std::string input;
        std::string consoleTail;
    } cases[] = {
        // 40 characters are one too many for an answer; 39 are taken.
        {"sim\\", std::string(40, 'n'), "The name is too long!\n" + kPause},
        {"sim\\", std::string(39, 'n'),
         "\nsim\\exports\\" + std::string(39, 'n') + ".html\n\nCan't find the export\n" + kPause},
        // 49 + "exports\" + 18 + ".html" is 80 characters, one more than a path holds.
        {longestFolder, std::string(18, 'n'), "The name is too long!\n" + kPause},
        {longestFolder, std::string(17, 'n'),
         "\n" + longestFolder + "exports\\" + std::string(17, 'n') + ".html\n\nCan't find the export\n" + kPause},
        // Refused at the second prompt, after an export was read: still nothing written.
        {"sim\\", "heat1\n" + std::string(40, 'n'),
         "\nsim\\exports\\heat1.html\n\n" + kNextPrompt + "The name is too long!\n" + kPause},
    };
    for (const auto& c : cases) {
        const FileMap given = {
            {"Quorrin.ini", c.simulatorFolder}, {"maxdriversingrid.ini", "10"}, {"sim/exports/heat1.html", kHeat}};

        const auto result = runInProcess(runOmblen, c.input + "\nx\n", given);

        EXPECT_EQ(result.exitStatus, 1) << c.input;
        EXPECT_EQ(result.console, kFirstPrompt + c.consoleTail) << c.input;
        EXPECT_TRUE(filesWritten(result, given).empty()) << c.input;
    }
}

TEST(OmblenRun, ZeroZeroIsAnExportName) {
    const FileMap given = {{"Quorrin.ini", "sim\\"}, {"maxdriversingrid.ini", "10"}, {"sim/exports/00.html", kHeat}};

    const auto result = runInProcess(runOmblen, "00\n0\n", given);

    EXPECT_EQ(result.console, kFirstPrompt + "\nsim\\exports\\00.html\n\n" + kNextPrompt);
    EXPECT_EQ(filesWritten(result, given).count("00.html"), 1u);
}

TEST(OmblenRun, GridSettingsWithoutAGridSizeAreToldAndTheResultPageIsWrittenWithoutGrids) {
    const struct {
        const char* name;
        std::optional<std::string> gridSettings;
        std::string told;
    } cases[] = {
        {"no settings file", std::nullopt, "Datei wrong!!!"},
        {"no size above 0", "0", "maxdriversingrid.ini holds no grid size above 0!\n" + kPause},
    };
    for (const auto& c : cases) {
        FileMap given = {{"Quorrin.ini", "sim\\"}, {"sim/exports/heat1.html", kHeat}};
        if (c.gridSettings) {
            given["maxdriversingrid.ini"] = *c.gridSettings;
        }

        const auto result = runInProcess(runOmblen, "heat1\n0\nx\n", given);

        EXPECT_EQ(result.exitStatus, 1) << c.name;
        EXPECT_EQ(result.console, kFirstPrompt + "\nsim\\exports\\heat1.html\n\n" + kNextPrompt + c.told) << c.name;
        const FileMap written = filesWritten(result, given);
        EXPECT_EQ(written.count("heat1.html"), 1u) << c.name;
        EXPECT_EQ(written.count("grids.html"), 0u) << c.name;
    }
}

TEST(OmblenRun, APageThatCannotBeCreatedIsReportedAndTheOthersAreWritten) {
    const FileMap given = {{"Quorrin.ini", "sim\\"},
                           {"maxdriversingrid.ini", "10"},
                           {"sim/exports/heat1.html", kHeat},
                           {"grids.html/inside", ""}};

    const auto result = runInProcess(runOmblen, "heat1\n0\n", given);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console,
              kFirstPrompt + "\nsim\\exports\\heat1.html\n\n" + kNextPrompt + "Can't write grids.html!\n");
    const FileMap& files = result.files;
    EXPECT_EQ(files.count("heat1.html"), 1u);
    const std::string& forum = files.at("grids_forum.txt");
    EXPECT_EQ(forum.substr(0, 21), "GRID  1 - 2 DRIVERS\r\n");
}

}  // namespace
}  // namespace league::omblen
