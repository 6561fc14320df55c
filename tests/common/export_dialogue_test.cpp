#include "common/export_dialogue.hpp"

#include "support/export_builder.hpp"
#include "support/export_dialogue_text.hpp"
#include "support/run_harness.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

namespace league {
namespace {

using testing::TempFolder;

struct Dialogue {
    ExportList list;
    std::string console;
    std::vector<std::int32_t> exportNos;
    std::vector<std::string> paths;
};

Dialogue runDialogue(const TempFolder& temp, const std::string& answers) {
    std::istringstream in(answers);
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    Dialogue dialogue;
    dialogue.list = askForExports(console, Folder(temp.path()), ToolConfig{"sim\\"}, kDuvessaEndMargin,
                                  [&](ExportReader&, std::int32_t exportNo, const std::string& path) {
                                      dialogue.exportNos.push_back(exportNo);
                                      dialogue.paths.push_back(path);
                                  });
    dialogue.console = out.str();
    return dialogue;
}

using testing::exportEcho;
using testing::kFirstExportPrompt;
using testing::kNextExportPrompt;
using testing::kTestPausePrompt;

TEST(ExportDialogue, AsksForAtMostFourExportsAndZeroEndsTheList) {
    TempFolder temp;
    for (const char* name : {"a", "b", "c", "d", "e", "00"}) {
        temp.write(std::string("sim/exports/") + name + ".html", testing::raceExport({}));
    }
    const Dialogue four = runDialogue(temp, "a b c d e");
    EXPECT_FALSE(four.list.stopped);
    EXPECT_EQ(four.list.firstName, "a");
    EXPECT_EQ(four.exportNos, (std::vector<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(four.paths.back(), "sim\\exports\\d.html");
    EXPECT_EQ(four.console, kFirstExportPrompt + exportEcho("sim\\", "a") + kNextExportPrompt +
                                exportEcho("sim\\", "b") + kNextExportPrompt + exportEcho("sim\\", "c") +
                                kNextExportPrompt + exportEcho("sim\\", "d"));

    const Dialogue zeroFirst = runDialogue(temp, "0 a");
    EXPECT_EQ(zeroFirst.list.firstName, "");
    EXPECT_FALSE(zeroFirst.list.firstExportNamed);
    EXPECT_TRUE(zeroFirst.exportNos.empty());
    EXPECT_EQ(zeroFirst.console, kFirstExportPrompt);

    const Dialogue zeroLater = runDialogue(temp, "00 0");
    EXPECT_EQ(zeroLater.list.firstName, "00");
    EXPECT_EQ(zeroLater.exportNos, (std::vector<std::int32_t>{1}));

    // At the end of input the answer is empty, which names the export ".html": it is not
    // there, so the run stops instead of waiting.
    const Dialogue endOfInput = runDialogue(temp, "a");
    EXPECT_TRUE(endOfInput.list.stopped);
    EXPECT_TRUE(endOfInput.list.firstExportNamed);
    EXPECT_EQ(endOfInput.exportNos, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(endOfInput.console, kFirstExportPrompt + exportEcho("sim\\", "a") + kNextExportPrompt +
                                      exportEcho("sim\\", "") + "Can't find the export\n" + kTestPausePrompt);
}

TEST(ExportDialogue, MissingExportsFoldersAndLongNamesStopTheRun) {
    TempFolder temp;
    temp.write("sim/exports/a.html", testing::raceExport({}));
    std::filesystem::create_directories(temp.path() / "sim" / "exports" / "folder.html");
    const struct {
        std::string answers;
        std::string message;
    } cases[] = {
        {"a missing", exportEcho("sim\\", "missing") + "Can't find the export\n"},
        {"folder", exportEcho("sim\\", "folder") + "Can't find the export\n"},
        {"a " + std::string(40, 'n'), "The name is too long!\n"},
    };
    for (const auto& c : cases) {
        const Dialogue dialogue = runDialogue(temp, c.answers);
        EXPECT_TRUE(dialogue.list.stopped) << c.answers;
        const std::string expectedEnd = c.message + kTestPausePrompt;
        ASSERT_GE(dialogue.console.size(), expectedEnd.size()) << c.answers;
        EXPECT_EQ(dialogue.console.substr(dialogue.console.size() - expectedEnd.size()), expectedEnd) << c.answers;
    }

    // A folder text that makes the path 80 characters long.
    std::istringstream in(std::string(39, 'p'));
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    const ExportList list = askForExports(console, Folder(temp.path()), ToolConfig{std::string(31, 'f')},
                                          kOmblenEndMargin, [](ExportReader&, std::int32_t, const std::string&) {});
    EXPECT_TRUE(list.stopped);
    EXPECT_EQ(out.str(), kFirstExportPrompt + "The name is too long!\n" + kTestPausePrompt);
}

}  // namespace
}  // namespace league
