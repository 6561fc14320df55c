#pragma once
// Who can still win the title: for each rider of a standings table (the season's, or
// any set of riders ranked among themselves), the most and the least he can end the
// season with, whether he can still win, whether it is in his own hands, and the
// champion once it is decided, with the round after which it was.
//
// Every end-of-season total is computed as the standings compute a total: every round
// of the calendar counts as held, each round to come scoring what the situation gives
// it (the first value of each of its races' points tables and the pole's, the second
// values without the pole, or nothing), drop-worst and `keep` applied over the whole
// calendar, the points penalties of the held rounds included.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::season {

struct RiderSeason;
struct SeasonResult;
struct Standings;

/// One rider's chances, as the title fight lists them.
struct TitleFightRider {
    std::size_t rider = 0;  ///< index into the riders of the standings
    std::string name{};
    /// The total of the standings now.
    std::int64_t total = 0;
    /// At the end of the season after winning every race and pole still to come.
    std::int64_t maxTotal = 0;
    /// At the end of the season after scoring nothing more.
    std::int64_t minTotal = 0;
    /// Can still win or tie on points: his maxTotal reaches every other rider's minTotal.
    bool canWin = false;
    /// Champion by winning every race and pole to come, whatever the others do: his
    /// maxTotal is above what every other rider ends with after second places in every
    /// race to come.
    bool inOwnHands = false;
};

struct TitleFight {
    std::size_t roundsToCome = 0;
    /// The points a rider can still score: each round to come's first values of its
    /// races' tables and the pole's.
    std::int64_t pointsAvailable = 0;
    /// The champion (index into the riders of the standings): with rounds to come, the rider
    /// whose minTotal is above every other rider's maxTotal; with none, the standings'
    /// first unless the first place is shared.
    std::optional<std::size_t> champion{};
    /// The calendar number (from 1) of the held round after which the champion was
    /// decided and stayed decided.
    std::optional<std::size_t> decidedAfterRound{};
    /// In the order of the standings.
    std::vector<TitleFightRider> riders{};
};

/// The title fight of `riders` ranked by `standings` (the season's riders, or a class's;
/// after the standings' held rounds, the later held rounds of `season` counting as to
/// come), among themselves.
TitleFight titleFight(const SeasonResult& season, const std::vector<RiderSeason>& riders, const Standings& standings);

/// The champion's name; "" without a champion.
std::string championName(const TitleFight& fight);

}  // namespace league::season
