#pragma once
#include "editor/app/EditorApp.h"

class CWnd;

// The editor's remote-file dialog: the FTP file and account dialogs over the account table
// loaded at start-up. Each dialog works on a copy that is taken back whatever its result.
class CFtpFileDialog : public IRemoteFileDialog {
public:
    explicit CFtpFileDialog(CWnd* parent) : m_parent(parent) {}

    bool ChooseToOpen(const CString& filter, int& account, int& filterPosition, std::vector<Choice>& files) override;
    bool ChooseToSave(const CString& filter, int& account, int& filterPosition, CString& remotePath) override;
    bool EditAccounts() override;

private:
    CWnd* m_parent;
};
