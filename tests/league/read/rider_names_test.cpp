// Riders are matched by name: through the season file's [riders] lines, without regard
// to letter case or blanks at the ends.

#include "league/read/rider_names.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

TEST(RiderIdentity, NamesMatchThroughRidersWithoutRegardToCase) {
    const RiderNames names({{"J. Smith", "John Smith"}, {" \xC3\x89lise ", "\xC3\x89lise Durand"}});
    const struct {
        std::string name;
        std::string leagueName;
        std::string identity;
    } cases[] = {
        {"J. Smith", "John Smith", "john smith"},
        {"j. SMITH ", "John Smith", "john smith"},                      // case and blanks at the ends
        {"JOHN SMITH", "JOHN SMITH", "john smith"},                     // the league name itself
        {"\xC3\xA9lise", "\xC3\x89lise Durand", "\xC3\xA9lise durand"},  // É = é
        {"\xC3\x98ystein \xC3\x97", "\xC3\x98ystein \xC3\x97", "\xC3\xB8ystein \xC3\x97"},  // Ø = ø, not ×
        {"Ann Rider", "Ann Rider", "ann rider"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(names.leagueName(c.name), c.leagueName) << c.name;
        EXPECT_EQ(names.identity(c.name), c.identity) << c.name;
    }
}

}  // namespace
}  // namespace league::season
