#include "camera/StavSnimku.h"

#include "camera/DruhSnimku.h"
#include "knihovna/RegistrKlic.h"

void StavSnimku::Zahajit(int druh, bool automaticky) {
    cekajiciDruh_ = druh;
    if (druh >= kSnimekDisk && druh <= kSnimekFtp) automaticky_[static_cast<std::size_t>(druh - 1)] = automaticky;
}

bool StavSnimku::Automaticky(int druh) const {
    return druh >= kSnimekDisk && druh <= kSnimekFtp && automaticky_[static_cast<std::size_t>(druh - 1)];
}

void StavSnimku::ResetovatCislovani(ParametryKamery& parametry, Knihovna::Registr& registr,
                                    const std::wstring& cestaKamery) {
    citac_ = 1;
    UlozitCitac(parametry, registr, cestaKamery);
}

void StavSnimku::UlozitCitac(ParametryKamery& parametry, Knihovna::Registr& registr,
                             const std::wstring& cestaKamery) const {
    parametry.snimkyDisk.soubor.posledniCislo = citac_;
    Knihovna::RegistrKlic klic(registr, cestaKamery);
    klic.OtevritZapis(L"Snimky disk\\Soubor");
    klic.ZapsatCislo(L"posledniCisloSnimku", citac_);
}

const ParametrySnimku& BlokDruhu(const ParametryKamery& parametry, int druh) {
    switch (druh) {
    case kSnimekEmail: return parametry.snimkyEmail.snimek;
    case kSnimekFtp: return parametry.snimkyFtp.snimek;
    case kSnimekHttp: return parametry.httpServer.snimek;
    default: return parametry.snimkyDisk.snimek;
    }
}
