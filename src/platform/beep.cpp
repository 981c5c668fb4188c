#include "beep.h"

#include <QApplication>

namespace {
std::vector<Beep::Tone>& Tones() {
    static std::vector<Beep::Tone> tones;
    return tones;
}
}

void Beep::Play(int frequency, int duration) {
    Tones().push_back({frequency, duration});
    // The desktop offers one beep of its own choosing; pitch and length are
    // kept in the record only.
    QApplication::beep();
}

const std::vector<Beep::Tone>& Beep::History() {
    return Tones();
}

void Beep::ClearHistory() {
    Tones().clear();
}
