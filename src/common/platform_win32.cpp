#include "common/platform.hpp"

#include <cstdlib>
#include <istream>
#include <ostream>

namespace league::platform {

void pauseForKey(std::istream& /*in*/, std::ostream& out) {
    out.flush();
    std::system("PAUSE");
}

std::string nativeInputPath(const std::string& composedPath) {
    return composedPath;
}

void prepareConsole() {}

}  // namespace league::platform
