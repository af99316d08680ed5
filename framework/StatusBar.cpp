#include "framework/StatusBar.h"

#include "framework/BarLayout.h"
#include "framework/CmdUI.h"
#include "framework/CommonControls.h"
#include "framework/Debug.h"
#include "framework/FrameWnd.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kPaneGap = 6;        // a pane's edges and the space before the next
constexpr int kTextMargin = 8;     // above and below the text
constexpr int kMessagePaneWidth = 1;

// Updates one pane through the command route: enabled shows its text, checked pops it out.
class CStatusCmdUI : public CCmdUI {
public:
    explicit CStatusCmdUI(CStatusBar* bar) : m_bar(bar) {}

    void Enable(BOOL on) override
    {
        m_enableChanged = TRUE;
        int index = static_cast<int>(m_nIndex);
        UINT style = m_bar->GetPaneStyle(index);
        UINT wanted = on ? (style & ~SBPS_DISABLED) : (style | SBPS_DISABLED);
        if (wanted != style)
            m_bar->SetPaneStyle(index, wanted);
    }
    void SetCheck(int check) override
    {
        int index = static_cast<int>(m_nIndex);
        UINT style = m_bar->GetPaneStyle(index);
        UINT wanted = check ? (style | SBPS_POPOUT) : (style & ~SBPS_POPOUT);
        if (wanted != style)
            m_bar->SetPaneStyle(index, wanted);
    }
    void SetRadio(BOOL on) override { SetCheck(on ? 1 : 0); }
    void SetText(LPCTSTR text) override { m_bar->SetPaneText(static_cast<int>(m_nIndex), text); }

private:
    CStatusBar* m_bar;
};

} // namespace

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_REFLECT_BASE + WM_DRAWITEM, OnDrawItemReflected)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CreateEx(parent, 0, style, id);
}

BOOL CStatusBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, UINT id)
{
    AfxInitCommonControls();
    DWORD control = ctrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (!CreateBar(0, STATUSCLASSNAMEA, style, control, parent, id))
        return FALSE;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return TRUE;
}

int CStatusBar::TextWidth(const CString& text) const
{
    HDC dc = ::GetDC(m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ old = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    if (old != nullptr)
        ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    ASSERT(m_hWnd != nullptr && count >= 0);
    std::vector<Pane> panes;
    for (int i = 0; i < count; ++i) {
        Pane pane;
        pane.id = ids != nullptr ? ids[i] : ID_SEPARATOR;
        if (pane.id == ID_SEPARATOR) {
            pane.style = SBPS_NOBORDERS | SBPS_STRETCH;
            pane.width = kMessagePaneWidth;
        } else {
            // The indicator's string sizes its pane and is what the pane shows until it is
            // given another text.
            if (!pane.text.LoadString(pane.id))
                return FALSE;
            pane.width = TextWidth(pane.text);
        }
        panes.push_back(pane);
    }
    m_panes = std::move(panes);
    UpdatePaneEdges();
    for (int i = 0; i < GetCount(); ++i)
        UpdatePaneText(i);
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[i].id == id)
            return i;
    return -1;
}

UINT CStatusBar::GetItemID(int index) const
{
    ASSERT(index >= 0 && index < GetCount());
    return index >= 0 && index < GetCount() ? m_panes[index].id : 0;
}

void CStatusBar::GetItemRect(int index, LPRECT rect) const
{
    ::SetRectEmpty(rect);
    if (index >= 0 && index < GetCount())
        SendMessage(SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect));
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const
{
    ASSERT(index >= 0 && index < GetCount());
    if (index < 0 || index >= GetCount()) {
        id = style = 0;
        width = 0;
        return;
    }
    id = m_panes[index].id;
    style = m_panes[index].style;
    width = m_panes[index].width;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width)
{
    ASSERT(index >= 0 && index < GetCount());
    if (index < 0 || index >= GetCount())
        return;
    Pane& pane = m_panes[index];
    bool resized = pane.width != width || ((pane.style ^ style) & SBPS_STRETCH) != 0;
    pane.id = id;
    pane.style = style;
    pane.width = std::max(width, 0);
    if (resized)
        UpdatePaneEdges();
    UpdatePaneText(index);
}

UINT CStatusBar::GetPaneStyle(int index) const
{
    ASSERT(index >= 0 && index < GetCount());
    return index >= 0 && index < GetCount() ? m_panes[index].style : 0;
}

void CStatusBar::SetPaneStyle(int index, UINT style)
{
    if (index < 0 || index >= GetCount() || m_panes[index].style == style)
        return;
    SetPaneInfo(index, m_panes[index].id, style, m_panes[index].width);
}

CString CStatusBar::GetPaneText(int index) const
{
    ASSERT(index >= 0 && index < GetCount());
    return index >= 0 && index < GetCount() ? m_panes[index].text : CString();
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL update)
{
    if (index < 0 || index >= GetCount())
        return FALSE;
    CString value = text != nullptr ? text : "";
    if (m_panes[index].text == value)
        return TRUE;
    m_panes[index].text = value;
    UpdatePaneText(index);
    if (update) {
        CRect rect;
        GetItemRect(index, &rect);
        InvalidateRect(&rect, TRUE);
    }
    return TRUE;
}

void CStatusBar::UpdatePaneEdges()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    std::vector<int> widths;
    std::vector<bool> stretch;
    for (const Pane& pane : m_panes) {
        widths.push_back(pane.width);
        stretch.push_back((pane.style & SBPS_STRETCH) != 0);
    }
    std::vector<int> edges = StatusPaneEdges(widths, stretch, kPaneGap, client.Width());
    if (edges.empty())
        edges.push_back(-1);
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::UpdatePaneText(int index)
{
    const Pane& pane = m_panes[index];
    UINT drawing = pane.style & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
    LPCSTR text = (pane.style & SBPS_DISABLED) ? "" : static_cast<LPCSTR>(pane.text);
    if (pane.style & SBT_OWNERDRAW)
        text = reinterpret_cast<LPCSTR>(static_cast<INT_PTR>(index));
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(index) | drawing, reinterpret_cast<LPARAM>(text));
}

void CStatusBar::OnSize(UINT, int, int)
{
    Default();
    UpdatePaneEdges();
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int index = CommandToIndex(ID_SEPARATOR);
    if (index < 0)
        return FALSE;
    return SetPaneText(index, reinterpret_cast<LPCTSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int index = CommandToIndex(ID_SEPARATOR);
    CString text = index >= 0 ? m_panes[index].text : CString();
    auto* buffer = reinterpret_cast<char*>(lParam);
    int capacity = static_cast<int>(wParam);
    if (buffer == nullptr || capacity <= 0)
        return 0;
    int length = std::min(text.GetLength(), capacity - 1);
    std::memcpy(buffer, static_cast<LPCSTR>(text), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int index = CommandToIndex(ID_SEPARATOR);
    return index >= 0 ? m_panes[index].text.GetLength() : 0;
}

LRESULT CStatusBar::OnSetFont(WPARAM, LPARAM)
{
    LRESULT result = Default();
    UpdatePaneEdges();
    return result;
}

void CStatusBar::DrawItem(LPDRAWITEMSTRUCT) {}

LRESULT CStatusBar::OnDrawItemReflected(WPARAM, LPARAM lParam)
{
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}

CSize CStatusBar::CalcFixedLayout(BOOL stretch, BOOL horz)
{
    HDC dc = ::GetDC(m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ old = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    if (old != nullptr)
        ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    CSize size = CControlBar::CalcFixedLayout(stretch, horz);
    size.cy += metrics.tmHeight + kTextMargin;
    if (!stretch) {
        for (const Pane& pane : m_panes)
            size.cx += pane.width + kPaneGap;
    }
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* target, BOOL)
{
    CStatusCmdUI state(this);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].id;
        // The message pane is the frame's to write; a pane nobody updates keeps its state.
        if (state.m_nID == ID_SEPARATOR)
            continue;
        state.DoUpdate(target, FALSE);
    }
}
