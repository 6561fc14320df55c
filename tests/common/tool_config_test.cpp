#include "common/tool_config.hpp"

#include "support/run_harness.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace league {
namespace {

using testing::TempFolder;

struct LoadedConfig {
    std::optional<ToolConfig> config;
    std::string console;
};

LoadedConfig loadFrom(const std::optional<std::string>& fileBytes) {
    TempFolder temp;
    if (fileBytes) {
        temp.write("Quorrin.ini", *fileBytes);
    }
    std::istringstream in;
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    LoadedConfig loaded;
    loaded.config = loadToolConfig(Folder(temp.path()), console);
    loaded.console = out.str();
    return loaded;
}

TEST(ToolConfig, MissingFileSaysDateiWrongWithoutLineEndOrPause) {
    const LoadedConfig loaded = loadFrom(std::nullopt);
    EXPECT_FALSE(loaded.config);
    EXPECT_EQ(loaded.console, "Datei wrong!!!");

    // A folder carrying the file's name opens on some systems, but cannot be read.
    TempFolder temp;
    std::filesystem::create_directories(temp.path() / "Quorrin.ini");
    std::istringstream in;
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    EXPECT_FALSE(loadToolConfig(Folder(temp.path()), console));
    EXPECT_EQ(out.str(), "Datei wrong!!!");
}

TEST(ToolConfig, FolderTextRules) {
    const struct {
        std::string file;
        std::string folder;
    } cases[] = {
        {"C:\\Korvex\\", "C:\\Korvex\\"},
        {"C:\\Korvex\\\r\n", "C:\\Korvex\\\n"},            // the line break stays, as LF
        {"C:\\Korvex\\\n", "C:\\Korvex\\\n"},
        {"", ""},
        {std::string("sim\\\0rest", 9), "sim\\"},            // a zero byte ends the text
        {std::string(60, 'x'), std::string(49, 'x')},       // only the first 49 characters
        {"a\rb", "a\rb"},                                   // a lone CR is an ordinary byte
        {std::string(48, 'y') + "\r\n", std::string(48, 'y') + "\n"},
    };
    for (const auto& c : cases) {
        const LoadedConfig loaded = loadFrom(c.file);
        ASSERT_TRUE(loaded.config);
        EXPECT_EQ(loaded.config->simulatorFolder, c.folder);
        EXPECT_EQ(loaded.console, "");
    }
}

TEST(ToolConfig, CapacitiesIncludeTheTerminator) {
    EXPECT_TRUE(fitsCapacity(std::string(39, 'n'), kAnswerWordCapacity));
    EXPECT_FALSE(fitsCapacity(std::string(40, 'n'), kAnswerWordCapacity));
    EXPECT_TRUE(fitsCapacity(std::string(79, 'p'), kInputPathCapacity));
    EXPECT_FALSE(fitsCapacity(std::string(80, 'p'), kInputPathCapacity));
    EXPECT_TRUE(fitsCapacity(std::string(59, 'h'), kPageNameCapacity));
    EXPECT_FALSE(fitsCapacity(std::string(60, 'h'), kPageNameCapacity));
}

TEST(ToolConfig, RefusingALongNameExplainsAndPauses) {
    std::istringstream in("k");
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    refuseLongName(console);
    EXPECT_EQ(out.str(), "The name is too long!\n" + testing::kTestPausePrompt);
    EXPECT_EQ(in.get(), std::char_traits<char>::eof());
}

}  // namespace
}  // namespace league
