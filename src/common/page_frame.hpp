#pragma once
// The table frame that the pages of all three programs are built from: the fragments
// and cells they share word for word.

#include "common/report_writer.hpp"

#include <cstdint>
#include <string_view>

namespace league::frame {

inline constexpr Fragment kBlockOpen = "<div> ";
inline constexpr Fragment kTableOpenLeft = "<table border=3 cellpadding=\"1\" align=\"left\"> ";
inline constexpr Fragment kTableOpenCentred = "<table border=3 cellpadding=\"1\" align=\"center\"> ";
inline constexpr Fragment kBreakClear = "<br clear=\"all\"> ";

/// Opens a plain cell, and the cell of a row that is greyed.
inline constexpr Fragment kPlainCell = "<td align=\"center\"> ";
inline constexpr Fragment kGreyCell = "<td align=\"center\" bgcolor=\"#DDDDDD\"> ";
inline constexpr Fragment kCellEnd = " </td> ";
inline constexpr Fragment kRowEnd = " </tr> ";

/// The colours of the row-number cells: grey in Quorrin, green in Omblen and Duvessa.
inline constexpr Fragment kGrey = "#444444";
inline constexpr Fragment kGreen = "#00FF00";

/// One cell: its opening, `text` byte for byte, and the cell end.
void writeCell(ReportWriter& page, Fragment cellOpening, std::string_view text);

/// The cell with a row's number that begins a body row: "<td align="center"
/// bgcolor="COLOUR"> " + number + " <bgcolor="#FFFFFF" /td> ".
void writeRowNumberCell(ReportWriter& page, Fragment colour, std::int32_t number);

/// "</border> " and " </table>", with which most tables end.
void writeTableEnd(ReportWriter& page);

}  // namespace league::frame
