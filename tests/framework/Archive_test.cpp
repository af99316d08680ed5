#include "framework/Archive.h"

#include "CStringPrinter.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs body with an archive over a fresh file opened for the given direction.
template <class Body>
void WithArchive(const std::string& path, UINT mode, Body body)
{
    UINT flags = mode == CArchive::load ? CFile::modeRead : CFile::modeCreate | CFile::modeWrite;
    CFile file(path.c_str(), flags);
    CArchive archive(&file, mode);
    body(archive);
}

} // namespace

TEST(CArchive, BinaryLayoutOfIntegersAndStrings)
{
    TempDir dir;
    std::string path = dir / "layout.bin";
    WithArchive(path, CArchive::store, [](CArchive& ar) {
        ar << (BYTE)0x12 << (WORD)0x3456 << (int)-2 << (LONG)7 << (DWORD)0x89ABCDEF;
        ar << CString("中文");
    });
    const std::string expected("\x12" "\x56\x34" "\xFE\xFF\xFF\xFF" "\x07\x00\x00\x00" "\xEF\xCD\xAB\x89"
                               "\x04" "中文", 20);
    EXPECT_EQ(TempDir::ReadFile(path), expected);

    WithArchive(path, CArchive::load, [](CArchive& ar) {
        BYTE b; WORD w; int i; LONG l; DWORD d; CString s;
        ar >> b >> w >> i >> l >> d >> s;
        EXPECT_EQ(b, 0x12);
        EXPECT_EQ(w, 0x3456);
        EXPECT_EQ(i, -2);
        EXPECT_EQ(l, 7);
        EXPECT_EQ(d, 0x89ABCDEFu);
        EXPECT_EQ(s, "中文");
    });
}

TEST(CArchive, StringLengthPrefixesAtTheirBoundaries)
{
    struct Case { int length; size_t prefixBytes; };
    const Case cases[] = {{0, 1}, {254, 1}, {255, 3}, {0xFFFD, 3}, {0xFFFE, 7}, {70000, 7}};
    for (const Case& c : cases) {
        TempDir dir;
        std::string path = dir / "s.bin";
        CString text('x', c.length);
        WithArchive(path, CArchive::store, [&](CArchive& ar) { ar << text; });
        EXPECT_EQ(TempDir::ReadFile(path).size(), c.prefixBytes + (size_t)c.length) << c.length;
        WithArchive(path, CArchive::load, [&](CArchive& ar) {
            CString back;
            ar >> back;
            EXPECT_EQ(back.GetLength(), c.length);
        });
    }
}

TEST(CArchive, ReadsAWideStringAsAnsi)
{
    TempDir dir;
    // 0xFF, the wide mark 0xFFFE, length 2, then UTF-16LE for 中文.
    std::string path = dir.WriteFile("w.bin", std::string("\xFF\xFE\xFF\x02\x2D\x4E\x87\x65", 8));
    WithArchive(path, CArchive::load, [](CArchive& ar) {
        CString s;
        ar >> s;
        EXPECT_EQ(s, "中文");
    });
}

TEST(CArchive, TruncatedDataThrowsEndOfFile)
{
    TempDir dir;
    std::string path = dir.WriteFile("t.bin", std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F" "abc", 10));
    WithArchive(path, CArchive::load, [](CArchive& ar) {
        CString s;
        try {
            ar >> s;  // claims about 2 GB, holds 3 bytes
            FAIL() << "no exception";
        } catch (CArchiveException* e) {
            EXPECT_TRUE(e->m_cause == CArchiveException::endOfFile || e->m_cause == CArchiveException::badIndex);
            e->Delete();
        }
    });
    std::string shortPath = dir.WriteFile("short.bin", "\x01\x02");
    WithArchive(shortPath, CArchive::load, [](CArchive& ar) {
        DWORD d;
        try {
            ar >> d;
            FAIL() << "no exception";
        } catch (CArchiveException* e) {
            EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
            e->Delete();
        }
    });
}

TEST(CArchive, ReadFillsTheRequestAcrossBuffers)
{
    TempDir dir;
    std::string content;
    for (int i = 0; i < 10000; ++i)
        content += (char)('a' + i % 26);
    std::string path = dir.WriteFile("big.bin", content);
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load, 128);
    std::string head(100, '\0');
    EXPECT_EQ(ar.Read(&head[0], 100), 100u);
    std::string rest(20000, '\0');
    EXPECT_EQ(ar.Read(&rest[0], 20000), 9900u);  // short only at the end of the file
    EXPECT_EQ(head + rest.substr(0, 9900), content);
    EXPECT_EQ(ar.Read(&rest[0], 10), 0u);
}

TEST(CArchive, ReadStringStripsLineEnds)
{
    TempDir dir;
    std::string path = dir.WriteFile("lines.txt", "一\r\ntwo\n\r\nlast");
    WithArchive(path, CArchive::load, [](CArchive& ar) {
        CString line;
        std::vector<std::string> lines;
        while (ar.ReadString(line))
            lines.push_back((LPCTSTR)line);
        EXPECT_EQ(lines, (std::vector<std::string>{"一", "two", "", "last"}));
        EXPECT_FALSE(ar.ReadString(line));
    });
    WithArchive(path, CArchive::load, [](CArchive& ar) {
        char buffer[8];
        ASSERT_NE(ar.ReadString(buffer, sizeof buffer), nullptr);
        EXPECT_STREQ(buffer, "一\n");
    });
}

TEST(CArchive, WriteStringFlushAndCloseWriteEverything)
{
    TempDir dir;
    std::string path = dir / "out.txt";
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    {
        CArchive ar(&file, CArchive::store, 128);
        ar.WriteString("行一\r\n");
        EXPECT_EQ(file.GetLength(), 0u);  // still buffered
        ar.Flush();
        EXPECT_EQ(file.GetLength(), 6u);
        std::string big(300, 'z');  // larger than the buffer
        ar.Write(big.data(), (UINT)big.size());
        ar.WriteString("end");
        ar.Close();
        EXPECT_EQ(file.GetLength(), 309u);
        EXPECT_EQ(ar.GetFile(), &file);
    }
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteString("!");
    }  // the destructor flushes an archive that was not closed
    file.Close();
    EXPECT_EQ(TempDir::ReadFile(path).size(), 310u);
}

TEST(CArchive, NoFlushOnDeleteAndAbortDropBufferedData)
{
    TempDir dir;
    std::string path = dir / "dropped";
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        ar.WriteString("lost");
    }
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteString("lost too");
        ar.Abort();
    }
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(CArchive, WrongDirectionThrows)
{
    TempDir dir;
    std::string path = dir.WriteFile("d", "abc");
    WithArchive(path, CArchive::load, [](CArchive& ar) {
        try {
            ar << (BYTE)1;
            FAIL() << "no exception";
        } catch (CArchiveException* e) {
            EXPECT_EQ(e->m_cause, CArchiveException::readOnly);
            e->Delete();
        }
    });
    WithArchive(dir / "e", CArchive::store, [](CArchive& ar) {
        BYTE b;
        try {
            ar >> b;
            FAIL() << "no exception";
        } catch (CArchiveException* e) {
            EXPECT_EQ(e->m_cause, CArchiveException::writeOnly);
            e->Delete();
        }
    });
}

TEST(CArchive, LoadingFlushGivesUnreadBytesBackToTheFile)
{
    TempDir dir;
    std::string path = dir.WriteFile("f", "abcdef");
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    char c;
    ar.Read(&c, 1);
    ar.Flush();
    EXPECT_EQ(file.GetPosition(), 1u);
}

TEST(CArchive, DestructorSwallowsAFailedFinalWrite)
{
    TempDir dir;
    std::string path = dir.WriteFile("ro", "");
    CFile file(path.c_str(), CFile::modeRead);  // writes to this handle fail
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteString("pending");
    }
    CArchive ar(&file, CArchive::store);
    ar.WriteString("pending");
    try {
        ar.Close();  // the same failure, reported when asked for
        FAIL() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::accessDenied);
        e->Delete();
    }
}
