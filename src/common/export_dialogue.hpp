#pragma once
// The export list that Omblen and Duvessa ask for: up to four export names, each echoed
// as a path below the simulator's "exports\" folder; the answer "0" ends the list at
// any prompt. The runs read each export as soon as it is named.

#include "common/console.hpp"
#include "common/tool_config.hpp"

#include <cstdint>
#include <iosfwd>
#include <string>

namespace league {

/// At most this many exports are merged in one run.
inline constexpr std::int32_t kMaxExports = 4;

struct ExportAnswer {
    enum class Kind {
        Named,     ///< a name was given; its path is echoed
        ListEnds,  ///< "0": no further export
        TooLong    ///< the name or its path does not fit its capacity
    };
    Kind kind = Kind::ListEnds;
    /// The name as typed (empty also when the input ended).
    std::string name;
    /// The simulator folder + "exports\" + name + ".html".
    std::string path;
};

/// Asks for export `exportNo` (counted from 1; the first prompt differs from the later
/// ones) and reads its name; echoes the path of a usable name between empty lines.
ExportAnswer askForExport(Console& console, const ToolConfig& config, std::int32_t exportNo);

/// "Can't find the export" and the pause: the named export cannot be read, and the run
/// ends without a page.
void sayExportMissing(Console& console);

/// Says once per run that the table of 99 entries is full and further rows are left out.
void sayRowsLeftOut(Console& console);

}  // namespace league
