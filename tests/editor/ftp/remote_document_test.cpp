#include <gtest/gtest.h>

#include "NetTestSupport.h"

#include "editor/dialogs/FtpRemoteFiles.h"
#include "editor/dialogs/FtpTransferDlg.h"
#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/settings/SettingsRecords.h"
#include "framework/AppEnvironment.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "tests/support/staged_program_folder.h"

#include <commctrl.h>

#include <cstdio>

namespace {

void PutServerFile(const std::string& path, const std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, f) << path;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

class RemoteDocument : public ::testing::Test {
protected:
    RemoteDocument() : m_folder(StagedProgramFolder().c_str()), m_remote(m_accounts, 2)
    {
        m_accounts[0].title = "本机";
        m_accounts[0].host = "127.0.0.1";
        m_accounts[0].port = static_cast<int>(m_server.Port());
        m_accounts[0].user = LocalFtpServer::kUser;
        m_accounts[0].passive = 1;
        CDocumentServices& services = DocumentServices();
        services = CDocumentServices();
        services.remoteFiles = &m_remote;
        services.settings.remoteCacheFolder = (m_local / "cache").c_str();
    }
    ~RemoteDocument() override { DocumentServices() = CDocumentServices(); }

    // What the IDE does to open a remote file: download its cache copy, then open that.
    bool OpenRemote(CWrenDoc& doc, const char* remotePath, long long size)
    {
        const CString cache = doc.RemoteCachePath(0, remotePath);
        ::CreateDirectoryA((m_local / "cache").c_str(), nullptr);
        ::CreateDirectoryA((m_local / "cache\\moyu@127.0.0.1").c_str(), nullptr);
        CRemoteAccount account;
        m_remote.GetAccount(0, account);
        if (!account.passwordSaved && !account.passwordGiven && !m_remote.AskPassword(0)) {
            ADD_FAILURE() << "password prompt cancelled";
            return false;
        }
        if (m_remote.Transfer(true, 0, remotePath, cache, size) != TransferResult::kDone) {
            ADD_FAILURE() << "download of " << remotePath << " to " << static_cast<LPCTSTR>(cache) << " failed";
            return false;
        }
        m_remote.MarkPasswordGiven(0);
        if (!doc.Open(COpenRequest::RemoteFile(0, remotePath, cache)))
            return false;
        doc.SetPathName(cache, FALSE);
        return true;
    }

    LocalFtpServer m_server;
    TempDir m_local;
    ScopedProgramFolder m_folder;
    CFtpSiteRecord m_accounts[2];
    CFtpRemoteFiles m_remote;
};

// The transfer dialog closes by itself when the worker posts its end.
DialogDriver::Script LetTheTransferRun()
{
    return [](DialogDriver& d) { d.KeepOpen(); };
}

DialogDriver::Script TypePassword(const char* password)
{
    return [password](DialogDriver& d) {
        EXPECT_STREQ("moyu@127.0.0.1", d.GetText(IDC_FTP_ACCOUNT_TEXT));
        d.SetText(IDC_FTP_PASSWORD, password);
        d.PressOK();
    };
}

} // namespace

TEST_F(RemoteDocument, OpenEditSaveAndReopenThroughTheServer)
{
    ASSERT_NE(0u, m_server.Port());
    PutServerFile(m_server / "prog.c", "第一行\n");
    ScopedMessageBoxHook boxes;
    DialogDriver driver{TypePassword(LocalFtpServer::kPassword), LetTheTransferRun(), LetTheTransferRun(),
                        LetTheTransferRun()};
    {
        CWrenDoc doc;
        doc.m_bAutoDelete = FALSE;
        ASSERT_TRUE(OpenRemote(doc, "/prog.c", 7)) << boxes.Last().text;  // 7 bytes in GBK
        EXPECT_TRUE(doc.IsRemote());
        {
            CUndoGroup group(doc.GetText(), 1);
            doc.GetText().InsertString(0, 0, "改:", 3);
        }
        ASSERT_TRUE(doc.SaveRemote(0, "/prog.c")) << boxes.Last().text;
        EXPECT_EQ(1, m_accounts[0].passwordKnown);
    }
    EXPECT_EQ("改:第一行\n", TempDir::ReadFile(m_server / "prog.c"));
    {
        CWrenDoc doc;
        doc.m_bAutoDelete = FALSE;
        ASSERT_TRUE(OpenRemote(doc, "/prog.c", 10));
        EXPECT_STREQ("改:第一行", doc.GetText().GetLine(0)->GetText());
    }
    EXPECT_EQ(0, boxes.Count()) << boxes.Last().text;
    // A transfer may end before its script runs; none may be left hanging.
    EXPECT_EQ(0, driver.LeftOpenCount());
}

TEST_F(RemoteDocument, TransferDialogOutcomes)
{
    ASSERT_NE(0u, m_server.Port());
    m_accounts[0].password = LocalFtpServer::kPassword;
    // Big enough that the cancel comes long before the end.
    PutServerFile(m_server / "big.bin", PatternBytes(24 << 20));
    const CString local = (m_local / "big.bin").c_str();
    ScopedMessageBoxHook boxes;
    {
        // Cancel closes at once; the worker stops on its own and is waited for.
        DialogDriver driver{[](DialogDriver& d) { d.PressCancel(); }};
        EXPECT_EQ(TransferResult::kCancelled, m_remote.Transfer(true, 0, "/big.bin", local, 24 << 20));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(local));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(local + ".part"));
    }
    {
        DialogDriver driver{LetTheTransferRun()};
        EXPECT_EQ(TransferResult::kFailed, m_remote.Transfer(true, 0, "/missing.bin", local, 1));
        ASSERT_EQ(1, boxes.Count());
        EXPECT_NE(-1, boxes.Last().text.Find("550")) << boxes.Last().text;
    }
    EXPECT_EQ(TransferResult::kFailed, m_remote.Transfer(true, 5, "/big.bin", local, 1));  // no such account
    EXPECT_EQ(1, boxes.Count());
}

TEST(TransferProgress, PercentagesWithoutOverflow)
{
    const struct {
        DWORD bytes, expected;
        int percent;
    } cases[] = {{0, 0, 100},          {512, 0, 100},        {51200, 100000, 51},
                 {4000000000u, 4000000000u, 100}, {3999999999u, 4000000000u, 99}, {5, 4, 100}};
    for (const auto& c : cases)
        EXPECT_EQ(c.percent, FtpTransferState::Percent(c.bytes, c.expected)) << c.bytes << "/" << c.expected;
}
