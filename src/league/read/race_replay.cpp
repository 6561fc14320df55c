#include "league/read/race_replay.hpp"

#include "league/read/name_text.hpp"
#include "league/read/simulator_folder.hpp"

#include "quorrin/record/lap_table.hpp"
#include "quorrin/record/missing_lap_repair.hpp"
#include "quorrin/record/replay_reader.hpp"

#include "common/time_text.hpp"

#include <algorithm>

namespace league::season {

namespace {

using quorrin::LapQuestion;
using quorrin::RaceRecord;
using quorrin::toIndex;

std::string splitEntryOf(const std::string& raceName, std::int32_t startNumber, std::int32_t lap) {
    return raceName + " #" + std::to_string(startNumber) + " lap " + std::to_string(lap);
}

// The answer of the season file to one question: "y" when a split names the lap.
// Remembers the question and the answer.
bool answerFromSplits(const RaceRecord& record, const LapQuestion& question, const std::string& raceName,
                      const std::vector<const LapSplit*>& splits, std::vector<AskedLap>& asked) {
    const std::int32_t startNumber = record.startNumber[toIndex(question.slot)];
    const bool split = std::any_of(splits.begin(), splits.end(), [&](const LapSplit* entry) {
        return entry->startNumber == startNumber && entry->lap == question.lap;
    });
    asked.push_back(AskedLap{startNumber, record.driverName[toIndex(question.slot)], question.lap,
                             record.lapTime[toIndex(question.slot)][toIndex(question.lap)], record.lapTime[toIndex(question.slot)][0],
                             question.lastLapCaution, split, splitEntryOf(raceName, startNumber, question.lap)});
    return split;
}

// Why Quorrin does not ask about the lap of a split, or nothing when it does.
std::string whyNotAsked(const RaceRecord& record, const LapSplit& split, bool firstLapsAsked) {
    const std::int32_t slot = quorrin::slotOfStartNumber(record, split.startNumber);
    if (slot == quorrin::kNoSlot) {
        return "there is no rider #" + std::to_string(split.startNumber) + " in " + split.race;
    }
    const std::string rider = "#" + std::to_string(split.startNumber) + " " + record.driverName[toIndex(slot)];
    const std::int32_t laps = record.lapsDone[toIndex(slot)];
    if (split.lap > laps) {
        return rider + " has " + std::to_string(laps) + (laps == 1 ? " lap" : " laps") + " in " + split.race;
    }
    if (split.lap == 1 && !firstLapsAsked) {
        return {};
    }
    const std::int32_t best = record.lapTime[toIndex(slot)][0];
    if (laps >= quorrin::kMaxLap) {
        return rider + " has " + std::to_string(laps) + " laps, the most a race holds: no lap of theirs can be split";
    }
    const std::string threshold =
        split.lap == 1 ? "twice the best lap " + formatLapTime(best) : "1.85 times the best lap " + formatLapTime(best);
    return "lap " + std::to_string(split.lap) + " of " + rider + " (" +
           formatLapTime(record.lapTime[toIndex(slot)][toIndex(split.lap)]) +
           ") is not slow enough for Quorrin to ask about it: it asks about laps of more than " + threshold;
}

}  // namespace

std::string replayPath(const std::string& simulatorFolder, const std::string& raceName) {
    return simulatorFolder + "replays\\" + raceName + ".rpy";
}

ReplayedRaceOutcome replayRace(Disk& disk, const std::string& simulatorFolder, const Round& round,
                               std::size_t roundNumber, const RaceToAnalyse& race, const std::string& seasonFileName) {
    const std::string where = seasonFileName + ", line " + std::to_string(race.line) + ": ";
    const std::string ofRace = " of the race \"" + race.name + "\" to analyse (round " + std::to_string(roundNumber) +
                               ", " + round.name + ")";
    const std::string path = replayPath(simulatorFolder, race.name);
    const auto file = disk.openFile(path);
    if (!file) {
        return {std::nullopt, where + "can't find the replay " + path + ofRace};
    }
    ReplayedRace replayed;
    replayed.name = race.name;
    RaceRecord& record = replayed.record;
    if (!quorrin::readReplay(*file, record)) {
        return {std::nullopt, where + "the lap table of the replay " + path + " is damaged" + ofRace};
    }
    record.trackName = nameText(record.trackName);
    for (std::size_t slot = 0; slot < record.driverName.size(); ++slot) {
        record.driverName[slot] = nameText(record.driverName[slot]);
        record.bikeName[slot] = nameText(record.bikeName[slot]);
    }
    std::vector<const LapSplit*> splits;
    for (const LapSplit& split : round.splits) {
        if (split.race == race.name) {
            splits.push_back(&split);
        }
    }

    quorrin::buildLapTable(record);
    const auto answer = [&](const LapQuestion& question) {
        return answerFromSplits(record, question, race.name, splits, replayed.askedLaps);
    };
    quorrin::repairSlowLaps(record, answer);
    const std::string exportFile = exportPath(simulatorFolder, race.name);
    auto exportBytes = disk.readFile(exportFile);
    if (!exportBytes) {
        return {std::nullopt, where + "can't find the export " + exportFile + ofRace};
    }
    const quorrin::JoinedExport joined = quorrin::joinExport(std::move(exportBytes), record);
    replayed.exportJoin = joined.outcome;
    replayed.lapCountMismatch = joined.lapCountMismatch;
    const bool firstLapsAsked = joined.outcome == quorrin::ExportJoin::Joined;
    if (firstLapsAsked) {
        quorrin::repairFirstLaps(record, answer);
    }

    // Every split must have been one of the questions.
    for (const LapSplit* split : splits) {
        const bool asked = std::any_of(replayed.askedLaps.begin(), replayed.askedLaps.end(), [&](const AskedLap& lap) {
            return lap.startNumber == split->startNumber && lap.lap == split->lap;
        });
        if (asked) {
            continue;
        }
        const std::string reason = whyNotAsked(record, *split, firstLapsAsked);
        if (!reason.empty()) {
            return {std::nullopt, seasonFileName + ", line " + std::to_string(split->line) + ": the split \"" +
                                      split->text + "\": " + reason};
        }
    }
    return {std::move(replayed), {}};
}

}  // namespace league::season
