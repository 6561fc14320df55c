#include "league/read/season_file.hpp"

#include "league/read/name_text.hpp"
#include "league/read/rider_names.hpp"
#include "league/read/toml_hint.hpp"

#include <toml++/toml.h>

#include <algorithm>
#include <limits>
#include <cstdio>
#include <set>
#include <sstream>

namespace league::season {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Place {
    std::int64_t line = 1;
    std::int64_t column = 1;
    bool operator<(const Place& other) const {
        return line != other.line ? line < other.line : column < other.column;
    }
};

// The season file with its letters beyond ASCII made plain, and where they were.
struct PlainCopy {
    std::string text;
    std::set<Place> letters;
    std::set<Place> afterLineEndingBackslash;
};

// True when `text` ends in a backslash and blanks and line breaks, at least one line
// break among them: in a multi-line text those are skipped up to the next character.
bool endsAfterLineEndingBackslash(std::string_view text) {
    bool lineBreak = false;
    std::size_t end = text.size();
    while (end > 0 && std::string_view(" \t\r\n").find(text[end - 1]) != std::string_view::npos) {
        lineBreak = lineBreak || text[end - 1] == '\n';
        --end;
    }
    return lineBreak && end > 0 && text[end - 1] == '\\';
}

// The packaged TOML parser misreads some letters beyond ASCII (U+00A1 to U+0499 among
// them) wherever it asks whether a character is blank: outside quotes, right after a
// backslash in a multi-line text, and after a line-ending backslash. So the season file
// is first parsed as a copy in which every such letter is '~', which TOML allows only
// where any letter is (in quotes and comments), and a letter after a line-ending
// backslash is a control character, which TOML allows nowhere. Each letter stays one
// character, so the parser's lines and columns are those of the file. Only when the
// copy is TOML is the file itself parsed: its letters then stand only where the parser
// takes them as they are. A file that is not UTF-8 is refused before this copy.
PlainCopy plainCopyOf(std::string_view text) {
    PlainCopy copy;
    Place place;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            copy.text += text[i++];
            if (byte == '\n') {
                ++place.line;
                place.column = 1;
            } else {
                ++place.column;
            }
            continue;
        }
        if (endsAfterLineEndingBackslash(copy.text)) {
            copy.afterLineEndingBackslash.insert(place);
            copy.text += '\x01';
        } else {
            copy.letters.insert(place);
            copy.text += '~';
        }
        // The rest of the letter's bytes.
        for (++i; i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80; ++i) {
        }
        ++place.column;
    }
    return copy;
}

using Kind = SeasonMistake::Kind;

std::int64_t lineOf(const toml::node& node) {
    return static_cast<std::int64_t>(node.source().begin.line);
}

SeasonMistake mistakeAt(Kind kind, std::int64_t line) {
    SeasonMistake mistake;
    mistake.kind = kind;
    mistake.line = line;
    return mistake;
}

// Every key of `table` must be one of `known`.
Result<void, SeasonMistake> checkKeys(const toml::table& table, std::initializer_list<std::string_view> known,
                                      SeasonTable where) {
    for (auto&& [key, node] : table) {
        if (std::find(known.begin(), known.end(), key.str()) != known.end()) {
            continue;
        }
        const auto line = key.source().begin.line != 0 ? static_cast<std::int64_t>(key.source().begin.line)
                                                       : lineOf(node);
        SeasonMistake mistake = mistakeAt(Kind::UnknownKey, line);
        mistake.key = std::string(key.str());
        mistake.table = where;
        return Failure{std::move(mistake)};
    }
    return {};
}

// A value of the wrong kind; its line, else the line of its table.
SeasonMistake wrongValueAt(const toml::node& value, std::string_view key, Expected expected, std::int64_t tableLine) {
    SeasonMistake mistake = mistakeAt(Kind::WrongValue, lineOf(value) != 0 ? lineOf(value) : tableLine);
    mistake.key = std::string(key);
    mistake.expected = expected;
    return mistake;
}

// A value that may be missing from its table: nothing when it is, the value when it is
// of the kind the key takes, else the mistake.
template <typename Value>
using Optional = Result<std::optional<Value>, SeasonMistake>;

/// A text of a list with the line it stands on.
struct TextAtLine {
    std::string text;
    std::int64_t line = 0;
};

// Reads the values of one table of the season file.
class TableReader {
public:
    TableReader(const toml::table& table, std::int64_t line) : table_(table), line_(line) {}

    const toml::node* node(std::string_view key) const { return table_.get(key); }

    Optional<std::string> text(std::string_view key) const {
        const toml::node* value = node(key);
        if (value == nullptr) {
            return std::optional<std::string>();
        }
        if (!value->is_string()) {
            return Failure{wrongValue(*value, key, Expected::Text)};
        }
        return std::optional<std::string>(value->as_string()->get());
    }

    Optional<std::int64_t> wholeNumber(std::string_view key, std::int64_t lowest, std::int64_t highest,
                                       Expected expected) const {
        const toml::node* value = node(key);
        if (value == nullptr) {
            return std::optional<std::int64_t>();
        }
        if (!value->is_integer() || value->as_integer()->get() < lowest || value->as_integer()->get() > highest) {
            return Failure{wrongValue(*value, key, expected)};
        }
        return std::optional<std::int64_t>(value->as_integer()->get());
    }

    Optional<bool> yesNo(std::string_view key) const {
        const toml::node* value = node(key);
        if (value == nullptr) {
            return std::optional<bool>();
        }
        if (!value->is_boolean()) {
            return Failure{wrongValue(*value, key, Expected::YesNo)};
        }
        return std::optional<bool>(value->as_boolean()->get());
    }

    Optional<std::string> date(std::string_view key) const {
        const toml::node* value = node(key);
        if (value == nullptr) {
            return std::optional<std::string>();
        }
        if (!value->is_date()) {
            return Failure{wrongValue(*value, key, Expected::Date)};
        }
        const toml::date day = value->as_date()->get();
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(day.year), static_cast<int>(day.month),
                      static_cast<int>(day.day));
        return std::optional<std::string>(text);
    }

    /// A list of texts, from `fewest` to `most` of them, each with its line; none when
    /// the key is missing.
    Result<std::vector<TextAtLine>, SeasonMistake> texts(std::string_view key, std::size_t fewest, std::size_t most,
                                                         Expected expected) const {
        std::vector<TextAtLine> result;
        const toml::node* value = node(key);
        if (value == nullptr) {
            return result;
        }
        const toml::array* list = value->as_array();
        if (list == nullptr || list->size() < fewest || list->size() > most) {
            return Failure{wrongValue(*value, key, expected)};
        }
        for (const toml::node& item : *list) {
            if (!item.is_string()) {
                return Failure{wrongValue(item, key, expected)};
            }
            result.push_back({item.as_string()->get(), lineOf(item) != 0 ? lineOf(item) : lineOf(*value)});
        }
        return result;
    }

    SeasonMistake wrongValue(const toml::node& value, std::string_view key, Expected expected) const {
        return wrongValueAt(value, key, expected, line_);
    }

private:
    const toml::table& table_;
    std::int64_t line_;
};

std::vector<std::int64_t> linesOnly(const std::vector<TextAtLine>& texts) {
    std::vector<std::int64_t> lines;
    for (const TextAtLine& text : texts) {
        lines.push_back(text.line);
    }
    return lines;
}

std::vector<std::string> textsOnly(std::vector<TextAtLine> texts) {
    std::vector<std::string> result;
    for (TextAtLine& text : texts) {
        result.push_back(std::move(text.text));
    }
    return result;
}

// A list of any length.
constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

// A points table of at most `most` places; none when the key is missing.
Result<std::vector<std::int32_t>, SeasonMistake> readPoints(const TableReader& reader, std::size_t most,
                                                            Expected expected) {
    std::vector<std::int32_t> points;
    const toml::node* value = reader.node("points");
    if (value == nullptr) {
        return points;
    }
    const toml::array* list = value->as_array();
    if (list == nullptr || list->empty() || list->size() > most) {
        return Failure{reader.wrongValue(*value, "points", expected)};
    }
    for (const toml::node& item : *list) {
        if (!item.is_integer() || item.as_integer()->get() < 0 || item.as_integer()->get() > kMostPoints) {
            return Failure{reader.wrongValue(item, "points", expected)};
        }
        points.push_back(static_cast<std::int32_t>(item.as_integer()->get()));
    }
    return points;
}

// The keys of a penalty as written, each of the kind it takes.
struct PenaltyKeys {
    std::optional<std::string> rider;
    std::optional<std::string> team;
    std::optional<std::string> race;
    std::optional<std::int64_t> seconds;
    std::optional<bool> disqualified;
    std::optional<std::int64_t> points;
    std::optional<std::string> reason;
};

Result<PenaltyKeys, SeasonMistake> readPenaltyKeys(const TableReader& reader) {
    PenaltyKeys keys;
    for (const auto& [key, into] :
         {std::pair{"rider", &keys.rider}, std::pair{"team", &keys.team}, std::pair{"race", &keys.race}}) {
        auto text = reader.text(key);
        if (!text) {
            return Failure{text.reason()};
        }
        *into = std::move(*text);
    }
    const auto seconds = reader.wholeNumber("seconds", 1, kLongestTimePenalty, Expected::Seconds);
    const auto disqualified = reader.yesNo("disqualified");
    const auto points = reader.wholeNumber("points", -kMostPoints, kMostPoints, Expected::PointsPenalty);
    const auto reason = reader.text("reason");
    if (!seconds || !disqualified || !points || !reason) {
        return Failure{!seconds ? seconds.reason()
                       : !disqualified ? disqualified.reason()
                       : !points ? points.reason()
                                 : reason.reason()};
    }
    keys.seconds = *seconds;
    keys.disqualified = *disqualified;
    keys.points = *points;
    keys.reason = *reason;
    return keys;
}

// A team's penalty: points off the team's total, without seconds, disqualification,
// rider or race.
Result<Penalty, SeasonMistake> teamPenaltyOf(const PenaltyKeys& keys, Penalty penalty) {
    if (keys.rider) {
        return Failure{mistakeAt(Kind::PenaltyOfRiderAndTeam, penalty.line)};
    }
    if (!keys.points || keys.seconds || keys.disqualified || keys.race) {
        SeasonMistake mistake = mistakeAt(Kind::TeamPenaltyNotPoints, penalty.line);
        mistake.team = *keys.team;
        return Failure{std::move(mistake)};
    }
    penalty.team = *keys.team;
    penalty.kind = Penalty::Kind::Points;
    penalty.points = static_cast<std::int32_t>(*keys.points);
    return penalty;
}

// The penalty the keys describe: a rider, exactly one kind, and a race of the round
// for a time penalty or a disqualification.
Result<Penalty, SeasonMistake> penaltyOf(const PenaltyKeys& keys, std::int64_t line, const Round& round) {
    Penalty penalty;
    penalty.line = line;
    penalty.race = keys.race;
    penalty.reason = keys.reason.value_or("");
    if (keys.team) {
        return teamPenaltyOf(keys, std::move(penalty));
    }
    if (!keys.rider || keys.rider->empty()) {
        return Failure{mistakeAt(Kind::PenaltyWithoutRider, line)};
    }
    penalty.rider = *keys.rider;
    const int kinds = (keys.seconds ? 1 : 0) + (keys.disqualified.value_or(false) ? 1 : 0) + (keys.points ? 1 : 0);
    if (kinds != 1) {
        return Failure{mistakeAt(Kind::PenaltyKindNotOne, line)};
    }
    if (keys.seconds) {
        penalty.kind = Penalty::Kind::Time;
        penalty.seconds = static_cast<std::int32_t>(*keys.seconds);
    } else if (keys.points) {
        penalty.kind = Penalty::Kind::Points;
        penalty.points = static_cast<std::int32_t>(*keys.points);
    } else {
        penalty.kind = Penalty::Kind::Disqualified;
    }
    if (!penalty.race && penalty.kind != Penalty::Kind::Points) {
        return Failure{mistakeAt(Kind::PenaltyWithoutRace, line)};
    }
    const std::vector<std::string> exports = round.exports();
    if (penalty.race && std::find(exports.begin(), exports.end(), *penalty.race) == exports.end()) {
        SeasonMistake mistake = mistakeAt(Kind::PenaltyRaceNotInRound, line);
        mistake.race = *penalty.race;
        mistake.round.name = round.name;
        return Failure{std::move(mistake)};
    }
    return penalty;
}

Result<Penalty, SeasonMistake> readPenalty(const toml::table& table, const Round& round) {
    if (auto known = checkKeys(table, {"rider", "team", "race", "seconds", "disqualified", "points", "reason"},
                               SeasonTable::Penalty);
        !known) {
        return Failure{known.reason()};
    }
    auto keys = readPenaltyKeys(TableReader(table, lineOf(table)));
    if (!keys) {
        return Failure{keys.reason()};
    }
    return penaltyOf(*keys, lineOf(table), round);
}

// "cup_race #68 lap 7": the race, the start number and the lap; nothing when the text
// does not read so.
std::optional<LapSplit> lapSplitOf(const std::string& text) {
    std::istringstream words(text);
    std::string race;
    std::string number;
    std::string lapWord;
    std::string lap;
    std::string more;
    if (!(words >> race >> number >> lapWord >> lap) || (words >> more) || number.size() < 2 || number[0] != '#' ||
        lapWord != "lap") {
        return std::nullopt;
    }
    const auto wholeNumber = [](std::string_view digits) -> std::optional<std::int32_t> {
        if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(std::stol(std::string(digits)));
    };
    const auto startNumber = wholeNumber(std::string_view(number).substr(1));
    const auto lapNumber = wholeNumber(lap);
    if (!startNumber || !lapNumber || *lapNumber < 1) {
        return std::nullopt;
    }
    return LapSplit{race, *startNumber, *lapNumber, text, 0};
}

Result<void, SeasonMistake> readAnalyse(const TableReader& reader, Round& round) {
    auto listed = reader.texts("analyse", 0, kNoLimit, Expected::RacesToAnalyse);
    if (!listed) {
        return Failure{listed.reason()};
    }
    for (TextAtLine& race : *listed) {
        for (const RaceToAnalyse& earlier : round.analyse) {
            if (earlier.name == race.text) {
                SeasonMistake mistake = mistakeAt(Kind::AnalysedTwice, race.line);
                mistake.race = race.text;
                return Failure{std::move(mistake)};
            }
        }
        round.analyse.push_back(RaceToAnalyse{std::move(race.text), race.line});
    }
    return {};
}

Result<void, SeasonMistake> readSplits(const TableReader& reader, Round& round) {
    auto listed = reader.texts("split", 0, kNoLimit, Expected::LapsToSplit);
    if (!listed) {
        return Failure{listed.reason()};
    }
    for (TextAtLine& entry : *listed) {
        std::optional<LapSplit> split = lapSplitOf(entry.text);
        if (!split) {
            SeasonMistake mistake = mistakeAt(Kind::SplitUnreadable, entry.line);
            mistake.text = entry.text;
            return Failure{std::move(mistake)};
        }
        const bool analysed = std::any_of(round.analyse.begin(), round.analyse.end(),
                                          [&](const RaceToAnalyse& race) { return race.name == split->race; });
        if (!analysed) {
            SeasonMistake mistake = mistakeAt(Kind::SplitOfRaceNotAnalysed, entry.line);
            mistake.text = entry.text;
            mistake.race = split->race;
            return Failure{std::move(mistake)};
        }
        split->line = entry.line;
        round.splits.push_back(std::move(*split));
    }
    return {};
}

// The keys of the race night: the grid size, the races to analyse, the laps to split.
Result<void, SeasonMistake> readRaceNightKeys(const TableReader& reader, Round& round) {
    const auto size = reader.wholeNumber("grid_size", 1, kLargestGrid, Expected::GridSize);
    if (!size) {
        return Failure{size.reason()};
    }
    if (*size) {
        round.gridSize = static_cast<std::int32_t>(**size);
    }
    if (const auto analyse = readAnalyse(reader, round); !analyse) {
        return analyse;
    }
    return readSplits(reader, round);
}

Result<void, SeasonMistake> readPenalties(const TableReader& reader, Round& round) {
    const toml::node* penalties = reader.node("penalty");
    if (penalties == nullptr) {
        return {};
    }
    const toml::array* list = penalties->as_array();
    if (list == nullptr || !list->is_array_of_tables()) {
        return Failure{reader.wrongValue(*penalties, "penalty", Expected::PenaltyTables)};
    }
    for (const toml::node& item : *list) {
        auto penalty = readPenalty(*item.as_table(), round);
        if (!penalty) {
            return Failure{penalty.reason()};
        }
        round.penalties.push_back(std::move(*penalty));
    }
    return {};
}

// The name, date, exports and keep of a round.
Result<void, SeasonMistake> readRoundKeys(const TableReader& reader, Round& round) {
    const auto name = reader.text("name");
    const auto date = reader.date("date");
    if (!name || !date) {
        return Failure{!name ? name.reason() : date.reason()};
    }
    round.name = name->value_or("");
    round.date = *date;
    auto races = reader.texts("races", 0, kMaxExportsPerRound, Expected::RaceExports);
    auto qualifying = reader.texts("qualifying", 0, kMaxExportsPerRound, Expected::QualifyingExports);
    if (!races || !qualifying) {
        return Failure{!races ? races.reason() : qualifying.reason()};
    }
    if (!races->empty()) {
        round.races.push_back(ScoredRace{"Race", {}, {}, lineOf(*reader.node("races"))});
        round.races.back().exportLines = linesOnly(*races);
        round.races.back().exports = textsOnly(std::move(*races));
    }
    round.qualifyingLines = linesOnly(*qualifying);
    round.qualifying = textsOnly(std::move(*qualifying));
    const auto keep = reader.yesNo("keep");
    if (!keep) {
        return Failure{keep.reason()};
    }
    round.keep = keep->value_or(false);
    return {};
}

Result<ScoredRace, SeasonMistake> readRaceTable(const toml::table& table, std::size_t number) {
    ScoredRace race;
    race.line = lineOf(table);
    if (auto known = checkKeys(table, {"name", "exports", "points"}, SeasonTable::Race); !known) {
        return Failure{known.reason()};
    }
    const TableReader reader(table, race.line);
    const auto name = reader.text("name");
    if (!name) {
        return Failure{name.reason()};
    }
    race.name = name->value_or("Race " + std::to_string(number));
    auto exports = reader.texts("exports", 1, kMaxExportsPerRound, Expected::RaceExports);
    if (!exports) {
        return Failure{exports.reason()};
    }
    race.exportLines = linesOnly(*exports);
    race.exports = textsOnly(std::move(*exports));
    auto points = readPoints(reader, kMostPointsPlaces, Expected::RacePoints);
    if (!points) {
        return Failure{points.reason()};
    }
    race.points = std::move(*points);
    return race;
}

// The [[round.race]] tables of a round, which may not also have races = [...].
Result<void, SeasonMistake> readRaceTables(const TableReader& reader, Round& round) {
    const toml::node* tables = reader.node("race");
    if (tables == nullptr) {
        return {};
    }
    const toml::array* list = tables->as_array();
    if (list == nullptr || !list->is_array_of_tables()) {
        return Failure{reader.wrongValue(*tables, "race", Expected::RaceTables)};
    }
    if (!round.races.empty()) {
        return Failure{mistakeAt(Kind::RacesAndRaceTables, lineOf(*list->begin()))};
    }
    for (const toml::node& item : *list) {
        auto race = readRaceTable(*item.as_table(), round.races.size() + 1);
        if (!race) {
            return Failure{race.reason()};
        }
        round.races.push_back(std::move(*race));
    }
    return {};
}

// A held round: every race names its exports, and no export is in two races.
Result<void, SeasonMistake> checkRaces(const Round& round) {
    if (!std::any_of(round.races.begin(), round.races.end(), [](const ScoredRace& race) {
            return !race.exports.empty();
        })) {
        return {};
    }
    std::set<std::string> earlier;
    for (const ScoredRace& race : round.races) {
        SeasonMistake mistake = mistakeAt(Kind::RaceWithoutExports, race.line);
        mistake.race = race.name;
        if (race.exports.empty()) {
            return Failure{std::move(mistake)};
        }
        for (const std::string& name : race.exports) {
            if (!earlier.insert(name).second) {
                mistake.kind = Kind::ExportInTwoRaces;
                mistake.path = name;
                return Failure{std::move(mistake)};
            }
        }
    }
    return {};
}

Result<Round, SeasonMistake> readRound(const toml::table& table) {
    Round round;
    round.line = lineOf(table);
    if (auto known = checkKeys(table, {"name", "date", "races", "race", "qualifying", "grid_size", "analyse", "split",
                                       "keep", "penalty"},
                               SeasonTable::Round);
        !known) {
        return Failure{known.reason()};
    }
    const TableReader reader(table, round.line);
    for (const auto step : {readRoundKeys, readRaceTables, readRaceNightKeys}) {
        if (const auto read = step(reader, round); !read) {
            return Failure{read.reason()};
        }
    }
    if (round.name.empty()) {
        return Failure{mistakeAt(Kind::RoundWithoutName, round.line)};
    }
    if (const auto races = checkRaces(round); !races) {
        return Failure{races.reason()};
    }
    if (const auto penalties = readPenalties(reader, round); !penalties) {
        return Failure{penalties.reason()};
    }
    return round;
}

Result<void, SeasonMistake> readRiders(const toml::node& node, SeasonFile& season) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        return Failure{mistakeAt(Kind::RidersNotATable, lineOf(node))};
    }
    for (auto&& [key, value] : *table) {
        if (!value.is_string()) {
            SeasonMistake mistake = mistakeAt(Kind::RiderNameNotText, lineOf(value));
            mistake.rider = std::string(key.str());
            return Failure{std::move(mistake)};
        }
        season.riderNames.emplace_back(std::string(key.str()), value.as_string()->get());
    }
    return {};
}

/// The mistakes of a table of rider groups: not a table, a group without riders, a
/// rider that is not a text.
struct GroupMistakes {
    Kind notATable;
    Kind withoutRiders;
    Kind riderNotText;
};

// A table whose keys name groups of riders: "name" = ["rider", ...].
Result<std::vector<RiderGroup>, SeasonMistake> readGroups(const toml::node& node, const GroupMistakes& kinds) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        return Failure{mistakeAt(kinds.notATable, lineOf(node))};
    }
    std::vector<RiderGroup> groups;
    for (auto&& [key, value] : *table) {
        RiderGroup group{std::string(key.str()), {}, lineOf(value)};
        SeasonMistake mistake = mistakeAt(kinds.withoutRiders, lineOf(value));
        mistake.team = group.name;
        const toml::array* riders = value.as_array();
        if (riders == nullptr || riders->empty()) {
            return Failure{std::move(mistake)};
        }
        for (const toml::node& rider : *riders) {
            if (!rider.is_string()) {
                mistake.kind = kinds.riderNotText;
                mistake.line = lineOf(rider);
                return Failure{std::move(mistake)};
            }
            group.riders.push_back(rider.as_string()->get());
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

Result<void, SeasonMistake> readTeams(const toml::node& node, SeasonFile& season) {
    auto teams = readGroups(node, {Kind::TeamsNotATable, Kind::TeamWithoutRiders, Kind::TeamRiderNotText});
    if (!teams) {
        return Failure{teams.reason()};
    }
    season.teams = std::move(*teams);
    return {};
}

Result<void, SeasonMistake> readClasses(const toml::node& node, SeasonFile& season) {
    auto classes = readGroups(node, {Kind::ClassesNotATable, Kind::ClassWithoutRiders, Kind::ClassRiderNotText});
    if (!classes) {
        return Failure{classes.reason()};
    }
    // The parser keeps a table's keys in the order of their names: the classes are
    // shown in the order the season file lists them.
    season.classes = std::move(*classes);
    std::stable_sort(season.classes.begin(), season.classes.end(),
                     [](const RiderClass& a, const RiderClass& b) { return a.line < b.line; });
    // Two names that differ only in letter case name one class twice.
    std::set<std::string> named;
    for (const RiderClass& riderClass : season.classes) {
        if (!named.insert(foldedCase(riderClass.name)).second) {
            SeasonMistake mistake = mistakeAt(Kind::ClassNamedTwice, riderClass.line);
            mistake.team = riderClass.name;
            return Failure{std::move(mistake)};
        }
    }
    return {};
}

// A season file that is not UTF-8 is refused where its first stray byte stands; the
// parser would only name an invalid byte.
Result<void, SeasonMistake> checkUtf8(std::string_view text) {
    const std::size_t valid = validUtf8Length(text);
    if (valid == text.size()) {
        return {};
    }
    const std::string_view before = text.substr(0, valid);
    const std::size_t lineStart = before.rfind('\n') + 1;  // 0 when there is none
    const auto letters = std::count_if(before.begin() + static_cast<std::ptrdiff_t>(lineStart), before.end(),
                                       [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; });
    SeasonMistake mistake = mistakeAt(Kind::NotUtf8, std::count(before.begin(), before.end(), '\n') + 1);
    mistake.column = letters + 1;
    return Failure{std::move(mistake)};
}

// The file parsed as TOML: first its plain copy, then, when that is TOML, the file.
Result<toml::table, SeasonMistake> parseToml(std::string_view text, const std::string& name) {
    const PlainCopy plain = plainCopyOf(text);
    const auto notToml = [&](const toml::parse_error& error) {
        const Place at{static_cast<std::int64_t>(error.source().begin.line),
                       static_cast<std::int64_t>(error.source().begin.column)};
        SeasonMistake mistake = mistakeAt(Kind::NotToml, at.line);
        mistake.column = at.column;
        if (plain.letters.count(at) > 0) {
            mistake.kind = Kind::LetterOutsideQuotes;
        } else if (plain.afterLineEndingBackslash.count(at) > 0) {
            mistake.kind = Kind::LetterAfterLineEndingBackslash;
        } else {
            mistake.text = std::string(error.description());
            TomlHintFound hint = tomlHintFor(mistake.text, lineOfText(text, at.line));
            mistake.hint = hint.hint;
            mistake.writeInstead = std::move(hint.writeInstead);
        }
        return Failure{std::move(mistake)};
    };
    if (toml::parse_result checked = toml::parse(plain.text, std::string_view{name}); !checked) {
        return notToml(checked.error());
    }
    toml::parse_result parsed = toml::parse(text, std::string_view{name});
    if (!parsed) {
        return notToml(parsed.error());
    }
    return std::move(parsed).table();
}

// The season's own keys: title, simulator, points, pole points, drops and output.
Result<void, SeasonMistake> readSeasonKeys(const toml::table& top, const std::string& stem, SeasonFile& season) {
    const TableReader reader(top, 1);
    const auto title = reader.text("title");
    const auto simulator = reader.text("simulator");
    auto points = readPoints(reader, kNoLimit, Expected::PointsTable);
    const auto pole = reader.wholeNumber("pole_points", 0, kMostPoints, Expected::PolePoints);
    const auto drops = reader.wholeNumber("drop_worst", 0, kMostDrops, Expected::Drops);
    const auto output = reader.text("output");
    const auto overall = reader.yesNo("overall_standings");
    // The first mistake in the order of the keys above.
    for (const auto* text : {&title, &simulator}) {
        if (!*text) {
            return Failure{text->reason()};
        }
    }
    if (!points) {
        return Failure{points.reason()};
    }
    for (const auto* number : {&pole, &drops}) {
        if (!*number) {
            return Failure{number->reason()};
        }
    }
    if (!output || !overall) {
        return Failure{!output ? output.reason() : overall.reason()};
    }
    season.overallStandings = overall->value_or(true);
    season.title = title->value_or(stem);
    season.simulator = *simulator;
    season.points = std::move(*points);
    season.polePoints = static_cast<std::int32_t>(pole->value_or(0));
    season.dropWorst = static_cast<std::int32_t>(drops->value_or(0));
    season.output = output->value_or(stem);
    if (season.output.empty()) {
        return Failure{mistakeAt(Kind::OutputEmpty, lineOf(*top.get("output")))};
    }
    return {};
}

Result<void, SeasonMistake> readRounds(const toml::node& rounds, SeasonFile& season) {
    const toml::array* list = rounds.as_array();
    if (list == nullptr || !list->is_array_of_tables()) {
        return Failure{wrongValueAt(rounds, "round", Expected::RoundTables, 1)};
    }
    for (const toml::node& item : *list) {
        auto round = readRound(*item.as_table());
        if (!round) {
            return Failure{round.reason()};
        }
        season.rounds.push_back(std::move(*round));
    }
    return {};
}

}  // namespace

std::vector<std::string> Round::exports() const {
    std::vector<std::string> all;
    for (const ScoredRace& race : races) {
        all.insert(all.end(), race.exports.begin(), race.exports.end());
    }
    return all;
}

std::string seasonStem(std::string_view fileName) {
    constexpr std::string_view kSuffix = ".toml";
    if (fileName.size() > kSuffix.size() && fileName.substr(fileName.size() - kSuffix.size()) == kSuffix) {
        fileName.remove_suffix(kSuffix.size());
    }
    return std::string(fileName);
}

Result<SeasonFile, SeasonMistake> readSeasonFile(std::string_view text, std::string_view fileName) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (const auto utf8 = checkUtf8(text); !utf8) {
        return Failure{utf8.reason()};
    }
    auto parsed = parseToml(text, std::string(fileName));
    if (!parsed) {
        return Failure{parsed.reason()};
    }
    const toml::table& top = *parsed;
    if (auto known = checkKeys(top, {"title", "simulator", "points", "pole_points", "drop_worst", "output", "riders",
                                     "teams", "classes", "overall_standings", "round"},
                               SeasonTable::Top);
        !known) {
        return Failure{known.reason()};
    }
    SeasonFile season;
    const std::string stem = seasonStem(fileName.substr(fileName.find_last_of("/\\") + 1));
    if (const auto keys = readSeasonKeys(top, stem, season); !keys) {
        return Failure{keys.reason()};
    }
    const std::pair<const char*, Result<void, SeasonMistake> (*)(const toml::node&, SeasonFile&)> tables[] = {
        {"riders", readRiders}, {"teams", readTeams}, {"classes", readClasses}, {"round", readRounds}};
    for (const auto& [key, read] : tables) {
        if (const toml::node* node = top.get(key)) {
            if (const auto done = read(*node, season); !done) {
                return Failure{done.reason()};
            }
        }
    }
    return season;
}

}  // namespace league::season
