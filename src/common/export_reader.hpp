#pragma once
// Reads the simulator's results export as bytes, the way the programs always have:
// fixed relative skips and short searches for "<TR", "<TD" and "<TD>" through a small
// comparison window that keeps its contents from one operation to the next. The byte
// positions each operation leaves behind decide which cells the row recipes read.
//
// Running out of file, or finding no number where one is expected, puts the reader
// into a failed state: the row being read is abandoned and the export's rows end.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace league {

/// End margins: rows are read while the position is below file size minus the margin.
inline constexpr std::int64_t kQuorrinEndMargin = 576;
inline constexpr std::int64_t kOmblenEndMargin = 528;
inline constexpr std::int64_t kDuvessaEndMargin = 336;

class ExportReader {
public:
    /// Byte offset at which the row search begins; nothing before it is read.
    static constexpr std::int64_t kRowStart = 1280;

    /// Starts on the whole export, read into memory (exports are small).
    void openBytes(std::string bytes, std::int64_t endMargin);

    /// True when rows can be read: after opening, the position lies below the region end.
    bool rowsAvailable() const { return !failed_ && position_ < rowRegionEnd_; }

    /// Searches "<TR", "<TD" or "<TD>" with a lead read of 1, 3 or 4 bytes.
    void scanFor(std::string_view pattern, int lead);
    /// scanFor("<TR", 3) and a skip of 2.
    void nextRow();
    void skip(std::int64_t bytes);
    /// Reads bytes up to and including the next '>'.
    void skipToTagEnd();
    /// The standard extraction of a decimal integer at the position.
    std::int32_t readNumber();
    /// minutes ":" seconds "." milliseconds, in milliseconds.
    std::int32_t readTime();
    /// The bytes up to the next '<' (which is consumed); at most `capacity` - 1 bytes
    /// are kept, and none from a zero byte on (a text ends there), but the reading
    /// always goes on to the '<'.
    std::string readCellText(std::size_t capacity);
    /// The standard extraction of a floating-point number.
    double readDecimal();
    /// One byte, also stored in the window's first place.
    char readByte();
    /// True when the position is at or beyond the region end.
    bool pastRegionEnd() const { return position_ >= rowRegionEnd_; }

    /// True once a read ran out of file or found no number.
    bool failed() const { return failed_; }
    std::int64_t position() const { return position_; }
    std::int64_t rowRegionEnd() const { return rowRegionEnd_; }
    std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
    /// The comparison window (4 places and a terminator), for tests.
    const std::array<char, 5>& window() const { return window_; }

private:
    bool takeByte(char& byte);
    bool fillWindow(std::size_t count);
    bool windowMatches(std::string_view pattern) const;
    void skipWhiteSpace();

    std::string bytes_;
    std::int64_t position_ = 0;
    std::int64_t rowRegionEnd_ = 0;
    std::array<char, 5> window_{};
    bool failed_ = false;
};

}  // namespace league
