// File names: splitting and rebuilding paths, quotes kept, double-byte names never split.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/源码/内存.h"
#include "runtime/源码/文件名处理.h"

namespace {

typedef char* (*PathQuery)(const char*, char*, int);

struct QueryCase {
    const char* path;
    int size;
    const char* expected;
};

void ExpectQuery(PathQuery query, const char* name, const QueryCase* cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const QueryCase& c = cases[i];
        char buffer[80];
        memset(buffer, 'Z', sizeof buffer);
        EXPECT_EQ(query(c.path, buffer, c.size), buffer) << name << " " << c.path;
        EXPECT_STREQ(buffer, c.expected) << name << " " << c.path << " size " << c.size;
        EXPECT_EQ(buffer[c.size], 'Z') << name << " " << c.path;
    }
}

#define EXPECT_QUERY(query, cases) ExpectQuery(query, #query, cases, sizeof cases / sizeof cases[0])

TEST(PathGetDir, DirectoryPartWithSeparator)
{
    const QueryCase cases[] = {
        {"C:\\d\\a.txt", 64, "C:\\d\\"},
        {"x.txt", 64, ""},
        {"C:x.txt", 64, "C:"},
        {"a/b/c.d", 64, "a/b/"},
        {"a/b\\c/d", 64, "a/b\\"},
        {"\"C:\\a b\\x.txt\"", 64, "\"C:\\a b\\\""},
        {"\"C:\\a b\\x.txt\"", 3, ""},
        {"C:\\d\\a.txt", 1, ""},
        {"C:\\abc\\x", 5, "C:\\a"},
        {"C:\\目录\\癨x.txt", 64, "C:\\目录\\"},
    };
    EXPECT_QUERY(PathGetDir, cases);
}

TEST(PathGetFileName, NameWithExtension)
{
    const QueryCase cases[] = {
        {"C:x.txt", 64, "x.txt"},
        {"a/b/c.d", 64, "c.d"},
        {"\"C:\\a b\\x y.txt\"", 64, "\"x y.txt\""},
        {"C:\\d\\文件名.txt", 64, "文件名.txt"},
        // The trail byte of 癨 is a backslash: it does not end the directory.
        {"C:\\d\\癨x.txt", 64, "癨x.txt"},
        {"C:\\d\\文件名.txt", 4, "文"},
        {"C:\\d\\文件名.txt", 5, "文件"},
    };
    EXPECT_QUERY(PathGetFileName, cases);
}

TEST(PathGetBaseName, NameWithoutExtension)
{
    const QueryCase cases[] = {
        {"C:\\d\\a.b.txt", 64, "a.b"},
        {"C:\\d.x\\abc", 64, "abc"},
        {"\"C:\\a b\\x y.txt\"", 64, "\"x y\""},
        {"中文.墨", 64, "中文"},
    };
    EXPECT_QUERY(PathGetBaseName, cases);
}

TEST(PathWithoutExt, WholePathWithoutExtension)
{
    const QueryCase cases[] = {
        {"C:\\d.x\\abc", 64, "C:\\d.x\\abc"},
        {"C:\\d\\abc.txt", 64, "C:\\d\\abc"},
        {"\"a b.txt\"", 64, "\"a b\""},
        {"\"a b.txt\"", 4, "\"a\""},
    };
    EXPECT_QUERY(PathWithoutExt, cases);
}

TEST(PathQueries, RejectNullArguments)
{
    char buffer[8];
    EXPECT_EQ(PathGetDir(nullptr, buffer, 8), nullptr);
    EXPECT_EQ(PathGetFileName("a", nullptr, 8), nullptr);
    EXPECT_EQ(PathGetBaseName("a", buffer, 0), nullptr);
    EXPECT_EQ(PathWithExt(nullptr, ".c", buffer, 8), nullptr);
    EXPECT_EQ(PathWithName("a", "b", buffer, 0), nullptr);
}

struct BuildCase {
    const char* path;
    const char* part;
    int size;
    const char* expected;
};

TEST(PathWithExt, ReplacesExtensionIntoBuffer)
{
    const BuildCase cases[] = {
        {"C:\\d\\a.txt", ".rc", 64, "C:\\d\\a.rc"},
        {"C:\\d.e\\a", ".rc", 64, "C:\\d.e\\a.rc"},
        {"\"C:\\d e\\a.txt\"", ".rc", 64, "\"C:\\d e\\a.rc\""},
        {"C:\\d\\a.txt", nullptr, 64, "C:\\d\\a"},
        {"abcdef.txt", ".rc", 6, "abcde"},
        {"\"ab.txt\"", ".rc", 3, ""},
        {"\"ab.txt\"", ".rc", 5, "\"ab\""},
        {"\"ab.txt\"", ".rc", 7, "\"ab.r\""},
        {"a.txt", ".中文", 5, "a.中"},
    };
    for (const BuildCase& c : cases) {
        char buffer[80];
        memset(buffer, 'Z', sizeof buffer);
        EXPECT_EQ(PathWithExt(c.path, c.part, buffer, c.size), buffer) << c.path;
        EXPECT_STREQ(buffer, c.expected) << c.path << " size " << c.size;
        EXPECT_EQ(buffer[c.size], 'Z') << c.path;
    }
}

TEST(PathWithName, ReplacesNameIntoBuffer)
{
    const BuildCase cases[] = {
        {"C:\\d\\a.txt", "b.c", 64, "C:\\d\\b.c"},
        {"\"C:\\d e\\a.txt\"", "b.c", 64, "\"C:\\d e\\b.c\""},
        {"a.txt", "b", 64, "b"},
        {"\"a b\"", "c", 64, "\"c\""},
        {"C:\\d\\a.txt", nullptr, 64, "C:\\d\\"},
        {"C:\\d\\a.txt", "新名字", 10, "C:\\d\\新名"},
    };
    for (const BuildCase& c : cases) {
        char buffer[80];
        memset(buffer, 'Z', sizeof buffer);
        EXPECT_EQ(PathWithName(c.path, c.part, buffer, c.size), buffer) << c.path;
        EXPECT_STREQ(buffer, c.expected) << c.path;
        EXPECT_EQ(buffer[c.size], 'Z') << c.path;
    }
}

struct InPlaceCase {
    const char* path;
    int size;
    const char* part;
    const char* expected;
};

TEST(PathSetExt, ReplacesExtensionInPlace)
{
    const InPlaceCase cases[] = {
        {"dir.v\\a", 0, ".rc", "dir.v\\a"},
        {"\"C:\\my file.txt\"", 64, ".rc", "\"C:\\my file.rc\""},
        {"\"C:\\my file\"", 64, ".rc", "\"C:\\my file.rc\""},
        {"a.txt", 64, ".rc", "a.rc"},
        {"a", 64, ".rc", "a.rc"},
        {"a.txt", 0, ".longer", "a.lon"},
        {"a.txt", 6, ".longer", "a.lon"},
        {"文件.txt", 0, ".中文", "文件.中"},
#if MOYU_EDITION == 172
        {"a.txt", -1, ".longer", "a.lon"},
#else
        {"a.txt", -1, ".longer", "a.longer"},
#endif
    };
    for (const InPlaceCase& c : cases) {
        char path[80];
        memset(path, 'Z', sizeof path);
        strcpy(path, c.path);
        EXPECT_EQ(PathSetExt(path, c.size, c.part), path) << c.path;
        EXPECT_STREQ(path, c.expected) << c.path << " size " << c.size;
    }
    EXPECT_EQ(PathSetExt(nullptr, 8, ".c"), nullptr);
    char path[8] = "a.b";
    EXPECT_EQ(PathSetExt(path, 8, nullptr), path);
    EXPECT_STREQ(path, "a.b");
}

TEST(PathSetName, ReplacesNameInPlace)
{
    const InPlaceCase cases[] = {
        {"C:\\dir\\a.txt", 64, "b.rc", "C:\\dir\\b.rc"},
        {"\"a b.txt\"", 64, "c d.rc", "\"c d.rc\""},
        {"a.txt", 64, "x", "x"},
        {"C:\\d\\a", 0, "long", "C:\\d\\l"},
    };
    for (const InPlaceCase& c : cases) {
        char path[80];
        strcpy(path, c.path);
        EXPECT_EQ(PathSetName(path, c.size, c.part), path) << c.path;
        EXPECT_STREQ(path, c.expected) << c.path;
    }
}

TEST(PathFindExt, FindsDotAfterDirectory)
{
    const char* withExt = "a.b\\c.d";
    EXPECT_EQ(PathFindExt("a.b\\c"), nullptr);
    EXPECT_EQ(PathFindExt(withExt), withExt + 5);
    EXPECT_EQ(PathFindExt(nullptr), nullptr);
}

TEST(PathQuotes, TestAddAndRemove)
{
    EXPECT_EQ(PathIsQuoted("\"a\""), 1);
    EXPECT_EQ(PathIsQuoted("\""), 0);
    EXPECT_EQ(PathIsQuoted("\"a"), 0);
    EXPECT_EQ(PathIsQuoted(nullptr), 0);

    struct Case {
        const char* text;
        const char* quoted;
    } cases[] = {{"a b", "\"a b\""}, {"a\tb", "\"a\tb\""}, {"ab", "ab"}, {"\"a b\"", "\"a b\""}, {" ", " "}};
    for (const Case& c : cases) {
        char text[16];
        strcpy(text, c.text);
        EXPECT_STREQ(PathQuote(text), c.quoted) << c.text;
        char* copy = PathQuoteDup(c.text);
        ASSERT_NE(copy, nullptr);
        if (strlen(c.text) >= 2)
            EXPECT_STREQ(copy, c.quoted) << c.text;
        MemFree(copy, "path_test", __LINE__);
    }
    EXPECT_EQ(PathQuoteDup(nullptr), nullptr);

    char quoted[16] = "\"a b\"";
    EXPECT_STREQ(PathUnquote(quoted), "a b");
    char plain[16] = "abc";
    EXPECT_STREQ(PathUnquote(plain), "abc");
}

// A text with only an opening quote used to lose its last real byte.
// 誠 is D5 5C in GBK: its trail byte looks like a backslash but ends no directory part.
TEST(PathQueries, TrailByteThatLooksLikeABackslashIsNoSeparator)
{
    ASSERT_EQ('\\', "誠"[1]);
    char buffer[64];
    EXPECT_STREQ(PathGetFileName("C:\\数据\\誠a.txt", buffer, sizeof buffer), "誠a.txt");
    EXPECT_STREQ(PathGetDir("C:\\数据\\誠a.txt", buffer, sizeof buffer), "C:\\数据\\");
    EXPECT_STREQ(PathGetBaseName("C:\\誠\\誠.txt", buffer, sizeof buffer), "誠");
    EXPECT_STREQ(PathGetDir("誠.txt", buffer, sizeof buffer), "");
    const char* extended = "a.b誠";
    EXPECT_EQ(PathFindExt(extended), extended + 1);
    EXPECT_STREQ(PathWithName("C:\\誠\\a.txt", "b.rc", buffer, sizeof buffer), "C:\\誠\\b.rc");
    char path[32] = "C:\\誠.txt";
    EXPECT_STREQ(PathSetExt(path, sizeof path, ".rc"), "C:\\誠.rc");
}

TEST(PathUnquote, KeepsLastByteWithoutClosingQuote)
{
    char text[16] = "\"abc";
    EXPECT_STREQ(PathUnquote(text), "abc");
    char lone[4] = "\"";
    EXPECT_STREQ(PathUnquote(lone), "");
}

}  // namespace
