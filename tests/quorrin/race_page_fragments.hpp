#pragma once
// The fragments of Quorrin's two pages and of the end of its dialogue, as a user sees
// them: the colour prompt, the failure lines, and each table's opening, rows and end.
// The page tests and the end-to-end tests spell out whole pages from them.

#include "expected_page.hpp"

#include <initializer_list>
#include <string>

namespace league::quorrin::expected {

// ---- The end of the dialogue ----

inline const std::string kColourPrompt =
    "If you like very colourful tables put in number 0!\n"
    "Otherwise only the winner of the race will be assigned in red.\n"
    "Put in the starting number of the driver that you would assign in yellow!\n"
    "If you want only assigned the winner put in a non existing starting number!\n";

/// The four lines shown when the export could not be used; the pause follows them.
inline const std::string kFailureLines =
    "The Position table couldn't be made.\n"
    "The export couldn't be found OR\n"
    "the replay and the export are not from the same race\n"
    "OR wouldn't saved at the same time or\n";

// ---- The race tables page ----

inline std::string pageHead(const std::string& track) {
    return "<html> \n<head> \n<title>Quorrin tables</title> <PRE> Track:   <b> " + track +
           "</b>             </PRE> </head> \n<body> \n";
}

inline std::string boardOpen(int maxLap) {
    return "<div> <table border=3 cellpadding=\"1\" align=\"left\"> "
           "<caption align=\"center\">POSITION BOARD / FINAL RESULT </caption> \n "
           " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">pos" +
           lapHeaders(1, maxLap) +
           " </td>\n<td bgcolor=\"#444444\">pos </td>\n<td align=\"center\">#"
           " </td>\n <td align=\"center\">  driver </td>\n <td align=\"center\">  bike"
           " </td>\n<td align=\"center\"> laps </td>\n <td align=\"center\"> time"
           " </td>\n <td align=\"center\"> -first </td>\n<td align=\"center\"> -before </td>\n </tr><tr> \n";
}
inline const std::string kBoardEnd = "</border>  </table> </div><br clear=\"all\">  <BR>";

inline std::string comparatorOpen(int firstLap, int maxLap) {
    return "<div> <table border=3 cellpadding=\"1\" align=\"left\"> "
           "<caption align=\"center\">LAP TIME COMPERATOR / FASTEST RACE LAPS </caption> \n "
           " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">pos" +
           lapHeaders(firstLap, maxLap) +
           " </td>\n<td bgcolor=\"#444444\">pos </td>\n<td align=\"center\">#"
           " </td>\n <td align=\"center\">  driver </td>\n <td align=\"center\">  bike"
           " </td>\n<td align=\"center\"> lap </td>\n <td align=\"center\"> best time"
           " </td>\n<td align=\"center\"> -first </td>\n </tr><tr> \n";
}
inline const std::string kComparatorEnd = "</border>  </table>";

inline const std::string kConsistencyOpen =
    "<table border=3 cellpadding=\"1\" align=\"left\"> <caption align=\"center\"> CONSISTENCY </caption> \n "
    " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">pos</td>\n<td align=\"center\">#"
    " </td>\n <td align=\"center\">  driver </td>\n <td align=\"center\"> best time"
    " </td>\n <td align=\"center\"> average </td>\n<td align=\"center\"> difference"
    " </td>\n<td align=\"center\"> laps </td>\n </tr>";
inline const std::string kConsistencyEnd = "</border>  </table></div>";

inline std::string consistencyRow(int row, const std::string& open, const std::string& number,
                                  const std::string& name, const std::string& best, const std::string& average,
                                  const std::string& difference, const std::string& laps) {
    return "<tr> \n" + rowNumber(row) + cell(open, number) + cell(open, name) + cell(open, best) +
           cell(open, average) + cell(open, difference) + lastCell(open, laps);
}

inline const std::string kDevelopmentOpen =
    "<div><table border=3 cellpadding=\"1\" align=\"center\"> "
    "<caption align=\"center\"> DEVELOPMENT OF FASTEST LAP </caption> ";
inline const std::string kDevelopmentEnd = "</border> </table> \n <BR> <BR></div>";

inline std::string developmentRow(const std::string& lap, const std::string& name, const std::string& time) {
    return "<tr> \n<td align=\"center\"> Lap " + lap + " </td> <td align=\"center\"> " + name +
           " </td> <td align=\"center\"> " + time + " </td> </tr> \n";
}

inline const std::string kCountsOpen =
    "<div><table border=3 cellpadding=\"1\" align=\"center\"> "
    "<caption align=\"center\"> NUMBER OF FASTEST LAPS </caption> ";
inline const std::string kCountsEnd = "</border> </table> \n </div><br clear=\"all\">  <BR> <BR> ";

inline std::string countRow(const std::string& count, const std::string& name) {
    return "<tr> \n<td> \n" + count + " * " + name + "</td> \n</tr> \n";
}

inline std::string lapChartOpen(std::initializer_list<const char*> startNumbers) {
    std::string text =
        "<div> <table border=3 cellpadding=\"1\" align=\"left\"> "
        "<caption align=\"center\">ALL LAPTIMES OF ALL DRIVERS </caption> \n "
        " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">lap";
    for (const char* number : startNumbers) {
        text += "<td align=\"center\"> \n# " + std::string(number) + "</td> \n";
    }
    return text + "</tr> \n";
}
inline const std::string kLapChartEndAndPageEnd = "</border> </table> \n </div><br clear=\"all\">  <BR> </body> \n";

inline std::string lapRow(int lap, std::initializer_list<std::string> cells) {
    std::string text = "<tr> \n" + rowNumber(lap);
    for (const std::string& c : cells) {
        text += c;
    }
    return text + "</tr> \n";
}

/// A lap chart cell with its shading attributes ("" for none).
inline std::string shaded(const std::string& attributes, const std::string& time) {
    return "<td " + attributes + "> " + time + "</td> \n";
}
inline const std::string kRetired = "<td> </td> \n";

// ---- The graph values page ----

inline std::string graphPage(int maxLap, const std::string& positionRows, const std::string& differenceRows) {
    const std::string laps = lapHeaders(1, maxLap);
    return "<html> \n<head> \n<title>Quorrin graphic values</title></head> \n<body> \n"
           "<div> <table border=3 cellpadding=\"1\" align=\"left\"> "
           "<caption align=\"center\">VALUES FOR POSITION GRAPH </caption> \n "
           " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\"># </td>\n <td align=\"center\">  driver"
           " </td>\n<td bgcolor=\"#444444\">pos" + laps + " </td> </tr>" + positionRows +
           "</border>  </table> </div><br clear=\"all\"> "
           "<div> <table border=3 cellpadding=\"1\" align=\"left\"> "
           "<caption align=\"center\">VALUES FOR DIFFERENCE GRAPH </caption> \n "
           " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">#"
           " </td>\n <td align=\"center\">  driver" + laps + " </td> </tr>" + differenceRows +
           "</border>  </table> </div> <BR> </body> \n";
}

/// A body row of either graph table; `position` 0 leaves out the position cell (the
/// difference table has none).
inline std::string graphRow(const std::string& open, const std::string& number, const std::string& name,
                            int position, std::initializer_list<const char*> values) {
    std::string text = " <tr>" + cell(open, number) + cell(open, name);
    if (position > 0) {
        text += rowNumber(position);
    }
    for (const char* value : values) {
        text += cell(open, value);
    }
    return text + " </tr>";
}

}  // namespace league::quorrin::expected
