// Writes the input folders of the process benchmarks (scripts/bench-processes.sh),
// the largest inputs of each program, made by the same builders as the in-process
// benchmarks:
//
//   write_process_inputs FOLDER
//
//   quorrin/       the largest race a replay holds (33 riders, 39 laps, 3000 lap
//                  records) and its export
//   omblen/        four practice exports of 33 rows (132 rows; the table takes 99)
//   duvessa/       four race exports of 33 rows
//   replay_small/  one race of 33 riders over 39 laps in a replay of 100 KB, and its export
//   replay_large/  the same race in a replay of 512 MB, a sparse file whose unread
//                  middle is a hole
//   league30/      a League season of 30 held rounds, each of four race and four
//                  qualifying exports of 33 riders and one race of 33 riders over 39
//                  laps analysed from its replay (season.toml, the only season file)
//   league60/      the same season over 60 held rounds
//
// Beside each folder, NAME.answers holds what is typed in its run. Every folder has an
// empty Quorrin.ini, so the programs read replays/ and exports/ inside it.

#include "bench_inputs.hpp"

#include "support/export_builder.hpp"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct SizedReplay {
    const char* folder;
    std::uintmax_t size;
};

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// The race of 33 riders over 39 laps, without practice laps, as a replay of exactly
// `size` bytes: the head (up to the end of the slot table), a hole up to the lap
// record table, then the table (40 bytes a record).
void writeReplayOfSize(const fs::path& path, std::uintmax_t size) {
    league::testing::ReplayBuilder race = league::bench::largestRace(1 + 33 * 39);
    race.middleBytes = 0;
    const std::string bytes = race.bytes();
    const std::size_t tableBytes = race.records.size() * 40;
    writeFile(path, bytes.substr(0, bytes.size() - tableBytes));
    fs::resize_file(path, size - tableBytes);
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(bytes.data() + bytes.size() - tableBytes, static_cast<std::streamsize>(tableBytes));
    if (!out || fs::file_size(path) != size) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// A League season of `rounds` held rounds in `folder`: every round has four grids of 33
// riders (other riders in each grid), raced and qualified, and one race of 33 riders
// over 39 laps analysed from its replay; the season file names all eight exports and
// the analysed race of each round, with drops, pole points, a penalty and two teams.
void writeLeagueSeason(const fs::path& folder, int rounds) {
    writeFile(folder / "Quorrin.ini", "");
    const std::string nightReplay = league::bench::largestRace(1 + 33 * 39).bytes();
    const std::string nightExport = league::bench::largeRaceExport(33, 39);
    std::string season = "title = \"Benchmark season\"\npole_points = 1\ndrop_worst = 2\n"
                         "[teams]\n\"A\" = [\"Rider 100\", \"Rider 101\"]\n\"B\" = [\"Rider 200\", \"Rider 201\"]\n";
    for (int round = 1; round <= rounds; ++round) {
        const std::string prefix = "r" + std::to_string(round) + "_";
        std::string races;
        std::string qualifying;
        for (int grid = 1; grid <= 4; ++grid) {
            std::vector<league::testing::RaceRow> raceRows;
            std::vector<league::testing::PracticeRow> practiceRows;
            for (int rider = 0; rider < 33; ++rider) {
                const int number = grid * 100 + rider;
                // The order changes from round to round, so that the standings move.
                const int pace = 93000 + ((rider * 7 + round * 13) % 33) * 150 + grid * 400;
                raceRows.push_back(league::testing::raceRow(number, "Rider " + std::to_string(number), "Vexa RR-1000",
                                                            10, pace * 10 + rider));
                practiceRows.push_back(league::testing::practiceRow(number, "Rider " + std::to_string(number),
                                                                    "Vexa RR-1000", pace - 500, "3/9", "160.1 km/h"));
            }
            const std::string race = prefix + "race_g" + std::to_string(grid);
            const std::string practice = prefix + "practice_g" + std::to_string(grid);
            writeFile(folder / "exports" / (race + ".html"), league::testing::raceExport(raceRows));
            writeFile(folder / "exports" / (practice + ".html"), league::testing::practiceExport(practiceRows));
            races += std::string(grid == 1 ? "" : ", ") + "\"" + race + "\"";
            qualifying += std::string(grid == 1 ? "" : ", ") + "\"" + practice + "\"";
        }
        writeFile(folder / "replays" / (prefix + "night.rpy"), nightReplay);
        writeFile(folder / "exports" / (prefix + "night.html"), nightExport);
        season += "[[round]]\nname = \"Round " + std::to_string(round) + "\"\nraces = [" + races +
                  "]\nqualifying = [" + qualifying + "]\nanalyse = [\"" + prefix + "night\"]\n";
        if (round == 2) {
            season += "[[round.penalty]]\nrider = \"Rider 105\"\nrace = \"r2_race_g1\"\nseconds = 5\n"
                      "reason = \"Track limits\"\n";
        }
    }
    writeFile(folder / "season.toml", season);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_process_inputs FOLDER\n");
        return 2;
    }
    const fs::path root(argv[1]);
    try {
        const std::string raceExport = league::bench::largeRaceExport(33, 39);

        writeFile(root / "quorrin/Quorrin.ini", "");
        writeFile(root / "quorrin/replays/race.rpy", league::bench::largestRace().bytes());
        writeFile(root / "quorrin/exports/race.html", raceExport);
        writeFile(root / "quorrin.answers", "race\n0\n");

        const std::string practice = league::bench::largePracticeExport(33);
        writeFile(root / "omblen/Quorrin.ini", "");
        writeFile(root / "omblen/maxdriversingrid.ini", "20\n");
        for (const char* name : {"a", "b", "c", "d"}) {
            writeFile(root / "omblen/exports" / (std::string(name) + ".html"), practice);
        }
        writeFile(root / "omblen.answers", "a\nb\nc\nd\n");

        writeFile(root / "duvessa/Quorrin.ini", "");
        int laps = 19;
        for (const char* name : {"a", "b", "c", "d"}) {
            writeFile(root / "duvessa/exports" / (std::string(name) + ".html"), league::bench::largeRaceExport(33, laps++));
        }
        writeFile(root / "duvessa.answers", "a\nb\nc\nd\n");

        for (const SizedReplay replay : {SizedReplay{"replay_small", 100 * 1024},
                                         SizedReplay{"replay_large", std::uintmax_t{512} * 1024 * 1024}}) {
            writeFile(root / replay.folder / "Quorrin.ini", "");
            writeReplayOfSize(root / replay.folder / "replays/race.rpy", replay.size);
            writeFile(root / replay.folder / "exports/race.html", raceExport);
            writeFile(root / (std::string(replay.folder) + ".answers"), "race\n0\n");
        }
        writeLeagueSeason(root / "league30", 30);
        writeLeagueSeason(root / "league60", 60);
        writeFile(root / "league30.answers", "");
        writeFile(root / "league60.answers", "");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "write_process_inputs: %s\n", error.what());
        return 1;
    }
    return 0;
}
