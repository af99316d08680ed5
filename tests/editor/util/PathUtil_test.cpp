#include "editor/util/PathUtil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "temp_dir.h"

#include <string>
#include <vector>

namespace {

std::string S(const CString& text) { return static_cast<const char*>(text); }

std::vector<std::string> Items(const CStringArray& array)
{
    std::vector<std::string> items;
    for (int i = 0; i < array.GetSize(); ++i) items.push_back(S(array.GetAt(i)));
    return items;
}

// A GBK character whose trail byte is '\' (0x5C): 乗-like codes such as 81 5C.
const char kTrailBackslash[] = "\x81\x5C";
// One whose trail byte is '|' (0x7C).
const char kTrailBar[] = "\x81\x7C";

struct PartsCase {
    std::string path;
    std::string directory, fileName, fileTitle, extension, withoutExtension;
};

TEST(PathUtil, SplitsPathsIntoParts)
{
    const std::string trail = kTrailBackslash;
    const PartsCase cases[] = {
        {"C:\\dir\\", "C:", "dir", "dir", "", "C:\\dir\\"},
        {"C:\\dir\\file.txt", "C:\\dir", "file.txt", "file", ".txt", "C:\\dir\\file"},
        {"C:\\a.b\\file", "C:\\a.b", "file", "file", ".b\\file", "C:\\a"},
        {"name", "", "name", "name", "", "name"},
        {"name.tar.gz", "", "name.tar.gz", "name.tar", ".gz", "name.tar"},
        {"", "", "", "", "", ""},
        {"/home/u/x.c", "/home/u", "x.c", "x", ".c", "/home/u/x"},
        {"/home/u/", "/home", "u", "u", "", "/home/u/"},
        {"a/b\\c", "a/b", "c", "c", "", "a/b\\c"},  // '\' wins over '/'
        {"C:\\", "", "C:", "C:", "", "C:\\"},
        {"\\", "", "", "", "", "\\"},
        {"C:\\墨语言\\源码.墨", "C:\\墨语言", "源码.墨", "源码", ".墨", "C:\\墨语言\\源码"},
        // The trail byte 0x5C is not a separator.
        {"C:\\d\\x" + trail, "C:\\d", "x" + trail, "x" + trail, "", "C:\\d\\x" + trail},
        {"x" + trail + "y", "", "x" + trail + "y", "x" + trail + "y", "", "x" + trail + "y"},
    };
    for (const PartsCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(S(GetDirectoryPart(c.path.c_str())), c.directory);
        EXPECT_EQ(S(GetFileNamePart(c.path.c_str())), c.fileName);
        EXPECT_EQ(S(GetFileTitlePart(c.path.c_str())), c.fileTitle);
        EXPECT_EQ(S(GetExtensionPart(c.path.c_str())), c.extension);
        EXPECT_EQ(S(StripExtension(c.path.c_str())), c.withoutExtension);
    }
}

TEST(PathUtil, StripTrailingBackslash)
{
    const std::string trail = kTrailBackslash;
    const struct {
        std::string in, out;
    } cases[] = {
        {"C:\\dir\\", "C:\\dir"},
        {"C:\\dir\\\\", "C:\\dir\\"},  // only one
        {"C:\\dir", "C:\\dir"},
        {"C:/dir/", "C:/dir/"},
        {"", ""},
        {"x" + trail, "x" + trail},  // a trail byte is not a backslash
    };
    for (const auto& c : cases) EXPECT_EQ(S(StripTrailingBackslash(c.in.c_str())), c.out) << c.in;
}

TEST(PathUtil, NullPathsCountAsEmpty)
{
    EXPECT_EQ(S(GetDirectoryPart(nullptr)), "");
    EXPECT_EQ(S(GetFileNamePart(nullptr)), "");
    EXPECT_EQ(S(GetExtensionPart(nullptr)), "");
    EXPECT_EQ(S(RemotePathToCacheName(nullptr)), "");
    EXPECT_FALSE(MatchFileFilter("x.txt", nullptr));
}

TEST(PathUtil, MatchFileFilter)
{
    const struct {
        const char* name;
        const char* patterns;
        bool matches;
    } cases[] = {
        {"x.TXT", "*.txt;*.墨", true},
        {"x.墨", "*.txt;*.墨", true},
        {"x.墨", "*.txt;*.墨;", true},
        {"x.c", "*.txt;*.墨", false},
        {"x", "x*", false},            // other pattern forms never match
        {"x.txt", "x.txt", false},
        {"anything", "*.*", true},
        {"", "*.*", true},
        {".txt", "*.txt", true},
        {"txt", "*.txt", false},
        {"a.txt.bak", "*.txt", false},
        {"a.", "*.", true},
        {"a.txt", "", false},
        {"a.txt", ";;*.txt", true},
        {"a.txt", " *.txt", false},
        // Case folds only single-byte letters: B0 41 is not B0 61.
        {"x.\xB0" "A", "*.\xB0" "a", false},
        {"x.\xB0" "A", "*.\xB0" "A", true},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchFileFilter(c.name, c.patterns), c.matches) << c.name << " / " << c.patterns;
}

TEST(PathUtil, SplitFilterString)
{
    const std::string bar = kTrailBar;
    const struct {
        std::string filter;
        std::vector<std::string> descriptions, patterns;
    } cases[] = {
        {"Text (*.txt)|*.txt|All|*.*", {"Text (*.txt)", "All"}, {"*.txt", "*.*"}},
        {"Text (*.txt)|*.txt|All|*.*|", {"Text (*.txt)", "All"}, {"*.txt", "*.*"}},
        {"Text (*.txt)|*.txt|All|*.*||", {"Text (*.txt)", "All"}, {"*.txt", "*.*"}},
        {"A||B|*.b|", {"B"}, {"*.b"}},       // a pair with empty patterns is skipped
        {"|*.a|B|*.b", {"B"}, {"*.b"}},      // and one with an empty description
        {"Lonely", {}, {}},
        {"", {}, {}},
        {"墨" + bar + "|*.墨", {"墨" + bar}, {"*.墨"}},  // a trail byte 0x7C is no bar
    };
    for (const auto& c : cases) {
        CStringArray descriptions, patterns;
        descriptions.Add("stale");
        patterns.Add("stale");
        EXPECT_TRUE(SplitFilterString(c.filter.c_str(), descriptions, patterns));
        EXPECT_EQ(Items(descriptions), c.descriptions) << c.filter;
        EXPECT_EQ(Items(patterns), c.patterns) << c.filter;
    }
}

TEST(PathUtil, SplitFilterStringRefusesNull)
{
    CStringArray descriptions, patterns;
    EXPECT_FALSE(SplitFilterString(nullptr, descriptions, patterns));
    EXPECT_EQ(descriptions.GetSize(), 0);
}

TEST(PathUtil, RemotePathToCacheNameKeepsOrdinaryNames)
{
    const struct {
        const char* remote;
        const char* cache;
    } cases[] = {
        {"/home/user/main.墨", "\\home\\user\\main.墨"},
        {"/a b/c.d.e", "\\a b\\c.d.e"},
        {"/100%/x", "\\100%25\\x"},
        {"/what?/*.c", "\\what%3F\\%2A.c"},
        {"/%2A", "\\%252A"},  // '%' is escaped first, so the result decodes unambiguously
        {"rel/./x", "rel\\.\\x"},
        {"/.profile", "\\.profile"},
        {"/a..b/c", "\\a..b\\c"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(S(RemotePathToCacheName(c.remote)), c.cache) << c.remote;
}

TEST(PathUtil, RemotePathToCacheNameCannotEscapeCacheFolder)
{
    const struct {
        const char* remote;
        const char* cache;
    } cases[] = {
        {"/../../windows/x.ini", "\\%2E%2E\\%2E%2E\\windows\\x.ini"},
        {"..", "%2E%2E"},
        {"a\\..\\..\\b", "a\\%2E%2E\\%2E%2E\\b"},
        {"/x/.../y", "\\x\\%2E%2E%2E\\y"},
        {"/x/.. /y", "\\x\\%2E%2E \\y"},
        {"C:/windows/win.ini", "C%3A\\windows\\win.ini"},
        {"/d:x", "\\d%3Ax"},
    };
    for (const auto& c : cases) {
        CString cache = RemotePathToCacheName(c.remote);
        EXPECT_EQ(S(cache), c.cache) << c.remote;
        EXPECT_EQ(cache.Find(':'), -1);
    }
}

TEST(PathUtil, RemotePathToCacheNameKeepsTrailBackslashInsideCharacter)
{
    const std::string remote = std::string("/x") + kTrailBackslash + "../y";
    // The 0x5C belongs to the character, so "x?.." is one component, not "x" then "..".
    EXPECT_EQ(S(RemotePathToCacheName(remote.c_str())), std::string("\\x") + kTrailBackslash + "..\\y");
}

TEST(PathUtil, RemoteNamesDifferingInBytesOutsideCharactersKeepTheirOwnCacheFiles)
{
    // Bytes that start no character of code page 936 (and reserved signs) would all become one
    // replacement character on the way to the file system.
    const char* const names[] = {"/a\x80", "/a\xFF", "/a\x81", "/a\x81\x7F", "/a\xFE\x20", "/a\x01",
                                 "/a<", "/a|", "/a\"", "/a\x81/"};
    TempDir dir;
    for (const char* name : names) {
        const CString cache = RemotePathToCacheName(name);
        ASSERT_EQ(-1, cache.FindOneOf("\x80\xFF<>|\"")) << name;
        const std::string path = dir / std::string(static_cast<LPCTSTR>(cache) + 1);
        HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, file) << name << " -> " << path << " is taken";
        ::CloseHandle(file);
    }
    EXPECT_EQ(S(RemotePathToCacheName("/a\xFE b")), "\\a%FE b");
    EXPECT_EQ(S(RemotePathToCacheName("/两个字\x80")), "\\两个字%80");
}

}  // namespace
