#pragma once

#include <string>
#include <string_view>

// The AppUserModelID (System.AppUserModel.ID) inside a shortcut file (.lnk), at the level of the file format:
// the shell keeps it in the file's property-store data block. The installer writes it this way when the shell's
// own IPropertyStore does not keep it (Wine's shortcuts accept the value and drop it).

// The ID the shortcut's bytes carry; empty when they carry none.
// Throws Knihovna::Chyba(E_INVALIDARG) when the bytes are no shortcut file or are cut short.
std::wstring PrecistIdAplikace(std::string_view zastupce);

// The shortcut's bytes with the ID in a property-store block of its own, which replaces any the file had.
// Throws like PrecistIdAplikace.
std::string ZapsatIdAplikace(std::string_view zastupce, std::wstring_view id);
