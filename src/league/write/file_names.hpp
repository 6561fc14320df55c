#pragma once
// The names of the files a run writes for each held round, and of the Discord messages.

#include "league/standings/season_standings.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace league::season {

/// "round-01" for held round 1: the stem of its files.
std::string roundFileStem(std::size_t heldNumber);

/// "round-01/": the folder of held round 1's race-night pages.
std::string roundFolder(std::size_t heldNumber);

/// The stem of each analysed race's page in the round's folder, in the order of the
/// analyse list: the race's name with "_analysis" ("cup_race_analysis"), every
/// character that a file name on Windows or Linux may not hold written as "_", and a
/// number added when two races would get the same name.
std::vector<std::string> analysisPageStems(const HeldRound& round);

/// The stem of each class's files, in the order of the classes: "standings-" and the
/// class's name with its letters and digits kept and every other character written as
/// "-" ("standings-Pro-Am"), and a number added when two classes would get the same.
std::vector<std::string> classFileStems(const std::vector<ClassStandings>& classes);

/// The files of a post's Discord messages beside the files of stem `stem`:
/// "standings_discord.md" for one message; "standings_discord-1.md",
/// "standings_discord-2.md", ... for several, in order.
std::vector<std::string> discordFileNames(const std::string& stem, std::size_t messages);

}  // namespace league::season
