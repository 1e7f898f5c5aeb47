#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes to a new file in the target's folder and moves it over the target: a failure
// (a missing or unwritable folder, a target that cannot be replaced) raises the system's error and
// leaves the target as it was and no partial file behind.
void ZapsatSouborNahradou(const std::wstring& cil, const std::vector<std::uint8_t>& data);
