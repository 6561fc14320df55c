#include "duvessa/duvessa_run.hpp"

#include "support/export_builder.hpp"
#include "support/export_dialogue_text.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <string>

namespace league::duvessa {
namespace {

using testing::FileMap;
using testing::raceExport;
using testing::raceRow;

const std::string& kFirstPrompt = testing::kFirstExportPrompt;
const std::string& kNextPrompt = testing::kNextExportPrompt;
const std::string& kPause = testing::kTestPausePrompt;

TEST(DuvessaRun, MissingConfigurationStopsAtOnce) {
    const auto result = testing::runInProcess(runDuvessa, "race\n", {});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, "Datei wrong!!!");
    EXPECT_TRUE(result.files.empty());
}

TEST(DuvessaRun, NamesAndPathsBeyondTheirCapacityAreRefusedWithoutAPage) {
    // Folder text of 46 characters: "exports\" and ".html" make a path of 59 + the name,
    // so a name of 20 characters gives the longest path that fits (79).
    const std::string longFolder = std::string(45, 'f') + "\\";
    const std::string name20(20, 'n');
    const std::string name21(21, 'n');
    const std::string word39(39, 'w');
    const std::string word40(40, 'w');
    const std::string race = raceExport({raceRow(1, "Ann", "Falcon", 10, 1200000)});
    const struct {
        const char* name;
        FileMap files;
        std::string input;
        std::string console;
    } cases[] = {
        {"word of 40 at the first prompt",
         {{"Quorrin.ini", ""}, {"exports/" + word40 + ".html", race}},
         word40 + "\nk",
         kFirstPrompt + "The name is too long!\n" + kPause},
        {"word of 40 after a good first export: nothing written",
         {{"Quorrin.ini", ""}, {"exports/race.html", race}},
         "race\n" + word40 + "\nk",
         kFirstPrompt + "\nexports\\race.html\n\n" + kNextPrompt + "The name is too long!\n" + kPause},
        {"path of 80",
         {{"Quorrin.ini", longFolder}},
         name21 + "\nk",
         kFirstPrompt + "The name is too long!\n" + kPause},
        {"path of 79 is tried",
         {{"Quorrin.ini", longFolder}},
         name20 + "\nk",
         kFirstPrompt + "\n" + longFolder + "exports\\" + name20 + ".html\n\nCan't find the export\n" + kPause},
        {"word of 39 is tried",
         {{"Quorrin.ini", ""}},
         word39 + "\nk",
         kFirstPrompt + "\nexports\\" + word39 + ".html\n\nCan't find the export\n" + kPause},
    };
    for (const auto& c : cases) {
        const auto result = testing::runInProcess(runDuvessa, c.input, c.files);
        EXPECT_EQ(result.exitStatus, 1) << c.name;
        EXPECT_EQ(result.console, c.console) << c.name;
        EXPECT_EQ(testing::filesWritten(result, c.files), FileMap{}) << c.name;
    }
}

TEST(DuvessaRun, AWordOfThirtyNineNamesAPageOfFortyFive) {
    const std::string word39(39, 'w');
    const FileMap files = {{"Quorrin.ini", ""},
                           {"exports/" + word39 + ".html", raceExport({raceRow(1, "Ann", "Falcon", 10, 1200000)})}};
    const auto result = testing::runInProcess(runDuvessa, word39 + " 0", files);
    EXPECT_EQ(result.exitStatus, 1);
    const FileMap written = testing::filesWritten(result, files);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written.begin()->first, "X" + word39 + ".html");
}

TEST(DuvessaRun, InputEndingBeforeAnyNameLooksForTheEmptyName) {
    const auto result = testing::runInProcess(runDuvessa, "", {{"Quorrin.ini", "sim\\"}});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.console, kFirstPrompt + "\nsim\\exports\\.html\n\nCan't find the export\n" + kPause);
}

}  // namespace
}  // namespace league::duvessa
