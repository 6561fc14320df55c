#pragma once
// The sample league: one evening of a made-up league in the Korvex simulator, written
// as the simulator would leave it on disk, so that a new user can try all three
// programs without simulator files of their own.
//
// The evening: practice in three grids (Omblen merges them and divides the field anew),
// one race per new grid, each over its own distance (Duvessa merges them), and the
// open cup race of twenty riders whose replay and export Quorrin analyses. Two later
// race nights and the season file "cup2026.toml" make it a season for League.

#include "support/temp_folder.hpp"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace league::examples {

/// A made-up rider of the league with the bike they ride and their usual lap time.
struct Rider {
    std::int32_t startNumber = 0;
    std::string name;
    std::string bike;
    /// A clean lap at race pace on the league's track, in milliseconds.
    std::int32_t pace = 0;
};

/// One rider's race as the simulator saw it.
struct RaceFinisher {
    Rider rider;
    /// Every lap the rider completed, in order (the race export's lap count is their number).
    std::vector<std::int32_t> lapTimes;
    /// The race time of the export: the sum of the lap times.
    std::int32_t raceTime = 0;
    std::int32_t penaltySeconds = 0;
    /// The replay slot (cup race only).
    int slot = -1;
    /// The lap the simulator failed to count (merged with the next one in the replay); 0 for none.
    std::int32_t uncountedLap = 0;
};

/// One race: the export's rows in finishing order.
struct SampleRace {
    std::string name;
    std::int32_t laps = 0;
    std::vector<RaceFinisher> finishers;
};

/// One practice row.
struct PracticeResult {
    Rider rider;
    std::int32_t bestLap = 0;
    std::int32_t bestLapNumber = 0;
    std::int32_t lapsDriven = 0;
};

/// One practice export: the rows of one grid, fastest first.
struct SamplePractice {
    std::string name;
    bool speedInMph = false;
    std::vector<PracticeResult> results;
};

/// A later race night of the season (League's sample season): practice in three grids
/// and a race per new grid, at another track.
struct SampleNight {
    /// The start of every export name of the night: "harbour" -> "harbour_race_g1".
    std::string prefix;
    std::vector<SamplePractice> practices;
    std::vector<SampleRace> gridRaces;
};

struct SampleLeague {
    std::string trackName;
    /// The grid size that Omblen divides the field by.
    std::int32_t maxDriversInGrid = 0;
    SampleRace cupRace;
    std::vector<SamplePractice> practices;
    std::vector<SampleRace> gridRaces;
    /// The two race nights after this one, for League's sample season.
    std::vector<SampleNight> laterNights;
};

/// The whole evening, the same on every call.
SampleLeague buildSampleLeague();

/// One race lap record of the cup race's replay.
struct CupLapRecord {
    int slot = 0;
    std::int32_t lapNumber = 0;
    std::int32_t lapTime = 0;
};

/// The race records of the cup race's replay in the order the simulator wrote them
/// (by the moment each lap was completed), with the uncounted lap merged into the next.
std::vector<CupLapRecord> cupRaceRecords(const SampleRace& cupRace);

/// League's season file of the sample league, "cup2026.toml": the evening's practice
/// and grid races as round 1, the two later nights, and a round to come.
std::string sampleSeasonFile();

/// Every file of the sample league folder, relative path ('/' separated) -> bytes.
testing::FileMap sampleLeagueFiles(const SampleLeague& league);

/// Writes the sample league's files below `folder`, creating its subfolders.
void writeSampleLeague(const std::filesystem::path& folder);

}  // namespace league::examples
