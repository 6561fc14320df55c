#include "league/read/export_names.hpp"

#include "league/read/simulator_folder.hpp"

#include <algorithm>

namespace league::season {

namespace {

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Letters to insert, remove or replace to make `a` into `b`, upper and lower case alike.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> previous(b.size() + 1);
    std::vector<std::size_t> current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        previous[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t replace = previous[j - 1] + (lowerCase(a[i - 1]) == lowerCase(b[j - 1]) ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

// The line of the season file that names the export `name` of `round`: in a race's
// exports, else in the qualifying; 0 when none does.
std::int64_t lineNaming(const Round& round, const std::string& name) {
    for (const ScoredRace& race : round.races) {
        for (std::size_t e = 0; e < race.exports.size() && e < race.exportLines.size(); ++e) {
            if (race.exports[e] == name) {
                return race.exportLines[e];
            }
        }
    }
    for (std::size_t q = 0; q < round.qualifying.size() && q < round.qualifyingLines.size(); ++q) {
        if (round.qualifying[q] == name) {
            return round.qualifyingLines[q];
        }
    }
    return 0;
}

}  // namespace

std::vector<std::string> closestNames(std::string_view name, const std::vector<std::string>& names) {
    const std::size_t farthest = std::max<std::size_t>(2, name.size() / 3);
    std::vector<std::pair<std::size_t, std::size_t>> near;  // distance, index
    for (std::size_t n = 0; n < names.size(); ++n) {
        if (const std::size_t distance = editDistance(name, names[n]); distance <= farthest) {
            near.emplace_back(distance, n);
        }
    }
    std::stable_sort(near.begin(), near.end());
    std::vector<std::string> closest;
    for (std::size_t c = 0; c < near.size() && c < kMostClosestNames; ++c) {
        closest.push_back(names[near[c].second]);
    }
    return closest;
}

SeasonMistake missingExport(Disk& disk, const std::string& simulatorFolder, const Round& round, std::size_t number,
                            const std::string& name) {
    constexpr std::string_view kSuffix = ".html";
    std::vector<std::string> exports = disk.listFiles(simulatorFolder + "exports", kSuffix);
    for (std::string& file : exports) {
        file.resize(file.size() - kSuffix.size());
    }
    return SeasonMistake{.kind = SeasonMistake::Kind::ExportMissing,
                         .line = lineNaming(round, name),
                         .path = exportPath(simulatorFolder, name),
                         .round = {number, round.name},
                         .closestNames = closestNames(name, exports)};
}

}  // namespace league::season
