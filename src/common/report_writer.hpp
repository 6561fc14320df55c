#pragma once
// Builds one page in memory: fixed fragments, number texts, colour bytes and time
// texts. The page's conventions, chosen when the writer is made, say how its line
// breaks are stored and which characters its texts escape, the same on every system,
// so a page is the same file byte for byte wherever it was made. The finished page
// goes to the disk in one write (savePage).

#include "common/disk.hpp"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace league {

// Only savePage and sayPageNotWritten talk to the user, so the writer needs no more of
// the console than its name, and the page writers that include it see no console.
class Console;

/// A fixed text of a page, as the program's source spells it. Whether it holds a line
/// break is found when the program is compiled, so that writing it is a plain copy.
class Fragment {
public:
    template <std::size_t N>
    consteval Fragment(const char (&text)[N]) : Fragment(std::string_view(text, N - 1)) {}
    consteval Fragment(std::string_view text)
        : text_(text), hasLineBreak_(text.find('\n') != std::string_view::npos) {}

    std::string_view text() const { return text_; }
    bool hasLineBreak() const { return hasLineBreak_; }

private:
    std::string_view text_;
    bool hasLineBreak_;
};

/// The conventions of a page's markup.
enum class PageConventions {
    /// The classic programs' pages: every line break stored as CR LF; '<', '>', '&'
    /// and '"' escaped.
    Classic,
    /// League's HTML5 pages: every line break stored as LF; the apostrophe escaped too.
    Html5,
};

class ReportWriter {
public:
    explicit ReportWriter(PageConventions conventions = PageConventions::Classic);

    /// Writes a fixed text; each of its line breaks is stored as the page's conventions
    /// say.
    void writeFragment(Fragment fragment) {
        if (fragment.hasLineBreak() && conventions_ == PageConventions::Classic) {
            writeText(fragment.text());
        } else {
            append(fragment.text().data(), fragment.text().size());
        }
    }
    /// Writes a text whose line breaks belong to the page, each stored as the page's
    /// conventions say: the fixed fragments that hold a line break come here through
    /// writeFragment.
    void writeText(std::string_view text);
    /// Writes a text byte for byte: a text read from the replay or an export (track,
    /// driver and bike names, lap texts), whose line breaks are kept as they were read, or
    /// a value text the program made, which has none.
    void writeValueText(std::string_view text) { append(text.data(), text.size()); }
    /// Writes a text inside markup that must stay well formed (a name in a drawing or
    /// a tooltip): '<', '>', '&' and '"' as character references, on an HTML5 page the
    /// apostrophe as "&#39;" too, every other byte as it was read (no character set is
    /// assumed). The one place where texts are escaped.
    void writeEscapedText(std::string_view text);
    /// Writes what another writer of the same conventions wrote: a part made once for
    /// two pages.
    void writePart(const ReportWriter& part) { append(part.buffer_.get(), part.size_); }
    void writeNumber(std::int32_t value);
    /// "0" below 16, then lower-case hexadecimal: 0 -> "00", 90 -> "5a", 255 -> "ff".
    void writeHexByte(std::int32_t value);
    /// A real number with one decimal, as printf "%.1f" writes it in the C locale.
    void writeOneDecimal(double value);
    void formatLapTime(std::int32_t ms);
    void formatTimeGap(std::int32_t ms);

    /// The page's bytes so far.
    std::string_view bytes() const { return std::string_view(buffer_.get(), size_); }

    /// Starts the next page in the memory of this one.
    void clear() { size_ = 0; }

private:
    // Pages are written cell by cell, so appending is kept to a copy into room that is
    // already there.
    void append(const char* text, std::size_t length) {
        if (length > capacity_ - size_) {
            grow(length);
        }
        std::memcpy(buffer_.get() + size_, text, length);
        size_ += length;
    }
    void grow(std::size_t length);

    PageConventions conventions_;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

/// The "%.1f" text of a real number, independent of the locale.
std::string oneDecimalText(double value);

/// Tells the user that page `name` could not be created or written whole:
/// "Can't write " + name + "!" and a line end.
void sayPageNotWritten(Console& console, const std::string& name);

/// Writes the finished `page` to the disk as `name` in one write. When it cannot be
/// created or written whole the user is told (sayPageNotWritten) and the result is false.
bool savePage(Disk& disk, const std::string& name, const ReportWriter& page, Console& console);

}  // namespace league
