#pragma once
// Who a rider is. Riders are matched by name: the name from the export (already decoded
// and without blanks at its ends), mapped through the season file's [riders] table to
// the league's name, and compared without regard to letter case.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace league::season {

/// The text with its letters in lower case, for comparing names: the ASCII letters and
/// the letters of Latin-1 (É = é, Ø = ø); every other character stays as it is.
std::string foldedCase(std::string_view utf8);

/// The league's names of riders, from the season file's [riders] table.
class RiderNames {
public:
    explicit RiderNames(const std::vector<std::pair<std::string, std::string>>& exportToLeague);

    /// The league's name for a name read from an export or written in the season file:
    /// its [riders] line's name when it has one, else the name itself, without blanks at
    /// its ends.
    std::string leagueName(std::string_view name) const;

    /// What two names of the same rider have in common: the folded league name.
    std::string identity(std::string_view name) const { return foldedCase(leagueName(name)); }

private:
    std::map<std::string, std::string> byFoldedName_;
};

}  // namespace league::season
