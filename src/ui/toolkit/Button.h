// Push buttons, check boxes, radio buttons and group boxes: the system's button control.
#pragma once

#include "Window.h"

#include <functional>

class Button : public Window {
public:
    enum class Kind { Push, CheckBox, Radio, GroupBox };

    // A radio button that starts a group gets firstOfGroup (the buttons after it join it).
    void Create(HWND parent, int id, Kind kind, const RECT& bounds, bool firstOfGroup = false);
    bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    void SetOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::function<void()> onClick_;
};
