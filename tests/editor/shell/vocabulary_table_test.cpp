#include "editor/shell/VocabularyTable.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

std::string Lines(const CStringArray& lines)
{
    std::string joined;
    for (int i = 0; i < lines.GetSize(); ++i)
        joined += S(lines[i]) + "|";
    return joined;
}

// Counts entries and checks each one can be shown and inserted: a name, a full text, a note.
int CheckEntries(const VocabularyItem& item, const std::string& table)
{
    int entries = 0;
    for (const auto& child : item.children) {
        if (child->kind == VocabularyKind::entry) {
            ++entries;
            EXPECT_FALSE(child->text.IsEmpty()) << table;
            EXPECT_FALSE(child->fullText.IsEmpty()) << table << " " << S(child->text);
            EXPECT_FALSE(child->note.IsEmpty()) << table << " " << S(child->text);
        } else {
            EXPECT_FALSE(child->children.empty()) << table << " " << S(child->text);
            entries += CheckEntries(*child, table);
        }
    }
    return entries;
}

} // namespace

TEST(VocabularyTable, ReadsGroupsEntriesAndExtensionFiles)
{
    TempDir dir;
    dir.WriteFile("词汇.表", "\r\n<词汇函数表 版本=\"2\">\r\n"
                             "<类目 名字=\"字符串\" 展开=\"是\">\r\n"
                             "  <子类 名字=\"比较\">\r\n"
                             "    <项 名称=\"串比较\" 全称=\"串比较(甲, 乙)\\n\\b返回差\" 全拼=\"chuanbijiao\" 注释=\"\\n逐字节比较\" />\r\n"
                             "  </子类>\r\n"
                             "  <项 名称=\"串长度\" 全称=\"串长度(串)\" />\r\n"
                             "</类目>\r\n"
                             "<说明 这一行不是元素>\r\n"
                             "</词汇函数表>\r\n");
    dir.WriteFile("词汇_3.表", "<图形>\r\n<项 名称=\"画线\" 全称=\"画线(x1, y1, x2, y2)\" 注释=\"一条线\" />\r\n</图形>\r\n");
    std::vector<std::string> prompted;
    VocabularyItem root;
    VocabularyReadResult result = ReadVocabularyTable((dir / "词汇").c_str(), root,
                                                      [&](const CString& text) { prompted.push_back(S(text)); });
    ASSERT_EQ(result.status, VocabularyStatus::ok);
    EXPECT_EQ(result.entries, 3);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(S(root.text), "词汇");
    EXPECT_TRUE(root.expanded);
    ASSERT_EQ(root.children.size(), 2u);
    const VocabularyItem& strings = *root.children[0];
    EXPECT_TRUE(strings.expanded);
    ASSERT_EQ(strings.children.size(), 2u);
    EXPECT_EQ(strings.children[0]->kind, VocabularyKind::subcategory);
    EXPECT_FALSE(strings.children[0]->expanded);  // no 展开: collapsed
    const VocabularyItem& compare = *strings.children[0]->children[0];
    const VocabularyItem& graphics = *root.children[1];
    EXPECT_EQ(S(graphics.text), "图形");
    EXPECT_EQ(S(graphics.children[0]->text), "画线");
    EXPECT_EQ(prompted.size(), 3u);

    CStringArray shown;
    VocabularyEntryLines(compare, shown);
    EXPECT_EQ(Lines(shown), "串比较(甲, 乙)|返回差||说明：||逐字节比较|");
    VocabularyEntryLines(*strings.children[1], shown);
    EXPECT_EQ(Lines(shown), "串长度(串)||");
    SplitVocabularyText("a\\nb", shown);
    EXPECT_EQ(Lines(shown), "a|b|");

    struct Case {
        const char* text;
        VocabularyAction action;
        const char* argument;
    };
    const Case actions[] = {
        {"!!!帮助\\教程.html", VocabularyAction::openFile, "帮助\\教程.html"},
        {"!@!https://example.org/", VocabularyAction::openAddress, "https://example.org/"},
        {"!?!工具\\墨伴.exe", VocabularyAction::runFile, "工具\\墨伴.exe"},
        {"串长度(串)", VocabularyAction::insertText, "串长度(串)"},
        {"!!", VocabularyAction::insertText, "!!"},
    };
    for (const Case& c : actions) {
        CString argument;
        EXPECT_EQ(ClassifyVocabularyEntry(c.text, argument), c.action) << c.text;
        EXPECT_EQ(S(argument), c.argument) << c.text;
    }
}

TEST(VocabularyTable, MalformedTablesFail)
{
    TempDir dir;
    struct Case {
        const char* what;
        std::string text;
        VocabularyStatus expected;
    };
    const Case cases[] = {
        {"no table word", "<类目 名字=\"甲\">\r\n", VocabularyStatus::missingTable},
        {"no version", "<词汇函数表>\r\n</词汇函数表>\r\n", VocabularyStatus::missingTable},
        {"entry without full text", "<词汇函数表 版本=\"1\">\r\n<项 名称=\"甲\" />\r\n", VocabularyStatus::badEntry},
        {"category without name", "<词汇函数表 版本=\"1\">\r\n<类目 展开=\"是\">\r\n", VocabularyStatus::badEntry},
        {"unclosed quote", "<词汇函数表 版本=\"1\">\r\n<项 名称=\"甲 全称=\"乙\" />\r\n", VocabularyStatus::scanError},
    };
    for (const Case& c : cases) {
        dir.WriteFile("坏.表", c.text);
        VocabularyItem root;
        VocabularyReadResult result = ReadVocabularyTable((dir / "坏").c_str(), root);
        EXPECT_EQ(result.status, c.expected) << c.what;
    }
    VocabularyItem root;
    EXPECT_EQ(ReadVocabularyTable((dir / "没有").c_str(), root).status, VocabularyStatus::missingTable);

    dir.WriteFile("坏.表", "<词汇函数表 版本=\"1\">\r\n</词汇函数表>\r\n");
    dir.WriteFile("坏_0.表", "<扩展>\r\n<项 名称=\"甲\" 全称=\"乙>\r\n");
    VocabularyReadResult result = ReadVocabularyTable((dir / "坏").c_str(), root);
    EXPECT_EQ(result.status, VocabularyStatus::scanError);
    EXPECT_EQ(S(VocabularyReadMessage(result)), "分析项目属性时发生错误.\n(" + (dir / "坏_0.表") + ")");
}

TEST(VocabularyTable, EveryShippedTableLoadsWithoutSkippedLines)
{
    const char* const tables[] = {"墨语言词汇函数", "墨语言图形函数", "墨语言视窗函数", "墨语言扩展函数"};
    for (const char* table : tables) {
        std::string base = std::string(MOYU_STAGED_INSTALL_DIR) + "\\bin\\配置\\" + table;
        VocabularyItem root;
        VocabularyReadResult result = ReadVocabularyTable(base.c_str(), root);
        ASSERT_EQ(result.status, VocabularyStatus::ok) << table;
        EXPECT_EQ(result.skipped, 0) << table;
        EXPECT_GE(result.entries, 100) << table;
        EXPECT_EQ(CheckEntries(root, table), result.entries) << table;
    }
}
