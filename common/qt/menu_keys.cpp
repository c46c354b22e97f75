// The application's own style with one hint changed: Alt alone does nothing to the menus.
#include "common/qt/menu_keys.h"

#include <QApplication>
#include <QProxyStyle>

namespace common::qt {
namespace {

class NoLoneAltStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        return hint == SH_MenuBar_AltKeyNavigation ? 0 : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void KeepMenusFromLoneAlt() { QApplication::setStyle(new NoLoneAltStyle); }

}  // namespace common::qt
