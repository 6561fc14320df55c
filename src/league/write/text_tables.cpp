#include "league/write/text_tables.hpp"

#include "league/write/html_text.hpp"
#include "league/write/standings_texts.hpp"

#include <algorithm>
#include <cstdio>

namespace league::season {

std::string roundColumn(std::size_t heldNumber) {
    return "R" + std::to_string(heldNumber);
}

std::string roundFileStem(std::size_t heldNumber) {
    char stem[32];
    std::snprintf(stem, sizeof stem, "round-%02zu", heldNumber);
    return stem;
}

std::string roundFolder(std::size_t heldNumber) {
    return roundFileStem(heldNumber) + "/";
}

std::vector<std::string> analysisPageStems(const HeldRound& round) {
    std::vector<std::string> stems;
    for (const AnalysedRace& race : round.analyses) {
        std::string stem;
        for (const char c : race.replayed.name) {
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                               c == '_' || c == '.';
            stem += plain ? c : '_';
        }
        stem += "_analysis";
        const std::string first = stem;
        for (int number = 2; std::find(stems.begin(), stems.end(), stem) != stems.end(); ++number) {
            stem = first + "-" + std::to_string(number);
        }
        stems.push_back(stem);
    }
    return stems;
}

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

std::string pointsText(std::int64_t points, bool blankForZero) {
    return points == 0 && blankForZero ? std::string() : std::to_string(points);
}

std::string positionText(std::int32_t position, bool shared) {
    return std::to_string(position) + (shared ? "=" : "");
}

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

std::string standingsSubtitle(const SeasonResult& result) {
    const std::size_t held = result.rounds.size();
    if (held == 0) {
        return "No round held yet";
    }
    return "Standings after round " + std::to_string(held) + " of " + std::to_string(result.calendar.size());
}

std::string standingsTitle(const SeasonResult& result) {
    return result.title + " - " + standingsSubtitle(result);
}

std::string roundTitle(const SeasonResult& result, const HeldRound& round) {
    return result.title + " - round " + std::to_string(round.number) + ": " + round.name +
           (round.date ? " (" + *round.date + ")" : "");
}

TextTable standingsTable(const SeasonResult& result) {
    TextTable table;
    table.header = {"Pos", "Change", "#", "Rider", "Bike"};
    const Standings& standings = result.standings();
    for (std::size_t h = 1; h <= standings.heldRounds; ++h) {
        table.header.push_back(roundColumn(h));
    }
    table.header.insert(table.header.end(), {"Penalty", "Total", "Gap"});
    for (const StandingsRow& row : standings.rows) {
        const RiderSeason& rider = result.riders[row.rider];
        std::vector<std::string> cells = {positionText(row.position, row.shared), changeText(row),
                                          std::to_string(rider.startNumber), rider.name, rider.bike};
        for (std::size_t h = 0; h < standings.heldRounds; ++h) {
            cells.push_back(roundScoreText(rider.rounds[h], row.dropped[h]));
        }
        cells.push_back(pointsText(row.penaltyPoints, true));
        cells.push_back(std::to_string(row.total));
        cells.push_back(pointsText(row.gapToLeader, true));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

TextTable teamsTable(const SeasonResult& result) {
    TextTable table;
    table.header = {"Pos", "Team", "Riders"};
    for (std::size_t h = 1; h <= result.rounds.size(); ++h) {
        table.header.push_back(roundColumn(h));
    }
    table.header.insert(table.header.end(), {"Total", "Gap"});
    for (const TeamRow& team : result.teams) {
        std::string riders;
        for (const std::string& rider : team.riders) {
            riders += (riders.empty() ? "" : ", ") + rider;
        }
        std::vector<std::string> cells = {positionText(team.position, team.shared), team.name, riders};
        for (const std::int64_t score : team.roundScores) {
            cells.push_back(std::to_string(score));
        }
        cells.push_back(std::to_string(team.total));
        cells.push_back(pointsText(team.gapToLeader, true));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

TextTable roundTable(const HeldRound& round) {
    TextTable table;
    table.header = {"Place", "#", "Rider", "Bike", "Race", "Laps", "Time", "Time at full distance", "Gap",
                    "Points", "Penalty"};
    for (const ClassifiedEntry& entry : round.classification.entries) {
        const std::string place = entry.disqualified ? "DSQ" : entry.place ? std::to_string(*entry.place) : "NC";
        table.rows.push_back({place, std::to_string(entry.startNumber), entry.rider, entry.bike, entry.race,
                              std::to_string(entry.laps), timeText(entry.raceTime),
                              entry.fullDistance ? timeText(entry.rankTime) : "",
                              entry.fullDistance && entry.place ? gapText(entry.gapToFirst) : "",
                              entry.place && entry.counts ? std::to_string(entry.points) : "",
                              entryPenaltyText(entry)});
    }
    return table;
}

std::string qualifyingTitle(const SeasonResult& result, const HeldRound& round) {
    return roundTitle(result, round) + " - qualifying and grids";
}

namespace {

const std::vector<std::string> kQualifyingHeader = {"Pos",  "#",     "Rider", "Bike",    "Time", "Gap",
                                                    "Gap to previous", "Lap", "Speed", "Session", "Grid"};

std::vector<std::string> qualifyingCells(const QualifyingRow& row) {
    const auto gap = [](const std::optional<std::int32_t>& ms) { return ms ? "+" + formatLapTime(*ms) : std::string(); };
    return {row.position ? std::to_string(*row.position) : "",
            std::to_string(row.startNumber),
            row.rider,
            row.bike,
            row.position ? timeText(row.bestLap) : "\u2013",
            gap(row.gapToFirst),
            gap(row.gapToPrevious),
            row.lapText,
            oneDecimalText(row.speedKmh) + " km/h",
            "G" + std::to_string(row.sessionNumber) + " " + row.session,
            row.grid ? std::to_string(*row.grid) : ""};
}

}  // namespace

TextTable qualifyingTable(const QualifyingGrids& grids) {
    TextTable table;
    table.header = kQualifyingHeader;
    for (const QualifyingRow& row : grids.rows) {
        table.rows.push_back(qualifyingCells(row));
    }
    return table;
}

std::vector<TextTable> gridTables(const QualifyingGrids& grids) {
    if (!grids.gridSize) {
        return {qualifyingTable(grids)};
    }
    std::vector<TextTable> tables;
    for (std::size_t g = 0; g < grids.gridPlaces.size(); ++g) {
        TextTable table;
        const std::int32_t places = grids.gridPlaces[g];
        table.caption = "Grid " + std::to_string(g + 1) + " - " + std::to_string(places) +
                        (places == 1 ? " rider" : " riders");
        table.header = kQualifyingHeader;
        for (const QualifyingRow& row : grids.rows) {
            if (row.grid == static_cast<std::int32_t>(g + 1)) {
                table.rows.push_back(qualifyingCells(row));
            }
        }
        tables.push_back(std::move(table));
    }
    // Riders without a place have no grid; they are listed after the grids, so that the
    // forum text loses no rider that the page and the CSV file show.
    TextTable unplaced{"Without a place", kQualifyingHeader, {}};
    for (const QualifyingRow& row : grids.rows) {
        if (!row.grid) {
            unplaced.rows.push_back(qualifyingCells(row));
        }
    }
    if (!unplaced.rows.empty()) {
        tables.push_back(std::move(unplaced));
    }
    return tables;
}

}  // namespace league::season
