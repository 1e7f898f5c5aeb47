#include "camera/Tervik.h"

using namespace Knihovna;

Tervik::Tervik(std::wstring jmeno) : jmeno_(std::move(jmeno)) {}

Tervik::~Tervik() = default;

void Tervik::NastavitVychozi(const KontextKamery& kontext) {
    std::lock_guard<std::mutex> z(zamek_);
    parametry_.NastavitVychozi(jmeno_, kontext);
}

std::vector<Chyba> Tervik::NacistParametry(Registr& registr, const std::wstring& koren,
                                           std::vector<std::wstring>* upozorneni) {
    std::lock_guard<std::mutex> z(zamek_);
    return parametry_.Nacist(registr, CestaKamery(koren, jmeno_), upozorneni);
}

void Tervik::UlozitParametry(Registr& registr, const std::wstring& koren) {
    std::lock_guard<std::mutex> z(zamek_);
    parametry_.Ulozit(registr, CestaKamery(koren, jmeno_));
}

void Tervik::NastavitZarizeniVideo(const InfoZarizeni& zarizeni) {
    std::lock_guard<std::mutex> z(zamek_);
    parametry_.zarizeni.video = zarizeni;
}
