#pragma once
// Races for the unit tests: drivers with their lap times, turned into a lap table the
// way the run does it (lap records after a race start marker, then the table built).

#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/lap_table.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace league::quorrin::fixture {

struct Driver {
    int slot;
    std::int32_t startNumber;
    std::string name;
    std::vector<std::int32_t> laps;
};

/// The drivers' laps are recorded one driver after the other, so the first driver
/// with the most laps is the winner.
inline RaceRecord raceOf(const std::vector<Driver>& drivers) {
    RaceRecord race;
    race.lapRecords.push_back(LapRecord{0, 4, 0});
    for (const Driver& driver : drivers) {
        race.startNumber[static_cast<std::size_t>(driver.slot)] = driver.startNumber;
        race.driverName[static_cast<std::size_t>(driver.slot)] = driver.name;
        std::int32_t lap = 1;
        for (const std::int32_t time : driver.laps) {
            race.lapRecords.push_back(LapRecord{driver.slot, lap++, time});
        }
    }
    race.recordCount = static_cast<std::int32_t>(race.lapRecords.size());
    race.firstRaceRecord = 1;
    buildLapTable(race);
    return race;
}

/// The lap times 1 to lapsDone of a slot.
inline std::vector<std::int32_t> lapsOf(const RaceRecord& race, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    return std::vector<std::int32_t>(race.lapTime[s].begin() + 1, race.lapTime[s].begin() + 1 + race.lapsDone[s]);
}

/// The elapsed times at the end of laps 1 to lapsDone of a slot.
inline std::vector<std::int32_t> elapsedOf(const RaceRecord& race, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    return std::vector<std::int32_t>(race.raceTimeAtLap[s].begin() + 1,
                                     race.raceTimeAtLap[s].begin() + 1 + race.lapsDone[s]);
}

/// The riders' colours of `race` after the colour answer `answer` (0: colourful).
inline RiderColours coloursOf(const RaceRecord& race, std::int32_t answer) {
    return computeRiderColours(race, ColourScheme::fromAnswer(answer));
}

}  // namespace league::quorrin::fixture
