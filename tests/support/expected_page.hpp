#pragma once
// Building blocks of expected page bytes shared by the tests of all three programs:
// the line breaks as the pages store them, a table cell as the page source shows it,
// and the bytes a page writer puts into a stream.

#include "common/report_writer.hpp"

#include <string>
#include <string_view>

namespace league::testing {

/// A text as it reads in an editor, with every line break stored as CR LF.
inline std::string crlf(std::string_view text) {
    std::string bytes;
    for (const char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

/// A cell: its opening, its text and the cell end " </td> ".
inline std::string cell(const std::string& open, const std::string& text) {
    return open + text + " </td> ";
}

/// What `write` puts into a page.
template <typename Write>
std::string pageBytes(Write write) {
    ReportWriter page;
    write(page);
    return std::string(page.bytes());
}

}  // namespace league::testing
