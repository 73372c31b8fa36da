// A list view: report, icon and list styles, check boxes, rows of texts. The texts are kept here
// and the control asks for them when it draws: a row then costs one message to insert instead
// of one for every column, and the control holds no copies.
#pragma once

#include "Window.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class ListView : public Window {
public:
    enum class ViewStyle { Icon = LV_VIEW_ICON, SmallIcon = LV_VIEW_SMALLICON, List = LV_VIEW_LIST,
                           Report = LV_VIEW_DETAILS };

    void Create(HWND parent, int id);
    void AddColumn(int width, bool rightAligned);
    void SetColumnCaption(int column, const std::wstring& caption);
    std::wstring ColumnCaption(int column) const;
    int ColumnWidth(int column) const;
    // Shared lists: the control never destroys them.
    void SetImageLists(HIMAGELIST small, HIMAGELIST normal);

    int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    int SelectedCount() const { return static_cast<int>(Send(LVM_GETSELECTEDCOUNT)); }
    // Appends a row with its texts (caption first, one for every column) and image; returns its
    // index, or -1.
    int Append(std::vector<std::wstring> texts, int image);
    std::wstring ItemText(int item, int column) const;
    void SetItemText(int item, int column, const std::wstring& text);
    int ItemImage(int item) const;
    bool Checked(int item) const;
    void SetChecked(int item, bool checked);
    bool Selected(int item) const;
    void SetSelected(int item, bool selected);
    void RedrawItem(int item);
    // Stops drawing for a while and then draws everything once: rows added meanwhile cost no
    // drawing of their own. Calls during the pause do not lengthen it, so a long series of
    // additions still shows at that interval.
    void DeferDrawing(UINT milliseconds);
    bool DrawingDeferred() const { return drawingDeferred_; }
    void Delete(int item) { Send(LVM_DELETEITEM, static_cast<WPARAM>(item)); }
    void Clear() { Send(LVM_DELETEALLITEMS); }

    ViewStyle View() const { return static_cast<ViewStyle>(Send(LVM_GETVIEW)); }
    void SetView(ViewStyle style) { Send(LVM_SETVIEW, static_cast<WPARAM>(style)); }

    // Any change of an item: text, image or state.
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Row {
        std::vector<std::wstring> texts;
    };
    Row* RowAt(int item) const;
    void SetState(int item, UINT state, UINT mask);
    void DrawDeferred();
    int columns_ = 0;
    std::unordered_map<const Row*, std::unique_ptr<Row>> rows_;
    bool drawingDeferred_ = false;
    ULONGLONG deferredSince_ = 0;
    std::function<void()> onChange_;
};
