#pragma once

#include <windows.h>

namespace TestovaciKamera {

// {BFCFA471-A96D-466E-A03B-632D0647BA51} the camera with image properties.
inline constexpr CLSID kClsidKamery = {0xbfcfa471, 0xa96d, 0x466e, {0xa0, 0x3b, 0x63, 0x2d, 0x06, 0x47, 0xba, 0x51}};
// {57454723-7850-4375-833A-1DFE02DD320A} the variant without IAMVideoProcAmp.
inline constexpr CLSID kClsidKameryBezObrazu = {0x57454723, 0x7850, 0x4375,
                                                {0x83, 0x3a, 0x1d, 0xfe, 0x02, 0xdd, 0x32, 0x0a}};
// {2C9E5B61-0F3A-4B7E-9D12-6A4F83C1E7D5} the property page of the capture pin's format.
inline constexpr CLSID kClsidStrankyFormatu = {0x2c9e5b61, 0x0f3a, 0x4b7e,
                                               {0x9d, 0x12, 0x6a, 0x4f, 0x83, 0xc1, 0xe7, 0xd5}};

inline constexpr const wchar_t* kNazevZarizeni = L"Testovací kamera Tervik";
inline constexpr const wchar_t* kNazevZarizeniBezObrazu = L"Testovací kamera Tervik bez nastavení obrazu";
inline constexpr const wchar_t* kPopisZarizeni = L"Virtuální testovací kamera Tervik: obrazec s časem a číslem snímku";
inline constexpr const wchar_t* kNazevPinu = L"Zachytávání";
inline constexpr const wchar_t* kNazevStrankyFormatu = L"Formát testovací kamery";

// How many devices of the same name DllInstall registers at most.
inline constexpr int kNejvicZarizeni = 8;

// The scene switch under the program's root key.
inline constexpr const wchar_t* kKlicSceny = L"Software\\Dunmar Holvent\\Tervik\\4.8\\Testovaci kamera";
inline constexpr const wchar_t* kHodnotaSceny = L"scena";
// Under the same key: 1 the device is unplugged (it signals EC_DEVICE_LOST, delivers nothing and cannot be opened
// or run until cleared), 2 it merely stops delivering frames while set.
inline constexpr const wchar_t* kHodnotaOdpojeno = L"odpojeno";

}  // namespace TestovaciKamera
