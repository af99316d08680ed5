#pragma once
#include "editor/shell/DockingPaneBar.h"
#include "editor/shell/OutputLog.h"
#include "editor/shell/PaneToolBar.h"
#include "editor/view/ViewInterfaces.h"
#include "framework/Gdi.h"

// What the output window needs of the application: the active document, the position
// history, the pending open request and the captured child. The application fills it.
class OutputBarHost {
public:
    virtual ~OutputBarHost() = default;
    // The full path of the active document; empty when none is open.
    virtual CString ActiveDocumentPath() = 0;
    // The active view (if any) keeps its position in the history before a jump.
    virtual void PushActivePosition() = 0;
    // Records the open request and posts File Open to the main window.
    virtual void PostOpenFile(const CString& file, int line) = 0;
    // A file the source conversion wrote.
    virtual void OpenConversionOutput(const CString& file) = 0;
    // A line typed for the running captured child, and the stop asked for with Esc.
    virtual void QueueChildInput(const CString& line) = 0;
    virtual void KillChildProcess() = 0;
};

// The output window docked at the bottom of the main frame: the lines of builds, tools and
// searches coloured by their level tag, the pages of earlier output, the input box that
// sends lines to a running child, and the jump from a message line to the file and line it
// names. Its text lives in an OutputLog; the list box shows it.
class COutputBar : public CDockingPaneBar {
public:
    static constexpr UINT kListId = 1205;
    static constexpr UINT kCaptionId = 1246;
    static constexpr UINT kInputId = 1247;
    static constexpr UINT kToolBarId = 1210;
    static constexpr UINT kCaptionString = 50880;

    void SetHost(OutputBarHost* host) { m_host = host; }
    BOOL Create(CWnd* parent, int width, int height, UINT id, DWORD style) override;

    // The line is in the log at once and in the list once the messages queued before it are
    // handled (ShowPendingLines shows it at once).
    BOOL AppendMessage(const CString& text);
    BOOL AppendUnpagedLine(const CString& text);
    void ShowPendingLines();
    void ClearPage(BOOL keep);
    void ShowPreviousPage();
    void ShowNextPage();
    // Shows (and empties) the input box, or hides it read-only.
    void ShowInput(BOOL on);
    // The list and input-box font from the output window's font setting (height in tenths
    // of a point).
    void SetListFont(const LOGFONTA& font, BOOL redraw);
    // Opens what the conversion's success lines name.
    void OpenCongratsFiles();
    void JumpToSelectedLine();
    // The context menu's copy commands: every line of the list in order (复制内容), or the
    // selected line when there is one and it is not empty (复制本行), onto the clipboard
    // joined by CR LF. False when there was nothing to copy or the clipboard refused it.
    bool CopyAllLines(IClipboard& clipboard);
    bool CopySelectedLine(IClipboard& clipboard);
    // The selected line; empty without a selection.
    CString SelectedLine();
    bool HasLines() const { return m_list.GetCount() > 0 || m_pendingLines > 0; }
    void SendInputLine();
    void StopChildFromInput();

    const OutputLog& Log() const { return m_log; }
    CListBox& List() { return m_list; }
    CEdit& InputBox() { return m_input; }
    CToolBarCtrl& ToolBar() { return m_toolBar; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    void OnListDoubleClick();
    void OnContextMenu(CWnd* window, CPoint point);
    LRESULT OnShowPendingLines(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // Has the log's newest line shown soon.
    BOOL ShowNewLine();
    static constexpr UINT kShowPendingMessage = WM_USER + 0x120;
    void ShowLog();
    void ShowLastLine();

    OutputLog m_log;
    CListBox m_list;
    CEdit m_input;
    // Hide, previous page, next page: one column at the left edge.
    CToolBarCtrl m_toolBar;
    CImageList m_toolImages;
    CVerticalLabel m_caption;
    CFont m_listFont;
    CFont m_captionFont;
    OutputBarHost* m_host = nullptr;
    int m_pendingLines = 0;  // the log's newest lines not yet in the list
};
