// The "Cheat" hint window: a text box showing the pattern and a Close button that Esc also presses.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <string>

namespace scrambolo::qt {

class HintWindow final : public QWidget {
public:
    // onClose is what a press of Close (or Esc, Alt+C, or the close box) does: the game decides,
    // and closes the window.
    HintWindow(double dpi, std::function<void()> onClose);

    void SetText(const std::string& text);
    // Shows the window, brings it to the front and puts the focus in the text.
    void ShowWithFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> onClose_;
    QLineEdit* text_;
    QPushButton* close_;
};

}  // namespace scrambolo::qt
