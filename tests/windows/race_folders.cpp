// Writes the race folders on which the native and the Windows build of Quorrin must
// write the same pages: race_folders OUTPUT_FOLDER makes OUTPUT_FOLDER/<case>/work
// (Quorrin.ini and the simulator's replay and export) and OUTPUT_FOLDER/<case>/answers.txt
// (what the user types), one case per way through the dialogue.

#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"
#include "support/temp_folder.hpp"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using league::testing::FileMap;

struct RaceDriver {
    int slot;
    std::int32_t startNumber;
    std::string name;
    std::string bike;
    std::vector<std::int32_t> laps;
    std::int32_t exportLaps;
    std::int32_t penaltySeconds;
};

// Five riders in finishing order. #3 has a lap that the simulator failed to count
// (183000 ms, two laps in one): the export gives him 5 laps, the replay 4. #40 retired
// after one lap. One name carries a byte above 127 and one fills all 32 bytes, so
// that names pass into the pages unchanged on both systems.
std::vector<RaceDriver> raceDrivers() {
    return {
        {0, 7, "Ada Quill", "Falcon 600", {92000, 90500, 90100, 91200, 90800}, 5, 0},
        {1, 12, "J\xF6rg Renner", "Kestrel R", {93000, 91000, 90900, 91500, 92000}, 5, 0},
        {2, 3, "Cy Vale", "Falcon 600", {94000, 91800, 183000, 91400}, 5, 0},
        {4, 21, "Dee Marsh", "Osprey 750 Works Replica Edition", {95000, 92500, 92200, 92900, 93100}, 5, 5},
        {6, 40, "Maximilian Oberhauser-Lindqvist", "Kestrel R", {97000}, 1, 0},
    };
}

std::string raceReplay(const std::vector<RaceDriver>& drivers) {
    league::testing::ReplayBuilder replay;
    replay.trackName = "Harbour Loop";
    for (const RaceDriver& driver : drivers) {
        replay.driver(driver.slot, driver.startNumber, driver.name, driver.bike);
    }
    // An empty slot that still holds a name: the programs skip it by its start number.
    replay.driver(3, 0, "Left Early", "Osprey 750");
    // Warm-up laps before the race start marker do not count.
    replay.lap(0, 1, 99000).lap(1, 1, 98000).raceStart();
    // Lap records in the order the riders cross the line: lap by lap.
    for (std::size_t lap = 0; lap < 5; ++lap) {
        for (const RaceDriver& driver : drivers) {
            if (lap < driver.laps.size()) {
                replay.lap(driver.slot, static_cast<std::int32_t>(lap + 1), driver.laps[lap]);
            }
        }
    }
    return replay.bytes();
}

std::string raceExport(const std::vector<RaceDriver>& drivers) {
    std::vector<league::testing::RaceRow> rows;
    for (const RaceDriver& driver : drivers) {
        // The race time that gives back the replay's first lap.
        const std::int32_t raceTime =
            std::accumulate(driver.laps.begin(), driver.laps.end(), std::int32_t{0}) + driver.exportLaps / 2;
        rows.push_back(league::testing::raceRow(driver.startNumber, driver.name, driver.bike, driver.exportLaps,
                                                raceTime, driver.penaltySeconds));
    }
    return league::testing::raceExport(rows);
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

void writeCase(const std::filesystem::path& output, const std::string& name, const FileMap& work,
               const std::string& answers) {
    for (const auto& [file, bytes] : work) {
        writeFile(output / name / "work" / file, bytes);
    }
    writeFile(output / name / "answers.txt", answers);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: race_folders OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path output(argv[1]);
    const std::vector<RaceDriver> drivers = raceDrivers();
    const std::string config = "Korvex\\";
    const FileMap race = {
        {"Quorrin.ini", config},
        {"Korvex/replays/race.rpy", raceReplay(drivers)},
        {"Korvex/exports/race.html", raceExport(drivers)},
    };
    FileMap withoutExport = race;
    withoutExport.erase("Korvex/exports/race.html");

    // The uncounted lap split, colourful tables: both pages.
    writeCase(output, "split-colourful", race, "race\ny\n0\n");
    // The split declined: the export claims more laps than the replay, so the run ends
    // with its failure message and the pause; plain tables with #12 in yellow.
    writeCase(output, "declined-plain", race, "race\nn\n12\n");
    // No export: the tables page without the position board.
    writeCase(output, "missing-export", withoutExport, "race\ny\n0\n");
    return 0;
}
