#include "editor/settings/EditorSettings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

std::string Triple(const CTripleStringRecord& record)
{
    return S(record.first) + "|" + S(record.second) + "|" + S(record.third);
}

// Settings that differ from the defaults in a value of every kind.
CEditorSettings Changed()
{
    CEditorSettings s;
    s.screenFontSlot = 9;
    lstrcpyA(s.screenFonts[7].lfFaceName, "黑体");
    s.screenFonts[7].lfHeight = 120;
    s.printerFontSlot = 3;
    s.view.showLineNumbers = 0;
    s.vocabularyWithComment = 0;
    s.view.showLineEnds = 1;
    s.view.tabSize = 64;
    s.maxTabTitle = 60;
    s.view.marker2Column = 160;
    s.view.printMargins[3] = 250;
    s.view.footerCentre = "第$(页码)页";
    s.backupMode = 2;
    s.backupFolder = "D:\\备份";
    s.syntaxTypes[31].Set("末", "末.规范", "末.关键词");
    s.remoteCacheFolder = "C";
    s.reopenWorkspaceAtStart = 0;
    s.fileFilters[5].Set("文本", "*.txt", "txt");
    s.lastFileFilter = 31;
    s.panelFilter = 5;
    return s;
}

bool SameSettings(const CEditorSettings& a, const CEditorSettings& b)
{
    bool same = std::memcmp(a.screenFonts.data(), b.screenFonts.data(), sizeof(FontList)) == 0 &&
                a.screenFontSlot == b.screenFontSlot && a.printerFontSlot == b.printerFontSlot &&
                a.view.showLineNumbers == b.view.showLineNumbers && a.vocabularyWithComment == b.vocabularyWithComment &&
                a.view.showLineEnds == b.view.showLineEnds && a.view.tabSize == b.view.tabSize &&
                a.maxTabTitle == b.maxTabTitle && a.view.marker2Column == b.view.marker2Column &&
                a.view.printMargins[3] == b.view.printMargins[3] && a.view.footerCentre == b.view.footerCentre &&
                a.view.headerRight == b.view.headerRight && a.backupMode == b.backupMode &&
                a.backupSuffix == b.backupSuffix && a.backupFolder == b.backupFolder &&
                a.remoteCacheFolder == b.remoteCacheFolder && a.reopenWorkspaceAtStart == b.reopenWorkspaceAtStart &&
                a.lastFileFilter == b.lastFileFilter && a.panelFilter == b.panelFilter;
    for (int i = 0; i < kSyntaxTypeCount; ++i)
        same = same && Triple(a.syntaxTypes[i]) == Triple(b.syntaxTypes[i]);
    for (int i = 0; i < kFileFilterCount; ++i)
        same = same && Triple(a.fileFilters[i]) == Triple(b.fileFilters[i]);
    return same;
}

} // namespace

TEST(EditorSettings, ConfigurationComesBackAsSaved)
{
    TempDir dir;
    std::string path = dir / "vuze.配置";
    const CEditorSettings saved = Changed();
    ASSERT_TRUE(SaveConfig(path.c_str(), saved));
    // Version, three font lists of 600 bytes and the fixed fields: a known size.
    std::string bytes = TempDir::ReadFile(path);
    EXPECT_EQ(bytes.substr(0, 8), "配置 1.5");

    CEditorSettings loaded;
    ASSERT_TRUE(LoadConfig(path.c_str(), loaded));
    EXPECT_TRUE(SameSettings(loaded, saved));
    EXPECT_STREQ(loaded.screenFonts[7].lfFaceName, "黑体");
}

TEST(EditorSettings, ValuesOutOfRangeFailTheLoadAndChangeNothing)
{
    struct Case {
        const char* what;
        std::function<void(CEditorSettings&)> set;
        bool loads;
    };
    const Case cases[] = {
        {"tab size 64", [](CEditorSettings& s) { s.view.tabSize = 64; }, true},
        {"tab size 65", [](CEditorSettings& s) { s.view.tabSize = 65; }, false},
        {"tab size 0", [](CEditorSettings& s) { s.view.tabSize = 0; }, false},
        {"line spacing 49", [](CEditorSettings& s) { s.view.lineSpacingPercent = 49; }, false},
        {"line spacing 50", [](CEditorSettings& s) { s.view.lineSpacingPercent = 50; }, true},
        {"line spacing 200", [](CEditorSettings& s) { s.view.lineSpacingPercent = 200; }, true},
        {"line number digits 9", [](CEditorSettings& s) { s.view.lineNumberDigits = 9; }, false},
        {"caret width 0", [](CEditorSettings& s) { s.view.caretWidthPercent = 0; }, false},
        {"tab title 11", [](CEditorSettings& s) { s.maxTabTitle = 11; }, false},
        {"fixed wrap 0", [](CEditorSettings& s) { s.view.fixedWrapWidth = 0; }, true},
        {"fixed wrap 161", [](CEditorSettings& s) { s.view.fixedWrapWidth = 161; }, false},
        {"wrap indent 17", [](CEditorSettings& s) { s.view.wrapIndent = 17; }, false},
        {"marker column -1", [](CEditorSettings& s) { s.view.marker1Column = -1; }, false},
        {"screen font slot 10", [](CEditorSettings& s) { s.screenFontSlot = 10; }, false},
        {"printer font slot -1", [](CEditorSettings& s) { s.printerFontSlot = -1; }, false},
        {"last filter 32", [](CEditorSettings& s) { s.lastFileFilter = 32; }, false},
        {"panel filter 31", [](CEditorSettings& s) { s.panelFilter = 31; }, true},
        {"panel filter -1", [](CEditorSettings& s) { s.panelFilter = -1; }, false},
        {"folder of 2047 bytes", [](CEditorSettings& s) { s.backupFolder = CString('f', 2047); }, true},
        {"folder of 2048 bytes", [](CEditorSettings& s) { s.backupFolder = CString('f', 2048); }, false},
        {"filter text of 4095 bytes", [](CEditorSettings& s) { s.fileFilters[0].third = CString('e', 4095); }, true},
        {"filter text of 4096 bytes", [](CEditorSettings& s) { s.fileFilters[0].third = CString('e', 4096); }, false},
    };
    TempDir dir;
    std::string path = dir / "vuze.配置";
    for (const Case& c : cases) {
        CEditorSettings written;
        c.set(written);
        ASSERT_TRUE(SaveConfig(path.c_str(), written));
        CEditorSettings loaded = Changed();
        EXPECT_EQ(LoadConfig(path.c_str(), loaded), c.loads) << c.what;
        if (!c.loads) {
            EXPECT_TRUE(SameSettings(loaded, Changed())) << c.what;
        }
    }
}

TEST(EditorSettings, DamagedFilesFailTheLoad)
{
    TempDir dir;
    std::string path = dir / "vuze.配置";
    ASSERT_TRUE(SaveConfig(path.c_str(), CEditorSettings()));
    const std::string whole = TempDir::ReadFile(path);
    const std::string damaged[] = {
        whole + '\0',                     // a byte after the last value
        whole.substr(0, whole.size() - 1),  // short by one byte
        whole.substr(0, 8 + 600),         // after the first font list
        "配置 1.4" + whole.substr(8),      // another version
        "",
    };
    for (const std::string& bytes : damaged) {
        dir.WriteFile("vuze.配置", bytes);
        CEditorSettings loaded = Changed();
        EXPECT_FALSE(LoadConfig(path.c_str(), loaded)) << bytes.size();
        EXPECT_TRUE(SameSettings(loaded, Changed()));
    }
    CEditorSettings loaded;
    EXPECT_FALSE(LoadConfig((dir / "missing").c_str(), loaded));
}

TEST(EditorSettings, DefaultsComeFromTheProgramStrings)
{
    CEditorSettings s = Changed();
    s.view.colors[7] = 0x123456;
    ResetConfigDefaults(s);
    EXPECT_EQ(s.screenFontSlot, 0);
    EXPECT_EQ(s.view.tabSize, 4);
    EXPECT_EQ(S(s.backupSuffix), "备份");
    EXPECT_STREQ(s.screenFonts[4].lfFaceName, "FixedSys");
    EXPECT_EQ(s.screenFonts[4].lfHeight, 100);
    EXPECT_EQ(s.view.colors[7], 0x123456u);  // colours are not configuration
    EXPECT_EQ(Triple(s.syntaxTypes[0]), "墨语言程序|墨程序.规范|墨程序.关键词");
    EXPECT_EQ(Triple(s.syntaxTypes[17]), "Tcl/Tk 程序|TCLTK.SPC|TCLTK.KEY");
    EXPECT_EQ(Triple(s.fileFilters[0]), "墨语言文件|*.墨;*.墨双;*.接口;*.定义;*.汇编;*.汇51;*.构建;*.素材|墨");
    EXPECT_EQ(Triple(s.fileFilters[10]), "所有文件|*.*|");
    // Entries the strings do not name keep what they held.
    EXPECT_EQ(Triple(s.syntaxTypes[31]), "末|末.规范|末.关键词");
    EXPECT_EQ(Triple(s.fileFilters[5]), "Perl 文件|*.pl;*.pm;*.perl;*.cgi|pl");

    ResetColorDefaults(s);
    EXPECT_EQ(s.view.colors[42], 0xC0FFFFu);
}

TEST(EditorSettings, DefaultTextsWithoutSeparators)
{
    struct Case {
        std::map<UINT, std::string> strings;
        const char *syntax0, *syntax1, *filter0;
    };
    const Case cases[] = {
        {{{kIdsSyntaxTypeCount, "0"}, {kIdsFileFilterCount, "0"}},
         "NULL Document|NULL.SPC|NULL.KEY", "||", "All Files|*.*|"},
        {{{kIdsSyntaxTypeCount, "2"}, {kIdsFirstSyntaxType, "no bar"}, {kIdsFirstSyntaxType + 1, "文档|one.SPC"},
          {kIdsFileFilterCount, "1"}, {kIdsFirstFileFilter, "文本|*.txt"}},
         "NULL Document|NULL.SPC|NULL.KEY", "文档|NULL.SPC|NULL.KEY", "文本|*.*|"},
        // A count past the table fills the table and no more.
        {{{kIdsSyntaxTypeCount, "1000"}, {kIdsFileFilterCount, "x"}},
         "NULL Document|NULL.SPC|NULL.KEY", "NULL Document|NULL.SPC|NULL.KEY", "All Files|*.*|"},
    };
    for (const Case& c : cases) {
        CEditorSettings s;
        ResetConfigDefaults(s, [&](UINT id) {
            auto found = c.strings.find(id);
            return found == c.strings.end() ? CString() : CString(found->second.c_str());
        });
        EXPECT_EQ(Triple(s.syntaxTypes[0]), c.syntax0);
        EXPECT_EQ(Triple(s.syntaxTypes[1]), c.syntax1);
        EXPECT_EQ(Triple(s.fileFilters[0]), c.filter0);
    }
}
