#include "common/export_recipes.hpp"

#include <utility>

namespace league {

namespace {

// Steps shared by the Omblen and Duvessa rows: start number, driver and bike name, and
// the search for the cell after the bike, left open at its text.
bool readNumberAndNames(ExportReader& reader, ExportRow& row) {
    reader.nextRow();
    reader.scanFor("<TD", 1);
    reader.skip(2);
    reader.scanFor("<TD", 1);
    reader.skip(2);
    reader.skipToTagEnd();
    row.startNumber = reader.readNumber();
    reader.skip(2);
    reader.scanFor("<TD>", 4);
    reader.skip(3);
    row.driverName = reader.readCellText(kNameCapacity);
    reader.skip(2);
    reader.scanFor("<TD>", 4);
    reader.skip(3);
    row.bikeName = reader.readCellText(kNameCapacity);
    reader.skip(2);
    reader.skipToTagEnd();
    reader.skip(2);
    reader.scanFor("<TD", 1);
    reader.skip(2);
    reader.skipToTagEnd();
    return !reader.failed();
}

}  // namespace

std::optional<std::int32_t> readQuorrinRowStartNumber(ExportReader& reader) {
    reader.nextRow();
    reader.scanFor("<TD", 3);
    reader.skip(2);
    reader.scanFor("<TD", 3);
    reader.skip(2);
    reader.skipToTagEnd();
    const std::int32_t startNumber = reader.readNumber();
    if (reader.failed()) {
        return std::nullopt;
    }
    return startNumber;
}

std::optional<std::int32_t> readQuorrinRowLaps(ExportReader& reader) {
    // The skip of 12 carries the position past the start of the driver-name cell, so
    // the search finds the bike cell; neither name is read.
    reader.skip(12);
    reader.scanFor("<TD", 3);
    reader.skip(1);
    reader.skipToTagEnd();
    reader.skip(2);
    reader.scanFor("<TD", 1);
    reader.skip(2);
    reader.skipToTagEnd();
    const std::int32_t laps = reader.readNumber();
    if (reader.failed()) {
        return std::nullopt;
    }
    return laps;
}

std::optional<RaceTimeAndPenalty> readQuorrinRowTimeAndPenalty(ExportReader& reader) {
    RaceTimeAndPenalty cells;
    reader.skip(10);
    reader.skipToTagEnd();
    cells.raceTime = reader.readTime();
    reader.skip(43);
    reader.skipToTagEnd();
    const char mark = reader.readByte();
    if (!reader.failed() && mark == '+') {
        // The export gives whole seconds.
        const std::int64_t seconds = reader.readNumber();
        const std::int64_t millis = seconds * 1000;
        if (millis > INT32_MAX || millis < INT32_MIN) {
            return std::nullopt;
        }
        cells.penalty = static_cast<std::int32_t>(millis);
    }
    if (reader.failed()) {
        return std::nullopt;
    }
    return cells;
}

RowOutcome readQuorrinRow(ExportReader& reader, ExportRow& row) {
    const auto startNumber = readQuorrinRowStartNumber(reader);
    if (!startNumber) {
        return RowOutcome::Abandoned;
    }
    row.startNumber = *startNumber;
    const auto laps = readQuorrinRowLaps(reader);
    if (!laps) {
        return RowOutcome::Abandoned;
    }
    row.laps = *laps;
    const auto lastCells = readQuorrinRowTimeAndPenalty(reader);
    if (!lastCells) {
        return RowOutcome::Abandoned;
    }
    row.time = lastCells->raceTime;
    row.hasPenalty = lastCells->penalty.has_value();
    row.penalty = lastCells->penalty.value_or(0);
    return RowOutcome::Taken;
}

RowOutcome readOmblenRow(ExportReader& reader, ExportRow& row) {
    if (!readNumberAndNames(reader, row)) {
        return RowOutcome::Abandoned;
    }
    row.time = reader.readTime();
    if (reader.failed()) {
        return RowOutcome::Abandoned;
    }
    if (row.time == 0) {
        return RowOutcome::RowsEnd;
    }
    reader.skip(8);
    reader.skipToTagEnd();
    row.lapText = reader.readCellText(kLapTextCapacity);
    reader.skip(36);
    reader.skipToTagEnd();
    row.speedKmh = reader.readDecimal();
    reader.skip(1);
    const char unit = reader.readByte();
    if (reader.failed()) {
        return RowOutcome::Abandoned;
    }
    if (unit == 'm') {
        row.speedKmh *= kKmhPerMph;
    }
    return RowOutcome::Taken;
}

RowOutcome readDuvessaRow(ExportReader& reader, ExportRow& row) {
    if (!readNumberAndNames(reader, row)) {
        return RowOutcome::Abandoned;
    }
    row.laps = reader.readNumber();
    if (reader.failed()) {
        return RowOutcome::Abandoned;
    }
    if (row.laps < 1 || row.laps > 35) {
        return RowOutcome::RowsEnd;
    }
    reader.skip(10);
    reader.skipToTagEnd();
    row.time = reader.readTime();
    if (reader.failed()) {
        return RowOutcome::Abandoned;
    }
    return RowOutcome::Taken;
}

std::vector<ExportRow> readExportRows(std::string exportBytes, std::int64_t endMargin, RowRecipe recipe) {
    ExportReader reader;
    reader.openBytes(std::move(exportBytes), endMargin);
    std::vector<ExportRow> rows;
    if (!reader.rowsAvailable()) {
        return rows;
    }
    do {
        ExportRow row;
        if (recipe(reader, row) != RowOutcome::Taken) {
            return rows;
        }
        rows.push_back(std::move(row));
    } while (!reader.pastRegionEnd());
    return rows;
}

}  // namespace league
