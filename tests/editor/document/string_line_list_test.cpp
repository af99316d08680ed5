#include "editor/document/StringLineList.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

CStringLineList Make(std::initializer_list<const char*> strings)
{
    CStringLineList list;
    for (const char* s : strings)
        list.AddTail(CString(s));
    return list;
}

std::vector<std::string> Texts(const CStringLineList& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i)
        texts.emplace_back((const char*)list.GetAt(i), (size_t)list.GetAt(i).GetLength());
    return texts;
}

} // namespace

TEST(StringLineList, SplitText)
{
    struct Case {
        std::string text;
        std::vector<std::string> expected;
    } cases[] = {
        {"a\rb\nc\r\n", {"a", "b", "c"}},
        {std::string("a\0b", 3), {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"\n", {""}},
    };
    for (const Case& c : cases) {
        CStringLineList list = Make({"old"});
        list.SplitText(c.text.data(), (int)c.text.size());
        EXPECT_EQ(c.expected, Texts(list)) << c.text;
    }
}

TEST(StringLineList, AppendContinuesTheLastString)
{
    CStringLineList list = Make({"a", "b"});
    list.Append(Make({"x", "y"}));
    EXPECT_EQ((std::vector<std::string>{"a", "bx", "y"}), Texts(list));

    CStringLineList empty;
    empty.Append(Make({"x", "y"}));
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), Texts(empty));

    list.Append(list);
    EXPECT_EQ((std::vector<std::string>{"a", "bx", "ya", "bx", "y"}), Texts(list));
}

TEST(StringLineList, JoinCrLfFillsExactlyTotalLength)
{
    const CStringLineList list = Make({"a", "b"});
    ASSERT_EQ(6, list.TotalLength());
    char buffer[8] = {'#', '#', '#', '#', '#', '#', '#', '#'};
    EXPECT_EQ(6, list.JoinCrLf(buffer, list.TotalLength()));
    EXPECT_EQ(std::string("a\r\nb\0\0##", 8), std::string(buffer, 8));
}

TEST(StringLineList, JoinCrLfNeverWritesPastTheBuffer)
{
    const CStringLineList list = Make({"abc", "def"});
    char buffer[5] = {'#', '#', '#', '#', '#'};
    EXPECT_EQ(4, list.JoinCrLf(buffer, 4));
    EXPECT_EQ(std::string("abc\r#"), std::string(buffer, 5));
    EXPECT_EQ(0, CStringLineList().JoinCrLf(buffer, 5));
}

TEST(StringLineList, PadToMaxLength)
{
    CStringLineList list = Make({"abc", "", "a"});
    EXPECT_EQ(3, list.MaxLength());
    list.PadToMaxLength();
    EXPECT_EQ((std::vector<std::string>{"abc", "   ", "a  "}), Texts(list));
    EXPECT_EQ(0, CStringLineList().MaxLength());
}

TEST(StringLineList, CaseChangesLeaveDoubleByteCharactersWhole)
{
    // B0 41 is one double-byte character whose trail byte is the letter A.
    CStringLineList list = Make({"ab \xB0\x41 cD"});
    list.MakeUpperAll();
    EXPECT_EQ("AB \xB0\x41 CD", Texts(list)[0]);
    list.MakeLowerAll();
    EXPECT_EQ("ab \xB0\x41 cd", Texts(list)[0]);
    list.InvertCaseAll();
    EXPECT_EQ("AB \xB0\x41 CD", Texts(list)[0]);
    list.CapitalizeAll();
    EXPECT_EQ("Ab \xB0\x41 Cd", Texts(list)[0]);
}

TEST(StringLineList, ReadFileLinesTakesBytesAsTheyAre)
{
    TempDir dir;
    const std::string path = dir.WriteFile("f.txt", "a\r\n\xD6\xD0\rx\nlast");
    CStringLineList list;
    ASSERT_TRUE(list.ReadFileLines(path.c_str()));
    EXPECT_EQ((std::vector<std::string>{"a", "\xD6\xD0\rx", "last"}), Texts(list));
}

// The reader only returns the failure: the view that asked shows the message.
TEST(StringLineList, ReadFileLinesOfAMissingFileFailsWithoutAMessage)
{
    ScopedMessageBoxHook boxes;
    CStringLineList list = Make({"keep"});
    EXPECT_FALSE(list.ReadFileLines("C:\\no\\such\\file.txt"));
    EXPECT_EQ(0, boxes.Count());
    EXPECT_EQ((std::vector<std::string>{"keep"}), Texts(list));
}
