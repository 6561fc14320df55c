#include "league/write/standings_page.hpp"

#include "league/write/html_text.hpp"
#include "league/write/standings_texts.hpp"
#include "league/write/season_charts.hpp"
#include "league/write/text_tables.hpp"

namespace league::season {

namespace {

constexpr std::string_view kPoleMark = "\u25C6";

// A rider's cell of one round: the score (in brackets when dropped), the place as small
// text, and both as a tooltip.
void writeRoundCell(std::string& page, const HeldRound& round, const RiderRound& part, bool dropped) {
    std::string place;
    if (part.disqualified) {
        place = "DSQ";
    } else if (part.place) {
        place = "P" + std::to_string(*part.place);
    } else if (part.rode) {
        place = "NC";
    }
    std::string tooltip = roundColumn(round.number) + " " + round.name + ": ";
    if (!part.rode) {
        tooltip += "did not ride";
    } else if (part.disqualified) {
        tooltip += "disqualified";
    } else {
        tooltip += place.empty() ? "not placed" : place;
        tooltip += ", " + std::to_string(part.racePoints) + " points";
    }
    if (part.pole) {
        tooltip += ", pole (" + std::to_string(part.polePoints) + " points)";
    }
    if (dropped) {
        tooltip += ", dropped";
    }
    page += "<td" + std::string(dropped ? " class=\"dropped\"" : "") + " title=\"" + htmlText(tooltip) + "\">";
    page += htmlText(roundScoreText(part, dropped));
    if (!place.empty() || part.pole) {
        page += "<small>" + htmlText(place) + (part.pole ? std::string(place.empty() ? "" : " ") + std::string(kPoleMark) : "") +
                "</small>";
    }
    page += "</td>";
}

void writeRoundHeads(std::string& page, const SeasonResult& result, std::size_t heldCount, bool withLinks) {
    for (std::size_t h = 0; h < heldCount; ++h) {
        const HeldRound& round = result.rounds[h];
        page += "<th title=\"" + htmlText(round.name + (round.date ? ", " + *round.date : "")) + "\">";
        page += withLinks ? "<a href=\"" + roundFileStem(round.number) + ".html\">" + roundColumn(round.number) + "</a>"
                          : roundColumn(round.number);
        page += "</th>";
    }
}

void writeFootnotes(std::string& page, const std::vector<std::string>& footnotes) {
    if (footnotes.empty()) {
        return;
    }
    page += "<p class=\"note\">Ties on points:</p>\n<ul class=\"note\">\n";
    for (const std::string& footnote : footnotes) {
        page += "<li>" + htmlText(footnote) + "</li>\n";
    }
    page += "</ul>\n";
}

void writeStandings(std::string& page, const SeasonResult& result, bool withLinks) {
    const Standings& standings = result.standings();
    page += "<h2>Standings</h2>\n<div class=\"scroll\"><table id=\"standings\" class=\"standings\">\n<thead><tr><th>Pos</th>"
            "<th title=\"change against the previous round\">+/-</th><th>#</th><th class=\"name\">Rider</th>"
            "<th class=\"name\">Bike</th>";
    writeRoundHeads(page, result, standings.heldRounds, withLinks);
    page += "<th title=\"points penalties\">Pen.</th><th>Total</th><th title=\"points behind the leader\">Gap</th>"
            "</tr></thead>\n<tbody>\n";
    for (const StandingsRow& row : standings.rows) {
        const RiderSeason& rider = result.riders[row.rider];
        page += "<tr class=\"rider-row\"><td>" + positionText(row.position, row.shared) + "</td><td>" +
                htmlText(changeText(row)) + "</td><td>" + std::to_string(rider.startNumber) + "</td><td class=\"name\">" +
                htmlText(rider.name) + "</td><td class=\"name\">" + htmlText(rider.bike) + "</td>";
        for (std::size_t h = 0; h < standings.heldRounds; ++h) {
            writeRoundCell(page, result.rounds[h], rider.rounds[h], row.dropped[h]);
        }
        page += "<td>" + pointsText(row.penaltyPoints, true) + "</td><td class=\"total\">" +
                std::to_string(row.total) + "</td><td>" + pointsText(row.gapToLeader, true) + "</td></tr>\n";
    }
    page += "</tbody>\n</table></div>\n";
    page += "<p class=\"note\">Each round: the points, the place below them. (16) dropped; " + std::string(kPoleMark) +
            " pole position; DSQ disqualified; NC not classified; \u2013 did not ride.</p>\n";
    writeFootnotes(page, tieFootnotes(standings.ties));
}

void writeTeams(std::string& page, const SeasonResult& result, bool withLinks) {
    if (result.teams.empty()) {
        return;
    }
    page += "<h2>Teams</h2>\n<div class=\"scroll\"><table class=\"teams\">\n<thead><tr><th>Pos</th>"
            "<th class=\"name\">Team</th><th class=\"name\">Riders</th>";
    writeRoundHeads(page, result, result.rounds.size(), withLinks);
    page += "<th>Total</th><th>Gap</th></tr></thead>\n<tbody>\n";
    for (const TeamRow& team : result.teams) {
        std::string riders;
        for (const std::string& rider : team.riders) {
            riders += (riders.empty() ? "" : ", ") + rider;
        }
        page += "<tr><td>" + positionText(team.position, team.shared) + "</td><td class=\"name\">" +
                htmlText(team.name) + "</td><td class=\"name\">" + htmlText(riders) + "</td>";
        for (const std::int64_t score : team.roundScores) {
            page += "<td>" + std::to_string(score) + "</td>";
        }
        page += "<td class=\"total\">" + std::to_string(team.total) + "</td><td>" + pointsText(team.gapToLeader, true) +
                "</td></tr>\n";
    }
    page += "</tbody>\n</table></div>\n";
    writeFootnotes(page, tieFootnotes(result.teamTies));
}

void writeCalendar(std::string& page, const SeasonResult& result, bool withLinks) {
    page += "<h2>Calendar</h2>\n<table class=\"calendar\">\n<thead><tr><th>Round</th><th class=\"name\">Name</th>"
            "<th>Date</th><th>Result</th></tr></thead>\n<tbody>\n";
    for (std::size_t r = 0; r < result.calendar.size(); ++r) {
        const CalendarRound& round = result.calendar[r];
        // A held round's name leads to the pages of its race night.
        const std::string name = round.heldNumber && withLinks ? "<a href=\"" + roundFolder(*round.heldNumber) +
                                                                         "index.html\">" + htmlText(round.name) + "</a>"
                                                                   : htmlText(round.name);
        page += "<tr><td>" + std::to_string(r + 1) + "</td><td class=\"name\">" + name +
                (round.keep ? " <small>never dropped</small>" : "") + "</td><td>" +
                htmlText(round.date.value_or("")) + "</td><td>";
        if (round.heldNumber && withLinks) {
            page += "<a href=\"" + roundFileStem(*round.heldNumber) + ".html\">" + roundColumn(*round.heldNumber) +
                    "</a>";
        } else if (round.heldNumber) {
            page += roundColumn(*round.heldNumber);
        } else {
            page += "to come";
        }
        page += "</td></tr>\n";
    }
    page += "</tbody>\n</table>\n";
}

void writePenalties(std::string& page, const SeasonResult& result) {
    bool any = false;
    for (const HeldRound& round : result.rounds) {
        any = any || !round.penalties.empty();
    }
    if (!any) {
        return;
    }
    page += "<h2>Penalties</h2>\n<table class=\"penalties\">\n<thead><tr><th>Round</th><th class=\"name\">Rider"
            "</th><th>Race</th><th>Penalty</th><th class=\"reason\">Reason</th></tr></thead>\n<tbody>\n";
    for (const HeldRound& round : result.rounds) {
        for (const PenaltyNote& penalty : round.penalties) {
            page += "<tr><td>" + roundColumn(round.number) + "</td><td class=\"name\">" + htmlText(penalty.rider) +
                    "</td><td>" + htmlText(penalty.race) + "</td><td>" + htmlText(penaltyText(penalty)) +
                    "</td><td class=\"reason\">" + htmlText(penalty.reason) + "</td></tr>\n";
        }
    }
    page += "</tbody>\n</table>\n";
}

}  // namespace

std::string standingsPage(const SeasonResult& result, bool asFragment) {
    std::string page;
    writeStart(page, asFragment, standingsTitle(result));
    page += "<h1>" + htmlText(result.title) + "</h1>\n<p>" + htmlText(standingsSubtitle(result)) + "</p>\n";
    writeStandings(page, result, !asFragment);
    writeTeams(page, result, !asFragment);
    writeCalendar(page, result, !asFragment);
    writePenalties(page, result);
    writeSeasonCharts(page, result);
    writeEnd(page, asFragment);
    return page;
}

}  // namespace league::season
