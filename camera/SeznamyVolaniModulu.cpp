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
