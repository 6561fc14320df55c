#include "league/standings/rider_groups.hpp"

#include <map>
#include <set>

namespace league::season {

Result<void, SeasonMistake> checkGroups(const std::vector<RiderGroup>& groups, const RiderNames& names,
                                        SeasonMistake::Kind listedTwice, SeasonMistake::Kind inTwo) {
    std::map<std::string, std::string> groupOfRider;
    for (const RiderGroup& group : groups) {
        std::set<std::string> listed;
        for (const std::string& rider : group.riders) {
            const std::string identity = names.identity(rider);
            SeasonMistake mistake{.kind = listedTwice, .line = group.line, .rider = rider, .team = group.name};
            if (!listed.insert(identity).second) {
                return Failure{std::move(mistake)};
            }
            if (const auto other = groupOfRider.find(identity); other != groupOfRider.end()) {
                mistake.kind = inTwo;
                mistake.otherTeam = other->second;
                return Failure{std::move(mistake)};
            }
            groupOfRider[identity] = group.name;
        }
    }
    return {};
}

std::vector<SeasonWarning> groupRidersWhoNeverRode(const std::vector<RiderGroup>& groups, const RiderNames& names,
                                                   const std::vector<RiderSeason>& riders, SeasonWarning::Kind kind) {
    std::set<std::string> rode;
    for (const RiderSeason& rider : riders) {
        rode.insert(rider.identity);
    }
    std::vector<SeasonWarning> warnings;
    for (const RiderGroup& group : groups) {
        for (const std::string& listed : group.riders) {
            if (rode.count(names.identity(listed)) == 0) {
                warnings.push_back({.kind = kind, .rider = listed, .team = group.name, .line = group.line});
            }
        }
    }
    return warnings;
}

}  // namespace league::season
