#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/ControlBar.h"
#include "framework/ImageList.h"

#include <vector>

// Button styles of CToolBar::GetButtonStyle: the control's button style in the low byte,
// its state shifted into the next one (with enabled turned into disabled).
constexpr UINT TBBS_BUTTON = TBSTYLE_BUTTON;
constexpr UINT TBBS_SEPARATOR = TBSTYLE_SEP;
constexpr UINT TBBS_CHECKBOX = TBSTYLE_CHECK;
constexpr UINT TBBS_GROUP = TBSTYLE_GROUP;
constexpr UINT TBBS_CHECKGROUP = TBSTYLE_CHECKGROUP;
constexpr UINT TBBS_CHECKED = TBSTATE_CHECKED << 8;
constexpr UINT TBBS_PRESSED = TBSTATE_PRESSED << 8;
constexpr UINT TBBS_DISABLED = TBSTATE_ENABLED << 8;
constexpr UINT TBBS_INDETERMINATE = TBSTATE_INDETERMINATE << 8;
constexpr UINT TBBS_HIDDEN = TBSTATE_HIDDEN << 8;
constexpr UINT TBBS_WRAPPED = TBSTATE_WRAP << 8;

// Reads a tool-bar resource: the image size and the command ids (0: a separator), in the
// 16-bit layout (version 1, width, height, count, ids) or the 32-bit one our resource
// compiler writes (width, height, count, ids). FALSE when the data is short or the sizes absurd.
BOOL ParseToolBarResource(const void* data, DWORD bytes, CSize* imageSize, std::vector<UINT>* ids);

// Thin wrapper of the tool-bar common control: each member sends the control its message.
class CToolBarCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL SetBitmapSize(SIZE size) { return (BOOL)SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    BOOL SetButtonSize(SIZE size) { return (BOOL)SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    CSize GetButtonSize() const;
    // The control keeps using the list; the caller keeps owning it.
    HIMAGELIST SetImageList(CImageList* imageList);
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(TB_GETIMAGELIST); }

    BOOL AddButtons(int count, const TBBUTTON* buttons) { return (BOOL)SendMessage(TB_ADDBUTTONSA, count, (LPARAM)buttons); }
    BOOL InsertButton(int index, const TBBUTTON* button) { return (BOOL)SendMessage(TB_INSERTBUTTONA, index, (LPARAM)button); }
    BOOL DeleteButton(int index) { return (BOOL)SendMessage(TB_DELETEBUTTON, index); }
    int GetButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }
    BOOL GetButton(int index, TBBUTTON* button) const { return (BOOL)SendMessage(TB_GETBUTTON, index, (LPARAM)button); }
    int CommandToIndex(UINT id) const { return (int)SendMessage(TB_COMMANDTOINDEX, id); }
    BOOL GetItemRect(int index, LPRECT rect) const { return (BOOL)SendMessage(TB_GETITEMRECT, index, (LPARAM)rect); }
    // A negative result: no button there.
    int HitTest(POINT point) const { return (int)SendMessage(TB_HITTEST, 0, (LPARAM)&point); }

    BOOL EnableButton(UINT id, BOOL enable = TRUE) { return (BOOL)SendMessage(TB_ENABLEBUTTON, id, MAKELPARAM(enable, 0)); }
    BOOL CheckButton(UINT id, BOOL check = TRUE) { return (BOOL)SendMessage(TB_CHECKBUTTON, id, MAKELPARAM(check, 0)); }
    BOOL PressButton(UINT id, BOOL press = TRUE) { return (BOOL)SendMessage(TB_PRESSBUTTON, id, MAKELPARAM(press, 0)); }
    BOOL HideButton(UINT id, BOOL hide = TRUE) { return (BOOL)SendMessage(TB_HIDEBUTTON, id, MAKELPARAM(hide, 0)); }
    BOOL Indeterminate(UINT id, BOOL on = TRUE) { return (BOOL)SendMessage(TB_INDETERMINATE, id, MAKELPARAM(on, 0)); }
    BOOL IsButtonEnabled(UINT id) const { return (BOOL)SendMessage(TB_ISBUTTONENABLED, id); }
    BOOL IsButtonChecked(UINT id) const { return (BOOL)SendMessage(TB_ISBUTTONCHECKED, id); }
    BOOL IsButtonPressed(UINT id) const { return (BOOL)SendMessage(TB_ISBUTTONPRESSED, id); }
    BOOL IsButtonHidden(UINT id) const { return (BOOL)SendMessage(TB_ISBUTTONHIDDEN, id); }
    // TBSTATE_ bits of the button with command id; -1 when there is none.
    int GetState(UINT id) const { return (int)SendMessage(TB_GETSTATE, id); }
    BOOL SetState(UINT id, UINT state) { return (BOOL)SendMessage(TB_SETSTATE, id, MAKELPARAM(state, 0)); }
    BOOL SetStateByIndex(int index, UINT state);

    int GetHotItem() const { return (int)SendMessage(TB_GETHOTITEM); }
    int SetHotItem(int index) { return (int)SendMessage(TB_SETHOTITEM, index); }
    HWND GetToolTips() const { return (HWND)SendMessage(TB_GETTOOLTIPS); }
    DWORD SetExtendedStyle(DWORD exStyle) { return (DWORD)SendMessage(TB_SETEXTENDEDSTYLE, 0, exStyle); }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }
};

// A bar of buttons, each a command: loaded from a tool-bar resource and its bitmap,
// docked or floating, updated through the command route at idle time (a command nobody
// handles shows disabled, a checked one pressed). With CBRS_TOOLTIPS its buttons show tips,
// with CBRS_FLYBY the button under the mouse shows its prompt in the status bar.
class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)

public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
    // ctrlStyle: the control's TBSTYLE_ bits; borders: room inside the bar's edges.
    BOOL CreateEx(CWnd* parent, DWORD ctrlStyle = TBSTYLE_FLAT, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect borders = CRect(0, 0, 0, 0), UINT id = AFX_IDW_TOOLBAR);

    // Replaces the buttons, their images and sizes with those of a tool-bar resource and
    // the bitmap of the same name; FALSE (the bar unchanged) when either is missing or bad.
    BOOL LoadToolBar(UINT resourceId) { return LoadToolBar(MAKEINTRESOURCEA(resourceId)); }
    BOOL LoadToolBar(LPCTSTR resourceName);
    // The images: a bitmap resource of images side by side, light grey transparent.
    BOOL LoadBitmap(UINT resourceId) { return LoadBitmap(MAKEINTRESOURCEA(resourceId)); }
    BOOL LoadBitmap(LPCTSTR resourceName);
    // Buttons for the ids (0: a separator), using the images in order; null ids: count
    // empty buttons to fill with SetButtonInfo.
    BOOL SetButtons(const UINT* ids, int count);
    // Button and image sizes; a button is at least 7 pixels wider and 6 higher than its image.
    void SetSizes(SIZE button, SIZE image);

    int GetCount() const;
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    void GetItemRect(int index, LPRECT rect) const;
    UINT GetButtonStyle(int index) const;
    void SetButtonStyle(int index, UINT style);
    void GetButtonInfo(int index, UINT& id, UINT& style, int& image) const;
    void SetButtonInfo(int index, UINT id, UINT style, int image);

    CToolBarCtrl& GetToolBarCtrl() const { return const_cast<CToolBarCtrl&>(m_ctrl); }
    CSize GetButtonSizeSetting() const { return m_sizeButton; }
    CSize GetImageSizeSetting() const { return m_sizeImage; }

    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    BOOL IsBackgroundPoint(CPoint clientPoint) const override;
    void OnDestroy();
    void OnHotItemChange(NMHDR* header, LRESULT* result);

private:
    // Sets the line ends of the buttons; returns the size they take.
    CSize LayoutButtons(const std::vector<bool>& wraps);
    // The widths and separator flags of the buttons laid out in one line.
    void MeasureButtons(std::vector<int>* widths, std::vector<bool>* separators);
    // A floating bar's small frame follows a change of buttons.
    void RefreshFloatingFrame();

    // A second handle on the bar's own control window, for the control's members; it is
    // not in the handle map and never destroys the window.
    CToolBarCtrl m_ctrl;
    CImageList m_images;
    CSize m_sizeButton = CSize(23, 22);
    CSize m_sizeImage = CSize(16, 15);
    int m_mruWidth = 32767;

    DECLARE_MESSAGE_MAP()
};
