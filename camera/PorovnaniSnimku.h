#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Frames are W*H consecutive 3-byte pixels (blue, green, red); row padding is not skipped.
// Grey value of a pixel: (30*b0 + 59*b1 + 11*b2) / 100, integer, truncated (blue weighs 30, red 11).

// Turns the frame into grey in place, the grey value in all three bytes of a pixel.
void PrevestNaSedou(std::uint8_t* data, std::size_t pocetPixelu);
// The grey value of every pixel of snimek, one byte per pixel (the reference frame of motion detection
// keeps only these: a third of the memory, a third of the reads per compare).
void JasSnimku(const std::uint8_t* snimek, std::uint8_t* jas, std::size_t pocetPixelu);
// Per pixel d = |grey of snimek - jasReference|: d >= rozdilJasu gives white (255,255,255) in aktualni and
// is counted, else black (0,0,0). snimek stays untouched. Returns the count.
std::uint32_t KopirovatAPorovnat(const std::uint8_t* snimek, const std::uint8_t* jasReference, std::uint8_t* aktualni,
                                 std::size_t pocetPixelu, std::uint8_t rozdilJasu);
// The same over a W × H frame of which only the pixels VytvoritPropustnost lets through count: a masked pixel is
// never counted and is black in aktualni. vzory and vzorRadku are VytvoritPropustnost's (camera/MaskaPohybu.h).
std::uint32_t KopirovatAPorovnatSMaskou(const std::uint8_t* snimek, const std::uint8_t* jasReference,
                                        std::uint8_t* aktualni, std::size_t sirka, std::size_t vyska,
                                        const std::uint8_t* vzory, const std::uint8_t* vzorRadku,
                                        std::uint8_t rozdilJasu);
// The same in place: aktualni holds the frame and receives the mask.
std::uint32_t Porovnat(const std::uint8_t* jasReference, std::uint8_t* aktualni, std::size_t pocetPixelu,
                       std::uint8_t rozdilJasu);

// Which implementation runs.
enum class CestaPorovnani { Prosta, Ssse3, Avx2 };
// The fastest one the processor offers (checked once).
CestaPorovnani NejlepsiCesta();
bool CestaDostupna(CestaPorovnani cesta);
// For tests and benchmarks: runs the given implementation (when available); nullopt = the fastest.
void VynutitCestu(std::optional<CestaPorovnani> cesta);
// The implementation the functions above use now.
CestaPorovnani AktualniCesta();
