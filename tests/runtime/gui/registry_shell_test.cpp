#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "temp_dir.h"
#include "wait.h"
#include "runtime/源码/外壳支持.h"
#include "runtime/源码/视窗.h"

namespace {

// Names of this process's own, so that test runs sharing the prefix do not meet.
std::string OwnName(const char* stem)
{
    return stem + std::to_string(GetCurrentProcessId());
}

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, Key()); }

    const char* Key() const { return m_key.c_str(); }

    const std::string m_key = OwnName("Software\\MoyuGuiTest");

    // Stores bytes as a REG_SZ value exactly as given, without adding a NUL.
    void PutRawString(const char* name, const std::string& bytes)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Key(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                  &key, nullptr), ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }
};

TEST_F(RegistryTest, WriteReadAndDelete)
{
    ASSERT_EQ(WndRegWrite(HKEY_CURRENT_USER, Key(), "名字", "墨语言"), 1);
    char buffer[32];
    ASSERT_EQ(WndRegRead(HKEY_CURRENT_USER, Key(), "名字", buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "墨语言");

    EXPECT_EQ(WndRegDeleteValue(HKEY_CURRENT_USER, Key(), "名字"), 1);
    EXPECT_EQ(WndRegRead(HKEY_CURRENT_USER, Key(), "名字", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(WndRegDeleteValue(HKEY_CURRENT_USER, Key(), "名字"), 0);
    EXPECT_EQ(WndRegDeleteKey(HKEY_CURRENT_USER, Key()), 1);
    EXPECT_EQ(WndRegDeleteKey(HKEY_CURRENT_USER, Key()), 0);
    EXPECT_EQ(WndRegRead(HKEY_CURRENT_USER, Key(), "名字", buffer, sizeof buffer), 0);
}

TEST_F(RegistryTest, ReadIntoTooSmallBufferFails)
{
    WndRegWrite(HKEY_CURRENT_USER, Key(), "v", "abcdef");
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(WndRegRead(HKEY_CURRENT_USER, Key(), "v", buffer, sizeof buffer), 0);
    EXPECT_EQ(WndRegRead(HKEY_CURRENT_USER, Key(), "v", nullptr, 10), 0);
    EXPECT_EQ(WndRegRead(HKEY_CURRENT_USER, Key(), "v", buffer, 0), 0);
}

TEST_F(RegistryTest, RegReadTerminatesAStringStoredWithoutNul)
{
    PutRawString("raw", "abc");
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_EQ(WndRegRead(HKEY_CURRENT_USER, Key(), "raw", buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "abc");
}

TEST_F(RegistryTest, RegReadRefusesAnUnterminatedStringThatFillsTheBuffer)
{
    PutRawString("raw", "abcd");
    char buffer[4];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(WndRegRead(HKEY_CURRENT_USER, Key(), "raw", buffer, sizeof buffer), 0);
    EXPECT_EQ(buffer[0], '\0');
}

TEST(Environment, GetEnvAndCommandShell)
{
    SetEnvironmentVariableA("MOYU_GUI_TEST", "value");
    char buffer[16] = {};
    EXPECT_EQ(WndGetEnv("MOYU_GUI_TEST", buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "value");
    EXPECT_EQ(WndGetEnv("MOYU_GUI_TEST", buffer, 2), 6u);  // too small: the size needed
    SetEnvironmentVariableA("MOYU_GUI_TEST", nullptr);

    char expected[MAX_PATH] = {}, shell[MAX_PATH] = {};
    GetEnvironmentVariableA("COMSPEC", expected, sizeof expected);
    WndGetCommandShell(shell, sizeof shell);
    EXPECT_STREQ(shell, expected);
}

TEST(BrowserCommand, CutBeforeTheArgument)
{
    struct {
        const char* command;
        const char* expected;
    } cases[] = {
        {"\"C:\\浏览器\\b.exe\" \"%1\"", "\"C:\\浏览器\\b.exe\" "},
        {"C:\\b.exe %1", "C:\\b.exe "},
        {"C:\\b.exe -nohome", "C:\\b.exe -nohome"},
        {"b.exe %1 \"%1\"", "b.exe %1 "},
    };
    for (const auto& c : cases) {
        char text[64];
        std::strcpy(text, c.command);
        EXPECT_EQ(VdCutBrowserArgument(text), static_cast<int>(std::strlen(c.expected)));
        EXPECT_STREQ(text, c.expected);
    }
}

TEST(BrowserCommand, OpenDocumentFallbackQuotesTheFileName)
{
    char command[64];
    ASSERT_EQ(VdBuildOpenCommand("b.exe", "C:\\My Files\\a b.htm", command, sizeof command), 1);
    EXPECT_STREQ(command, "b.exe \"C:\\My Files\\a b.htm\"");
    EXPECT_EQ(VdBuildOpenCommand("b.exe", "C:\\long name.htm", command, 20), 0);
    EXPECT_STREQ(command, "");
}

// Points .htm at a class of the test's own in the private prefix and restores it after.
class BrowserCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char old[520] = {};
        m_hadClass = WndRegRead(HKEY_CLASSES_ROOT, ".htm", nullptr, old, sizeof old) == 1;
        m_oldClass = old;
        ASSERT_EQ(WndRegWrite(HKEY_CLASSES_ROOT, ".htm", nullptr, m_class.c_str()), 1);
    }
    void TearDown() override
    {
        for (const char* below : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
            RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_class + below).c_str());
        // Put the old class back only while .htm still names ours.
        char now[520] = {};
        if (!WndRegRead(HKEY_CLASSES_ROOT, ".htm", nullptr, now, sizeof now) || m_class != now)
            return;
        if (m_hadClass)
            WndRegWrite(HKEY_CLASSES_ROOT, ".htm", nullptr, m_oldClass.c_str());
        else
            WndRegDeleteValue(HKEY_CLASSES_ROOT, ".htm", nullptr);
    }
    void SetCommand(const std::string& bytes, bool withNul = true)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, (m_class + "\\shell\\open\\command").c_str(), 0,
                                  nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.c_str()),
                       static_cast<DWORD>(bytes.size() + (withNul ? 1 : 0)));
        RegCloseKey(key);
    }

    const std::string m_class = OwnName("MoyuGuiTest.htm");
    bool m_hadClass = false;
    std::string m_oldClass;
};

TEST_F(BrowserCommandTest, ReadsTheCommandWithoutItsArgument)
{
    SetCommand("\"C:\\浏览器\\b.exe\" -x \"%1\"");
    char buffer[64];
    EXPECT_EQ(WndGetBrowserCommand(buffer, sizeof buffer), 21);
    EXPECT_STREQ(buffer, "\"C:\\浏览器\\b.exe\" -x ");
}

TEST_F(BrowserCommandTest, TooSmallBufferGivesZeroAndATerminatedText)
{
    SetCommand("C:\\b.exe %1");
    char buffer[5];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(WndGetBrowserCommand(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "C:\\b");
    EXPECT_EQ(WndGetBrowserCommand(nullptr, 10), 0);
    EXPECT_EQ(WndGetBrowserCommand(buffer, 0), 0);
}

TEST_F(BrowserCommandTest, BrowserCommandStoredWithoutNulIsTerminated)
{
    SetCommand("C:\\b.exe", false);
    char buffer[64];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(WndGetBrowserCommand(buffer, sizeof buffer), 8);
    EXPECT_STREQ(buffer, "C:\\b.exe");
}

TEST_F(BrowserCommandTest, BrowserCommandFillingTheWorkBufferIsRefused)
{
    SetCommand(std::string(kBrowserWorkSize, 'a'), false);
    char buffer[kBrowserWorkSize + 8];
    EXPECT_EQ(WndGetBrowserCommand(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

TEST_F(BrowserCommandTest, OpenDocumentFallsBackToTheBrowserWithTheQuotedName)
{
    // The "browser" writes a file named by its argument; unquoted, a name with a blank
    // would have been two arguments.
    char shell[MAX_PATH] = {};
    ASSERT_GT(WndGetCommandShell(shell, sizeof shell), 0u);
    SetCommand(std::string(shell) + " /c echo>\"%1\"");
    TempDir temp;
    std::string target = temp / "not yet here";
    INT_PTR result = WndOpenDocument(target.c_str(), SW_HIDE);
    EXPECT_GT(result, 31);
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    // The shell may still hold the file it has just written.
    WaitUntil([&] { return DeleteFileA(target.c_str()) != FALSE; });
}

// A file type of the test's own whose print, explore and open verbs each leave a file
// named after the verb beside the document.
class ShellVerbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char shell[MAX_PATH] = {};
        ASSERT_GT(WndGetCommandShell(shell, sizeof shell), 0u);
        ASSERT_EQ(WndRegWrite(HKEY_CLASSES_ROOT, m_extension.c_str(), nullptr, m_class.c_str()), 1);
        for (const char* verb : {"print", "explore", "open"}) {
            std::string key = m_class + "\\shell\\" + verb + "\\command";
            std::string command = std::string(shell) + " /c echo>\"%1." + verb + "\"";
            ASSERT_EQ(WndRegWrite(HKEY_CLASSES_ROOT, key.c_str(), nullptr, command.c_str()), 1);
        }
    }
    void TearDown() override
    {
        for (const char* verb : {"print", "explore", "open"}) {
            std::string key = m_class + "\\shell\\" + verb;
            RegDeleteKeyA(HKEY_CLASSES_ROOT, (key + "\\command").c_str());
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
        }
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_class + "\\shell").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, m_class.c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, m_extension.c_str());
    }
    static bool Appears(const std::string& file)
    {
        return WaitUntil([&] { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; });
    }

    const std::string m_extension = "." + OwnName("moyuverb");
    const std::string m_class = OwnName("MoyuGuiTest.verbs");
    TempDir m_temp;
};

TEST_F(ShellVerbTest, VerbWordsReachTheirShellVerbs)
{
    std::string document = m_temp.WriteFile("doc" + m_extension, "x");
    struct {
        KindWord word;
        const char* verb;
    } cases[] = {{打印, "print"}, {浏览, "explore"}, {0, "open"}, {显示, "open"}};
    for (const auto& c : cases) {
        std::string mark = document + "." + c.verb;
        DeleteFileA(mark.c_str());
        HINSTANCE result = WndShellExecute(nullptr, c.word, document.c_str(), nullptr,
                                           m_temp.Path().c_str(), SW_HIDE);
        EXPECT_GT(reinterpret_cast<INT_PTR>(result), 32) << c.verb;
        EXPECT_TRUE(Appears(mark)) << c.verb;
        WaitUntil([&] { return DeleteFileA(mark.c_str()) != FALSE; });
    }
}

TEST(ShellHelpers, SetConsoleCursorKeepsStandardOutputOpen)
{
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD flags = 0;
    ASSERT_TRUE(GetHandleInformation(output, &flags));
    WndSetConsoleCursor(0, 0);
    EXPECT_EQ(GetStdHandle(STD_OUTPUT_HANDLE), output);
    EXPECT_TRUE(GetHandleInformation(output, &flags));
}

}  // namespace
