#include "editor/settings/SettingsFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editor/settings/SettingsStream.h"
#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

UserToolTable SampleTools()
{
    UserToolTable tools;
    tools[0].vk = VK_F5;
    tools[0].modifiers = kModCtrl | kModShift;
    tools[0].name = "编译";
    tools[0].command = "墨语言.exe";
    tools[0].arguments = "$(文件名)";
    tools[0].initialFolder = "C:\\项目";
    tools[0].captureOutput = 1;
    tools[15].name = "转换";
    tools[15].hideWindow = 1;
    return tools;
}

MacroSlotTable SampleMacros()
{
    MacroSlotTable macros;
    macros[2].vk = 'M';
    macros[2].name = "宏";
    for (int i = 0; i < 3; ++i) {
        macros[2].kinds.AddTail(i);
        macros[2].values1.AddTail(-i);
        macros[2].values2.AddTail(100 + i);
    }
    macros[2].texts.AddTail("中文");
    macros[2].texts.AddTail("");
    return macros;
}

FtpAccountTable SampleAccounts()
{
    FtpAccountTable accounts;
    accounts[1].title = "站点";
    accounts[1].host = "127.0.0.1";
    accounts[1].user = "me";
    accounts[1].password = "秘密\x01\xFFpw";
    accounts[1].savePassword = 1;
    accounts[1].passive = 1;
    accounts[1].port = 2121;
    accounts[3].title = "无密码";
    accounts[3].password = "forgotten";
    accounts[3].passwordKnown = 1;
    return accounts;
}

bool SameTool(const CUserCommand& a, const CUserCommand& b)
{
    return a.vk == b.vk && a.modifiers == b.modifiers && a.name == b.name && a.command == b.command &&
           a.arguments == b.arguments && a.initialFolder == b.initialFolder && a.closeOnExit == b.closeOnExit &&
           a.shortNames == b.shortNames && a.captureOutput == b.captureOutput && a.saveBeforeRun == b.saveBeforeRun &&
           a.hideWindow == b.hideWindow;
}

std::string Items(const IntList& list)
{
    std::string text;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        text += std::to_string(list.GetNext(pos)) + ",";
    return text;
}

std::string Items(const StringList& list)
{
    std::string text;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        text += S(list.GetNext(pos)) + ",";
    return text;
}

bool SameMacro(const CUserMacro& a, const CUserMacro& b)
{
    return a.vk == b.vk && a.modifiers == b.modifiers && a.name == b.name && Items(a.kinds) == Items(b.kinds) &&
           Items(a.values1) == Items(b.values1) && Items(a.values2) == Items(b.values2) &&
           Items(a.texts) == Items(b.texts);
}

bool SameAccount(const CFtpSiteRecord& a, const CFtpSiteRecord& b)
{
    return a.title == b.title && a.host == b.host && a.user == b.user && a.password == b.password &&
           a.folder == b.folder && a.savePassword == b.savePassword && a.passive == b.passive &&
           a.useInternetClasses == b.useInternetClasses && a.serverType == b.serverType && a.port == b.port;
}

// One table file kind, reached through its save and load and a comparison.
struct TableFile {
    const char* name;
    std::function<bool(const char*)> saveSample;
    // Loads into a table holding a marker; true when loaded, and whether the marker stayed.
    std::function<bool(const char*, bool& unchanged)> load;
};

std::vector<TableFile> TableFiles()
{
    return {
        {"tools", [](const char* p) { return SaveUserCommands(p, SampleTools()); },
         [](const char* p, bool& unchanged) {
             UserToolTable table;
             table[4].name = "marker";
             bool loaded = LoadUserCommands(p, table);
             unchanged = table[4].name == "marker" && table[0].name.IsEmpty();
             return loaded;
         }},
        {"macros", [](const char* p) { return SaveUserMacros(p, SampleMacros()); },
         [](const char* p, bool& unchanged) {
             MacroSlotTable table;
             table[4].name = "marker";
             bool loaded = LoadUserMacros(p, table);
             unchanged = table[4].name == "marker" && table[2].kinds.IsEmpty();
             return loaded;
         }},
        {"accounts", [](const char* p) { return SaveFtpAccounts(p, SampleAccounts()); },
         [](const char* p, bool& unchanged) {
             FtpAccountTable table;
             table[4].title = "marker";
             bool loaded = LoadFtpAccounts(p, table);
             unchanged = table[4].title == "marker" && table[1].host.IsEmpty();
             return loaded;
         }},
    };
}

} // namespace

TEST(SettingsFiles, TablesComeBackAsSaved)
{
    TempDir dir;
    std::string path = dir / "vuze.工具";
    ASSERT_TRUE(SaveUserCommands(path.c_str(), SampleTools()));
    UserToolTable tools;
    ASSERT_TRUE(LoadUserCommands(path.c_str(), tools));
    UserToolTable expectedTools = SampleTools();
    for (int i = 0; i < kUserToolCount; ++i)
        EXPECT_TRUE(SameTool(tools[i], expectedTools[i])) << i;

    path = dir / "vuze.宏";
    ASSERT_TRUE(SaveUserMacros(path.c_str(), SampleMacros()));
    MacroSlotTable macros;
    macros[0].name = "replaced";
    ASSERT_TRUE(LoadUserMacros(path.c_str(), macros));
    MacroSlotTable expectedMacros = SampleMacros();
    for (int i = 0; i < kMacroSlotCount; ++i)
        EXPECT_TRUE(SameMacro(macros[i], expectedMacros[i])) << i;

    path = dir / "vuze.FTP";
    ASSERT_TRUE(SaveFtpAccounts(path.c_str(), SampleAccounts()));
    FtpAccountTable accounts;
    ASSERT_TRUE(LoadFtpAccounts(path.c_str(), accounts));
    FtpAccountTable expected = SampleAccounts();
    // A password is kept only when the account saves it; "known" is never stored.
    expected[3].password.Empty();
    for (int i = 0; i < kFtpAccountCount; ++i)
        EXPECT_TRUE(SameAccount(accounts[i], expected[i])) << i;
    EXPECT_EQ(accounts[3].passwordKnown, 0);
    // The stored password is not the plain text.
    EXPECT_EQ(TempDir::ReadFile(path).find("pw"), std::string::npos);
}

TEST(SettingsFiles, DamagedFilesLoadNothing)
{
    TempDir dir;
    for (const TableFile& kind : TableFiles()) {
        SCOPED_TRACE(kind.name);
        std::string path = dir / kind.name;
        ASSERT_TRUE(kind.saveSample(path.c_str()));
        const std::string whole = TempDir::ReadFile(path);
        bool unchanged = false;
        ASSERT_TRUE(kind.load(path.c_str(), unchanged));

        // Every truncation, a missing file and a version line one byte off.
        for (size_t length = 0; length < whole.size(); ++length) {
            dir.WriteFile(kind.name, whole.substr(0, length));
            ASSERT_FALSE(kind.load(path.c_str(), unchanged)) << length;
            ASSERT_TRUE(unchanged) << length;
        }
        std::string version = whole;
        version[version.find("1.0") + 2] = '1';
        dir.WriteFile(kind.name, version);
        EXPECT_FALSE(kind.load(path.c_str(), unchanged));
        EXPECT_TRUE(unchanged);
        EXPECT_FALSE(kind.load((dir / "missing").c_str(), unchanged));
        EXPECT_TRUE(unchanged);
    }
}

TEST(SettingsFiles, StoredLengthsAndCountsAreChecked)
{
    TempDir dir;
    auto tool = [](SettingsWriter& out, uint32_t nameLength) {
        out.U16(0);
        out.U16(0);
        out.U32(nameLength);
        out.Bytes(std::string(nameLength < 5000 ? nameLength : 0, 'x').data(), nameLength < 5000 ? nameLength : 0);
        for (int i = 0; i < 3; ++i)
            out.String("");
        for (int i = 0; i < 5; ++i)
            out.I32(0);
    };
    auto loadTools = [](const char* p) {
        UserToolTable table;
        return LoadUserCommands(p, table);
    };
    auto account = [](SettingsWriter& out, uint32_t titleLength) {
        out.String(CString('t', (int)titleLength));
        for (int i = 0; i < 4; ++i)
            out.String("");
        for (int i = 0; i < 5; ++i)
            out.I32(0);
    };
    auto loadAccounts = [](const char* p) {
        FtpAccountTable table;
        return LoadFtpAccounts(p, table);
    };
    auto macroWithTextCount = [](SettingsWriter& out, uint32_t count) {
        out.U16(0);
        out.U16(0);
        out.String("");
        for (int i = 0; i < 3; ++i)
            out.U32(0);
        out.U32(count);
        for (uint32_t i = 0; i < count && i < 100; ++i)
            out.String("a");
    };
    auto loadMacros = [](const char* p) {
        MacroSlotTable table;
        return LoadUserMacros(p, table);
    };
    struct Expect {
        const char* what;
        const char* version;
        std::function<void(SettingsWriter&, uint32_t)> record;
        int records;
        uint32_t firstValue;
        std::function<bool(const char*)> load;
        bool loads;
    };
    const Expect cases[] = {
        {"tool name of 4095 bytes", "用户命令 1.0", tool, 16, 4095, loadTools, true},
        {"tool name of 4096 bytes", "用户命令 1.0", tool, 16, 4096, loadTools, false},
        {"tool name longer than the file", "用户命令 1.0", tool, 16, 0x7FFFFFFF, loadTools, false},
        {"account title of 2048 bytes", "FTP帐户 1.0", account, 16, 2048, loadAccounts, true},
        {"account title of 2049 bytes", "FTP帐户 1.0", account, 16, 2049, loadAccounts, false},
        {"macro with 3 texts", "用户宏 1.0", macroWithTextCount, 11, 3, loadMacros, true},
        {"macro claiming a billion texts", "用户宏 1.0", macroWithTextCount, 11, 1000000000u, loadMacros, false},
    };
    for (const Expect& c : cases) {
        SettingsWriter out;
        out.Version(c.version);
        c.record(out, c.firstValue);
        for (int i = 1; i < c.records; ++i)
            c.record(out, 0);
        std::string path = dir.WriteFile("records", out.Data());
        EXPECT_EQ(c.load(path.c_str()), c.loads) << c.what;
    }
}

TEST(SettingsFiles, ColorSchemeHoldsExactlyFiftyColours)
{
    TempDir dir;
    std::string path = dir / "vuze.配色";
    ColorTable colors;
    for (int i = 0; i < kColorCount; ++i)
        colors[i] = 0x010203u * (uint32_t)i;
    ASSERT_TRUE(SaveColorScheme(path.c_str(), colors));
    const std::string whole = TempDir::ReadFile(path);
    ASSERT_EQ(whole.size(), std::string("颜色设置 1.0").size() + 200);
    // The special entries come first.
    EXPECT_EQ(whole.substr(whole.size() - 200, 4), std::string("\x78\x50\x28\x00", 4));

    ColorTable loaded = {};
    ASSERT_TRUE(LoadColorScheme(path.c_str(), loaded));
    for (int i = 0; i < kColorCount; ++i)
        EXPECT_EQ(loaded[i], colors[i]) << i;

    ColorTable untouched = {};
    for (const std::string& damaged : {whole + "x", whole.substr(0, whole.size() - 1)}) {
        dir.WriteFile("vuze.配色", damaged);
        EXPECT_FALSE(LoadColorScheme(path.c_str(), untouched));
        EXPECT_EQ(untouched[41], 0u);
    }
}

TEST(SettingsRecords, AccountNames)
{
    struct Case {
        const char *title, *host, *user;
        const char *expectedTitle, *url, *account;
    };
    const Case cases[] = {
        {"", "h", "u", "- 空 -", "ftp://u@h", "u@h"},
        {"站点", "", "u", "站点", "", ""},
        {"站点", "h", "u", "站点 [ftp://u@h]", "ftp://u@h", "u@h"},
        {"站点", "h", "", "站点 [ftp://h]", "ftp://h", "h"},
    };
    for (const Case& c : cases) {
        CFtpSiteRecord record;
        record.title = c.title;
        record.host = c.host;
        record.user = c.user;
        EXPECT_EQ(S(record.GetTitle()), c.expectedTitle);
        EXPECT_EQ(S(record.GetUrl()), c.url);
        EXPECT_EQ(S(record.GetAccountName()), c.account);
    }
}

TEST(SettingsRecords, PasswordScramblingIsUndone)
{
    CString all;
    for (int b = 1; b < 256; ++b)
        all += (char)b;
    CString stored = ScramblePassword(all);
    EXPECT_EQ(stored.GetLength(), 255);
    EXPECT_NE(S(stored), S(all));
    EXPECT_EQ(S(UnscramblePassword(stored)), S(all));
    // Only 255 bytes are kept.
    EXPECT_EQ(ScramblePassword(all + "x").GetLength(), 255);
}

TEST(SettingsRecords, KeyText)
{
    CUserCommand command;
    command.modifiers = kModCtrl | kModAlt | kModShift;
    command.vk = 0;  // no key: no text, whatever the modifiers
    EXPECT_EQ(S(command.GetKeyText()), "");
    command.vk = 'A';
    EXPECT_EQ(S(command.GetKeyText()), "Ctrl+Alt+Shift+A");
}
