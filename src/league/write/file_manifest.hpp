#pragma once
// The manifest of the output folder: the files that a run wrote there, one path below
// the folder per line, so that the next run can remove those it no longer writes (a
// round taken off the calendar, a race taken out of `analyse`) and never touches a file
// that League did not write.

#include <string>
#include <string_view>
#include <vector>

namespace league::season {

/// The manifest's name in the output folder.
inline constexpr std::string_view kManifestName = ".league-files";

/// The manifest of `paths` (below the output folder, '/' separated): one per line, LF.
std::string manifestText(const std::vector<std::string>& paths);

/// The paths a manifest lists. A line that is not a plain path below the folder (empty,
/// absolute, with a drive, a backslash, "." or ".." as a part, or the manifest itself)
/// is left out: a manifest edited by hand can name nothing outside the folder.
std::vector<std::string> manifestPaths(std::string_view text);

/// The paths of `earlier` that `now` does not hold, in the order of `earlier`.
std::vector<std::string> pathsLeftBehind(const std::vector<std::string>& earlier,
                                         const std::vector<std::string>& now);

}  // namespace league::season
