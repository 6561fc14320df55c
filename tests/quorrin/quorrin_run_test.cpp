#include "quorrin/quorrin_run.hpp"

#include "support/run_harness.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

TEST(QuorrinRun, MissingConfigurationStopsAtOnce) {
    const auto result = testing::runInProcess(runQuorrin, "race\n", {});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.console.find("Datei wrong!!!"), std::string::npos);
    EXPECT_TRUE(result.files.empty());
}

}  // namespace
}  // namespace league::quorrin
