#pragma once
#include "editor/dialogs/SearchDialog.h"

#include <functional>

// The parameters of a search through files: text, file-name patterns, start folder and the
// options. One object serves the whole process, so its texts, the three histories and the
// last folder carry over between runs. IDOK only through one of its three search buttons.
class CFindInFilesDlg : public CSearchDialog {
public:
    explicit CFindInFilesDlg(CWnd* parent = nullptr);

    // Asks for a folder, starting at folder, under title; true (and folder set) when one
    // was chosen. The application's folder browser; without one "..." is disabled.
    using FolderChooser = std::function<bool(const CString& title, CString& folder)>;
    FolderChooser m_chooseFolder;

    CString m_fileTypes;
    CString m_folder;
    int m_regularExpression = 0;
    int m_wholeWord = 0;
    int m_matchCase = 0;
    int m_subfolders = 0;
    int m_inProject = 0;
    int m_addToOutput = 0;
    int m_projectAvailable = 0;

    const CString& GetLastFolder() const { return m_lastFolder; }
    const CSearchHistory& GetFindHistory() const { return m_findHistory; }
    const CSearchHistory& GetFileTypeHistory() const { return m_fileTypeHistory; }
    const CSearchHistory& GetFolderHistory() const { return m_folderHistory; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void EnableSearchButtons(BOOL enable) override;

private:
    void OnFind();
    void OnFindInLastFolder();
    void OnFindInParentFolder();
    void OnBrowse();
    void OnInProject() { EnableFolderControls(); }
    // The folder and sub-folder controls are for searches outside the project only.
    void EnableFolderControls();
    // Reads the three fields; false when any is empty.
    bool ReadFields(CString& text, CString& fileTypes, CString& folder) const;
    void Accept(const CString& text, const CString& fileTypes, const CString& folder);

    CString m_lastFolder;
    CSearchHistory m_fileTypeHistory;
    CSearchHistory m_folderHistory;

    DECLARE_MESSAGE_MAP()
};
