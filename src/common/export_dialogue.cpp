#include "common/export_dialogue.hpp"

#include <ostream>

namespace league {

namespace {

void promptForExport(Console& console, std::int32_t exportNo) {
    if (exportNo == 1) {
        console.out() << "Please put in a name of an export file (without .html)!" << '\n';
        return;
    }
    console.out() << "Please put in a name of another export file (without .html)!" << '\n'
                  << "If you have no other export please put in number 0!" << '\n';
}

}  // namespace

ExportList askForExports(Console& console, const Folder& folder, const ToolConfig& config, std::int64_t endMargin,
                         const ExportRowsReader& readRows) {
    const std::string exportsFolder = config.simulatorFolder + "exports\\";
    ExportList list;
    for (std::int32_t exportNo = 1; exportNo <= kMaxExports; ++exportNo) {
        promptForExport(console, exportNo);
        const std::string name = readAnswerWord(console);
        if (name == "0") {
            break;
        }
        // A name of at most 39 characters also keeps every page name made from it
        // within its 59.
        const std::string exportPath = exportsFolder + name + ".html";
        if (!fitsCapacity(name, kAnswerWordCapacity) || !fitsCapacity(exportPath, kInputPathCapacity)) {
            refuseLongName(console);
            list.stopped = true;
            return list;
        }
        console.out() << '\n' << exportPath << '\n' << '\n';
        if (exportNo == 1) {
            list.firstName = name;
            list.firstExportNamed = true;
        }
        ExportReader reader;
        if (!reader.openExport(folder.inputFile(exportPath), endMargin)) {
            console.out() << "Can't find the export" << '\n';
            pauseConsole(console);
            list.stopped = true;
            return list;
        }
        readRows(reader, exportNo, exportPath);
    }
    return list;
}

void readExportRows(ExportReader& reader, RowOutcome (*recipe)(ExportReader&, ExportRow&),
                    const std::function<void(const ExportRow&)>& take) {
    if (!reader.rowsAvailable()) {
        return;
    }
    do {
        ExportRow row;
        if (recipe(reader, row) != RowOutcome::Taken) {
            return;
        }
        take(row);
    } while (!reader.pastRegionEnd());
}

void reportRowsLeftOut(std::ostream& console) {
    console << "Only 99 drivers fit in one table; the rest are left out!" << '\n';
}

}  // namespace league
