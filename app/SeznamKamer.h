#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/NastaveniAplikace.h"
#include "app/RozhraniSeznamuKamer.h"
#include "camera/ParametryKamery.h"
#include "camera/Tervik.h"
#include "knihovna/Registr.h"

// The configured cameras, sorted by name without regard to case, one subkey of "Kamery" each,
// and which of them is the default camera.
class SeznamKamer {
public:
    static constexpr std::size_t kMaxPocetKamer = 50;
    static constexpr std::size_t kMaxDelkaNazvu = 200;
    // Makes the camera objects (the Win32 build makes running cameras).
    using TvurceKamer = std::function<std::unique_ptr<Tervik>(const std::wstring& jmeno)>;

    SeznamKamer(Knihovna::Registr& registr, NastaveniAplikace& nastaveni, RozhraniSeznamuKamer& rozhrani,
                std::wstring koren = kKorenRegistru, TvurceKamer tvurce = {});
    ~SeznamKamer();
    SeznamKamer(const SeznamKamer&) = delete;
    SeznamKamer& operator=(const SeznamKamer&) = delete;

    // What new cameras' defaults depend on (folder, user, product, device lists, font).
    KontextKamery& Kontext() { return kontext_; }

    // Frees the cameras and reads every subkey of "Kamery" (none: an empty list). A camera whose
    // values could not all be read is reported once and kept. Other registry failures raise.
    void Nacist();
    // Makes sure "Kamery" and one subkey per camera exist; a failure is reported (20045).
    void UlozitSeznam();

    int Pocet() const { return static_cast<int>(kamery_.size()); }
    Tervik* Kamera(int index) const;
    // Index of the camera of that name without regard to case, or -1.
    int Najit(const std::wstring& jmeno) const;

    // Asks for a name and adds a camera with defaults; the index of the new camera, or -1.
    int Pridat();
    // Asks and removes the camera with its subkey; true when removed.
    bool Odebrat(int index);
    // Asks for a new name; the camera's new index, or -1 when nothing changed.
    int Prejmenovat(int index);
    // Makes the camera the default one and saves the application settings.
    void NastavitVychoziKameru(int index);
    // Replaces the cameras by one per video device; with zeptatSe the user confirms first. With no
    // video device the cameras are kept and the user is told. True when the list was rebuilt.
    bool VytvoritVychoziSeznam(bool zeptatSe = true);
    // Starts the executable again with "-ka" and the camera's name.
    void SpustitVeVlastnimProcesu(int index);
    // Stops and frees every camera.
    void UvolnitVse();

    // Whether the camera at the index may be stopped or freed now; when its window waits in a dialog of
    // its own the user is told which camera's dialog to close first, and the answer is false.
    bool PovolitZastaveni(int index);
    // The same for every camera (before the application ends or the list is rebuilt).
    bool PovolitZastaveniVsech();

    Tervik* VychoziKamera() const { return vychozi_; }
    // The default camera's position in the sorted list, -1 when there is none.
    int IndexVychoziKamery() const;

    // The parameters that start a camera in its own process: "-ka" and the quoted name.
    static std::wstring ParametryProcesu(const std::wstring& jmeno);

private:
    std::unique_ptr<Tervik> Vytvorit(const std::wstring& jmeno);
    void Seradit();
    int Vlozit(std::unique_ptr<Tervik> kamera);
    // The checks every new name passes: 20063 empty or with a backslash, 20064 too long.
    bool NazevPlatny(const std::wstring& jmeno);
    void OhlasitNacteni(const Tervik& kamera, const std::vector<Knihovna::Chyba>& chyby);
    bool Ulozit(Tervik& kamera);
    void OznacitVychozi(Tervik* kamera);
    std::wstring NazevZarizeni(const InfoZarizeni& zarizeni) const;
    bool PovolitZastaveni(const Tervik& kamera);

    Knihovna::Registr& registr_;
    NastaveniAplikace& nastaveni_;
    RozhraniSeznamuKamer& rozhrani_;
    std::wstring koren_;
    TvurceKamer tvurce_;
    KontextKamery kontext_;
    std::vector<std::unique_ptr<Tervik>> kamery_;
    Tervik* vychozi_ = nullptr;
};
