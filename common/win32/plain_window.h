// What a dialog does for its controls that a plain window with the dialog keys must do itself.
#pragma once

#include <windows.h>

namespace common::win32 {

// A plain window forgets its focused control when it loses and regains the activation (a dialog
// remembers it): this keeps it, so that after a message box or a switch of windows the focus is
// back where the player left it.
class FocusMemory {
public:
    // Answers WM_ACTIVATE. On the way out the focused control is kept; on the way back it gets the
    // focus again, if it is still there and shown. False when there is none to give back, so the
    // default handling puts the focus on the window itself.
    bool OnActivate(HWND window, WPARAM wParam);

    // True while the focus is being given back: its arrival is not the player moving it.
    bool Restoring() const { return restoring_; }
    // The control kept, or null when there is none or it is gone.
    HWND Saved() const;
    void Remember(HWND control) { saved_ = control; }
    void Forget() { saved_ = nullptr; }

private:
    HWND saved_ = nullptr;
    bool restoring_ = false;
};

// Answers WM_NEXTDLGCTL, which the dialog keys send, as a dialog does: the focus goes to the named
// control, or to the next or previous tab stop, and an edit box given the focus this way has its
// whole text selected. A label's access key names the label, then asks for the next stop, which is
// how it leads to the box after it.
void MoveDialogFocus(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace common::win32
