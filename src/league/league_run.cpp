#include "league/league_run.hpp"

#include "league/read/race_night.hpp"
#include "league/read/season_file.hpp"
#include "league/read/season_template.hpp"
#include "league/read/simulator_folder.hpp"
#include "league/standings/season_standings.hpp"
#include "league/write/output_files.hpp"
#include "league/write/text_tables.hpp"

#include "common/time_text.hpp"

#include <filesystem>
#include <ostream>

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
    switch (disk.createNewFile(fileName, seasonTemplate(stem))) {
    case Disk::NewFile::Written:
        console.out() << "Wrote " << fileName << ": a season file to fill in. Open it in a text editor, add the"
                      << '\n'
                      << "rounds and their exports, then run: League " << stem << '\n';
        return finish(console, options, kLeagueCompleted);
    case Disk::NewFile::AlreadyThere:
        return stop(console, options, fileName + " is already there; League --new never writes over a file.");
    case Disk::NewFile::Failed:
        break;
    }
    return stop(console, options, "Can't write " + fileName + "!");
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

void listRounds(std::ostream& out, const SeasonResult& result) {
    for (std::size_t r = 0; r < result.calendar.size(); ++r) {
        const CalendarRound& calendar = result.calendar[r];
        out << "Round " << r + 1 << ": " << calendar.name << (calendar.date ? ", " + *calendar.date : "");
        if (calendar.heldNumber == 0) {
            out << ": to come" << '\n';
            continue;
        }
        const HeldRound& round = result.rounds[calendar.heldNumber - 1];
        std::size_t riders = 0;
        for (const ClassifiedEntry& entry : round.classification.entries) {
            riders += entry.counts ? 1 : 0;
        }
        out << ": " << round.races.size() << (round.races.size() == 1 ? " race, " : " races, ") << riders
            << (riders == 1 ? " rider" : " riders");
        if (const auto& pole = round.classification.pole) {
            out << ", pole #" << pole->startNumber << " " << pole->rider;
        }
        out << '\n';
    }
}

std::string raceOfRound(const AnalysedRace& race, const HeldRound& round) {
    return race.replayed.name + " (round " + std::to_string(round.seasonIndex + 1) + ", " + round.name + ")";
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
                out << "  Lap " << lap.lap << " of #" << lap.startNumber << " " << lap.rider << ": "
                    << formatLapTime(lap.lapTime) << ", best lap " << formatLapTime(lap.bestLap);
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
        }
    }
}

// The races whose export does not fit the replay, and why; their pages are not written.
std::size_t listLeftOutRaces(std::ostream& out, const SeasonResult& result) {
    std::size_t leftOut = 0;
    for (const HeldRound& round : result.rounds) {
        for (const AnalysedRace& race : round.analyses) {
            if (!race.analysis) {
                out << "Left out: the race analysis of " << raceOfRound(race, round) << ": " << race.leftOut << '\n';
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

void listWarnings(std::ostream& out, const SeasonResult& result) {
    if (result.warnings.empty()) {
        return;
    }
    out << "Warnings:" << '\n';
    for (const std::string& warning : result.warnings) {
        out << "  " << warning << '\n';
    }
}

}  // namespace

int runLeague(Console& console, Disk& disk, const LeagueOptions& options) {
    if (options.mode == LeagueOptions::Mode::New) {
        return writeTemplate(console, disk, options);
    }
    const auto fileName = chooseSeasonFile(console, disk, options);
    if (!fileName) {
        return finish(console, options, kLeagueUsageError);
    }
    const auto text = disk.readFile(*fileName);
    if (!text) {
        return stop(console, options, "Can't read the season file " + *fileName);
    }
    const SeasonFileOutcome read = readSeasonFile(*text, *fileName);
    if (!read.season) {
        return stop(console, options, read.error);
    }
    const SeasonFile& season = *read.season;
    const std::string seasonFolder = folderOf(*fileName);
    const SimulatorFolder simulator = findSimulatorFolder(disk, season, seasonFolder, *fileName);
    if (!simulator.folder) {
        return stop(console, options, simulator.error);
    }
    const RaceNights nights = readRaceNights(disk, season, *simulator.folder, seasonFolder, *fileName);
    if (!nights.error.empty()) {
        return stop(console, options, nights.error);
    }
    const SeasonOutcome computed = computeSeason(season, nights, *fileName);
    if (!computed.result) {
        return stop(console, options, computed.error);
    }
    const SeasonResult& result = *computed.result;

    console.out() << result.title << " (" << *fileName << ")" << '\n';
    listRounds(console.out(), result);
    listAskedLaps(console.out(), result);
    if (options.mode == LeagueOptions::Mode::Check) {
        listWarnings(console.out(), result);
        if (listLeftOutRaces(console.out(), result) > 0) {
            console.out() << "Nothing was written." << '\n';
            return finish(console, options, kLeagueError);
        }
        console.out() << "The season file and its exports are in order; nothing was written." << '\n';
        return finish(console, options, kLeagueCompleted);
    }

    const std::string outputFolder = outputFolderOf(seasonFolder, season.output);
    const WriteReport report = writeSeasonFiles(disk, outputFolder, seasonFiles(result));
    if (!report.blocked.empty() || !report.folderNotMade.empty()) {
        listWarnings(console.out(), result);
        listLeftOutRaces(console.out(), result);
        for (const BlockedFile& file : report.blocked) {
            console.out() << "Can't write " << file.path << ": " << whyBlocked(file.obstacle, *fileName) << '\n';
        }
        if (!report.folderNotMade.empty()) {
            console.out() << "Can't make the folder " << report.folderNotMade << "!" << '\n';
        }
        return stop(console, options, "Nothing was written.");
    }
    console.out() << "Written into " << outputFolder << ":" << '\n';
    for (const std::string& path : report.written) {
        console.out() << "  " << path.substr(outputFolder.size() + 1) << '\n';
    }
    if (!report.removed.empty()) {
        console.out() << "Removed from " << outputFolder << ", as their race is left out:" << '\n';
        for (const std::string& path : report.removed) {
            console.out() << "  " << path.substr(outputFolder.size() + 1) << '\n';
        }
    }
    listWarnings(console.out(), result);
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

}  // namespace league::season
