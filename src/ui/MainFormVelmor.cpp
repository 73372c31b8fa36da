// The main window's construction and destruction, its messages, its size limits and the
// frameless parameter pages.
#include "MainFormVelmor.h"

#include "DTCUtils.h"
#include "Ids.h"
#include "ToolbarImages.h"
#include "toolkit/Application.h"
#include "toolkit/WaitCursor.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

namespace {

constexpr int DesignWidth = 711;
constexpr int DesignHeight = 463;
constexpr int MinTrackWidth = 610;
constexpr int MinTrackHeight = 400;
constexpr BYTE CyrillicCharset = 204;

// The executable's full path with another extension.
std::wstring ExecutableWithExtension(const wchar_t* extension)
{
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, 32768);
    std::wstring path(buffer, length);
    const auto dot = path.find_last_of(L'.');
    const auto slash = path.find_last_of(L"\\/");
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash))
        path.erase(dot);
    return path + extension;
}

bool FontInstalled(const wchar_t* face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM data) {
        *reinterpret_cast<bool*>(data) = true;
        return 0;
    }, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

UniqueFont MakeFont(const wchar_t* face, BYTE charset)
{
    // 8 points at 96 dots per inch: 11 pixels.
    return UniqueFont(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

} // namespace

TMainFormVelmor::TMainFormVelmor()
{
    RegisterClassOnce(ClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    Create(ClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, CW_USEDEFAULT,
           CW_USEDEFAULT, DesignWidth, DesignHeight, nullptr, nullptr);
}

TMainFormVelmor::~TMainFormVelmor()
{
    // Destroy while the messages still reach this object, so FormDestroy runs.
    if (Handle())
        DestroyWindow(Handle());
}

void TMainFormVelmor::FormCreate()
{
    SetText(Application().Title());
    Application().SetOnHint([this] { ShowHint(); });
    Application().SetHelpFile(ExecutableWithExtension(L".hlp"));
    FAddMode = 0;

    for (int page = 0; page < pcParams.PageCount(); ++page)
        pcParams.SetTabVisible(page, false);
    FParamsDefWndProc = pcParams.CurrentWindowProc();
    pcParams.SetWindowProc([this](UINT message, WPARAM wParam, LPARAM lParam) {
        return ParamsWndProc(message, wParam, lParam);
    });
    pcParams.SetActivePageIndex(0); // shows the page and realigns

    FGIFImage = std::make_unique<TGIFImage>();
    FID3v1 = std::make_unique<TID3v1>();
    AttachSystemImageLists();
    LOGFONTW iconTitle{};
    if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof iconTitle, &iconTitle, 0)) {
        listFont_.reset(CreateFontIndirectW(&iconTitle));
        lvFiles.SetFont(listFont_.get());
    }
    FIdle = true;
    pcDTC.SetActivePageIndex(0);
    SetPickersToNow();
    ConnectPageControls();
    LoadToolbarImages();
    SetUpScanners();
    DragAcceptFiles(Handle(), TRUE);
    FIniFile = std::make_unique<TIniFile>(ExecutableWithExtension(L".ini"));
    LoadSettings();
    ApplyTexts();
    LayoutFilesPage();
    SetFocus(pcDTC.Handle());
}

void TMainFormVelmor::SetPickersToNow()
{
    for (DateTimePicker* picker : {&dtpDate, &dtpTime, &dtpCreatedDate, &dtpCreatedTime,
                                   &dtpModifiedDate, &dtpModifiedTime, &dtpOpenedDate})
        picker->SetToNow();
}

void TMainFormVelmor::LoadToolbarImages()
{
    ilNormal.Clear();
    const ToolbarImages chosen = ChooseToolbarImages(WindowsVersionCode(), [] { return ScreenColorDepth(); });
    if (chosen.tahomaFont) {
        ApplyWindowFont(MakeFont(FontInstalled(L"Tahoma") ? L"Tahoma" : L"MS Sans Serif", CyrillicCharset));
    }
    const auto strip = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), chosen.bitmap.c_str(), IMAGE_BITMAP, 0, 0, 0));
    if (!strip)
        return;
    ilNormal.AddMasked(strip, RGB(255, 0, 255));
    DeleteObject(strip);
}

void TMainFormVelmor::ApplyWindowFont(UniqueFont font)
{
    // Every control follows the window's font except the list, which keeps the icon-title font.
    EnumChildWindows(Handle(), [](HWND child, LPARAM data) {
        if (GetDlgCtrlID(child) != Ctl::lvFiles)
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(data), TRUE);
        return TRUE;
    }, reinterpret_cast<LPARAM>(font.get()));
    SB.SetFont(font.get());
    windowFont_ = std::move(font); // the old font goes only now that no control uses it
}

void TMainFormVelmor::FormDestroy()
{
    const WaitCursor wait;
    DragAcceptFiles(Handle(), FALSE);
    StopScanners();
    Application().SetOnHint(nullptr); // the status bar goes with the window
    SaveSettings();
    FIniFile.reset();
    lvFiles.Clear();
    FGIFImage.reset();
    FID3v1.reset();
}

void TMainFormVelmor::WMGetMinMaxInfo(MINMAXINFO& limits)
{
    limits.ptMinTrackSize = {MinTrackWidth, MinTrackHeight};
}

LRESULT TMainFormVelmor::ParamsWndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = FParamsDefWndProc(message, wParam, lParam);
    // The pages cover the frame of the page control: they look like one panel.
    if (message == TCM_ADJUSTRECT && wParam == FALSE) {
        RECT& display = *reinterpret_cast<RECT*>(lParam);
        InflateRect(&display, 4, 4);
        display.top -= 2;
    }
    return result;
}

LRESULT TMainFormVelmor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls();
        ApplyWindowFont(MakeFont(L"MS Sans Serif", DEFAULT_CHARSET));
        FormCreate();
        return 0;
    case WM_SIZE:
        LayoutClient();
        return 0;
    case WM_GETMINMAXINFO: {
        const LRESULT result = Window::OnMessage(message, wParam, lParam);
        WMGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return result;
    }
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0) { // a menu item
            OnCommand(LOWORD(wParam));
            return 0;
        }
        [[fallthrough]];
    case WM_NOTIFY:
    case WM_DRAWITEM:
        if (LRESULT result = 0; Reflect(message, wParam, lParam, result))
            return result;
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_FONTCHANGE:
        // Only top-level windows hear of these; the status bar follows the system's colours.
        SB.Send(message, wParam, lParam);
        break;
    case WM_INITMENUPOPUP:
        MenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_MENUSELECT:
        MenuSelect(wParam, lParam);
        return 0;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == lvFiles.Handle()) {
            PopupMenu1.Popup(Handle(), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        }
        break;
    case WM_CLOSE:
        if (!FIdle) { // the run stops at its next entry and then closes the window
            closeAfterRun_ = true;
            EndRun();
            return 0;
        }
        break;
    case WM_DROPFILES:
        WMDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_SETCURSOR:
        if (ShowScanCursor(LOWORD(lParam)))
            return TRUE;
        break;
    case WM_DESTROY:
        FormDestroy();
        return 0;
    default:
        break;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void TMainFormVelmor::OnDestroyed()
{
    Application().Terminate();
}
