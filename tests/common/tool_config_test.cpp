#include "common/tool_config.hpp"

#include "common/memory_disk.hpp"

#include <gtest/gtest.h>

namespace league {
namespace {

std::optional<ToolConfig> loadFrom(const FileMap& files) {
    MemoryDisk disk(files);
    return loadToolConfig(disk);
}

TEST(ToolConfig, MissingFileOrAFolderOfItsNameGivesNothing) {
    EXPECT_FALSE(loadFrom({}));
    EXPECT_FALSE(loadFrom({{"Quorrin.ini/inside", "x"}}));
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
        const auto config = loadFrom({{"Quorrin.ini", c.file}});
        ASSERT_TRUE(config);
        EXPECT_EQ(config->simulatorFolder, c.folder);
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

}  // namespace
}  // namespace league
