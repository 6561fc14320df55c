#include "common/export_dialogue.hpp"

#include "support/export_dialogue_text.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace league {
namespace {

using testing::exportEcho;
using testing::kFirstExportPrompt;
using testing::kNextExportPrompt;

TEST(ExportDialogue, PromptsEchoesTheNamedPathAndKnowsTheEndOfTheList) {
    using Kind = ExportAnswer::Kind;
    const std::string folder31(31, 'f');
    const struct {
        std::string simulatorFolder;
        std::int32_t exportNo;
        std::string typed;
        Kind kind;
        std::string name;
        std::string console;
    } cases[] = {
        {"sim\\", 1, "a", Kind::Named, "a", kFirstExportPrompt + exportEcho("sim\\", "a")},
        {"sim\\", 3, " b c", Kind::Named, "b", kNextExportPrompt + exportEcho("sim\\", "b")},
        {"sim\\", 1, "0", Kind::ListEnds, "0", kFirstExportPrompt},
        {"sim\\", 2, "0", Kind::ListEnds, "0", kNextExportPrompt},
        {"sim\\", 2, "00", Kind::Named, "00", kNextExportPrompt + exportEcho("sim\\", "00")},
        // The end of input names the export ".html", which the run then cannot find.
        {"sim\\", 2, "", Kind::Named, "", kNextExportPrompt + exportEcho("sim\\", "")},
        {"sim\\", 1, std::string(40, 'n'), Kind::TooLong, std::string(40, 'n'), kFirstExportPrompt},
        // 31 + 8 + 39 + 5: a path of 83 characters.
        {folder31, 1, std::string(39, 'p'), Kind::TooLong, std::string(39, 'p'), kFirstExportPrompt},
        {folder31, 1, std::string(35, 'p'), Kind::Named, std::string(35, 'p'),
         kFirstExportPrompt + exportEcho(folder31, std::string(35, 'p'))},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.typed);
        std::ostringstream out;
        Console console(in, out, testing::testPause);
        const ExportAnswer answer = askForExport(console, ToolConfig{c.simulatorFolder}, c.exportNo);
        EXPECT_EQ(answer.kind, c.kind) << c.typed;
        EXPECT_EQ(answer.name, c.name) << c.typed;
        EXPECT_EQ(out.str(), c.console) << c.typed;
        if (c.kind == Kind::Named) {
            EXPECT_EQ(answer.path, c.simulatorFolder + "exports\\" + c.name + ".html");
        }
    }
}

}  // namespace
}  // namespace league
