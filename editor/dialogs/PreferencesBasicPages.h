#pragma once
#include "editor/dialogs/PreferencesPage.h"

// 通用: tabs, wrapping and the editing switches, and whether a second IDE may start.
class CGeneralPage : public CPreferencesPage {
public:
    using CPreferencesPage::CPreferencesPage;
    void Apply() override;

protected:
    void LoadControls() override;

private:
    void OnFixedWrapWidth();

    DECLARE_MESSAGE_MAP()
};

// 可视化: spacing, caret, line numbers, markers and what the views draw.
class CVisualPage : public CPreferencesPage {
public:
    using CPreferencesPage::CPreferencesPage;
    void Apply() override;

protected:
    void LoadControls() override;

private:
    void OnMarker1();
    void OnMarker2();
    void OnLineNumbers();

    DECLARE_MESSAGE_MAP()
};

// 打印: margins, header and footer texts with their variable menus, and the print switches.
class CPrintPage : public CPreferencesPage {
public:
    using CPreferencesPage::CPreferencesPage;
    void Apply() override;

protected:
    void LoadControls() override;

private:
    void OnPrintHeader();
    void OnPrintFooter();
    void EnablePrintPart(int firstEdit, int firstButton, bool on);
    void OnHeaderVariables(UINT id);
    void OnInsertPrintVariable(UINT id);

    DECLARE_MESSAGE_MAP()
};

// 文件: the start and remote folders and the switches of opening and saving.
class CFilesPage : public CPreferencesPage {
public:
    using CPreferencesPage::CPreferencesPage;
    void Init() override;
    void Apply() override;

protected:
    void LoadControls() override;

private:
    void OnBrowseWorkFolder();
    void OnBrowseRemoteBackupFolder();

    DECLARE_MESSAGE_MAP()
};

// 备份: when a backup is made, its suffix or name form, and its folder.
class CBackupPage : public CPreferencesPage {
public:
    using CPreferencesPage::CPreferencesPage;
    void Init() override;
    void Apply() override;

protected:
    void LoadControls() override;

private:
    void OnBrowseBackupFolder();
    void OnBackupMode(UINT id);
    void OnBackupPattern(UINT id);

    DECLARE_MESSAGE_MAP()
};
