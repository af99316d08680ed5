#pragma once
#include "editor/settings/EditorSettings.h"
#include "editor/settings/SettingsFiles.h"

// Loading every record-based settings file of the program folder at start-up.

// String-table id of the message shown when the configuration was replaced by defaults:
// "编辑器配置文件错误!\n\n- 如果是第一次安装请忽略此消息.\n- 加载编辑器缺省配置...\n".
const UINT kIdsConfigFileError = 54001;

// A settings file that is there but cannot be loaded is kept beside it under its name and this
// suffix (".损坏") before anything else is written in its place.
extern const char kDamagedSuffix[];

// What the start-up load had to mend.
struct SettingsLoadResult {
    bool configReset = false;  // the caller shows ConfigResetMessage
    CString configKept;        // where the damaged configuration was kept; empty when none
    bool colorsReset = false;  // silent
};

// The configuration and the colour scheme (each replaced by its defaults and written anew
// when it cannot be loaded), then the FTP accounts, user tools and macros (a missing or
// damaged file leaves the table as it was). Damaged files are kept (kDamagedSuffix).
SettingsLoadResult LoadStartupSettings(const CString& programFolder, CEditorSettings& settings,
                                       FtpAccountTable& accounts, UserToolTable& tools, MacroSlotTable& macros,
                                       const SettingsStringSource& strings = LoadResourceText);

// The message for a configuration replaced by its defaults: kIdsConfigFileError's text and,
// when the damaged file was kept, where.
CString ConfigResetMessage(const SettingsLoadResult& result, const SettingsStringSource& strings = LoadResourceText);
