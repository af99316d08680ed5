#include <gtest/gtest.h>

#include "NetTestSupport.h"

#include "framework/Internet.h"
#include "framework/MessageBox.h"

#include <map>
#include <memory>

namespace {

struct Entry {
    bool directory;
    bool normal;
    DWORD length;
};

// Every entry of the connection's current folder but the dots, by name.
std::map<std::string, Entry> ListFolder(CFtpConnection& connection)
{
    std::map<std::string, Entry> entries;
    CFtpFileFind find(&connection);
    BOOL more = find.FindFile();
    while (more) {
        more = find.FindNextFile();
        if (!find.IsDots())
            entries[(LPCTSTR)find.GetFileName()] = {find.IsDirectory() != FALSE, find.IsNormal() != FALSE,
                                                     find.GetLength()};
    }
    return entries;
}

void WriteRemote(CFtpConnection& connection, const char* name, const std::string& bytes)
{
    std::unique_ptr<CInternetFile> file(connection.OpenFile(name, GENERIC_WRITE));
    for (size_t done = 0; done < bytes.size(); done += 512)
        file->Write(bytes.data() + done, (UINT)std::min<size_t>(512, bytes.size() - done));
    file->Close();
}

// Reads in 512-byte blocks, as the IDE's transfers do, until a block comes short.
std::string ReadRemote(CFtpConnection& connection, const char* name)
{
    std::unique_ptr<CInternetFile> file(connection.OpenFile(name, GENERIC_READ));
    std::string bytes;
    char block[512];
    for (;;) {
        UINT read = file->Read(block, sizeof block);
        bytes.append(block, read);
        if (read < sizeof block)
            break;
    }
    file->Close();
    return bytes;
}

class InternetFtp : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { ASSERT_NE(0u, m_server.Port()) << "the local FTP server did not start"; }

    CFtpConnection* Connect(CInternetSession& session, const char* password = LocalFtpServer::kPassword)
    {
        return session.GetFtpConnection("127.0.0.1", LocalFtpServer::kUser, password, (INTERNET_PORT)m_server.Port(),
                                        GetParam());
    }

    LocalFtpServer m_server;
};

} // namespace

TEST_P(InternetFtp, UploadsListsAndDownloadsSmallAndLargeFiles)
{
    const std::string small = "第一行\r\n2\n";
    const std::string large = PatternBytes(1 << 20);
    CInternetSession session;
    std::unique_ptr<CFtpConnection> connection(Connect(session));
    WriteRemote(*connection, "small.txt", small);
    WriteRemote(*connection, "large.bin", large);
    EXPECT_TRUE(TempDir::ReadFile(m_server / "small.txt") == small);
    EXPECT_TRUE(TempDir::ReadFile(m_server / "large.bin") == large);

    auto entries = ListFolder(*connection);
    ASSERT_EQ(4u, entries.size());
    const struct {
        const char* name;
        bool directory;
        int normal;  // -1: either
        DWORD length;
    } expected[] = {
        {"small.txt", false, true, (DWORD)small.size()},
        {"large.bin", false, true, (DWORD)large.size()},
        {"sub", true, false, 0},
        // A link: Windows marks it as neither a folder nor a plain file; Wine's listing drops
        // the mark and shows it as a plain file.
        {"www", false, -1, 3},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        ASSERT_EQ(1u, entries.count(e.name));
        EXPECT_EQ(e.directory, entries[e.name].directory);
        if (e.normal >= 0)
            EXPECT_EQ(e.normal != 0, entries[e.name].normal);
        if (!e.directory)
            EXPECT_EQ(e.length, entries[e.name].length);
    }

    EXPECT_TRUE(ReadRemote(*connection, "small.txt") == small);
    EXPECT_TRUE(ReadRemote(*connection, "large.bin") == large);
    connection->Close();
}

TEST_P(InternetFtp, FailedDirectoryChangeKeepsTheFolder)
{
    CInternetSession session;
    std::unique_ptr<CFtpConnection> connection(Connect(session));
    CString folder;
    EXPECT_FALSE(connection->SetCurrentDirectory("missing"));
    ASSERT_TRUE(connection->GetCurrentDirectory(folder));
    EXPECT_STREQ("/", folder);
    EXPECT_TRUE(connection->SetCurrentDirectory("sub"));
    ASSERT_TRUE(connection->GetCurrentDirectory(folder));
    EXPECT_STREQ("/sub", folder);
    try {
        connection->OpenFile("not-there.txt");
        ADD_FAILURE() << "opened a missing file";
    } catch (CInternetException* e) {
        EXPECT_NE(0u, e->m_dwError);
        e->Delete();
    }
}

TEST_P(InternetFtp, WrongPasswordThrowsWithATextToReport)
{
    CInternetSession session;
    try {
        delete Connect(session, "wrong");
        ADD_FAILURE() << "logged in with a wrong password";
    } catch (CInternetException* e) {
        EXPECT_EQ((DWORD)ERROR_INTERNET_LOGIN_FAILURE, e->m_dwError);
        ScopedMessageBoxHook boxes;
        e->ReportError(MB_ICONSTOP);
        e->Delete();
        ASSERT_EQ(1, boxes.Count());
        // Some text for the code, then the server's own reply.
        EXPECT_GT(boxes.Last().text.Find("\n530 "), 3) << (LPCTSTR)boxes.Last().text;
        EXPECT_EQ((UINT)MB_ICONSTOP, boxes.Last().type & MB_ICONMASK);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, InternetFtp, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Passive" : "Active"; });

TEST(InternetException, EveryCodeHasAText)
{
    for (DWORD code : {DWORD(ERROR_INTERNET_CANNOT_CONNECT), DWORD(ERROR_INTERNET_TIMEOUT), DWORD(12999), DWORD(0xDEAD)}) {
        CInternetException e(code);
        char text[256];
        ASSERT_TRUE(e.GetErrorMessage(text, sizeof text));
        EXPECT_GT(strlen(text), 3u) << code;
    }
}

TEST(InternetException, ClosedPortThrowsFromTheConnection)
{
    UINT port;
    {
        ScriptedPeer peer([](SOCKET, HANDLE) {});
        port = peer.Port();
    }
    CInternetSession session;
    try {
        delete session.GetFtpConnection("127.0.0.1", "a", "b", (INTERNET_PORT)port);
        ADD_FAILURE() << "connected to a closed port";
    } catch (CInternetException* e) {
        EXPECT_EQ((DWORD)ERROR_INTERNET_CANNOT_CONNECT, e->m_dwError);
        e->Delete();
    }
}

TEST(FtpFileFindRule, FoldersLinksAndPlainFiles)
{
    const struct {
        DWORD attributes;
        const char* name;
        DWORD expected;
        const char* expectedName;
    } cases[] = {
        {FILE_ATTRIBUTE_DIRECTORY, "src", FILE_ATTRIBUTE_DIRECTORY, "src"},
        {0, "my file.c", FILE_ATTRIBUTE_NORMAL, "my file.c"},  // how Wine reports a plain file
        {FILE_ATTRIBUTE_READONLY, "a", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_NORMAL, "a"},
        {FILE_ATTRIBUTE_NORMAL, "b", FILE_ATTRIBUTE_NORMAL, "b"},
        {0, "www -> /var/www", FILE_ATTRIBUTE_REPARSE_POINT, "www"},
        {FILE_ATTRIBUTE_REPARSE_POINT, "l", FILE_ATTRIBUTE_REPARSE_POINT, "l"},
    };
    for (const auto& c : cases) {
        CString name = c.name;
        EXPECT_EQ(c.expected, CFtpFileFind::EntryAttributes(c.attributes, name)) << c.name;
        EXPECT_STREQ(c.expectedName, name);
    }
}
