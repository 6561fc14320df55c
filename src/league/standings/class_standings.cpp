#include "league/standings/class_standings.hpp"

#include "league/standings/points_table.hpp"
#include "league/standings/rider_groups.hpp"

#include <algorithm>
#include <map>
#include <set>

namespace league::season {

namespace {

// The class of every rider the classes list, by identity.
std::map<std::string, std::string> classOfRiders(const SeasonFile& season, const RiderNames& names) {
    std::map<std::string, std::string> classOf;
    for (const RiderClass& riderClass : season.classes) {
        for (const std::string& rider : riderClass.riders) {
            classOf.emplace(names.identity(rider), riderClass.name);
        }
    }
    return classOf;
}

// Gives the riders of each class their places among themselves in one race, in the order
// of its classification, and the points of those places to those who finished.
void placeClassesIn(ClassifiedRace& race, const std::map<std::string, std::string>& classOf) {
    std::map<std::string, std::int32_t> lastPlace;
    for (ClassifiedEntry& entry : race.entries) {
        const auto found = classOf.find(entry.identity);
        if (found == classOf.end() || !entry.counts) {
            continue;
        }
        entry.riderClass = found->second;
        if (entry.place) {
            entry.classPlace = ++lastPlace[found->second];
            entry.classPoints = entry.finished ? pointsForPlace(race.points, *entry.classPlace) : 0;
        }
    }
}

// The class's fastest rider of a round's qualifying; none when no rider of the class
// set a time.
std::optional<Pole> classPole(const HeldRound& round, const std::set<std::string>& members) {
    for (const Pole& rider : round.classification.qualifyingOrder) {
        if (members.count(rider.identity) > 0) {
            return rider;
        }
    }
    return std::nullopt;
}

// A rider's part in held round `h` as his class counts it: his class places and points,
// his points penalty, the class's pole.
RiderRound classRound(const RiderRound& overall, const HeldRound& round, const std::string& identity,
                      bool classPoleTaken, std::int32_t polePoints) {
    RiderRound part;
    part.rode = overall.rode;
    part.disqualified = overall.disqualified;
    part.penaltyPoints = overall.penaltyPoints;
    for (std::size_t r = 0; r < round.classification.races.size(); ++r) {
        for (const ClassifiedEntry& entry : round.classification.races[r].entries) {
            if (entry.identity == identity && entry.counts) {
                part.races.push_back(RiderRace{r, entry.classPlace, entry.disqualified, entry.classPoints});
                part.racePoints += entry.classPoints;
                part.place = r == 0 ? entry.classPlace : part.place;
            }
        }
    }
    part.pole = classPoleTaken;
    part.polePoints = classPoleTaken ? polePoints : 0;
    return part;
}

// The class's riders: those of the season in it, then a class pole's rider who has no
// other part in the season; each with his class rounds.
std::vector<RiderSeason> classRiders(const std::set<std::string>& members, const SeasonResult& result) {
    std::vector<std::optional<Pole>> poles;
    for (const HeldRound& round : result.rounds) {
        poles.push_back(classPole(round, members));
    }
    std::vector<RiderSeason> riders;
    for (const RiderSeason& rider : result.riders) {
        if (members.count(rider.identity) > 0) {
            riders.push_back(RiderSeason{rider.identity, rider.name, rider.startNumber, rider.bike, rider.rounds});
        }
    }
    for (std::size_t h = 0; h < poles.size(); ++h) {
        const bool known = poles[h] && std::any_of(riders.begin(), riders.end(), [&](const RiderSeason& rider) {
                               return rider.identity == poles[h]->identity;
                           });
        if (poles[h] && !known) {
            riders.push_back(RiderSeason{poles[h]->identity, poles[h]->rider, poles[h]->startNumber, poles[h]->bike,
                                         std::vector<RiderRound>(result.rounds.size())});
        }
    }
    for (RiderSeason& rider : riders) {
        for (std::size_t h = 0; h < result.rounds.size(); ++h) {
            const bool pole = poles[h] && poles[h]->identity == rider.identity;
            rider.rounds[h] = classRound(rider.rounds[h], result.rounds[h], rider.identity, pole, result.polePoints);
        }
    }
    return riders;
}

}  // namespace

Result<void, SeasonMistake> checkClasses(const SeasonFile& season, const RiderNames& names) {
    return checkGroups(season.classes, names, SeasonMistake::Kind::ClassListsRiderTwice,
                       SeasonMistake::Kind::RiderInTwoClasses);
}

void placeClasses(std::vector<HeldRound>& rounds, const SeasonFile& season, const RiderNames& names) {
    if (season.classes.empty()) {
        return;
    }
    const std::map<std::string, std::string> classOf = classOfRiders(season, names);
    for (HeldRound& round : rounds) {
        for (ClassifiedRace& race : round.classification.races) {
            placeClassesIn(race, classOf);
        }
        if (round.qualifyingGrids) {
            for (QualifyingRow& row : round.qualifyingGrids->rows) {
                const auto found = classOf.find(names.identity(row.rider));
                row.riderClass = found != classOf.end() ? found->second : std::string();
            }
        }
    }
}

std::vector<ClassStandings> classStandings(const SeasonFile& season, const RiderNames& names,
                                           const SeasonResult& result) {
    std::vector<bool> keep;
    for (const HeldRound& round : result.rounds) {
        keep.push_back(round.keep);
    }
    std::vector<ClassStandings> classes;
    for (const RiderClass& riderClass : season.classes) {
        std::set<std::string> members;
        for (const std::string& rider : riderClass.riders) {
            members.insert(names.identity(rider));
        }
        ClassStandings standings{riderClass.name, riderClass.riders, classRiders(members, result), {}};
        standings.standingsAfter = standingsAfterEachRound(standings.riders, keep, result.dropWorst);
        classes.push_back(std::move(standings));
    }
    return classes;
}

std::vector<SeasonWarning> classWarnings(const SeasonFile& season, const RiderNames& names,
                                         const SeasonResult& result) {
    std::vector<SeasonWarning> warnings;
    if (season.classes.empty() || result.rounds.empty()) {
        return warnings;
    }
    const std::map<std::string, std::string> classOf = classOfRiders(season, names);
    SeasonWarning inNoClass{.kind = SeasonWarning::Kind::RidersInNoClass};
    for (const RiderSeason& rider : result.riders) {
        if (classOf.count(rider.identity) == 0) {
            inNoClass.riders.push_back(rider.name);
        }
    }
    if (!inNoClass.riders.empty()) {
        warnings.push_back(std::move(inNoClass));
    }
    const std::vector<SeasonWarning> neverRode =
        groupRidersWhoNeverRode(season.classes, names, result.riders, SeasonWarning::Kind::ClassRiderUnknown);
    warnings.insert(warnings.end(), neverRode.begin(), neverRode.end());
    return warnings;
}

}  // namespace league::season
