// Writes the seed corpus of every fuzz target: exports and replays laid out as the
// simulator writes them (made by the test builders), with answers that walk each
// program's dialogue to its end. Run once with the corpus folder as the argument; the
// files are kept with the sources under fuzz/corpus/<target>/.

#include "fuzz_input.hpp"

#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using league::fuzz::joinParts;
using namespace league::testing;

void writeSeed(const std::filesystem::path& folder, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

const std::vector<RaceRow> kRaceRows = {
    raceRow(12, "Ann Rider", "Falcon 990", 5, 450500, 5),
    raceRow(7, "Bob &amp; Co", "Vespid R", 5, 452250),
    raceRow(33, "Cleo Marsh", "Kestrel 750", 4, 400010, 10),
};

const std::vector<PracticeRow> kPracticeRows = {
    practiceRow(12, "Ann Rider", "Falcon 990", 83456, "7", "160.1 km/h"),
    practiceRow(7, "Bob &amp; Co", "Vespid R", 84001, "12", "99.5 mph"),
    practiceRow(33, "Cleo Marsh", "Kestrel 750", 85999, "3", "158.0 km/h"),
};

// A race of three riders over five laps: the one the race export above belongs to.
// Cleo's third lap is one the simulator failed to count (twice as long as the others).
ReplayBuilder raceReplay() {
    ReplayBuilder replay;
    replay.middleBytes = 64;
    replay.driver(0, 12, "Ann Rider", "Falcon 990")
        .driver(1, 7, "Bob &amp; Co", "Vespid R")
        .driver(2, 33, "Cleo Marsh", "Kestrel 750");
    replay.lap(0, 1, 95000).lap(1, 1, 96000).raceStart();
    for (std::int32_t lap = 1; lap <= 5; ++lap) {
        replay.lap(0, lap, 90000 + lap * 10).lap(1, lap, 90400 + lap * 7);
        if (lap != 4 && lap != 5) {
            replay.lap(2, lap, lap == 3 ? 200002 : 100000 + lap);
        }
    }
    return replay;
}

void writeExportRecipeSeeds(const std::filesystem::path& folder) {
    writeSeed(folder, "race-three-rows", raceExport(kRaceRows));
    writeSeed(folder, "practice-three-rows", practiceExport(kPracticeRows));
    std::vector<RaceRow> lapsZero = kRaceRows;
    lapsZero[1].laps = "0";
    writeSeed(folder, "race-laps-zero", raceExport(lapsZero));
    std::vector<PracticeRow> bestLapZero = kPracticeRows;
    bestLapZero[2].bestLap = "0:00.000";
    writeSeed(folder, "practice-best-lap-zero", practiceExport(bestLapZero));
    std::vector<RaceRow> letters = kRaceRows;
    letters[0].startNumber = "ab";
    letters[1].raceTime = "x:07.1";
    writeSeed(folder, "race-letters-in-numbers", raceExport(letters));
    const std::string whole = raceExport(kRaceRows);
    writeSeed(folder, "race-cut-inside-a-row", whole.substr(0, whole.size() * 3 / 4));
    writeSeed(folder, "too-short", exportHead());
}

void writeQuorrinSeeds(const std::filesystem::path& folder) {
    const std::string replay = raceReplay().bytes();
    const std::string race = raceExport(kRaceRows);
    writeSeed(folder, "colourful-decline-repair", joinParts({"race\nn\n0\n", "", replay, race}));
    writeSeed(folder, "plain-accept-repair", joinParts({"race\ny\n7\n", "", replay, race}));
    writeSeed(folder, "export-missing", joinParts({"race\nn\n12\n", "", replay}));
    writeSeed(folder, "answers-end-early", joinParts({"race", "", replay, race}));
    ReplayBuilder noMarker;
    noMarker.middleBytes = 0;
    noMarker.driver(0, 5, "Solo", "Wasp").laps(0, {70000, 71000, 150000, 69000});
    writeSeed(folder, "no-race-start-marker",
              joinParts({"race y y y 0", "", noMarker.bytes(), raceExport({raceRow(5, "Solo", "Wasp", 5, 360000)})}));
    writeSeed(folder, "configuration-missing", "race\n");
}

void writeOmblenSeeds(const std::filesystem::path& folder) {
    const std::string first = practiceExport(kPracticeRows);
    const std::string second = practiceExport({practiceRow(4, "Dana", "Hornet", 83000, "9", "161.0 km/h"),
                                               practiceRow(9, "Eli", "Moth 600", 90123, "2", "95.0 mph")});
    writeSeed(folder, "two-exports-grids-of-two", joinParts({"a\nb\n0\n", "", first, second, "", "", "2\n"}));
    writeSeed(folder, "four-exports", joinParts({"a b c d", "", first, second, first, second, "10"}));
    writeSeed(folder, "settings-missing", joinParts({"a 0", "", first}));
    writeSeed(folder, "no-export-named", joinParts({"0", "", "", "", "", "", "1"}));
}

void writeDuvessaSeeds(const std::filesystem::path& folder) {
    const std::string first = raceExport(kRaceRows);
    const std::string second = raceExport({raceRow(4, "Dana", "Hornet", 5, 449000), raceRow(9, "Eli", "Moth 600", 3, 300000),
                                           raceRow(21, "Finn", "Gnat", 6, 540000)});
    writeSeed(folder, "two-exports", joinParts({"a\nb\n0\n", "", first, second}));
    writeSeed(folder, "four-exports", joinParts({"a b c d", "", first, second, second, first}));
    writeSeed(folder, "second-export-missing", joinParts({"a x", "", first}));
    writeSeed(folder, "no-export-named", joinParts({"0", ""}));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: seed_writer CORPUS_FOLDER\n";
        return 2;
    }
    const std::filesystem::path corpus(argv[1]);
    writeExportRecipeSeeds(corpus / "export_recipes_fuzz");
    writeQuorrinSeeds(corpus / "quorrin_run_fuzz");
    writeOmblenSeeds(corpus / "omblen_run_fuzz");
    writeDuvessaSeeds(corpus / "duvessa_run_fuzz");
    return 0;
}
