// The main window: lays out the controls in twips, turns Qt events into handler calls, and carries
// out what the handlers ask. No rule of the game lives here.
#include "pebblix/qt/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "common/qt/accessible_line_edit.h"
#include "common/qt/fault_exit.h"
#include "common/qt/menu_keys.h"
#include "common/qt/qt_text.h"
#include "common/qt/window_units.h"
#include "pebblix/logic/game_commands.h"
#include "pebblix/logic/reports.h"
#include "pebblix/logic/window_layout.h"

namespace pebblix::qt {

// The boxes hold the game's 8-bit text, one byte a character as in the Windows edition, so a
// word's length and its points are the same on both.
using common::qt::FromGameText;
using common::qt::RunHandler;
using common::qt::ToGameText;

MainWindow::MainWindow() : tmrWord_([this] { RunHandler([this] { game_->tmrWord_Timer(); }); }) {
    // A fixed frame without a maximize box: the layout never changes size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(FromGameText(kTitle));
    CreateMenus();
    CreateControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::CreateControls() {
    // The Windows edition's twips, at this screen's logical DPI.
    const common::qt::Twips pixels(common::qt::ScreenDpi());
    const auto place = [&](QWidget* control, const Layout& layout) {
        control->setGeometry(pixels(layout.left), pixels(layout.top), pixels(layout.width), pixels(layout.height));
    };

    auto* client = new QWidget(this);
    client->setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
    client->setFont(common::qt::PointFont(kFontPoints));
    setCentralWidget(client);

    // Creation order is the tab order: word box, guess box, Check it!.
    txtWord_ = new QLineEdit(client);
    txtWord_->setReadOnly(true);
    // The round's seconds run from the moment the word is dealt: the word is heard before its label.
    common::qt::TellTextFirst(txtWord_, kWordBoxName);
    place(txtWord_, kTxtWord);

    lblWord_ = new QLabel(kWordLabel, client);
    place(lblWord_, kLblWord);
    lblWord_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    txtGuess_ = new QLineEdit(client);
    place(txtGuess_, kTxtGuess);
    // The label stands beside txtWord, but its access key leads to txtGuess, the next stop after it.
    lblWord_->setBuddy(txtGuess_);
    lblWord_->installEventFilter(this);

    cmdEnter_ = new QPushButton(kCheckCaption, client);
    place(cmdEnter_, kCmdEnter);
    cmdEnter_->setDefault(true);
    connect(cmdEnter_, &QPushButton::clicked, this, [this] { RunHandler([this] { game_->cmdEnter_Click(); }); });

    // The label overlaps txtWord a little; the box is drawn over it, as on Windows.
    txtWord_->raise();
    for (QWidget* control :
         {static_cast<QWidget*>(txtWord_), static_cast<QWidget*>(txtGuess_), static_cast<QWidget*>(cmdEnter_)}) {
        control->installEventFilter(this);
    }

    setTabOrder(txtWord_, txtGuess_);
    setTabOrder(txtGuess_, cmdEnter_);
    txtWord_->setFocus();
}

void MainWindow::CreateMenus() {
    menus_ = new common::qt::MenuBar(*menuBar(), Commands().Entries(),
                                     [this](int id) { RunHandler([this, id] { Commands().Run(*game_, id); }); });
    common::qt::OpenFirstMenuOnF10(*this);
}

void MainWindow::ShowForPlay() {
    show();
    activateWindow();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter presses the default button wherever the focus is, as in a Windows dialog: the boxes
    // pass it on, and the button presses itself.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & Qt::AltModifier)) {
        cmdEnter_->click();
        return;
    }
    if (PressAccessKey(event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// A push button takes no typing, so on Windows a plain letter typed on it works as the access key
// it matches: "c" presses Check it!, "w" moves to the guess box. The boxes keep their letters.
bool MainWindow::PressAccessKey(QKeyEvent* event) {
    if (focusWidget() != cmdEnter_ || (event->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier) {
        return false;
    }
    const auto matches = [event](const QString& caption) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        return !key.isEmpty() && key[0].key() == event->key();
    };
    if (matches(cmdEnter_->text())) {
        cmdEnter_->animateClick();
        return true;
    }
    if (matches(lblWord_->text())) {
        GoToGuessByAccessKey();
        return true;
    }
    return false;
}

// The label's access key leads to the guess box with all of the guess selected, as a Windows
// dialog selects an edit box's text whenever its access key is pressed, even in the box
// already: typing then replaces the guess. Qt selects it only when the focus arrives.
void MainWindow::GoToGuessByAccessKey() {
    txtGuess_->setFocus(Qt::ShortcutFocusReason);
    txtGuess_->selectAll();
}

// When a menu closes, the control that had the focus before it gets it back without Qt telling the
// screen reader, and the menu bar then tells it of the menu's own item: the screen reader went on
// standing on the menu and said nothing. Windows readers speak the focused control again when a
// menu ends; so is it told here, once the menu is done.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblWord_ && event->type() == QEvent::Shortcut) {
        GoToGuessByAccessKey();
        return true;
    }
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
        QTimer::singleShot(0, this, [this, control = QPointer<QObject>(watched)] {
            if (control != nullptr && control == focusWidget() && QApplication::activePopupWidget() == nullptr) {
                QAccessibleEvent focus(control, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box or the desktop's close command: the window unloads.
    run_.Close(true);
    event->accept();
}

// A Windows edit box puts the caret at the start of a text it is given, so the whole word is read
// from its first letter.
void MainWindow::SetWordText(const std::string& text) {
    txtWord_->setText(FromGameText(text));
    txtWord_->setCursorPosition(0);
}

std::string MainWindow::GuessText() { return ToGameText(txtGuess_->text()); }

void MainWindow::SetGuessText(const std::string& text) {
    txtGuess_->setText(FromGameText(text));
    txtGuess_->setCursorPosition(0);
}

void MainWindow::FocusWord() { txtWord_->setFocus(Qt::OtherFocusReason); }

void MainWindow::FocusGuess() { txtGuess_->setFocus(Qt::OtherFocusReason); }

void MainWindow::SelectAllGuess() { txtGuess_->selectAll(); }

void MainWindow::StartTimer(int milliseconds) { tmrWord_.Start(milliseconds); }

void MainWindow::StopTimer() { tmrWord_.Stop(); }

void MainWindow::SetMenuCheck(int item, bool checked) { menus_->SetChecked(item, checked); }

}  // namespace pebblix::qt
