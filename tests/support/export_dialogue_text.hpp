#pragma once
// The console text of the export dialogue that Omblen and Duvessa share, as the user
// sees it: the two prompts and the echo of each export's path.

#include <string>

namespace league::testing {

inline const std::string kFirstExportPrompt = "Please put in a name of an export file (without .html)!\n";
inline const std::string kNextExportPrompt =
    "Please put in a name of another export file (without .html)!\n"
    "If you have no other export please put in number 0!\n";

/// The echoed path of export `name` below the simulator folder `simulatorFolder`,
/// between the blank lines that surround it.
inline std::string exportEcho(const std::string& simulatorFolder, const std::string& name) {
    return "\n" + simulatorFolder + "exports\\" + name + ".html\n\n";
}

}  // namespace league::testing
