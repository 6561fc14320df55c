#include "league/write/output_files.hpp"

#include "league/write/csv_text.hpp"
#include "league/write/discord_messages.hpp"
#include "league/write/file_manifest.hpp"
#include "league/write/file_names.hpp"
#include "league/write/forum_code_text.hpp"
#include "league/write/forum_text.hpp"
#include "league/write/post_content.hpp"
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

// A post beside the other files of stem `stem`: as the forum text ("_forum.txt"), as
// the forum code text ("_forum_code.txt") and, when `discord`, as Discord messages.
void addPostFiles(std::vector<OutputFile>& files, const std::string& stem, const PostContent& post, bool discord) {
    files.push_back({stem + "_forum.txt", forumText(post)});
    files.push_back({stem + "_forum_code.txt", forumCodeText(post)});
    if (!discord) {
        return;
    }
    std::vector<std::string> messages = discordMessages(post);
    const std::vector<std::string> names = discordFileNames(stem, messages.size());
    for (std::size_t m = 0; m < messages.size(); ++m) {
        files.push_back({names[m], std::move(messages[m])});
    }
}

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
        addPostFiles(files, folder + "qualifying",
                     qualifyingPost(result, round, gridTables(*round.qualifyingGrids, qualifying)), false);
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
        addPostFiles(files, stem, classPost(result, c, tables.classes[c]), true);
        files.push_back({stem + "_fragment.html", classStandingsFragment(result, c, tables)});
    }
}

// Every file of the run and the manifest checked, then every folder made; on the first
// refusal the report says why and nothing is written.
bool prepareFolders(Disk& disk, const std::string& folder, const SeasonFiles& season, WriteReport& report) {
    std::vector<std::string> folders{folder};
    std::vector<std::string> names{std::string(kManifestName)};
    for (const OutputFile& file : season.written) {
        names.push_back(file.name);
    }
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        if (const Disk::Obstacle obstacle = disk.obstacleTo(path); obstacle != Disk::Obstacle::None) {
            report.blocked.push_back({path, obstacle});
        }
        // A round's race-night pages have a folder of their own.
        if (const std::size_t separator = name.rfind('/'); separator != std::string::npos) {
            const std::string below = folder + "/" + name.substr(0, separator);
            if (std::find(folders.begin(), folders.end(), below) == folders.end()) {
                folders.push_back(below);
            }
        }
    }
    if (!report.blocked.empty()) {
        return false;
    }
    for (const std::string& made : folders) {
        if (!disk.createFolder(made)) {
            report.folderNotMade = made;
            return false;
        }
    }
    return true;
}

// Removes the file `name` of the folder when it is there, into `removed`; one that
// cannot be removed goes to `notRemoved`. A folder or a file this run has read stays.
void removeOne(Disk& disk, const std::string& folder, const std::string& name, std::vector<std::string>& removed,
               std::vector<std::string>& notRemoved) {
    const std::string path = folder + "/" + name;
    if (disk.obstacleTo(path) != Disk::Obstacle::None) {
        return;
    }
    switch (disk.removeFile(path)) {
    case Disk::Removal::Removed:
        removed.push_back(path);
        break;
    case Disk::Removal::NotThere:
        break;
    case Disk::Removal::Failed:
        notRemoved.push_back(path);
        break;
    }
}

}  // namespace

SeasonFiles seasonFiles(const SeasonResult& result, const std::vector<std::string>& warnings) {
    SeasonFiles season;
    std::vector<OutputFile>& files = season.written;
    const SeasonTables tables = seasonTables(result);
    files.push_back({"index.html", standingsPage(result, tables, kPage)});
    files.push_back({"standings_fragment.html", standingsPage(result, tables, kFragment)});
    addPostFiles(files, "standings", standingsPost(result, tables.riders, tables.teams), true);
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
        addPostFiles(files, stem, roundPost(result, round, tables), true);
        files.push_back({stem + ".csv", csvText(tables)});
        addRaceNightFiles(files, season.leftOut, result, round);
    }
    files.push_back({"season.json", seasonJson(result, warnings)});
    return season;
}

WriteReport writeSeasonFiles(Disk& disk, const std::string& folder, const SeasonFiles& season) {
    WriteReport report;
    if (!prepareFolders(disk, folder, season, report)) {
        return report;
    }
    const std::string manifest = folder + "/" + std::string(kManifestName);
    const std::vector<std::string> earlier = manifestPaths(disk.readEarlierOutput(manifest).value_or(""));
    std::vector<std::string> names;
    for (const OutputFile& file : season.written) {
        const std::string path = folder + "/" + file.name;
        switch (disk.replaceFile(path, file.bytes)) {
        case Disk::Replacement::Changed:
            report.changed.push_back(path);
            break;
        case Disk::Replacement::Unchanged:
            ++report.unchanged;
            break;
        case Disk::Replacement::Failed:
            report.failed.push_back(path);
            break;
        }
        names.push_back(file.name);
    }
    for (const std::string& page : season.leftOut) {
        removeOne(disk, folder, page, report.removed, report.notRemoved);
    }
    std::vector<std::string> leftOutAndWritten = names;
    leftOutAndWritten.insert(leftOutAndWritten.end(), season.leftOut.begin(), season.leftOut.end());
    for (const std::string& name : pathsLeftBehind(earlier, leftOutAndWritten)) {
        removeOne(disk, folder, name, report.leftBehind, report.notRemoved);
    }
    // What could not be removed stays League's: the next run tries again.
    for (const std::string& path : report.notRemoved) {
        names.push_back(path.substr(folder.size() + 1));
    }
    if (disk.replaceFile(manifest, manifestText(names)) == Disk::Replacement::Failed) {
        report.failed.push_back(manifest);
    }
    return report;
}

}  // namespace league::season
