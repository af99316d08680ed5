#include "editor/settings/ChildEnvironment.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

std::string Get(EnvironmentAccess& env, const char* name)
{
    CString value;
    return env.Get(name, value) ? S(value) : "<absent>";
}

// An installation folder with an optional environment file.
struct Installation {
    TempDir dir;
    std::string root;

    explicit Installation(const std::string& environmentFile = "", bool withFile = false)
    {
        root = dir / "安装";
        ::CreateDirectoryA(root.c_str(), nullptr);
        ::CreateDirectoryA((root + "\\命令").c_str(), nullptr);
        if (withFile)
            dir.WriteFile("安装\\命令\\环境.配置", environmentFile);
    }
};

SavedEnvironment SavedFrom(EnvironmentTable& env)
{
    SavedEnvironment saved;
    saved.Save(env);
    return saved;
}

} // namespace

TEST(ChildEnvironment, BaseListsWithNothingElse)
{
    Installation install;
    const std::string r = install.root;
    EnvironmentTable env;
    BuildChildEnvironment(r.c_str(), true, SavedFrom(env), env);
    EXPECT_EQ(Get(env, "PATH"), r + "\\命令;" + r + "\\命令\\bat");
    EXPECT_EQ(Get(env, "LIB"), r + "\\库");
    EXPECT_EQ(Get(env, "INCLUDE"), r + "\\接口");
    EXPECT_EQ(Get(env, "接口文件路径"), r + "\\接口");
    EXPECT_EQ(Get(env, "QNB_MOYUYAN"), r);

    // The C interface folder joins INCLUDE when it exists.
    ::CreateDirectoryA((r + "\\接口").c_str(), nullptr);
    ::CreateDirectoryA((r + "\\接口\\c").c_str(), nullptr);
    BuildChildEnvironment(r.c_str(), true, SavedFrom(env), env);
    EXPECT_EQ(Get(env, "INCLUDE"), r + "\\接口;" + r + "\\接口\\c");
}

TEST(ChildEnvironment, EnvironmentFileLines)
{
    Installation install("PATH=C:\\x\r\n"
                         "命令目录=.\\y\r\n"
                         "  ; comment=1\r\n"
                         "；注释=1\r\n"
                         "【注释】=1\r\n"
                         "// comment=1\r\n"
                         "=nameless\r\n"
                         "no equals sign\r\n"
                         "LIB=..\\z   \r\n"
                         "接口目录= .w\r\n"
                         "!ABC=D:\\t\r\n"
                         "DEF=D:\\t\r\n"
                         "NEW=.\\n\r\n",
                         true);
    const std::string r = install.root;
    ::CreateDirectoryA((install.dir / "vc").c_str(), nullptr);  // a compiler beside it is not used
    EnvironmentTable env;
    env.Set("PATH", "C:\\old");
    env.Set("LIB", "C:\\oldlib");
    env.Set("ABC", "old abc");
    env.Set("DEF", "old def");
    BuildChildEnvironment(r.c_str(), true, SavedFrom(env), env);

    EXPECT_EQ(Get(env, "PATH"), r + "\\命令;" + r + "\\命令\\bat;C:\\x;" + r + "\\y;C:\\old");
    EXPECT_EQ(Get(env, "LIB"), r + "\\..\\z;" + r + "\\库");  // the inherited LIB is dropped
    // Leading blanks of a value stay, so " .w" is taken as it stands.
    EXPECT_EQ(Get(env, "INCLUDE"), r + "\\接口; .w");
    EXPECT_EQ(Get(env, "ABC"), "D:\\t");
    EXPECT_EQ(Get(env, "DEF"), "D:\\t;old def");
    EXPECT_EQ(Get(env, "NEW"), r + "\\n");
    EXPECT_EQ(Get(env, "comment"), "<absent>");
}

TEST(ChildEnvironment, DetectedCompilerFolders)
{
    Installation install;
    const std::string r = install.root;
    const std::string parent = install.dir.Path();
    ::CreateDirectoryA((parent + "\\vc").c_str(), nullptr);

    EnvironmentTable env;
    BuildChildEnvironment(r.c_str(), false, SavedEnvironment(), env);
    EXPECT_EQ(Get(env, "LIB"), r + "\\库");  // detection switched off

    BuildChildEnvironment(r.c_str(), true, SavedEnvironment(), env);
    EXPECT_EQ(Get(env, "PATH"), r + "\\命令;" + r + "\\命令\\bat;" + parent + "\\vc\\bin");
    EXPECT_EQ(Get(env, "LIB"), parent + "\\vc\\lib;" + r + "\\库");
    EXPECT_EQ(Get(env, "INCLUDE"), r + "\\接口;" + parent + "\\vc\\include;" + parent + "\\vc\\mfc\\include");

    // The installation's own compiler wins over its parent's.
    ::CreateDirectoryA((r + "\\vc").c_str(), nullptr);
    EXPECT_EQ(S(DetectCompilerFolders(r.c_str()).lib), r + "\\vc\\lib");
}

TEST(ChildEnvironment, SavedValuesComeBack)
{
    EnvironmentTable env;
    env.Set("PATH", "C:\\old");
    env.Set("include", "");  // empty counts as absent
    SavedEnvironment saved = SavedFrom(env);
    env.Set("PATH", "changed");
    env.Set("LIB", "changed");
    saved.Restore(env);
    EXPECT_EQ(Get(env, "PATH"), "C:\\old");
    EXPECT_EQ(Get(env, "LIB"), "changed");

    // The process's own variables, of any length.
    // Past the first 4096-character buffer, with double-byte characters.
    std::string longValue = std::string(10000, 'v') + "\\安装\\命令";
    ASSERT_TRUE(::SetEnvironmentVariableA("MOYU_SHELL_TEST", longValue.c_str()));
    CString value;
    bool present = false;
    ASSERT_TRUE(ReadEnvironmentValue("MOYU_SHELL_TEST", value, present));
    EXPECT_TRUE(present);
    EXPECT_EQ(S(value), longValue);
    ::SetEnvironmentVariableA("MOYU_SHELL_TEST", nullptr);
    CString kept = "kept";
    present = false;
    ASSERT_TRUE(ReadEnvironmentValue("MOYU_SHELL_TEST", kept, present));
    EXPECT_FALSE(present);
    EXPECT_EQ(S(kept), "kept");
}
