// A plain container window. Notifications of the controls on it go to their own objects first,
// then up to the parent, so the main window receives them wherever a control sits.
#pragma once

#include "Window.h"

#include <functional>

class Panel : public Window {
public:
    void Create(HWND parent, int id, const RECT& bounds = {});
    // Runs after every change of size, to place the children.
    void SetOnResize(std::function<void()> handler) { onResize_ = std::move(handler); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void()> onResize_;
};
