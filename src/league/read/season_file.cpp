#include "league/read/season_file.hpp"

#include "league/read/name_text.hpp"

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

// The first mistake found stops the reading; it is thrown no further than this file.
struct Mistake {
    std::int64_t line;
    std::string text;
};

std::int64_t lineOf(const toml::node& node) {
    return static_cast<std::int64_t>(node.source().begin.line);
}

// Every key of `table` must be one of `known`.
void checkKeys(const toml::table& table, std::initializer_list<std::string_view> known, std::string_view where,
               std::optional<Mistake>& mistake) {
    for (auto&& [key, node] : table) {
        if (mistake) {
            return;
        }
        bool isKnown = false;
        for (const std::string_view name : known) {
            isKnown = isKnown || key.str() == name;
        }
        if (!isKnown) {
            const auto line = key.source().begin.line != 0 ? static_cast<std::int64_t>(key.source().begin.line)
                                                           : lineOf(node);
            mistake = Mistake{line, "unknown key \"" + std::string(key.str()) + "\"" + std::string(where)};
        }
    }
}

// Reads the values of one table, remembering the first mistake; after a mistake every
// read gives its default, so that the caller can go on without checks of its own.
class TableReader {
public:
    TableReader(const toml::table& table, std::optional<Mistake>& mistake, std::int64_t line)
        : table_(table), mistake_(mistake), line_(line) {}

    const toml::node* node(std::string_view key) const { return mistake_ ? nullptr : table_.get(key); }

    std::optional<std::string> text(std::string_view key, std::string_view what = "a text in quotes") {
        const toml::node* value = node(key);
        if (value == nullptr) {
            return std::nullopt;
        }
        if (!value->is_string()) {
            wrongType(*value, key, what);
            return std::nullopt;
        }
        return value->as_string()->get();
    }

    std::optional<std::int64_t> wholeNumber(std::string_view key, std::int64_t lowest, std::int64_t highest,
                                            std::string_view what) {
        const toml::node* value = node(key);
        if (value == nullptr) {
            return std::nullopt;
        }
        if (!value->is_integer() || value->as_integer()->get() < lowest || value->as_integer()->get() > highest) {
            wrongType(*value, key, what);
            return std::nullopt;
        }
        return value->as_integer()->get();
    }

    std::optional<bool> yesNo(std::string_view key) {
        const toml::node* value = node(key);
        if (value == nullptr) {
            return std::nullopt;
        }
        if (!value->is_boolean()) {
            wrongType(*value, key, "true or false");
            return std::nullopt;
        }
        return value->as_boolean()->get();
    }

    std::optional<std::string> date(std::string_view key) {
        const toml::node* value = node(key);
        if (value == nullptr) {
            return std::nullopt;
        }
        if (!value->is_date()) {
            wrongType(*value, key, "a date such as 2026-03-14 (without quotes)");
            return std::nullopt;
        }
        const toml::date day = value->as_date()->get();
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(day.year), static_cast<int>(day.month),
                      static_cast<int>(day.day));
        return std::string(text);
    }

    /// A list of texts, from `fewest` to `most` of them, each with its line.
    std::vector<std::pair<std::string, std::int64_t>> textsWithLines(std::string_view key, std::size_t fewest,
                                                                     std::size_t most, std::string_view what) {
        std::vector<std::pair<std::string, std::int64_t>> result;
        const toml::node* value = node(key);
        if (value == nullptr) {
            return result;
        }
        const toml::array* list = value->as_array();
        if (list == nullptr || list->size() < fewest || list->size() > most) {
            wrongType(*value, key, what);
            return result;
        }
        for (const toml::node& item : *list) {
            if (!item.is_string()) {
                wrongType(item, key, what);
                return {};
            }
            result.emplace_back(item.as_string()->get(), lineOf(item) != 0 ? lineOf(item) : lineOf(*value));
        }
        return result;
    }

    /// A list of texts, from `fewest` to `most` of them.
    std::vector<std::string> texts(std::string_view key, std::size_t fewest, std::size_t most, std::string_view what) {
        std::vector<std::string> result;
        for (auto& [text, line] : textsWithLines(key, fewest, most, what)) {
            result.push_back(std::move(text));
        }
        return result;
    }

    void fail(std::int64_t line, std::string text) {
        if (!mistake_) {
            mistake_ = Mistake{line, std::move(text)};
        }
    }

    void wrongType(const toml::node& value, std::string_view key, std::string_view what) {
        const std::int64_t line = lineOf(value) != 0 ? lineOf(value) : line_;
        fail(line, std::string(key) + " must be " + std::string(what));
    }

    std::int64_t line() const { return line_; }

private:
    const toml::table& table_;
    std::optional<Mistake>& mistake_;
    std::int64_t line_;
};

std::vector<std::int32_t> readPoints(TableReader& reader) {
    std::vector<std::int32_t> points;
    const toml::node* value = reader.node("points");
    if (value == nullptr) {
        return points;
    }
    const toml::array* list = value->as_array();
    const std::string what = "a list of whole numbers from 0 to " + std::to_string(kMostPoints) + ", such as [25, 20, 16]";
    if (list == nullptr || list->empty()) {
        reader.wrongType(*value, "points", what);
        return points;
    }
    for (const toml::node& item : *list) {
        if (!item.is_integer() || item.as_integer()->get() < 0 || item.as_integer()->get() > kMostPoints) {
            reader.wrongType(item, "points", what);
            return {};
        }
        points.push_back(static_cast<std::int32_t>(item.as_integer()->get()));
    }
    return points;
}

Penalty readPenalty(const toml::table& table, const Round& round, std::optional<Mistake>& mistake) {
    Penalty penalty;
    penalty.line = lineOf(table);
    checkKeys(table, {"rider", "race", "seconds", "disqualified", "points", "reason"}, " in a [[round.penalty]]",
              mistake);
    TableReader reader(table, mistake, penalty.line);
    const auto rider = reader.text("rider");
    penalty.race = reader.text("race");
    const auto seconds = reader.wholeNumber("seconds", 1, kLongestTimePenalty, "a whole number of seconds from 1 to 86400");
    const auto disqualified = reader.yesNo("disqualified");
    const auto points = reader.wholeNumber("points", -kMostPoints, kMostPoints,
                                           "a whole number from -" + std::to_string(kMostPoints) + " to " +
                                               std::to_string(kMostPoints) + ", such as -3");
    penalty.reason = reader.text("reason").value_or("");
    if (mistake) {
        return penalty;
    }
    if (!rider || rider->empty()) {
        reader.fail(penalty.line, "a penalty must name its rider (rider = \"...\")");
        return penalty;
    }
    penalty.rider = *rider;
    const int kinds = (seconds ? 1 : 0) + (disqualified.value_or(false) ? 1 : 0) + (points ? 1 : 0);
    if (kinds != 1) {
        reader.fail(penalty.line, "a penalty must have exactly one of seconds = ..., disqualified = true or points = ...");
        return penalty;
    }
    if (seconds) {
        penalty.kind = Penalty::Kind::Time;
        penalty.seconds = static_cast<std::int32_t>(*seconds);
    } else if (points) {
        penalty.kind = Penalty::Kind::Points;
        penalty.points = static_cast<std::int32_t>(*points);
    } else {
        penalty.kind = Penalty::Kind::Disqualified;
    }
    if (!penalty.race && penalty.kind != Penalty::Kind::Points) {
        reader.fail(penalty.line, "a time penalty or a disqualification must name its race (race = \"...\")");
        return penalty;
    }
    if (penalty.race) {
        bool inRound = false;
        for (const std::string& race : round.races) {
            inRound = inRound || race == *penalty.race;
        }
        if (!inRound) {
            reader.fail(penalty.line, "the penalty's race \"" + *penalty.race + "\" is not a race of round \"" +
                                          round.name + "\"");
        }
    }
    return penalty;
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

// A list of any length.
constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

void readRaceNightKeys(TableReader& reader, Round& round) {
    if (const auto size = reader.wholeNumber("grid_size", 1, kLargestGrid,
                                             "a whole number of riders from 1 to " + std::to_string(kLargestGrid))) {
        round.gridSize = static_cast<std::int32_t>(*size);
    }
    for (auto& [name, line] :
         reader.textsWithLines("analyse", 0, kNoLimit, "a list of races to analyse, such as [\"cup_race\"]")) {
        for (const RaceToAnalyse& earlier : round.analyse) {
            if (earlier.name == name) {
                reader.fail(line, "analyse names \"" + name + "\" twice");
            }
        }
        round.analyse.push_back(RaceToAnalyse{std::move(name), line});
    }
    for (auto& [text, line] :
         reader.textsWithLines("split", 0, kNoLimit, "a list of laps to split, such as [\"cup_race #68 lap 7\"]")) {
        std::optional<LapSplit> split = lapSplitOf(text);
        if (!split) {
            reader.fail(line, "the split \"" + text + "\" must read \"race #number lap n\", such as \"cup_race #68 lap 7\"");
            return;
        }
        const bool analysed = std::any_of(round.analyse.begin(), round.analyse.end(),
                                          [&](const RaceToAnalyse& race) { return race.name == split->race; });
        if (!analysed) {
            reader.fail(line, "the split \"" + text + "\" names the race \"" + split->race +
                                  "\", which is not in this round's analyse list");
            return;
        }
        split->line = line;
        round.splits.push_back(std::move(*split));
    }
}

Round readRound(const toml::table& table, std::optional<Mistake>& mistake) {
    Round round;
    round.line = lineOf(table);
    checkKeys(table, {"name", "date", "races", "qualifying", "grid_size", "analyse", "split", "keep", "penalty"},
              " in a [[round]]", mistake);
    TableReader reader(table, mistake, round.line);
    round.name = reader.text("name").value_or("");
    round.date = reader.date("date");
    round.races = reader.texts("races", 0, kMaxExportsPerRound, "a list of 1 to 4 race exports, such as [\"race_g1\"]");
    round.qualifying =
        reader.texts("qualifying", 0, kMaxExportsPerRound, "a list of 1 to 4 qualifying exports, such as [\"practice_g1\"]");
    round.keep = reader.yesNo("keep").value_or(false);
    readRaceNightKeys(reader, round);
    if (!mistake && round.name.empty()) {
        reader.fail(round.line, "a round must have a name (name = \"...\")");
    }
    if (const toml::node* penalties = reader.node("penalty")) {
        const toml::array* list = penalties->as_array();
        if (list == nullptr || !list->is_array_of_tables()) {
            reader.wrongType(*penalties, "penalty", "a list of [[round.penalty]] tables");
            return round;
        }
        for (const toml::node& item : *list) {
            round.penalties.push_back(readPenalty(*item.as_table(), round, mistake));
        }
    }
    return round;
}

void readRiders(const toml::node& node, SeasonFile& season, std::optional<Mistake>& mistake) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        mistake = Mistake{lineOf(node), "riders must be a table: [riders] with lines \"name in exports\" = \"league name\""};
        return;
    }
    for (auto&& [key, value] : *table) {
        if (!value.is_string()) {
            mistake = Mistake{lineOf(value), "the league name of \"" + std::string(key.str()) + "\" must be a text in quotes"};
            return;
        }
        season.riderNames.emplace_back(std::string(key.str()), value.as_string()->get());
    }
}

void readTeams(const toml::node& node, SeasonFile& season, std::optional<Mistake>& mistake) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        mistake = Mistake{lineOf(node), "teams must be a table: [teams] with lines \"team\" = [\"rider\", ...]"};
        return;
    }
    for (auto&& [key, value] : *table) {
        Team team{std::string(key.str()), {}, lineOf(value)};
        const toml::array* riders = value.as_array();
        if (riders == nullptr || riders->empty()) {
            mistake = Mistake{lineOf(value), "team \"" + team.name + "\" must list its riders: [\"rider\", ...]"};
            return;
        }
        for (const toml::node& rider : *riders) {
            if (!rider.is_string()) {
                mistake = Mistake{lineOf(rider), "team \"" + team.name + "\" must list its riders as texts in quotes"};
                return;
            }
            team.riders.push_back(rider.as_string()->get());
        }
        season.teams.push_back(std::move(team));
    }
}

}  // namespace

std::string seasonStem(std::string_view fileName) {
    constexpr std::string_view kSuffix = ".toml";
    if (fileName.size() > kSuffix.size() && fileName.substr(fileName.size() - kSuffix.size()) == kSuffix) {
        fileName.remove_suffix(kSuffix.size());
    }
    return std::string(fileName);
}

SeasonFileOutcome readSeasonFile(std::string_view text, std::string_view fileName) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::string name(fileName);
    // A file saved in a character set of one byte per letter (Windows-1252, say) is
    // refused with how to mend it; the parser would only name an invalid byte.
    if (const std::size_t valid = validUtf8Length(text); valid < text.size()) {
        const std::string_view before = text.substr(0, valid);
        const std::size_t lineStart = before.rfind('\n') + 1;  // 0 when there is none
        const auto letters = std::count_if(before.begin() + static_cast<std::ptrdiff_t>(lineStart), before.end(),
                                           [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; });
        return {std::nullopt, name + ", line " + std::to_string(std::count(before.begin(), before.end(), '\n') + 1) +
                                  ", column " + std::to_string(letters + 1) +
                                  ": this is not UTF-8 text; save the season file as UTF-8 (in Notepad: File, Save as, "
                                  "Encoding UTF-8)"};
    }
    const PlainCopy plain = plainCopyOf(text);
    const auto notToml = [&](const toml::parse_error& error) {
        const Place at{static_cast<std::int64_t>(error.source().begin.line),
                       static_cast<std::int64_t>(error.source().begin.column)};
        std::ostringstream message;
        message << name << ", line " << at.line << ", column " << at.column << ": this is not TOML: ";
        if (plain.letters.count(at) > 0) {
            message << "a letter beyond plain ASCII outside quotes or right after a backslash (write names with such "
                       "letters in quotes: "
                       "\"Jos\u00E9\" = ...)";
        } else if (plain.afterLineEndingBackslash.count(at) > 0) {
            message << "a letter beyond plain ASCII right after a line-ending backslash (write it as \\u00E9)";
        } else {
            message << error.description();
        }
        return SeasonFileOutcome{std::nullopt, message.str()};
    };
    if (toml::parse_result checked = toml::parse(plain.text, std::string_view{name}); !checked) {
        return notToml(checked.error());
    }
    toml::parse_result parsed = toml::parse(text, std::string_view{name});
    if (!parsed) {
        return notToml(parsed.error());
    }
    const toml::table& top = parsed.table();
    std::optional<Mistake> mistake;
    checkKeys(top, {"title", "simulator", "points", "pole_points", "drop_worst", "output", "riders", "teams", "round"},
              "", mistake);

    SeasonFile season;
    TableReader reader(top, mistake, 1);
    const std::string stem = seasonStem(fileName.substr(fileName.find_last_of("/\\") + 1));
    season.title = reader.text("title").value_or(stem);
    season.simulator = reader.text("simulator");
    season.points = readPoints(reader);
    season.polePoints = static_cast<std::int32_t>(
        reader.wholeNumber("pole_points", 0, kMostPoints, "a whole number from 0 to " + std::to_string(kMostPoints))
            .value_or(0));
    season.dropWorst = static_cast<std::int32_t>(
        reader.wholeNumber("drop_worst", 0, kMostDrops, "a whole number from 0 to " + std::to_string(kMostDrops))
            .value_or(0));
    season.output = reader.text("output").value_or(stem);
    if (!mistake && season.output.empty()) {
        reader.fail(lineOf(*top.get("output")), "output must name a folder");
    }
    if (const toml::node* riders = reader.node("riders")) {
        readRiders(*riders, season, mistake);
    }
    if (const toml::node* teams = reader.node("teams")) {
        readTeams(*teams, season, mistake);
    }
    if (const toml::node* rounds = reader.node("round")) {
        const toml::array* list = rounds->as_array();
        if (list == nullptr || !list->is_array_of_tables()) {
            reader.wrongType(*rounds, "round", "a list of [[round]] tables");
        } else {
            for (const toml::node& item : *list) {
                season.rounds.push_back(readRound(*item.as_table(), mistake));
            }
        }
    }
    if (mistake) {
        return {std::nullopt, name + ", line " + std::to_string(mistake->line) + ": " + mistake->text};
    }
    return {std::move(season), {}};
}

}  // namespace league::season
