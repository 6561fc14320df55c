#include "league/write/title_fight_texts.hpp"

namespace league::season {

namespace {

std::string countText(std::int64_t count, const std::string& word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

// "Ann, decided after round 2 (Harbour Loop)".
std::string decidedText(const SeasonResult& result, const TitleFight& fight) {
    return championName(fight) + ", decided after round " + std::to_string(*fight.decidedAfterRound) +
           " (" + result.calendar[*fight.decidedAfterRound - 1].name + ")";
}

}  // namespace

bool showsTitleFight(const TitleFight& fight) {
    return !fight.riders.empty() && (fight.roundsToCome > 0 || fight.champion);
}

std::string pointsAvailableText(const TitleFight& fight) {
    return countText(fight.pointsAvailable, "point") + " still available in " +
           countText(static_cast<std::int64_t>(fight.roundsToCome), "round");
}

std::string championText(const SeasonResult& result, const TitleFight& fight) {
    if (!fight.champion || !fight.decidedAfterRound) {
        return {};
    }
    return "Champion: " + decidedText(result, fight);
}

Table titleFightTable(const TitleFight& fight) {
    Table table;
    table.columns = {{"Rider", "", "", "", ColumnLook::Name},
                     {"Max total", "", "the total after winning every race and pole to come, drops counted"},
                     {"Gap", "", "points behind the leader"},
                     {"In own hands", "", "champion by winning every race and pole to come, whatever the others do"}};
    for (const TitleFightRider& rider : fight.riders) {
        if (!rider.canWin) {
            continue;
        }
        const std::int64_t gap = fight.riders.front().total - rider.total;
        table.rows.push_back(TableRow{{{rider.name},
                                       {std::to_string(rider.maxTotal)},
                                       {gap == 0 ? std::string() : std::to_string(gap)},
                                       {rider.inOwnHands ? "yes" : "no"}},
                                      std::nullopt});
    }
    return table;
}

std::string titleFightLine(const SeasonResult& result, const TitleFight& fight) {
    if (!showsTitleFight(fight)) {
        return {};
    }
    if (fight.roundsToCome == 0) {
        return championText(result, fight);
    }
    std::string line = "Title fight: " + pointsAvailableText(fight);
    if (fight.champion && fight.decidedAfterRound) {
        return line + "; champion: " + decidedText(result, fight);
    }
    const char* separator = "; can still win: ";
    for (const TitleFightRider& rider : fight.riders) {
        if (rider.canWin) {
            line += separator + rider.name + " (max " + std::to_string(rider.maxTotal) + ")";
            separator = ", ";
        }
    }
    return line;
}

}  // namespace league::season
