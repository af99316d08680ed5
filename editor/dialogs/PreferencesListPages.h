#pragma once
#include "editor/dialogs/PreferencesPage.h"
#include "framework/CommonControls.h"
#include "framework/Controls.h"

#include <array>

// 过滤器 and 语法类型 share this: a list of 32 rows of three texts each; the row chosen is
// edited in three fields, and rows are cleared and moved. The rows live in a working copy
// the page that derives keeps.
class CTripleListPage : public CPreferencesPage {
public:
    static const int kRows = 32;

    // The page's controls.
    struct Controls {
        int list;
        int edits[3];
        UINT columnText;
        bool filters;  // rows show "description (patterns)"
    };

    CTripleListPage(const PreferencesPageContext& context, const Controls& controls, int& current);
    void Exchange(CDataExchange* dx) override;
    void Init() override;

protected:
    virtual CTripleStringRecord& Row(int row) = 0;
    // Fills the list and the fields from the working copy.
    void ShowRows();

    void OnRowSelected(NMHDR* header, LRESULT* result);
    void OnRemove();
    void OnUp();
    void OnDown();
    void OnEdit(UINT id);

private:
    void ShowRow(int row);
    void MoveRow(int delta);

    const Controls& m_controls;
    int& m_current;  // the selected row, kept between openings
    CListCtrl m_list;
};

// 过滤器: the file dialogs' file types.
class CFiltersPage : public CTripleListPage {
public:
    explicit CFiltersPage(const PreferencesPageContext& context);
    void Apply() override;

protected:
    void LoadControls() override;
    CTripleStringRecord& Row(int row) override { return m_filters[(size_t)row]; }

private:
    std::array<CFileTypeFilter, kFileFilterCount> m_filters;

    DECLARE_MESSAGE_MAP()
};

// 语法类型: each type's spec and keyword files.
class CSyntaxTypesPage : public CTripleListPage {
public:
    explicit CSyntaxTypesPage(const PreferencesPageContext& context);
    void Apply() override;

protected:
    void LoadControls() override;
    CTripleStringRecord& Row(int row) override { return m_syntaxTypes[(size_t)row]; }

private:
    void OnBrowseSyntaxFile(UINT id);

    std::array<CSyntaxTypeEntry, kSyntaxTypeCount> m_syntaxTypes;

    DECLARE_MESSAGE_MAP()
};

// 用户工具: tools 1-15 in a working copy, with their hot keys and the tool set files.
class CUserToolsPage : public CPreferencesPage {
public:
    explicit CUserToolsPage(const PreferencesPageContext& context);
    void Exchange(CDataExchange* dx) override;
    void Init() override;
    void Apply() override;
    // A key let go in the hot-key field sets the tool's key.
    void KeyReleased(HWND focus) override;

    // The working copy on a tool set file, through the shell's validating reader; false and
    // nothing changed when a file is refused.
    bool ReadSetFile(const char* path);
    bool WriteSetFile(const char* path) const;

protected:
    void LoadControls() override;

private:
    void RefreshToolRow(int row);
    void ShowTool(int row);
    void OnToolSelected(NMHDR* header, LRESULT* result);
    void OnToolEdit(UINT id);
    void OnToolOption(UINT id);
    void OnToolRemove();
    void OnToolMove(UINT id);
    void OnToolBrowse();
    void OnToolArgumentMenu();
    void OnToolFolderMenu();
    void OnToolMenuCommand(UINT id);
    void OnLoadToolSet();
    void OnSaveToolSet();

    UserToolTable m_tools;
    CListCtrl m_toolList;
    CHotKeyCtrl m_toolHotKey;

    DECLARE_MESSAGE_MAP()
};

// 用户宏: the names and hot keys of macro slots 1-10 in a working copy, and the macro set files.
class CUserMacrosPage : public CPreferencesPage {
public:
    explicit CUserMacrosPage(const PreferencesPageContext& context);
    void Exchange(CDataExchange* dx) override;
    void Init() override;
    void Apply() override;
    // A key let go in the hot-key field sets the macro's key.
    void KeyReleased(HWND focus) override;

    bool ReadSetFile(const char* path);
    bool WriteSetFile(const char* path) const;

protected:
    void LoadControls() override;

private:
    void RefreshMacroRow(int row);
    void ShowMacro(int row);
    void OnMacroSelected(NMHDR* header, LRESULT* result);
    void OnMacroNameChange();
    void OnMacroRemove();
    void OnMacroMove(UINT id);
    void OnLoadMacroSet();
    void OnSaveMacroSet();

    MacroSlotTable m_macros;
    CListCtrl m_macroList;
    CHotKeyCtrl m_macroHotKey;

    DECLARE_MESSAGE_MAP()
};
