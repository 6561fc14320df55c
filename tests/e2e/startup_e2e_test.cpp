#include "support/run_harness.hpp"

#include <gtest/gtest.h>

namespace league::testing {
namespace {

TEST(Startup, EveryProgramStopsWithoutItsConfiguration) {
    const struct {
        const char* executable;
        const char* console;
    } programs[] = {
        {QUORRIN_EXE, "Please put in a name of a replay-file (without .rpy)!\nDatei wrong!!!"},
        {OMBLEN_EXE, "Datei wrong!!!"},
        {DUVESSA_EXE, "Datei wrong!!!"},
    };
    for (const auto& program : programs) {
        const RunResult result = runExecutable(program.executable, "race\n", {});
        EXPECT_EQ(result.exitStatus, 1) << program.executable;
        EXPECT_EQ(withUnixLineEnds(result.console), program.console) << program.executable;
        EXPECT_TRUE(result.files.empty()) << program.executable;
    }
}

}  // namespace
}  // namespace league::testing
