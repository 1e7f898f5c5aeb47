#include "app/win/ModulyNastroju.h"

#include "app/win/ModulEditorObrazku.h"
#include "app/win/ModulEditoruPrx.h"
#include "app/win/ModulPrehravacVidea.h"
#include "app/win/ModulProhlizecFtp.h"
#include "app/win/ModulPromitaniObrazku.h"
#include "app/win/ModulSitovyOvladac.h"

ModulNastroje* ModulProPrikaz(UINT prikaz) {
    for (ModulNastroje* modul : {static_cast<ModulNastroje*>(&ModulSitovyOvladac::Instance()),
                                 static_cast<ModulNastroje*>(&ModulProhlizecFtp::Instance()),
                                 static_cast<ModulNastroje*>(&ModulEditoruPrx::Instance()),
                                 static_cast<ModulNastroje*>(&ModulPrehravacVidea::Instance()),
                                 static_cast<ModulNastroje*>(&ModulEditorObrazku::Instance())})
        if (modul->Prikaz() == prikaz) return modul;
    return nullptr;
}

void ZastavitModulyPredKamerami() {
    ModulPromitaniObrazku::Instance().Zastavit();
    ModulSitovyOvladac::Instance().Zastavit(true);
}

void ZastavitModulyPoKamerach() {
    ModulEditoruPrx::Instance().Zastavit();
    ModulEditorObrazku::Instance().Zastavit();
    ModulPrehravacVidea::Instance().Zastavit();
    ModulProhlizecFtp::Instance().Zastavit();
}

void UkliditModuly() {
    ModulPromitaniObrazku::Instance().PoUkonceni();
    ModulSitovyOvladac::Instance().PoUkonceni();
    ModulEditoruPrx::Instance().PoUkonceni();
    ModulEditorObrazku::Instance().PoUkonceni();
    ModulPrehravacVidea::Instance().PoUkonceni();
    ModulProhlizecFtp::Instance().PoUkonceni();
}
