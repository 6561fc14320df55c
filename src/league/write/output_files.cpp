#include "league/write/output_files.hpp"

#include "league/write/csv_text.hpp"
#include "league/write/forum_text.hpp"
#include "league/write/round_page.hpp"
#include "league/write/season_json.hpp"
#include "league/write/standings_page.hpp"
#include "league/write/text_tables.hpp"

namespace league::season {

std::vector<OutputFile> seasonFiles(const SeasonResult& result) {
    std::vector<OutputFile> files;
    files.push_back({"index.html", standingsPage(result)});
    std::vector<TextTable> tables{standingsTable(result)};
    if (!result.teams.empty()) {
        tables.push_back(teamsTable(result));
    }
    files.push_back({"standings_forum.txt", forumText(standingsTitle(result), tables)});
    files.push_back({"standings.csv", csvText(standingsTable(result))});
    for (const HeldRound& round : result.rounds) {
        const std::string stem = roundFileStem(round.number);
        files.push_back({stem + ".html", roundPage(result, round)});
        std::string title = roundTitle(result, round);
        if (const std::string pole = poleText(result, round); !pole.empty()) {
            title += "\r\n" + pole;
        }
        files.push_back({stem + "_forum.txt", forumText(title, {roundTable(round)})});
        files.push_back({stem + ".csv", csvText(roundTable(round))});
    }
    files.push_back({"season.json", seasonJson(result)});
    return files;
}

WriteReport writeSeasonFiles(Disk& disk, const std::string& folder, const std::vector<OutputFile>& files) {
    WriteReport report;
    if (!disk.createFolder(folder)) {
        report.folderMissing = true;
        return report;
    }
    for (const OutputFile& file : files) {
        const std::string path = folder + "/" + file.name;
        (disk.replaceFile(path, file.bytes) ? report.written : report.failed).push_back(path);
    }
    return report;
}

}  // namespace league::season
