#include "sample_league.hpp"

#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace league::examples {

namespace {

// The league's riders, fastest first by their usual pace. Names and bikes are made up.
const std::vector<Rider>& leagueRiders() {
    static const std::vector<Rider> riders = {
        {7, "Tomas Verhal", "Vexa RR-1000", 93850},
        {14, "Iska Brandt", "Dornal 990 GP", 93980},
        {3, "Leon Varnet", "Kiruna S1", 94050},
        {21, "Ottavio Ruscelli", "Stavro V4 Corsa", 94150},
        {55, "Pim van Daalen", "Vexa RR-1000", 94260},
        {8, "Sanna Kettu", "Helden R 1000", 94330},
        {31, "Jory Hallam", "Tarsk MX9", 94450},
        {11, "Mika Oranen", "Kiruna S1", 94520},
        {68, "Dario Fenelli", "Stavro V4 Corsa", 95050},
        {23, "Conor Blythe", "Dornal 990 GP", 95150},
        {5, "Aksel Norrby", "Helden R 1000", 95300},
        {72, "Ruben Castel", "Vexa RR-1000", 95420},
        {17, "Yannick Doriot", "Tarsk MX9", 95560},
        {38, "Emil Hrasko", "Kiruna S1", 95700},
        {2, "Felix Amberg", "Dornal 990 GP", 95850},
        {44, "Nico Strada", "Stavro V4 Corsa", 96000},
        {9, "Hugo Lindqvist", "Helden R 1000", 96150},
        {61, "Bram Okkerse", "Tarsk MX9", 96300},
        {29, "Teo Valcourt", "Vexa RR-1000", 96500},
        {80, "Marek Zelny", "Kiruna S1", 96700},
        {15, "Lio Sartori", "Helden R 1000", 96900},
        {52, "Kai Brennecke", "Dornal 990 GP", 97150},
        {36, "Oren Tallis", "Stavro V4 Corsa", 97400},
        {19, "Sven Rautio", "Tarsk MX9", 97700},
        {77, "Quint Albers", "Vexa RR-1000", 100800},  // new to the league: over 107 % in practice
    };
    return riders;
}

const Rider& riderNumbered(std::int32_t startNumber) {
    for (const Rider& rider : leagueRiders()) {
        if (rider.startNumber == startNumber) {
            return rider;
        }
    }
    throw std::logic_error("no league rider with start number " + std::to_string(startNumber));
}

// A small random source with a fixed sequence on every system (the standard library's
// distributions may differ between libraries, which would change the files).
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}

    /// A whole number from `low` to `high`, both included.
    std::int32_t between(std::int32_t low, std::int32_t high) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<std::int32_t>((state_ >> 33) % span);
    }

private:
    std::uint64_t state_;
};

// What happens to one rider in a race besides riding at their pace.
struct Incident {
    std::int32_t startNumber = 0;
    /// Time lost on the first lap (a bad start, running wide at the first corner).
    std::int32_t lapOneLoss = 0;
    /// A crash: the lap it happens on, the time it costs, and the pace lost per lap afterwards.
    std::int32_t crashLap = 0;
    std::int32_t crashLoss = 0;
    std::int32_t paceLossAfterCrash = 0;
    /// The last lap before retiring; 0 when the rider finishes.
    std::int32_t retiresAfter = 0;
    std::int32_t penaltySeconds = 0;
    /// The lap the simulator fails to count in the replay.
    std::int32_t uncountedLap = 0;
};

struct RaceSetup {
    std::string name;
    std::int32_t laps = 0;
    /// Start numbers in the order the riders joined the server (replay slots 0, 1, ...).
    std::vector<std::int32_t> entryList;
    std::vector<Incident> incidents;
    std::uint64_t seed = 0;
};

Incident incidentOf(const RaceSetup& setup, std::int32_t startNumber) {
    for (const Incident& incident : setup.incidents) {
        if (incident.startNumber == startNumber) {
            return incident;
        }
    }
    return Incident{startNumber};
}

// Rides the race: every rider's laps at their pace with a little scatter, slower on the
// standing-start first lap the further back they start; the race ends for everyone at
// the first line crossing after the winner has finished.
SampleRace rideRace(const RaceSetup& setup) {
    Dice dice(setup.seed);
    // The grid is formed by pace: the quickest start at the front.
    std::vector<std::int32_t> grid = setup.entryList;
    std::stable_sort(grid.begin(), grid.end(), [](std::int32_t a, std::int32_t b) {
        return riderNumbered(a).pace < riderNumbered(b).pace;
    });

    std::vector<RaceFinisher> riders;
    for (std::size_t slot = 0; slot < setup.entryList.size(); ++slot) {
        const Rider& rider = riderNumbered(setup.entryList[slot]);
        const Incident incident = incidentOf(setup, rider.startNumber);
        const auto gridPosition =
            static_cast<std::int32_t>(std::find(grid.begin(), grid.end(), rider.startNumber) - grid.begin());
        RaceFinisher finisher;
        finisher.rider = rider;
        finisher.slot = static_cast<int>(slot);
        finisher.penaltySeconds = incident.penaltySeconds;
        finisher.uncountedLap = incident.uncountedLap;
        const std::int32_t lastLap = incident.retiresAfter > 0 ? incident.retiresAfter : setup.laps;
        // The rider's form on the evening moves their pace a little.
        const std::int32_t form = dice.between(-350, 350);
        for (std::int32_t lap = 1; lap <= lastLap; ++lap) {
            std::int32_t time = rider.pace + form + dice.between(-650, 650) - lap * 40;
            if (lap == 1) {
                time += 3200 + gridPosition * 140 + incident.lapOneLoss;
            }
            if (lap == incident.crashLap) {
                time += incident.crashLoss;
            }
            if (incident.crashLap > 0 && lap > incident.crashLap) {
                time += incident.paceLossAfterCrash;
            }
            finisher.lapTimes.push_back(time);
        }
        riders.push_back(finisher);
    }

    std::int32_t winnerTime = 0;
    for (const RaceFinisher& rider : riders) {
        if (static_cast<std::int32_t>(rider.lapTimes.size()) == setup.laps) {
            std::int32_t total = 0;
            for (const std::int32_t time : rider.lapTimes) {
                total += time;
            }
            if (winnerTime == 0 || total < winnerTime) {
                winnerTime = total;
            }
        }
    }
    for (RaceFinisher& rider : riders) {
        std::int32_t elapsed = 0;
        std::size_t lapsDone = 0;
        while (lapsDone < rider.lapTimes.size() && elapsed < winnerTime) {
            elapsed += rider.lapTimes[lapsDone++];
        }
        rider.lapTimes.resize(lapsDone);
        rider.raceTime = elapsed;
    }
    // The export lists the riders by laps, then by race time with the penalty added.
    std::stable_sort(riders.begin(), riders.end(), [](const RaceFinisher& a, const RaceFinisher& b) {
        if (a.lapTimes.size() != b.lapTimes.size()) {
            return a.lapTimes.size() > b.lapTimes.size();
        }
        return a.raceTime + a.penaltySeconds * 1000 < b.raceTime + b.penaltySeconds * 1000;
    });
    return SampleRace{setup.name, setup.laps, riders};
}

// Practice in the grids of the league's previous evening: each rider drives a number
// of laps; the best of them is a little quicker than race pace.
SamplePractice practiceSession(const std::string& name, bool speedInMph, const std::vector<std::int32_t>& grid,
                               std::uint64_t seed) {
    Dice dice(seed);
    SamplePractice practice{name, speedInMph, {}};
    for (const std::int32_t startNumber : grid) {
        const Rider& rider = riderNumbered(startNumber);
        PracticeResult result;
        result.rider = rider;
        result.lapsDriven = dice.between(6, 11);
        result.bestLapNumber = dice.between(3, result.lapsDriven);
        result.bestLap = rider.pace - 450 + dice.between(-250, 250);
        practice.results.push_back(result);
    }
    std::stable_sort(practice.results.begin(), practice.results.end(),
                     [](const PracticeResult& a, const PracticeResult& b) { return a.bestLap < b.bestLap; });
    return practice;
}

// The new grids: all practice results ranked by best lap (earlier exports first on equal
// times), cut into grids of at most `maxDriversInGrid`, the larger grids first.
std::vector<std::vector<std::int32_t>> newGrids(const std::vector<SamplePractice>& practices,
                                                std::int32_t maxDriversInGrid) {
    std::vector<PracticeResult> ranking;
    for (const SamplePractice& practice : practices) {
        ranking.insert(ranking.end(), practice.results.begin(), practice.results.end());
    }
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const PracticeResult& a, const PracticeResult& b) { return a.bestLap < b.bestLap; });
    const auto count = static_cast<std::int32_t>(ranking.size());
    const std::int32_t gridCount = (count - 1) / maxDriversInGrid + 1;
    std::vector<std::vector<std::int32_t>> grids;
    std::size_t next = 0;
    for (std::int32_t g = 1; g <= gridCount; ++g) {
        const std::int32_t size = count / gridCount + (g <= count % gridCount ? 1 : 0);
        std::vector<std::int32_t> grid;
        for (std::int32_t i = 0; i < size; ++i) {
            grid.push_back(ranking[next++].rider.startNumber);
        }
        grids.push_back(grid);
    }
    return grids;
}

// The speed of a best lap on the league's track, as the export writes it: one decimal,
// in km/h or in mph. Integer arithmetic keeps the text the same on every system.
std::string speedText(std::int32_t bestLap, bool inMph) {
    constexpr std::int64_t kTrackMetres = 4352;
    // Tenths of km/h = metres / ms * 36000, rounded; for mph also divided by 1.609344,
    // as 1609344 / 1000000. The numerators exceed 32 bits, hence 64-bit arithmetic.
    const std::int64_t tenths = inMph ? (kTrackMetres * 36000 * 1000000 + 1609344LL * bestLap / 2) /
                                            (1609344LL * bestLap)
                                      : (kTrackMetres * 36000 + bestLap / 2) / bestLap;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%lld %s", static_cast<long long>(tenths / 10),
                  static_cast<long long>(tenths % 10), inMph ? "mph" : "km/h");
    return text;
}

std::vector<testing::RaceRow> raceRows(const SampleRace& race) {
    std::vector<testing::RaceRow> rows;
    for (const RaceFinisher& finisher : race.finishers) {
        rows.push_back(testing::raceRow(finisher.rider.startNumber, finisher.rider.name, finisher.rider.bike,
                                        static_cast<std::int32_t>(finisher.lapTimes.size()), finisher.raceTime,
                                        finisher.penaltySeconds));
    }
    return rows;
}

std::string practiceExportBytes(const SamplePractice& practice) {
    std::vector<testing::PracticeRow> rows;
    for (const PracticeResult& result : practice.results) {
        rows.push_back(testing::practiceRow(
            result.rider.startNumber, result.rider.name, result.rider.bike, result.bestLap,
            std::to_string(result.bestLapNumber) + "/" + std::to_string(result.lapsDriven),
            speedText(result.bestLap, practice.speedInMph)));
    }
    return testing::practiceExport(rows);
}

// The cup race's replay: the entry list, the warm-up laps before the start, the race
// start marker, and the race laps in the order they were completed.
std::string cupReplayBytes(const SampleLeague& league) {
    testing::ReplayBuilder replay;
    replay.trackName = league.trackName;
    Dice dice(0x5EED0003);
    std::vector<const RaceFinisher*> bySlot(league.cupRace.finishers.size());
    for (const RaceFinisher& finisher : league.cupRace.finishers) {
        bySlot.at(static_cast<std::size_t>(finisher.slot)) = &finisher;
        replay.driver(finisher.slot, finisher.rider.startNumber, finisher.rider.name, finisher.rider.bike);
    }
    // The warm-up: an out lap and one flying lap each, every rider leaving the pit in slot order.
    for (const RaceFinisher* finisher : bySlot) {
        replay.lap(finisher->slot, 1, finisher->rider.pace + 14000 + dice.between(0, 3000));
    }
    for (const RaceFinisher* finisher : bySlot) {
        replay.lap(finisher->slot, 2, finisher->rider.pace + 900 + dice.between(0, 1500));
    }
    replay.raceStart();
    for (const CupLapRecord& record : cupRaceRecords(league.cupRace)) {
        replay.lap(record.slot, record.lapNumber, record.lapTime);
    }
    return replay.bytes();
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// The grid races of a night: the new grids from its practice, each grid over its
// distance of `gridLaps`.
std::vector<SampleRace> gridRacesOf(const std::string& prefix, const std::vector<SamplePractice>& practices,
                                    std::int32_t maxDriversInGrid, std::uint64_t seed,
                                    const std::vector<std::vector<Incident>>& incidents,
                                    const std::array<std::int32_t, 3>& gridLaps) {
    const std::vector<std::vector<std::int32_t>> grids = newGrids(practices, maxDriversInGrid);
    std::vector<SampleRace> races;
    for (std::size_t g = 0; g < grids.size() && g < 3; ++g) {
        RaceSetup race;
        race.name = prefix + "race_g" + std::to_string(g + 1);
        race.laps = gridLaps[g];
        race.entryList = grids[g];
        race.seed = seed + g;
        race.incidents = g < incidents.size() ? incidents[g] : std::vector<Incident>{};
        races.push_back(rideRace(race));
    }
    return races;
}

// The practice grids of the first evening, without the riders who miss a night.
std::vector<std::vector<std::int32_t>> practiceGrids(const std::vector<std::int32_t>& absent) {
    std::vector<std::vector<std::int32_t>> grids = {
        {7, 14, 21, 3, 8, 55, 11, 31, 23}, {68, 5, 72, 2, 17, 38, 44, 9}, {61, 80, 29, 15, 52, 36, 19, 77}};
    for (auto& grid : grids) {
        grid.erase(std::remove_if(grid.begin(), grid.end(),
                                  [&](std::int32_t number) {
                                      return std::find(absent.begin(), absent.end(), number) != absent.end();
                                  }),
                   grid.end());
    }
    return grids;
}

SampleNight raceNight(const std::string& name, const std::vector<std::int32_t>& absent, std::uint64_t seed,
                      const std::vector<std::vector<Incident>>& incidents, const std::array<std::int32_t, 3>& gridLaps) {
    SampleNight night;
    night.prefix = name;
    const auto grids = practiceGrids(absent);
    for (std::size_t g = 0; g < grids.size(); ++g) {
        night.practices.push_back(
            practiceSession(name + "_practice_g" + std::to_string(g + 1), false, grids[g], seed + 0x10 + g));
    }
    night.gridRaces = gridRacesOf(name + "_", night.practices, 10, seed + 0x20, incidents, gridLaps);
    return night;
}

// A rider whose name the simulator shows differently on one night.
void renameRider(SampleNight& night, std::int32_t startNumber, const std::string& name) {
    for (SamplePractice& practice : night.practices) {
        for (PracticeResult& result : practice.results) {
            if (result.rider.startNumber == startNumber) {
                result.rider.name = name;
            }
        }
    }
    for (SampleRace& race : night.gridRaces) {
        for (RaceFinisher& finisher : race.finishers) {
            if (finisher.rider.startNumber == startNumber) {
                finisher.rider.name = name;
            }
        }
    }
}

}  // namespace

SampleLeague buildSampleLeague() {
    SampleLeague league;
    league.trackName = "Kestrel Bay Circuit";
    league.maxDriversInGrid = 10;

    RaceSetup cup;
    cup.name = "cup_race";
    cup.laps = 12;
    cup.entryList = {21, 7, 44, 3, 68, 11, 55, 80, 14, 2, 31, 23, 9, 8, 17, 61, 5, 38, 29, 72};
    cup.incidents = {
        {68, 0, 0, 0, 0, 0, 0, 7},              // the simulator misses the end of lap 7
        {80, 0, 3, 62000, 3900, 0, 0, 0},       // crashes on lap 3 and is lapped
        {31, 0, 0, 0, 0, 5, 0, 0},              // retires after lap 5
        {29, 6500, 0, 0, 0, 0, 3, 0},           // runs wide at the first corner; a three-second penalty
    };
    cup.seed = 0x5EED0001;
    league.cupRace = rideRace(cup);

    league.practices = {
        practiceSession("practice_g1", false, {7, 14, 21, 3, 8, 55, 11, 31, 23}, 0x5EED0011),
        practiceSession("practice_g2", false, {68, 5, 72, 2, 17, 38, 44, 9}, 0x5EED0012),
        practiceSession("practice_g3", true, {61, 80, 29, 15, 52, 36, 19, 77}, 0x5EED0013),
    };

    // The slower grids race a little longer, so that every full-distance time is at least
    // the first grid's winning time: Duvessa then brings each one to the first grid's
    // distance by the rider's average lap.
    const std::vector<std::vector<std::int32_t>> grids = newGrids(league.practices, league.maxDriversInGrid);
    const std::int32_t gridLaps[] = {10, 11, 12};
    for (std::size_t g = 0; g < grids.size() && g < 3; ++g) {
        RaceSetup race;
        race.name = "race_g" + std::to_string(g + 1);
        race.laps = gridLaps[g];
        race.entryList = grids[g];
        race.seed = 0x5EED0021 + g;
        if (g == 0) {
            race.incidents = {{grids[g][5], 0, 2, 70000, 3500, 0, 0, 0}};  // crashes on lap 2 and is lapped
        }
        if (g == 2) {
            race.incidents = {{grids[g][3], 0, 0, 0, 0, 4, 0, 0}};  // retires after lap 4
        }
        league.gridRaces.push_back(rideRace(race));
    }

    // The season's second night: Quint Albers (#77) is away; one rider crashes; every
    // grid races 10 laps.
    league.laterNights.push_back(
        raceNight("harbour", {77}, 0x5EED0100, {{}, {{5, 0, 4, 30000, 800, 0, 0, 0}}}, {10, 10, 10}));
    // The third: Mika Oranen (#11) rides under a shorter name; one rider retires; the
    // last grid races 8 laps where the others race 10.
    SampleNight saltmarsh =
        raceNight("saltmarsh", {}, 0x5EED0200, {{}, {}, {{36, 0, 0, 0, 0, 6, 0, 0}}}, {10, 10, 8});
    renameRider(saltmarsh, 11, "M. Oranen");
    league.laterNights.push_back(std::move(saltmarsh));
    return league;
}

std::vector<CupLapRecord> cupRaceRecords(const SampleRace& cupRace) {
    struct TimedRecord {
        std::int32_t completedAt;
        CupLapRecord record;
    };
    std::vector<TimedRecord> timed;
    for (const RaceFinisher& finisher : cupRace.finishers) {
        std::int32_t elapsed = 0;
        std::int32_t recordedLap = 0;
        std::int32_t carried = 0;
        for (std::size_t i = 0; i < finisher.lapTimes.size(); ++i) {
            const auto lap = static_cast<std::int32_t>(i + 1);
            elapsed += finisher.lapTimes[i];
            carried += finisher.lapTimes[i];
            if (lap == finisher.uncountedLap) {
                continue;  // no record: the lap's time is added to the next one
            }
            timed.push_back(TimedRecord{elapsed, CupLapRecord{finisher.slot, ++recordedLap, carried}});
            carried = 0;
        }
    }
    std::stable_sort(timed.begin(), timed.end(), [](const TimedRecord& a, const TimedRecord& b) {
        return a.completedAt < b.completedAt;
    });
    std::vector<CupLapRecord> records;
    for (const TimedRecord& entry : timed) {
        records.push_back(entry.record);
    }
    return records;
}

testing::FileMap sampleLeagueFiles(const SampleLeague& league) {
    testing::FileMap files;
    // The simulator folder, relative to the league folder, without a line break.
    files["Quorrin.ini"] = "simulator\\";
    files["maxdriversingrid.ini"] = std::to_string(league.maxDriversInGrid) + "\r\n";
    files["simulator/replays/" + league.cupRace.name + ".rpy"] = cupReplayBytes(league);
    files["simulator/exports/" + league.cupRace.name + ".html"] = testing::raceExport(raceRows(league.cupRace));
    for (const SamplePractice& practice : league.practices) {
        files["simulator/exports/" + practice.name + ".html"] = practiceExportBytes(practice);
    }
    for (const SampleRace& race : league.gridRaces) {
        files["simulator/exports/" + race.name + ".html"] = testing::raceExport(raceRows(race));
    }
    for (const SampleNight& night : league.laterNights) {
        for (const SamplePractice& practice : night.practices) {
            files["simulator/exports/" + practice.name + ".html"] = practiceExportBytes(practice);
        }
        for (const SampleRace& race : night.gridRaces) {
            files["simulator/exports/" + race.name + ".html"] = testing::raceExport(raceRows(race));
        }
    }
    files["cup2026.toml"] = sampleSeasonFile();
    return files;
}

std::string sampleSeasonFile() {
    return "# The sample league's season, for League: League cup2026\n"
           "title = \"Kestrel Bay Cup 2026\"\n"
           "pole_points = 1\n"
           "drop_worst = 1\n"
           "\n"
           "[riders]\n"
           "\"M. Oranen\" = \"Mika Oranen\"\n"
           "\n"
           "[teams]\n"
           "\"Vexa Racing\" = [\"Tomas Verhal\", \"Pim van Daalen\", \"Ruben Castel\"]\n"
           "\"Kiruna Works\" = [\"Leon Varnet\", \"Mika Oranen\", \"Emil Hrasko\"]\n"
           "\n"
           "[classes]\n"
           "\"Pro\" = [\"Tomas Verhal\", \"Iska Brandt\", \"Ottavio Ruscelli\", \"Leon Varnet\", \"Sanna Kettu\",\n"
           "         \"Pim van Daalen\", \"Mika Oranen\", \"Jory Hallam\", \"Conor Blythe\"]\n"
           "\"Am\" = [\"Dario Fenelli\", \"Aksel Norrby\", \"Ruben Castel\", \"Felix Amberg\", \"Yannick Doriot\",\n"
           "        \"Emil Hrasko\", \"Nico Strada\", \"Hugo Lindqvist\", \"Bram Okkerse\", \"Marek Zelny\",\n"
           "        \"Teo Valcourt\", \"Lio Sartori\", \"Kai Brennecke\", \"Oren Tallis\", \"Sven Rautio\",\n"
           "        \"Quint Albers\"]\n"
           "\n"
           "[[round]]\n"
           "name = \"Kestrel Bay\"\n"
           "date = 2026-03-14\n"
           "qualifying = [\"practice_g1\", \"practice_g2\", \"practice_g3\"]\n"
           "grid_size = 10\n"
           "analyse = [\"cup_race\"]\n"
           "split = [\"cup_race #68 lap 7\"]\n"
           "\n"
           "[[round.race]]\n"
           "name = \"Grid races\"\n"
           "exports = [\"race_g1\", \"race_g2\", \"race_g3\"]\n"
           "\n"
           "[[round.race]]\n"
           "name = \"Cup race\"\n"
           "exports = [\"cup_race\"]\n"
           "points = [25, 20, 16, 13, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1]\n"
           "\n"
           "[[round.penalty]]\n"
           "rider = \"Sanna Kettu\"\n"
           "race = \"cup_race\"\n"
           "seconds = 5\n"
           "reason = \"Causing a collision at the hairpin\"\n"
           "\n"
           "[[round]]\n"
           "name = \"Harbour Loop\"\n"
           "date = 2026-03-28\n"
           "races = [\"harbour_race_g1\", \"harbour_race_g2\", \"harbour_race_g3\"]\n"
           "qualifying = [\"harbour_practice_g1\", \"harbour_practice_g2\", \"harbour_practice_g3\"]\n"
           "\n"
           "[[round.penalty]]\n"
           "rider = \"Emil Hrasko\"\n"
           "race = \"harbour_race_g2\"\n"
           "disqualified = true\n"
           "reason = \"Bike below the minimum weight\"\n"
           "\n"
           "[[round.penalty]]\n"
           "team = \"Kiruna Works\"\n"
           "points = -5\n"
           "reason = \"The team's bike below the minimum weight\"\n"
           "\n"
           "[[round]]\n"
           "name = \"Saltmarsh Ring\"\n"
           "date = 2026-04-11\n"
           "races = [\"saltmarsh_race_g1\", \"saltmarsh_race_g2\", \"saltmarsh_race_g3\"]\n"
           "qualifying = [\"saltmarsh_practice_g1\", \"saltmarsh_practice_g2\", \"saltmarsh_practice_g3\"]\n"
           "\n"
           "[[round.penalty]]\n"
           "rider = \"Ruben Castel\"\n"
           "race = \"saltmarsh_race_g2\"\n"
           "seconds = 3\n"
           "reason = \"Gaining an advantage by cutting the chicane\"\n"
           "\n"
           "[[round.penalty]]\n"
           "rider = \"Aksel Norrby\"\n"
           "race = \"saltmarsh_race_g2\"\n"
           "points = -3\n"
           "reason = \"Ignoring blue flags\"\n"
           "\n"
           "[[round]]\n"
           "name = \"Ridgeback Hill\"\n"
           "date = 2026-04-25\n"
           "\n"
           "[[round.race]]\n"
           "name = \"Sprint\"\n"
           "points = [12, 9, 7, 6, 5, 4, 3, 2, 1]\n"
           "\n"
           "[[round.race]]\n"
           "name = \"Feature race\"\n";
}

void writeSampleLeague(const std::filesystem::path& folder) {
    for (const auto& [name, bytes] : sampleLeagueFiles(buildSampleLeague())) {
        writeFile(folder / std::filesystem::path(name), bytes);
    }
}

}  // namespace league::examples
