#include "quorrin/record/missing_lap_repair.hpp"

#include <cstddef>

namespace league::quorrin {

namespace {

// The last lap of a driver who got far in the race may already hold the finish.
bool isLateLastLap(const RaceRecord& race, int slot, int lap) {
    const std::int32_t lapsDone = race.lapsDone[toIndex(slot)];
    const std::int32_t winnerLaps = race.winnerSlot == kNoSlot ? 0 : race.lapsDone[toIndex(race.winnerSlot)];
    return lap == lapsDone && lapsDone > 3 * winnerLaps / 4;
}

bool hasRoomForOneMoreLap(const RaceRecord& race, int slot) {
    return race.lapsDone[toIndex(slot)] < kMaxLap;
}

}  // namespace

std::int64_t slowLapThreshold(std::int32_t bestLap) {
    // The best lap never exceeds the no-time value 10000000, so for every real replay
    // the product fits 32 bits as it always has; 64 bits keep a negative lap time from
    // a damaged replay from overflowing.
    return std::int64_t{bestLap} * 185 / 100;
}

void splitLap(RaceRecord& race, int slot, int lap) {
    if (slot < 0 || slot >= kSlotCount) {
        return;
    }
    LapColumns& laps = race.lapTime[toIndex(slot)];
    std::int32_t& lapsDone = race.lapsDone[toIndex(slot)];
    if (lap < 1 || lap > lapsDone || lapsDone >= kMaxLap) {
        return;
    }
    const std::int32_t time = laps[toIndex(lap)];
    for (int moved = lapsDone; moved > lap; --moved) {
        laps[toIndex(moved + 1)] = laps[toIndex(moved)];
    }
    laps[toIndex(lap)] = time / 2;
    laps[toIndex(lap + 1)] = time / 2 + time % 2;
    ++lapsDone;
}

void splitFirstLap(RaceRecord& race, int slot) {
    if (slot < 0 || slot >= kSlotCount) {
        return;
    }
    LapColumns& laps = race.lapTime[toIndex(slot)];
    LapColumns& elapsed = race.raceTimeAtLap[toIndex(slot)];
    std::int32_t& lapsDone = race.lapsDone[toIndex(slot)];
    if (lapsDone < 1 || lapsDone >= kMaxLap) {
        return;
    }
    const std::int32_t time = laps[1];
    const std::int32_t firstLapEnd = elapsed[1];
    ++lapsDone;
    laps[1] = time / 2;
    elapsed[1] = firstLapEnd / 2;
    for (int moved = lapsDone - 1; moved >= 2; --moved) {
        laps[toIndex(moved + 1)] = laps[toIndex(moved)];
        elapsed[toIndex(moved + 1)] = elapsed[toIndex(moved)];
    }
    laps[2] = time / 2 + time % 2;
    elapsed[2] = firstLapEnd;
    race.firstLapSplit[toIndex(slot)] = true;
}

std::optional<LapQuestion> nextSlowLapQuestion(const RaceRecord& race, const std::optional<LapQuestion>& previous) {
    for (int slot = previous ? previous->slot : 0; slot < kSlotCount; ++slot) {
        if (race.lapsDone[toIndex(slot)] < 2 || race.startNumber[toIndex(slot)] <= 0) {
            continue;
        }
        // Downwards from the last lap, so that a split never moves a lap that is still
        // to be looked at; the slot asked about last goes on below that lap.
        const bool resumed = previous && previous->slot == slot;
        const std::int64_t threshold = slowLapThreshold(race.lapTime[toIndex(slot)][0]);
        for (int lap = resumed ? previous->lap - 1 : race.lapsDone[toIndex(slot)]; lap >= 2; --lap) {
            if (race.lapTime[toIndex(slot)][toIndex(lap)] > threshold && hasRoomForOneMoreLap(race, slot)) {
                return LapQuestion{slot, lap, isLateLastLap(race, slot, lap)};
            }
        }
    }
    return std::nullopt;
}

std::optional<LapQuestion> nextFirstLapQuestion(const RaceRecord& race, const std::optional<LapQuestion>& previous) {
    for (int slot = previous ? previous->slot + 1 : 0; slot < kSlotCount; ++slot) {
        const LapColumns& laps = race.lapTime[toIndex(slot)];
        if (race.lapsDone[toIndex(slot)] >= 1 && race.startNumber[toIndex(slot)] > 0 &&
            std::int64_t{laps[1]} > 2 * std::int64_t{laps[0]} && hasRoomForOneMoreLap(race, slot)) {
            return LapQuestion{slot, 1, false};
        }
    }
    return std::nullopt;
}

void repairSlowLaps(RaceRecord& race, const LapAnswer& answer) {
    for (auto question = nextSlowLapQuestion(race, std::nullopt); question;
         question = nextSlowLapQuestion(race, question)) {
        if (answer(*question)) {
            splitLap(race, question->slot, question->lap);
        }
    }
}

void repairFirstLaps(RaceRecord& race, const LapAnswer& answer) {
    for (auto question = nextFirstLapQuestion(race, std::nullopt); question;
         question = nextFirstLapQuestion(race, question)) {
        if (answer(*question)) {
            splitFirstLap(race, question->slot);
        }
    }
}

}  // namespace league::quorrin
