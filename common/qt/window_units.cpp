// Conversions from the layout's twips and points to the pixels Qt places widgets in.
#include "common/qt/window_units.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace common::qt {

int Twips::operator()(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 0;
    return dpi > 0 ? dpi : 96;
}

QFont PointFont(double points) {
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace common::qt
