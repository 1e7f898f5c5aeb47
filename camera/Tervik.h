#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "camera/ParametryKamery.h"
#include "knihovna/Chyba.h"
#include "knihovna/Registr.h"

// One configured camera: its name, its settings record guarded by the camera's lock, and the
// running state the camera list asks about. The camera window and its activities build on it.
class Tervik {
public:
    explicit Tervik(std::wstring jmeno);
    virtual ~Tervik();
    Tervik(const Tervik&) = delete;
    Tervik& operator=(const Tervik&) = delete;

    const std::wstring& Jmeno() const { return jmeno_; }
    // The object only; the registry is the camera list's business.
    void Prejmenovat(std::wstring jmeno) { jmeno_ = std::move(jmeno); }

    bool JeVychoziKamera() const { return vychoziKamera_; }
    void OznacitJakoVychozi(bool vychozi) { vychoziKamera_ = vychozi; }

    // Read on the camera's UI thread without the lock; changed only under it or on that thread.
    ParametryKamery& Parametry() { return parametry_; }
    const ParametryKamery& Parametry() const { return parametry_; }
    std::mutex& Zamek() { return zamek_; }

    // These three hold the camera's lock for their whole run.
    void NastavitVychozi(const KontextKamery& kontext);
    // Everything below koren\"Kamery"\name; the failures are returned (each value that failed kept
    // its default), for the caller to report once with kTextChybaNacteniKamery.
    // Numbers the settings do not allow keep their defaults, with log lines in upozorneni.
    std::vector<Knihovna::Chyba> NacistParametry(Knihovna::Registr& registr, const std::wstring& koren,
                                                 std::vector<std::wstring>* upozorneni = nullptr);
    // Raises; the caller reports with kTextChybaZapisuKamery.
    void UlozitParametry(Knihovna::Registr& registr, const std::wstring& koren);

    // The capture device this camera uses (the default list sets it).
    void NastavitZarizeniVideo(const InfoZarizeni& zarizeni);

    // Running state: its window or capture is active. The plain camera never runs.
    virtual bool Bezi() const { return false; }
    virtual void Spustit() {}
    // Stops the window, the capture and the worker threads; nothing when it is not running.
    virtual void Zastavit() {}
    // Whether the camera's window waits for the user inside one of its own handlers (its settings, the
    // video pages, a file dialog, a question): its handler is still running below, so the camera must not
    // be stopped or freed until that dialog is closed.
    virtual bool VeVlastnimDialogu() const { return false; }

    // What the remote control asks of a running camera (all false for a camera that is off).
    virtual bool VideoBezi() { return false; }
    virtual bool ServerHttpBezi() const { return false; }
    virtual bool AutoFtpBezi() const { return false; }
    virtual bool AutoEmailBezi() const { return false; }
    // Whether the camera's window would carry out this menu command now (not greyed, not left for later).
    virtual bool PrikazDostupny(std::uint32_t /*prikaz*/) const { return false; }

    // What the main window's tray icon shows of it: a fault it is waiting out (its device lost, an automatic
    // delivery stopped after a failure), and the tick of its last motion report (false when it has none).
    virtual bool MaChybu() const { return false; }
    virtual bool PosledniPohyb(std::uint32_t& /*tik*/) const { return false; }

private:
    std::wstring jmeno_;
    bool vychoziKamera_ = false;
    ParametryKamery parametry_;
    std::mutex zamek_;
};
