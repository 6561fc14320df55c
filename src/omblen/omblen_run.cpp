#include "omblen/omblen_run.hpp"

#include "common/export_dialogue.hpp"
#include "common/report_writer.hpp"
#include "common/tool_config.hpp"
#include "omblen/forum_table.hpp"
#include "omblen/grid_division.hpp"
#include "omblen/grid_page.hpp"
#include "omblen/grid_settings.hpp"
#include "omblen/qualifying_export.hpp"
#include "omblen/qualifying_table.hpp"
#include "omblen/result_page.hpp"

#include <ostream>
#include <string>

namespace league::omblen {

// Omblen ends with exit status 1 on every path, the completed run included.
int runOmblen(Console& console, const Folder& folder) {
    const auto config = loadToolConfig(folder, console);
    if (!config) {
        return kExitStopped;
    }
    QualifyingTable table;
    const ExportList exports = askForExports(
        console, folder, *config, kOmblenEndMargin,
        [&](ExportReader& reader, std::int32_t exportNo, const std::string& exportPath) {
            table.currentExport = exportNo;
            table.exportPath = exportPath;
            readQualifyingExport(reader, table, console);
        });
    if (exports.stopped) {
        return kExitStopped;
    }
    // The result page is named after the first export, also when its name was left
    // empty by the end of input; only "0" at the first prompt leaves it without a name.
    if (exports.firstExportNamed) {
        table.pageFileName = exports.firstName + ".html";
    }

    // The result page stays open while the grids are written, and the three files are
    // closed in the order the user reads them: result page, grids, forum text.
    ReportWriter resultPage;
    ReportWriter gridPage;
    ReportWriter forumText;
    resultPage.openPage(folder, table.pageFileName, console.out());
    writeResultPage(table, resultPage);

    if (const auto maxDriversInGrid = readMaxDriversInGrid(folder, console)) {
        gridPage.openPage(folder, kGridPageFileName, console.out());
        forumText.openPage(folder, kForumTextFileName, console.out());
        writeGrids(table, *maxDriversInGrid, resultPage, gridPage, forumText);
    }

    resultPage.closePage();
    gridPage.closePage();
    forumText.closePage();
    return kExitStopped;
}

}  // namespace league::omblen
