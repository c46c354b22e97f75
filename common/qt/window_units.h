// Twips and point sizes turned into the pixels of the screen the game runs on.
#pragma once

#include <QFont>

namespace common::qt {

// pixels = twips x DPI / 1440, rounded to the nearest pixel, at the screen's logical DPI.
class Twips {
public:
    explicit Twips(double dpi) : dpi_(dpi) {}
    int operator()(int twips) const;

private:
    double dpi_;
};

// The screen's logical dots per inch (96 at 100 % scaling).
double ScreenDpi();

// A regular-weight Arial of the given point size (whatever the system puts in its place).
QFont PointFont(double points);

}  // namespace common::qt
