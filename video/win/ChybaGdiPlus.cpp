#include "video/win/ChybaGdiPlus.h"

#include "knihovna/Formatovani.h"

namespace Holvent::GdiPlus {

Knihovna::Hresult HresultStavu(Gdiplus::Status stav) {
    switch (stav) {
        case Gdiplus::Ok:
            return S_OK;
        case Gdiplus::InvalidParameter:
            return E_INVALIDARG;
        case Gdiplus::OutOfMemory:
            return E_OUTOFMEMORY;
        case Gdiplus::NotImplemented:
            return E_NOTIMPL;
        case Gdiplus::AccessDenied:
            return E_ACCESSDENIED;
        case Gdiplus::FileNotFound:
            return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
        case Gdiplus::Win32Error: {
            const DWORD kod = ::GetLastError();
            return kod ? HRESULT_FROM_WIN32(kod) : E_FAIL;
        }
        default:
            return E_FAIL;
    }
}

void VyhoditPriChybe(Gdiplus::Status stav, std::source_location misto) {
    if (stav == Gdiplus::Ok) return;
    const Knihovna::Hresult hr = HresultStavu(stav);
    std::wstring text;
    if (hr == E_FAIL) text = Knihovna::Formatovat(L"Chyba knihovny GDI+ (stav %d)", static_cast<int>(stav));
    throw Knihovna::Chyba(hr, std::move(text), misto);
}

}  // namespace Holvent::GdiPlus
