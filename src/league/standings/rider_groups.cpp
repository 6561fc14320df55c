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

}  // namespace league::season
