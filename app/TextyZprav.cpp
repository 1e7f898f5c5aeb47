#include "app/TextyZprav.h"

#include "knihovna/Formatovani.h"

using Knihovna::Formatovat;
using Knihovna::STeckouNaKonci;

namespace TextyZprav {

std::wstring Chyba(const std::wstring& text, const std::wstring& popis) {
    return Formatovat(L"%s\n\nChyba: %s", STeckouNaKonci(text).c_str(), popis.c_str());
}

std::wstring SystemovyPopis(const std::wstring& text, const std::wstring& popis) {
    return Formatovat(L"%s\n\nSystémový popis chyby:\n%s", text.c_str(), popis.c_str());
}

std::wstring FatalniChyba(const std::wstring& text, const std::wstring& produkt) {
    return Formatovat(L"Došlo k významné chybě!\n\n%s\n\nAplikace %s bude ukončena.", text.c_str(), produkt.c_str());
}

std::wstring PopisChybyCom(const std::wstring& zprava, bool maInfo, const std::wstring* popisInfo) {
    if (!maInfo) return zprava;
    return Formatovat(L"%s - %s", zprava.c_str(), popisInfo ? popisInfo->c_str() : L"Nezjištěný popis chyby IErrorInfo");
}

std::wstring TextUdalosti(const std::wstring& text) { return STeckouNaKonci(text) + L"\r\n"; }

std::wstring ChybaBehuModulu(const std::wstring& modul, const std::wstring& popis) {
    return SystemovyPopis(Formatovat(L"Chyba běhu modulu \"%s\"", modul.c_str()), popis);
}

std::wstring ChybaUkonceniModulu(const std::wstring& modul, const std::wstring& popis) {
    return SystemovyPopis(Formatovat(L"Chyba ukončení modulu \"%s\"", modul.c_str()), popis);
}

std::wstring ChybaSpusteniModulu(const std::wstring& modul, const std::wstring& popis) {
    return SystemovyPopis(Formatovat(L"Chyba spuštění modulu \"%s\"", modul.c_str()), popis);
}

}  // namespace TextyZprav
