#include "fuzz_input.hpp"

#include <algorithm>

namespace league::fuzz {

std::vector<std::string> splitParts(const std::uint8_t* data, std::size_t size, std::size_t maxParts) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() + 1 < maxParts) {
        const std::size_t cut = input.find(kPartSeparator, start);
        if (cut == std::string_view::npos) {
            break;
        }
        parts.emplace_back(input.substr(start, cut - start));
        start = cut + kPartSeparator.size();
    }
    parts.emplace_back(input.substr(start));
    return parts;
}

std::string joinParts(const std::vector<std::string>& parts) {
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            joined += kPartSeparator;
        }
        joined += parts[i];
    }
    return joined;
}

std::string withoutSlashes(std::string text) {
    std::replace(text.begin(), text.end(), '/', '_');
    return text;
}

}  // namespace league::fuzz
