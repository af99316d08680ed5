#pragma once
#include "editor/dialogs/AssociationsPage.h"
#include "editor/dialogs/ButtonImages.h"
#include "editor/dialogs/SeparatorLabel.h"
#include "editor/settings/EditorSettings.h"
#include "editor/settings/SettingsFiles.h"
#include "framework/CommonControls.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <functional>

// The page the preferences open on (1-13), kept for the next opening.
int& PreferencesPage();
// The tab the fonts page opens on: 0 screen, 1 printer, 2 other fonts.
int& FontPageTab();

// What the preferences need of the running IDE after an apply: the IDE program fills it.
class PreferencesHost {
public:
    virtual ~PreferencesHost() = default;
    virtual bool MultiInstance() const = 0;
    // Writes the option to the user profile.
    virtual void SetMultiInstance(bool allowed) = 0;
    // Recreates the fonts and metrics of every open view from the settings and redraws it.
    virtual void ApplyToOpenViews() = 0;
    virtual void RefreshOutputFont() = 0;
    virtual void RefreshPanelFilters() = 0;
};

// What the preferences edit, and the folder their files are written to.
struct PreferencesTargets {
    CEditorSettings& settings;
    UserToolTable& tools;
    MacroSlotTable& macros;
    CString programFolder;
};

// The IDE's one settings dialog: a category tree and thirteen pages whose controls all lie
// on one template and are shown page by page. Every page works on the controls or on a
// working copy; only the apply step changes the settings, then the settings files are
// written and the open views take the new settings.
class CPreferencesDlg : public CDialog {
public:
    CPreferencesDlg(const PreferencesTargets& targets, PreferencesHost& host, CWnd* parent = nullptr);
    ~CPreferencesDlg() override;

    static const int kPageCount = 13;

    // The pages' working copies, on their own files (tool and macro sets through the
    // shell's validating readers; false and nothing changed when a file is refused).
    bool ReadColorSchemeFile(const char* path);
    bool WriteColorSchemeFile(const char* path) const;
    bool ReadToolSetFile(const char* path);
    bool WriteToolSetFile(const char* path) const;
    bool ReadMacroSetFile(const char* path);
    bool WriteMacroSetFile(const char* path) const;
    void SetPresetColors(int scheme);
    const uint32_t* WorkingColors() const { return m_colors; }

    // Asks for a folder (title, start folder in, chosen folder out); false when cancelled.
    // The IDE program sets it; without it the browse buttons are disabled.
    using FolderChooser = std::function<bool(const CString& title, CString& folder)>;
    FolderChooser m_chooseFolder;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* msg) override;

private:
    void InitPages();
    void LayoutPages();
    void ShowPages();
    void LoadPages();
    void OnApply();
    void OnSelChangedCategory(NMHDR* header, LRESULT* result);
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);
    HTREEITEM AddCategory(UINT textId, HTREEITEM parent, int page);

    // Control helpers.
    int ReadNumber(int id, int low, int high) const;
    void WriteNumber(int id, int value);
    bool Checked(int id) const;
    void SetChecked(int id, bool on);
    CString Text(int id) const;
    void SetText(int id, const char* text);
    void Enable(int id, bool on);

    // 通用, 可视化, 文件, 备份, 打印: straight on the controls.
    void LoadGeneralPage();
    void ApplyGeneralPage();
    void LoadVisualPage();
    void LoadFilesPage();
    void ApplyFilesPage();
    void LoadBackupPage();
    void ApplyBackupPage();
    void LoadPrintPage();
    void ApplyPrintPage();
    void OnFixedWrapWidth();
    void OnMarker1();
    void OnMarker2();
    void OnLineNumbers();
    void OnBrowseWorkFolder();
    void OnBrowseRemoteBackupFolder();
    void OnBrowseBackupFolder();
    void BrowseFolderInto(int editId);
    void OnBackupMode(UINT id);
    void OnBackupPattern(UINT id);
    void OnPrintHeader();
    void OnPrintFooter();
    void EnablePrintPart(int firstEdit, int firstButton, bool on);
    void OnHeaderVariables(UINT id);
    void OnInsertPrintVariable(UINT id);

    // 字体.
    void InitFontsPage();
    void LoadFontsPage();
    void ApplyFontsPage();
    void OnFontTabChange(NMHDR* header, LRESULT* result);
    void OnFontSelected(UINT id, NMHDR* header, LRESULT* result);
    void OnFontDblClk(UINT id, NMHDR* header, LRESULT* result);
    void ChooseFont(int list, int row);
    void ShowFontRow(int list, int row);

    // 颜色.
    void InitColorPage();
    void OnSwatchClicked(UINT id);
    void OnColorTabChange(NMHDR* header, LRESULT* result);
    void OnSchemeChange();
    void OnLoadColors();
    void OnSaveColors();
    void RedrawColorSwatches();

    // 过滤器 and 语法类型: one list editor of 32 three-text rows each.
    struct TripleListPage {
        static const int kRows = 32;
        CListCtrl* list;
        CTripleStringRecord* rows;  // kRows of them
        int* current;               // the selected row, kept between openings
        int edits[3];
        bool filters;  // rows show "description (patterns)"
    };
    void InitTripleLists();
    void LoadTripleList(TripleListPage& page);
    void ShowTripleRow(TripleListPage& page, int row);
    void MoveTripleRow(TripleListPage& page, int delta);
    TripleListPage& TripleOf(UINT id);
    void OnTripleSelected(UINT id, NMHDR* header, LRESULT* result);
    void OnTripleRemove(UINT id);
    void OnTripleUp(UINT id);
    void OnTripleDown(UINT id);
    void OnTripleEdit(UINT id);
    void OnBrowseSyntaxFile(UINT id);
    void ApplyFilterPage();
    void ApplySyntaxTypePage();

    // 用户工具.
    void InitToolsPage();
    void LoadToolsPage();
    void RefreshToolRow(int row);
    void ShowTool(int row);
    void OnToolSelected(NMHDR* header, LRESULT* result);
    void OnToolEdit(UINT id);
    void OnToolOption(UINT id);
    void OnToolRemove();
    void OnToolMove(UINT id);
    void OnToolHotKey();
    void OnToolBrowse();
    void OnToolArgumentMenu();
    void OnToolFolderMenu();
    void OnToolMenuCommand(UINT id);
    void OnLoadToolSet();
    void OnSaveToolSet();

    // 用户宏.
    void InitMacrosPage();
    void LoadMacrosPage();
    void RefreshMacroRow(int row);
    void ShowMacro(int row);
    void OnMacroSelected(NMHDR* header, LRESULT* result);
    void OnMacroNameChange();
    void OnMacroRemove();
    void OnMacroMove(UINT id);
    void OnMacroHotKey();
    void OnLoadMacroSet();
    void OnSaveMacroSet();

    // Runs a file dialog on the program folder's subfolder; empty when cancelled.
    CString ChooseFile(bool open, const char* filter, const char* title, const char* defaultExt,
                       const char* subfolder, const CString& initial);
    void TrackMenuAt(int buttonId, HMENU menu);

    PreferencesTargets m_targets;
    PreferencesHost& m_host;
    bool m_filling = false;  // controls are being filled: their notifications change nothing

    CTreeCtrl m_tree;
    HTREEITEM m_items[kPageCount + 1] = {};
    CSeparatorLabel m_separator;
    CButtonImages m_arrows;
    CAssociationsPage m_associations;
    CShellToolsPage m_shellTools;

    FontList m_fonts[3];
    int m_fontRow[3] = {};
    CListCtrl m_fontLists[3];
    CTabCtrl m_fontTabs;

    uint32_t m_colors[kColorCount];
    CTabCtrl m_colorTabs;
    HBRUSH m_swatchBrush = nullptr;

    std::array<CFileTypeFilter, kFileFilterCount> m_filters;
    std::array<CSyntaxTypeEntry, kSyntaxTypeCount> m_syntaxTypes;
    CListCtrl m_filterList;
    CListCtrl m_syntaxList;
    TripleListPage m_filterPage;
    TripleListPage m_syntaxPage;

    UserToolTable m_tools;
    CListCtrl m_toolList;
    CHotKeyCtrl m_toolHotKey;
    MacroSlotTable m_macros;
    CListCtrl m_macroList;
    CHotKeyCtrl m_macroHotKey;

    DECLARE_MESSAGE_MAP()
};
