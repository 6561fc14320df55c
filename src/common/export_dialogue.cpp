#include "common/export_dialogue.hpp"

#include <ostream>

namespace league {

ExportAnswer askForExport(Console& console, const ToolConfig& config, std::int32_t exportNo) {
    if (exportNo == 1) {
        console.out() << "Please put in a name of an export file (without .html)!" << '\n';
    } else {
        console.out() << "Please put in a name of another export file (without .html)!" << '\n'
                      << "If you have no other export please put in number 0!" << '\n';
    }
    ExportAnswer answer;
    answer.name = readAnswerWord(console);
    if (answer.name == "0") {
        answer.kind = ExportAnswer::Kind::ListEnds;
        return answer;
    }
    // A name of at most 39 characters also keeps every page name made from it within
    // its 59.
    answer.path = config.simulatorFolder + "exports\\" + answer.name + ".html";
    if (!fitsCapacity(answer.name, kAnswerWordCapacity) || !fitsCapacity(answer.path, kInputPathCapacity)) {
        answer.kind = ExportAnswer::Kind::TooLong;
        return answer;
    }
    console.out() << '\n' << answer.path << '\n' << '\n';
    answer.kind = ExportAnswer::Kind::Named;
    return answer;
}

void sayExportMissing(Console& console) {
    console.out() << "Can't find the export" << '\n';
    console.pause();
}

void sayRowsLeftOut(Console& console) {
    console.out() << "Only 99 drivers fit in one table; the rest are left out!" << '\n';
}

}  // namespace league
