// Sends the accessible-name change of a letter button on the accessibility bus with the name itself.
#include "scrambolo/qt/spoken_caption.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QPointer>
#include <QTimer>

namespace scrambolo::qt {
namespace {

// Qt's own connection to the accessibility bus: the screen reader knows the program's objects by
// this connection's name and the paths Qt gives them.
constexpr const char* kAccessibilityConnection = "a11y";
constexpr const char* kObjectPathPrefix = "/org/a11y/atspi/accessible/";
constexpr const char* kApplicationPath = "/org/a11y/atspi/accessible/root";
constexpr const char* kPendingProperty = "scramboloNameToTell";

// The application object every event names as where it comes from.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference) {
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference) {
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

}  // namespace
}  // namespace scrambolo::qt

Q_DECLARE_METATYPE(scrambolo::qt::ObjectReference)

namespace scrambolo::qt {
namespace {

void TellName(QAbstractButton* button, const QString& name) {
    QDBusConnection bus(QString::fromLatin1(kAccessibilityConnection));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    if (!bus.isConnected() || accessible == nullptr) {
        return;  // no screen reader is listening
    }
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    const QString path = QString::fromLatin1(kObjectPathPrefix) + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage change = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("PropertyChange"));
    change << QStringLiteral("accessible-name") << 0 << 0 << QVariant::fromValue(QDBusVariant(name))
           << QVariant::fromValue(
                  ObjectReference{bus.baseService(), QDBusObjectPath(QString::fromLatin1(kApplicationPath))});
    bus.send(change);
}

}  // namespace

void SetCaptionHeard(QAbstractButton* button, const QString& caption) {
    const bool focused = QApplication::focusWidget() == button;
    if (focused) {
        // Cleared first, so whatever the screen reader last heard of the button, the letter now
        // on it is news.
        TellName(button, QString());
    }
    button->setText(caption);
    if (!focused || button->property(kPendingProperty).toBool()) {
        return;
    }
    // Told once the handler is done: a deal that moves the focus on to button 1 leaves the letter
    // of the button it left unspoken, the screen reader having gone on with the focus.
    button->setProperty(kPendingProperty, true);
    QTimer::singleShot(0, button, [button = QPointer<QAbstractButton>(button)] {
        if (button != nullptr) {
            button->setProperty(kPendingProperty, false);
            TellName(button, button->text());
        }
    });
}

}  // namespace scrambolo::qt
