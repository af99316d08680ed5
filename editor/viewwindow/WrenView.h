#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/inputaids/PaletteCommands.h"
#include "editor/inputaids/PromptListDlg.h"
#include "editor/res/resource.h"
#include "editor/view/BracketMatcher.h"
#include "editor/view/EditCommands.h"
#include "editor/view/EditGroups.h"
#include "editor/view/MacroPlayer.h"
#include "editor/view/SearchDialogFlow.h"
#include "editor/view/ViewEngine.h"
#include "editor/viewwindow/ViewPrinter.h"
#include "editor/shell/SystemClipboard.h"
#include "framework/View.h"

class CWrenDoc;
class PositionHistory;
struct CEditorSettings;
class CSearchPrompts;
class CCmdUI;

// Process-wide editing switches every view reads (column mode, overwrite, macro state).
CEditingModes& TheEditingModes();
// The keyboard-macro recorder over the macro slots; views record their steps into it.
class KeyboardMacroRecorder;
KeyboardMacroRecorder& TheMacroRecorder();

// Creates the one off-screen bitmap every view paints through, with the screen fonts, and
// tells every view that the fonts may have changed. The main frame calls it when it is
// resized; a view that finds it missing or too small for its client area makes it itself.
void CreateViewBackBuffer(int width, int height);
// Makes the screen fonts again from the settings block: the chosen slot, or its fixed-pitch
// substitute while column mode is on and the chosen font is proportional. Every view's
// metrics are measured again on their next use.
void RefreshScreenFonts();

// Hands the place (line from 1) to the history and remembers it as the last one recorded,
// unless the last one lies in the same file within distance lines of it. False when it
// was near.
bool RecordPositionIfFar(PositionHistory& history, const char* path, int column, int line, int distance);

// The companion kind of a document path: 0 C-family Moyu sources, 1 double sources, 2 build
// scripts, 3 assembler; 0 for an empty path and -1 for any other file.
int CompanionKindOfPath(const char* path);
// True when the caret column lies inside the call whose opening bracket ("(", "（" or "〔")
// stands at open of the line's text: behind it and in front of the bracket that closes it.
bool IsInsideCall(const char* text, int length, ByteColumn open, ByteColumn caret);
// The pop-up of the view's context menu: 0 over the gutter, 2 with a selection, else 1.
int ContextMenuPopup(bool inGutter, bool selectionActive);

// A CF_TEXT block's text as lines (its bytes: ReadTextBytes of the system clipboard).
bool ReadTextBlock(HGLOBAL block, CStringLineList& lines);

// The window placement the next document window takes (a workspace's or project's saved
// place) while the framework makes it; without one the first document window opens
// maximised.
class CScopedViewPlacement {
public:
    explicit CScopedViewPlacement(const WINDOWPLACEMENT* placement);
    ~CScopedViewPlacement();
    CScopedViewPlacement(const CScopedViewPlacement&) = delete;
    CScopedViewPlacement& operator=(const CScopedViewPlacement&) = delete;
};

// The font metrics of one device context with its font selected; without a context, of the
// shared back buffer with the screen font. Character widths are measured once per screen
// font and summed (the platform's extents do not kern), so laying out a large document does
// not call the platform for every run.
class CDeviceMetrics : public ITextMetrics {
public:
    explicit CDeviceMetrics(HDC dc = nullptr) : m_dc(dc) {}
    void SetDC(HDC dc) { m_dc = dc; }
    int GetFontHeight() const override;
    int GetAverageCharWidth() const override;
    int GetMaxCharWidth() const override;
    bool IsFixedPitch() const override;
    int MeasureText(const char* text, int length) const override;
    int GetLogPixelsY() const override;

private:
    HDC m_dc;
};

// The editor pane of one document: a thin window around its CViewEngine. It paints the
// engine's display lines through the shared back buffer, turns keys, characters, the mouse
// and scroll bars into engine calls, and runs the view's editing commands in their edit
// groups. It learns of edits only as a watcher of its document (through the engine).
class CWrenView : public CView, public IViewHost, public IClipboard, public PaletteInsertTarget, public IPromptTarget,
                  private IMacroCommandHost {
    DECLARE_DYNCREATE(CWrenView)

public:
    // The framework makes views by class, with nothing to hand them: a view takes the
    // process-wide settings block here, once, and reads every setting through it.
    CWrenView();
    ~CWrenView() override;

    CEditorSettings& GetEditorSettings() const { return m_settings; }

    CWrenDoc* GetDocument() const;
    // Null until the first layout (OnInitialUpdate).
    CViewEngine* GetEngine() const { return m_engine.get(); }
    CEditCommands* GetCommands() const { return m_commands.get(); }
    CEditGroups* GetGroups() const { return m_groups.get(); }
    CEditActions* GetActions() const { return m_actions.get(); }
    CSearchCommands* GetSearch() const { return m_search.get(); }

    // The companion tool's window title from the user settings; empty for the default.
    static CString& CompanionTitle();

    BOOL PreTranslateMessage(MSG* msg) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    DROPEFFECT OnDragEnter(COleDataObject* dataObject, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* dataObject, DWORD keyState, CPoint point) override;
    void OnDragLeave() override;
    BOOL OnDrop(COleDataObject* dataObject, DROPEFFECT dropEffect, CPoint point) override;
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;
    // The print job under way, from OnBeginPrinting to OnEndPrinting; null otherwise.
    const CViewPrinter* GetPrinter() const { return m_printer.get(); }

    // ---- lifecycle and layout ----
    void ResetLayout();
    void ReformatDocument();
    void PlaceCaret();

    // ---- text at the caret ----
    int GetCaretLineNumber() const;
    CString GetCaretCodeText() const;
    CString GetWordAtCaret() const;
    CString GetVocabularyWordAtCaret() const;
    CString GetSelectedTextOnLine() const;
    // What the selection searches look for: the selected text within one line, else the word
    // at the caret, or the longer vocabulary word ending at the caret when that word is a
    // single byte.
    CString GetSelectionSearchText() const;
    int GetSelectionLineSpan() const;

    // ---- insertion entry points ----
    // Inserts text at the caret over any selection as one undo step.
    void InsertPaletteText(const char* text) override;
    // Stores the text and posts the pending-insert command to this view.
    void PostPendingInsert(const char* text) override;
    CWnd* PickerOwner() override { return this; }
    // The palette commands by their listed ids, before the view's own map (WrenViewPalette.cpp).
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    void UpdateAllOtherViews();
    // Sends the wrap toggle when this view wraps; returns whether it did.
    int TurnWrapOff();
    void BeepIf(int flag);

    // ---- position history ----
    // The main frame's explicit push: afterwards the caret's place is the last recorded.
    void PushPositionHistory();
    void PushPositionHistoryFar();
    // Inserts the file's lines at the caret as one undo step; an unreadable file is reported
    // and changes nothing.
    bool InsertFile(const char* path);

    // ---- IViewHost ----
    void InvalidateView() override;
    void OnScrolled(PixelX scrollX, PixelY scrollY) override;
    void ShowCaretPosition(int line, int column, int lineCount) override;
    void SetStatusText(const char* text) override;
    void Beep() override;
    void BeginProgress(const char* text) override;
    void SetProgress(int percent) override;
    void EndProgress() override;
    bool IsCtrlHeld() const override;
    bool IsShiftHeld() const override;
    bool IsAltHeld() const override;

    // ---- IClipboard ----
    bool PutText(const char* bytes, int length) override;
    bool GetText(std::string& bytes) override;


    // A caret key as the key translation hands it on.
    void OnCaretKey(int key, int modifiers);

    // The text the last status-text call showed (the main frame's first pane when there is one).
    const CString& GetLastStatusText() const { return m_statusText; }
    // The caret's 1-based line and column and the line count, for the position panes.
    struct ShownPosition {
        int line = 0;
        int column = 0;
        int lineCount = 0;
    };
    const ShownPosition& GetShownPosition() const { return m_shownPosition; }

    // The matching-pair highlight as it is on the window now.
    const BracketMatchCells& GetBracketMatch() const { return m_bracketMatch; }

    // Messages the view posts and accepts.
    static const UINT kMsgPromptRequest = WM_USER + 111;
    static const UINT kMsgPromptAccept = WM_USER + 112;

    // Accepts exactly one prompt-accept message: the view's own popup calls this before it
    // posts the entry, so a foreign post of the message is ignored.
    void ExpectPromptAccept(const char* entry) override;

private:
    int OnCreate(LPCREATESTRUCT createStruct);
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnSize(UINT type, int cx, int cy);
    void OnSetFocus(CWnd* oldWnd);
    void OnKillFocus(CWnd* newWnd);
    void OnVScroll(UINT code, UINT position, CWnd* bar);
    // The thumb position being dragged, in full: the message's 16-bit position cannot
    // carry a large document's thumb.
    int TrackPosition(int bar) const;
    void OnHScroll(UINT code, UINT position, CWnd* bar);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    void OnTimer(UINT id);
    void OnContextMenu(CWnd* wnd, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    LRESULT OnPromptAccept(WPARAM wParam, LPARAM lParam);
    LRESULT OnPromptRequest(WPARAM wParam, LPARAM lParam);
    LRESULT OnImeNotify(WPARAM wParam, LPARAM lParam);

    // ---- commands ----
    void OnViewCommand(UINT id);
    void OnPendingInsert();
    void OnUndo();
    void OnRedo();
    void OnFind();
    void OnReplace();
    void OnFindNext();
    void OnFindPrev();
    void OnFindNextOccurrence();
    void OnFindPrevOccurrence();
    void OnGoToLine();
    void OnWordWrap();
    void OnSpellCheck();
    void OnSendToCompanion();
    // The tools menu's hand-offs to programs of the system (editor/shell/SystemTools.h).
    void OnCommandInterpreter();
    void OnViewInBrowser();
    void OnExploreFolder();
    void OnInsertFile();
    void OnCaretKeyCommand(UINT id);
    void OnFindAgain(UINT id);
    void OnUpdateUndo(CCmdUI* cmdUI);
    void OnUpdateRedo(CCmdUI* cmdUI);
    void OnUpdateFindNextPrev(CCmdUI* cmdUI);
    void OnUpdateWordWrap(CCmdUI* cmdUI);
    void OnUpdateSpellCheck(CCmdUI* cmdUI);
    void OnEvaluateLine();
    void OnMacroRecord();
    void OnMacroStop();
    void OnMacroReplay(UINT id);
    void OnUpdateMacroRecord(CCmdUI* cmdUI);
    void OnUpdateMacroStop(CCmdUI* cmdUI);
    void OnUpdateMacroSlot(CCmdUI* cmdUI);
    // Selection searches, replacing in all open files, vocabulary additions (WrenViewSearches.cpp).
    void OnSelectionSearch(UINT id);
    void OnReplaceAllReporting();
    void OnReplaceAllInOpenFiles();
    void OnAddToVocabulary();
    void OnAddToPhrases();
    void OnUpdateAddToPhrases(CCmdUI* cmdUI);

    DECLARE_MESSAGE_MAP()

private:
    static const UINT kAutoScrollTimer = 32781;
    void UpdateScrollBars();
    CString GetWordAfterCaretWord() const;
    // Evaluates the caret line with the line calculator and inserts the result below it;
    // the caller holds the edit group.
    void EvaluateCaretLine();
    // The line-evaluation command's body: the selection dropped, the caret line evaluated.
    void DoEvaluateLine();
    // The caret's place is recorded unless it lies near the last one recorded: searches
    // pass kNearSearchLines, mouse jumps kNearMouseLines.
    static const int kNearSearchLines = 3;
    static const int kNearMouseLines = 20;
    void RecordCaretPositionIfFar(int distance);
    // A user tool's or a macro slot's hot key posts its command; true when one matched
    // (WrenViewMacros.cpp).
    bool MatchToolHotKey(const MSG& msg);
    bool MatchMacroHotKey(const MSG& msg);
    // Typed characters, as the key translation hands them on.
    void OnTypedChar(char ch);
    void OnTypedDoubleByte(char lead, char trail);
    // After an opening parenthesis was typed at open in a file with a vocabulary: the status
    // bar shows the vocabulary entry of the name (the word before it), until the caret leaves
    // the call.
    void ShowCallTipOfCallAt(DocPosition open, const char* name);
    // After a click on a name that opens a call: the status bar shows the name's entry.
    void ShowCallTipOfCaretWord();
    // The end of every edit: redo emptied and the save point checked inside the action
    // protocol; here the caret is shown and every view repainted.
    template <class Body> void RunEdit(Body body);
    void RepaintNow();
    // The other panes in this pane's splitter row and column.
    void InvalidateRowAndColumnPanes();
    // Panes of the same splitter scroll together; the others of the document only repaint.
    void ForEachOtherView(void (*visit)(CWrenView* other, CWrenView* self));
    CWrenView* NeighbourPane() const;
    // A new document window takes the placement handed over, or is maximised while it holds
    // the only view open.
    void PlaceChildFrame();
    // The prompt prefix and a pending lead byte are forgotten.
    void ResetInputState();
    bool InGutter(CPoint point) const { return point.x < m_engine->GetGutterWidth(); }
    // Caret made visible, repainted at once, the row and column panes invalidated.
    void ShowMouseResult();
    // The caret's character codes go to the status bar, or the call tip while the caret stays
    // inside the call it was shown for.
    void ShowCaretStatus();
    // Typing a closing bracket the view typed for the user, right in front of it, steps over
    // it instead; true when it did.
    bool StepOverAutoCloser(const char* closing);
    // The closing bracket just typed for the user, the caret standing in front of it.
    void RememberAutoCloser(const char* closing);
    void StartMouseSelection();
    void RecordClickPosition();
    // Caret to a point of a held-button selection, the selection following it.
    void ExtendSelectionToPoint(CPoint point);
    CString TextAroundCaret(void (CViewEngine::*bounds)(LineIndex, ByteColumn, ByteColumn&, ByteColumn&) const) const;
    int GetCompanionKind();
    // The search dialogs tell the macro recorder what they prepared.
    void ListenForMacroSteps();
    // Replays a slot (0 the last recording) as one edit group and shows the result; refused
    // while recording (WrenViewMacros.cpp).
    bool ReplayMacro(int slot);
    // The replay's command steps (WrenViewCommands.cpp) and unreadable files.
    bool RunCommandBody(int commandId) override;
    void ReportUnreadableFile(const char* path) override;

    // Drag and drop (WrenViewDragDrop.cpp).
    bool TryStartDrag(UINT flags, CPoint point);
    void MoveWithinView(const DocSelection& range, PixelPosition sourceCaret, PixelPosition sourceAnchor,
                        const CStringLineList& lines);
    void PlaceDropCaret();

    // The matching-pair highlight (WrenViewBracketMatch.cpp).
    void ShowBracketMatch();
    void HideBracketMatch();
    void InvertBracketCells(bool show);

    // Painting (WrenViewPaint.cpp).
    void PaintLines(HDC dc);
    void PaintSelection(HDC dc);
    void PaintCurrentLine(HDC dc);
    void PaintColumnMarkers(HDC dc);
    // The current-line band is drawn (current-line rule on or its own colour).
    bool BandWanted() const;
    // Where the band belongs now: the caret's y, or kNoBand when the caret line is not shown.
    PixelY BandTarget() const;
    static const PixelY kNoBand = -1;

    CEditorSettings& m_settings;
    CDeviceMetrics m_screenMetrics;
    std::unique_ptr<CViewEngine> m_engine;
    std::unique_ptr<CEditActions> m_actions;
    std::unique_ptr<CSearchPrompts> m_prompts;
    std::unique_ptr<CEditGroups> m_groups;
    std::unique_ptr<CEditCommands> m_commands;
    std::unique_ptr<CSearchCommands> m_search;
    std::unique_ptr<CSearchDialogFlow> m_searchFlow;
    std::unique_ptr<CViewPrinter> m_printer;

    CString m_promptPrefix;
    CString m_pendingPromptEntry;  // the accepted entry the next prompt-accept message may carry
    bool m_promptAcceptPending = false;
    bool m_caretShown = false;
    char m_pendingLead = 0;
    CRect m_autoScrollRect;
    CPoint m_rightClickPoint{-1, -1};
    // The closing brackets typed for the user on one line, innermost last, each known by the
    // number of bytes behind it, which typing inside the pair leaves alone.
    struct AutoCloser {
        CString text;
        int tail;
    };
    LineIndex m_autoCloserLine = -1;
    std::vector<AutoCloser> m_autoClosers;
    CString m_callTip;        // the tip shown for the call opened at m_callOpen, or empty
    DocPosition m_callOpen;
    CString m_statusText;
    ShownPosition m_shownPosition;
    int m_companionKind = -1;
    PixelY m_bandY = kNoBand;
    BracketMatchCells m_bracketMatch;
    COleDropTarget m_dropTarget;
    bool m_draggingOut = false;   // this view's drag loop runs
    bool m_dropHandled = false;   // the drop of that drag landed in this view
    PixelPosition m_dropPoint;    // where the last drop landed
    DocPosition m_dropPosition;  // layout y of the band the last paint drew
};

template <class Body> void CWrenView::RunEdit(Body body)
{
    if (!m_groups)
        return;
    m_groups->RunAction(body);
    RepaintNow();
    UpdateAllOtherViews();
}
