#include "email/HlaseniChybyUloziste.h"

#include "knihovna/Formatovani.h"

namespace Holvent::Email {

std::wstring CestaSouboruUloziste(const std::wstring& slozkaDat, const wchar_t* nazevSouboru) {
#ifdef _WIN32
    return Knihovna::Formatovat(L"%s\\%s", slozkaDat.c_str(), nazevSouboru);
#else
    return Knihovna::Formatovat(L"%s/%s", slozkaDat.c_str(), nazevSouboru);
#endif
}

}  // namespace Holvent::Email
