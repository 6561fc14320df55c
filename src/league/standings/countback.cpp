#include "league/standings/countback.hpp"

#include "league/read/rider_names.hpp"

#include <algorithm>
#include <map>

namespace league::season {

namespace {

// How many times each place was taken: element p - 1 counts place p.
std::vector<std::int32_t> placeCounts(const Contender& contender) {
    std::vector<std::int32_t> counts;
    for (const RoundPlace& taken : contender.places) {
        if (taken.place >= 1) {
            if (counts.size() < static_cast<std::size_t>(taken.place)) {
                counts.resize(static_cast<std::size_t>(taken.place), 0);
            }
            ++counts[static_cast<std::size_t>(taken.place - 1)];
        }
    }
    return counts;
}

std::int32_t countAt(const std::vector<std::int32_t>& counts, std::size_t index) {
    return index < counts.size() ? counts[index] : 0;
}

// The first place (from 1) where the counts differ; 0 when they are the same.
std::size_t countbackPlace(const std::vector<std::int32_t>& a, const std::vector<std::int32_t>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (countAt(a, i) != countAt(b, i)) {
            return i + 1;
        }
    }
    return 0;
}

// The best place and the last round (from 1) it was taken in; round 0 without a place.
struct BestPlace {
    std::int32_t place = 0;
    std::size_t round = 0;
};

BestPlace bestPlace(const Contender& contender) {
    BestPlace best;
    for (const RoundPlace& taken : contender.places) {
        if (taken.place >= 1 && (best.place == 0 || taken.place < best.place ||
                                 (taken.place == best.place && taken.round > best.round))) {
            best = BestPlace{taken.place, taken.round};
        }
    }
    return best;
}

// The decision between `ahead` and `behind`, who have the same total.
TieDecision tieDecision(const Contender& ahead, const Contender& behind, const std::vector<std::int32_t>& aheadCounts,
                        const std::vector<std::int32_t>& behindCounts, const BestPlace& aheadBest,
                        const BestPlace& behindBest) {
    TieDecision decision{.ahead = ahead.name, .behind = behind.name};
    decision.countbackPlace = countbackPlace(aheadCounts, behindCounts);
    if (decision.countbackPlace > 0) {
        decision.aheadCount = countAt(aheadCounts, decision.countbackPlace - 1);
        decision.behindCount = countAt(behindCounts, decision.countbackPlace - 1);
    } else {
        decision.bestPlace = aheadBest.place;
        decision.aheadRound = aheadBest.round;
        decision.behindRound = behindBest.round;
    }
    return decision;
}

}  // namespace

StandingsOrder orderStandings(const std::vector<Contender>& contenders) {
    const std::size_t n = contenders.size();
    std::vector<std::vector<std::int32_t>> counts(n);
    std::vector<BestPlace> best(n);
    std::vector<std::string> sortName(n);
    for (std::size_t i = 0; i < n; ++i) {
        counts[i] = placeCounts(contenders[i]);
        best[i] = bestPlace(contenders[i]);
        sortName[i] = foldedCase(contenders[i].name);
    }
    // < 0: a ahead, > 0: b ahead, 0: shared.
    const auto compare = [&](std::size_t a, std::size_t b) -> int {
        if (contenders[a].total != contenders[b].total) {
            return contenders[a].total > contenders[b].total ? -1 : 1;
        }
        if (const std::size_t place = countbackPlace(counts[a], counts[b])) {
            return countAt(counts[a], place - 1) > countAt(counts[b], place - 1) ? -1 : 1;
        }
        if (best[a].round != best[b].round) {
            return best[a].round > best[b].round ? -1 : 1;
        }
        return 0;
    };

    StandingsOrder result;
    result.order.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        result.order[i] = i;
    }
    std::stable_sort(result.order.begin(), result.order.end(), [&](std::size_t a, std::size_t b) {
        const int decided = compare(a, b);
        return decided != 0 ? decided < 0 : sortName[a] < sortName[b];
    });
    result.position.resize(n);
    result.shared.assign(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t current = result.order[i];
        if (i > 0 && compare(result.order[i - 1], current) == 0) {
            result.position[i] = result.position[i - 1];
            result.shared[i] = true;
            result.shared[i - 1] = true;
            continue;
        }
        result.position[i] = static_cast<std::int32_t>(i + 1);
        if (i == 0 || contenders[result.order[i - 1]].total != contenders[current].total) {
            continue;
        }
        const std::size_t ahead = result.order[i - 1];
        result.ties.push_back(tieDecision(contenders[ahead], contenders[current], counts[ahead], counts[current],
                                          best[ahead], best[current]));
    }
    return result;
}

}  // namespace league::season
