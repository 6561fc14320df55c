#pragma once
// Builds one page in memory: fixed fragments, number texts, colour bytes and time
// texts. Every line break of a fragment is stored as CR LF on every system, so a page
// is the same file byte for byte wherever it was made. The finished page goes to the
// disk in one write (savePage).

#include "common/disk.hpp"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace league {

class ReportWriter {
public:
    ReportWriter();

    void writeFragment(std::string_view text);
    /// Writes a text read from the replay or an export (track, driver and bike names,
    /// lap texts) byte for byte: a line break inside it is kept as it was read.
    void writeValueText(std::string_view text);
    void writeNumber(std::int32_t value);
    /// "0" below 16, then lower-case hexadecimal: 0 -> "00", 90 -> "5a", 255 -> "ff".
    void writeHexByte(std::int32_t value);
    /// A real number with one decimal, as printf "%.1f" writes it in the C locale.
    void writeOneDecimal(double value);
    void formatLapTime(std::int32_t ms);
    void formatTimeGap(std::int32_t ms);

    /// The page's bytes so far.
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

/// The "%.1f" text of a real number, independent of the locale.
std::string oneDecimalText(double value);

/// Tells the user that page `name` could not be created or written whole:
/// "Can't write " + name + "!" and a line end.
void sayPageNotWritten(std::ostream& console, const std::string& name);

/// Writes the finished `page` to the disk as `name` in one write. When it cannot be
/// created or written whole the user is told (sayPageNotWritten) and the result is false.
bool savePage(Disk& disk, const std::string& name, const ReportWriter& page, std::ostream& console);

}  // namespace league
