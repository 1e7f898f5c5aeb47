#pragma once

#include <string>

namespace Holvent::Email {

// An e-mail account that cameras send from; email is the key.
struct EmailovyUcet {
    std::wstring email;
    std::wstring heslo;
    std::wstring id;  // SMTP login; empty means no authentication
    std::wstring jmeno;
    std::wstring server;
};

}  // namespace Holvent::Email
