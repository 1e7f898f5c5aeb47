#include "video/RozvrzeniVidea.h"

#include <algorithm>
#include <cstdint>

RozvrzeniVidea RozvrhnoutVideo(const VstupRozvrzeni& v) {
    RozvrzeniVidea r;
    if (!v.grafExistuje || v.sirkaVidea <= 0 || v.vyskaVidea <= 0) return r;
    r.umistitVideo = true;
    const int cx = std::max(0, v.sirkaKlienta);
    const int cy = std::max(0, v.vyskaKlienta);
    int w = v.sirkaVidea;
    int h = v.vyskaVidea;

    if (v.prizpusobit) {
        int sirka = w, vyska = h, x = 0, y = 0;
        if (cx >= w && cy >= h) {
            x = (cx - w) / 2;
            y = (cy - h) / 2;
        } else if (static_cast<double>(cx) / w > static_cast<double>(cy) / h) {
            vyska = cy;
            sirka = static_cast<int>(static_cast<std::int64_t>(w) * cy / h);
            x = (cx - sirka) / 2;
        } else {
            sirka = cx;
            vyska = static_cast<int>(static_cast<std::int64_t>(h) * cx / w);
            y = (cy - vyska) / 2;
        }
        r.video = {x, y, x + sirka, y + vyska};
        return r;
    }

    const int meritko = v.meritko > 0 ? v.meritko : 100;
    if (meritko != 100) {
        w = static_cast<int>(std::clamp<std::int64_t>(static_cast<std::int64_t>(w) * meritko / 100, 1, INT32_MAX / 2));
        h = static_cast<int>(std::clamp<std::int64_t>(static_cast<std::int64_t>(h) * meritko / 100, 1, INT32_MAX / 2));
    }

    // A bar shown on one side narrows the other side, which may then need its bar as well.
    bool vodorovny = w > cx;
    bool svisly = h > cy;
    if (vodorovny && !svisly) svisly = h > cy - v.vyskaVodorovnehoPosuvniku;
    if (svisly && !vodorovny) vodorovny = w > cx - v.sirkaSvislehoPosuvniku;
    const int viditelnaSirka = std::max(0, cx - (svisly ? v.sirkaSvislehoPosuvniku : 0));
    const int viditelnaVyska = std::max(0, cy - (vodorovny ? v.vyskaVodorovnehoPosuvniku : 0));
    r.vodorovnyPosuvnik = vodorovny;
    r.svislyPosuvnik = svisly;
    r.rozsahX = w;
    r.rozsahY = h;
    r.strankaX = viditelnaSirka;
    r.strankaY = viditelnaVyska;
    r.posunX = vodorovny ? std::clamp(v.posunX, 0, w - viditelnaSirka) : 0;
    r.posunY = svisly ? std::clamp(v.posunY, 0, h - viditelnaVyska) : 0;
    r.video = {-r.posunX, -r.posunY, w - r.posunX, h - r.posunY};
    return r;
}

void VelikostRendereru(int sirkaVidea, int vyskaVidea, int& sirka, int& vyska) {
    if (sirkaVidea > 32 && vyskaVidea >= 32) {
        sirka = sirkaVidea;
        vyska = vyskaVidea;
    } else {
        sirka = 320;
        vyska = 240;
    }
}
