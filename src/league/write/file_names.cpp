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

namespace {

// `stem`, or with a number when `stems` has it already: "stem-2", "stem-3", ...
std::string unusedStem(const std::vector<std::string>& stems, const std::string& stem) {
    std::string unused = stem;
    for (int number = 2; std::find(stems.begin(), stems.end(), unused) != stems.end(); ++number) {
        unused = stem + "-" + std::to_string(number);
    }
    return unused;
}

}  // namespace

std::vector<std::string> analysisPageStems(const HeldRound& round) {
    std::vector<std::string> stems;
    for (const AnalysedRace& race : round.analyses) {
        std::string stem;
        for (const char c : race.replayed.name) {
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                               c == '_' || c == '.';
            stem += plain ? c : '_';
        }
        stems.push_back(unusedStem(stems, stem + "_analysis"));
    }
    return stems;
}

std::vector<std::string> classFileStems(const std::vector<ClassStandings>& classes) {
    std::vector<std::string> stems;
    for (const ClassStandings& riderClass : classes) {
        std::string stem = "standings-";
        for (std::size_t i = 0; i < riderClass.name.size(); ++i) {
            const char c = riderClass.name[i];
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            stem += plain ? c : '-';
            // A letter beyond ASCII is one "-", however many bytes it takes.
            while (!plain && i + 1 < riderClass.name.size() &&
                   (static_cast<unsigned char>(riderClass.name[i + 1]) & 0xC0) == 0x80) {
                ++i;
            }
        }
        stems.push_back(unusedStem(stems, stem));
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
