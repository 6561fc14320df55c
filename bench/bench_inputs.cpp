#include "bench_inputs.hpp"

#include <istream>

namespace league::bench {

namespace {

constexpr int kSlotCount = 33;
constexpr int kLapCount = 39;

std::string riderName(int index) {
    return "Rider " + std::to_string(index + 1);
}

}  // namespace

std::string largeRaceExport(int rows, int laps) {
    std::vector<testing::RaceRow> raceRows;
    for (int i = 0; i < rows; ++i) {
        raceRows.push_back(testing::raceRow(i + 1, riderName(i), "Bike " + std::to_string(i % 7), laps,
                                            laps * 91000 + i * 1000, i % 5 == 0 ? 5 : 0));
    }
    return testing::raceExport(raceRows);
}

std::string largePracticeExport(int rows) {
    std::vector<testing::PracticeRow> practiceRows;
    for (int i = 0; i < rows; ++i) {
        practiceRows.push_back(testing::practiceRow(i + 1, riderName(i), "Bike " + std::to_string(i % 7), 83000 + i * 10,
                                                    std::to_string(i % 9 + 1), i % 3 == 0 ? "99.5 mph" : "160.1 km/h"));
    }
    return testing::practiceExport(practiceRows);
}

testing::ReplayBuilder largestRace(int recordCount) {
    testing::ReplayBuilder replay;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        replay.driver(slot, slot + 1, riderName(slot), "Bike " + std::to_string(slot % 7));
    }
    // Practice laps before the race start fill the table up to the count asked for.
    const int raceRecords = kSlotCount * kLapCount;
    const int practiceRecords = recordCount - raceRecords - 1;
    for (int i = 0; i < practiceRecords; ++i) {
        replay.lap(i % kSlotCount, i / kSlotCount % kLapCount + 1, 95000 + i % 500);
    }
    replay.raceStart();
    // Lap by lap, the riders cross the line in slot order; lap times differ a little
    // so that the positions change from lap to lap.
    for (int lap = 1; lap <= kLapCount; ++lap) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            replay.lap(slot, lap, 90000 + (slot * 37 + lap * 11) % 900);
        }
    }
    return replay;
}

StringConsole::StringConsole(const std::string& answers)
    : in_(answers), console_(in_, out_, [](std::istream& keys, std::ostream&) { keys.get(); }) {}

}  // namespace league::bench
