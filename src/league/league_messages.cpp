#include "league/league_messages.hpp"

#include "league/read/season_file.hpp"

#include "common/time_text.hpp"

namespace league::season {

namespace {

using Kind = SeasonMistake::Kind;

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// "Round 2 (Harbour Loop)".
std::string roundText(const RoundName& round) {
    return "Round " + std::to_string(round.number) + " (" + round.name + ")";
}

// "(round 2, Harbour Loop)".
std::string ofRound(const RoundName& round) {
    return "(round " + std::to_string(round.number) + ", " + round.name + ")";
}

std::string expectedText(Expected expected) {
    const std::string most = std::to_string(kMostPoints);
    switch (expected) {
    case Expected::Text:
        return "a text in quotes";
    case Expected::YesNo:
        return "true or false";
    case Expected::Date:
        return "a date such as 2026-03-14 (without quotes)";
    case Expected::PolePoints:
        return "a whole number from 0 to " + most;
    case Expected::Drops:
        return "a whole number from 0 to " + std::to_string(kMostDrops);
    case Expected::GridSize:
        return "a whole number of riders from 1 to " + std::to_string(kLargestGrid);
    case Expected::Seconds:
        return "a whole number of seconds from 1 to " + std::to_string(kLongestTimePenalty);
    case Expected::PointsPenalty:
        return "a whole number from -" + most + " to " + most + ", such as -3";
    case Expected::PointsTable:
        return "a list of whole numbers from 0 to " + most + ", such as [25, 20, 16]";
    case Expected::RaceExports:
        return "a list of 1 to " + std::to_string(kMaxExportsPerRound) + " race exports, such as [\"race_g1\"]";
    case Expected::RacePoints:
        return "a list of 1 to " + std::to_string(kMostPointsPlaces) + " whole numbers from 0 to " + most +
               ", such as [12, 9, 7]";
    case Expected::RaceTables:
        return "a list of [[round.race]] tables";
    case Expected::QualifyingExports:
        return "a list of 1 to " + std::to_string(kMaxExportsPerRound) +
               " qualifying exports, such as [\"practice_g1\"]";
    case Expected::RacesToAnalyse:
        return "a list of races to analyse, such as [\"cup_race\"]";
    case Expected::LapsToSplit:
        return "a list of laps to split, such as [\"cup_race #68 lap 7\"]";
    case Expected::PenaltyTables:
        return "a list of [[round.penalty]] tables";
    case Expected::RoundTables:
        return "a list of [[round]] tables";
    }
    return {};
}

std::string tableText(SeasonTable table) {
    switch (table) {
    case SeasonTable::Round:
        return " in a [[round]]";
    case SeasonTable::Race:
        return " in a [[round.race]]";
    case SeasonTable::Penalty:
        return " in a [[round.penalty]]";
    case SeasonTable::Top:
        break;
    }
    return {};
}

// What to write instead where the season file is not TOML, after the parser's words:
// ". Write a date as year-month-day, without quotes: date = 2026-02-07".
std::string tomlHintText(const SeasonMistake& mistake) {
    std::string hint;
    switch (mistake.hint) {
    case TomlHint::FolderInSingleQuotes:
        hint = ". In double quotes a backslash starts an escape: write a Windows folder in single quotes, as the "
               "template does";
        break;
    case TomlHint::YearMonthDay:
        hint = ". Write a date as year-month-day, without quotes";
        break;
    case TomlHint::ClosingQuote:
        hint = ". A text needs its closing quote on the same line";
        break;
    case TomlHint::None:
        return {};
    }
    return hint + (mistake.writeInstead.empty() ? "" : ": " + mistake.writeInstead);
}

// "; the closest names in the exports folder: race_g1, race_g2, race_g3", or "".
std::string closestNamesText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "; the closest names in the exports folder: " : ", ") + name;
    }
    return text;
}

// A mistake of the season file's text, after "cup2026.toml, line 3, column 7: ".
std::string textMistake(const SeasonMistake& mistake) {
    switch (mistake.kind) {
    case Kind::NotUtf8:
        return "this is not UTF-8 text; save the season file as UTF-8 (in Notepad: File, Save as, Encoding UTF-8)";
    case Kind::LetterOutsideQuotes:
        return "this is not TOML: a letter beyond plain ASCII outside quotes or right after a backslash (write names "
               "with such letters in quotes: \"Jos\u00E9\" = ...)";
    case Kind::LetterAfterLineEndingBackslash:
        return "this is not TOML: a letter beyond plain ASCII right after a line-ending backslash (write it as "
               "\\u00E9)";
    default:
        break;
    }
    return "this is not TOML: " + mistake.text + tomlHintText(mistake);
}

// A mistake of [teams] or [classes], after "cup2026.toml, line 5: "; "" for another.
std::string groupMistake(const SeasonMistake& mistake) {
    switch (mistake.kind) {
    case Kind::TeamsNotATable:
        return "teams must be a table: [teams] with lines \"team\" = [\"rider\", ...]";
    case Kind::TeamWithoutRiders:
        return "team " + quoted(mistake.team) + " must list its riders: [\"rider\", ...]";
    case Kind::TeamRiderNotText:
        return "team " + quoted(mistake.team) + " must list its riders as texts in quotes";
    case Kind::ClassesNotATable:
        return "classes must be a table: [classes] with lines \"class\" = [\"rider\", ...]";
    case Kind::ClassWithoutRiders:
        return "class " + quoted(mistake.team) + " must list its riders: [\"rider\", ...]";
    case Kind::ClassRiderNotText:
        return "class " + quoted(mistake.team) + " must list its riders as texts in quotes";
    case Kind::ClassNamedTwice:
        return "the class " + quoted(mistake.team) + " is named twice";
    default:
        break;
    }
    return {};
}

// A mistake of a key or table of the season file, after "cup2026.toml, line 5: ".
std::string keyMistake(const SeasonMistake& mistake) {
    if (std::string group = groupMistake(mistake); !group.empty()) {
        return group;
    }
    switch (mistake.kind) {
    case Kind::UnknownKey:
        return "unknown key " + quoted(mistake.key) + tableText(mistake.table);
    case Kind::WrongValue:
        return mistake.key + " must be " + expectedText(mistake.expected);
    case Kind::OutputEmpty:
        return "output must name a folder";
    case Kind::RidersNotATable:
        return "riders must be a table: [riders] with lines \"name in exports\" = \"league name\"";
    case Kind::RiderNameNotText:
        return "the league name of " + quoted(mistake.rider) + " must be a text in quotes";
    case Kind::RoundWithoutName:
        return "a round must have a name (name = \"...\")";
    case Kind::AnalysedTwice:
        return "analyse names " + quoted(mistake.race) + " twice";
    case Kind::SplitUnreadable:
        return "the split " + quoted(mistake.text) + " must read \"race #number lap n\", such as \"cup_race #68 lap 7\"";
    case Kind::SplitOfRaceNotAnalysed:
        return "the split " + quoted(mistake.text) + " names the race " + quoted(mistake.race) +
               ", which is not in this round's analyse list";
    case Kind::PenaltyWithoutRider:
        return "a penalty must name its rider (rider = \"...\")";
    case Kind::PenaltyOfRiderAndTeam:
        return "a penalty is either a rider's (rider = \"...\") or a team's (team = \"...\"), not both";
    case Kind::TeamPenaltyNotPoints:
        return "the penalty of team " + quoted(mistake.team) +
               " can only take points off its total (points = -5, without race, seconds or disqualified)";
    case Kind::PenaltyKindNotOne:
        return "a penalty must have exactly one of seconds = ..., disqualified = true or points = ...";
    case Kind::PenaltyWithoutRace:
        return "a time penalty or a disqualification must name its race (race = \"...\")";
    case Kind::PenaltyRaceNotInRound:
        return "the penalty's race " + quoted(mistake.race) + " is not a race of round " + quoted(mistake.round.name);
    case Kind::RacesAndRaceTables:
        return "a round has either races = [...] or [[round.race]] tables, not both";
    case Kind::RaceWithoutExports:
        return "the race " + quoted(mistake.race) +
               " must name its exports (exports = [\"...\"]), as the round's other races do";
    case Kind::ExportInTwoRaces:
        return "the export " + quoted(mistake.path) + " is in two races of the round (again in " +
               quoted(mistake.race) + ")";
    default:
        break;
    }
    return {};
}

// Why a split names a lap that Quorrin does not ask about, after "the split "...": ".
std::string splitMistake(const SeasonMistake& mistake) {
    const std::string rider = "#" + std::to_string(mistake.number) + " " + mistake.rider;
    switch (mistake.kind) {
    case Kind::SplitRiderMissing:
        return "there is no rider #" + std::to_string(mistake.number) + " in " + mistake.race;
    case Kind::SplitLapBeyondLaps:
        return rider + " has " + std::to_string(mistake.laps) + (mistake.laps == 1 ? " lap" : " laps") + " in " +
               mistake.race;
    case Kind::SplitRiderHasMostLaps:
        return rider + " has " + std::to_string(mistake.laps) +
               " laps, the most a race holds: no lap of theirs can be split";
    default:
        break;
    }
    const std::string threshold = mistake.lap == 1 ? "twice the best lap " + formatLapTime(mistake.bestLap)
                                                   : "1.85 times the best lap " + formatLapTime(mistake.bestLap);
    return "lap " + std::to_string(mistake.lap) + " of " + rider + " (" + formatLapTime(mistake.lapTime) +
           ") is not slow enough for Quorrin to ask about it: it asks about laps of more than " + threshold;
}

// A mistake about a file the season file names or a rule it breaks, with its line.
std::string fileOrRuleMistake(const SeasonMistake& mistake) {
    const std::string ofRace = " of the race " + quoted(mistake.race) + " to analyse " + ofRound(mistake.round);
    switch (mistake.kind) {
    case Kind::ReplayMissing:
        return "can't find the replay " + mistake.path + ofRace;
    case Kind::ReplayDamaged:
        return "the lap table of the replay " + mistake.path + " is damaged" + ofRace;
    case Kind::AnalysedExportMissing:
        return "can't find the export " + mistake.path + ofRace;
    case Kind::PenaltyRiderNotInRace:
        return "the penalty's rider " + quoted(mistake.rider) + " is not in race " + quoted(mistake.race) + " of " +
               roundText(mistake.round);
    case Kind::PenaltyInRoundToCome:
        return "round " + quoted(mistake.round.name) + " has no races yet, so it can have no penalty";
    case Kind::PenaltyTeamUnknown:
        return "the penalty's team " + quoted(mistake.team) + " is not a team of [teams]";
    case Kind::PenaltyRiderNeverRode:
        return "the penalty's rider " + quoted(mistake.rider) + " has ridden no round of the season";
    case Kind::ClassListsRiderTwice:
        return "class " + quoted(mistake.team) + " lists the rider " + quoted(mistake.rider) + " twice";
    case Kind::RiderInTwoClasses:
        return "the rider " + quoted(mistake.rider) + " is in class " + quoted(mistake.otherTeam) +
               " and in class " + quoted(mistake.team);
    case Kind::TeamListsRiderTwice:
        return "team " + quoted(mistake.team) + " lists the rider " + quoted(mistake.rider) + " twice";
    case Kind::RiderInTwoTeams:
        return "the rider " + quoted(mistake.rider) + " is in team " + quoted(mistake.otherTeam) + " and in team " +
               quoted(mistake.team);
    default:
        break;
    }
    return "the split " + quoted(mistake.text) + ": " + splitMistake(mistake);
}

// "Round 1 (Kestrel Bay): the grids of the race "Race" ran different distances
// (race_g1 10 laps, race_g2 8 laps): each rider is judged by his own grid's finish,
// and every time brought to the 10 laps of race_g1".
std::string gridDistancesText(const SeasonWarning& warning) {
    std::string grids;
    std::string common;
    for (const auto& [name, laps] : warning.grids) {
        grids += (grids.empty() ? "" : ", ") + name + " " + std::to_string(laps) + (laps == 1 ? " lap" : " laps");
        if (common.empty() && laps != 0) {
            common = std::to_string(laps) + (laps == 1 ? " lap of " : " laps of ") + name;
        }
    }
    return roundText(warning.round) + ": the grids of the race " + quoted(warning.race) +
           " ran different distances (" + grids + "): each rider is judged by his own grid's finish, and every "
           "time brought to the " + common + " by the rider's average lap";
}

}  // namespace

std::string mistakeText(const SeasonMistake& mistake, std::string_view seasonFileName) {
    const std::string file(seasonFileName);
    const std::string atLine = file + ", line " + std::to_string(mistake.line);
    switch (mistake.kind) {
    case Kind::SeasonFileUnreadable:
        return "Can't read the season file " + file;
    case Kind::NotUtf8:
    case Kind::NotToml:
    case Kind::LetterOutsideQuotes:
    case Kind::LetterAfterLineEndingBackslash:
        return atLine + ", column " + std::to_string(mistake.column) + ": " + textMistake(mistake);
    case Kind::NoSimulatorFolder:
        return "No simulator folder: " + file + " has no simulator = '...' line and there is no Quorrin.ini beside it";
    case Kind::SimulatorFolderMissing:
        return "The simulator folder " + mistake.path + " does not exist" +
               (mistake.fromSeasonFile ? " (simulator = in " + file + ")" : " (from Quorrin.ini)");
    case Kind::ExportMissing:
        return (mistake.line > 0 ? atLine + ": can't" : "Can't") + " find the export " + mistake.path + " " +
               ofRound(mistake.round) + closestNamesText(mistake.closestNames);
    default:
        break;
    }
    const std::string key = keyMistake(mistake);
    return atLine + ": " + (key.empty() ? fileOrRuleMistake(mistake) : key);
}

std::string warningText(const SeasonWarning& warning, std::string_view seasonFileName) {
    const auto roundList = [](const std::vector<std::size_t>& rounds) {
        std::string text = rounds.size() == 1 ? "round " : "rounds ";
        for (std::size_t i = 0; i < rounds.size(); ++i) {
            text += (i == 0 ? "" : ", ") + std::to_string(rounds[i]);
        }
        return text;
    };
    switch (warning.kind) {
    case SeasonWarning::Kind::TwoEntries: {
        std::string places;
        for (const EntryPlace& entry : warning.entries) {
            const std::string place = entry.disqualified ? "DSQ"
                                      : entry.place      ? "P" + std::to_string(*entry.place)
                                                         : "unplaced";
            places += (places.empty() ? "" : ", ") + entry.race + " " + place;
        }
        return roundText(warning.round) + ": " + warning.rider + " has " + std::to_string(warning.entries.size()) +
               " entries (" + places + "); the better place counts";
    }
    case SeasonWarning::Kind::RowsLeftOut:
        return roundText(warning.round) + ": only 99 riders fit in one classification; " +
               std::to_string(warning.count) + " rows were left out";
    case SeasonWarning::Kind::QualifyingRowsLeftOut:
        return roundText(warning.round) + ": only 99 riders fit in the qualifying; " + std::to_string(warning.count) +
               " rows were left out";
    case SeasonWarning::Kind::SharedStartNumber:
        return "Start number " + std::to_string(warning.number) + " is " + quoted(warning.rider) + " in " +
               roundList(warning.rounds) + " and " + quoted(warning.otherRider) + " in " +
               roundList(warning.laterRounds) + ": if they are one rider, add the line " + quoted(warning.rider) +
               " = " + quoted(warning.otherRider) + " under [riders]";
    case SeasonWarning::Kind::NoGridSize:
        return "maxdriversingrid.ini holds no grid size above 0: the qualifying is not divided into grids (or give the "
               "round a grid_size)";
    case SeasonWarning::Kind::GridDistancesDiffer:
        return gridDistancesText(warning);
    case SeasonWarning::Kind::RidersInNoClass: {
        std::string riders;
        for (const std::string& rider : warning.riders) {
            riders += (riders.empty() ? "" : ", ") + rider;
        }
        return "In no class, so in the overall standings only: " + riders;
    }
    case SeasonWarning::Kind::ClassRiderUnknown:
        return std::string(seasonFileName) + ", line " + std::to_string(warning.line) + ": class " +
               quoted(warning.team) + " lists " + quoted(warning.rider) +
               ", a name that matches no rider of the held rounds: it may be misspelt";
    case SeasonWarning::Kind::TeamRiderUnknown:
        break;
    }
    return std::string(seasonFileName) + ", line " + std::to_string(warning.line) + ": team " + quoted(warning.team) +
           " lists " + quoted(warning.rider) +
           ", a name that matches no rider of the held rounds: it may be misspelt (it adds no points to the team)";
}

std::vector<std::string> warningTexts(const std::vector<SeasonWarning>& warnings, std::string_view seasonFileName) {
    std::vector<std::string> texts;
    for (const SeasonWarning& warning : warnings) {
        texts.push_back(warningText(warning, seasonFileName));
    }
    return texts;
}

}  // namespace league::season
