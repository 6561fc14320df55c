#include "league/write/file_names.hpp"

#include <algorithm>
#include <cstdio>

namespace league::season {

std::string roundFileStem(std::size_t heldNumber) {
    char stem[32];
    std::snprintf(stem, sizeof stem, "round-%02zu", heldNumber);
    return stem;
}

std::string roundFolder(std::size_t heldNumber) {
    return roundFileStem(heldNumber) + "/";
}

std::vector<std::string> analysisPageStems(const HeldRound& round) {
    std::vector<std::string> stems;
    for (const AnalysedRace& race : round.analyses) {
        std::string stem;
        for (const char c : race.replayed.name) {
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                               c == '_' || c == '.';
            stem += plain ? c : '_';
        }
        stem += "_analysis";
        const std::string first = stem;
        for (int number = 2; std::find(stems.begin(), stems.end(), stem) != stems.end(); ++number) {
            stem = first + "-" + std::to_string(number);
        }
        stems.push_back(stem);
    }
    return stems;
}

std::vector<std::string> discordFileNames(const std::string& stem, std::size_t messages) {
    if (messages == 1) {
        return {stem + "_discord.md"};
    }
    std::vector<std::string> names;
    for (std::size_t m = 1; m <= messages; ++m) {
        names.push_back(stem + "_discord-" + std::to_string(m) + ".md");
    }
    return names;
}

}  // namespace league::season
