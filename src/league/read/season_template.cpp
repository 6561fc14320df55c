#include "league/read/season_template.hpp"

namespace league::season {

namespace {

constexpr std::string_view kBeforeTitle =
    "# A season of League: the standings of a league's season, made from the race\n"
    "# nights' results exports of the Korvex simulator. After every race night, add the\n"
    "# night's exports to its round below and run League again: it reads this file and\n"
    "# every export it names, and writes the standings, a page per round, forum texts,\n"
    "# CSV files and season.json into the output folder, and for each round a folder of\n"
    "# its race night: the qualifying and grids, and the race analyses with their\n"
    "# charts. A batch file of one line, League and this file's name, does it all.\n"
    "# Lines that begin with # are comments; remove the # in front of a line to use it.\n"
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
    "# The points of places 1, 2, 3, ... of each race's classification. Without this\n"
    "# line: 50 40 33 28 24 21 18 15 13 11 10 9 8 7 6 5 4 3 2 1, as Duvessa gives.\n"
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
    "# races = [\"race_g1\", \"race_g2\"]      # one scored race: its grids, 1 to 4 race exports\n"
    "# qualifying = [\"practice_g1\"]        # optional: 1 to 4 exports, merged as Omblen merges them\n"
    "# keep = true                         # optional: this round is never dropped\n"
    "#\n"
    "# A grid that ran fewer laps scores by its pace: every rider who finished his grid's\n"
    "# race is brought to the first grid's distance by his average lap; one who stopped\n"
    "# before his grid's winner finished is placed after them, without points.\n"
    "#\n"
    "# Or, instead of races = [...], several scored races, each with its own points: a\n"
    "# rider's round score is the sum of his races' points (and the pole's).\n"
    "# [[round.race]]\n"
    "# name = \"Sprint\"\n"
    "# exports = [\"sprint_g1\", \"sprint_g2\"]     # its grids, 1 to 4 race exports\n"
    "# points = [12, 9, 7, 6, 5, 4, 3, 2, 1]    # optional: else the season's points\n"
    "# [[round.race]]\n"
    "# name = \"Feature race\"\n"
    "# exports = [\"feature_g1\", \"feature_g2\"]\n"
    "# A round to come may list its races with their name and points only.\n"
    "\n"
    "# The race night's pages (optional), for a round with races:\n"
    "# grid_size = 10   # riders per grid: the qualifying divided into grids as Omblen\n"
    "#                  # divides it (else maxdriversingrid.ini beside this file; else none)\n"
    "# analyse = [\"cup_race\"]   # races analysed as Quorrin analyses them: the replay\n"
    "#                          # replays\\cup_race.rpy and the export exports\\cup_race.html\n"
    "# split = [\"cup_race #68 lap 7\"]   # laps the simulator failed to count, split in\n"
    "#                  # two (Quorrin's \"y\"); every other slow lap stays as it is. League\n"
    "#                  # lists every lap Quorrin would ask about, with its time, the rider's\n"
    "#                  # best lap and the split entry that splits it.\n"
    "\n"
    "# A steward's decision in this round: one [[round.penalty]] each.\n"
    "# [[round.penalty]]\n"
    "# rider = \"John Smith\"\n"
    "# race = \"race_g2\"\n"
    "# seconds = 5        # or: disqualified = true; or: points = -3 (after the round)\n"
    "# reason = \"Causing a collision in turn 4\"\n"
    "#\n"
    "# A team's penalty takes points off the team's total, not its riders':\n"
    "# [[round.penalty]]\n"
    "# team = \"Vexa Racing\"\n"
    "# points = -5\n"
    "# reason = \"Late entry\"\n";

}  // namespace

std::string seasonTemplate(std::string_view stem, std::string_view lineEnd) {
    // The title is a TOML text in double quotes: a quote or a backslash of the name is
    // escaped.
    std::string title;
    for (const char c : stem) {
        if (c == '"' || c == '\\') {
            title += '\\';
        }
        title += c;
    }
    std::string text;
    for (const char c : std::string(kBeforeTitle) + title + std::string(kAfterTitle)) {
        if (c == '\n') {
            text += lineEnd;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace league::season
