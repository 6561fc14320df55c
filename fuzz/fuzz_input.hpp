#pragma once
// One fuzz input carries everything a run reads: the typed answers and the files. The
// pieces are cut at a separator text, so the fuzzer can change each piece on its own,
// and can drop or add whole pieces (a piece that is missing stands for a missing file).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace league::fuzz {

inline constexpr std::string_view kPartSeparator = "|#part#|";

/// The pieces of `data` between separators, at most `maxParts` of them: the last piece
/// takes the rest, separators included.
std::vector<std::string> splitParts(const std::uint8_t* data, std::size_t size, std::size_t maxParts);

/// The pieces joined with separators: the input that splitParts takes apart again.
std::string joinParts(const std::vector<std::string>& parts);

/// The text with every '/' turned into '_'. Typed names and the simulator folder are
/// used as paths; without '/' no page can be written outside the fuzzer's working
/// folder and no input can be read from elsewhere on the machine.
std::string withoutSlashes(std::string text);

}  // namespace league::fuzz
