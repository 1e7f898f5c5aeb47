#pragma once

#include <windows.h>

#include "app/PrikazovyRadek.h"

// The taskbar jump list: the tools as separate processes, without the one this process runs.
namespace SeznamSkoku {

// Best effort: the result is returned (Wine's shell answers E_NOTIMPL), never raised.
HRESULT Vytvorit(RezimSpusteni rezim);

}  // namespace SeznamSkoku
