#include "league/read/season_template.hpp"

namespace league::season {

namespace {

constexpr std::string_view kBeforeTitle =
    "# A season of League: the standings of a league's season, made from the race\n"
    "# nights' results exports of the Korvex simulator. After every race night, add the\n"
    "# night's exports to its round below and run League again: it reads this file and\n"
    "# every export it names, and writes the standings, a page per round, forum texts,\n"
    "# CSV files and season.json into the output folder. Lines that begin with # are\n"
    "# comments; remove the # in front of a line to use it.\n"
    "\n"
    "# The season's name, the title of every page.\n"
    "title = \"";

constexpr std::string_view kAfterTitle =
    "\"\n"
    "\n"
    "# The simulator's folder, the one that holds \"exports\". Without this line League\n"
    "# takes the folder that Quorrin.ini beside this file names.\n"
    "# simulator = 'C:\\Games\\Korvex\\'\n"
    "\n"
    "# The points of places 1, 2, 3, ... of a round's combined classification. Without\n"
    "# this line: 50 40 33 28 24 21 18 15 13 11 10 9 8 7 6 5 4 3 2 1, as Duvessa gives.\n"
    "# points = [25, 20, 16, 13, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1]\n"
    "\n"
    "# Points for the fastest rider of a round's qualifying (default 0).\n"
    "# pole_points = 1\n"
    "\n"
    "# How many of each rider's worst rounds do not count (default 0).\n"
    "# drop_worst = 1\n"
    "\n"
    "# The folder the files are written into (default: this file's name without .toml).\n"
    "# output = \"standings\"\n"
    "\n"
    "# Riders whose name in an export is not their league name: name in the export =\n"
    "# league name. Names are matched without regard to upper and lower case.\n"
    "[riders]\n"
    "# \"J. Smith\" = \"John Smith\"\n"
    "\n"
    "# Teams and their riders (league names).\n"
    "[teams]\n"
    "# \"Vexa Racing\" = [\"John Smith\", \"Ann Rider\"]\n"
    "\n"
    "# One [[round]] per race night, in the order of the calendar. A round without races\n"
    "# is on the calendar, \"to come\". Export names are written without .html.\n"
    "[[round]]\n"
    "name = \"Round 1\"\n"
    "# date = 2026-03-14\n"
    "# races = [\"race_g1\", \"race_g2\"]      # 1 to 4 race exports, merged as Duvessa merges them\n"
    "# qualifying = [\"practice_g1\"]        # optional: 1 to 4 exports, merged as Omblen merges them\n"
    "# keep = true                         # optional: this round is never dropped\n"
    "\n"
    "# A steward's decision in this round: one [[round.penalty]] each.\n"
    "# [[round.penalty]]\n"
    "# rider = \"John Smith\"\n"
    "# race = \"race_g2\"\n"
    "# seconds = 5        # or: disqualified = true; or: points = -3 (after the round)\n"
    "# reason = \"Causing a collision in turn 4\"\n";

}  // namespace

std::string seasonTemplate(std::string_view stem) {
    // The title is a TOML text in double quotes: a quote or a backslash of the name is
    // escaped.
    std::string title;
    for (const char c : stem) {
        if (c == '"' || c == '\\') {
            title += '\\';
        }
        title += c;
    }
    return std::string(kBeforeTitle) + title + std::string(kAfterTitle);
}

}  // namespace league::season
