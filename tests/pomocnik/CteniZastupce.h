#pragma once

// Reads the shortcut file back through IShellLinkW and IPropertyStore and prints one line each:
// "cil=", "argumenty=", "slozka=", "ikona=PATH,N", "id=" (its AppUserModelID, empty without one) and
// "id-precteno=" how: "IPropertyStore", or "soubor" when the shell gives no ID back (Wine's shortcuts keep no
// properties) and it is taken from the file's property-store block.
// Exit code 0, else the failed call's HRESULT.
int VypsatZastupce(const wchar_t* cesta);
