#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// A numeric edit: takes only digits (typed or pasted) and knows its range, so that a page can refuse a number
// outside it with "Zadejte hodnotu v rozsahu %d - %d".
class EditCislo {
public:
    EditCislo(std::uint32_t min, std::uint32_t max) : min_(min), max_(max) {}
    ~EditCislo();
    EditCislo(const EditCislo&) = delete;
    EditCislo& operator=(const EditCislo&) = delete;

    void Pripojit(HWND edit);
    void Nastavit(std::uint32_t cislo);
    // The number written; nothing when the edit is empty or holds more digits than any range allows.
    std::optional<std::int64_t> Cislo() const;
    // Nothing when the number lies in the range, else the message that refuses it.
    std::optional<std::wstring> Overit() const;
    HWND Okno() const { return edit_; }

    // The digits of a text (what a paste leaves in the edit).
    static std::wstring JenCislice(const std::wstring& text);

private:
    static LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
    void Odpojit();
    void Vlozit();

    std::uint32_t min_, max_;
    HWND edit_ = nullptr;
};
