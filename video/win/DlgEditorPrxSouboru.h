#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/win/OknoNastroje.h"
#include "ui/win/EditCislo.h"
#include "ui/win/EditSoubor.h"

// The fields of a .prx profile: the file, the video size, the frame rate and the bit rate, with "Uložit" and
// "Uložit kopii jako". A child dialog filling the editor's window; it tells the window whether a valid file
// is loaded.
class DlgEditorPrxSouboru final : public ObsahNastroje {
public:
    using ZmenaSouboru = std::function<void(bool nacten)>;

    explicit DlgEditorPrxSouboru(ZmenaSouboru zmena);
    DlgEditorPrxSouboru(const DlgEditorPrxSouboru&) = delete;
    DlgEditorPrxSouboru& operator=(const DlgEditorPrxSouboru&) = delete;

    void Vytvorit(HWND rodic);
    HWND Hwnd() const override { return hwnd_; }
    // The window's outer size that shows the whole dialog.
    SIZE VelikostRamce(HWND ramec) const;

    // Puts the path into the field, which loads the file.
    void Otevrit(const std::wstring& cesta);
    // The file dialog of the path field.
    void Vybrat();
    // Writes the fields into the file; false (the user told why) when it failed or no file is loaded.
    bool Ulozit();
    // Writes the fields, then copies the file to a target chosen in the save dialog.
    void UlozitKopii();

    enum Prvek : int {
        kPopisekSouboru = 1001, kSoubor, kProchazet, kPopisekRozmeru, kSirka, kKrat, kVyska, kPopisekSnimku, kSnimky,
        kPopisekBitrate, kBitrate, kVelikostBitrate, kVarovani, kUlozit, kUlozitKopii
    };

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    INT_PTR ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp);
    void Inicializovat();
    void Prikaz(WPARAM wp, LPARAM lp);
    void Nacist();
    void Povolit(bool povolit);
    void Vynulovat();
    void ZobrazitVelikost();
    bool Existuje() const;

    HWND hwnd_ = nullptr;
    ZmenaSouboru zmena_;
    EditSoubor soubor_;
    EditCislo sirka_, vyska_, snimky_, bitrate_;
    bool nacitani_ = false;  // the path field is being changed by a load itself
};
