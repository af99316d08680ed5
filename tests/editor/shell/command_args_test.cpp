#include "editor/shell/CommandArgs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

std::vector<std::string> Positional(const CCommandArgs& args)
{
    std::vector<std::string> items;
    for (int i = 0; i < args.GetCount(); ++i)
        items.push_back(S(args.GetAt(i)));
    return items;
}

std::string Option(const CCommandArgs& args, const char* name)
{
    CString value;
    return args.GetOption(name, value) ? S(value) : "<none>";
}

// Targets as "path@line", with "[project]" or "[created]" behind.
std::vector<std::string> Targets(const char* commandLine, const std::string& startFolder, const std::string& root)
{
    std::vector<std::string> items;
    for (const CommandLineTarget& target : ResolveCommandLine(CCommandArgs(commandLine), startFolder.c_str())) {
        std::string path = S(target.path);
        if (path.compare(0, root.size(), root) == 0)
            path = "~" + path.substr(root.size());
        items.push_back(path + "@" + std::to_string(target.line) + (target.project ? "[project]" : "") +
                        (target.created ? "[created]" : ""));
    }
    return items;
}

} // namespace

TEST(CommandArgs, SplitsWordsAndOptions)
{
    struct Case {
        const char* text;
        std::vector<std::string> positional;
        const char* lValue;
        const char* ncValue;
    };
    const Case cases[] = {
        {"/L:20 a.墨", {"a.墨"}, "20", "<none>"},
        {"-l:20 a.墨", {"a.墨"}, "20", "<none>"},
        {"  /nc \t new.墨  ", {"new.墨"}, "<none>", ""},
        {"\"a b\" c", {"a b", "c"}, "<none>", "<none>"},
        {"a\\\"b", {"a\"b"}, "<none>", "<none>"},
        // Inside quotes \" still closes the quotes (and gives a quote), as on the platform.
        {"\"x \\\" y\" z", {"x \"", "y z"}, "<none>", "<none>"},
        {"- /1 -", {"-", "/1", "-"}, "<none>", "<none>"},
        {"/L:1 /L:7", {}, "7", "<none>"},  // a later option replaces the earlier
        {"/D:\"C:\\my folder\" x", {"x"}, "<none>", "<none>"},
        // A trail byte 0x5C before a quote is part of its character, not an escape.
        {"\"\x95\x5C\" y", {"\x95\x5C", "y"}, "<none>", "<none>"},
        {"", {}, "<none>", "<none>"},
    };
    for (const Case& c : cases) {
        CCommandArgs args(c.text);
        EXPECT_EQ(Positional(args), c.positional) << c.text;
        EXPECT_EQ(Option(args, "L"), c.lValue) << c.text;
        EXPECT_EQ(Option(args, "NC"), c.ncValue) << c.text;
    }
    EXPECT_EQ(Option(CCommandArgs("/D:\"C:\\my folder\" x"), "D"), "C:\\my folder");

    const char* vector[] = {"程序.exe", "/d:C:\\w", "f.墨"};
    CCommandArgs fromVector(3, vector);
    EXPECT_EQ(Option(fromVector, "D"), "C:\\w");
    EXPECT_EQ(Positional(fromVector), std::vector<std::string>{"f.墨"});
}

TEST(CommandArgs, WordTableNeverOverruns)
{
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "w" + std::to_string(i) + " ";
    std::vector<CString> words;
    EXPECT_EQ(CCommandArgs::Split(text.c_str(), words), CCommandArgs::kMaxWords);
    EXPECT_EQ(S(words[0]), "__program_name");
    EXPECT_EQ(S(words[1023]), "w1022");
    EXPECT_EQ(CCommandArgs(text.c_str()).GetCount(), CCommandArgs::kMaxWords - 1);
}

TEST(CommandArgs, ResolvesNamesAgainstTheBaseFolder)
{
    TempDir dir;
    const std::string root = dir.Path();
    dir.WriteFile("a.墨", "");
    dir.WriteFile("b.墨", "");
    dir.WriteFile("c.txt", "");
    dir.WriteFile("工程.项目", "");
    ::CreateDirectoryA((root + "\\sub").c_str(), nullptr);
    dir.WriteFile("sub\\d.墨", "");
    const std::string drive = root.substr(0, 2);

    struct Case {
        std::string commandLine;
        std::vector<std::string> targets;
    };
    const Case cases[] = {
        {"/L:20 a.墨", {"~\\a.墨@20"}},
        {"-l:20 a.墨", {"~\\a.墨@20"}},
        {"*.墨", {"~\\a.墨@1", "~\\b.墨@1"}},
        {"*.none", {}},
        {"/NC new.墨", {}},
        {"/NC *.txt", {"~\\c.txt@1"}},
        {"new.墨", {"~\\new.墨@1[created]"}},
        {"sub\\d.墨 \"" + root + "\\c.txt\"", {"~\\sub\\d.墨@1", "~\\c.txt@1"}},
        {"/D:\"" + root + "\\sub\" d.墨", {"~\\sub\\d.墨@1"}},
        {"/D:" + root + "\\sub ..\\a.墨", {"~\\a.墨@1"}},
        {"工程.项目", {"~\\工程.项目@1[project]"}},
        {"\\" + root.substr(3) + "\\b.墨", {"~\\b.墨@1"}},  // the base folder's drive
        {"C.TXT", {"~\\c.txt@1"}},  // the long name as the folder stores it
    };
    // The start folder is used without /D:, and its trailing backslash is dropped.
    for (const Case& c : cases) {
        std::string start = c.commandLine.find("/D:") == std::string::npos ? root + "\\" : "C:\\elsewhere";
        std::vector<std::string> targets = Targets(c.commandLine.c_str(), start, root);
        std::sort(targets.begin(), targets.end());
        std::vector<std::string> expected = c.targets;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(targets, expected) << c.commandLine;
    }
    EXPECT_EQ(TempDir::ReadFile(root + "\\new.墨"), "");  // created empty
    EXPECT_EQ(drive.size(), 2u);
}
