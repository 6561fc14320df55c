// A whole League run over an arbitrary season file, in memory: the season file is
// parsed, checked, its rounds read from two fixed exports of a small league (and the
// replay of race_a for a round that analyses it), the season computed, and every file
// rendered and written. Afterwards the season file, Quorrin.ini, the exports and the
// replay must be unchanged.
// Input: the season file's bytes ("cup.toml").

#include "league/league_run.hpp"

#include "common/memory_disk.hpp"

#include "support/replay_builder.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace {

// A race export as the simulator writes it, of two riders, and a practice export of one.
std::string exportOf(const std::string& rows, bool practice) {
    std::string bytes(1280, ' ');
    bytes += rows;
    bytes += std::string(practice ? 600 : 400, ' ');
    return bytes;
}

// The replay of race_a: #7's lap 4 holds two laps, a lap to split or to keep.
std::string raceReplay() {
    league::testing::ReplayBuilder replay;
    replay.driver(0, 7, "Ann &amp; Rider", "Vexa").driver(1, 8, "Jos\xE9", "Kiruna");
    replay.raceStart()
        .laps(0, {90000, 90000, 90000, 180000, 90000, 90000, 90000, 90000, 90000, 90000})
        .laps(1, {93000, 93000, 93000, 93000, 93000, 93000, 93000, 93000, 93000});
    return replay.bytes();
}

const league::FileMap& leagueFiles() {
    static const league::FileMap files = {
        {"Quorrin.ini", "sim\\"},
        {"sim/replays/race_a.rpy", raceReplay()},
        {"sim/exports/race_a.html",
         exportOf("<TR>\r\n    <TD>1</TD>\r\n    <TD>7</TD>\r\n    <TD>Ann &amp; Rider</TD>\r\n    <TD>Vexa</TD>"
                  "\r\n    <TD>10</TD>\r\n    <TD>00:00.000</TD>\r\n    <TD>15:00.000</TD>\r\n"
                  "<TR>\r\n    <TD>2</TD>\r\n    <TD>8</TD>\r\n    <TD>Jos\xE9</TD>\r\n    <TD>Kiruna</TD>"
                  "\r\n    <TD>9</TD>\r\n    <TD>00:00.000</TD>\r\n    <TD>15:30.000</TD>\r\n",
                  false)},
        {"sim/exports/quali.html",
         exportOf("<TR>\r\n    <TD>1</TD>\r\n    <TD>8</TD>\r\n    <TD>Jos\xE9</TD>\r\n    <TD>Kiruna</TD>"
                  "\r\n    <TD>1:33.000</TD>\r\n    <TD>3/8</TD>\r\n    <TD>160.1 km/h</TD>\r\n",
                  true)},
    };
    return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    league::FileMap files = leagueFiles();
    files["cup.toml"] = std::string(reinterpret_cast<const char*>(data), size);
    league::MemoryDisk disk(files);
    std::istringstream in;
    std::ostringstream out;
    league::Console console(in, out, nullptr);
    league::season::LeagueOptions options;
    options.season = "cup";
    const int status = league::season::runLeague(console, disk, options);
    if (status != 0 && status != 1) {
        std::abort();
    }
    for (const auto& [name, bytes] : files) {
        const auto after = disk.files().find(name);
        if (after == disk.files().end() || after->second != bytes) {
            std::abort();
        }
    }
    return 0;
}
