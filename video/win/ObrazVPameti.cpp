#include "video/win/ObrazVPameti.h"

#include "knihovna/Chyba.h"
#include "video/win/ChybaGdiPlus.h"
#include "video/win/UkazatelCom.h"

namespace Holvent::GdiPlus {

std::vector<std::uint8_t> UlozitDoPameti(Gdiplus::Image& obraz, const CLSID& koder,
                                         const Gdiplus::EncoderParameters* parametry) {
    DirectShow::UkazatelCom<IStream> proud;
    Knihovna::VyhoditPriChybe(::CreateStreamOnHGlobal(nullptr, TRUE, proud.put()));
    VyhoditPriChybe(obraz.Save(proud.get(), &koder, parametry));

    // The stream's memory block may be larger than what was written: its size is the stream's own.
    STATSTG popis{};
    Knihovna::VyhoditPriChybe(proud->Stat(&popis, STATFLAG_NONAME));
    if (popis.cbSize.QuadPart > 0x7FFFFFFFull) Knihovna::Vyhodit(Knihovna::kE_OUTOFMEMORY);
    std::vector<std::uint8_t> data(static_cast<size_t>(popis.cbSize.QuadPart));
    Knihovna::VyhoditPriChybe(proud->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
    size_t precteno = 0;
    while (precteno < data.size()) {
        ULONG kus = 0;
        const HRESULT hr = proud->Read(data.data() + precteno, static_cast<ULONG>(data.size() - precteno), &kus);
        Knihovna::VyhoditPriChybe(hr);
        if (kus == 0) Knihovna::Vyhodit(Knihovna::kE_FAIL);
        precteno += kus;
    }
    return data;
}

}  // namespace Holvent::GdiPlus
