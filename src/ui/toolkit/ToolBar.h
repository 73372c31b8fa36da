// A flat tool bar. Buttons carry a command id, an image, an optional caption and a hint
// "short|long": the short part is the tooltip, the whole hint is what the mouse points at.
#pragma once

#include "Window.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

class ToolBar : public Window {
public:
    enum class Kind { Button, Check, CheckGroup, DropDown, Separator };
    struct ToolButton {
        int id = 0;
        Kind kind = Kind::Button;
        int image = I_IMAGENONE;
        int separatorWidth = 0; // for a separator: its width, 0 for the default
    };

    // listStyle: image and caption side by side.
    void Create(HWND parent, int id, bool listStyle);
    void SetImageList(HIMAGELIST images);
    void AddButton(const ToolButton& tool);
    void SetButtonSize(int width, int height);
    void SetMinButtonWidth(int width);

    void SetCaption(int id, const std::wstring& caption);
    std::wstring Caption(int id) const;
    int Image(int id) const;
    void SetImage(int id, int image);
    void SetHint(int id, const std::wstring& hint);
    std::wstring Hint(int id) const;
    bool Down(int id) const;
    void SetDown(int id, bool down);
    bool ButtonEnabled(int id) const;
    void SetButtonEnabled(int id, bool enabled);
    RECT ButtonRect(int id) const;
    // Width and height of all buttons together.
    SIZE IdealSize() const;

    std::wstring HintAt(POINT client) const override;
    // A click on a button (a drop-down button only opens its menu: OnDropDown).
    void SetOnClick(std::function<void(int id)> handler) { onClick_ = std::move(handler); }
    void SetOnDropDown(std::function<void(int id)> handler) { onDropDown_ = std::move(handler); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Entry {
        int id;
        std::wstring caption;
        std::wstring hint;
    };
    Entry* Find(int id);
    const Entry* Find(int id) const;

    std::vector<Entry> entries_;
    std::wstring tooltip_; // kept alive while the tooltip shows it
    std::function<void(int)> onClick_;
    std::function<void(int)> onDropDown_;
};
