#pragma once

#include <string>
#include <string_view>

// The image editor's file names: the dialogs' filter, the encoder chosen by extension and saving in place.
namespace Holvent::Obrazky {

// The open and save dialogs' filter, "|" between its parts (the dialog turns them into zeros).
inline constexpr const wchar_t* kFiltrObrazku =
    L"Běžné grafické soubory|*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.tif;*.tiff|Všechny soubory|*.*|";

// The extension of a path with its dot, as the shell finds it ("" when the file name has none).
std::wstring PriponaCesty(std::wstring_view cesta);

// Whether the extension (with its dot) is a whole entry of an encoder's extension list ("*.JPG;*.JPEG;*.JPE;*.JFIF"),
// without regard to case. An empty extension matches nothing.
bool PriponaVSeznamu(std::wstring_view pripona, std::wstring_view seznam);

// Whether a save to cil writes over the loaded file (paths compared without regard to case).
bool UlozeniNaMisto(std::wstring_view cil, std::wstring_view cestaObrazku);
// Where saving in place encodes first: the path + "_temp_" + its extension (foto.jpg → foto.jpg_temp_.jpg).
std::wstring DocasnaCestaUlozeni(const std::wstring& cesta);

}  // namespace Holvent::Obrazky
