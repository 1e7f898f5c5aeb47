#include "knihovna/Hodiny.h"

#include <chrono>
#include <ctime>
#include <mutex>

namespace Knihovna {

MistniCas HodinySystemove::Ted() const {
    static std::mutex zamek;  // std::localtime shares one buffer
    const auto ted = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(ted);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(ted.time_since_epoch()).count() % 1000;
    std::lock_guard<std::mutex> z(zamek);
    const std::tm* tm = std::localtime(&t);
    MistniCas c;
    if (!tm) return c;
    c.rok = tm->tm_year + 1900;
    c.mesic = tm->tm_mon + 1;
    c.denVTydnu = tm->tm_wday;
    c.den = tm->tm_mday;
    c.hodina = tm->tm_hour;
    c.minuta = tm->tm_min;
    c.sekunda = tm->tm_sec;
    c.milisekunda = static_cast<int>(ms);
    return c;
}

std::uint32_t HodinySystemove::Tiky() const {
    const auto d = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

}  // namespace Knihovna
