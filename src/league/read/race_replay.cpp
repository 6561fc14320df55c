#include "league/read/race_replay.hpp"

#include "league/read/name_text.hpp"
#include "league/read/simulator_folder.hpp"

#include "quorrin/record/lap_table.hpp"
#include "quorrin/record/missing_lap_repair.hpp"
#include "quorrin/record/replay_reader.hpp"

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
std::optional<SeasonMistake> whyNotAsked(const RaceRecord& record, const LapSplit& split, bool firstLapsAsked) {
    SeasonMistake mistake{.kind = SeasonMistake::Kind::SplitRiderMissing,
                          .line = split.line,
                          .text = split.text,
                          .race = split.race,
                          .number = split.startNumber,
                          .lap = split.lap};
    const std::int32_t slot = quorrin::slotOfStartNumber(record, split.startNumber);
    if (slot == quorrin::kNoSlot) {
        return mistake;
    }
    mistake.rider = record.driverName[toIndex(slot)];
    mistake.laps = record.lapsDone[toIndex(slot)];
    mistake.lapTime = quorrin::lapColumn(record.lapTime[toIndex(slot)], split.lap);
    mistake.bestLap = record.lapTime[toIndex(slot)][0];
    if (split.lap > mistake.laps) {
        mistake.kind = SeasonMistake::Kind::SplitLapBeyondLaps;
        return mistake;
    }
    if (split.lap == 1 && !firstLapsAsked) {
        return std::nullopt;
    }
    mistake.kind = mistake.laps >= quorrin::kMaxLap ? SeasonMistake::Kind::SplitRiderHasMostLaps
                                                    : SeasonMistake::Kind::SplitLapNotSlow;
    return mistake;
}

// The names and the track of the replay as text (nameText).
void decodeNames(RaceRecord& record) {
    record.trackName = nameText(record.trackName);
    for (std::size_t slot = 0; slot < record.driverName.size(); ++slot) {
        record.driverName[slot] = nameText(record.driverName[slot]);
        record.bikeName[slot] = nameText(record.bikeName[slot]);
    }
}

// Every split must have been one of the questions: the first that was not, and why.
std::optional<SeasonMistake> splitNotAsked(const ReplayedRace& replayed, const std::vector<const LapSplit*>& splits,
                                           bool firstLapsAsked) {
    for (const LapSplit* split : splits) {
        const bool asked = std::any_of(replayed.askedLaps.begin(), replayed.askedLaps.end(), [&](const AskedLap& lap) {
            return lap.startNumber == split->startNumber && lap.lap == split->lap;
        });
        if (!asked) {
            if (auto reason = whyNotAsked(replayed.record, *split, firstLapsAsked)) {
                return reason;
            }
        }
    }
    return std::nullopt;
}

// A mistake of the race to analyse, at its line of the season file.
SeasonMistake raceMistake(SeasonMistake::Kind kind, const RaceToAnalyse& race, const std::string& path,
                          RoundName round) {
    return SeasonMistake{.kind = kind, .line = race.line, .path = path, .race = race.name, .round = std::move(round)};
}

}  // namespace

std::string replayPath(const std::string& simulatorFolder, const std::string& raceName) {
    return simulatorFolder + "replays\\" + raceName + ".rpy";
}

Result<ReplayedRace, SeasonMistake> replayRace(Disk& disk, const std::string& simulatorFolder, const Round& round,
                                               std::size_t roundNumber, const RaceToAnalyse& race) {
    const RoundName roundName{roundNumber, round.name};
    const std::string path = replayPath(simulatorFolder, race.name);
    const auto file = disk.openFile(path);
    if (!file) {
        return Failure{raceMistake(SeasonMistake::Kind::ReplayMissing, race, path, roundName)};
    }
    ReplayedRace replayed;
    replayed.name = race.name;
    RaceRecord& record = replayed.record;
    if (!quorrin::readReplay(*file, record)) {
        return Failure{raceMistake(SeasonMistake::Kind::ReplayDamaged, race, path, roundName)};
    }
    decodeNames(record);
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
        return Failure{raceMistake(SeasonMistake::Kind::AnalysedExportMissing, race, exportFile, roundName)};
    }
    const quorrin::JoinedExport joined = quorrin::joinExport(std::move(exportBytes), record);
    replayed.exportJoin = joined.outcome;
    replayed.lapCountMismatch = joined.lapCountMismatch;
    const bool firstLapsAsked = joined.outcome == quorrin::ExportJoin::Joined;
    if (firstLapsAsked) {
        quorrin::repairFirstLaps(record, answer);
    }
    if (auto unasked = splitNotAsked(replayed, splits, firstLapsAsked)) {
        return Failure{std::move(*unasked)};
    }
    return replayed;
}

}  // namespace league::season
