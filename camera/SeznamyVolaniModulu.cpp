#include "camera/SeznamyVolaniModulu.h"

SeznamyVolaniModulu SestavitSeznamyVolani(const std::vector<ZasuvnyModul>& moduly,
                                          const std::vector<ExportyModulu>& exporty) {
    SeznamyVolaniModulu s;
    for (std::size_t i = 0; i < moduly.size() && i < exporty.size(); ++i) {
        const ZasuvnyModul& m = moduly[i];
        const ExportyModulu& e = exporty[i];
        if (e.zapisDoObrazu && m.zdo) s.zivy.push_back(i);
        if (e.disk && m.usDisk) s.disk.push_back(i);
        if (e.email && m.usEmail) s.email.push_back(i);
        if (e.ftp && m.usFtp) s.ftp.push_back(i);
        if (e.http && m.usHS) s.http.push_back(i);
    }
    return s;
}

std::size_t DelkaZivehoSnimku(int sirka, int vyska) {
    // Far beyond any device, and safe from overflow in both builds.
    if (sirka <= 0 || vyska <= 0 || sirka > 65536 || vyska > 65536) return 0;
    const std::size_t radek = (static_cast<std::size_t>(sirka) * 3 + 3) & ~std::size_t{3};
    return radek * static_cast<std::size_t>(vyska);
}
