#include "ui/GeometrieRozdelovace.h"

#include <algorithm>
#include <cmath>

GeometrieRozdelovace::GeometrieRozdelovace(bool vedleSebe, int tloustkaPruhu)
    : vedleSebe_(vedleSebe), tloustka_(std::max(tloustkaPruhu, 0)) {}

void GeometrieRozdelovace::NastavitMinima(int prvni, int druhy) {
    minimum1_ = std::max(prvni, 0);
    minimum2_ = std::max(druhy, 0);
    Prepocitat();
}

void GeometrieRozdelovace::NastavitTloustkuPruhu(int tloustka) {
    tloustka_ = std::max(tloustka, 0);
    Prepocitat();
}

void GeometrieRozdelovace::NastavitOblast(const Knihovna::Obdelnik& oblast) {
    oblast_ = oblast;
    Prepocitat();
}

int GeometrieRozdelovace::Delka() const { return std::max(vedleSebe_ ? oblast_.Sirka() : oblast_.Vyska(), 0); }

int GeometrieRozdelovace::NejmensiPoloha() const {
    // When the area cannot hold both minimums the first pane's wins; the second gets what is left.
    return std::min(minimum1_, std::max(Delka() - tloustka_, 0));
}

int GeometrieRozdelovace::NejvetsiPoloha() const { return std::max(Delka() - tloustka_ - minimum2_, NejmensiPoloha()); }

int GeometrieRozdelovace::Omezit(int poloha) const { return std::clamp(poloha, NejmensiPoloha(), NejvetsiPoloha()); }

void GeometrieRozdelovace::Presunout(int poloha) {
    poloha_ = Omezit(poloha);
    const int volno = Delka() - tloustka_;
    // Without room the share is not known: the earlier one is kept for when the area grows again.
    if (volno > 0) podil_ = static_cast<double>(poloha_) / volno;
}

void GeometrieRozdelovace::NastavitPodil(double podil) {
    podil_ = std::clamp(podil, 0.0, 1.0);
    Prepocitat();
    const int volno = Delka() - tloustka_;
    if (volno > 0) podil_ = static_cast<double>(poloha_) / volno;
}

void GeometrieRozdelovace::Prepocitat() {
    // The share itself stays as the user left it, so that shrinking the area against a minimum and
    // growing it back returns the bar where it was.
    const int volno = std::max(Delka() - tloustka_, 0);
    poloha_ = Omezit(static_cast<int>(std::lround(podil_ * volno)));
}

bool GeometrieRozdelovace::NaPruhu(int x, int y) const {
    const Knihovna::Obdelnik p = Pruh();
    return x >= p.left && x < p.right && y >= p.top && y < p.bottom;
}

Knihovna::Obdelnik GeometrieRozdelovace::Prvni() const {
    Knihovna::Obdelnik r = oblast_;
    if (vedleSebe_)
        r.right = r.left + poloha_;
    else
        r.bottom = r.top + poloha_;
    return r;
}

Knihovna::Obdelnik GeometrieRozdelovace::Pruh() const {
    Knihovna::Obdelnik r = oblast_;
    const int konec = std::min(poloha_ + tloustka_, Delka());
    if (vedleSebe_) {
        r.left = oblast_.left + poloha_;
        r.right = oblast_.left + konec;
    } else {
        r.top = oblast_.top + poloha_;
        r.bottom = oblast_.top + konec;
    }
    return r;
}

Knihovna::Obdelnik GeometrieRozdelovace::Druhy() const {
    Knihovna::Obdelnik r = oblast_;
    const int zacatek = std::min(poloha_ + tloustka_, Delka());
    if (vedleSebe_)
        r.left = oblast_.left + zacatek;
    else
        r.top = oblast_.top + zacatek;
    return r;
}
