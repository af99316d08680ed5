#pragma once
#include "editor/shell/EditorSettings.h"
#include "editor/shell/SettingsFiles.h"

// Loading every record-based settings file of the program folder at start-up.

// String-table id of the message shown when the configuration was replaced by defaults:
// "编辑器配置文件错误!\n\n- 如果是第一次安装请忽略此消息.\n- 加载编辑器缺省配置...\n".
const UINT kIdsConfigFileError = 54001;

// What the start-up load had to mend.
struct SettingsLoadResult {
    bool configReset = false;  // the caller shows kIdsConfigFileError
    bool colorsReset = false;  // silent
};

// The configuration and the colour scheme (each replaced by its defaults and written anew
// when it cannot be loaded), then the FTP accounts, user tools and macros (a missing or
// damaged file leaves the table as it was).
SettingsLoadResult LoadStartupSettings(const CString& programFolder, CEditorSettings& settings,
                                       FtpAccountTable& accounts, UserToolTable& tools, MacroSlotTable& macros,
                                       const SettingsStringSource& strings = LoadResourceText);
