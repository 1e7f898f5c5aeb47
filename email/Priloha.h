#pragma once

#include <string>

#include "email/Kodovani.h"

namespace Holvent::Email {

// A file attached to a message.
struct Priloha {
    std::wstring contentType;  // empty: derived from the file name
    std::wstring charset = L"iso-8859-1";
    std::wstring contentId;
    EncodingKind encoding = EncodingKind::Automaticky;
    std::wstring path;
    std::wstring fileName;       // empty: the last component of path
    bool inlinePriloha = false;  // "inline" rather than "attachment" disposition
};

}  // namespace Holvent::Email
