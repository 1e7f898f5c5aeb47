#pragma once

#include "knihovna/Obdelnik.h"

// The layout of a splitter: two panes side by side (or one above the other) and the bar between them.
// The bar stays between the panes' minimums; when the area changes the first pane keeps its share
// of the room beside the bar.
class GeometrieRozdelovace {
public:
    explicit GeometrieRozdelovace(bool vedleSebe = true, int tloustkaPruhu = 5);

    bool VedleSebe() const { return vedleSebe_; }
    void NastavitMinima(int prvni, int druhy);
    void NastavitTloustkuPruhu(int tloustka);
    // The client area (origin kept); the bar follows the first pane's share.
    void NastavitOblast(const Knihovna::Obdelnik& oblast);
    // Puts the bar's leading edge at poloha (along the axis, from the area's start), clamped; the share follows.
    void Presunout(int poloha);
    // The first pane's share of the room beside the bar (0 to 1), clamped like a move.
    void NastavitPodil(double podil);

    // The first pane's length along the axis.
    int Poloha() const { return poloha_; }
    int Delka() const;
    double Podil() const { return podil_; }
    int NejmensiPoloha() const;
    int NejvetsiPoloha() const;
    // Whether a point of the client area lies on the bar.
    bool NaPruhu(int x, int y) const;

    Knihovna::Obdelnik Prvni() const;
    Knihovna::Obdelnik Pruh() const;
    Knihovna::Obdelnik Druhy() const;

private:
    int Omezit(int poloha) const;
    void Prepocitat();

    bool vedleSebe_;
    int tloustka_;
    int minimum1_ = 0;
    int minimum2_ = 0;
    Knihovna::Obdelnik oblast_{};
    double podil_ = 0.5;
    int poloha_ = 0;
};
