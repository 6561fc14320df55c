#pragma once
// Building blocks of expected Quorrin page bytes: the cell openings and cells as a user
// sees them in the page source, so that tests can spell out whole tables row by row.

#include "support/expected_page.hpp"

#include <string>

namespace league::quorrin::expected {

using testing::cell;
using testing::crlf;
using testing::pageBytes;

inline const std::string kRed = "<td align=\"center\" bgcolor=\"#FF0000\"> ";
inline const std::string kYellow = "<td align=\"center\" bgcolor=\"#FFFF00\"> ";
inline const std::string kPlain = "<td align=\"center\"> ";
inline const std::string kWhite = "<td align=\"center\" bgcolor=\"#ffffff\"> ";

inline std::string colour(const std::string& hex) {
    return "<td align=\"center\" bgcolor=\"#" + hex + "\"> ";
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

}  // namespace league::quorrin::expected
