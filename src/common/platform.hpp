#pragma once
// The one place that knows the operating system: everything that differs between
// Windows and the other systems is behind these few functions.

#include <iosfwd>
#include <string>

namespace league::platform {

/// Waits for one key the way the system's own pause command does. On Windows the
/// command interpreter's "PAUSE" runs; elsewhere "Press any key to continue . . . " is
/// printed and one key is read (one byte from a non-terminal input; at end of input it
/// returns at once). The output stream is flushed first.
void pauseForKey(std::istream& in, std::ostream& out);

/// Turns a composed input path into the form the system opens: on systems other than
/// Windows every backslash becomes '/'. Windows keeps the path as it is.
std::string nativeInputPath(const std::string& composedPath);

/// Prepares the real console for the programs: binary-safe standard streams where
/// the system needs it. Called once by each main().
void prepareConsole();

}  // namespace league::platform
