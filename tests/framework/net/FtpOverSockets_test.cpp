#include <gtest/gtest.h>

#include "NetTestSupport.h"


namespace {

class FtpOverSockets : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { ASSERT_NE(0u, m_server.Port()) << "the local FTP server did not start"; }

    LocalFtpServer m_server;
};

} // namespace

TEST_P(FtpOverSockets, UploadsListsAndDownloadsSmallAndLargeFiles)
{
    const bool passive = GetParam();
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {{"small.txt", "第一行\r\n2\n"}, {"large.bin", PatternBytes(1 << 20)}, {"my file.c", "x"}};

    MiniFtp ftp(m_server.Port());
    ASSERT_TRUE(ftp.Connected());
    ASSERT_TRUE(ftp.Login(LocalFtpServer::kUser, LocalFtpServer::kPassword)) << ftp.LastText();
    ASSERT_EQ(200, ftp.Command("TYPE I"));
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_EQ(226, ftp.Send(passive, CString("STOR ") + file.name, file.bytes)) << ftp.LastText();
        EXPECT_TRUE(TempDir::ReadFile(m_server / file.name) == file.bytes);
    }

    int code = 0;
    std::string listing = ftp.Receive(passive, "LIST", code);
    EXPECT_EQ(226, code);
    EXPECT_NE(std::string::npos, listing.find(" 1048576 ")) << listing;
    for (const char* name : {" small.txt\r\n", " large.bin\r\n", " my file.c\r\n", " sub\r\n", " www -> sub\r\n"})
        EXPECT_NE(std::string::npos, listing.find(name)) << name << " in " << listing;

    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_TRUE(ftp.Receive(passive, CString("RETR ") + file.name, code) == file.bytes);
        EXPECT_EQ(226, code);
    }
    EXPECT_EQ(221, ftp.Command("QUIT"));
}

INSTANTIATE_TEST_SUITE_P(Modes, FtpOverSockets, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Passive" : "Active"; });

TEST(FtpOverSocketsErrors, FailedDirectoryChangeAndWrongPasswordAreReplies)
{
    LocalFtpServer server;
    ASSERT_NE(0u, server.Port());
    {
        MiniFtp ftp(server.Port());
        ASSERT_TRUE(ftp.Login(LocalFtpServer::kUser, LocalFtpServer::kPassword));
        EXPECT_EQ(550, ftp.Command("CWD missing"));
        EXPECT_EQ(250, ftp.Command("CWD sub"));
    }
    MiniFtp ftp(server.Port());
    EXPECT_EQ(220, ftp.ReadReply());
    EXPECT_EQ(331, ftp.Command(CString("USER ") + LocalFtpServer::kUser));
    EXPECT_EQ(530, ftp.Command("PASS wrong"));
}
