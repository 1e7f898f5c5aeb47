#pragma once

#include <vector>

#include "knihovna/Chyba.h"

namespace Knihovna {

// Runs one step of a load that goes on after a failure: a COM error is kept in chyby
// (the caller reports them once) instead of ending the whole load.
template <class F>
bool ZkusitKrok(std::vector<Chyba>& chyby, F&& krok) {
    try {
        krok();
        return true;
    } catch (const Chyba& chyba) {
        chyby.push_back(chyba);
        return false;
    }
}

}  // namespace Knihovna
