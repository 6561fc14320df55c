#pragma once
// Time texts of the pages: a signed count of milliseconds as "m:ss.mmm" or "s.mmm".

#include <cstddef>
#include <cstdint>
#include <string>

namespace league {

/// The value that stands for "no time": every search for a smallest time starts here.
inline constexpr std::int32_t kNoTime = 10000000;

/// Room for every time text, the longest being that of the most negative time.
inline constexpr std::size_t kTimeTextCapacity = 32;

/// `later` - `earlier` in milliseconds, held to the 32-bit range: two times read from
/// files that do not fit each other can lie further apart than 32 bits hold.
std::int32_t timeDifference(std::int32_t later, std::int32_t earlier);

/// 83456 -> "1:23.456", 9050 -> "9.050", 600000 -> "10:00.000"; a negative value is
/// "-" followed by the text of its absolute value (-877 -> "-0.877").
std::string formatLapTime(std::int32_t ms);

/// Milliseconds 0 to 999 as the three digits every time text ends with (5 -> "005"),
/// written into `out`; returns the end of the text.
char* writeThreeDigitMillis(std::int64_t millis, char* out);

/// A gap behind a reference: "-" followed by formatLapTime (1234 -> "-1.234"). A
/// negative difference means the rider is ahead of the reference and is written as
/// "+" followed by the text of its absolute value (-1234 -> "+1.234").
std::string formatTimeGap(std::int32_t ms);

/// The same two texts written into `out` (kTimeTextCapacity characters); each returns
/// the end of the text.
char* writeLapTime(std::int32_t ms, char* out);
char* writeTimeGap(std::int32_t ms, char* out);

}  // namespace league
