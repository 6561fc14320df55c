#pragma once
// Building blocks of expected page bytes: the cell openings and cells as a user sees
// them in the page source, so that tests can spell out whole tables row by row.

#include "common/report_writer.hpp"

#include <sstream>
#include <string>
#include <string_view>

namespace league::quorrin::expected {

/// Every line break of a page is stored as CR LF.
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

inline const std::string kRed = "<td align=\"center\" bgcolor=\"#FF0000\"> ";
inline const std::string kYellow = "<td align=\"center\" bgcolor=\"#FFFF00\"> ";
inline const std::string kPlain = "<td align=\"center\"> ";
inline const std::string kWhite = "<td align=\"center\" bgcolor=\"#ffffff\"> ";

inline std::string colour(const std::string& hex) {
    return "<td align=\"center\" bgcolor=\"#" + hex + "\"> ";
}

inline std::string cell(const std::string& open, const std::string& text) {
    return open + text + " </td> ";
}

/// The last cell of a row, closed without its trailing blank, and the row end.
inline std::string lastCell(const std::string& open, const std::string& text) {
    return open + text + " </td>" + " </tr> ";
}

inline std::string rowNumber(int row) {
    return "<td align=\"center\" bgcolor=\"#444444\"> " + std::to_string(row) + " <bgcolor=\"#FFFFFF\" /td> ";
}

inline std::string middleRowNumber(int row) {
    return "<td align=\"center\" bgcolor=\"#444444\"> " + std::to_string(row) + " <bgcolor=\"#FFFFFF\" td> ";
}

inline std::string lapHeaders(int firstLap, int lastLap) {
    std::string text;
    for (int lap = firstLap; lap <= lastLap; ++lap) {
        text += " </td>\n <td align=\"center\">" + std::to_string(lap);
    }
    return text;
}

/// What `write` puts into a page, captured from a stream.
template <typename Write>
std::string pageBytes(Write write) {
    std::ostringstream sink;
    ReportWriter page;
    page.openStream(sink);
    write(page);
    page.closePage();
    return sink.str();
}

}  // namespace league::quorrin::expected
