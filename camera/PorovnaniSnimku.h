#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Frames are W*H consecutive 3-byte pixels (blue, green, red); row padding is not skipped.
// Grey value of a pixel: (30*b0 + 59*b1 + 11*b2) / 100, integer, truncated (blue weighs 30, red 11).

// Turns the frame into grey in place, the grey value in all three bytes of a pixel.
void PrevestNaSedou(std::uint8_t* data, std::size_t pocetPixelu);
// Turns aktualni into grey, then per pixel d = |grey - reference grey|: d >= rozdilJasu gives white
// (255,255,255) and is counted, else black (0,0,0). reference is already grey. Returns the count.
std::uint32_t Porovnat(const std::uint8_t* reference, std::uint8_t* aktualni, std::size_t pocetPixelu,
                       std::uint8_t rozdilJasu);
// The same as a copy of snimek into aktualni followed by Porovnat, in one pass; snimek stays untouched.
std::uint32_t KopirovatAPorovnat(const std::uint8_t* snimek, const std::uint8_t* reference, std::uint8_t* aktualni,
                                 std::size_t pocetPixelu, std::uint8_t rozdilJasu);
// Copy and grey conversion in one pass (the reference frame).
void KopirovatNaSedou(const std::uint8_t* snimek, std::uint8_t* cil, std::size_t pocetPixelu);

// Which implementation runs.
enum class CestaPorovnani { Prosta, Sse2, Avx2 };
// The fastest one the processor offers (checked once).
CestaPorovnani NejlepsiCesta();
bool CestaDostupna(CestaPorovnani cesta);
// For tests and benchmarks: runs the given implementation (when available); nullopt = the fastest.
void VynutitCestu(std::optional<CestaPorovnani> cesta);
// The implementation the functions above use now.
CestaPorovnani AktualniCesta();
