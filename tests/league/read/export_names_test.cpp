// The names offered for a missing export: the closest names of the exports folder,
// without regard to case, and none that is far from the name.

#include "league/read/export_names.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

TEST(ExportNames, OffersTheClosestNamesOfTheFolderAndNoFarOnes) {
    const std::vector<std::string> folder{"practice_g1", "race_g1", "race_g2", "race_g3", "Race_G4", "harbour_race_g1"};
    const struct {
        std::string missing;
        std::vector<std::string> offered;
    } cases[] = {
        {"race_g4", {"Race_G4", "race_g1", "race_g2"}},
        {"rcae_g2", {"race_g2"}},
        {"practise_g1", {"practice_g1"}},
        {"harbor_race_g1", {"harbour_race_g1"}},
        {"saltmarsh_race_g1", {}},
        {"x", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(closestNames(c.missing, folder), c.offered) << c.missing;
    }
}

}  // namespace
}  // namespace league::season
