// A one-line text box as a screen reader sees it: text, caret, selection and the words around an
// offset, worked out from QLineEdit's public interface with walks that always end.
#include "common/qt/accessible_line_edit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace common::qt {
namespace {

// The offsets where the text's items (characters, words or sentences) start or end, from 0 to the
// text's length, ascending. Lines and paragraphs are the whole text in a one-line box.
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
        // toNextBoundary gives -1 past the end, which ends the walk.
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

// The last edge at or before offset, and the first edge after offset.
int EdgeAtOrBefore(const QList<int>& edges, int offset) {
    return *std::prev(std::upper_bound(edges.begin(), edges.end(), offset));
}

int EdgeAfter(const QList<int>& edges, int offset) {
    const auto next = std::upper_bound(edges.begin(), edges.end(), offset);
    return next == edges.end() ? edges.back() : *next;
}

class AccessibleLineEdit final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Edit()->text() : QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value && !Edit()->isReadOnly()) {
            Edit()->setText(text);
        } else {
            QAccessibleWidget::setText(kind, text);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = Edit()->isReadOnly();
        state.editable = !Edit()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && Edit()->hasSelectedText()) {
            *startOffset = static_cast<int>(Edit()->selectionStart());
            *endOffset = *startOffset + static_cast<int>(Edit()->selectionLength());
        }
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0) {
            Edit()->deselect();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0) {
            Edit()->setSelection(startOffset, endOffset - startOffset);
        }
    }

    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }

    QString text(int startOffset, int endOffset) const override {
        return endOffset < startOffset ? QString() : Edit()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Edit()->text().size()); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override {
        const QString all = Edit()->text();
        if (!InRange(all, &offset, startOffset, endOffset)) {
            return {};
        }
        // Past the last character there is no item, only the end.
        if (offset == all.size()) {
            *startOffset = *endOffset = offset;
            return {};
        }
        const QList<int> edges = ItemEdges(all, boundary);
        *startOffset = EdgeAtOrBefore(edges, offset);
        *endOffset = EdgeAfter(edges, offset);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override {
        const QString all = Edit()->text();
        if (!InRange(all, &offset, startOffset, endOffset)) {
            return {};
        }
        const QList<int> edges = ItemEdges(all, boundary);
        *endOffset = EdgeAtOrBefore(edges, offset);
        *startOffset = *endOffset == 0 ? 0 : EdgeAtOrBefore(edges, *endOffset - 1);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override {
        const QString all = Edit()->text();
        if (!InRange(all, &offset, startOffset, endOffset)) {
            return {};
        }
        const QList<int> edges = ItemEdges(all, boundary);
        *startOffset = offset == all.size() ? offset : EdgeAfter(edges, offset);
        *endOffset = *startOffset == all.size() ? *startOffset : EdgeAfter(edges, *startOffset);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }

    // The whole text is one run without attributes of its own.
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        const int size = characterCount();
        if (offset < 0 || offset > size) {
            *startOffset = *endOffset = -1;
            return {};
        }
        *startOffset = 0;
        *endOffset = size;
        return {};
    }

    QRect characterRect(int offset) const override {
        const QLineEdit* edit = Edit();
        const QString all = edit->text();
        if (offset < 0 || offset >= all.size()) {
            return {};
        }
        // The game's boxes never scroll: their words fit, so the text starts at the left margin.
        const QFontMetrics metrics(edit->font());
        const QRect area = edit->contentsRect().marginsRemoved(edit->textMargins());
        const QPoint topLeft(area.left() + metrics.horizontalAdvance(all.left(offset)),
                             area.top() + (area.height() - metrics.height()) / 2);
        return {edit->mapToGlobal(topLeft), QSize(metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height())};
    }

    int offsetAtPoint(const QPoint& point) const override {
        return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
    }

    void scrollToSubstring(int, int endIndex) override { Edit()->setCursorPosition(endIndex); }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        if (Edit()->isReadOnly()) {
            return;
        }
        Edit()->setSelection(startOffset, endOffset - startOffset);
        Edit()->insert(text);
    }

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }

    // An offset of -2 means the caret; anything outside the text is an error, told by -1.
    bool InRange(const QString& all, int* offset, int* startOffset, int* endOffset) const {
        if (*offset == -2) {
            *offset = cursorPosition();
        }
        if (*offset < 0 || *offset > all.size()) {
            *startOffset = *endOffset = -1;
            return false;
        }
        return true;
    }
};

QAccessibleInterface* LineEditFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit")) {
        if (auto* edit = qobject_cast<QLineEdit*>(object)) {
            return new AccessibleLineEdit(edit);
        }
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleLineEdits() { QAccessible::installFactory(LineEditFactory); }

}  // namespace common::qt
