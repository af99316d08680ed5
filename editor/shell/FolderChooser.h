#pragma once
#include <windows.h>
#include <shlobj.h>

#include "framework/CString.h"

class CWnd;

// The shell's folder browser as a modal dialog: it starts at a folder, shows the folder
// under the selection as its status text, and gives the chosen folder as a path.
class CFolderChooser {
public:
    // title: null gives "当前选择:"; initialFolder: null gives none; owner may be
    // null. The status-text flag is always added to flags.
    CFolderChooser(LPCTSTR title, LPCTSTR initialFolder, UINT flags, CWnd* owner);
    virtual ~CFolderChooser() = default;
    CFolderChooser(const CFolderChooser&) = delete;
    CFolderChooser& operator=(const CFolderChooser&) = delete;

    // IDOK when a folder was chosen and converted to a path, else IDCANCEL. OK pressed
    // before the user selected another folder chooses the start folder it shows.
    virtual INT_PTR DoModal();
    // The chosen folder; the initial folder until one is chosen.
    const CString& GetPath() const { return m_path; }

protected:
    virtual void OnInitialized();
    virtual void OnSelChanged(LPITEMIDLIST item);
    // Every message of the browser passes here; it records the dialog window.
    virtual void OnMessage(HWND dialog, UINT message, LPARAM lParam);

    void SetStatusText(const CString& path);
    HWND m_dialog = nullptr;

private:
    // Asks the browser to select the folder; whether its selection reached it.
    bool Select(const CString& path);
    static int CALLBACK Callback(HWND dialog, UINT message, LPARAM lParam, LPARAM data);

    CString m_title;
    CString m_path;
    // Whether the user selected a folder after the start walk.
    bool m_userSelected = false;
    char m_displayName[MAX_PATH] = {};
    BROWSEINFOA m_info = {};
};

// The folder chooser over the main window: folder holds the start and, on OK, the choice.
bool ChooseFolder(const CString& title, CString& folder);
