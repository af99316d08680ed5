#pragma once
#include "framework/CmdTarget.h"
#include "framework/Dialog.h"

// The preferences dialog's file-associations page: every registered extension, the IDE's
// own, and the file type of the one chosen, which the user can edit, associate with the IDE
// and restore. The preferences dialog owns the controls and runs its steps; the controls'
// notifications reach it through its message map. Every change is written when it is made.
class CAssociationsPage : public CCmdTarget {
public:
    explicit CAssociationsPage(CDialog& dialog) : m_dialog(dialog) {}

    // The extension shown, kept for the next opening of the preferences.
    static CString& CurrentExtension();

    void Init() { m_loaded = false; }
    void Layout();
    void Show(bool visible);
    // Fills the page at its first showing in an opening of the preferences.
    void Load();
    bool IsLoaded() const { return m_loaded; }

    void OnAllExtensionsSelChange();
    void OnEditedExtensionsSelChange();
    void OnAssociate();
    void OnRestore();
    // Focus left the description, command or icon field: writes what changed.
    void OnFieldLeft();

private:
    // Makes extension the current one: selected in both lists (where present), in the edit,
    // and its file type shown.
    void Choose(const CString& extension);
    void ShowAssociation(const CString& extension);
    CString SelectedText(int listId) const;

    CDialog& m_dialog;
    bool m_loaded = false;

    DECLARE_MESSAGE_MAP()
};

// The shell switches of the preferences dialog's tools page: the Explorer context-menu
// extension and (never shown) the browser's view-source editor.
class CShellToolsPage {
public:
    explicit CShellToolsPage(CDialog& dialog) : m_dialog(dialog) {}

    void Layout();
    void Show(bool visible);
    void Load();
    // Writes both switches; a failure shows the preferences' apply message. False then.
    bool Apply();

private:
    CDialog& m_dialog;
};
