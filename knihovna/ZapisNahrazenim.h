#pragma once

#include <functional>
#include <string>

namespace Knihovna {

// Writes a file through a temporary file next to it ("<path>.tmp"), which then replaces it in one
// step, so that a failed write leaves the old file in place. zapsat writes to the path it is given;
// what it raises passes on after the temporary file is removed. A failed replacement raises a COM error.
void ZapsatNahrazenim(const std::wstring& cesta, const std::function<void(const std::wstring&)>& zapsat);

}  // namespace Knihovna
