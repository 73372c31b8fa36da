// An owned image list of 16 x 16 images.
#pragma once

#include <windows.h>
#include <commctrl.h>

class ImageList {
public:
    ImageList() : handle_(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 15, 0)) {}
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;
    ~ImageList() { ImageList_Destroy(handle_); }

    HIMAGELIST Handle() const { return handle_; }
    int Count() const { return ImageList_GetImageCount(handle_); }
    void Clear() { ImageList_RemoveAll(handle_); }
    // Cuts a strip into images; pixels of the transparent colour become the mask.
    void AddMasked(HBITMAP strip, COLORREF transparent) { ImageList_AddMasked(handle_, strip, transparent); }

private:
    HIMAGELIST handle_;
};
