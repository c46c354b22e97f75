// Focus memory across activations and WM_NEXTDLGCTL, for plain windows that take the dialog keys.
#include "common/win32/plain_window.h"

namespace common::win32 {

bool FocusMemory::OnActivate(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) {
            saved_ = focus;
        }
        return true;
    }
    // A letter button hidden since (the word is shorter) cannot take the focus back.
    HWND saved = Saved();
    if (saved == nullptr || !IsWindowVisible(saved)) {
        return false;
    }
    restoring_ = true;
    SetFocus(saved);
    restoring_ = false;
    return true;
}

HWND FocusMemory::Saved() const { return saved_ != nullptr && IsWindow(saved_) ? saved_ : nullptr; }

void MoveDialogFocus(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND target =
        LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
    if (target == nullptr) {
        return;
    }
    SetFocus(target);
    if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageA(target, EM_SETSEL, 0, -1);
    }
}

}  // namespace common::win32
