#include "testkamera/win/OknoNahledu.h"

#include <oleauto.h>

#include "knihovna/Chyba.h"
#include "testkamera/win/IdentifikaceKamery.h"

using Knihovna::VyhoditPriChybe;
using Microsoft::WRL::ComPtr;

namespace TestovaciKamera {

namespace {

// The first video input device with the test camera's friendly name.
ComPtr<IBaseFilter> NajitKameru() {
    ComPtr<ICreateDevEnum> zarizeni;
    VyhoditPriChybe(::CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&zarizeni)));
    ComPtr<IEnumMoniker> monikery;
    if (zarizeni->CreateClassEnumerator(CLSID_VideoInputDeviceCategory, &monikery, 0) == S_OK) {
        ComPtr<IMoniker> moniker;
        while (monikery->Next(1, &moniker, nullptr) == S_OK) {
            ComPtr<IPropertyBag> vlastnosti;
            if (SUCCEEDED(moniker->BindToStorage(nullptr, nullptr, IID_PPV_ARGS(&vlastnosti)))) {
                VARIANT nazev;
                ::VariantInit(&nazev);
                const bool nase = SUCCEEDED(vlastnosti->Read(L"FriendlyName", &nazev, nullptr)) &&
                                  nazev.vt == VT_BSTR && std::wstring(nazev.bstrVal) == kNazevZarizeni;
                ::VariantClear(&nazev);
                if (nase) {
                    ComPtr<IBaseFilter> filtr;
                    VyhoditPriChybe(moniker->BindToObject(nullptr, nullptr, IID_PPV_ARGS(&filtr)));
                    return filtr;
                }
            }
            moniker.Reset();
        }
    }
    Knihovna::Vyhodit(VFW_E_NOT_FOUND, std::wstring(L"Zařízení \u201E") + kNazevZarizeni + L"\u201C není zaregistrováno.");
}

}  // namespace

OknoNahledu::~OknoNahledu() { Zbourat(); }

void OknoNahledu::PripravitTridu(WNDCLASSEXW& trida) {
    trida.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
}

void OknoNahledu::Otevrit() {
    RECT r{0, 0, 640, 480};
    ::AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    Vytvorit(L"TervikNahledKamery", L"Testovací kamera Tervik - náhled", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
             CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top);
    SestavitGraf();
    ::ShowWindow(Hwnd(), SW_SHOW);
    Rozvrhnout();
}

void OknoNahledu::SestavitGraf() {
    ComPtr<IBaseFilter> kamera = NajitKameru();
    VyhoditPriChybe(::CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&graf_)));
    ComPtr<ICaptureGraphBuilder2> stavitel;
    VyhoditPriChybe(::CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&stavitel)));
    VyhoditPriChybe(stavitel->SetFiltergraph(graf_.Get()));
    VyhoditPriChybe(graf_->AddFilter(kamera.Get(), kNazevZarizeni));
    // The plain Video Renderer takes RGB24 under Wine; VMR-7 (the intelligent-connect choice) does not.
    ComPtr<IBaseFilter> vykreslovac;
    VyhoditPriChybe(::CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&vykreslovac)));
    VyhoditPriChybe(graf_->AddFilter(vykreslovac.Get(), L"Video Renderer"));
    VyhoditPriChybe(stavitel->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Video, kamera.Get(), nullptr,
                                           vykreslovac.Get()));
    VyhoditPriChybe(graf_->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(video_.GetAddressOf())));
    VyhoditPriChybe(video_->put_Owner(reinterpret_cast<OAHWND>(Hwnd())));
    VyhoditPriChybe(video_->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS));
    VyhoditPriChybe(video_->put_MessageDrain(reinterpret_cast<OAHWND>(Hwnd())));
    VyhoditPriChybe(graf_->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(rizeni_.GetAddressOf())));
    VyhoditPriChybe(rizeni_->Run());
}

void OknoNahledu::Rozvrhnout() {
    if (!video_) return;
    RECT r;
    ::GetClientRect(Hwnd(), &r);
    video_->SetWindowPosition(0, 0, r.right, r.bottom);
    video_->put_Visible(OATRUE);
}

void OknoNahledu::Zbourat() {
    if (rizeni_) rizeni_->Stop();
    if (video_) {
        video_->put_Visible(OAFALSE);
        video_->put_Owner(0);
    }
    video_.Reset();
    rizeni_.Reset();
    graf_.Reset();
}

LRESULT OknoNahledu::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_SIZE: Rozvrhnout(); return 0;
    case WM_DESTROY:
        Zbourat();
        ::PostQuitMessage(0);
        return 0;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}

}  // namespace TestovaciKamera
