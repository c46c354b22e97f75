// The link to the screen reader made before the game's first window shows, so that its first news is told.
#include "common/qt/screen_reader_link.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEventLoop>
#include <QString>
#include <QTimer>

namespace common::qt {

namespace {

// Long enough for a busy desktop to give the address, short enough that a game never seems stuck.
constexpr int kLinkWaitMs = 5000;
// A session bus that does not answer at all is not waited for as long as D-Bus would wait.
constexpr int kStatusAskMs = 2000;

const QString kAccessibilityService = QStringLiteral("org.a11y.Bus");

bool StatusSaysOn(QDBusConnection& bus, const QString& property) {
    QDBusMessage ask =
        QDBusMessage::createMethodCall(kAccessibilityService, QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << QStringLiteral("org.a11y.Status") << property;
    const QDBusMessage answer = bus.call(ask, QDBus::Block, kStatusAskMs);
    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty() &&
           answer.arguments().first().value<QDBusVariant>().variant().toBool();
}

// The same questions Qt asks before it makes the link in its own time: true when it will. A bus
// address given in the environment is linked at once, or never, so it is not waited for.
bool LinkComing() {
    if (qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS")) {
        return false;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Asked only of a desktop that runs the accessibility service: asking would otherwise start it.
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kAccessibilityService)) {
        return false;
    }
    return qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ||
           StatusSaysOn(bus, QStringLiteral("ScreenReaderEnabled")) || StatusSaysOn(bus, QStringLiteral("IsEnabled"));
}

class LinkWatch final : public QAccessible::ActivationObserver {
public:
    explicit LinkWatch(QEventLoop& wait) : wait_(wait) {}
    void accessibilityActiveChanged(bool active) override {
        if (active) {
            wait_.quit();
        }
    }

private:
    QEventLoop& wait_;
};

}  // namespace

void WaitForScreenReaderLink() {
    const bool coming = LinkComing();
    // Asking whether the link is up is what starts Qt making it.
    if (QAccessible::isActive() || !coming) {
        return;
    }
    QEventLoop wait;
    LinkWatch watch(wait);
    QAccessible::installActivationObserver(&watch);
    QTimer::singleShot(kLinkWaitMs, &wait, &QEventLoop::quit);
    wait.exec();
    QAccessible::removeActivationObserver(&watch);
}

}  // namespace common::qt
