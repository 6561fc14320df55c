#include "league/write/standings_page.hpp"

#include "league/write/standings_texts.hpp"
#include "league/write/file_names.hpp"
#include "league/write/html_table.hpp"
#include "league/write/page_frame.hpp"
#include "league/write/page_titles.hpp"
#include "league/write/season_charts.hpp"
#include "league/write/title_fight_section.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

namespace {

void writeFootnotes(MarkupWriter& html, const std::vector<std::string>& footnotes) {
    if (footnotes.empty()) {
        return;
    }
    html.write("<p class=\"note\">Ties on points:</p>\n<ul class=\"note\">\n");
    for (const std::string& footnote : footnotes) {
        html.element("li", footnote);
    }
    html.write("</ul>\n");
}

// One round of the calendar: a held round's name leads to the pages of its race night,
// its result to its page.
void writeCalendarRow(MarkupWriter& html, std::size_t number, const CalendarRound& round, PageVariant variant) {
    const bool linked = round.heldNumber && variant.hasLinks();
    html.write("<tr><td>");
    html.writeNumber(static_cast<std::int32_t>(number));
    html.write("</td><td class=\"name\">");
    if (linked) {
        html.link(roundFolder(*round.heldNumber) + "index.html", round.name);
    } else {
        html.writeContent(round.name);
    }
    if (round.keep) {
        html.write(" <small>never dropped</small>");
    }
    html.write("</td>");
    html.element("td", round.date.value_or(""), false);
    html.write("<td>");
    if (linked) {
        html.link(roundFileStem(*round.heldNumber) + ".html", roundColumn(*round.heldNumber));
    } else if (round.heldNumber) {
        html.writeContent(roundColumn(*round.heldNumber));
    } else {
        html.write("to come");
    }
    html.write("</td></tr>\n");
}

void writeCalendar(MarkupWriter& html, const SeasonResult& result, PageVariant variant) {
    html.write("<h2>Calendar</h2>\n<table class=\"calendar\">\n<thead><tr><th>Round</th><th class=\"name\">Name</th>"
               "<th>Date</th><th>Result</th></tr></thead>\n<tbody>\n");
    for (std::size_t r = 0; r < result.calendar.size(); ++r) {
        writeCalendarRow(html, r + 1, result.calendar[r], variant);
    }
    html.write("</tbody>\n</table>\n");
}

void writePenalties(MarkupWriter& html, const SeasonResult& result) {
    bool any = false;
    for (const HeldRound& round : result.rounds) {
        any = any || !round.penalties.empty();
    }
    if (!any) {
        return;
    }
    html.write("<h2>Penalties</h2>\n<table class=\"penalties\">\n<thead><tr><th>Round</th><th class=\"name\">Rider"
               "</th><th>Race</th><th>Penalty</th><th class=\"reason\">Reason</th></tr></thead>\n<tbody>\n");
    for (const HeldRound& round : result.rounds) {
        for (const PenaltyNote& penalty : round.penalties) {
            html.write("<tr>");
            html.element("td", roundColumn(round.number), false);
            html.open("td").attribute("class", "name").endStart();
            html.writeContent(penalty.team.empty() ? penalty.rider : penalty.team + " (team)");
            html.write("</td>");
            html.element("td", penalty.race.empty() ? "" : exportPlace(round, penalty.race), false);
            html.element("td", penaltyText(penalty), false);
            html.open("td").attribute("class", "reason").endStart();
            html.writeContent(penalty.reason);
            html.write("</td></tr>\n");
        }
    }
    html.write("</tbody>\n</table>\n");
}

void writeStandingsNote(MarkupWriter& html) {
    html.write("<p class=\"note\">Each round: the points, the place below them. (16) dropped; \u25C6 pole position; "
               "DSQ disqualified; NC not classified; \u2013 did not ride.</p>\n");
}

// A class's standings: its table, the ties decided, and its points after each round.
void writeClassSection(ReportWriter& page, const SeasonResult& result, std::size_t classIndex,
                       const SeasonTables& tables, PageVariant variant) {
    MarkupWriter html(page);
    const ClassStandings& riderClass = result.classes[classIndex];
    const std::string& stem = tables.classStems[classIndex];
    html.element("h2", riderClass.name + " standings");
    writeHtmlTable(page, tables.classes[classIndex], "standings", variant, stem);
    writeStandingsNote(html);
    writeTitleFightSection(page, result, riderClass.titleFight, variant);
    writeFootnotes(html, tieFootnotes(riderClass.standings().ties));
    writeClassChart(page, result, standingsOf(riderClass), stem + "-");
}

}  // namespace

std::string standingsPage(const SeasonResult& result, const SeasonTables& tables, PageVariant variant) {
    ReportWriter page(PageConventions::Html5);
    MarkupWriter html(page);
    writeFrameStart(page, variant, standingsTitle(result));
    html.element("h1", result.title);
    html.element("p", standingsSubtitle(result));
    if (result.overallStandings) {
        html.write("<h2>Standings</h2>\n");
        writeHtmlTable(page, tables.riders, "standings", variant, "standings");
        writeStandingsNote(html);
        writeTitleFightSection(page, result, result.titleFight, variant);
        writeFootnotes(html, tieFootnotes(result.standings().ties));
    }
    for (std::size_t c = 0; c < result.classes.size(); ++c) {
        writeClassSection(page, result, c, tables, variant);
    }
    const Table& teams = tables.teams;
    if (!teams.rows.empty()) {
        html.write("<h2>Teams</h2>\n");
        writeHtmlTable(page, teams, "teams", variant);
        writeFootnotes(html, tieFootnotes(result.teamTies));
    }
    writeCalendar(html, result, variant);
    writePenalties(html, result);
    if (result.overallStandings) {
        writeSeasonCharts(page, result);
    }
    writeFrameEnd(page, variant);
    return pageBytes(page);
}

std::string classStandingsFragment(const SeasonResult& result, std::size_t classIndex, const SeasonTables& tables) {
    ReportWriter page(PageConventions::Html5);
    MarkupWriter html(page);
    writeFrameStart(page, kFragment, standingsTitle(result));
    html.element("h1", result.title);
    html.element("p", standingsSubtitle(result));
    writeClassSection(page, result, classIndex, tables, kFragment);
    writeFrameEnd(page, kFragment);
    return pageBytes(page);
}

}  // namespace league::season
