#pragma once
#include "framework/CmdTarget.h"
#include "framework/Collections.h"

class CCmdUI;
class CEditorApp;

// The tool-set and macro-set menus: the sets found in the program's tool folder, listed by
// file title, and loading one into the tool or macro table.
class CSetCommands : public CCmdTarget {
public:
    explicit CSetCommands(CEditorApp& app) : m_app(app) {}

private:
    void OnLoadToolSet(UINT id);
    void OnLoadMacroSet(UINT id);
    void OnUpdateToolSet(CCmdUI* cmdUI);
    void OnUpdateMacroSet(CCmdUI* cmdUI);
    // The sets of the program's tool folder found again and their menu rebuilt.
    void RefreshToolSets();
    void RefreshMacroSets();

    CEditorApp& m_app;
    // The set files the menus list, in menu order.
    CStringArray m_toolSetFiles;
    CStringArray m_macroSetFiles;

    DECLARE_MESSAGE_MAP()
};
