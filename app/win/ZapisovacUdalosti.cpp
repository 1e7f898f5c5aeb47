#include "app/win/ZapisovacUdalosti.h"

#include "app/TextyZprav.h"

HRESULT ZapisovacUdalosti::Zapsat(WORD typ, const std::wstring& text) {
    const std::wstring zaznam = TextyZprav::TextUdalosti(text);
    std::lock_guard<std::recursive_mutex> z(zamek_);
    HANDLE zdroj = ::RegisterEventSourceW(nullptr, zdroj_.c_str());
    if (!zdroj) return HRESULT_FROM_WIN32(::GetLastError());
    HRESULT hr = S_OK;
    const wchar_t* retezce[1] = {zaznam.c_str()};
    if (!::ReportEventW(zdroj, typ, 0, 0, nullptr, 1, 0, retezce, nullptr)) hr = HRESULT_FROM_WIN32(::GetLastError());
    if (!::DeregisterEventSource(zdroj) && hr == S_OK) hr = HRESULT_FROM_WIN32(::GetLastError());
    return hr;
}
