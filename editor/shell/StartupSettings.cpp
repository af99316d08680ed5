#include "editor/shell/StartupSettings.h"

SettingsLoadResult LoadStartupSettings(const CString& programFolder, CEditorSettings& settings,
                                       FtpAccountTable& accounts, UserToolTable& tools, MacroSlotTable& macros,
                                       const SettingsStringSource& strings)
{
    auto path = [&](const char* name) { return programFolder + "\\" + name; };
    SettingsLoadResult result;
    if (!LoadConfig(path(kEditorConfigFile), settings)) {
        result.configReset = true;
        ResetConfigDefaults(settings, strings);
        SaveConfig(path(kEditorConfigFile), settings);
    }
    if (!LoadColorScheme(path(kColorSchemeFile), settings.view.colors)) {
        result.colorsReset = true;
        ResetColorDefaults(settings);
        SaveColorScheme(path(kColorSchemeFile), settings.view.colors);
    }
    LoadFtpAccounts(path(kFtpAccountsFile), accounts);
    LoadUserCommands(path(kUserCommandsFile), tools);
    LoadUserMacros(path(kUserMacrosFile), macros);
    return result;
}
