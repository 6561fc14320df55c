#include "league/write/season_json.hpp"

#include "league/write/race_texts.hpp"
#include "league/write/text_tables.hpp"
#include "league/write/standings_texts.hpp"
#include "league/write/file_names.hpp"

#include "common/time_text.hpp"

#include <nlohmann/json.hpp>

namespace league::season {

namespace {

using Json = nlohmann::ordered_json;

Json optionalText(const std::optional<std::string>& text) {
    return text ? Json(*text) : Json(nullptr);
}

Json timeValue(std::int32_t ms) {
    return ms > 0 && ms < kNoTime ? Json(ms) : Json(nullptr);
}

Json entryJson(const ClassifiedEntry& entry, bool withClasses) {
    Json json{
        {"place", entry.place ? Json(*entry.place) : Json(nullptr)},
        {"number", entry.startNumber},
        {"rider", entry.rider},
        {"bike", entry.bike},
        {"race", entry.exportName},
        {"grid", entry.grid},
        {"laps", entry.laps},
        {"time_ms", timeValue(entry.raceTime)},
        {"finished", entry.finished},
        {"full_distance_time_ms", entry.finished && entry.place ? timeValue(entry.rankTime) : Json(nullptr)},
        {"gap_ms", entry.finished && entry.place ? Json(entry.gapToFirst) : Json(nullptr)},
        {"points", entry.counts ? entry.points : 0},
        {"time_penalty_seconds", entry.timePenaltySeconds},
        {"disqualified", entry.disqualified},
        {"penalty_reason", entry.penaltyReason},
        {"counts", entry.counts},
    };
    if (withClasses) {
        json["class"] = entry.riderClass.empty() ? Json(nullptr) : Json(entry.riderClass);
        json["class_place"] = entry.classPlace ? Json(*entry.classPlace) : Json(nullptr);
        json["class_points"] = entry.classPoints;
    }
    return json;
}

Json optionalNumber(const std::optional<std::int32_t>& number) {
    return number ? Json(*number) : Json(nullptr);
}

Json qualifyingJson(const HeldRound& round, const QualifyingGrids& grids) {
    Json entries = Json::array();
    for (const QualifyingRow& row : grids.rows) {
        entries.push_back(Json{{"position", optionalNumber(row.position)},
                               {"number", row.startNumber},
                               {"rider", row.rider},
                               {"bike", row.bike},
                               {"best_lap_ms", row.position ? timeValue(row.bestLap) : Json(nullptr)},
                               {"gap_ms", optionalNumber(row.gapToFirst)},
                               {"gap_to_previous_ms", optionalNumber(row.gapToPrevious)},
                               {"lap", row.lapText},
                               {"speed_kmh", row.speedKmh},
                               {"session", row.session},
                               {"grid", optionalNumber(row.grid)}});
    }
    return Json{{"page", roundFolder(round.number) + "qualifying.html"},
                {"grid_size", optionalNumber(grids.gridSize)},
                {"grids", grids.gridPlaces},
                {"entries", std::move(entries)},
                {"rows_left_out", grids.rowsLeftOut}};
}

const char* raceEndText(RaceEnd::Kind kind) {
    switch (kind) {
    case RaceEnd::Kind::Lapped:
        return "lapped";
    case RaceEnd::Kind::Retired:
        return "retired";
    case RaceEnd::Kind::Finished:
        break;
    }
    return "finished";
}

// An analysed race: the laps Quorrin asks about with their answers, and the final
// result after the stewards when the race was analysed (else why it was left out): a
// time with the stewards' seconds, no position for the disqualified.
Json analysisJson(const AnalysedRace& race, const std::string& page) {
    const quorrin::RaceRecord& record = race.replayed.record;
    Json asked = Json::array();
    for (const AskedLap& lap : race.replayed.askedLaps) {
        asked.push_back(Json{{"number", lap.startNumber},
                             {"rider", lap.rider},
                             {"lap", lap.lap},
                             {"lap_ms", lap.lapTime},
                             {"best_lap_ms", timeValue(lap.bestLap)},
                             {"split", lap.split},
                             {"split_entry", lap.splitEntry}});
    }
    Json result = Json::array();
    if (race.analysis) {
        for (const quorrin::FinalResultRow& row : race.finalResult) {
            if (row.slot == quorrin::kNoSlot) {
                continue;
            }
            const auto slot = static_cast<std::size_t>(row.slot);
            const StewardsDecisions& stewards = race.stewards[slot];
            result.push_back(Json{{"position", stewards.disqualified ? Json(nullptr) : Json(result.size() + 1)},
                                  {"number", record.startNumber[slot]},
                                  {"rider", record.driverName[slot]},
                                  {"bike", record.bikeName[slot]},
                                  {"laps", row.laps},
                                  {"time_ms", timeValue(row.raceTime)},
                                  {"gap_ms", optionalNumber(row.gapToWinner)},
                                  {"end", raceEndText(race.raceEnd[slot].kind)},
                                  {"time_penalty_ms", record.penalty[slot]},
                                  {"stewards_penalty_seconds", stewards.seconds},
                                  {"disqualified", stewards.disqualified},
                                  {"best_lap_ms", timeValue(record.lapTime[slot][0])}});
        }
    }
    return Json{{"race", race.replayed.name},
                {"track", record.trackName},
                {"page", race.analysis ? Json(page) : Json(nullptr)},
                {"left_out", race.leftOut ? Json(leftOutText(*race.leftOut)) : Json(nullptr)},
                {"asked_laps", std::move(asked)},
                {"result", std::move(result)}};
}

// Each scored race of a round: its name, exports, the points table it gave, the laps
// of its grids, and its classification.
Json racesJson(const SeasonResult& result, const HeldRound& round) {
    Json races = Json::array();
    for (const ClassifiedRace& race : round.classification.races) {
        Json classification = Json::array();
        for (const ClassifiedEntry& entry : race.entries) {
            classification.push_back(entryJson(entry, !result.classes.empty()));
        }
        races.push_back(Json{{"name", race.name},
                             {"exports", race.exports},
                             {"points", race.points},
                             {"grid_laps", race.gridLaps},
                             {"common_laps", race.commonLaps},
                             {"classification", std::move(classification)}});
    }
    return races;
}

// Adds a held round's races, pole and penalties to its calendar entry.
void addHeldRound(Json& json, const SeasonResult& result, const HeldRound& round) {
    Json pole = nullptr;
    if (const auto& best = round.classification.pole) {
        pole = Json{{"rider", best->rider},       {"number", best->startNumber}, {"bike", best->bike},
                    {"best_lap_ms", timeValue(best->bestLap)}, {"session", best->session},
                    {"points", result.polePoints}};
    }
    Json penalties = Json::array();
    for (const PenaltyNote& penalty : round.penalties) {
        penalties.push_back(Json{{"rider", penalty.team.empty() ? Json(penalty.rider) : Json(nullptr)},
                                 {"team", penalty.team.empty() ? Json(nullptr) : Json(penalty.team)},
                                 {"race", penalty.race.empty() ? Json(nullptr) : Json(penalty.race)},
                                 {"penalty", penaltyText(penalty)},
                                 {"reason", penalty.reason}});
    }
    json["races"] = racesJson(result, round);
    json["pole"] = std::move(pole);
    json["penalties"] = std::move(penalties);
    json["round_index"] = roundFolder(round.number) + "index.html";
    json["qualifying_grids"] = round.qualifyingGrids ? qualifyingJson(round, *round.qualifyingGrids) : Json(nullptr);
    Json analyses = Json::array();
    const std::vector<std::string> stems = analysisPageStems(round);
    for (std::size_t a = 0; a < round.analyses.size(); ++a) {
        analyses.push_back(analysisJson(round.analyses[a], roundFolder(round.number) + stems[a] + ".html"));
    }
    json["analyses"] = std::move(analyses);
}

// The rows of a standings table: the overall standings, or a class's.
Json standingsJson(const SeasonResult& result, const RiderStandings& riders) {
    Json rows = Json::array();
    const Standings& standings = riders.final();
    for (const StandingsRow& row : standings.rows) {
        const RiderSeason& rider = riders.riders[row.rider];
        Json rounds = Json::array();
        for (std::size_t h = 0; h < standings.heldRounds; ++h) {
            const RiderRound& part = rider.rounds[h];
            Json races = Json::array();
            for (const RiderRace& race : part.races) {
                races.push_back(Json{{"race", result.rounds[h].classification.races[race.race].name},
                                     {"place", race.place ? Json(*race.place) : Json(nullptr)},
                                     {"points", race.points}});
            }
            rounds.push_back(Json{{"round", h + 1},
                                  {"place", part.place ? Json(*part.place) : Json(nullptr)},
                                  {"points", part.score()},
                                  {"dropped", static_cast<bool>(row.dropped[h])},
                                  {"rode", part.rode},
                                  {"disqualified", part.disqualified},
                                  {"pole", part.pole},
                                  {"races", std::move(races)}});
        }
        rows.push_back(Json{{"position", row.position},
                            {"shared", row.shared},
                            {"change", changeText(row)},
                            {"number", rider.startNumber},
                            {"rider", rider.name},
                            {"bike", rider.bike},
                            {"rounds", rounds},
                            {"penalty_points", row.penaltyPoints},
                            {"total", row.total},
                            {"gap", row.gapToLeader}});
    }
    return rows;
}

// Who can still win, in the order of the standings; the champion by name and the
// calendar number of the round that decided it, null while undecided.
Json titleFightJson(const TitleFight& fight) {
    Json riders = Json::array();
    for (const TitleFightRider& rider : fight.riders) {
        riders.push_back(Json{{"rider", rider.name},
                              {"total", rider.total},
                              {"max_total", rider.maxTotal},
                              {"min_total", rider.minTotal},
                              {"can_win", rider.canWin},
                              {"in_own_hands", rider.inOwnHands}});
    }
    return Json{{"rounds_to_come", fight.roundsToCome},
                {"points_available", fight.pointsAvailable},
                {"champion", fight.champion ? Json(championName(fight)) : Json(nullptr)},
                {"decided_after_round", fight.decidedAfterRound ? Json(*fight.decidedAfterRound) : Json(nullptr)},
                {"riders", std::move(riders)}};
}

// Each class: its name, the riders it lists and its standings, with class places.
Json classesJson(const SeasonResult& result) {
    Json classes = Json::array();
    for (const ClassStandings& riderClass : result.classes) {
        classes.push_back(Json{{"name", riderClass.name},
                               {"riders", riderClass.members},
                               {"standings", standingsJson(result, standingsOf(riderClass))},
                               {"footnotes", tieFootnotes(riderClass.standings().ties)},
                               {"title_fight", titleFightJson(riderClass.titleFight)}});
    }
    return classes;
}

Json teamsJson(const SeasonResult& result) {
    Json teams = Json::array();
    for (const TeamRow& team : result.teams) {
        Json rounds = Json::array();
        for (std::size_t h = 0; h < team.roundScores.size(); ++h) {
            rounds.push_back(Json{{"round", h + 1}, {"points", team.roundScores[h]}});
        }
        teams.push_back(Json{{"position", team.position},
                             {"shared", team.shared},
                             {"team", team.name},
                             {"riders", team.riders},
                             {"rounds", rounds},
                             {"penalty_points", team.penaltyPoints},
                             {"total", team.total},
                             {"gap", team.gapToLeader}});
    }
    return teams;
}


}  // namespace

std::string seasonJson(const SeasonResult& result, const std::vector<std::string>& warnings) {
    Json rounds = Json::array();
    for (std::size_t r = 0; r < result.calendar.size(); ++r) {
        const CalendarRound& calendar = result.calendar[r];
        Json round{{"number", r + 1},
                   {"name", calendar.name},
                   {"date", optionalText(calendar.date)},
                   {"held", calendar.heldNumber.has_value()},
                   {"keep", calendar.keep}};
        if (!calendar.heldNumber) {
            Json races = Json::array();
            for (const auto& [name, points] : calendar.racesToCome) {
                races.push_back(Json{{"name", name}, {"points", points}});
            }
            round["races_to_come"] = std::move(races);
        }
        if (calendar.heldNumber) {
            const HeldRound& held = result.rounds[*calendar.heldNumber - 1];
            round["held_number"] = held.number;
            round["page"] = roundFileStem(held.number) + ".html";
            round["qualifying"] = held.qualifying;
            addHeldRound(round, result, held);
        }
        rounds.push_back(std::move(round));
    }
    Json season{
        {"format", kSeasonJsonFormat},
        {"format_version", kSeasonJsonFormatVersion},
        {"generator", std::string("League ") + LEAGUE_TOOLS_VERSION},
        {"title", result.title},
        {"points", result.points},
        {"pole_points", result.polePoints},
        {"drop_worst", result.dropWorst},
        {"rounds", rounds},
        {"standings", standingsJson(result, overallStandings(result))},
        {"footnotes", tieFootnotes(result.standings().ties)},
        {"title_fight", titleFightJson(result.titleFight)},
        {"teams", teamsJson(result)},
        {"team_footnotes", tieFootnotes(result.teamTies)},
        {"warnings", warnings},
    };
    if (!result.classes.empty()) {
        season["overall_standings"] = result.overallStandings;
        season["classes"] = classesJson(result);
    }
    // Every text is UTF-8 already; a byte that is not would be replaced, not thrown about.
    return season.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace league::season
