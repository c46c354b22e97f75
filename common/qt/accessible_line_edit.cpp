// The accessible face of a one-line text box, built on QLineEdit's public interface.
#include "common/qt/accessible_line_edit.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <iterator>

namespace common::qt {
namespace {

// The label of a box told text first, kept on the box itself.
constexpr const char* kTextFirstLabel = "textFirstLabel";

// The offsets where the text's items (characters, words or sentences) start or end, from 0 to the
// text's length, ascending. A line or a paragraph is the whole text of a one-line box.
QList<int> ItemEdges(const QString& text, QAccessible::TextBoundaryType boundary) {
    QList<int> edges{0};
    const auto size = static_cast<int>(text.size());
    if (boundary == QAccessible::CharBoundary || boundary == QAccessible::WordBoundary ||
        boundary == QAccessible::SentenceBoundary) {
        const auto type = boundary == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                          : boundary == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                  : QTextBoundaryFinder::Sentence;
        QTextBoundaryFinder finder(type, text);
        const auto itemEdge = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
        // Past the end toNextBoundary gives -1, which ends the walk.
        for (auto at = finder.toNextBoundary(); at > 0 && at < size; at = finder.toNextBoundary()) {
            if (type == QTextBoundaryFinder::Grapheme || (finder.boundaryReasons() & itemEdge)) {
                edges.append(static_cast<int>(at));
            }
        }
    }
    if (size > 0) {
        edges.append(size);
    }
    return edges;
}

int EdgeAtOrBefore(const QList<int>& edges, int offset) {
    return *std::prev(std::upper_bound(edges.begin(), edges.end(), offset));
}

int EdgeAfter(const QList<int>& edges, int offset) {
    const auto next = std::upper_bound(edges.begin(), edges.end(), offset);
    return next == edges.end() ? edges.back() : *next;
}

class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    // A box told text first is a paragraph of text that takes the focus: Orca says no role for
    // it, and it says a box's label and state before its text, its description after.
    QAccessible::Role role() const override { return TextFirst() ? QAccessible::Paragraph : QAccessible::EditableText; }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return Box()->displayText();
        }
        if (TextFirst() && kind == QAccessible::Name) {
            return {};
        }
        if (TextFirst() && kind == QAccessible::Description) {
            return Box()->property(kTextFirstLabel).toString();
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // Orca says "read only" before the text of a box that is, and of any focusable text that
        // is not editable: a box told text first is told as neither, though the focus reaches it
        // (Orca follows the focus there all the same). Told editable, Orca would speak the word as
        // typed when it is dealt.
        state.editable = !Box()->isReadOnly();
        state.readOnly = Box()->isReadOnly() && !TextFirst();
        state.focusable = state.focusable && !TextFirst();
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

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override {
        const QString shown = Box()->displayText();
        if (!InRange(shown, &offset, startOffset, endOffset)) {
            return {};
        }
        // Past the last character there is no item, only the end.
        if (offset == shown.size()) {
            *startOffset = *endOffset = offset;
            return {};
        }
        const QList<int> edges = ItemEdges(shown, boundary);
        *startOffset = EdgeAtOrBefore(edges, offset);
        *endOffset = EdgeAfter(edges, offset);
        return shown.mid(*startOffset, *endOffset - *startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override {
        const QString shown = Box()->displayText();
        if (!InRange(shown, &offset, startOffset, endOffset)) {
            return {};
        }
        const QList<int> edges = ItemEdges(shown, boundary);
        *endOffset = EdgeAtOrBefore(edges, offset);
        *startOffset = *endOffset == 0 ? 0 : EdgeAtOrBefore(edges, *endOffset - 1);
        return shown.mid(*startOffset, *endOffset - *startOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override {
        const QString shown = Box()->displayText();
        if (!InRange(shown, &offset, startOffset, endOffset)) {
            return {};
        }
        const QList<int> edges = ItemEdges(shown, boundary);
        *startOffset = offset == shown.size() ? offset : EdgeAfter(edges, offset);
        *endOffset = *startOffset == shown.size() ? *startOffset : EdgeAfter(edges, *startOffset);
        return shown.mid(*startOffset, *endOffset - *startOffset);
    }
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
    bool TextFirst() const { return Box()->property(kTextFirstLabel).isValid(); }

    // An offset of -2 means the caret; one outside the text is an error, told by -1.
    bool InRange(const QString& shown, int* offset, int* startOffset, int* endOffset) const {
        if (*offset == -2) {
            *offset = cursorPosition();
        }
        if (*offset < 0 || *offset > shown.size()) {
            *startOffset = *endOffset = -1;
            return false;
        }
        return true;
    }
};

// The object the screen reader was last told has the focus.
QPointer<QObject> toldFocus;

// Every accessibility update passes here on its way to the screen reader.
void PassUpdate(QAccessibleEvent* event) {
    const auto* box = qobject_cast<QLineEdit*>(event->object());
    if (event->type() == QAccessible::TextCaretMoved && box != nullptr && !box->hasFocus()) {
        return;
    }
    // Qt selects a box's text as Tab enters it, before it tells of the focus, and drops the
    // selection as the focus leaves: Orca would say the selected text, then the box with its
    // text once more, and "Text unselected" on the way out. The box's own presentation says
    // whether its text is selected.
    if (event->type() == QAccessible::TextSelectionChanged && box != nullptr &&
        (!box->hasFocus() || toldFocus != box)) {
        return;
    }
    if (event->type() == QAccessible::Focus) {
        toldFocus = event->object();
    }
    // Qt's own way to the screen reader is taken only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&PassUpdate);
}

QAccessibleInterface* LineEditFactory(const QString& className, QObject* object) {
    auto* box = qobject_cast<QLineEdit*>(object);
    if (className == QLatin1String("QLineEdit") && box != nullptr) {
        return new LineEditAccessible(box);
    }
    return nullptr;
}

}  // namespace

void TellTextFirst(QLineEdit* box, const QString& label) { box->setProperty(kTextFirstLabel, label); }

void InstallLineEditAccessibility() {
    QAccessible::installFactory(&LineEditFactory);
    QAccessible::installUpdateHandler(&PassUpdate);
}

}  // namespace common::qt
