#pragma once

#include <string>

#include "email/Zprava.h"

namespace Holvent::Email {

// Media type of a file-name extension from HKEY_CLASSES_ROOT\<extension> "Content Type",
// empty when there is none.
std::wstring TypObsahuZRegistru(const std::wstring& pripona);

// Connects a message to the system: the file-type registry and the debugger output.
void PripojitSluzbyWindows(Zprava& zprava);

}  // namespace Holvent::Email
