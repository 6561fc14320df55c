#include "common/settings_messages.hpp"

#include <ostream>

namespace league {

void saySettingsFileMissing(Console& console) {
    console.out() << "Datei wrong!!!";
    console.out().flush();
}

void refuseLongName(Console& console) {
    console.out() << "The name is too long!" << '\n';
    console.pause();
}

}  // namespace league
