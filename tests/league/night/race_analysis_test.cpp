// The stewards in League's race analysis: the season file's time penalties and
// disqualifications of the analysed race change its final result as the round's pages
// change a classification. Each row one situation of a race of five riders.

#include "league/night/race_analysis.hpp"
#include "league/read/race_night.hpp"

#include "support/export_builder.hpp"
#include "support/replay_builder.hpp"

#include "common/memory_disk.hpp"

#include <gtest/gtest.h>

namespace league::testing {
namespace {

using season::Penalty;

// "night": #1, #2 and #3 finish six laps; #4 and #5 are lapped, five laps each.
FileMap nightFiles() {
    ReplayBuilder replay;
    std::vector<RaceRow> rows;
    const std::vector<std::pair<std::int32_t, std::int32_t>> lapsAndPace = {
        {6, 100000}, {6, 100300}, {6, 100500}, {5, 120200}, {5, 120700}};
    const char* names[] = {"Rider One", "Rider Two", "Rider Three", "Rider Four", "Rider Five"};
    replay.raceStart();
    for (int slot = 0; slot < 5; ++slot) {
        const auto [laps, pace] = lapsAndPace[static_cast<std::size_t>(slot)];
        replay.driver(slot, slot + 1, names[slot], "Bike").laps(slot, std::vector<std::int32_t>(laps, pace));
        rows.push_back(raceRow(slot + 1, names[slot], "Bike", laps, laps * pace + 3));
    }
    return {{"sim/replays/night.rpy", replay.bytes()}, {"sim/exports/night.html", raceExport(rows)}};
}

season::AnalysedRace analysing(const std::vector<Penalty>& penalties) {
    MemoryDisk disk(nightFiles());
    season::SeasonFile file;
    season::Round round;
    round.name = "R1";
    round.races = {season::ScoredRace{"Race", {"night"}, {}, 1}};
    round.analyse = {season::RaceToAnalyse{"night", 1}};
    file.rounds.push_back(round);
    auto nights = season::readRaceNights(disk, file, "sim\\", "");
    EXPECT_TRUE(nights.ok());
    const season::RiderNames names(std::vector<std::pair<std::string, std::string>>{{"R. Four", "Rider Four"}});
    return season::analyseReplayedRace(std::move(nights->rounds.at(0).replays.at(0)), names, penalties);
}

Penalty penalty(Penalty::Kind kind, const std::string& rider, std::int32_t amount = 0) {
    Penalty decision;
    decision.kind = kind;
    decision.rider = rider;
    decision.race = "night";
    (kind == Penalty::Kind::Points ? decision.points : decision.seconds) = amount;
    return decision;
}

// The final result as lines: place ("DSQ"), start number, laps, time, and the gaps to
// the winner and to the rider above where there are any.
std::vector<std::string> resultLines(const season::AnalysedRace& race) {
    std::vector<std::string> lines;
    for (std::size_t place = 0; place < race.finalResult.size(); ++place) {
        const quorrin::FinalResultRow& row = race.finalResult[place];
        if (row.slot == quorrin::kNoSlot) {
            continue;
        }
        const bool out = race.stewards[quorrin::toIndex(row.slot)].disqualified;
        std::string line = (out ? "DSQ" : std::to_string(place + 1)) + " #" +
                           std::to_string(race.replayed.record.startNumber[quorrin::toIndex(row.slot)]) + " " +
                           std::to_string(row.laps) + " laps " + std::to_string(row.raceTime);
        line += row.gapToWinner ? " gap " + std::to_string(*row.gapToWinner) : "";
        line += row.gapToPrevious ? " interval " + std::to_string(*row.gapToPrevious) : "";
        lines.push_back(line);
    }
    return lines;
}

TEST(RaceAnalysisStewards, TimePenaltiesReRankByLapsThenTimeAndTheDisqualifiedGoLast) {
    constexpr auto kTime = Penalty::Kind::Time;
    const struct {
        const char* situation;
        std::vector<Penalty> penalties;
        std::vector<std::string> result;
    } cases[] = {
        {"points off after the round change nothing",
         {penalty(Penalty::Kind::Points, "Rider One", -3)},
         {"1 #1 6 laps 600003", "2 #2 6 laps 601803 gap 1800 interval 1800",
          "3 #3 6 laps 603003 gap 3000 interval 1200", "4 #4 5 laps 601003", "5 #5 5 laps 603503 interval 2500"}},
        {"the winner's 2 s put him behind #2",
         {penalty(kTime, "Rider One", 2)},
         {"1 #2 6 laps 601803", "2 #1 6 laps 602003 gap 200 interval 200",
          "3 #3 6 laps 603003 gap 1200 interval 1000", "4 #4 5 laps 601003", "5 #5 5 laps 603503 interval 2500"}},
        {"#2 disqualified, named in other letter case",
         {penalty(Penalty::Kind::Disqualified, "rider two")},
         {"1 #1 6 laps 600003", "2 #3 6 laps 603003 gap 3000 interval 3000", "3 #4 5 laps 601003",
          "4 #5 5 laps 603503 interval 2500", "DSQ #2 6 laps 601803"}},
        {"a minute keeps #3 ahead of the lapped; 3 s put lapped #4 ([riders] name) behind #5",
         {penalty(kTime, "Rider Three", 60), penalty(kTime, "r. four", 3)},
         {"1 #1 6 laps 600003", "2 #2 6 laps 601803 gap 1800 interval 1800",
          "3 #3 6 laps 663003 gap 63000 interval 61200", "4 #5 5 laps 603503", "5 #4 5 laps 604003 interval 500"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resultLines(analysing(c.penalties)), c.result) << c.situation;
    }
}

}  // namespace
}  // namespace league::testing
