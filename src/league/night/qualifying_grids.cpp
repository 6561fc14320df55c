#include "league/night/qualifying_grids.hpp"

#include "omblen/grid_plan.hpp"
#include "omblen/qualifying_table.hpp"

namespace league::season {

QualifyingGrids qualifyingGrids(const std::vector<ExportRows>& qualifying, const RiderNames& names,
                                std::optional<std::int32_t> gridSize) {
    omblen::QualifyingTable table;
    for (std::size_t k = 0; k < qualifying.size(); ++k) {
        omblen::takeQualifyingRows(table, qualifying[k].rows, static_cast<std::int32_t>(k + 1));
    }
    const std::vector<int> ranking = omblen::rankByBestLap(table);

    QualifyingGrids grids;
    grids.rowsLeftOut = table.rowsLeftOut;
    // Omblen's plan divides every entry of the table, those without a ranked time too:
    // their places stay empty at the end of the last grids.
    std::vector<std::int32_t> gridOfPlace;
    if (gridSize) {
        grids.gridSize = gridSize;
        const omblen::GridPlan plan = omblen::planGrids(table.entryCount, *gridSize);
        for (std::int32_t grid = 1; grid <= plan.gridCount; ++grid) {
            grids.gridPlaces.push_back(plan.sizeOf(grid));
            gridOfPlace.insert(gridOfPlace.end(), static_cast<std::size_t>(plan.sizeOf(grid)), grid);
        }
    }
    const auto rowOf = [&](int index) {
        const omblen::QualifyingEntry& entry = table.entries[static_cast<std::size_t>(index)];
        QualifyingRow row;
        row.startNumber = entry.startNumber;
        row.rider = names.leagueName(entry.driverName);
        row.bike = entry.bikeName;
        row.bestLap = entry.bestLap;
        row.lapText = entry.lapText;
        row.speedKmh = entry.speedKmh;
        row.sessionNumber = entry.exportNo;
        row.session = qualifying[static_cast<std::size_t>(entry.exportNo - 1)].name;
        return row;
    };
    std::vector<bool> ranked(static_cast<std::size_t>(table.entryCount), false);
    for (std::size_t rank = 0; rank < ranking.size(); ++rank) {
        QualifyingRow row = rowOf(ranking[rank]);
        const auto position = static_cast<std::int32_t>(rank + 1);
        row.position = position;
        const omblen::EntryGaps gaps = omblen::entryGaps(table, ranking[rank], omblen::previousPlaced(ranking, rank));
        row.gapToFirst = gaps.toFirst;
        row.gapToPrevious = gaps.toPrevious;
        if (rank < gridOfPlace.size()) {
            row.grid = gridOfPlace[rank];
        }
        ranked[static_cast<std::size_t>(ranking[rank])] = true;
        grids.rows.push_back(std::move(row));
    }
    for (int index = 0; index < table.entryCount; ++index) {
        if (!ranked[static_cast<std::size_t>(index)]) {
            grids.rows.push_back(rowOf(index));
        }
    }
    return grids;
}

}  // namespace league::season
