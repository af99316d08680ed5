#pragma once
#include "framework/CmdTarget.h"

class CCmdUI;
class CEditorApp;

// The application's view option commands: they work with or without an open document and
// bring every open view up to date.
class CViewOptionCommands : public CCmdTarget {
public:
    explicit CViewOptionCommands(CEditorApp& app) : m_app(app) {}

private:
    void OnViewOption(UINT id);
    void OnUpdateViewOption(CCmdUI* cmdUI);

    CEditorApp& m_app;

    DECLARE_MESSAGE_MAP()
};
