#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Start modes of the process (the role chosen by the first argument).
enum class RezimSpusteni : std::int32_t {
    Aplikace = 0,
    EditorObrazku = 1,
    ProhlizecFtp = 2,
    PrehravacVidea = 3,
    SitovyOvladac = 4,
    Kamera = 5,
    VychoziKamera = 6,
};

// Where information messages go.
enum class RezimZprav : std::int32_t {
    Interaktivni = 0,  // message boxes
    Automaticky = 1,   // tray balloons ("/automaticky")
    Skryty = 2,        // the Windows event log ("/skryt")
};

// What the command line asks for. Only the first argument counts, compared without regard to case.
struct ParametryPrikazovehoRadku {
    RezimSpusteni rezim = RezimSpusteni::Aplikace;
    RezimZprav rezimZprav = RezimZprav::Interaktivni;
    // For the camera switch: the name after it (empty when missing). The caller looks it up
    // in the camera list and keeps VychoziKamera when it is not there.
    std::wstring jmenoKamery;
    // For the player's switch: the file to play (empty when none).
    std::wstring soubor;
};

// argumenty: the arguments without the program's own name.
ParametryPrikazovehoRadku RozebratPrikazovyRadek(const std::vector<std::wstring>& argumenty);

// The AppUserModelID of a start mode.
std::wstring IdModeluAplikace(RezimSpusteni rezim);
