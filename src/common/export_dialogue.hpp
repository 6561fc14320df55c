#pragma once
// The export list that Omblen and Duvessa ask for: up to four export names, each echoed
// as a path below the simulator's "exports\" folder and read at once; the answer "0"
// ends the list at any prompt.

#include "common/console.hpp"
#include "common/export_reader.hpp"
#include "common/export_recipes.hpp"
#include "common/folder.hpp"
#include "common/tool_config.hpp"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace league {

/// At most this many exports are merged in one run.
inline constexpr std::int32_t kMaxExports = 4;

/// Reads the rows of one opened export; `exportNo` counts the exports from 1 in the
/// order they were named.
using ExportRowsReader = std::function<void(ExportReader& reader, std::int32_t exportNo, const std::string& exportPath)>;

struct ExportList {
    /// True when the run must end: a name too long, or an export that cannot be found
    /// (the message and the pause are done).
    bool stopped = false;
    /// The first name typed (empty also when the input ended there).
    std::string firstName;
    /// False only when "0" answered the first prompt: then no page is named after it.
    bool firstExportNamed = false;
};

/// Asks for the exports one after the other and hands each opened export to `readRows`.
ExportList askForExports(Console& console, const Folder& folder, const ToolConfig& config, std::int64_t endMargin,
                         const ExportRowsReader& readRows);

/// Reads rows with `recipe` while the export's region allows, handing each row taken to
/// `take`; a row that ends the rows or is abandoned ends the reading.
void readExportRows(ExportReader& reader, RowOutcome (*recipe)(ExportReader&, ExportRow&),
                    const std::function<void(const ExportRow&)>& take);

/// Says once that the table of 99 entries is full and further rows are left out.
void reportRowsLeftOut(std::ostream& console);

}  // namespace league
