#pragma once
// One run of League over a console and a disk: it finds the season file, reads it and
// every export it names, computes the season and writes its files, or, with --check,
// only says what it found, or, with --new, writes a season file to fill in.

#include "common/command_line.hpp"
#include "common/console.hpp"
#include "common/disk.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace league::season {

/// Exit statuses: a completed run (warnings allowed), an error (nothing written), a
/// usage error.
inline constexpr int kLeagueCompleted = 0;
inline constexpr int kLeagueError = 1;
inline constexpr int kLeagueUsageError = 2;

struct LeagueOptions {
    enum class Mode {
        Run,    ///< read, compute and write
        Check,  ///< read and compute, print the rounds found, write nothing
        New     ///< write a template season file
    };
    Mode mode = Mode::Run;
    /// The season file as given ("cup2026.toml" or "cup2026"); none: the one *.toml
    /// file of the working folder, or a choice among several.
    std::optional<std::string> season;
    /// Wait for a key at the end: the console closes with the process (double-click).
    /// Without a season file in the folder, League then offers to write one.
    bool waitForKey = false;
    /// The line end of the season file that --new writes: the system's ("\r\n" on
    /// Windows).
    std::string_view lineEnd = "\n";
};

int runLeague(Console& console, Disk& disk, const LeagueOptions& options);

/// The run the command line asks for: its options checked (a mistake is told on the
/// console's errors, with the usage error's status), then runLeague. `start` holds what
/// the system tells (waitForKey, lineEnd); the command line gives the rest.
int runLeagueCommand(Console& console, Disk& disk, const CommandLine& commandLine, const LeagueOptions& start);

}  // namespace league::season
