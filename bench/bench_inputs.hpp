#pragma once
// The inputs of the benchmarks: the largest files the data model allows, made by the
// test builders, and a console over string streams for in-process runs.

#include "common/console.hpp"

#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"

#include <sstream>
#include <string>
#include <vector>

namespace league::bench {

/// A race export of `rows` riders who all did `laps` laps, a second apart.
std::string largeRaceExport(int rows, int laps);

/// A practice export of `rows` riders, best laps 10 ms apart, every third in mph.
std::string largePracticeExport(int rows);

/// The largest race the replay can hold: 33 riders over 39 laps (1287 race lap
/// records) behind enough records before the race start (practice laps) for
/// `recordCount` records in all; 3000 is the most a replay's table may hold.
testing::ReplayBuilder largestRace(int recordCount = 3000);

/// A console over string streams: `answers` are typed, the output is kept (and
/// thrown away with the console); the pause reads one byte.
class StringConsole {
public:
    explicit StringConsole(const std::string& answers);
    Console& console() { return console_; }

private:
    std::istringstream in_;
    std::ostringstream out_;
    Console console_;
};

}  // namespace league::bench
