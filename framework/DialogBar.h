#pragma once
#include <windows.h>

#include "framework/ControlBar.h"

// A control bar made from a dialog template: its controls send their commands to the owner
// frame and are updated through the command route at idle time. Its size is the template's
// unless a derived bar overrides the layout virtuals.
class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)

public:
    CDialogBar();

    // style: the bar's CBRS_ styles with the window's WS_ ones; id: the bar's control id.
    BOOL Create(CWnd* parent, UINT templateId, UINT style, UINT id);
    BOOL Create(CWnd* parent, LPCTSTR templateName, UINT style, UINT id);

    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    BOOL IsBackgroundPoint(CPoint clientPoint) const override;

    // The template's size.
    CSize m_sizeDefault;
};
