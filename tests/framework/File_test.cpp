#include "framework/File.h"

#include "framework/MessageBox.h"
#include "CStringPrinter.h"
#include "temp_dir.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

TEST(CFile, WriteReadSeekAndLength)
{
    TempDir dir;
    std::string path = dir / "数据.bin";
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write("hello world", 11);
        EXPECT_EQ(file.GetPosition(), 11u);
        file.Seek(-5, CFile::current);
        file.Write("WORLD", 5);
        file.Flush();
    }
    EXPECT_EQ(TempDir::ReadFile(path), "hello WORLD");

    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeReadWrite | CFile::shareDenyWrite));
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.GetFileName(), "数据.bin");
    EXPECT_EQ(file.GetFileTitle(), "数据");
    EXPECT_EQ(file.GetFilePath(), CString(path.c_str()));
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, 5), 5u);
    EXPECT_STREQ(buffer, "hello");
    EXPECT_EQ(file.SeekToEnd(), 11u);
    EXPECT_EQ(file.Read(buffer, 5), 0u);
    file.SetLength(4);
    EXPECT_EQ(file.GetLength(), 4u);
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(TempDir::ReadFile(path), "hell");
}

TEST(CFile, CreateTruncatesUnlessNoTruncate)
{
    TempDir dir;
    std::string path = dir.WriteFile("a.txt", "old text");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        file.Write("new", 3);
    }
    EXPECT_EQ(TempDir::ReadFile(path), "new text");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    }
    EXPECT_EQ(TempDir::ReadFile(path), "");
}

TEST(CFile, OpeningAMissingFileReportsTheCause)
{
    TempDir dir;
    std::string path = dir / "缺少.txt";
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(error.m_strFileName, CString(path.c_str()));

    ScopedMessageBoxHook hook;
    try {
        CFile thrower(path.c_str(), CFile::modeRead);
        FAIL() << "no exception";
    } catch (CException* e) {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
    }
    ASSERT_EQ(hook.Count(), 1);
    EXPECT_EQ(hook.Last().text, CString("找不到 ") + path.c_str() + "。");
    EXPECT_EQ(hook.Last().type, (UINT)MB_ICONSTOP);

    EXPECT_FALSE(file.Open((dir / "无此目录\\x.txt").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_FALSE(file.Open("", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
}

TEST(CFile, SharingFlagsAreHonoured)
{
    TempDir dir;
    std::string path = dir.WriteFile("shared.txt", "x");
    CFile exclusive(path.c_str(), CFile::modeRead | CFile::shareExclusive);
    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    exclusive.Close();
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
}

TEST(CFile, OperationsOnAClosedFileThrow)
{
    CFile file;
    char c;
    try {
        file.Read(&c, 1);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::invalidFile);
        e->Delete();
    }
    try {
        file.Write("x", 1);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::invalidFile);
        e->Delete();
    }
}

TEST(CFile, SeekBeforeTheStartThrowsBadSeek)
{
    TempDir dir;
    CFile file((dir / "s").c_str(), CFile::modeCreate | CFile::modeReadWrite);
    try {
        file.Seek(-1, CFile::begin);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::badSeek);
        e->Delete();
    }
}

TEST(CFile, RenameAndRemove)
{
    TempDir dir;
    std::string from = dir.WriteFile("旧.txt", "1");
    std::string to = dir / "新.txt";
    CFile::Rename(from.c_str(), to.c_str());
    EXPECT_EQ(TempDir::ReadFile(to), "1");
    CFile::Remove(to.c_str());
    try {
        CFile::Remove(to.c_str());
        FAIL() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
}

TEST(CFileStatus, FullPrecisionTellsTwoWritesWithinASecondApart)
{
    TempDir dir;
    std::string path = dir.WriteFile("s.txt", "one");
    CFileStatus first;
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), first));
    EXPECT_EQ(first.m_size, 3);
    EXPECT_STREQ(first.m_szFullName, path.c_str());
    EXPECT_EQ(first.m_attribute & CFile::directory, 0);

    // Rewritten until the file-system clock ticks on, a few milliseconds later: well within
    // the second.
    CFileStatus second;
    EXPECT_TRUE(WaitUntil([&] {
        dir.WriteFile("s.txt", "two!");
        return CFile::GetStatus(path.c_str(), second) &&
               CompareFileTime(&first.m_lastWriteTime, &second.m_lastWriteTime) != 0;
    }));
    EXPECT_NE(CompareFileTime(&first.m_lastWriteTime, &second.m_lastWriteTime), 0);
    EXPECT_EQ(second.m_size, 4);
    EXPECT_EQ(second.m_mtime, CTime(second.m_lastWriteTime));
}

TEST(CFileStatus, OpenFileStatusAndMissingFile)
{
    TempDir dir;
    std::string path = dir.WriteFile("o.txt", "12345");
    CFile file(path.c_str(), CFile::modeRead);
    CFileStatus status;
    ASSERT_TRUE(file.GetStatus(status));
    EXPECT_EQ(status.m_size, 5);
    EXPECT_STREQ(status.m_szFullName, path.c_str());
    EXPECT_FALSE(CFile::GetStatus((dir / "none").c_str(), status));
    EXPECT_EQ(status.m_szFullName[0], '\0');
}

TEST(CFileStatus, SetStatusKeepsPreciseTimeAndSetsAttributes)
{
    TempDir dir;
    std::string source = dir.WriteFile("a", "a");
    std::string target = dir.WriteFile("b", "b");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(source.c_str(), status));
    // Sub-second detail must survive. Stay inside the same second as the CTime, which would
    // otherwise count as changed and win.
    ULARGE_INTEGER precise;
    precise.LowPart = status.m_lastWriteTime.dwLowDateTime;
    precise.HighPart = status.m_lastWriteTime.dwHighDateTime;
    precise.QuadPart = precise.QuadPart / 10000000 * 10000000 + 1234567;
    status.m_lastWriteTime.dwLowDateTime = precise.LowPart;
    status.m_lastWriteTime.dwHighDateTime = precise.HighPart;
    status.m_attribute = CFile::readOnly;
    CFile::SetStatus(target.c_str(), status);

    CFileStatus copied;
    ASSERT_TRUE(CFile::GetStatus(target.c_str(), copied));
    EXPECT_EQ(CompareFileTime(&copied.m_lastWriteTime, &status.m_lastWriteTime), 0);
    EXPECT_TRUE(copied.m_attribute & CFile::readOnly);

    status.m_mtime = CTime(2001, 2, 3, 4, 5, 6);  // a changed CTime wins over the old precise time
    status.m_attribute = CFile::normal;
    CFile::SetStatus(target.c_str(), status);
    ASSERT_TRUE(CFile::GetStatus(target.c_str(), copied));
    EXPECT_EQ(copied.m_mtime, CTime(2001, 2, 3, 4, 5, 6));
    EXPECT_FALSE(copied.m_attribute & CFile::readOnly);
}

TEST(CStdioFile, TextModeTranslatesLineEnds)
{
    TempDir dir;
    std::string path = dir / "text.txt";
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("第一行\n");
        file.WriteString("second\n\nlast");
    }
    EXPECT_EQ(TempDir::ReadFile(path), "第一行\r\nsecond\r\n\r\nlast");

    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    CString line;
    std::vector<std::string> lines;
    while (file.ReadString(line))
        lines.push_back((LPCTSTR)line);
    EXPECT_EQ(lines, (std::vector<std::string>{"第一行", "second", "", "last"}));
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());
}

TEST(CStdioFile, ReadStringIntoABuffer)
{
    TempDir dir;
    std::string path = dir.WriteFile("b.txt", "abcdef\r\nxy");
    CStdioFile file(path.c_str(), CFile::modeRead);
    char buffer[5];
    ASSERT_NE(file.ReadString(buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "abcd");
    ASSERT_NE(file.ReadString(buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "ef\n");
    ASSERT_NE(file.ReadString(buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "xy");
    EXPECT_EQ(file.ReadString(buffer, sizeof buffer), nullptr);
    EXPECT_EQ(file.ReadString(buffer, 0), nullptr);
}

TEST(CStdioFile, LinesAcrossBufferBoundariesAndCtrlZ)
{
    TempDir dir;
    std::string longLine(5000, 'x');
    longLine[4095] = '\r';  // a CR LF split between two buffers
    std::string content = longLine.substr(0, 4095) + "\r\n" + "after\x1A" "more";
    std::string path = dir.WriteFile("long.txt", content);
    CStdioFile file(path.c_str(), CFile::modeRead);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line.GetLength(), 4095);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "after\x1A" "more");  // no byte ends the text early
}

TEST(CStdioFile, BinaryModeKeepsBytesAndPositionsAreExact)
{
    TempDir dir;
    std::string path = dir / "bin";
    CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
    file.WriteString("a\nb\r\n");
    EXPECT_EQ(file.GetPosition(), 5u);
    EXPECT_EQ(file.GetLength(), 5u);
    file.SeekToBegin();
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 2), 2u);
    EXPECT_EQ(file.GetPosition(), 2u);
    file.Write("B", 1);  // writing after a buffered read lands at the logical position
    file.Close();
    EXPECT_EQ(TempDir::ReadFile(path), "a\nB\r\n");
}

TEST(CFileFind, FindsChineseNamesAndReportsDetails)
{
    TempDir dir;
    dir.WriteFile("中文文件.墨", "12345");
    dir.WriteFile("other.txt", "1");
    CreateDirectoryA((dir / "子目录").c_str(), nullptr);

    CFileFind finder;
    BOOL more = finder.FindFile((dir / "*").c_str());
    ASSERT_TRUE(more);
    std::set<std::string> names;
    bool sawChinese = false;
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots())
            continue;
        names.insert((LPCTSTR)finder.GetFileName());
        if (finder.GetFileName() == "中文文件.墨") {
            sawChinese = true;
            EXPECT_EQ(finder.GetFilePath(), CString((dir / "中文文件.墨").c_str()));
            EXPECT_EQ(finder.GetFileTitle(), "中文文件");
            EXPECT_EQ(finder.GetLength(), 5u);
            EXPECT_FALSE(finder.IsDirectory());
            CTime written;
            EXPECT_TRUE(finder.GetLastWriteTime(written));
            EXPECT_LE(abs((long)(CTime::GetCurrentTime() - written).GetTotalSeconds()), 60);
        }
        if (finder.GetFileName() == "子目录") {
            EXPECT_TRUE(finder.IsDirectory());
        }
    }
    EXPECT_TRUE(sawChinese);
    EXPECT_EQ(names, (std::set<std::string>{"中文文件.墨", "other.txt", "子目录"}));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(finder.GetFileName(), "");
}

TEST(CFileFind, WildcardAndNoMatch)
{
    TempDir dir;
    dir.WriteFile("a.墨", "");
    dir.WriteFile("b.txt", "");
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile((dir / "*.墨").c_str()));
    EXPECT_FALSE(finder.FindNextFile());  // the only match is also the last
    EXPECT_EQ(finder.GetFileName(), "a.墨");
    EXPECT_FALSE(finder.FindFile((dir / "*.none").c_str()));
    EXPECT_EQ(finder.GetFileName(), "");
}

TEST(CStdioFile, DestructorSwallowsAFailedFinalWrite)
{
    TempDir dir;
    std::string path = dir.WriteFile("ro.txt", "");
    {
        CStdioFile file(path.c_str(), CFile::modeRead);
        file.WriteString("buffered, never written");  // the handle refuses writes
    }
    EXPECT_EQ(TempDir::ReadFile(path), "");
}
