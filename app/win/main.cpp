#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/win/Aplikace.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::vector<std::wstring> argumenty;
    int pocet = 0;
    if (wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &pocet)) {
        for (int i = 1; i < pocet; ++i) argumenty.emplace_back(argv[i]);
        ::LocalFree(argv);
    }
    Aplikace aplikace(instance);
    const int start = aplikace.Start(argumenty);
    if (start != 0) return start;
    const int kod = aplikace.SmyckaZprav();
    const int konec = aplikace.Ukoncit();
    return konec != 0 ? konec : kod;
}
