// The main window: the file list, the parameter pages, the settings page, the tool bars, the
// menus and the status bar. One class; its member functions are split over a few files by
// concern (construction and layout, menus and texts, the file list).
#pragma once

#include "toolkit/Button.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/GdiObjects.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"
#include "toolkit/Menu.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/StaticImage.h"
#include "toolkit/ToolBar.h"

#include "controls/OrrCtrls.h"
#include "controls/SBPro.h"

#include "DriveType.h"
#include "FileEntryTexts.h"
#include "GIFImage.h"
#include "ID3v1.h"
#include "IniFile.h"
#include "ZelFind.h"

#include <shellapi.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TMainFormVelmor : public Window {
public:
    static constexpr const wchar_t* ClassName = L"TMainFormVelmor";
    // While entries keep coming, the list shows them this often (milliseconds).
    static constexpr UINT ListDrawingInterval = 200;
    // During a run, pending events run this often, and the progress bar moves this often.
    static constexpr std::chrono::milliseconds RunEventInterval{5};
    static constexpr std::chrono::milliseconds ProgressInterval{100};

    TMainFormVelmor();
    ~TMainFormVelmor() override;

    // Adds at most one entry for a full path (filtered by the system-folder rule and FAddMode).
    void AddFileToList(const std::wstring& path);
    // 0 files only, 1 files and folders, 2 folders only: chosen by the folder commands.
    void SetAddMode(unsigned char mode) { FAddMode = mode; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

private:
    // Construction and layout (MainFormVelmor.cpp, MainFormLayout.cpp).
    void CreateControls();
    void CreateFilesPage();
    void CreateParametersPage();
    void CreateDateTimePage(HWND page);
    void CreateAttributesPage(HWND page);
    void CreateRenamePage(HWND page);
    void CreateMultimediaPage(HWND page);
    void CreateSettingsPage();
    void CreateStatusBar();
    void LayoutClient();
    void LayoutFilesPage();
    void LayoutParametersPage();
    void LayoutSettingsPage();
    void PlaceStartStop();
    void FormCreate();
    void FormDestroy();
    void SetPickersToNow();
    void LoadToolbarImages();
    void ApplyWindowFont(UniqueFont font);
    void WMGetMinMaxInfo(MINMAXINFO& limits);
    LRESULT ParamsWndProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Menus, texts and hints (MainFormMenus.cpp, MainFormTexts.cpp).
    void CreateMenus();
    void ApplyTexts();
    void ShowHint();
    void MenuSelect(WPARAM wParam, LPARAM lParam);

    // Commands of the menus and tool buttons (MainFormCommands.cpp).
    void OnCommand(int id);
    void file_CloseClick();
    void item_ContentsClick();
    void item_AboutClick();

    // The enabling of menu items each time a menu opens (MainFormMenuState.cpp).
    void MenuPopup(HMENU menu);
    void FileMenuClick();
    void EditMenuClick();
    void PopupMenu1Popup();

    // The view state: style, grid lines, the two bars (MainFormView.cpp).
    void ViewMenuClick();
    void item_ToolbarClick();
    void item_StatusBarClick();
    void item_GridLinesClick();
    void item_ViewIconsClick();
    void item_ViewSmallIconsClick();
    void item_ViewListClick();
    void item_ViewDetailsClick();
    void cbShortDateFormatClick();

    // The settings file (MainFormSettings.cpp).
    void LoadSettings();
    void SaveSettings();

    // The parameter pages and the enabling of their controls (MainFormPages.cpp).
    void ConnectPageControls();
    void SetDateControlsEnabled(bool oneValue, bool today, bool separateValues);
    void btnDateTimeClick();
    void btnAttributesClick();
    void btnRenameClick();
    void btnMultimediaClick();
    void pcParamsChange();
    void rbSetSelectedDateClick();
    void rbSetSeparateDateClick();
    void rbDoNotChangeDateClick();
    void btnTodayClick();
    void cbRemoveAttrClick();
    void rbSetAttrClick();

    // Editing the list (MainFormEditing.cpp).
    std::vector<int> SelectedRowsFromLast() const;
    void item_DeleteClick();
    void item_RemoveFileClick();
    void item_RemoveFolderClick();
    void item_ClearListClick();
    void item_InvertSelectionClick();
    void item_InvertCheckedClick();

    // Sorting the list (MainFormSorting.cpp).
    void lvFilesColumnClick(int column);
    void item_ByNameClick();
    void item_ByTypeClick();
    void item_BySizeClick();
    void item_ByCreatedClick();
    void item_ByModifiedClick();
    void item_ByOpenedClick();
    void item_ByAttrClick();
    void item_ByFolderClick();

    // The processing run (MainFormRun.cpp) and its steps (MainFormDates.cpp,
    // MainFormAttributes.cpp, MainFormRename.cpp, MainFormMultimedia.cpp).
    void btnStartStopClick(int targetMode);
    void RunOver(int targetMode);
    void EndRun();
    void ShowRunning(bool running);
    void ProcessEntry(std::wstring path, int index, DWORD setAttributes);
    bool ValidateDates();
    void ChangeFileTimes(const std::wstring& path, int index);
    void RefreshDateColumns(const std::wstring& path, int index);
    DWORD AttrFromCheckBoxes() const;
    void ClearChosenAttributes(const std::wstring& path, int index);
    void AssignAttributes(const std::wstring& path, int index, DWORD attributes);
    void RefreshAttributeColumn(const std::wstring& path, int index);
    std::wstring ChangeNameCase(const std::wstring& path, int index);
    void StripGifComments(const std::wstring& path, int index);
    std::wstring RenameMp3FromTag(const std::wstring& path, int index);

    // The file list (MainFormFileList.cpp).
    void AttachSystemImageLists();
    void lvFilesChange();
    // The entry's full path: its folder text with a backslash, then its caption.
    std::wstring EntryPath(int index) const;
    static constexpr int CaptionColumn = 0;
    static constexpr int ColumnOf(std::size_t subItem) { return static_cast<int>(subItem) + 1; }
    void UpdateObjectCount();

    // Adding files and folders (MainFormAdding.cpp).
    void SetUpScanners();
    void StopScanners();
    void item_AddFileClick();
    void pitem_AddFilesOnlyClick();
    void pitem_AddFilesAndFoldersClick();
    void pitem_AddFoldersOnlyClick();
    void BrowseAndScanFolder();
    void ZelFind1FileFound(TFindThread& Sender, const std::wstring& Directory, const TSearchRec& FileInfo);
    void findFilesOnlyCompleted(TFindThread& Sender);
    void WMDropFiles(HDROP drop);
    void SetScanning(bool scanning);
    bool ShowScanCursor(WORD hitTest) const;
    TZelFind findFilesOnly;
    TZelFind findFilesAndDirs;
    TZelFind findDirsOnly;
    OpenDialog OpenDlg;
    DriveTypeCache scanDrives_; // the roots of the walks' entries, asked afresh by each folder command
    bool scanning_ = false;     // the hourglass shows from a folder command to the first completion

    Menu MainMenu1{Menu::Kind::Bar};
    Menu PopupMenu1{Menu::Kind::Popup};
    Menu pmAddFolderParams{Menu::Kind::Popup};
    Menu pmOperate{Menu::Kind::Popup};
    std::map<int, std::wstring> menuHints_;
    std::wstring openDlgFilter_; // the add-files dialog's filter

    TOrrinBevel Bevel1;
    Panel Panel2;
    PageControl pcDTC;
    ToolBar tbFileList;
    ToolBar tbStartStop;
    TOrrinBevel OrrinBevel1;
    ListView lvFiles;
    ToolBar tbParams;
    PageControl pcParams;
    Button rbSetSelectedDate, btnToday, rbSetSeparateDate, cbCreated, cbModified, cbOpened,
        rbDoNotChangeDate;
    DateTimePicker dtpDate, dtpTime, dtpCreatedDate, dtpCreatedTime, dtpModifiedDate,
        dtpModifiedTime, dtpOpenedDate;
    Button cbRemoveAttr, cbRReadOnly, cbRHidden, cbRArchive, cbRSystem, cbSetAttr, cbReadOnly,
        cbHidden, cbArchive, cbSystem;
    Button rbNameLowerCase, rbExtLowerCase, rbNameUpperCase, rbExtUpperCase, rbNameDontChange;
    Button cbDeleteGIFExtensions, cbID3v1;
    Panel Panel6, Panel7, Panel8;
    Button gbGeneral;
    StaticImage imgSettings;
    Button cbSortWithFolderName, cbShortDateFormat;
    TStatusBarPro SB;
    ProgressBar PB;
    ImageList ilNormal;

    PageControl::WindowProc FParamsDefWndProc;
    std::unique_ptr<TGIFImage> FGIFImage;
    std::unique_ptr<TID3v1> FID3v1;
    std::unique_ptr<TIniFile> FIniFile;
    int FSortColumn = 0;
    bool FSortAscending = false;
    bool FIdle = true;
    bool closeAfterRun_ = false; // the window was closed during a run
    unsigned char FAddMode = 0;

    FileEntryReader entryReader_;
    UniqueFont windowFont_;
    UniqueFont listFont_;
    UniqueIcon settingsIcon_;

};
