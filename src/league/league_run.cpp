#include "league/league_run.hpp"

#include "league/league_messages.hpp"
#include "league/read/race_night.hpp"
#include "league/read/season_file.hpp"
#include "league/read/season_template.hpp"
#include "league/read/simulator_folder.hpp"
#include "league/standings/season_standings.hpp"
#include "league/write/output_files.hpp"
#include "league/write/race_texts.hpp"
#include "league/write/text_tables.hpp"

#include "common/time_text.hpp"

#include <algorithm>
#include <filesystem>
#include <istream>
#include <ostream>
#include <set>

namespace league::season {

namespace {

std::string withTomlSuffix(const std::string& name) {
    return seasonStem(name) == name ? name + ".toml" : name;
}

// The folder part of a path, with its separator: "leagues/cup2026.toml" -> "leagues/".
std::string folderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// The folder the files go into: `output` as given when it starts at the top of a disk
// (/srv/league; on Windows also C:\League, \\server\share and \League), else below the
// season file's folder.
std::string outputFolderOf(const std::string& seasonFolder, const std::string& output) {
    const std::filesystem::path given(output);
    return given.has_root_name() || given.has_root_directory() ? output : seasonFolder + output;
}

int finish(Console& console, const LeagueOptions& options, int status) {
    if (options.waitForKey) {
        console.pause();
    }
    return status;
}

int stop(Console& console, const LeagueOptions& options, const std::string& message) {
    console.out() << message << '\n';
    return finish(console, options, kLeagueError);
}

int writeTemplate(Console& console, Disk& disk, const LeagueOptions& options) {
    const std::string fileName = withTomlSuffix(*options.season);
    const std::string stem = seasonStem(fileName.substr(folderOf(fileName).size()));
    switch (disk.createNewFile(fileName, seasonTemplate(stem, options.lineEnd))) {
    case Disk::NewFile::Written:
        console.out() << "Wrote " << fileName << ": a season file to fill in. Open it in a text editor, add the"
                      << '\n';
        if (options.waitForKey) {
            console.out() << "rounds and their exports and save it; then double-click League again: it publishes"
                          << '\n'
                          << "the season into the folder " << stem << "." << '\n';
        } else {
            console.out() << "rounds and their exports, then run: League " << stem << '\n';
        }
        return finish(console, options, kLeagueCompleted);
    case Disk::NewFile::AlreadyThere:
        return stop(console, options, fileName + " is already there; League --new never writes over a file.");
    case Disk::NewFile::Failed:
        break;
    }
    return stop(console, options, "Can't write " + fileName + "!");
}

// Started by double-click in a folder without a season file, where no command line can
// be typed: asks for the season's name and writes the season file to fill in.
int offerNewSeason(Console& console, Disk& disk, LeagueOptions options) {
    console.out() << "There is no season file (*.toml) in this folder. League can write one to fill in." << '\n'
                  << "Type the season's name (letters, digits, - and _, such as cup2026) and press Enter;" << '\n'
                  << "press Enter alone to stop:" << '\n';
    std::string name;
    std::getline(console.in(), name);
    while (!name.empty() && (name.back() == '\r' || name.back() == ' ')) {
        name.pop_back();
    }
    const bool plain = !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    });
    if (!plain) {
        console.out() << (name.empty() ? "Nothing was written."
                                       : "A season's name is made of letters, digits, - and _; nothing was written.")
                      << '\n';
        return finish(console, options, kLeagueUsageError);
    }
    options.season = name;
    return writeTemplate(console, disk, options);
}

// The season file to read: the one named, the one *.toml of the working folder, or the
// one the user picks among several. Nothing when there is none to read.
std::optional<std::string> chooseSeasonFile(Console& console, Disk& disk, const LeagueOptions& options) {
    if (options.season) {
        return withTomlSuffix(*options.season);
    }
    const std::vector<std::string> files = disk.listFiles("", ".toml");
    if (files.empty()) {
        console.out() << "There is no season file (*.toml) in this folder. To start a season, run" << '\n'
                      << "  League --new cup2026" << '\n'
                      << "which writes cup2026.toml to fill in, and then League cup2026." << '\n';
        return std::nullopt;
    }
    if (files.size() == 1) {
        return files.front();
    }
    console.out() << "There are " << files.size() << " season files in this folder:" << '\n';
    for (std::size_t i = 0; i < files.size(); ++i) {
        console.out() << "  " << i + 1 << "  " << files[i] << '\n';
    }
    console.out() << "Which one? Please put in its number!" << '\n';
    const std::int32_t choice = readAnswerNumber(console, 0);
    if (choice < 1 || static_cast<std::size_t>(choice) > files.size()) {
        console.out() << "There is no season file number " << choice << "." << '\n';
        return std::nullopt;
    }
    return files[static_cast<std::size_t>(choice - 1)];
}

/// A season read and computed, with the folder it is published into.
struct ComputedSeason {
    SeasonResult result;
    std::string outputFolder;
};

// Reads the season file `fileName`, every file it names, and computes the season.
Result<ComputedSeason, SeasonMistake> computeSeasonOf(Disk& disk, const std::string& fileName) {
    const auto text = disk.readFile(fileName);
    if (!text) {
        return Failure{SeasonMistake{.kind = SeasonMistake::Kind::SeasonFileUnreadable}};
    }
    const auto season = readSeasonFile(*text, fileName);
    if (!season) {
        return Failure{season.reason()};
    }
    const std::string seasonFolder = folderOf(fileName);
    const auto simulator = findSimulatorFolder(disk, *season, seasonFolder);
    if (!simulator) {
        return Failure{simulator.reason()};
    }
    const auto nights = readRaceNights(disk, *season, *simulator, seasonFolder);
    if (!nights) {
        return Failure{nights.reason()};
    }
    auto computed = computeSeason(*season, *nights);
    if (!computed) {
        return Failure{computed.reason()};
    }
    return ComputedSeason{std::move(*computed), outputFolderOf(seasonFolder, season->output)};
}

std::string countText(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// A held round in a few words: "3 grids, 20 riders" for one race, "2 races (Sprint: 2
// grids, Feature race: 1 grid), 20 riders" for several.
std::string heldRoundText(const HeldRound& round) {
    const std::vector<ClassifiedRace>& races = round.classification.races;
    std::set<std::string> riders;
    std::string grids;
    for (const ClassifiedRace& race : races) {
        for (const ClassifiedEntry& entry : race.entries) {
            if (entry.counts) {
                riders.insert(entry.identity);
            }
        }
        grids += (grids.empty() ? "" : ", ") + race.name + ": " + countText(race.exports.size(), "grid", "grids");
    }
    const std::string shown = races.size() == 1 ? countText(races.front().exports.size(), "grid", "grids")
                                                : countText(races.size(), "race", "races") + " (" + grids + ")";
    return shown + ", " + countText(riders.size(), "rider", "riders");
}

void listRounds(std::ostream& out, const SeasonResult& result) {
    for (std::size_t r = 0; r < result.calendar.size(); ++r) {
        const CalendarRound& calendar = result.calendar[r];
        out << "Round " << r + 1 << ": " << calendar.name << (calendar.date ? ", " + *calendar.date : "");
        if (!calendar.heldNumber) {
            out << ": to come" << '\n';
            continue;
        }
        const HeldRound& round = result.rounds[*calendar.heldNumber - 1];
        out << ": " << heldRoundText(round);
        if (const auto& pole = round.classification.pole) {
            out << ", pole #" << pole->startNumber << " " << pole->rider;
        }
        out << '\n';
    }
}

std::string raceOfRound(const AnalysedRace& race, const HeldRound& round) {
    return race.replayed.name + " (round " + std::to_string(round.seasonIndex + 1) + ", " + round.name + ")";
}

void listAskedLap(std::ostream& out, const AskedLap& lap) {
    out << "  Lap " << lap.lap << " of #" << lap.startNumber << " " << lap.rider << ": " << formatLapTime(lap.lapTime)
        << ", best lap " << formatLapTime(lap.bestLap);
    if (lap.split) {
        out << ": split by \"" << lap.splitEntry << "\"";
    } else {
        out << ": kept; split = [\"" << lap.splitEntry << "\"] would split it";
    }
    if (lap.lastLapCaution) {
        out << " (the rider's last lap: the export's race time may need editing too)";
    }
    out << '\n';
}

// Every lap that Quorrin would ask about in each analysed race, with the numbers to
// decide by and the split entry that splits it, so that the admin need not run Quorrin.
void listAskedLaps(std::ostream& out, const SeasonResult& result) {
    for (const HeldRound& round : result.rounds) {
        for (const AnalysedRace& race : round.analyses) {
            out << "Race analysis of " << raceOfRound(race, round) << ": " << raceSummary(race) << '\n';
            if (race.replayed.askedLaps.empty()) {
                out << "  No lap that Quorrin would ask about." << '\n';
            }
            for (const AskedLap& lap : race.replayed.askedLaps) {
                listAskedLap(out, lap);
            }
        }
    }
}

// The races whose export does not fit the replay, and why; their pages are not written.
std::size_t listLeftOutRaces(std::ostream& out, const SeasonResult& result) {
    std::size_t leftOut = 0;
    for (const HeldRound& round : result.rounds) {
        for (const AnalysedRace& race : round.analyses) {
            if (race.leftOut) {
                out << "Left out: the race analysis of " << raceOfRound(race, round) << ": "
                    << leftOutText(*race.leftOut) << '\n';
                ++leftOut;
            }
        }
    }
    return leftOut;
}

// Why a file of the run cannot be written, found before the first was written.
std::string whyBlocked(Disk::Obstacle obstacle, const std::string& seasonFileName) {
    switch (obstacle) {
    case Disk::Obstacle::ReadThisRun:
        return "this run has read it, and League never writes over a file it reads (give output = in " +
               seasonFileName + " another folder)";
    case Disk::Obstacle::Folder:
        return "a folder of that name is there";
    case Disk::Obstacle::FileAsFolder:
        return "a file is there in the place of one of its folders";
    case Disk::Obstacle::None:
        break;
    }
    return {};
}

void listWarnings(std::ostream& out, const std::vector<std::string>& warnings) {
    if (warnings.empty()) {
        return;
    }
    out << "Warnings:" << '\n';
    for (const std::string& warning : warnings) {
        out << "  " << warning << '\n';
    }
}

// --check: the warnings, and whether every analysed race could be analysed.
int finishCheck(Console& console, const LeagueOptions& options, const SeasonResult& result,
                const std::vector<std::string>& warnings) {
    listWarnings(console.out(), warnings);
    if (listLeftOutRaces(console.out(), result) > 0) {
        console.out() << "Nothing was written." << '\n';
        return finish(console, options, kLeagueError);
    }
    console.out() << "The season file and its exports are in order; nothing was written." << '\n';
    return finish(console, options, kLeagueCompleted);
}

void listPaths(std::ostream& out, const std::vector<std::string>& paths, const std::string& folder) {
    for (const std::string& path : paths) {
        out << "  " << path.substr(folder.size() + 1) << '\n';
    }
}

// The files whose bytes changed, to upload, and how many are as they were; then the
// files removed, since this run does not write them.
void listWrittenAndRemoved(std::ostream& out, const WriteReport& report, const std::string& folder) {
    const std::size_t unchanged = report.unchanged;
    const std::string unchangedText = std::to_string(unchanged) + (unchanged == 1 ? " file" : " files") + " unchanged";
    if (report.changed.empty()) {
        out << "Nothing changed in " << folder << ": " << unchangedText << "." << '\n';
    } else {
        out << "Written into " << folder << ":" << '\n';
        listPaths(out, report.changed, folder);
        if (unchanged > 0) {
            out << unchangedText << "." << '\n';
        }
    }
    if (!report.removed.empty()) {
        out << "Removed from " << folder << ", as their race is left out:" << '\n';
        listPaths(out, report.removed, folder);
    }
    if (!report.leftBehind.empty()) {
        out << "Removed from " << folder << ", written by an earlier run and not by this one:" << '\n';
        listPaths(out, report.leftBehind, folder);
    }
}

// Writes every file of the season and tells what became of them.
int publish(Console& console, Disk& disk, const LeagueOptions& options, const ComputedSeason& season,
            const std::string& fileName, const std::vector<std::string>& warnings) {
    const SeasonResult& result = season.result;
    const std::string& folder = season.outputFolder;
    const WriteReport report = writeSeasonFiles(disk, folder, seasonFiles(result, warnings));
    if (!report.blocked.empty() || !report.folderNotMade.empty()) {
        listWarnings(console.out(), warnings);
        listLeftOutRaces(console.out(), result);
        for (const BlockedFile& file : report.blocked) {
            console.out() << "Can't write " << file.path << ": " << whyBlocked(file.obstacle, fileName) << '\n';
        }
        if (!report.folderNotMade.empty()) {
            console.out() << "Can't make the folder " << report.folderNotMade << "!" << '\n';
        }
        return stop(console, options, "Nothing was written.");
    }
    listWrittenAndRemoved(console.out(), report, folder);
    listWarnings(console.out(), warnings);
    for (const std::string& path : report.failed) {
        console.out() << "Can't write " << path << "!" << '\n';
    }
    if (!report.failed.empty()) {
        // Each file is written whole or not at all: those that failed keep what an
        // earlier run wrote, if anything.
        console.out() << "The files that could not be written are as they were before this run; the others are new."
                      << '\n';
    }
    for (const std::string& path : report.notRemoved) {
        console.out() << "Can't remove " << path << "!" << '\n';
    }
    // A race left out is the one error after which the other files are written.
    const std::size_t leftOut = listLeftOutRaces(console.out(), result);
    return finish(console, options, report.failed.empty() && leftOut == 0 ? kLeagueCompleted : kLeagueError);
}

}  // namespace

int runLeague(Console& console, Disk& disk, const LeagueOptions& options) {
    if (options.mode == LeagueOptions::Mode::New) {
        return writeTemplate(console, disk, options);
    }
    if (options.mode == LeagueOptions::Mode::Run && !options.season && options.waitForKey &&
        disk.listFiles("", ".toml").empty()) {
        return offerNewSeason(console, disk, options);
    }
    const auto fileName = chooseSeasonFile(console, disk, options);
    if (!fileName) {
        return finish(console, options, kLeagueUsageError);
    }
    const auto season = computeSeasonOf(disk, *fileName);
    if (!season) {
        return stop(console, options, mistakeText(season.reason(), *fileName));
    }
    const SeasonResult& result = season->result;
    const std::vector<std::string> warnings = warningTexts(result.warnings, *fileName);
    console.out() << result.title << " (" << *fileName << ")" << '\n';
    listRounds(console.out(), result);
    listAskedLaps(console.out(), result);
    if (options.mode == LeagueOptions::Mode::Check) {
        return finishCheck(console, options, result, warnings);
    }
    return publish(console, disk, options, *season, *fileName, warnings);
}

int runLeagueCommand(Console& console, Disk& disk, const CommandLine& commandLine, const LeagueOptions& start) {
    LeagueOptions options = start;
    const auto usage = [&](const char* mistake) {
        console.errors() << "League: " << mistake << " (see League --help)" << '\n';
        return kLeagueUsageError;
    };
    if (commandLine.has("--new") && commandLine.has("--check")) {
        return usage("--new and --check do not go together");
    }
    if (commandLine.operands.size() > 1) {
        return usage("one season file at a time");
    }
    if (!commandLine.operands.empty()) {
        options.season = commandLine.operands.front();
    }
    if (commandLine.has("--new")) {
        if (!options.season || options.season->empty()) {
            console.errors() << "League: --new needs the season's name, as in League --new cup2026" << '\n';
            return kLeagueUsageError;
        }
        options.mode = LeagueOptions::Mode::New;
    } else if (commandLine.has("--check")) {
        options.mode = LeagueOptions::Mode::Check;
    }
    return runLeague(console, disk, options);
}

}  // namespace league::season
