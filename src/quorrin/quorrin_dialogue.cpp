#include "quorrin/quorrin_dialogue.hpp"

#include <cstddef>
#include <ostream>

namespace league::quorrin {

void listTrackAndEntries(Console& console, const RaceRecord& race) {
    std::ostream& out = console.out();
    out << race.trackName << '\n' << '\n';
    for (std::size_t slot = 0; slot < race.startNumber.size(); ++slot) {
        // Slots without a start number are empty places of the grid and not listed.
        if (race.startNumber[slot] != 0) {
            out << race.startNumber[slot] << ' ' << race.driverName[slot] << '\n';
        }
    }
    out << '\n';
}

bool askToAddLap(Console& console, const RaceRecord& race, const LapQuestion& question) {
    const auto slot = static_cast<std::size_t>(question.slot);
    std::ostream& out = console.out();
    out << "Lap " << question.lap << " of #" << race.startNumber[slot] << ' ' << race.driverName[slot]
        << " has a very slow laptime." << '\n';
    out << "It seems Korvex has forget to count a lap." << '\n';
    out << "If you would add a lap for the driver press \"y\" " << "else press \"n\"!" << '\n';
    if (question.lastLapCaution) {
        out << "Be carefull it's the last lap of the driver. Maybe the race time must be edited in export." << '\n';
    }
    return readAnswerChar(console, 'n') == 'y';
}

void listJoinedRows(Console& console, const std::vector<JoinedRow>& rows) {
    for (const JoinedRow& row : rows) {
        console.out() << row.startNumber << " taus=" << row.raceTime << " Straf=" << row.penalty << '\n';
    }
}

ColourScheme askColourScheme(Console& console) {
    console.out() << "If you like very colourful tables put in number 0!" << '\n'
                  << "Otherwise only the winner of the race will be assigned in red." << '\n'
                  << "Put in the starting number of the driver that you would assign in yellow!" << '\n'
                  << "If you want only assigned the winner put in a non existing starting number!" << '\n';
    return ColourScheme::fromAnswer(readAnswerNumber(console, 0));
}

void sayPositionTableFailed(Console& console) {
    console.out() << "The Position table couldn't be made." << '\n'
                  << "The export couldn't be found OR" << '\n'
                  << "the replay and the export are not from the same race" << '\n'
                  << "OR wouldn't saved at the same time or" << '\n';
    console.pause();
}

}  // namespace league::quorrin
