// The built IDE on remote files, from an FTP server on 127.0.0.1 that names its files in GBK:
// opened through the remote dialog, edited, saved back and opened again; a save while the
// server is gone, which must leave the document modified; a new document saved as a remote
// file; and the FTP settings saved from the accounts dialog.
#include "NetTestSupport.h"

#include "IdeFixture.h"
#include "editor/res/resource.h"
#include "framework/CommandIds.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The visible dialogs of the process, message boxes included.
std::vector<HWND> ProcessDialogs(DWORD processId)
{
    std::vector<HWND> dialogs;
    for (HWND window = ::GetTopWindow(nullptr); window != nullptr; window = ::GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        char name[16] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (owner == processId && ::IsWindowVisible(window) && std::string(name) == "#32770")
            dialogs.push_back(window);
    }
    return dialogs;
}

BOOL CALLBACK CollectText(HWND child, LPARAM data)
{
    char text[1024] = {};
    ::SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    if (text[0])
        *reinterpret_cast<std::string*>(data) += std::string(text) + " | ";
    return TRUE;
}

// The texts of the dialog's controls, each followed by " | ".
std::string DialogText(HWND dialog)
{
    std::string text;
    ::EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&text));
    return text;
}

// A dialog of the process (a message box, say) with a control whose text holds `part`.
HWND FindBoxSaying(DWORD processId, const char* part)
{
    for (HWND dialog : ProcessDialogs(processId))
        if (DialogText(dialog).find(part) != std::string::npos)
            return dialog;
    return nullptr;
}

// What the process's open dialogs say, to tell why a step did not happen.
std::string DialogTexts(DWORD processId)
{
    std::string texts;
    for (HWND dialog : ProcessDialogs(processId))
        texts += DialogText(dialog);
    return texts;
}

// The view that takes typing: the window with the IDE's caret, inside the active document
// window; null while there is none.
HWND CaretWindow(HWND main)
{
    GUITHREADINFO info = {sizeof info};
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &info) || info.hwndCaret == nullptr)
        return nullptr;
    return ::IsChild(ActiveChild(main), info.hwndCaret) ? info.hwndCaret : nullptr;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

class IdeRemoteTest : public IdeFixture {
protected:
    void SetUp() override
    {
        ASSERT_NE(0u, m_server->Port()) << "the local FTP server did not start";
        IdeFixture::SetUp();
        if (HasFatalFailure())
            return;
        FtpAccountTable accounts;
        CFtpSiteRecord& local = accounts[0];
        local.title = "本机";
        local.host = "127.0.0.1";
        local.port = static_cast<int>(m_server->Port());
        local.user = LocalFtpServer::kUser;
        local.password = LocalFtpServer::kPassword;
        local.savePassword = 1;
        local.passive = 1;
        local.folder = "/";
        ASSERT_TRUE(SaveFtpAccounts((m_install / "bin\\vuze.FTP").c_str(), accounts));
    }

    // Remote open or remote save-as on the running IDE: the command, then in the remote
    // dialog connect, name the file, OK; waits for a window with the title.
    void ChooseRemotely(HWND main, UINT command, const char* name, const char* title)
    {
        NameRemotely(main, command, name);
        ASSERT_TRUE(WaitUntil([&] {
            auto titles = ChildTitles(main);
            return std::find(titles.begin(), titles.end(), title) != titles.end() && CaretWindow(main) != nullptr;
        }));
    }
    // The command, then in the remote dialog connect, name the file, OK; until the dialog
    // has gone. afterListing runs once the dialog lists the server's folder.
    void NameRemotely(HWND main, UINT command, const char* name, const std::function<void()>& afterListing = nullptr)
    {
        ::PostMessageA(main, WM_COMMAND, command, 0);
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (dialog = FindProcessDialog(m_ide->Id(), IDC_REMOTE_FILES)) != nullptr; }));
        HWND files = ::GetDlgItem(dialog, IDC_REMOTE_FILES);
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_REMOTE_CONNECT, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_REMOTE_CONNECT)));
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE; }));
        EXPECT_GE(::SendMessageA(files, LVM_GETITEMCOUNT, 0, 0), 1);
        if (afterListing)
            afterListing();
        ::SendMessageA(::GetDlgItem(dialog, IDC_REMOTE_FILE_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    }
    // Starts the IDE on a new document; its main window once that document takes typing.
    HWND StartOnNewDocument()
    {
        HWND main = StartIde("", m_install / "bin");
        if (main == nullptr || !WaitUntil([&] { return ChildTitles(main).size() == 1 && CaretWindow(main) != nullptr; }))
            return nullptr;
        return main;
    }

    void OpenRemotely(HWND main) { ChooseRemotely(main, ID_FILE_REMOTE_OPEN, "远程.墨", kTitle); }

    static constexpr const char* kTitle = "ftp://moyu@127.0.0.1/远程.墨";
    std::unique_ptr<LocalFtpServer> m_server = std::make_unique<LocalFtpServer>("gbk");
};

TEST_F(IdeRemoteTest, RemoteFileIsEditedSavedBackAndReopened)
{
    WriteBytes(*m_server / "远程.墨", "第一行\r\n第二行\r\n");

    HWND main = StartOnNewDocument();
    ASSERT_NE(main, nullptr);

    OpenRemotely(main);
    const std::string cache = m_install / "bin\\remote\\moyu@127.0.0.1\\远程.墨";
    EXPECT_EQ("第一行\r\n第二行\r\n", TempDir::ReadFile(cache));

    // Typed at the start and saved: the server holds the edit, with the Unix line ends that
    // remote files are saved with unless the settings say otherwise.
    ::PostMessageA(CaretWindow(main), WM_CHAR, 'X', 1);
    ::PostMessageA(main, WM_COMMAND, ID_FILE_SAVE, 0);
    const std::string saved = "X第一行\n第二行\n";
    EXPECT_TRUE(WaitUntil([&] { return TempDir::ReadFile(*m_server / "远程.墨") == saved; }))
        << TempDir::ReadFile(*m_server / "远程.墨") << " dialogs: " << DialogTexts(m_ide->Id());

    // Opened again while open: the saved document is still the cache copy's, so its window
    // comes forward and no second one opens.
    OpenRemotely(main);
    auto titles = ChildTitles(main);
    EXPECT_EQ(1, std::count(titles.begin(), titles.end(), kTitle));

    // Closed and opened again: the copy comes from the server anew, with what others added.
    ::PostMessageA(ActiveChild(main), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] {
        auto titles = ChildTitles(main);
        return std::find(titles.begin(), titles.end(), kTitle) == titles.end();
    }));
    WriteBytes(*m_server / "远程.墨", saved + "第三行\n");
    OpenRemotely(main);
    EXPECT_EQ(saved + "第三行\n", TempDir::ReadFile(cache));

    // The server goes away: the save fails with a message and the document stays modified,
    // so closing it asks whether to save.
    m_server.reset();
    ::PostMessageA(CaretWindow(main), WM_CHAR, 'Y', 1);
    ::PostMessageA(main, WM_COMMAND, ID_FILE_SAVE, 0);
    for (const char* message : {"连接远程服务器失败", "远程文件存储失败"}) {
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = FindBoxSaying(m_ide->Id(), message)) != nullptr; })) << message;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    }
    ::PostMessageA(ActiveChild(main), WM_CLOSE, 0, 0);
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (question = FindBoxSaying(m_ide->Id(), kTitle)) != nullptr; }));
    ::PostMessageA(question, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(question); }));

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(m_ide->WaitForExit(30000), STILL_ACTIVE);
}

// A remote file with CR LF line ends, edited and saved, is open again at the next start,
// even though someone else changed it on the server meanwhile: the length the workspace
// recorded is no measure of the server's file and refuses nothing.
TEST_F(IdeRemoteTest, SavedRemoteFileReopensAtTheNextStartWhateverItsLengthNow)
{
    WriteBytes(*m_server / "远程.墨", "第一行\r\n第二行\r\n");
    HWND main = StartOnNewDocument();
    ASSERT_NE(main, nullptr);
    OpenRemotely(main);
    ::PostMessageA(CaretWindow(main), WM_CHAR, 'X', 1);
    ::PostMessageA(main, WM_COMMAND, ID_FILE_SAVE, 0);
    const std::string cache = m_install / "bin\\remote\\moyu@127.0.0.1\\远程.墨";
    std::string saved;
    ASSERT_TRUE(WaitUntil([&] {
        saved = TempDir::ReadFile(*m_server / "远程.墨");
        return saved.rfind("X第一行", 0) == 0;
    })) << saved << " dialogs: " << DialogTexts(m_ide->Id());
    EXPECT_TRUE(WaitUntil([&] { return ProcessDialogs(m_ide->Id()).empty(); })) << DialogTexts(m_ide->Id());
    EXPECT_EQ(saved, TempDir::ReadFile(cache));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_NE(m_ide->WaitForExit(30000), STILL_ACTIVE);
    const std::string workspace = TempDir::ReadFile(m_install / "bin\\vuze.工作区");
    EXPECT_NE(workspace.find("文件长度=\"" + std::to_string(saved.size()) + "\""), std::string::npos) << workspace;

    const std::string changed = saved + "别人加的一行\r\n";
    WriteBytes(*m_server / "远程.墨", changed);
    main = StartOnNewDocument();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] {
        auto titles = ChildTitles(main);
        return std::find(titles.begin(), titles.end(), kTitle) != titles.end();
    })) << DialogTexts(m_ide->Id());
    EXPECT_TRUE(ProcessDialogs(m_ide->Id()).empty()) << DialogTexts(m_ide->Id());
    EXPECT_EQ(changed, TempDir::ReadFile(cache));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(m_ide->WaitForExit(30000), STILL_ACTIVE);
}

// A remote open whose download fails (the listed file went from the server before it was
// fetched) says so and leaves nothing in the remote cache: no empty file, no part of one.
TEST_F(IdeRemoteTest, AFailedDownloadLeavesNothingInTheCache)
{
    WriteBytes(*m_server / "消失.墨", "第一行\r\n");
    HWND main = StartOnNewDocument();
    ASSERT_NE(main, nullptr);
    NameRemotely(main, ID_FILE_REMOTE_OPEN, "消失.墨",
                 [&] { ASSERT_TRUE(::DeleteFileA((*m_server / "消失.墨").c_str())); });
    for (const char* message : {"打开远程文件失败", "远程打开文件失败"}) {
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = FindBoxSaying(m_ide->Id(), message)) != nullptr; }))
            << message << " dialogs: " << DialogTexts(m_ide->Id());
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    }
    EXPECT_TRUE(WaitUntil([&] { return ProcessDialogs(m_ide->Id()).empty(); })) << DialogTexts(m_ide->Id());
    const std::string cache = m_install / "bin\\remote\\moyu@127.0.0.1\\消失.墨";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(cache.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((cache + ".part").c_str()));
    EXPECT_EQ(1u, ChildTitles(main).size()) << "only the new document";

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(m_ide->WaitForExit(30000), STILL_ACTIVE);
}

TEST_F(IdeRemoteTest, ANewDocumentIsSavedAsARemoteFile)
{
    HWND main = StartOnNewDocument();
    ASSERT_NE(main, nullptr);

    for (char c : std::string("abc"))
        ::PostMessageA(CaretWindow(main), WM_CHAR, c, 1);
    const UINT kRemoteSaveAs = ID_FILE_REMOTE_SAVE_AS;
    ChooseRemotely(main, kRemoteSaveAs, "另存.墨", "ftp://moyu@127.0.0.1/另存.墨");
    // The window takes its remote name before the upload ends.
    EXPECT_TRUE(WaitUntil([&] { return TempDir::ReadFile(*m_server / "另存.墨") == "abc"; }))
        << TempDir::ReadFile(*m_server / "另存.墨") << " dialogs: " << DialogTexts(m_ide->Id());
    // The save is done once its transfer dialog is: a close that came while it ran would
    // find the document still modified and ask whether to save it.
    EXPECT_TRUE(WaitUntil([&] { return ProcessDialogs(m_ide->Id()).empty(); })) << DialogTexts(m_ide->Id());

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(m_ide->WaitForExit(30000), STILL_ACTIVE);
}

TEST_F(IdeRemoteTest, FtpSettingsEditTheAccountsAndSaveThem)
{
    HWND main = StartOnNewDocument();
    ASSERT_NE(main, nullptr);

    const int kNameEdit = 1101;
    ::PostMessageA(main, WM_COMMAND, ID_FTP_SETTINGS, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindProcessDialog(m_ide->Id(), IDC_FTP_ACCOUNTS)) != nullptr; }));
    ::SendMessageA(::GetDlgItem(dialog, kNameEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("  服务器  "));
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));

    const std::string file = m_install / "bin\\vuze.FTP";
    FtpAccountTable accounts;
    EXPECT_TRUE(WaitUntil([&] { return LoadFtpAccounts(file.c_str(), accounts) && accounts[0].title == "服务器"; }));
    EXPECT_STREQ(LocalFtpServer::kPassword, accounts[0].password);

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(m_ide->WaitForExit(30000), STILL_ACTIVE);
}

}  // namespace
