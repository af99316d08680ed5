// Low-level descriptors, directories and the program's own file name.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <string>

#include "runtime/源码/描述符.h"
#include "runtime/源码/目录.h"
#include "temp_dir.h"

namespace {

TEST(FdReadChar, JoinsCharactersAndReportsShortFirstRead)
{
    TempDir dir;
    std::string path = dir / "chars.bin";
    int fd = FdCreate(path.c_str(), _S_IREAD | _S_IWRITE);
    ASSERT_GE(fd, 0);
    FdSetMode(fd, _O_BINARY);
    EXPECT_EQ(FdWriteChar(fd, 0xD6D0), 2);
    EXPECT_EQ(FdWriteChar(fd, 0x81308130), 4);
    EXPECT_EQ(FdWriteChar(fd, 'z'), 1);
    EXPECT_EQ(FdLength(fd), 7);
    EXPECT_EQ(FdSeek(fd, 0, SEEK_SET), 0);

    CharCode code = 0;
    EXPECT_EQ(FdReadChar(fd, &code), 2);
    EXPECT_EQ(code, 0xD6D0u);
    EXPECT_EQ(FdReadChar(fd, &code), 4);
    EXPECT_EQ(code, 0x81308130u);
    EXPECT_EQ(FdAtEnd(fd), 0);
    EXPECT_EQ(FdReadChar(fd, &code), 1);
    EXPECT_EQ(code, (CharCode)'z');
    EXPECT_EQ(FdAtEnd(fd), 1);
    EXPECT_EQ(FdReadChar(fd, &code), 0);
    EXPECT_EQ(code, (CharCode)-1);
    EXPECT_EQ(FdClose(fd), 0);
    EXPECT_EQ(FdReadChar(fd, &code), -1);
    EXPECT_EQ(code, (CharCode)-1);
}

TEST(FdCreate, OpensReadWriteAndTruncates)
{
    TempDir dir;
    std::string path = dir.WriteFile("old.bin", "old contents");
    int fd = FdCreate(path.c_str(), _S_IREAD | _S_IWRITE);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(FdWrite(fd, "ab", 2), 2);
    EXPECT_EQ(FdTell(fd), 2);
    FdSeek(fd, 0, SEEK_SET);
    char buffer[4] = "";
    EXPECT_EQ(FdRead(fd, buffer, 3), 2);
    int copy = FdDup(fd);
    EXPECT_GE(copy, 0);
    EXPECT_EQ(FdClose(copy), 0);
    EXPECT_EQ(FdIsTty(fd), 0);
    FdClose(fd);
    EXPECT_EQ(TempDir::ReadFile(path), "ab");
    EXPECT_EQ(FdOpen((dir / "none.bin").c_str(), _O_RDONLY, 0), -1);
}

TEST(Directories, MakeChangeAndRemoveChineseFolder)
{
    TempDir dir;
    char saved[260];
    ASSERT_NE(DirGetCurrent(saved, sizeof saved), nullptr);
    std::string folder = dir / "新 文件夹";
    EXPECT_EQ(DirMake(folder.c_str()), 0);
    EXPECT_EQ(DirMake(folder.c_str()), -1);
    EXPECT_EQ(DirChange(folder.c_str()), 0);
    char current[260];
    EXPECT_EQ(std::string(DirGetCurrent(current, sizeof current)), folder);
    EXPECT_EQ(DirGetCurrent(current, 3), nullptr);
    EXPECT_STREQ(current, "");
    EXPECT_EQ(DirChange(saved), 0);
    EXPECT_EQ(DirRemove(folder.c_str()), 0);
    EXPECT_EQ(DirRemove(folder.c_str()), -1);
    EXPECT_EQ(DirChange(nullptr), -1);
}

TEST(Directories, DrivesOfTheSystem)
{
    int drive = DirGetDrive();
    EXPECT_GE(drive, 1);
    EXPECT_NE(DirGetDriveMask() & (1ul << (drive - 1)), 0ul);
    EXPECT_EQ(DirSetDrive(drive), 0);
}

TEST(SysExePath, FullPathOrNothing)
{
    char path[260];
    int length = SysExePath(path, sizeof path);
    ASSERT_GT(length, 4);
    EXPECT_EQ((int)strlen(path), length);
    EXPECT_STREQ(path + length - 4, ".exe");
    char small[8] = "xyz";
    EXPECT_EQ(SysExePath(small, sizeof small), 0);
    EXPECT_STREQ(small, "");
    EXPECT_EQ(SysExePath(small, 1), 0);
    EXPECT_EQ(SysExePath(nullptr, 260), 0);
}

// A module name cut to the buffer used to come back without its NUL.
TEST(SysModuleFileName, CutNameStillEndsWithNul)
{
    char buffer[12];
    memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(SysModuleFileName(nullptr, buffer, 6), 5);
    EXPECT_EQ(buffer[5], '\0');
    EXPECT_EQ(buffer[6], 'Z');
    char full[260];
    int length = SysModuleFileName(nullptr, full, sizeof full);
    EXPECT_GT(length, 5);
    EXPECT_EQ(length, (int)strlen(full));
    EXPECT_EQ(SysModuleFileName(nullptr, nullptr, 8), 0);
}

}  // namespace
