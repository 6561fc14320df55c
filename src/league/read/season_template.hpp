#pragma once
// The commented season file that `League --new NAME` writes: every key explained, the
// optional ones commented out, one round to fill in.

#include <string>
#include <string_view>

namespace league::season {

/// The template for the season file "<stem>.toml", its lines ended by `lineEnd` (the
/// system's: "\r\n" on Windows, where Notepad and its users expect it).
std::string seasonTemplate(std::string_view stem, std::string_view lineEnd);

}  // namespace league::season
