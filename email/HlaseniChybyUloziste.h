#pragma once

#include <functional>
#include <string>

#include "knihovna/Chyba.h"

namespace Holvent::Email {

// Where a store reports a failed load or save: the text of the failed action and the error.
using HlaseniChybyUloziste = std::function<void(const std::wstring& text, const Knihovna::Chyba& chyba)>;

// The path of a store's file in the data folder.
std::wstring CestaSouboruUloziste(const std::wstring& slozkaDat, const wchar_t* nazevSouboru);

}  // namespace Holvent::Email
