// Keeps keys typed for the word from answering a question the clock raised.
#pragma once

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QObject>
#include <QSet>
#include <QWidget>

namespace common::qt {

// While it lives, the question's box takes no key until it has shown and no key has been pressed
// for kTypeAheadDropSeconds, however long the typing goes on: every key given to the program
// meanwhile is thrown away, those already waiting included, and each press (a held key's repeats
// too) starts the wait again. A key whose press was thrown away is never taken: neither its
// repeats nor its release. Then keys go through at once.
class TypeAheadDrop final : public QObject {
public:
    explicit TypeAheadDrop(QWidget* box);
    ~TypeAheadDrop() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Waiting() const;
    bool DropPress(const QKeyEvent& key);
    bool DropRelease(const QKeyEvent& key);

    QWidget* box_;
    bool shown_ = false;
    // Since the box showed or a key was last pressed, whichever came later.
    QElapsedTimer quiet_;
    QSet<int> untaken_;
};

}  // namespace common::qt
