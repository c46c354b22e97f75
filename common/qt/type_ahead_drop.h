// Keeps keys typed for the word from answering a question the clock raised.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QKeyEvent>
#include <QObject>
#include <QSet>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace common::qt {

class KeyboardWatch;

// While it lives, the question's box takes no key until it has shown and no key has been pressed
// for kTypeAheadDropSeconds, however long the typing goes on: every key given to the program
// meanwhile is thrown away, those already waiting included, and each press (a held key's repeats
// too) starts the wait again. A key whose press was thrown away is never taken: neither its
// repeats nor its release. Then keys go through at once.
class TypeAheadDrop final : public QObject {
public:
    TypeAheadDrop(QWidget* box, const KeyboardWatch& keyboard);
    ~TypeAheadDrop() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool DropPress(const QKeyEvent& key);
    bool DropRelease(const QKeyEvent& key);

    // A press is offered as a shortcut, then delivered, and may come back once the screen reader
    // has seen it: each time the same decision.
    struct Decision {
        std::uint32_t time;
        int key;
        bool dropped;
    };

    QWidget* box_;
    QElapsedTimer shown_;
    std::optional<std::uint32_t> lastPress_;
    std::optional<Decision> last_;
    QHash<int, bool> droppedLast_;
    QSet<int> untaken_;
};

}  // namespace common::qt
