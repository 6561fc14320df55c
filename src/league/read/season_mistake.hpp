#pragma once
// Why a season cannot be published: a mistake in the season file, a file it names that
// is missing or damaged, or a rule it breaks. The readers and computations return it as
// data (what, and the facts: the season file's line, the names, the numbers); the run
// composes the sentence the admin reads.

#include <cstdint>
#include <string>
#include <vector>

namespace league::season {

/// A round as a message names it: its number in the season file and its name.
struct RoundName {
    std::size_t number = 0;
    std::string name{};
};

/// What a key of the season file must hold.
enum class Expected {
    Text,
    YesNo,
    Date,
    PolePoints,         ///< 0 to kMostPoints
    Drops,              ///< 0 to kMostDrops
    GridSize,           ///< 1 to kLargestGrid riders
    Seconds,            ///< 1 to kLongestTimePenalty
    PointsPenalty,      ///< -kMostPoints to kMostPoints
    PointsTable,        ///< a list of 0 to kMostPoints
    RaceExports,        ///< 1 to kMaxExportsPerRound names
    RacePoints,         ///< 1 to kMostPointsPlaces of 0 to kMostPoints
    RaceTables,
    QualifyingExports,  ///< 1 to kMaxExportsPerRound names
    RacesToAnalyse,
    LapsToSplit,
    PenaltyTables,
    RoundTables
};

/// What the admin most likely meant where the season file is not TOML.
enum class TomlHint {
    None,
    FolderInSingleQuotes,  ///< a Windows folder in double quotes, where a backslash starts an escape
    YearMonthDay,          ///< a date written as a calendar writes it: 07.02.2026
    ClosingQuote           ///< a text whose closing quote is missing on its line
};

/// The table of the season file a key stands in.
enum class SeasonTable { Top, Round, Race, Penalty };

struct SeasonMistake {
    enum class Kind {
        // The season file's text.
        SeasonFileUnreadable,            ///< the file cannot be read
        NotUtf8,                         ///< line, column
        NotToml,                         ///< line, column, text: the parser's words, hint, writeInstead
        LetterOutsideQuotes,             ///< line, column
        LetterAfterLineEndingBackslash,  ///< line, column
        UnknownKey,                      ///< line, key, table
        WrongValue,                      ///< line, key, expected
        OutputEmpty,                     ///< line
        RidersNotATable,                 ///< line
        RiderNameNotText,                ///< line, rider: the name in the exports
        TeamsNotATable,                  ///< line
        TeamWithoutRiders,               ///< line, team
        TeamRiderNotText,                ///< line, team
        ClassesNotATable,                ///< line
        ClassWithoutRiders,              ///< line, team: the class
        ClassRiderNotText,               ///< line, team: the class
        ClassNamedTwice,                 ///< line, team: the class
        ClassListsRiderTwice,            ///< line, rider, team: the class
        RiderInTwoClasses,               ///< line, rider, team: the class, otherTeam: the first
        RoundWithoutName,                ///< line
        AnalysedTwice,                   ///< line, race
        SplitUnreadable,                 ///< line, text: the split entry
        SplitOfRaceNotAnalysed,          ///< line, text, race
        PenaltyWithoutRider,             ///< line
        PenaltyOfRiderAndTeam,           ///< line
        TeamPenaltyNotPoints,            ///< line, team: seconds, disqualified or a race
        PenaltyTeamUnknown,              ///< line, team
        PenaltyKindNotOne,               ///< line
        PenaltyWithoutRace,              ///< line
        PenaltyRaceNotInRound,           ///< line, race, round
        RacesAndRaceTables,              ///< line: races = [...] beside [[round.race]]
        RaceWithoutExports,              ///< line, race: a race of a held round
        ExportInTwoRaces,                ///< line, path: the export, race: the second
        // The files it names.
        NoSimulatorFolder,               ///< neither simulator = nor Quorrin.ini
        SimulatorFolderMissing,          ///< path, fromSeasonFile
        ExportMissing,                   ///< line, path, round, closestNames
        ReplayMissing,                   ///< line, path, race, round
        ReplayDamaged,                   ///< line, path, race, round
        AnalysedExportMissing,           ///< line, path, race, round
        SplitRiderMissing,               ///< line, text, number, race
        SplitLapBeyondLaps,              ///< line, text, number, rider, laps, race
        SplitRiderHasMostLaps,           ///< line, text, number, rider, laps
        SplitLapNotSlow,                 ///< line, text, number, rider, lap, lapTime, bestLap
        // The rules.
        PenaltyRiderNotInRace,           ///< line, rider, race, round
        PenaltyInRoundToCome,            ///< line, round
        PenaltyRiderNeverRode,           ///< line, rider
        TeamListsRiderTwice,             ///< line, team, rider
        RiderInTwoTeams                  ///< line, rider, team, otherTeam (the first team)
    };
    Kind kind = Kind::NotToml;
    /// The season file's line and column; 0 when the mistake has none.
    std::int64_t line = 0;
    std::int64_t column = 0;
    std::string key{};
    SeasonTable table = SeasonTable::Top;
    Expected expected = Expected::Text;
    /// The words of the entry or of the parser.
    std::string text{};
    std::string path{};
    std::string race{};
    std::string rider{};
    std::string team{};
    std::string otherTeam{};
    RoundName round{};
    std::int32_t number = 0;
    std::int32_t lap = 0;
    std::int32_t laps = 0;
    std::int32_t lapTime = 0;
    std::int32_t bestLap = 0;
    /// The simulator folder came from simulator = (else from Quorrin.ini).
    bool fromSeasonFile = false;
    TomlHint hint = TomlHint::None;
    /// The line as it would read mended ("simulator = 'C:\Games\'"); empty when
    /// none can be made.
    std::string writeInstead{};
    /// The names in the exports folder closest to a missing export's, closest first.
    std::vector<std::string> closestNames{};
};

}  // namespace league::season
