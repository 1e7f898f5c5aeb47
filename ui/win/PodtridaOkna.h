#pragma once

#include <windows.h>

#include <functional>

// One SetWindowSubclass hook on a window of this thread: removed on destruction, on Odpojit, and
// by itself when the window receives WM_NCDESTROY (the handler still sees that message first).
class PodtridaOkna {
public:
    // True when the message was handled and vysledek is its result; false passes it on.
    using Obsluha = std::function<bool(UINT zprava, WPARAM wp, LPARAM lp, LRESULT& vysledek)>;

    PodtridaOkna() = default;
    ~PodtridaOkna();
    PodtridaOkna(const PodtridaOkna&) = delete;
    PodtridaOkna& operator=(const PodtridaOkna&) = delete;

    // Hooks okno (after removing an earlier hook); raises when the window cannot be subclassed.
    void Pripojit(HWND okno, Obsluha obsluha);
    void Odpojit() noexcept;
    HWND Okno() const noexcept { return okno_; }
    // The rest of the chain, for a handler that wants the default result first.
    LRESULT Vychozi(UINT zprava, WPARAM wp, LPARAM lp) const;

private:
    static LRESULT CALLBACK Procedura(HWND hwnd, UINT zprava, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);

    HWND okno_ = nullptr;
    Obsluha obsluha_;
};
