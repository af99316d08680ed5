#pragma once
#include "editor/settings/ProjectSettingsFile.h"
#include "framework/Dialog.h"

// The build settings of a project or a single source file, as its settings file holds
// them: the caller reads the file into m_settings, runs the dialog and writes the file
// after OK. Settings without a control (库, 源文件) pass through unchanged.
class CProjectSettingsDlg : public CDialog {
public:
    explicit CProjectSettingsDlg(CWnd* parent = nullptr);

    ProjectSettings m_settings;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The browse button's file dialog; the chosen path (or its folder) goes to the edit.
    void Browse(UINT button);
};

// Reads the settings file of a project or document path (defaults when it is missing),
// runs the dialog and, after OK, writes the file, showing the message when that fails.
// The dialog's result.
INT_PTR EditProjectSettings(const CString& path, CWnd* parent);
