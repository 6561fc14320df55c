#include "league/write/output_files.hpp"

#include "league/write/csv_text.hpp"
#include "league/write/file_names.hpp"
#include "league/write/forum_text.hpp"
#include "league/write/page_titles.hpp"
#include "league/write/qualifying_page.hpp"
#include "league/write/race_analysis_page.hpp"
#include "league/write/round_index.hpp"
#include "league/write/round_page.hpp"
#include "league/write/season_json.hpp"
#include "league/write/standings_page.hpp"
#include "league/write/text_tables.hpp"
#include "league/write/title_fight_texts.hpp"

#include <algorithm>

namespace league::season {

namespace {

// The pages of a round's race night in its own folder: its index, the qualifying and
// grids, and each race analysis that was not left out; the pages of those left out go
// to `leftOut`.
void addRaceNightFiles(std::vector<OutputFile>& files, std::vector<std::string>& leftOut, const SeasonResult& result,
                       const HeldRound& round) {
    const std::string folder = roundFolder(round.number);
    files.push_back({folder + "index.html", roundIndexPage(result, round)});
    if (round.qualifyingGrids) {
        const Table qualifying = qualifyingTable(*round.qualifyingGrids, !result.classes.empty());
        files.push_back({folder + "qualifying.html", qualifyingPage(result, round, qualifying, kPage)});
        files.push_back({folder + "qualifying_fragment.html", qualifyingPage(result, round, qualifying, kFragment)});
        files.push_back({folder + "qualifying_forum.txt", forumText(qualifyingTitle(result, round),
                                                                    gridTables(*round.qualifyingGrids, qualifying))});
        files.push_back({folder + "qualifying.csv", csvText(qualifying)});
    }
    const std::vector<std::string> stems = analysisPageStems(round);
    for (std::size_t a = 0; a < round.analyses.size(); ++a) {
        const AnalysedRace& race = round.analyses[a];
        std::string page = folder + stems[a] + ".html";
        std::string fragment = folder + stems[a] + "_fragment.html";
        if (race.analysis) {
            RaceAnalysisPages pages = raceAnalysisPages(result, round, race, folder + stems[a]);
            files.push_back({std::move(page), std::move(pages.page)});
            files.push_back({std::move(fragment), std::move(pages.fragment)});
        } else {
            leftOut.push_back(std::move(page));
            leftOut.push_back(std::move(fragment));
        }
    }
}

SeasonTables seasonTables(const SeasonResult& result) {
    SeasonTables tables{standingsTable(result, overallStandings(result)), teamsTable(result), {},
                        classFileStems(result.classes)};
    for (const ClassStandings& riderClass : result.classes) {
        tables.classes.push_back(standingsTable(result, standingsOf(riderClass)));
    }
    return tables;
}

// Each class's standings as CSV, forum text and fragment.
void addClassFiles(std::vector<OutputFile>& files, const SeasonResult& result, const SeasonTables& tables) {
    for (std::size_t c = 0; c < result.classes.size(); ++c) {
        const std::string& stem = tables.classStems[c];
        files.push_back({stem + ".csv", csvText(tables.classes[c])});
        std::string title = standingsTitle(result) + " - " + result.classes[c].name;
        if (const std::string fight = titleFightLine(result, result.classes[c].titleFight); !fight.empty()) {
            title += "\r\n" + fight;
        }
        files.push_back({stem + "_forum.txt", forumText(title, {tables.classes[c]})});
        files.push_back({stem + "_fragment.html", classStandingsFragment(result, c, tables)});
    }
}

}  // namespace

SeasonFiles seasonFiles(const SeasonResult& result, const std::vector<std::string>& warnings) {
    SeasonFiles season;
    std::vector<OutputFile>& files = season.written;
    const SeasonTables tables = seasonTables(result);
    files.push_back({"index.html", standingsPage(result, tables, kPage)});
    files.push_back({"standings_fragment.html", standingsPage(result, tables, kFragment)});
    std::vector<Table> forum{tables.riders};
    if (!tables.teams.rows.empty()) {
        forum.push_back(tables.teams);
    }
    // The title fight's line follows the forum text's title.
    std::string forumTitle = standingsTitle(result);
    if (const std::string fight = titleFightLine(result, result.titleFight); !fight.empty()) {
        forumTitle += "\r\n" + fight;
    }
    files.push_back({"standings_forum.txt", forumText(forumTitle, forum)});
    files.push_back({"standings.csv", csvText(tables.riders)});
    if (!tables.teams.rows.empty()) {
        files.push_back({"teams.csv", csvText(tables.teams)});
    }
    addClassFiles(files, result, tables);
    for (const HeldRound& round : result.rounds) {
        const std::string stem = roundFileStem(round.number);
        const std::vector<Table> tables = roundTables(result, round);
        files.push_back({stem + ".html", roundPage(result, round, tables, kPage)});
        files.push_back({stem + "_fragment.html", roundPage(result, round, tables, kFragment)});
        // The forum text's title is followed by the pole on a line of its own.
        std::string title = roundTitle(result, round);
        if (const std::string pole = poleText(result, round); !pole.empty()) {
            title += "\r\n" + pole;
        }
        files.push_back({stem + "_forum.txt", forumText(title, tables)});
        files.push_back({stem + ".csv", csvText(tables)});
        addRaceNightFiles(files, season.leftOut, result, round);
    }
    files.push_back({"season.json", seasonJson(result, warnings)});
    return season;
}

WriteReport writeSeasonFiles(Disk& disk, const std::string& folder, const SeasonFiles& season) {
    const std::vector<OutputFile>& files = season.written;
    WriteReport report;
    std::vector<std::string> folders{folder};
    for (const OutputFile& file : files) {
        const std::string path = folder + "/" + file.name;
        if (const Disk::Obstacle obstacle = disk.obstacleTo(path); obstacle != Disk::Obstacle::None) {
            report.blocked.push_back({path, obstacle});
        }
        // A round's race-night pages have a folder of their own.
        if (const std::size_t separator = file.name.rfind('/'); separator != std::string::npos) {
            const std::string below = folder + "/" + file.name.substr(0, separator);
            if (std::find(folders.begin(), folders.end(), below) == folders.end()) {
                folders.push_back(below);
            }
        }
    }
    if (!report.blocked.empty()) {
        return report;
    }
    for (const std::string& made : folders) {
        if (!disk.createFolder(made)) {
            report.folderNotMade = made;
            return report;
        }
    }
    for (const OutputFile& file : files) {
        const std::string path = folder + "/" + file.name;
        (disk.replaceFile(path, file.bytes) ? report.written : report.failed).push_back(path);
    }
    for (const std::string& page : season.leftOut) {
        const std::string path = folder + "/" + page;
        if (disk.obstacleTo(path) != Disk::Obstacle::None) {
            continue;
        }
        switch (disk.removeFile(path)) {
        case Disk::Removal::Removed:
            report.removed.push_back(path);
            break;
        case Disk::Removal::NotThere:
            break;
        case Disk::Removal::Failed:
            report.notRemoved.push_back(path);
            break;
        }
    }
    return report;
}

}  // namespace league::season
