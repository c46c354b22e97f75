// The accessible face of a one-line text box, built on QLineEdit's public interface.
#include "common/qt/accessible_line_edit.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace common::qt {
namespace {

class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Box()->displayText() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Box()->isReadOnly();
        state.readOnly = Box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index == 0 && Box()->hasSelectedText()) {
            *startOffset = Box()->selectionStart();
            *endOffset = *startOffset + Box()->selectionLength();
        }
    }
    int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int index) override {
        if (index == 0) {
            Box()->deselect();
        }
    }
    void setSelection(int index, int startOffset, int endOffset) override {
        if (index == 0) {
            Box()->setSelection(startOffset, endOffset - startOffset);
        }
    }
    int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        return Box()->displayText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Box()->displayText().size()); }
    QRect characterRect(int offset) const override {
        const QString shown = Box()->displayText();
        if (offset < 0 || offset >= shown.size()) {
            return {};
        }
        const QFontMetrics metrics(Box()->font());
        const QRect area = Box()->contentsRect().marginsRemoved(Box()->textMargins());
        const int left = area.left() + metrics.horizontalAdvance(shown.left(offset));
        const QRect local(left, area.top(), metrics.horizontalAdvance(shown.at(offset)), area.height());
        return QRect(Box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { Box()->setCursorPosition(startIndex); }
    QString attributes(int, int* startOffset, int* endOffset) const override {
        // A box has no attributes anywhere: one run covers its whole text.
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        if (!Box()->isReadOnly()) {
            Box()->setText(Box()->text().replace(startOffset, endOffset - startOffset, text));
        }
    }

private:
    QLineEdit* Box() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* LineEditFactory(const QString& className, QObject* object) {
    auto* box = qobject_cast<QLineEdit*>(object);
    if (className == QLatin1String("QLineEdit") && box != nullptr) {
        return new LineEditAccessible(box);
    }
    return nullptr;
}

}  // namespace

void InstallLineEditAccessibility() { QAccessible::installFactory(&LineEditFactory); }

}  // namespace common::qt
