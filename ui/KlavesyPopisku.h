#pragma once

#include <string>
#include <vector>

// Gives the labels of one page their access keys: each text gets "&" before the first letter that no earlier
// label and none of the taken keys (lower case, e.g. "p" for "&Použít") has, preferring the start of a word.
// A "&" that is part of the text is doubled. A text with no free letter stays without a key.
std::vector<std::wstring> PridatKlavesyPopisku(const std::vector<std::wstring>& texty, std::wstring obsazene);
