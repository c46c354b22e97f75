// Builds the main window from its twips layout and passes each Qt event to the matching handler.
#include "scrambolo/qt/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>

#include "common/qt/closing_box.h"
#include "common/qt/fault_exit.h"
#include "common/qt/late_keys.h"
#include "common/qt/menu_keys.h"
#include "common/qt/qt_text.h"
#include "scrambolo/qt/spoken_caption.h"
#include "scrambolo/window/game_commands.h"
#include "scrambolo/window/window_layout.h"

namespace scrambolo::qt {
namespace {

using common::qt::FromGameText;
using common::qt::RunHandler;
using common::qt::ToGameText;

// Focus given back when a window, a menu or the menu bar lets go of it is not the player moving it.
bool PlayerMovedFocus(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason;
}

}  // namespace

MainWindow::MainWindow()
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      dpi_(common::qt::ScreenDpi()),
      twips_(dpi_),
      client_(new QWidget(this)) {
    setWindowTitle(kMainCaption);
    setCentralWidget(client_);
    BuildMenus();

    // Tab order is creation order: buttons 0 to 6, then the label, which takes no focus.
    for (int index = 0; index <= 6; ++index) {
        auto* button = new QPushButton(kButtonCaption, client_);
        const Layout& place = index == 0 ? kButton0 : kLetterButton;
        button->setGeometry(twips_(place.left), twips_(place.top), twips_(place.width), twips_(place.height));
        button->setFont(common::qt::PointFont(kButtonFontPoints));
        button->installEventFilter(this);
        buttons_.at(static_cast<std::size_t>(index)) = button;
        if (index >= 1) {
            connect(button, &QPushButton::clicked, this, [this, index] {
                if (game_ != nullptr) {
                    RunHandler([&] { game_->ButtonArray_Click(index); });
                }
            });
        }
    }
    clockLabel_ = new QLabel(kLblTimeCaption, client_);
    clockLabel_->setTextFormat(Qt::PlainText);
    clockLabel_->setGeometry(twips_(kLblTime.left), twips_(kLblTime.top), twips_(kLblTime.width),
                             twips_(kLblTime.height));
    clockLabel_->setFont(common::qt::PointFont(kLblTimeFontPoints));
    clockLabel_->installEventFilter(this);

    connect(&timer_, &QTimer::timeout, this, [this] {
        if (game_ != nullptr) {
            RunHandler([&] { game_->Timer1_Timer(); });
        }
    });
    // The client area below the menu bar has the twips of the Windows edition.
    setFixedSize(twips_(kMainClientWidth), twips_(kMainClientHeight) + menuBar()->sizeHint().height());
}

void MainWindow::BuildMenus() {
    menus_ = new common::qt::MenuBar(*menuBar(), Commands().Entries(), [this](int id) {
        if (game_ != nullptr) {
            RunHandler([&] { Commands().Run(*game_, id); });
        }
    });
    common::qt::OpenFirstMenuOnF10(*this);
}

void MainWindow::SetGame(Game* game) {
    game_ = game;
    keyPreview_ =
        std::make_unique<KeyPreview>(this, [game](int keyCode, int shift) { game->Form_KeyDown(keyCode, shift); });
}

int MainWindow::LetterButtonIndex(const QObject* widget) const {
    for (int index = 1; index <= 6; ++index) {
        if (widget != nullptr && Button(index) == widget) {
            return index;
        }
    }
    return -1;
}

void MainWindow::SetButtonCaption(int index, const std::string& caption) {
    QPushButton* button = Button(index);
    // Told as well, the letter would be heard twice: once with the button, once as its new name.
    if (button == focusBackFromMenu_) {
        button->setText(FromGameText(caption));
        return;
    }
    SetCaptionHeard(button, FromGameText(caption));
}

void MainWindow::SetButtonShown(int index, bool shown) {
    QPushButton* button = Button(index);
    if (!shown && focusWidget() == button) {
        // As on Windows the focus goes to the window itself, not along the tab order to a letter
        // that would then count as the player's move.
        client_->setFocus(Qt::OtherFocusReason);
    }
    button->setVisible(shown);
}

void MainWindow::FocusButton(int index) {
    QPushButton* button = Button(index);
    if (focusWidget() == button) {
        return;
    }
    button->setFocus(Qt::OtherFocusReason);
    // In a window that is not active yet (start-up, a message box just closed) Qt gives the focus
    // only on activation, and then as a restored focus: the arrival is told to the game now.
    if (QApplication::focusWidget() != button && game_ != nullptr) {
        game_->ButtonArray_GotFocus(index);
    }
}

std::string MainWindow::ButtonCaption(int index) { return ToGameText(Button(index)->text()); }

void MainWindow::PlaceButton(int index, int left, int top, int width) {
    QPushButton* button = Button(index);
    button->setGeometry(twips_(left), twips_(top), twips_(width), button->height());
}

void MainWindow::SetOuterWidth(int width) { setFixedWidth(twips_(width)); }

void MainWindow::PlaceClockLabel(int left, int top) { clockLabel_->move(twips_(left), twips_(top)); }

void MainWindow::ShowMainWindow() {
    show();
    raise();
    activateWindow();
}

void MainWindow::SetClockText(const std::string& text) {
    clockLabel_->setText(FromGameText(text));
    clockLabel_->repaint();
}

std::string MainWindow::ClockText() { return ToGameText(clockLabel_->text()); }

void MainWindow::SetWindowCaption(const std::string& text) {
    if (windowTitle() == FromGameText(text)) {
        return;
    }
    setWindowTitle(FromGameText(text));
    // Qt does not tell screen readers of a new title by itself, and the caption is the window's
    // name: without this they would go on calling the window by its first caption, its read-title
    // command too. Qt 6.4 tells the change by a reference to the window, which has Orca read the
    // caption afresh when asked and say nothing now; told the new name as text, Orca would speak
    // the clock at every tick, so the caption never goes the way of the letter buttons.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void MainWindow::StartTimer(int milliseconds) {
    if (!run_.Closing()) {
        timer_.start(milliseconds);
    }
}

void MainWindow::StopTimer() { timer_.stop(); }

void MainWindow::SetMenuCheck(int item, bool checked) { menus_->SetChecked(item, checked); }

bool MainWindow::HintWindowExists() { return hint_ != nullptr; }

void MainWindow::CreateHintWindow() {
    hint_ = new HintWindow(dpi_, [this] {
        if (game_ != nullptr) {
            game_->cmdClose_Click();
        }
    });
}

void MainWindow::SetHintText(const std::string& text) {
    if (hint_ != nullptr) {
        hint_->SetText(text);
    }
}

void MainWindow::ShowHintWindow() {
    if (hint_ != nullptr) {
        hint_->ShowWithFocus();
    }
}

void MainWindow::CloseHintWindow() {
    if (hint_ != nullptr) {
        // The keyboard comes back here before the window goes, so no key typed on is lost between,
        // and a key the window still receives comes here too. The close may come from inside one
        // of the window's own events: it is deleted later, once they have ended.
        common::qt::HandKeyboardTo(*this);
        hint_->hide();
        common::qt::LateKeys::Forward(hint_, this);
        hint_ = nullptr;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (game_ != nullptr && event->type() == QEvent::FocusIn) {
        const int index = LetterButtonIndex(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (index > 0 && PlayerMovedFocus(reason)) {
            RunHandler([&] { game_->ButtonArray_GotFocus(index); });
        } else if (index > 0 && reason != Qt::ActiveWindowFocusReason) {
            // A closing menu gave the button the focus back: the screen reader reads it afresh once
            // the handler of the item picked is done, with whatever letter a deal put on it.
            focusBackFromMenu_ = Button(index);
            QTimer::singleShot(0, this, [this] { focusBackFromMenu_ = nullptr; });
        }
    } else if (game_ != nullptr && watched == clockLabel_ && event->type() == QEvent::MouseButtonDblClick &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        RunHandler([&] { game_->lblTime_DblClick(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused letter button, as Space does; a push button outside a dialog
    // answers Space only.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const int index = LetterButtonIndex(QApplication::focusWidget());
        if (index > 0) {
            Button(index)->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box or the desktop's close command: the window unloads.
    run_.Close(true);
    event->accept();
}

}  // namespace scrambolo::qt
