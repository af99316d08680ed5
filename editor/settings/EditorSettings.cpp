#include "editor/settings/EditorSettings.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "editor/settings/SettingsStream.h"

namespace {

const char kConfigVersion[] = "配置 1.5";
// Strings of the settings themselves (not of the records) are shorter than this.
const uint32_t kMaxConfigString = 2047;

struct FontDefault {
    int slot;
    const char* face;
    LONG height;
    BYTE pitchAndFamily;
};

void SetFonts(FontList& fonts, std::initializer_list<FontDefault> entries)
{
    for (LOGFONTA& font : fonts)
        std::memset(&font, 0, sizeof font);
    for (const FontDefault& entry : entries) {
        LOGFONTA& font = fonts[entry.slot];
        std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", entry.face);
        font.lfHeight = entry.height;
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfPitchAndFamily = entry.pitchAndFamily;
    }
}

// "a|b|c" into a record, with the fallbacks of a text that lacks its separators.
void SetFromText(CTripleStringRecord& record, CString text, const char* whole, const char* rest)
{
    int bar = text.Find('|');
    if (bar < 0) {
        text = whole;
        bar = text.Find('|');
    }
    CString first = text.Left(bar);
    CString tail = text.Mid(bar + 1);
    bar = tail.Find('|');
    if (bar < 0) {
        tail = rest;
        bar = tail.Find('|');
    }
    record.Set(first, tail.Left(bar), tail.Mid(bar + 1));
}

template <class Record, size_t N>
void SetFromStrings(std::array<Record, N>& table, const SettingsStringSource& strings, UINT countId,
                    UINT firstId, const char* whole, const char* rest)
{
    int count = std::atoi(strings(countId));
    if (count > (int)N)
        count = (int)N;
    for (int i = 0; i < count; ++i)
        SetFromText(table[i], strings(firstId + i), whole, rest);
    if (count < 1)
        SetFromText(table[0], whole, whole, rest);
}

// The file's fields in file order, walked by a writer (Settings const) or a reader.
template <class Io, class Settings>
bool TransferConfig(Io& io, Settings& s)
{
    auto& v = s.view;
    const int kMaxSlot = kFontSlotCount - 1;
    const int kMaxFilter = kFileFilterCount - 1;
    if (!(io.Fonts(s.screenFonts) && io.Int(s.screenFontSlot, 0, kMaxSlot) && io.Fonts(s.printerFonts) &&
          io.Int(s.printerFontSlot, 0, kMaxSlot) && io.Fonts(s.otherFonts)))
        return false;
    // The switches from showLineNumbers to showLineEnds.
    decltype(&v.showLineNumbers) switches[] = {
        &v.showLineNumbers, &v.syntaxColouring, &v.boldKeywords, &v.italicComments,
        &v.highlightCurrentLine, &v.spacesForTab, &v.highlightMatchingPair, &v.autoIndent,
        &v.showSelectionMargin, &v.homeToFirstPosition, &v.searchWraps, &v.dragDropEditing,
        &v.autoCloseBrackets, &v.vocabularyPopup, &s.vocabularyWithComment, &v.wrapOnOpen,
        &v.showSpaces, &v.showTabs, &v.showLineEnds,
    };
    for (auto* value : switches) {
        if (!io.Int(*value))
            return false;
    }
    if (!(io.Int(v.tabSize, 1, 64) && io.Int(v.lineSpacingPercent, 50, 200) && io.Int(v.lineNumberDigits, 2, 8) &&
          io.Int(v.caretWidthPercent, 1, 100) && io.Int(s.maxTabTitle, 12, 60) && io.Int(v.fixedWrapWidth, 0, 160) &&
          io.Int(v.wrapIndent, 0, 16) && io.Int(v.marker1On) && io.Int(v.marker2On) &&
          io.Int(v.marker1Column, 0, 160) && io.Int(v.marker2Column, 0, 160)))
        return false;
    for (auto& margin : v.printMargins) {
        if (!io.Int(margin))
            return false;
    }
    if (!(io.Int(v.printLineNumbers) && io.Int(v.printSyntaxColours) && io.Int(v.printHeader) &&
          io.Int(v.printFooter) && io.Str(v.headerLeft) && io.Str(v.headerCentre) && io.Str(v.headerRight) &&
          io.Str(v.footerLeft) && io.Str(v.footerCentre) && io.Str(v.footerRight) && io.Int(s.tabsToSpacesOnSave) &&
          io.Int(s.stripTrailingOnSave) && io.Int(s.saveUnixLineEnds) && io.Int(s.saveRemoteUnixLineEnds) &&
          io.Int(s.backupMode) && io.Int(s.backupNameForm) && io.Str(s.backupSuffix) && io.Str(s.backupFolder)))
        return false;
    for (auto& entry : s.syntaxTypes) {
        if (!io.Record(entry))
            return false;
    }
    if (!(io.Str(s.initialWorkingFolder) && io.Str(s.remoteCacheFolder) && io.Int(s.newDocumentAtStart) &&
          io.Int(s.reopenWorkspaceAtStart)))
        return false;
    for (auto& filter : s.fileFilters) {
        if (!io.Record(filter))
            return false;
    }
    return io.Int(s.lastFileFilter, 0, kMaxFilter) && io.Int(s.panelFilter, 0, kMaxFilter);
}

class ConfigWriter {
public:
    explicit ConfigWriter(SettingsWriter& out) : m_out(out) {}
    bool Fonts(const FontList& fonts)
    {
        m_out.Bytes(fonts.data(), sizeof(LOGFONTA) * fonts.size());
        return true;
    }
    bool Int(int value, int = INT_MIN, int = INT_MAX)
    {
        m_out.I32(value);
        return true;
    }
    bool Str(const CString& text)
    {
        m_out.String(text);
        return true;
    }
    bool Str(const std::string& text) { return Str(CString(text.c_str(), (int)text.size())); }
    bool Record(const CTripleStringRecord& record)
    {
        record.Write(m_out);
        return true;
    }

private:
    SettingsWriter& m_out;
};

class ConfigReader {
public:
    explicit ConfigReader(SettingsReader& in) : m_in(in) {}
    bool Fonts(FontList& fonts)
    {
        if (!m_in.Bytes(fonts.data(), sizeof(LOGFONTA) * fonts.size()))
            return false;
        for (LOGFONTA& font : fonts)
            font.lfFaceName[LF_FACESIZE - 1] = '\0';
        return true;
    }
    bool Int(int& value, int low = INT_MIN, int high = INT_MAX)
    {
        int32_t read;
        if (!m_in.I32(read) || read < low || read > high)
            return false;
        value = read;
        return true;
    }
    bool Str(CString& text) { return m_in.String(text, kMaxConfigString); }
    bool Str(std::string& text)
    {
        CString read;
        if (!Str(read))
            return false;
        text.assign((LPCTSTR)read, (size_t)read.GetLength());
        return true;
    }
    bool Record(CTripleStringRecord& record) { return record.Read(m_in); }

private:
    SettingsReader& m_in;
};

} // namespace

CEditorSettings::CEditorSettings()
{
    SetFonts(screenFonts, {{0, "宋体", 90, 0x00},
                           {1, "楷体", 90, 0x00},
                           {2, "Courier New", 90, 0x30},
                           {3, "Arial", 90, 0x30},
                           {4, "FixedSys", 100, 0x01},
                           {5, "Terminal", 100, 0x01}});
    SetFonts(printerFonts, {{0, "宋体", 90, 0x00}, {1, "楷体", 90, 0x30}, {2, "Arial", 90, 0x30}, {3, "Courier New", 90, 0x00}});
    SetFonts(otherFonts, {{0, "宋体", 90, 0x00}, {1, "宋体", 90, 0x00}});
}

CEditorSettings& TheEditorSettings()
{
    static CEditorSettings settings;
    return settings;
}

CString LoadResourceText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

void ResetConfigDefaults(CEditorSettings& settings, const SettingsStringSource& strings)
{
    CEditorSettings defaults;
    std::memcpy(defaults.view.colors, settings.view.colors, sizeof defaults.view.colors);
    // Entries the strings do not name keep what they held.
    defaults.syntaxTypes = settings.syntaxTypes;
    defaults.fileFilters = settings.fileFilters;
    SetFromStrings(defaults.syntaxTypes, strings, kIdsSyntaxTypeCount, kIdsFirstSyntaxType,
                   "NULL Document|NULL.SPC|NULL.KEY", "NULL.SPC|NULL.KEY");
    SetFromStrings(defaults.fileFilters, strings, kIdsFileFilterCount, kIdsFirstFileFilter, "All Files|*.*|", "*.*|");
    settings = defaults;
}

void ResetColorDefaults(CEditorSettings& settings)
{
    settings.view.ResetColors();
}

void WriteConfig(SettingsWriter& out, const CEditorSettings& settings)
{
    out.Version(kConfigVersion);
    ConfigWriter writer(out);
    TransferConfig(writer, settings);
}

bool ReadConfig(SettingsReader& in, CEditorSettings& settings)
{
    if (!in.Version(kConfigVersion))
        return false;
    CEditorSettings loaded = settings;
    ConfigReader reader(in);
    if (!TransferConfig(reader, loaded) || !in.AtEnd())
        return false;
    settings = loaded;
    return true;
}

bool SaveConfig(const char* path, const CEditorSettings& settings)
{
    SettingsWriter out;
    WriteConfig(out, settings);
    return out.SaveTo(path);
}

bool LoadConfig(const char* path, CEditorSettings& settings)
{
    SettingsReader in;
    return in.LoadFrom(path) && ReadConfig(in, settings);
}
