#pragma once
// The table frame that the pages of all three programs are built from: the fragments
// and cells they share word for word.

#include "common/report_writer.hpp"

#include <cstdint>
#include <string_view>

namespace league::frame {

inline constexpr std::string_view kBlockOpen = "<div> ";
inline constexpr std::string_view kTableOpenLeft = "<table border=3 cellpadding=\"1\" align=\"left\"> ";
inline constexpr std::string_view kTableOpenCentred = "<table border=3 cellpadding=\"1\" align=\"center\"> ";
inline constexpr std::string_view kBreakClear = "<br clear=\"all\"> ";

/// Opens a plain cell, and the cell of a row that is greyed.
inline constexpr std::string_view kPlainCell = "<td align=\"center\"> ";
inline constexpr std::string_view kGreyCell = "<td align=\"center\" bgcolor=\"#DDDDDD\"> ";
inline constexpr std::string_view kCellEnd = " </td> ";
inline constexpr std::string_view kRowEnd = " </tr> ";

/// The colours of the row-number cells: grey in Quorrin, green in Omblen and Duvessa.
inline constexpr std::string_view kGrey = "#444444";
inline constexpr std::string_view kGreen = "#00FF00";

/// One cell: its opening, `text` byte for byte, and the cell end.
void writeCell(ReportWriter& page, std::string_view cellOpening, std::string_view text);

/// The cell with a row's number that begins a body row: "<td align="center"
/// bgcolor="COLOUR"> " + number + " <bgcolor="#FFFFFF" /td> ".
void writeRowNumberCell(ReportWriter& page, std::string_view colour, std::int32_t number);

/// "</border> " and " </table>", with which most tables end.
void writeTableEnd(ReportWriter& page);

}  // namespace league::frame
