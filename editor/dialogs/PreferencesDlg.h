#pragma once
#include "editor/dialogs/AssociationsPage.h"
#include "editor/dialogs/ButtonImages.h"
#include "editor/dialogs/PreferencesBasicPages.h"
#include "editor/dialogs/PreferencesListPages.h"
#include "editor/dialogs/PreferencesLookPages.h"
#include "editor/dialogs/PreferencesPage.h"
#include "editor/dialogs/SeparatorLabel.h"
#include "framework/CommonControls.h"
#include "framework/Dialog.h"

// The page the preferences open on (1-13), kept for the next opening.
int& PreferencesPage();

// The IDE's one settings dialog: a category tree and thirteen pages whose controls all lie
// on one template and are shown page by page. The dialog keeps the navigation and the OK,
// Cancel and 应用 steps; each page loads its controls from the settings, handles its own
// controls' notifications (offered to every page before the dialog) and applies its part.
// After an apply the settings files are written and the open views take the new settings.
class CPreferencesDlg : public CDialog {
public:
    CPreferencesDlg(const PreferencesTargets& targets, PreferencesHost& host, CWnd* parent = nullptr);

    static const int kPageCount = 13;

    // The pages' working copies, on their own files (tool and macro sets through the
    // shell's validating readers; false and nothing changed when a file is refused).
    bool ReadColorSchemeFile(const char* path) { return m_colorsPage.ReadSchemeFile(path); }
    bool WriteColorSchemeFile(const char* path) const { return m_colorsPage.WriteSchemeFile(path); }
    bool ReadToolSetFile(const char* path) { return m_toolsPage.ReadSetFile(path); }
    bool WriteToolSetFile(const char* path) const { return m_toolsPage.WriteSetFile(path); }
    bool ReadMacroSetFile(const char* path) { return m_macrosPage.ReadSetFile(path); }
    bool WriteMacroSetFile(const char* path) const { return m_macrosPage.WriteSetFile(path); }
    void SetPresetColors(int scheme) { m_colorsPage.SetPresetColors(scheme); }
    const uint32_t* WorkingColors() const { return m_colorsPage.WorkingColors(); }

    // The IDE program sets it; without it the browse buttons are disabled.
    using FolderChooser = PreferencesFolderChooser;
    FolderChooser m_chooseFolder;

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* msg) override;

private:
    void InitPages();
    void LayoutPages();
    void ShowPages();
    void OnApply();
    void OnSelChangedCategory(NMHDR* header, LRESULT* result);
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);
    HTREEITEM AddCategory(UINT textId, HTREEITEM parent, int page);
    // The page of a category; null for the associations and shell tools pages.
    CPreferencesPage* PageAt(int page);

    PreferencesTargets m_targets;
    PreferencesHost& m_host;
    PreferencesPageContext m_context;

    CTreeCtrl m_tree;
    HTREEITEM m_items[kPageCount + 1] = {};
    CSeparatorLabel m_separator;
    CButtonImages m_arrows;

    CGeneralPage m_generalPage;
    CVisualPage m_visualPage;
    CFontsPage m_fontsPage;
    CColorsPage m_colorsPage;
    CPrintPage m_printPage;
    CFilesPage m_filesPage;
    CBackupPage m_backupPage;
    CSyntaxTypesPage m_syntaxTypesPage;
    CFiltersPage m_filtersPage;
    CUserToolsPage m_toolsPage;
    CUserMacrosPage m_macrosPage;
    // In the order they load, take commands and apply.
    CPreferencesPage* const m_pages[11];
    CAssociationsPage m_associations;
    CShellToolsPage m_shellTools;

    DECLARE_MESSAGE_MAP()
};
