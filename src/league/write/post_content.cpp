#include "league/write/post_content.hpp"

#include "league/write/page_titles.hpp"
#include "league/write/round_page.hpp"
#include "league/write/standings_texts.hpp"
#include "league/write/title_fight_texts.hpp"

namespace league::season {

namespace {

// The columns of the rounds in a text hold the points alone: the page's place and pole
// mark below them are left out.
constexpr const char* kRoundColumnsLegend =
    "R1, R2, ...: the points of each round; (16) dropped, not counted; DSQ disqualified; \u2013 did not ride.";

void addNotes(PostContent& post, std::string heading, std::vector<std::string> lines) {
    if (!lines.empty()) {
        post.notes.push_back({std::move(heading), std::move(lines)});
    }
}

}  // namespace

PostContent standingsPost(const SeasonResult& result, const Table& riders, const Table& teams) {
    PostContent post{{standingsTitle(result)}, {riders}, {}};
    if (std::string fight = titleFightLine(result, result.titleFight); !fight.empty()) {
        post.titleLines.push_back(std::move(fight));
    }
    if (!teams.rows.empty()) {
        post.tables.push_back(teams);
        post.tables.back().caption = "Teams";
    }
    if (!result.rounds.empty()) {
        addNotes(post, "", {kRoundColumnsLegend});
    }
    addNotes(post, "Ties on points:", tieFootnotes(result.standings().ties));
    addNotes(post, "Ties on points between teams:", tieFootnotes(result.teamTies));
    std::vector<std::string> penalties;
    for (const HeldRound& round : result.rounds) {
        for (const PenaltyNote& penalty : round.penalties) {
            penalties.push_back(roundColumn(round.number) + " " + penaltyLine(round, penalty));
        }
    }
    addNotes(post, "Penalties:", std::move(penalties));
    return post;
}

PostContent classPost(const SeasonResult& result, std::size_t classIndex, const Table& standings) {
    const ClassStandings& riderClass = result.classes[classIndex];
    PostContent post{{standingsTitle(result) + " - " + riderClass.name}, {standings}, {}};
    if (std::string fight = titleFightLine(result, riderClass.titleFight); !fight.empty()) {
        post.titleLines.push_back(std::move(fight));
    }
    if (!result.rounds.empty()) {
        addNotes(post, "", {kRoundColumnsLegend});
    }
    addNotes(post, "Ties on points:", tieFootnotes(riderClass.standings().ties));
    return post;
}

PostContent roundPost(const SeasonResult& result, const HeldRound& round, const std::vector<Table>& tables) {
    PostContent post{{roundTitle(result, round)}, tables, {}};
    if (std::string pole = poleText(result, round); !pole.empty()) {
        post.titleLines.push_back(std::move(pole));
    }
    std::vector<std::string> penalties;
    for (const PenaltyNote& penalty : round.penalties) {
        penalties.push_back(penaltyLine(round, penalty));
    }
    addNotes(post, "Penalties:", std::move(penalties));
    return post;
}

PostContent qualifyingPost(const SeasonResult& result, const HeldRound& round, std::vector<Table> grids) {
    return {{qualifyingTitle(result, round)}, std::move(grids), {}};
}

}  // namespace league::season
