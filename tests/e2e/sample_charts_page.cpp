// Writes the charts page of the sample league's cup race to the path given as the
// only argument, with the riders' positions and gaps computed here from the league's
// lap times the way Quorrin's graph values page computes them: a page to look at in a
// browser and to check there, until Quorrin writes the page itself.

#include "sample_league.hpp"

#include "quorrin/charts_page.hpp"
#include "quorrin/colour_scheme.hpp"

#include <algorithm>
#include <fstream>
#include <iostream>

namespace {

using league::quorrin::ChartRider;
using league::quorrin::RaceChart;

league::quorrin::RaceChart cupRaceChart() {
    const league::examples::SampleLeague league = league::examples::buildSampleLeague();
    const league::examples::SampleRace& race = league.cupRace;
    // Elapsed time at the end of every lap, in the order of the result.
    std::vector<std::vector<std::int64_t>> elapsed;
    for (const auto& finisher : race.finishers) {
        std::vector<std::int64_t> times;
        std::int64_t total = 0;
        for (const std::int32_t lapTime : finisher.lapTimes) {
            times.push_back(total += lapTime);
        }
        elapsed.push_back(times);
    }
    const auto& winner = elapsed.front();
    const auto winnerLaps = static_cast<std::int64_t>(winner.size());

    RaceChart chart;
    chart.trackName = league.trackName;
    chart.lapCount = race.laps;
    for (std::size_t i = 0; i < race.finishers.size(); ++i) {
        ChartRider rider;
        rider.startNumber = race.finishers[i].rider.startNumber;
        rider.name = race.finishers[i].rider.name;
        rider.colour = league::quorrin::paletteColourOf(rider.startNumber);
        rider.finalPosition = static_cast<std::int32_t>(i + 1);
        for (std::size_t lap = 0; lap < static_cast<std::size_t>(race.laps); ++lap) {
            std::int32_t position = 0;
            std::optional<std::int64_t> gap;
            if (lap < elapsed[i].size()) {
                for (const auto& other : elapsed) {
                    position += lap < other.size() && other[lap] <= elapsed[i][lap] ? 1 : 0;
                }
                gap = elapsed[i][lap] - winner.back() * static_cast<std::int64_t>(lap + 1) / winnerLaps;
            }
            rider.positionAtLap.push_back(position);
            rider.gapAtLap.push_back(gap);
        }
        chart.riders.push_back(rider);
    }
    // The rows of the graph values page: in the order of the first lap.
    std::stable_sort(chart.riders.begin(), chart.riders.end(), [](const ChartRider& a, const ChartRider& b) {
        return a.positionAtLap.front() < b.positionAtLap.front();
    });
    return chart;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: sample_charts_page PAGE.html\n";
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    league::ReportWriter page;
    page.openStream(file);
    league::quorrin::writeChartsPage(page, cupRaceChart());
    page.closePage();
    return file ? 0 : 1;
}
