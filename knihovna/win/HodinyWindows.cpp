#include "knihovna/win/HodinyWindows.h"

#include <windows.h>

namespace Knihovna::WinApi {

MistniCas HodinyWindows::Ted() const {
    SYSTEMTIME st{};
    ::GetLocalTime(&st);
    return MistniCas{st.wYear, st.wMonth, st.wDayOfWeek, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::uint32_t HodinyWindows::Tiky() const { return ::GetTickCount(); }

}  // namespace Knihovna::WinApi
