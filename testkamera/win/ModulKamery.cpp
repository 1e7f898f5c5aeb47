#include "testkamera/win/ModulKamery.h"

#include <atomic>

namespace TestovaciKamera {

namespace {
HINSTANCE instance_ = nullptr;
std::atomic<long> objekty_{0};
std::atomic<long> zamky_{0};
}  // namespace

HINSTANCE ModulKamery::Instance() { return instance_; }
void ModulKamery::NastavitInstanci(HINSTANCE instance) { instance_ = instance; }
void ModulKamery::PridatObjekt() { ++objekty_; }
void ModulKamery::OdebratObjekt() { --objekty_; }
void ModulKamery::Zamknout(bool zamknout) {
    if (zamknout) ++zamky_;
    else --zamky_;
}
long ModulKamery::Pouzivani() { return objekty_.load() + zamky_.load(); }

}  // namespace TestovaciKamera
