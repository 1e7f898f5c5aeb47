#include "ui/TextPisma.h"

#include <cstdlib>

#include "knihovna/Formatovani.h"

namespace {
constexpr int kTloustkaTucneho = 600;  // FW_SEMIBOLD: lighter weights read as regular
}

int VelikostVBodech(int vyskaZnaku, int bodyNaPalec) {
    if (bodyNaPalec <= 0) bodyNaPalec = 96;
    const long long px = std::llabs(static_cast<long long>(vyskaZnaku));
    const long long body = (px * 72 + bodyNaPalec / 2) / bodyNaPalec;
    return body < 1 ? 1 : static_cast<int>(body);
}

std::wstring TextPisma(const std::wstring& jmeno, int body, int tloustka, bool kurziva) {
    const wchar_t* nazev = jmeno.empty() ? L"(výchozí písmo)" : jmeno.c_str();
    std::wstring text = Knihovna::Formatovat(L"%ls, %d pt", nazev, body);
    if (tloustka >= kTloustkaTucneho) text += L", tučné";
    if (kurziva) text += L", kurzíva";
    return text;
}
