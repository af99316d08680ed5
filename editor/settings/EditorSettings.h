#pragma once
#include <windows.h>

#include <array>
#include <functional>

#include "editor/settings/SettingsRecords.h"
#include "editor/settings/ViewSettings.h"

// The one process-wide block of editor settings: fonts, the view's options and colours,
// file-saving and backup options, folders, the syntax types and the file-type filters.
// Every change to it is followed by SaveConfig.

constexpr int kFontSlotCount = 10;
constexpr int kFileFilterCount = 32;
// The rows of the other fonts.
constexpr int kColumnModeFontRow = 0;
constexpr int kOutputFontRow = 1;

using FontList = std::array<LOGFONTA, kFontSlotCount>;

struct CEditorSettings {
    // Font heights are in tenths of a point.
    FontList screenFonts;
    int screenFontSlot = 0;  // 0..9
    FontList printerFonts;
    int printerFontSlot = 0;  // 0..9
    // 0: column mode with a proportional screen font; 1: the output window.
    FontList otherFonts;

    // The options and colours the views read.
    CViewSettings view;
    int vocabularyWithComment = 1;
    int maxTabTitle = 32;  // 12..60

    int tabsToSpacesOnSave = 0;
    int stripTrailingOnSave = 0;
    int saveUnixLineEnds = 0;
    int saveRemoteUnixLineEnds = 1;
    int backupMode = 0;      // 0 none, 1 before saving, 2 before opening
    int backupNameForm = 1;  // 1 name.ext.suffix, 2 name_suffix.ext
    CString backupSuffix = "备份";
    CString backupFolder;
    std::array<CSyntaxTypeEntry, kSyntaxTypeCount> syntaxTypes;
    CString initialWorkingFolder;
    CString remoteCacheFolder;
    int newDocumentAtStart = 0;
    int reopenWorkspaceAtStart = 1;
    std::array<CFileTypeFilter, kFileFilterCount> fileFilters;
    int lastFileFilter = 0;  // 0..31
    int panelFilter = 0;     // 0..31

    CEditorSettings();
};

// The process-wide block.
CEditorSettings& TheEditorSettings();

// String-table ids of the default syntax types and file-type filters: a count, then one
// text per entry of the form "a|b|c".
enum SettingsStringId : UINT {
    kIdsSyntaxTypeCount = 52160,
    kIdsFileFilterCount = 52161,
    kIdsFirstSyntaxType = 52176,
    kIdsFirstFileFilter = 52202,
};
// Looks a string up by id; the program uses its string table.
using SettingsStringSource = std::function<CString(UINT id)>;
CString LoadResourceText(UINT id);

// Every value to its default; the syntax types and filters from the strings. Colours are
// not touched.
void ResetConfigDefaults(CEditorSettings& settings, const SettingsStringSource& strings = LoadResourceText);
// The default colour scheme.
void ResetColorDefaults(CEditorSettings& settings);

// Writes the configuration file; false when it cannot be written.
bool SaveConfig(const char* path, const CEditorSettings& settings);
// Reads a whole configuration file. A missing file, another version, a short file, a value
// out of its range, an overlong string or bytes after the last value fail and change
// nothing.
bool LoadConfig(const char* path, CEditorSettings& settings);
// The same over a file's bytes already read, and the bytes a save writes.
bool ReadConfig(SettingsReader& in, CEditorSettings& settings);
void WriteConfig(SettingsWriter& out, const CEditorSettings& settings);
