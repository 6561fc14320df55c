// The manifest of the output folder: what a run reads back from it can only name files
// below the folder, and the files an earlier run wrote that this one does not are the
// ones to remove.

#include "league/write/file_manifest.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

TEST(FileManifest, NamesOnlyPlainPathsBelowTheFolder) {
    const struct {
        std::string line;
        bool kept;
    } cases[] = {
        {"index.html", true},
        {"round-01/cup_race_analysis.html", true},
        {"round-01/cup race.html\r", true},
        {"", false},
        {"../cup2026.toml", false},
        {"round-01/../../cup2026.toml", false},
        {"./index.html", false},
        {"round-01//index.html", false},
        {"/etc/passwd", false},
        {"C:\\Games\\Korvex\\exports\\race_g1.html", false},
        {"C:/Games/Korvex/exports/race_g1.html", false},
        {"round-01\\index.html", false},
        {std::string(kManifestName), false},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> paths = manifestPaths(c.line + "\n");
        EXPECT_EQ(paths.size(), c.kept ? 1U : 0U) << c.line;
    }
}

TEST(FileManifest, ReadsBackWhatItWroteAndFindsThePathsLeftBehind) {
    const std::vector<std::string> earlier{"index.html", "round-01/a.html", "round-04.html", "round-01/a.html"};
    const std::vector<std::string> now{"index.html", "round-01/b.html"};
    EXPECT_EQ(manifestPaths(manifestText(earlier)), earlier);
    EXPECT_EQ(pathsLeftBehind(earlier, now), (std::vector<std::string>{"round-01/a.html", "round-04.html"}));
    EXPECT_TRUE(pathsLeftBehind(now, now).empty());
}

}  // namespace
}  // namespace league::season
