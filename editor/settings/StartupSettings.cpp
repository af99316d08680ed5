#include "editor/settings/StartupSettings.h"

#include <windows.h>

const char kDamagedSuffix[] = ".损坏";

namespace {

// Moves a file that is there but could not be loaded aside, so that the defaults or the next
// save do not take what it held; the copy's path, or empty when there was no file or it could
// not be moved.
CString KeepDamaged(const CString& path)
{
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return CString();
    const CString kept = path + kDamagedSuffix;
    return ::MoveFileExA(path, kept, MOVEFILE_REPLACE_EXISTING) ? kept : CString();
}

} // namespace

SettingsLoadResult LoadStartupSettings(const CString& programFolder, CEditorSettings& settings,
                                       FtpAccountTable& accounts, UserToolTable& tools, MacroSlotTable& macros,
                                       const SettingsStringSource& strings)
{
    auto path = [&](const char* name) { return programFolder + "\\" + name; };
    SettingsLoadResult result;
    if (!LoadConfig(path(kEditorConfigFile), settings)) {
        result.configReset = true;
        result.configKept = KeepDamaged(path(kEditorConfigFile));
        ResetConfigDefaults(settings, strings);
        SaveConfig(path(kEditorConfigFile), settings);
    }
    if (!LoadColorScheme(path(kColorSchemeFile), settings.view.colors)) {
        result.colorsReset = true;
        KeepDamaged(path(kColorSchemeFile));
        ResetColorDefaults(settings);
        SaveColorScheme(path(kColorSchemeFile), settings.view.colors);
    }
    if (!LoadFtpAccounts(path(kFtpAccountsFile), accounts))
        KeepDamaged(path(kFtpAccountsFile));
    if (!LoadUserCommands(path(kUserCommandsFile), tools))
        KeepDamaged(path(kUserCommandsFile));
    if (!LoadUserMacros(path(kUserMacrosFile), macros))
        KeepDamaged(path(kUserMacrosFile));
    return result;
}

CString ConfigResetMessage(const SettingsLoadResult& result, const SettingsStringSource& strings)
{
    CString text = strings(kIdsConfigFileError);
    if (!result.configKept.IsEmpty())
        text += "\n原配置文件已另存为:\n" + result.configKept;
    return text;
}
