#pragma once
// Every file a run writes into the season's output folder, made in memory before the
// first is written, and their writing: each whole under a temporary name, then renamed
// over the old file; then the files of an earlier run that this one no longer writes
// are removed, as the folder's manifest names them.

#include "league/standings/season_standings.hpp"

#include "common/disk.hpp"

#include <string>
#include <vector>

namespace league::season {

struct OutputFile {
    std::string name;
    std::string bytes;
};

struct SeasonFiles {
    /// index.html, standings_fragment.html, standings_forum.txt,
    /// standings_forum_code.txt, standings_discord.md (or standings_discord-1.md, ...),
    /// standings.csv, teams.csv (when the season has teams), each class's files,
    /// season.json; for each held round the same of round-NN, and in its folder
    /// round-NN/ the round's index.html, the qualifying (qualifying.html,
    /// qualifying_fragment.html, qualifying_forum.txt, qualifying_forum_code.txt,
    /// qualifying.csv) and each analysed race (cup_race_analysis.html,
    /// cup_race_analysis_fragment.html).
    std::vector<OutputFile> written;
    /// The pages that League writes for a race of `analyse` when its export fits the
    /// replay ("round-01/cup_race_analysis.html" and its fragment), for each race that
    /// is left out: a run removes them, so that no page of an earlier run stays behind,
    /// unlinked, as if it belonged to this night.
    std::vector<std::string> leftOut;
};
/// Every file of the season, rendered, and the pages to remove.
/// `warnings` are the texts of the season's warnings, for season.json.
SeasonFiles seasonFiles(const SeasonResult& result, const std::vector<std::string>& warnings);

/// A file of the run that the disk would refuse, found before anything is written.
struct BlockedFile {
    std::string path;
    Disk::Obstacle obstacle = Disk::Obstacle::None;
};

struct WriteReport {
    /// When either is not empty, nothing was written or removed.
    std::vector<BlockedFile> blocked;
    std::string folderNotMade;
    /// The paths whose bytes this run changed (new files included), the number of files
    /// that already held the bytes this run would write, and the paths that could not be
    /// written (the disk failed while writing). The manifest is none of them, unless it
    /// could not be written.
    std::vector<std::string> changed;
    std::size_t unchanged = 0;
    std::vector<std::string> failed;
    /// The left-out pages that were there and were removed.
    std::vector<std::string> removed;
    /// The files that an earlier run wrote (its manifest names them) and this run does
    /// not, removed.
    std::vector<std::string> leftBehind;
    /// The files of either kind that could not be removed.
    std::vector<std::string> notRemoved;
};

/// Writes the files into `folder`, then removes the left-out pages there and the files
/// that the manifest of an earlier run names and this run does not write, and writes
/// this run's manifest. First every file is checked, and every folder made (`folder`
/// and those below it that the files name); only when all of that succeeded is the
/// first file written. A file to remove that is a folder or a file this run has read
/// is left as it is.
WriteReport writeSeasonFiles(Disk& disk, const std::string& folder, const SeasonFiles& season);

}  // namespace league::season
