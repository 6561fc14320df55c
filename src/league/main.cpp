#include "league/league_run.hpp"

#include "common/command_line.hpp"
#include "common/platform.hpp"
#include "common/real_disk.hpp"

#include <iostream>

namespace {

constexpr const char* kAbout =
    "Keeps a league's season standings from the race nights' exports of the Korvex\n"
    "simulator and publishes each race night. A season file (TOML) names the rounds with\n"
    "their race and qualifying exports, the races to analyse and the laps to split, the\n"
    "points, drops, penalties, the riders' names and the teams; League reads it and\n"
    "every export and replay it names, and writes into the season's output folder\n"
    "  index.html               the standings (and each class's), the title fight, the\n"
    "                           teams, calendar, penalties and charts\n"
    "  round-01.html, ...       each held round's races, each classified, and its total\n"
    "  standings_forum.txt, round-01_forum.txt, ...   the same as forum texts\n"
    "  standings_forum_code.txt, ...                  the same in a [code] block\n"
    "  standings_discord.md, round-01_discord.md, ... the same as Discord messages\n"
    "  standings.csv, round-01.csv, ...               the same for spreadsheets\n"
    "  standings_fragment.html, round-01_fragment.html, ...   the same to paste\n"
    "  round-01/                each round's race night: index.html, the qualifying and\n"
    "                           grids, a race analysis with charts per analysed race\n"
    "  season.json              everything, for a website\n"
    "It rebuilds everything on every run: the same files give the same bytes. It\n"
    "lists the files whose bytes changed and removes those that an earlier run wrote\n"
    "and this one does not (.league-files in the output folder names them).\n";

constexpr const char* kOperandHelp =
    "SEASON is the season file, with or without .toml (a season file dropped onto the\n"
    "program is one). Without it: the one *.toml file of this folder; with several,\n"
    "League lists them and asks which.\n";

constexpr const char* kExitStatuses =
    "  0  the season was written (or checked); warnings are allowed\n"
    "  1  an error in the season file, an export or a replay, or a file of the output\n"
    "     folder that may not be written, such as one the run has read (nothing is\n"
    "     written); a race left out because its export does not fit its replay, or a\n"
    "     file that the disk failed to take (the other files are written)\n"
    "  2  no season file to read, or --new without a name\n";

}  // namespace

int main(int argc, char* argv[]) {
    const league::ProgramDescription program{"League",
                                             kAbout,
                                             {{"--new", "write SEASON.toml, a commented season file to fill in (never over a file)"},
                                              {"--check", "check the season file and every file it names, list the laps to split, write nothing"}},
                                             kExitStatuses,
                                             "[SEASON]",
                                             kOperandHelp};
    const league::CommandLine commandLine = league::readCommandLine(program, argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    // League's texts are UTF-8, the riders' names too: the console shows them as written.
    const league::platform::Utf8ConsoleOutput utf8Output;
    league::Console console(std::cin, std::cout, std::cerr, league::platform::pauseForKey);
    league::RealDisk disk;
    league::season::LeagueOptions start;
    start.waitForKey = league::platform::consoleBelongsToThisProcessAlone();
    start.lineEnd = league::platform::textLineEnd();
    const int status = league::season::runLeagueCommand(console, disk, commandLine, start);
    std::cout.flush();
    return status;
}
