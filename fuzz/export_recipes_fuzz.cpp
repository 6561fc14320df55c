// The three export row recipes over arbitrary bytes, each with its program's end
// margin and read the way its program reads: rows until the region ends or a row ends
// the rows. Every value must come from the file and every position must stay within
// it (at most the largest skip past its end); a row that ends the rows must say why.

#include "common/export_reader.hpp"
#include "common/export_recipes.hpp"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using league::ExportReader;
using league::ExportRow;
using league::RowOutcome;

// The largest relative skip of any recipe: the position may stand this far past the
// end of the file, never further.
constexpr std::int64_t kLargestSkip = 43;

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "export recipe finding: %s\n", what);
        std::abort();
    }
}

// A cell text is a run of bytes of the file that holds no '<' and fits its slot.
void checkText(const std::string& text, std::size_t capacity, std::string_view bytes) {
    check(text.size() + 1 <= capacity, "a cell text exceeds its slot");
    check(text.find('<') == std::string::npos, "a cell text holds the '<' that ends it");
    check(bytes.find(text) != std::string_view::npos, "a cell text is not in the file");
}

template <typename Recipe>
void readAllRows(std::string_view bytes, std::int64_t endMargin, Recipe recipe) {
    ExportReader reader;
    reader.openBytes(std::string(bytes), endMargin);
    check(reader.rowRegionEnd() == reader.size() - endMargin, "region end is not size minus margin");
    if (!reader.rowsAvailable()) {
        return;
    }
    // Every row reads at least the three bytes of its "<TR" search, so a file cannot
    // hold more rows than this; more means the reader stopped moving.
    const std::int64_t rowLimit = reader.size() / 3 + 1;
    std::int64_t rows = 0;
    std::int64_t before = reader.position();
    while (true) {
        ExportRow row;
        const RowOutcome outcome = recipe(reader, row);
        ++rows;
        check(rows <= rowLimit, "more rows than the file can hold");
        check(reader.position() >= ExportReader::kRowStart, "position before the row start");
        check(reader.position() <= reader.size() + kLargestSkip, "position beyond the file and the largest skip");
        check(reader.position() > before || reader.failed(), "a row that did not move the position");
        before = reader.position();
        checkText(row.driverName, league::kNameCapacity, bytes);
        checkText(row.bikeName, league::kNameCapacity, bytes);
        checkText(row.lapText, league::kLapTextCapacity, bytes);
        check(std::isfinite(row.speedKmh), "a speed that is not a number");
        if (outcome == RowOutcome::Abandoned) {
            check(reader.failed(), "an abandoned row without a failed read");
            break;
        }
        if (outcome == RowOutcome::RowsEnd) {
            break;
        }
        if (reader.pastRegionEnd()) {
            break;
        }
    }
}

RowOutcome quorrinRow(ExportReader& reader, ExportRow& row) {
    const RowOutcome outcome = league::readQuorrinRow(reader, row);
    check(outcome != RowOutcome::RowsEnd, "the Quorrin recipe ends rows only through its caller");
    check(!row.hasPenalty || row.penalty % 1000 == 0, "a penalty that is not whole seconds");
    return outcome;
}

RowOutcome omblenRow(ExportReader& reader, ExportRow& row) {
    const RowOutcome outcome = league::readOmblenRow(reader, row);
    check(outcome != RowOutcome::Taken || row.time != 0, "an Omblen row with best lap 0 was taken");
    check(outcome != RowOutcome::RowsEnd || row.time == 0, "an Omblen row ended the rows without best lap 0");
    return outcome;
}

RowOutcome duvessaRow(ExportReader& reader, ExportRow& row) {
    const RowOutcome outcome = league::readDuvessaRow(reader, row);
    const bool lapsInRange = row.laps >= 1 && row.laps <= 35;
    check(outcome != RowOutcome::Taken || lapsInRange, "a Duvessa row with laps outside 1 to 35 was taken");
    check(outcome != RowOutcome::RowsEnd || !lapsInRange, "a Duvessa row ended the rows with laps in range");
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readAllRows(bytes, league::kQuorrinEndMargin, quorrinRow);
    readAllRows(bytes, league::kOmblenEndMargin, omblenRow);
    readAllRows(bytes, league::kDuvessaEndMargin, duvessaRow);
    return 0;
}
