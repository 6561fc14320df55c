#pragma once
// A round's qualifying: its qualifying exports merged into one classification and the
// field divided into grids, both exactly as Omblen computes them (its table, its
// ranking by best lap, its grid plan), with the league's names of the riders.

#include "league/read/race_night.hpp"
#include "league/read/rider_names.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::season {

/// One rider of the merged qualifying classification.
struct QualifyingRow {
    /// From 1; none for a row without a time that ranks (Omblen leaves its place empty).
    std::optional<std::int32_t> position;
    std::int32_t startNumber = 0;
    std::string rider;
    std::string bike;
    std::int32_t bestLap = 0;
    /// Behind the best time of all and behind the rider placed before; none for the best.
    std::optional<std::int32_t> gapToFirst;
    std::optional<std::int32_t> gapToPrevious;
    /// The export's lap text ("3/8") and speed.
    std::string lapText;
    double speedKmh = 0.0;
    /// The session the row came from: its number in the round (1 to 4) and its name.
    std::int32_t sessionNumber = 0;
    std::string session;
    /// The rider's new grid; none when the field is not divided or the row has no place.
    std::optional<std::int32_t> grid;
    /// With classes: the rider's class ("" for none).
    std::string riderClass;
};

struct QualifyingGrids {
    /// Ranked rows by position, then the rows without a place in reading order.
    std::vector<QualifyingRow> rows;
    /// The riders per grid the field was divided by; none: not divided.
    std::optional<std::int32_t> gridSize;
    /// For a round that names no grid size: why maxdriversingrid.ini gave none, when the
    /// field is not divided.
    std::optional<omblen::GridSizeProblem> gridSizeFile;
    /// The number of places in each grid, from grid 1 (Omblen's plan).
    std::vector<std::int32_t> gridPlaces;
    /// Rows that found the table of 99 entries full.
    std::int32_t rowsLeftOut = 0;
};

/// Merges the round's qualifying exports; divides the field into grids of at most
/// `gridSize` riders when one is given.
QualifyingGrids qualifyingGrids(const std::vector<ExportRows>& qualifying, const RiderNames& names,
                                std::optional<std::int32_t> gridSize);

}  // namespace league::season
