#include "league/read/rider_names.hpp"

namespace league::season {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::string foldedCase(std::string_view utf8) {
    std::string folded(utf8);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (byte >= 'A' && byte <= 'Z') {
            folded[i] = static_cast<char>(byte + ('a' - 'A'));
        } else if (byte == 0xC3 && i + 1 < folded.size()) {
            // U+00C0 to U+00DE are the upper-case Latin-1 letters (but U+00D7, the
            // multiplication sign); their lower case lies 0x20 higher, in the same lead
            // byte's range: 0x80..0x9E becomes 0xA0..0xBE.
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                folded[i + 1] = static_cast<char>(next + 0x20);
            }
            ++i;
        }
    }
    return folded;
}

RiderNames::RiderNames(const std::vector<std::pair<std::string, std::string>>& exportToLeague) {
    for (const auto& [exportName, leagueName] : exportToLeague) {
        byFoldedName_.emplace(foldedCase(trimmed(exportName)), std::string(trimmed(leagueName)));
    }
}

std::string RiderNames::leagueName(std::string_view name) const {
    const std::string_view plain = trimmed(name);
    const auto found = byFoldedName_.find(foldedCase(plain));
    return found != byFoldedName_.end() ? found->second : std::string(plain);
}

}  // namespace league::season
