#pragma once

// The 20 event switches of a camera, once for its log file ("Logovani") and once for the
// Windows event log ("Zapis udalosti"); stored in this order.
struct UdalostiKamery {
    bool snimekEmail = false;
    bool snimekEmailChyba = false;
    bool snimekFtp = false;
    bool snimekFtpChyba = false;
    bool snimekServerHttp = false;
    bool snimekServerHttpChyba = false;
    bool spusteni = false;
    bool spusteniSnimkovaniDisk = false;
    bool spusteniSnimkovaniEmail = false;
    bool spusteniSnimkovaniFtp = false;
    bool spusteniZaznamuVidea = false;
    bool spusteniZaznamuVideaDP = false;  // started by motion detection
    bool ukonceni = false;
    bool ukonceniSnimkovaniDisk = false;
    bool ukonceniSnimkovaniEmail = false;
    bool ukonceniSnimkovaniFtp = false;
    bool ukonceniZaznamuVidea = false;
    bool ukonceniZaznamuVideaDP = false;
    bool vypnutiVidea = false;
    bool zapnutiVidea = false;

    bool operator==(const UdalostiKamery&) const = default;
};
