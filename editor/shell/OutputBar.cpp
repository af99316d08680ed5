#include "editor/shell/OutputBar.h"

#include "editor/res/resource.h"
#include "editor/shell/OutputJump.h"
#include "editor/view/ClipboardText.h"
#include "framework/Dc.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"

#include <algorithm>

namespace {

constexpr int kListExtent = 2560;
constexpr int kInputLimit = 4096;
constexpr UINT kPaneButtonsBitmap = 165;
// The tallest row a list box takes.
constexpr int kMaxRowHeight = 255;
constexpr UINT kContextMenu = 158;

} // namespace

BEGIN_MESSAGE_MAP(COutputBar, CDockingPaneBar)
    ON_WM_SIZE()
    ON_WM_DRAWITEM()
    ON_LBN_DBLCLK(COutputBar::kListId, OnListDoubleClick)
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(COutputBar::kShowPendingMessage, OnShowPendingLines)
END_MESSAGE_MAP()

BOOL COutputBar::Create(CWnd* parent, int width, int height, UINT id, DWORD style)
{
    if (!CDockingPaneBar::Create(parent, width, height, id, style))
        return FALSE;
    CString caption;
    if (!caption.LoadString(kCaptionString))
        caption = "输出";
    CRect none(0, 0, 0, 0);
    if (!m_caption.Create(caption, WS_CHILD | WS_VISIBLE, none, this, kCaptionId))
        return FALSE;
    // Owner-drawn, so that each line takes the colour of its level. It clips the input box,
    // which shows over its bottom while a child runs.
    if (!m_list.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY |
                             LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                         none, this, kListId))
        return FALSE;
    m_list.SetHorizontalExtent(kListExtent);
    int tabStop = 32;
    m_list.SendMessage(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    if (!m_input.CreateEx(WS_EX_CLIENTEDGE, "EDIT", nullptr, WS_CHILD | ES_AUTOHSCROLL | ES_READONLY, none, this,
                          kInputId))
        return FALSE;
    const BYTE column = TBSTATE_ENABLED | TBSTATE_WRAP;
    const PaneButton buttons[] = {{ID_OUTPUT_HIDE, 1, column}, {ID_OUTPUT_PREVIOUS, 2, column},
        {ID_OUTPUT_NEXT, 3, column}};
    if (!CreatePaneToolBar(m_toolBar, m_toolImages, this, kToolBarId, kPaneButtonsBitmap, 12, buttons, 3))
        return FALSE;
    m_toolBar.ShowWindow(SW_SHOW);
    LOGFONTA guiFont = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont);
    m_captionFont.CreateFontIndirect(&guiFont);
    m_caption.SetFont(&m_captionFont, FALSE);
    // Until the settings give the output window's font: the GUI font, 9 points.
    guiFont.lfHeight = 90;
    SetListFont(guiFont, FALSE);
    return TRUE;
}

void COutputBar::OnSize(UINT, int cx, int cy)
{
    if (m_list.m_hWnd == nullptr)
        return;
    m_toolBar.MoveWindow(4, 4, 19, 54);
    m_caption.MoveWindow(2, 58, 18, cy - 60);
    m_list.MoveWindow(24, 2, cx - 28, cy - 4);
    m_input.MoveWindow(24, cy - 22, cx - 28, 20);
}

BOOL COutputBar::AppendMessage(const CString& text)
{
    m_log.AppendMessage(text);
    return ShowNewLine();
}

BOOL COutputBar::AppendUnpagedLine(const CString& text)
{
    m_log.AppendUnpagedLine(text);
    return ShowNewLine();
}

BOOL COutputBar::ShowNewLine()
{
    // A list box redraws its scroll bar on every added line, which costs milliseconds: lines
    // written in a burst are shown together once the burst is over.
    if (m_pendingLines++ == 0 && m_hWnd != nullptr)
        PostMessage(kShowPendingMessage);
    return TRUE;
}

void COutputBar::ShowPendingLines()
{
    if (m_pendingLines == 0)
        return;
    const auto& lines = m_log.Lines();
    int pending = std::min<int>(m_pendingLines, static_cast<int>(lines.size()));
    m_pendingLines = 0;
    m_list.SetRedraw(FALSE);
    // The log dropped its oldest lines when full: the list does the same.
    int excess = m_list.GetCount() + pending - OutputLog::kMaxLines;
    if (excess >= m_list.GetCount())
        m_list.ResetContent();
    else
        for (; excess > 0; --excess)
            m_list.DeleteString(0);
    for (size_t i = lines.size() - pending; i < lines.size(); ++i)
        if (m_list.AddString(lines[i]) < 0)
            break;
    m_list.SetRedraw(TRUE);
    m_list.Invalidate();
    ShowLastLine();
}

LRESULT COutputBar::OnShowPendingLines(WPARAM, LPARAM)
{
    ShowPendingLines();
    return 0;
}

void COutputBar::ShowLastLine()
{
    int last = m_list.GetCount() - 1;
    if (last < 0)
        return;
    CRect client;
    m_list.GetClientRect(&client);
    int itemHeight = m_list.GetItemHeight(0);
    int rows = itemHeight > 0 ? client.Height() / itemHeight : 1;
    int top = TopIndexForNewLine(last, m_list.GetTopIndex(), rows);
    if (top != m_list.GetTopIndex())
        m_list.SetTopIndex(top);
}

void COutputBar::ShowLog()
{
    m_pendingLines = 0;
    m_list.SetRedraw(FALSE);
    m_list.ResetContent();
    for (const CString& line : m_log.Lines())
        m_list.AddString(line);
    m_list.SetRedraw(TRUE);
    m_list.Invalidate();
    ShowLastLine();
}

void COutputBar::ClearPage(BOOL keep)
{
    m_log.ClearPage(keep != FALSE);
    m_pendingLines = 0;
    m_list.ResetContent();
}

void COutputBar::ShowPreviousPage()
{
    if (m_log.ShowPreviousPage())
        ShowLog();
}

void COutputBar::ShowNextPage()
{
    if (m_log.ShowNextPage())
        ShowLog();
}

void COutputBar::ShowInput(BOOL on)
{
    m_input.SetWindowText("");
    m_input.SetReadOnly(!on);
    // Raised above the list (a null insert-after is the top).
    m_input.SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (on ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void COutputBar::SetListFont(const LOGFONTA& font, BOOL redraw)
{
    LOGFONTA description = font;
    CClientDC screen(nullptr);
    description.lfHeight = -::MulDiv(font.lfHeight, screen.GetDeviceCaps(LOGPIXELSY), 720);
    m_listFont.DeleteObject();
    if (!m_listFont.CreateFontIndirect(&description)) {
        // A description the system refuses (an edited configuration file): the GUI font.
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
        m_listFont.CreateFontIndirect(&description);
    }
    m_list.SetFont(&m_listFont, redraw);
    m_input.SetFont(&m_listFont, redraw);
    // An owner-drawn list measures its rows once: give it the new font's height, within
    // what a list box row can hold.
    TEXTMETRICA metrics = {};
    ScopedSelectObject selected(screen, m_listFont);
    ::GetTextMetricsA(screen.m_hDC, &metrics);
    int rowHeight = std::clamp<int>(metrics.tmHeight + metrics.tmExternalLeading, 1, kMaxRowHeight);
    m_list.SendMessage(LB_SETITEMHEIGHT, 0, rowHeight);
    if (redraw)
        m_list.Invalidate();
}

void COutputBar::OnDrawItem(int id, LPDRAWITEMSTRUCT item)
{
    if (id != static_cast<int>(kListId) || item->itemID == static_cast<UINT>(-1))
        return;
    CDC* dc = CDC::FromHandle(item->hDC);
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    dc->FillSolidRect(&item->rcItem, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CString text;
    m_list.GetText(static_cast<int>(item->itemID), text);
    COLORREF color = OutputLevelColor(OutputLineLevel(text));
    dc->SetTextColor(selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : color);
    dc->SetBkMode(TRANSPARENT);
    // One tab stop of 32 dialog units, as the list box itself sets them.
    int tabStop = 32 * LOWORD(::GetDialogBaseUnits()) / 4;
    ::TabbedTextOutA(item->hDC, item->rcItem.left + 2, item->rcItem.top, text, text.GetLength(), 1, &tabStop,
                     item->rcItem.left + 2);
    if (item->itemState & ODS_FOCUS)
        ::DrawFocusRect(item->hDC, &item->rcItem);
}

void COutputBar::OnListDoubleClick()
{
    JumpToSelectedLine();
}

void COutputBar::JumpToSelectedLine()
{
    ShowPendingLines();
    int selected = m_list.GetCurSel();
    if (selected < 0 || m_host == nullptr)
        return;
    CString line;
    m_list.GetText(selected, line);
    JumpTarget target;
    if (line.IsEmpty() || !ResolveJumpLine(line, m_host->ActiveDocumentPath(), target))
        return;
    m_host->PushActivePosition();
    m_host->PostOpenFile(target.name, target.line);
}

CString COutputBar::SelectedLine()
{
    ShowPendingLines();
    CString line;
    int selected = m_list.GetCurSel();
    if (selected >= 0)
        m_list.GetText(selected, line);
    return line;
}

bool COutputBar::CopyAllLines(IClipboard& clipboard)
{
    ShowPendingLines();
    CStringLineList lines;
    const int count = m_list.GetCount();
    for (int i = 0; i < count; ++i) {
        CString line;
        m_list.GetText(i, line);
        lines.AddTail(line);
    }
    return count > 0 && SetClipboardText(clipboard, lines);
}

bool COutputBar::CopySelectedLine(IClipboard& clipboard)
{
    const CString line = SelectedLine();
    if (line.IsEmpty())
        return false;
    CStringLineList lines;
    lines.AddTail(line);
    return SetClipboardText(clipboard, lines);
}

void COutputBar::OpenCongratsFiles()
{
    if (m_host == nullptr)
        return;
    CString active = m_host->ActiveDocumentPath();
    // Copied first: opening a file may write to the window.
    std::vector<CString> lines(m_log.Lines().begin(), m_log.Lines().end());
    for (const CString& line : lines) {
        CString file;
        if (ResolveCongratsLine(line, active, file))
            m_host->OpenConversionOutput(file);
    }
}

static bool InputIsReadOnly(const CEdit& input)
{
    return (input.GetStyle() & ES_READONLY) != 0;
}

void COutputBar::SendInputLine()
{
    if (InputIsReadOnly(m_input) || m_host == nullptr)
        return;
    char buffer[kInputLimit + 1] = {};
    // EM_GETLINE: the first word of the buffer holds its size.
    *reinterpret_cast<WORD*>(buffer) = kInputLimit;
    int length = static_cast<int>(m_input.SendMessage(EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer)));
    m_host->QueueChildInput(CString(buffer, length));
    m_input.SetWindowText("");
}

void COutputBar::StopChildFromInput()
{
    if (!InputIsReadOnly(m_input) && m_host != nullptr)
        m_host->KillChildProcess();
}

BOOL COutputBar::PreTranslateMessage(MSG* msg)
{
    if (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP)
        return CDockingPaneBar::PreTranslateMessage(msg);
    // Keys typed in the bar are its own: the frame's accelerators never see them.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
        SendInputLine();
    else if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        StopChildFromInput();
    else {
        ::TranslateMessage(msg);
        ::DispatchMessageA(msg);
    }
    return TRUE;
}

void COutputBar::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(kContextMenu))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    // The menu key gives no point: the menu opens at the bar's top left corner.
    if (point.x == -1 && point.y == -1) {
        CRect window;
        GetWindowRect(&window);
        point = window.TopLeft();
    }
    // The commands are the frame's: the bar's owner, docked or floating.
    CWnd* frame = GetOwner();
    if (popup != nullptr && frame != nullptr)
        ::TrackPopupMenu(*popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, frame->m_hWnd, nullptr);
}
