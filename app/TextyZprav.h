#pragma once

#include <string>

// How the reporting operations put their texts together.
namespace TextyZprav {

// "%s\n\nChyba: %s": the action's text (with a final ".") and the error's description.
std::wstring Chyba(const std::wstring& text, const std::wstring& popis);
// "%s\n\nSystémový popis chyby:\n%s"
std::wstring SystemovyPopis(const std::wstring& text, const std::wstring& popis);
// "Došlo k významné chybě!\n\n%s\n\nAplikace %s bude ukončena."
std::wstring FatalniChyba(const std::wstring& text, const std::wstring& produkt);
// The description of a COM error: "%s - %s" of its message and the IErrorInfo description,
// "Nezjištěný popis chyby IErrorInfo" in place of one that could not be had, or the message alone.
std::wstring PopisChybyCom(const std::wstring& zprava, bool maInfo, const std::wstring* popisInfo);
// An event-log text: a final "." when missing, then "\r\n".
std::wstring TextUdalosti(const std::wstring& text);

// Tool module failures, with the module's name.
std::wstring ChybaBehuModulu(const std::wstring& modul, const std::wstring& popis);
std::wstring ChybaUkonceniModulu(const std::wstring& modul, const std::wstring& popis);
std::wstring ChybaSpusteniModulu(const std::wstring& modul, const std::wstring& popis);

}  // namespace TextyZprav
