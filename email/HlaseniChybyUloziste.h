#pragma once

#include <functional>
#include <string>

#include "knihovna/Chyba.h"

namespace Holvent::Email {

// Where a store reports a failed load or save: the text of the failed action and the error.
using HlaseniChybyUloziste = std::function<void(const std::wstring& text, const Knihovna::Chyba& chyba)>;

// The path of a store's file in the data folder.
std::wstring CestaSouboruUloziste(const std::wstring& slozkaDat, const wchar_t* nazevSouboru);

// Writes a file through a temporary file next to it, which then replaces it, so that a
// failed write leaves the old file in place. zapsat writes to the path it is given.
void ZapsatNahrazenim(const std::wstring& cesta, const std::function<void(const std::wstring&)>& zapsat);

}  // namespace Holvent::Email
