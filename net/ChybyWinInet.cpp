#include "net/ChybyWinInet.h"

namespace Holvent::Ftp {

const wchar_t* PopisKoduWinInet(std::uint32_t kod) {
    switch (kod) {
    case 12001: return L"Nelze přidělit další popisovač spojení.";
    case 12002: return L"Vypršel časový limit operace.";
    case 12003: return L"Server příkaz odmítl.";
    case 12004: return L"Vnitřní chyba knihovny WinInet.";
    case 12007: return L"Název serveru nelze přeložit na adresu.";
    case 12013: return L"Nesprávné uživatelské jméno.";
    case 12014: return L"Nesprávné heslo.";
    case 12015: return L"Přihlášení k serveru se nezdařilo.";
    case 12017: return L"Operace byla zrušena.";
    case 12018:
    case 12019: return L"Spojení již není platné.";
    case 12029: return L"K serveru se nelze připojit.";
    case 12030: return L"Spojení se serverem bylo přerušeno.";
    case 12031: return L"Server spojení ukončil.";
    case 12110: return L"Na spojení již probíhá jiný přenos.";
    case 12111: return L"Přenos byl přerušen.";
    case 12112: return L"Server nepodporuje pasivní režim FTP.";
    default: return nullptr;
    }
}

}  // namespace Holvent::Ftp
