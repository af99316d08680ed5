#include "framework/ToolBar.h"

#include "framework/AppState.h"
#include "framework/CmdUI.h"
#include "framework/CommonControls.h"
#include "framework/Debug.h"
#include "framework/DockBar.h"
#include "framework/FrameWnd.h"

#include <algorithm>

namespace {

constexpr WORD kToolBarResourceType = 241;
constexpr COLORREF kTransparentGrey = RGB(192, 192, 192);
constexpr int kSeparatorWidth = 8;

// Updates one button through the command route.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CToolBar* bar) : m_bar(bar) {}

    void Enable(BOOL on) override
    {
        m_enableChanged = TRUE;
        UINT style = m_bar->GetButtonStyle(static_cast<int>(m_nIndex));
        UINT wanted = on ? (style & ~TBBS_DISABLED) : (style | TBBS_DISABLED);
        // A disabled button cannot stay pressed.
        if (!on)
            wanted &= ~TBBS_PRESSED;
        if (wanted != style)
            m_bar->SetButtonStyle(static_cast<int>(m_nIndex), wanted);
    }
    void SetCheck(int check) override
    {
        UINT style = m_bar->GetButtonStyle(static_cast<int>(m_nIndex));
        UINT wanted = style & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (check == 1)
            wanted |= TBBS_CHECKED;
        else if (check == 2)
            wanted |= TBBS_INDETERMINATE;
        if (wanted != style)
            m_bar->SetButtonStyle(static_cast<int>(m_nIndex), wanted);
    }
    void SetRadio(BOOL on) override { SetCheck(on ? 1 : 0); }
    void SetText(LPCTSTR) override {}

private:
    CToolBar* m_bar;
};

} // namespace

// --- CToolBarCtrl ----------------------------------------------------------------------------

BOOL CToolBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    AfxInitCommonControls();
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, style, rect, parent, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

CSize CToolBarCtrl::GetButtonSize() const
{
    DWORD size = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    return CSize(LOWORD(size), HIWORD(size));
}

BOOL CToolBarCtrl::SetStateByIndex(int index, UINT state)
{
    // By index: separators all share the command id 0.
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STATE;
    info.fsState = static_cast<BYTE>(state);
    return (BOOL)SendMessage(TB_SETBUTTONINFOA, index, (LPARAM)&info);
}

HIMAGELIST CToolBarCtrl::SetImageList(CImageList* imageList)
{
    return (HIMAGELIST)SendMessage(TB_SETIMAGELIST, 0, (LPARAM)(imageList ? imageList->GetSafeHandle() : nullptr));
}

// --- CToolBar --------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_DESTROY()
    ON_NOTIFY_REFLECT(TBN_HOTITEMCHANGE, OnHotItemChange)
END_MESSAGE_MAP()

CToolBar::CToolBar() = default;

CToolBar::~CToolBar()
{
    m_ctrl.m_hWnd = nullptr;
}

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CreateEx(parent, 0, style, CRect(0, 0, 0, 0), id);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, CRect borders, UINT id)
{
    AfxInitCommonControls();
    SetBorders(borders);
    DWORD control = ctrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (style & CBRS_TOOLTIPS)
        control |= TBSTYLE_TOOLTIPS;
    if (!CreateBar(0, TOOLBARCLASSNAMEA, style, control, parent, id))
        return FALSE;
    m_ctrl.m_hWnd = m_hWnd;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

void CToolBar::OnDestroy()
{
    CControlBar::OnDestroy();
    m_ctrl.m_hWnd = nullptr;
}

BOOL ParseToolBarResource(const void* data, DWORD bytes, CSize* imageSize, std::vector<UINT>* ids)
{
    const auto* words = static_cast<const WORD*>(data);
    const auto* dwords = static_cast<const DWORD*>(data);
    ids->clear();
    if (data == nullptr)
        return FALSE;
    // The 16-bit layout: version 1, image width and height, count, then the ids.
    if (bytes >= 4 * sizeof(WORD) && words[0] == 1 && bytes >= (4 + static_cast<DWORD>(words[3])) * sizeof(WORD)) {
        *imageSize = CSize(words[1], words[2]);
        ids->assign(words + 4, words + 4 + words[3]);
    } else if (bytes >= 3 * sizeof(DWORD) && dwords[2] <= (bytes - 3 * sizeof(DWORD)) / sizeof(DWORD)) {
        // The resource compiler's 32-bit layout: width, height, count, then the ids.
        *imageSize = CSize(static_cast<int>(dwords[0]), static_cast<int>(dwords[1]));
        ids->assign(dwords + 3, dwords + 3 + dwords[2]);
    } else {
        return FALSE;
    }
    return imageSize->cx > 0 && imageSize->cy > 0 && imageSize->cx < 256 && imageSize->cy < 256;
}

BOOL CToolBar::LoadToolBar(LPCTSTR resourceName)
{
    ASSERT(m_hWnd != nullptr);
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(module, resourceName, MAKEINTRESOURCEA(kToolBarResourceType));
    HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    CSize imageSize;
    std::vector<UINT> ids;
    if (data == nullptr || !ParseToolBarResource(data, ::SizeofResource(module, found), &imageSize, &ids))
        return FALSE;
    CImageList images;
    if (!images.Create(resourceName, imageSize.cx, 0, kTransparentGrey))
        return FALSE;
    m_images.DeleteImageList();
    m_images.Attach(images.Detach());
    m_ctrl.SetImageList(&m_images);
    SetSizes(CSize(imageSize.cx + 7, imageSize.cy + 7), imageSize);
    return SetButtons(ids.data(), static_cast<int>(ids.size()));
}

BOOL CToolBar::LoadBitmap(LPCTSTR resourceName)
{
    CImageList images;
    if (!images.Create(resourceName, m_sizeImage.cx, 0, kTransparentGrey))
        return FALSE;
    m_images.DeleteImageList();
    m_images.Attach(images.Detach());
    m_ctrl.SetImageList(&m_images);
    Invalidate();
    return TRUE;
}

void CToolBar::SetSizes(SIZE button, SIZE image)
{
    ASSERT(button.cx >= image.cx + 7 && button.cy >= image.cy + 6);
    m_sizeButton = button;
    m_sizeImage = image;
    if (m_hWnd == nullptr)
        return;
    m_ctrl.SetBitmapSize(image);
    m_ctrl.SetButtonSize(button);
    RefreshFloatingFrame();
}

BOOL CToolBar::SetButtons(const UINT* ids, int count)
{
    ASSERT(m_hWnd != nullptr && count >= 0);
    for (int i = m_ctrl.GetButtonCount(); i-- > 0;)
        m_ctrl.DeleteButton(i);
    std::vector<TBBUTTON> buttons(static_cast<size_t>(std::max(count, 0)));
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON& button = buttons[i];
        button.fsState = TBSTATE_ENABLED;
        if (ids == nullptr) {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = -1;
        } else if (ids[i] == 0) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = kSeparatorWidth;
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.idCommand = static_cast<int>(ids[i]);
            button.iBitmap = image++;
        }
        button.iString = -1;
    }
    BOOL added = buttons.empty() || m_ctrl.AddButtons(count, buttons.data());
    m_ctrl.SetButtonSize(m_sizeButton);
    RefreshFloatingFrame();
    return added;
}

void CToolBar::RefreshFloatingFrame()
{
    if (!IsFloating())
        return;
    if (auto* frame = dynamic_cast<CMiniDockFrameWnd*>(m_pDockBar->GetParent()))
        frame->RecalcLayout();
}

int CToolBar::GetCount() const
{
    return m_ctrl.GetButtonCount();
}

int CToolBar::CommandToIndex(UINT id) const
{
    return m_ctrl.CommandToIndex(id);
}

UINT CToolBar::GetItemID(int index) const
{
    TBBUTTON button = {};
    if (!m_ctrl.GetButton(index, &button))
        return 0;
    return (button.fsStyle & TBSTYLE_SEP) ? 0 : static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int index, LPRECT rect) const
{
    if (!m_ctrl.GetItemRect(index, rect))
        ::SetRectEmpty(rect);
}

UINT CToolBar::GetButtonStyle(int index) const
{
    TBBUTTON button = {};
    if (!m_ctrl.GetButton(index, &button))
        return 0;
    return static_cast<UINT>(button.fsStyle) | (static_cast<UINT>(button.fsState ^ TBSTATE_ENABLED) << 8);
}

void CToolBar::SetButtonStyle(int index, UINT style)
{
    TBBUTTON button = {};
    if (!m_ctrl.GetButton(index, &button))
        return;
    BYTE state = static_cast<BYTE>(((style >> 8) & 0xFF) ^ TBSTATE_ENABLED);
    BYTE buttonStyle = static_cast<BYTE>(style & 0xFF);
    if (buttonStyle != button.fsStyle) {
        // The control cannot change a button's style in place: replace the button.
        button.fsStyle = buttonStyle;
        button.fsState = state;
        m_ctrl.DeleteButton(index);
        m_ctrl.InsertButton(index, &button);
    } else if (state != button.fsState) {
        m_ctrl.SetStateByIndex(index, state);
    }
}

void CToolBar::GetButtonInfo(int index, UINT& id, UINT& style, int& image) const
{
    TBBUTTON button = {};
    if (!m_ctrl.GetButton(index, &button)) {
        id = 0;
        style = 0;
        image = -1;
        return;
    }
    id = static_cast<UINT>(button.idCommand);
    style = GetButtonStyle(index);
    image = button.iBitmap;
}

void CToolBar::SetButtonInfo(int index, UINT id, UINT style, int image)
{
    TBBUTTON button = {};
    if (!m_ctrl.GetButton(index, &button))
        return;
    button.idCommand = static_cast<int>(id);
    button.fsStyle = static_cast<BYTE>(style & 0xFF);
    button.fsState = static_cast<BYTE>(((style >> 8) & 0xFF) ^ TBSTATE_ENABLED);
    button.iBitmap = image;
    m_ctrl.DeleteButton(index);
    m_ctrl.InsertButton(index, &button);
}

void CToolBar::MeasureButtons(std::vector<int>* widths, std::vector<bool>* separators)
{
    LayoutButtons(std::vector<bool>(static_cast<size_t>(GetCount()), false));
    widths->clear();
    separators->clear();
    for (int i = 0; i < GetCount(); ++i) {
        CRect rect;
        GetItemRect(i, &rect);
        widths->push_back(rect.Width());
        separators->push_back((GetButtonStyle(i) & TBBS_SEPARATOR) != 0);
    }
}

CSize CToolBar::LayoutButtons(const std::vector<bool>& wraps)
{
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        if (!m_ctrl.GetButton(i, &button))
            continue;
        bool wrap = static_cast<size_t>(i) < wraps.size() && wraps[i];
        BYTE state = wrap ? (button.fsState | TBSTATE_WRAP) : (button.fsState & ~TBSTATE_WRAP);
        if (state != button.fsState)
            m_ctrl.SetStateByIndex(i, state);
    }
    CRect content(0, 0, 0, 0);
    for (int i = 0; i < count; ++i) {
        if (GetButtonStyle(i) & TBBS_HIDDEN)
            continue;
        CRect rect;
        GetItemRect(i, &rect);
        content.UnionRect(&content, &rect);
    }
    if (count == 0)
        content = CRect(CPoint(0, 0), m_sizeButton);
    return CSize(content.right, content.bottom);
}

CSize CToolBar::CalcFixedLayout(BOOL stretch, BOOL horz)
{
    // Docked at a side, the buttons stand in one column.
    std::vector<bool> wraps(static_cast<size_t>(GetCount()), !horz);
    return SizeAround(LayoutButtons(wraps), stretch, horz);
}

CSize CToolBar::CalcDynamicLayout(int length, DWORD mode)
{
    if (mode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZDOCK) != 0);
    std::vector<int> widths;
    std::vector<bool> separators;
    MeasureButtons(&widths, &separators);
    int frameWidth = SizeAround(CSize(0, 0), FALSE, TRUE).cx;
    int width = m_mruWidth;
    if (mode & LM_LENGTHY) {
        // The narrowest line width whose lines fit in the height asked for.
        int total = 0;
        for (int w : widths)
            total += w;
        width = total;
        for (int candidate = 1, sum = 0; candidate <= static_cast<int>(widths.size()); ++candidate) {
            sum += widths[candidate - 1];
            CSize size = SizeAround(LayoutButtons(WrapButtons(widths, separators, sum)), FALSE, TRUE);
            if (size.cy <= length) {
                width = sum;
                break;
            }
        }
    } else if ((mode & LM_MRUWIDTH) == 0 && length >= 0) {
        width = length - frameWidth;
    }
    CSize size = SizeAround(LayoutButtons(WrapButtons(widths, separators, width)), FALSE, TRUE);
    if (mode & LM_COMMIT)
        m_mruWidth = size.cx - frameWidth;
    return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    CToolCmdUI state(this);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        UINT style = GetButtonStyle(static_cast<int>(state.m_nIndex));
        if (style & TBBS_SEPARATOR)
            continue;
        state.m_nID = GetItemID(static_cast<int>(state.m_nIndex));
        state.DoUpdate(target, disableIfNoHandler);
    }
    // Commands in dialog-like children of the bar (combo boxes) are updated too.
    UpdateDialogControls(target, disableIfNoHandler);
}

BOOL CToolBar::IsBackgroundPoint(CPoint clientPoint) const
{
    return CControlBar::IsBackgroundPoint(clientPoint) || m_ctrl.HitTest(clientPoint) < 0;
}

void CToolBar::OnHotItemChange(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if ((m_dwStyle & CBRS_FLYBY) == 0)
        return;
    auto* change = reinterpret_cast<NMTBHOTITEM*>(header);
    CWnd* owner = GetOwner();
    if (owner == nullptr)
        return;
    UINT id = (change->dwFlags & HICF_LEAVING) ? AFX_IDS_IDLEMESSAGE : static_cast<UINT>(change->idNew);
    if (id == 0)
        id = AFX_IDS_IDLEMESSAGE;
    owner->SendMessage(WM_SETMESSAGESTRING, id);
}
