#include "editor/util/ShellHelpers.h"

#include "editor/util/Registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string S(const CString& text) { return static_cast<const char*>(text); }

// Sets an environment variable for the test's lifetime and puts the old value back.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name, const char* value) : m_name(name)
    {
        char buffer[4096];
        DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
        m_had = length > 0 && length < sizeof buffer;
        if (m_had) m_saved.assign(buffer, length);
        SetEnvironmentVariableA(name, value);
    }
    ~EnvironmentGuard() { SetEnvironmentVariableA(m_name.c_str(), m_had ? m_saved.c_str() : nullptr); }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    std::string m_name;
    std::string m_saved;
    bool m_had = false;
};

// Owns a menu and the submenus attached to it.
class MenuGuard {
public:
    MenuGuard() : m_menu(CreateMenu()) {}
    ~MenuGuard() { DestroyMenu(m_menu); }
    MenuGuard(const MenuGuard&) = delete;
    MenuGuard& operator=(const MenuGuard&) = delete;
    HMENU Get() const { return m_menu; }

private:
    HMENU m_menu;
};

TEST(ShellHelpers, CommandInterpreterComesFromComspec)
{
    {
        EnvironmentGuard comspec("COMSPEC", "C:\\windows\\system32\\cmd.exe");
        EXPECT_EQ(S(GetCommandInterpreter()), "C:\\windows\\system32\\cmd.exe");
    }
    {
        const std::string longest(kCommandInterpreterMaxBytes - 1, 'c');
        EnvironmentGuard comspec("COMSPEC", longest.c_str());
        EXPECT_EQ(S(GetCommandInterpreter()), longest);
    }
    {
        EnvironmentGuard comspec("COMSPEC", std::string(kCommandInterpreterMaxBytes, 'c').c_str());
        EXPECT_EQ(S(GetCommandInterpreter()), "");
    }
    {
        EnvironmentGuard comspec("COMSPEC", nullptr);
        EXPECT_EQ(S(GetCommandInterpreter()), "");
    }
}

TEST(ShellHelpers, OpenCommandIsCutAtPlaceholder)
{
    const struct {
        const char* command;
        const char* cut;
    } cases[] = {
        {"\"C:\\Program Files\\Web\\web.exe\" -nohome \"%1\"", "\"C:\\Program Files\\Web\\web.exe\" -nohome "},
        {"C:\\web.exe %1", "C:\\web.exe "},
        {"C:\\web.exe %1 %2", "C:\\web.exe "},
        {"C:\\web.exe", "C:\\web.exe"},
        {"\"%1\"", ""},
        {"%1", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(S(CutAtOpenPlaceholder(c.command)), c.cut) << c.command;
}

// Registers a made-up class for ".htm" when the prefix has none, and removes it again.
class HtmlAssociationTest : public testing::Test {
protected:
    void SetUp() override
    {
        HKEY existing;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_QUERY_VALUE, &existing) == ERROR_SUCCESS) {
            RegCloseKey(existing);
            GTEST_SKIP() << "the prefix already associates .htm; leaving it alone";
        }
        m_created = true;
    }
    void TearDown() override
    {
        if (!m_created) return;
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_className + "\\shell\\open\\command").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_className + "\\shell\\open").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_className + "\\shell").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, m_className.c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
    }

    void Associate(const char* command)
    {
        ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".htm", nullptr, m_className.c_str()));
        ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, (m_className + "\\shell\\open\\command").c_str(), nullptr, command));
    }

    const std::string m_className = "MoyuUtilTest.htmlfile" + std::to_string(GetCurrentProcessId());
    bool m_created = false;
};

TEST_F(HtmlAssociationTest, MissingAssociationGivesEmptyCommand)
{
    EXPECT_EQ(S(GetHtmlOpenCommand()), "");
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".htm", nullptr, m_className.c_str()));
    EXPECT_EQ(S(GetHtmlOpenCommand()), "");  // class without an open command
}

TEST_F(HtmlAssociationTest, CommandIsReadThroughTheClassAndCut)
{
    Associate("\"C:\\浏览器\\web.exe\" -nohome \"%1\"");
    EXPECT_EQ(S(GetHtmlOpenCommand()), "\"C:\\浏览器\\web.exe\" -nohome ");
}

// The fallback used to append the target bare, so a path with blanks reached the browser
// as several arguments.
TEST(ShellHelpers, FallbackQuotesTheTarget)
{
    const char* command = "\"C:\\Program Files\\Web\\web.exe\" ";
    const struct {
        const char* target;
        const char* line;
    } cases[] = {
        {"C:\\My Documents\\帮助\\入门指南.html",
         "\"C:\\Program Files\\Web\\web.exe\"  \"C:\\My Documents\\帮助\\入门指南.html\""},
        {"http://example.com/a b?x=1&y=2", "\"C:\\Program Files\\Web\\web.exe\"  \"http://example.com/a b?x=1&y=2\""},
        {"C:\\folder\\", "\"C:\\Program Files\\Web\\web.exe\"  \"C:\\folder\\\\\""},
        // A trail byte 0x5C is part of its character and needs no doubling.
        {"C:\\x\x81\x5C", "\"C:\\Program Files\\Web\\web.exe\"  \"C:\\x\x81\x5C\""},
    };
    for (const auto& c : cases) {
        CString line;
        EXPECT_TRUE(BuildHtmlFallbackCommand(command, c.target, line)) << c.target;
        EXPECT_EQ(S(line), c.line);
    }
}

TEST(ShellHelpers, FallbackRefusesTargetsThatBreakTheQuoting)
{
    CString line = "unchanged";
    EXPECT_FALSE(BuildHtmlFallbackCommand("web.exe", "a\" --evil \"b", line));
    EXPECT_FALSE(BuildHtmlFallbackCommand("web.exe", "", line));
    EXPECT_FALSE(BuildHtmlFallbackCommand("", "page.html", line));
    EXPECT_FALSE(BuildHtmlFallbackCommand(nullptr, "page.html", line));
    EXPECT_EQ(S(line), "unchanged");
}

TEST(ShellHelpers, ShellOpenOfNothingFails)
{
    EXPECT_LE(ShellOpenDocument("", SW_SHOW), 32);
    EXPECT_LE(ShellOpenDocument(nullptr, SW_SHOW), 32);
}

TEST(ShellHelpers, FindSubMenuByExactText)
{
    MenuGuard bar;
    HMENU file = CreatePopupMenu();
    HMENU view = CreatePopupMenu();
    const std::string longText(300, 'm');
    HMENU longMenu = CreatePopupMenu();
    AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
    AppendMenuA(bar.Get(), MF_STRING, 100, "编辑");
    AppendMenuA(bar.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(longMenu), longText.c_str());
    AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(view), "查看(&V)");

    EXPECT_EQ(FindSubMenuByText(bar.Get(), "文件(&F)"), file);
    EXPECT_EQ(FindSubMenuByText(bar.Get(), "查看(&V)"), view);
    EXPECT_EQ(FindSubMenuByText(bar.Get(), "文件"), nullptr);      // exact text only
    EXPECT_EQ(FindSubMenuByText(bar.Get(), "文件(&f)"), nullptr);
    EXPECT_EQ(FindSubMenuByText(bar.Get(), "编辑"), nullptr);      // an item without submenu
    EXPECT_EQ(FindSubMenuByText(bar.Get(), "none"), nullptr);
    // A text past the read limit is never taken for its cut-off start.
    EXPECT_EQ(FindSubMenuByText(bar.Get(), longText.substr(0, kMenuTextMaxBytes - 1).c_str()), nullptr);
    EXPECT_EQ(FindSubMenuByText(nullptr, "文件(&F)"), nullptr);
}

}  // namespace
