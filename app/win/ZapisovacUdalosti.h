#pragma once

#include <windows.h>

#include <mutex>
#include <string>

// Writes one entry to the Windows event log with the product name as the source.
// Serialised by the application lock; the result is returned, never shown.
class ZapisovacUdalosti {
public:
    static constexpr WORD kChyba = EVENTLOG_ERROR_TYPE;           // 1
    static constexpr WORD kVarovani = EVENTLOG_WARNING_TYPE;      // 2
    static constexpr WORD kInformace = EVENTLOG_INFORMATION_TYPE;  // 4

    ZapisovacUdalosti(std::recursive_mutex& zamekAplikace, const std::wstring& zdroj)
        : zamek_(zamekAplikace), zdroj_(zdroj) {}

    // A final "." is added when missing, then "\r\n". 0, or the last Win32 error as an HRESULT.
    HRESULT Zapsat(WORD typ, const std::wstring& text);

private:
    std::recursive_mutex& zamek_;
    const std::wstring& zdroj_;
};
