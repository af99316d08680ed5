#pragma once
#include "framework/CommonControls.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "framework/RuntimeClass.h"

// Style flags of a CHyperLink.
enum HyperLinkStyle : DWORD {
    LinkUnderline = 0x01,
    LinkHoverColour = 0x02,
    LinkAutoSize = 0x04,
    LinkOpenOnPress = 0x08,
    LinkFocusOnClick = 0x10,
    LinkNoHandCursor = 0x20,
    LinkNoFocusColour = 0x40,
};

// A static text control turned into a link: underlined text in link colours, the hand
// cursor, a tool tip with its target, keyboard focus, and its target opened through the
// shell on a click or Space.
class CHyperLink : public CStatic {
    DECLARE_DYNAMIC(CHyperLink)
public:
    static const COLORREF kLinkColour;
    static const COLORREF kVisitedColour;
    static const COLORREF kHoverColour;
    static const COLORREF kFocusColour;

    CHyperLink();
    ~CHyperLink() override;

    void SetTarget(LPCTSTR target);
    const CString& GetTarget() const { return m_target; }
    // False when the two sets overlap.
    bool ChangeStyle(DWORD remove, DWORD add, BOOL redraw = TRUE);
    DWORD GetLinkStyle() const { return m_style; }
    void SetLinkFont(CFont* font);
    // Opens the target; a failure beeps and shows the reason.
    void OpenTarget();

    // The colour the text is drawn in now.
    COLORREF GetTextColour() const;
    bool IsVisited() const { return m_visited; }
    bool IsOver() const { return m_over; }
    CToolTipCtrl& GetToolTip() { return m_tip; }
    // The hand cursor the links show; null when it could not be loaded.
    static HCURSOR GetHandCursor();

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;

private:
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnSetFocus(CWnd* previous);
    void OnKillFocus(CWnd* next);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    LRESULT OnNcHitTest(CPoint point);

    // Makes the link font a copy of font with the underline of the style, and uses it.
    void ApplyLinkFont(CFont* font);
    void FitToText();

    CString m_target;
    CFont m_linkFont;
    CToolTipCtrl m_tip;
    DWORD m_style = LinkUnderline | LinkAutoSize | LinkFocusOnClick;
    bool m_over = false;
    bool m_focused = false;
    bool m_visited = false;

    DECLARE_MESSAGE_MAP()
};

// Opens target with the shell ("open"), falling back to the registered HTML open command;
// the result is the shell's code (above 32 is success).
using LinkOpener = INT_PTR (*)(const char* target, int showCommand);
INT_PTR OpenLinkTarget(const char* target, int showCommand);
// Replaces the opener the links use (tests); null restores the shell's. Returns the old one.
LinkOpener SetLinkOpener(LinkOpener opener);
// "Can't open link:" with the reason for a shell result of 32 or less.
CString LinkErrorText(INT_PTR code);
void ShowLinkError(INT_PTR code);
