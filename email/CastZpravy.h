#pragma once

#include <string>

#include "email/Kodovani.h"

namespace Holvent::Email {

// One text part of a message.
struct CastZpravy {
    std::wstring contentType = L"text/plain";
    std::wstring charset = L"iso-8859-1";
    std::wstring contentId;
    EncodingKind encoding = EncodingKind::Automaticky;
    std::wstring text;
};

}  // namespace Holvent::Email
