#pragma once

#include <string>

namespace Holvent::Email {

// An FTP place that cameras upload to; server is the key.
struct FtpMisto {
    std::wstring heslo;
    bool pasivniRezim = true;  // kept for a record without the field
    std::wstring server;
    std::wstring slozka;
    std::wstring uzivatel;
};

}  // namespace Holvent::Email
