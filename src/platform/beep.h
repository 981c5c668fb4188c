#pragma once

#include <vector>

// A tone of a given pitch and length: the input constraints beep at a key
// they refuse. Every beep is recorded so that tests can see it; the record
// is kept until ClearHistory.
class Beep {
public:
    struct Tone {
        int frequency;   // Hz
        int duration;    // ms
    };

    static void Play(int frequency, int duration);
    static const std::vector<Tone>& History();
    static void ClearHistory();
};
