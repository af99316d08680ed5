// Every file the IDE writes for its settings, projects and workspaces, on a full disk and
// with damaged contents: a failed write leaves the old file whole, and a damaged settings
// file is kept beside the defaults that replace it.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/settings/EditorSettings.h"
#include "editor/settings/ProjectFile.h"
#include "editor/settings/ProjectSettingsFile.h"
#include "editor/settings/SettingsFiles.h"
#include "editor/settings/StartupSettings.h"
#include "editor/settings/TextSettings.h"
#include "framework/FileSpaceLimit.h"
#include "temp_dir.h"

namespace {

// The names in the folder, "." and ".." aside.
std::vector<std::string> Names(const TempDir& dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((dir / "*").c_str(), &found);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &found))
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
            names.push_back(found.cFileName);
    if (find != INVALID_HANDLE_VALUE)
        ::FindClose(find);
    return names;
}

} // namespace

TEST(SettingsWrites, AFullDiskLeavesTheOldFileWhole)
{
    // Each writer, given a flag that makes its second content differ from its first.
    using Writer = std::function<bool(const char* path, bool second)>;
    const struct {
        const char* name;
        Writer write;
    } writers[] = {
        {"vuze.配置", [](const char* path, bool second) {
             CEditorSettings settings;
             ResetConfigDefaults(settings);
             settings.view.tabSize = second ? 8 : 4;
             return SaveConfig(path, settings);
         }},
        {"vuze.FTP", [](const char* path, bool second) {
             FtpAccountTable accounts;
             accounts[0].title = second ? "第二" : "第一";
             return SaveFtpAccounts(path, accounts);
         }},
        {"工程.项目", [](const char* path, bool second) {
             ProjectTree tree;
             tree.Create(path);
             tree.AddCategory(&tree.Root(), second ? "乙" : "甲");
             return WriteProjectFile(path, tree, {}, "1") == ProjectFileStatus::ok;
         }},
        {"工程.工作区", [](const char* path, bool second) {
             WorkspaceDocument document;
             document.path = second ? "C:\\b.墨" : "C:\\a.墨";
             return WriteWorkspaceFile(path, {document}, "1") == ProjectFileStatus::ok;
         }},
        {"工程.设置", [](const char* path, bool second) {
             ProjectSettings settings;
             settings.compileArgs = second ? "-O2" : "-O1";
             return WriteProjectSettings(path, settings);
         }},
        {"项目目录.文本", [](const char* path, bool second) {
             return WriteDefaultFolderFile(path, second ? "D:\\二" : "C:\\一");
         }},
    };
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer.name);
        TempDir dir;
        const std::string path = dir / writer.name;
        ASSERT_TRUE(writer.write(path.c_str(), false));
        const std::string first = TempDir::ReadFile(path);
        ASSERT_FALSE(first.empty());
        {
            CFileSpaceLimit full(first.size() / 2);
            EXPECT_FALSE(writer.write(path.c_str(), true));
        }
        EXPECT_EQ(first, TempDir::ReadFile(path));
        EXPECT_EQ(std::vector<std::string>{writer.name}, Names(dir));  // no scratch file left
        ASSERT_TRUE(writer.write(path.c_str(), true));
        EXPECT_NE(first, TempDir::ReadFile(path));
    }
}

TEST(SettingsWrites, ADamagedSettingsFileIsKeptBesideTheDefaults)
{
    TempDir dir;
    CEditorSettings saved;
    ResetConfigDefaults(saved);
    saved.view.tabSize = 8;
    ASSERT_TRUE(SaveConfig((dir / "vuze.配置").c_str(), saved));
    FtpAccountTable accounts;
    accounts[2].title = "服务器";
    ASSERT_TRUE(SaveFtpAccounts((dir / "vuze.FTP").c_str(), accounts));
    // One flipped byte in the version of each.
    std::string config = TempDir::ReadFile(dir / "vuze.配置");
    config[0] ^= 1;
    dir.WriteFile("vuze.配置", config);
    std::string ftp = TempDir::ReadFile(dir / "vuze.FTP");
    ftp[0] ^= 1;
    dir.WriteFile("vuze.FTP", ftp);

    CEditorSettings settings;
    FtpAccountTable loadedAccounts;
    UserToolTable tools;
    MacroSlotTable macros;
    const SettingsLoadResult result = LoadStartupSettings(dir.Path().c_str(), settings, loadedAccounts, tools, macros);
    EXPECT_TRUE(result.configReset);
    EXPECT_EQ(4, settings.view.tabSize);
    EXPECT_EQ(dir / "vuze.配置.损坏", std::string(static_cast<LPCTSTR>(result.configKept)));
    EXPECT_EQ(config, TempDir::ReadFile(dir / "vuze.配置.损坏"));
    EXPECT_EQ(ftp, TempDir::ReadFile(dir / "vuze.FTP.损坏"));
    const std::string message = static_cast<LPCTSTR>(ConfigResetMessage(result));
    EXPECT_NE(std::string::npos, message.find("\n\n- 如果是第一次安装")) << message;
    EXPECT_NE(std::string::npos, message.find(dir / "vuze.配置.损坏")) << message;

    // A missing file is a first start: nothing to keep, and the message says nothing more.
    TempDir fresh;
    const SettingsLoadResult first = LoadStartupSettings(fresh.Path().c_str(), settings, loadedAccounts, tools, macros);
    EXPECT_TRUE(first.configReset);
    EXPECT_TRUE(first.configKept.IsEmpty());
    EXPECT_EQ(-1, ConfigResetMessage(first).Find("另存为"));
}
