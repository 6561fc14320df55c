#include "league/write/text_tables.hpp"

#include "league/write/standings_texts.hpp"
#include "league/write/file_names.hpp"
#include "league/write/page_titles.hpp"
#include "league/write/time_texts.hpp"

#include "common/time_text.hpp"

#include <algorithm>

namespace league::season {

namespace {

// The class of a rider's row, by which a reader of the page (a test, a script) finds the
// riders, as in the legends of the charts.
constexpr Fragment kRiderRow = "rider-row";
constexpr std::string_view kPoleMark = "\u25C6";

TableColumn withLook(std::string head, ColumnLook look) {
    return {std::move(head), "", "", "", look};
}

// A points total as shown: "-3", "12"; "" for 0.
std::string pointsText(std::int64_t points) {
    return points == 0 ? std::string() : std::to_string(points);
}

// A rider's score of one round: the score, in brackets when dropped; "DSQ"; "–" for a
// missed round.
std::string roundScoreText(const RiderRound& round, bool dropped) {
    std::string text;
    if (round.disqualified && round.polePoints == 0) {
        text = "DSQ";
    } else if (!round.rode && !round.pole) {
        text = "\u2013";
    } else {
        text = std::to_string(round.score());
    }
    return dropped ? "(" + text + ")" : text;
}

// A rider's place in a race: "P4", "DSQ", "NC".
std::string racePlaceText(const RiderRace& race) {
    if (race.disqualified) {
        return "DSQ";
    }
    return race.place ? "P" + std::to_string(*race.place) : "NC";
}

// The rider's race of index `race` in the round, if he rode it.
std::optional<RiderRace> riderRace(const RiderRound& part, std::size_t race) {
    for (const RiderRace& rode : part.races) {
        if (rode.race == race) {
            return rode;
        }
    }
    return std::nullopt;
}

// A rider's place in a round as the page shows it below the score: "P4", "DSQ", "NC",
// or "" for a round not ridden; for a round of several races each race's place, "–"
// for a race not ridden ("P4 – P2").
std::string roundPlaceText(const HeldRound& round, const RiderRound& part) {
    if (!part.rode) {
        return "";
    }
    if (round.classification.races.size() == 1) {
        return racePlaceText(part.races.front());
    }
    std::string places;
    for (std::size_t r = 0; r < round.classification.races.size(); ++r) {
        const std::optional<RiderRace> race = riderRace(part, r);
        places += (r == 0 ? "" : " ") + (race ? racePlaceText(*race) : std::string("\u2013"));
    }
    return places;
}

// What the rider made of each race of a round of several: "Sprint P4, 13 points;
// Feature race DSQ".
std::string racesTooltip(const HeldRound& round, const RiderRound& part) {
    std::string text;
    for (const RiderRace& race : part.races) {
        text += (text.empty() ? "" : "; ") + round.classification.races[race.race].name + " " + racePlaceText(race) +
                (race.disqualified ? "" : ", " + std::to_string(race.points) + " points");
    }
    return text;
}

// "R1 Kestrel Bay: P4, 28 points, pole (1 points), dropped".
std::string roundTooltip(const HeldRound& round, const RiderRound& part, bool dropped) {
    std::string tooltip = roundColumn(round.number) + " " + round.name + ": ";
    const std::string place = roundPlaceText(round, part);
    if (!part.rode) {
        tooltip += "did not ride";
    } else if (round.classification.races.size() > 1) {
        tooltip += racesTooltip(round, part);
    } else if (part.disqualified) {
        tooltip += "disqualified";
    } else {
        tooltip += (place.empty() ? "not placed" : place) + ", " + std::to_string(part.racePoints) + " points";
    }
    if (part.pole) {
        tooltip += ", pole (" + std::to_string(part.polePoints) + " points)";
    }
    return dropped ? tooltip + ", dropped" : tooltip;
}

// A rider's cell of one round: the score, the place and the pole mark below it, and
// both in full as the tooltip.
TableCell roundCell(const HeldRound& round, const RiderRound& part, bool dropped) {
    std::string note = roundPlaceText(round, part);
    if (part.pole) {
        note += (note.empty() ? "" : " ") + std::string(kPoleMark);
    }
    return {roundScoreText(part, dropped), note, roundTooltip(round, part, dropped), dropped};
}

// The columns of the first `count` held rounds: "R1", ... with the round's name and
// date as the tooltip, each leading to its round's page.
std::vector<TableColumn> roundColumns(const SeasonResult& result, std::size_t count) {
    std::vector<TableColumn> columns;
    for (std::size_t h = 0; h < count; ++h) {
        const HeldRound& round = result.rounds[h];
        columns.push_back({roundColumn(round.number), "", round.name + (round.date ? ", " + *round.date : ""),
                           roundFileStem(round.number) + ".html"});
    }
    return columns;
}

// The penalty of a classified entry: "+5 s: reason", "DSQ: reason"; "" for none.
std::string entryPenaltyText(const ClassifiedEntry& entry) {
    std::string text;
    if (entry.disqualified) {
        text = "DSQ";
    } else if (entry.timePenaltySeconds > 0) {
        text = "+" + std::to_string(entry.timePenaltySeconds) + " s";
    }
    if (!text.empty() && !entry.penaltyReason.empty()) {
        text += ": " + entry.penaltyReason;
    }
    if (!entry.counts) {
        text += std::string(text.empty() ? "" : "; ") + "second entry, not counted";
    }
    return text;
}

std::vector<TableColumn> qualifyingColumns() {
    return {{"Pos"},
            {"#"},
            withLook("Rider", ColumnLook::Name),
            withLook("Bike", ColumnLook::Name),
            {"Time"},
            {"Gap"},
            {"Gap to previous"},
            {"Lap"},
            {"Speed"},
            withLook("Session", ColumnLook::Name),
            {"Grid"}};
}

std::vector<TableCell> qualifyingCells(const QualifyingRow& row) {
    const auto gap = [](const std::optional<std::int32_t>& ms) { return ms ? "+" + formatLapTime(*ms) : std::string(); };
    return {{row.position ? std::to_string(*row.position) : ""},
            {std::to_string(row.startNumber)},
            {row.rider},
            {row.bike},
            {row.position ? timeOrDash(row.bestLap) : "\u2013"},
            {gap(row.gapToFirst)},
            {gap(row.gapToPrevious)},
            {row.lapText},
            {oneDecimalText(row.speedKmh) + " km/h"},
            {gridName(row.sessionNumber)},
            {row.grid ? std::to_string(*row.grid) : ""}};
}

// The class and the class place of a race's entry, after its place.
void addClassCells(TableRow& row, const ClassifiedEntry& entry) {
    const std::string classPlace = entry.classPlace ? std::to_string(*entry.classPlace) : "";
    row.cells.insert(row.cells.begin() + 1, {{entry.riderClass}, {classPlace}});
}

}  // namespace

std::string positionText(std::int32_t position, bool shared) {
    return std::to_string(position) + (shared ? "=" : "");
}

RiderStandings overallStandings(const SeasonResult& result) {
    return {result.riders, result.standingsAfter};
}

RiderStandings standingsOf(const ClassStandings& riderClass) {
    return {riderClass.riders, riderClass.standingsAfter};
}

Table standingsTable(const SeasonResult& result, const RiderStandings& riders) {
    const Standings& standings = riders.final();
    Table table;
    table.columns = {{"Pos"},
                     {"Change", "+/-", "change against the previous round"},
                     {"#"},
                     withLook("Rider", ColumnLook::Name),
                     withLook("Bike", ColumnLook::Name)};
    for (TableColumn& column : roundColumns(result, standings.heldRounds)) {
        table.columns.push_back(std::move(column));
    }
    table.columns.push_back({"Penalty", "Pen.", "points penalties"});
    table.columns.push_back(withLook("Total", ColumnLook::Total));
    table.columns.push_back({"Gap", "", "points behind the leader"});
    for (const StandingsRow& row : standings.rows) {
        const RiderSeason& rider = riders.riders[row.rider];
        TableRow shown{{{positionText(row.position, row.shared)},
                        {changeText(row)},
                        {std::to_string(rider.startNumber)},
                        {rider.name},
                        {rider.bike}},
                       kRiderRow};
        for (std::size_t h = 0; h < standings.heldRounds; ++h) {
            shown.cells.push_back(roundCell(result.rounds[h], rider.rounds[h], row.dropped[h]));
        }
        shown.cells.push_back({pointsText(row.penaltyPoints)});
        shown.cells.push_back({std::to_string(row.total)});
        shown.cells.push_back({pointsText(row.gapToLeader)});
        table.rows.push_back(std::move(shown));
    }
    return table;
}

Table teamsTable(const SeasonResult& result) {
    Table table;
    table.columns = {{"Pos"}, withLook("Team", ColumnLook::Name), withLook("Riders", ColumnLook::Name)};
    for (TableColumn& column : roundColumns(result, result.rounds.size())) {
        table.columns.push_back(std::move(column));
    }
    // The penalties' column only when a team has one.
    const bool penalties = std::any_of(result.teams.begin(), result.teams.end(),
                                       [](const TeamRow& team) { return team.penaltyPoints != 0; });
    if (penalties) {
        table.columns.push_back({"Penalty", "Pen.", "points penalties"});
    }
    table.columns.push_back(withLook("Total", ColumnLook::Total));
    table.columns.push_back({"Gap"});
    for (const TeamRow& team : result.teams) {
        std::string riders;
        for (const std::string& rider : team.riders) {
            riders += (riders.empty() ? "" : ", ") + rider;
        }
        TableRow shown{{{positionText(team.position, team.shared)}, {team.name}, {riders}}, std::nullopt};
        for (const std::int64_t score : team.roundScores) {
            shown.cells.push_back({std::to_string(score)});
        }
        if (penalties) {
            shown.cells.push_back({pointsText(team.penaltyPoints)});
        }
        shown.cells.push_back({std::to_string(team.total)});
        shown.cells.push_back({pointsText(team.gapToLeader)});
        table.rows.push_back(std::move(shown));
    }
    return table;
}

Table raceTable(const SeasonResult& result, const HeldRound& round, const ClassifiedRace& race) {
    Table table;
    table.caption = round.classification.races.size() > 1 ? race.name : "";
    const bool withClasses = !result.classes.empty();
    table.columns = {{"Place"},
                     {"#"},
                     withLook("Rider", ColumnLook::Name),
                     withLook("Bike", ColumnLook::Name),
                     {"Grid"},
                     {"Laps"},
                     {"Time"},
                     {"Time at full distance"},
                     {"Gap"},
                     {"Points"},
                     withLook("Penalty", ColumnLook::Reason)};
    for (const ClassifiedEntry& entry : race.entries) {
        const std::string place = entry.disqualified ? "DSQ" : entry.place ? std::to_string(*entry.place) : "NC";
        table.rows.push_back({{{place},
                               {std::to_string(entry.startNumber)},
                               {entry.rider},
                               {entry.bike},
                               {gridName(entry.grid)},
                               {std::to_string(entry.laps)},
                               {timeOrDash(entry.raceTime)},
                               {entry.finished && entry.place ? timeOrDash(entry.rankTime) : ""},
                               {entry.finished && entry.place ? plusGap(entry.gapToFirst) : ""},
                               {entry.place && entry.counts ? std::to_string(entry.points) : ""},
                               {entryPenaltyText(entry)}},
                              kRiderRow});
        if (withClasses) {
            addClassCells(table.rows.back(), entry);
        }
    }
    if (withClasses) {
        table.columns.insert(table.columns.begin() + 1, {{"Class"}, {"Class place", "Cl."}});
    }
    return table;
}

Table roundTotalTable(const SeasonResult& result, const HeldRound& round) {
    Table table{"Round total", {{"Pos"}, {"#"}, withLook("Rider", ColumnLook::Name), withLook("Bike", ColumnLook::Name)},
                {}};
    for (const ClassifiedRace& race : round.classification.races) {
        table.columns.push_back({race.name});
    }
    table.columns.push_back({"Pole"});
    table.columns.push_back(withLook("Total", ColumnLook::Total));
    const std::size_t h = round.number - 1;
    std::vector<std::size_t> riders;
    for (std::size_t r = 0; r < result.riders.size(); ++r) {
        const RiderRound& part = result.riders[r].rounds[h];
        if (part.rode || part.pole) {
            riders.push_back(r);
        }
    }
    std::stable_sort(riders.begin(), riders.end(), [&](std::size_t a, std::size_t b) {
        return result.riders[a].rounds[h].score() > result.riders[b].rounds[h].score();
    });
    for (std::size_t i = 0; i < riders.size(); ++i) {
        const RiderSeason& rider = result.riders[riders[i]];
        const RiderRound& part = rider.rounds[h];
        const bool shared = (i > 0 && result.riders[riders[i - 1]].rounds[h].score() == part.score()) ||
                            (i + 1 < riders.size() && result.riders[riders[i + 1]].rounds[h].score() == part.score());
        std::size_t position = i + 1;
        while (position > 1 && result.riders[riders[position - 2]].rounds[h].score() == part.score()) {
            --position;
        }
        TableRow row{{{positionText(static_cast<std::int32_t>(position), shared)},
                      {std::to_string(rider.startNumber)},
                      {rider.name},
                      {rider.bike}},
                     kRiderRow};
        for (std::size_t r = 0; r < round.classification.races.size(); ++r) {
            const std::optional<RiderRace> race = riderRace(part, r);
            row.cells.push_back(race ? TableCell{std::to_string(race->points), racePlaceText(*race)}
                                     : TableCell{"\u2013"});
        }
        row.cells.push_back({part.pole ? std::to_string(part.polePoints) : ""});
        row.cells.push_back({std::to_string(part.score())});
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<Table> roundTables(const SeasonResult& result, const HeldRound& round) {
    std::vector<Table> tables;
    for (const ClassifiedRace& race : round.classification.races) {
        tables.push_back(raceTable(result, round, race));
    }
    if (tables.size() > 1) {
        tables.push_back(roundTotalTable(result, round));
    }
    return tables;
}

Table qualifyingTable(const QualifyingGrids& grids, bool withClasses) {
    Table table{"", qualifyingColumns(), {}};
    if (withClasses) {
        table.columns.insert(table.columns.begin() + 4, {"Class"});
    }
    std::optional<std::int32_t> previousGrid;
    for (const QualifyingRow& row : grids.rows) {
        // The page draws a line above the first rider of each grid after the first.
        const bool gridStarts = row.grid && previousGrid && *row.grid != *previousGrid;
        previousGrid = row.grid;
        table.rows.push_back({qualifyingCells(row), gridStarts ? Fragment("rider-row grid-start") : kRiderRow});
        if (withClasses) {
            table.rows.back().cells.insert(table.rows.back().cells.begin() + 4, {row.riderClass});
        }
    }
    return table;
}

std::vector<Table> gridTables(const QualifyingGrids& grids, const Table& qualifying) {
    if (!grids.gridSize) {
        return {qualifying};
    }
    std::vector<Table> tables;
    for (std::size_t g = 0; g < grids.gridPlaces.size(); ++g) {
        const std::int32_t places = grids.gridPlaces[g];
        Table table{"Grid " + std::to_string(g + 1) + " - " + std::to_string(places) +
                        (places == 1 ? " rider" : " riders"),
                    qualifying.columns,
                    {}};
        for (std::size_t r = 0; r < grids.rows.size(); ++r) {
            if (grids.rows[r].grid == static_cast<std::int32_t>(g + 1)) {
                table.rows.push_back(qualifying.rows[r]);
            }
        }
        tables.push_back(std::move(table));
    }
    // Riders without a place have no grid; they are listed after the grids, so that the
    // forum text loses no rider that the page and the CSV file show.
    Table unplaced{"Without a place", qualifying.columns, {}};
    for (std::size_t r = 0; r < grids.rows.size(); ++r) {
        if (!grids.rows[r].grid) {
            unplaced.rows.push_back(qualifying.rows[r]);
        }
    }
    if (!unplaced.rows.empty()) {
        tables.push_back(std::move(unplaced));
    }
    return tables;
}

}  // namespace league::season
