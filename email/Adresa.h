#pragma once

#include <string>

namespace Holvent::Email {

// A recipient: display name (may be empty) and address.
struct Adresa {
    std::wstring name;
    std::wstring address;
};

}  // namespace Holvent::Email
