#include "common/settings_messages.hpp"

#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace league {
namespace {

TEST(SettingsMessages, AMissingFileIsToldWithoutAPauseALongNameWithOne) {
    const struct {
        const char* name;
        void (*say)(Console&);
        std::string shown;
        bool keyRead;
    } cases[] = {
        {"settings file missing", saySettingsFileMissing, "Datei wrong!!!", false},
        {"name too long", refuseLongName, "The name is too long!\n" + testing::kTestPausePrompt, true},
    };
    for (const auto& c : cases) {
        std::istringstream in("k");
        std::ostringstream out;
        Console console(in, out, testing::testPause);
        c.say(console);
        EXPECT_EQ(out.str(), c.shown) << c.name;
        EXPECT_EQ(in.peek() == std::char_traits<char>::eof(), c.keyRead) << c.name;
    }
}

}  // namespace
}  // namespace league
