#include "editor/inputaids/CustomVocabulary.h"
#include "editor/inputaids/PickDialogs.h"
#include "editor/res/resource.h"
#include "framework/AppEnvironment.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Runs the picker, clicks `id` (or presses Esc for IDCANCEL) and returns the modal result.
int ClickIn(CPickDlg& picker, int id)
{
    DialogDriver driver{[id](DialogDriver& d) {
        if (id == IDCANCEL)
            d.PressCancel();
        else
            d.Click(id);
    }};
    return picker.DoModal();
}

// The program folder's 配置 holds the phrase and vocabulary files; a test that writes them
// takes them away again.
class ConfigFile {
public:
    explicit ConfigFile(const char* name) : m_path(GetProgramFolder() + "\\配置\\" + name)
    {
        ::CreateDirectory(GetProgramFolder() + "\\配置", nullptr);
        ::DeleteFile(m_path);
    }
    ~ConfigFile() { ::DeleteFile(m_path); }
    const CString& Path() const { return m_path; }
    void Write(const std::string& bytes) const
    {
        FILE* file = fopen(m_path, "wb");
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }

private:
    CString m_path;
};

} // namespace

TEST(PickDialogTest, EachButtonInsertsItsWordAndOkIsTheFirstWord)
{
    struct Case {
        std::function<std::unique_ptr<CPickDlg>()> make;
        const char* caption;
        int clicked;
        const char* expected;
    };
    const Case cases[] = {
        {[] { return std::make_unique<CAncientNumeralDlg>(); }, "古代数字-苏州码子-算筹数字", IDOK, "廿"},
        {[] { return std::make_unique<CAncientNumeralDlg>(); }, "古代数字-苏州码子-算筹数字", 6, "皕"},
        {[] { return std::make_unique<CPhoneticSymbolDlg>(); }, "传统注音", IDOK, "ㄅ"},
        {[] { return std::make_unique<CPhoneticSymbolDlg>(); }, "传统注音", 42, "ㄦ"},
        {[] { return std::make_unique<CDataTypePickDlg>(); }, "请选择数据类型", IDOK, "颜色类型 "},
        {[] { return std::make_unique<CDataTypePickDlg>(); }, "请选择数据类型", 10, "链表类型 "},
        {[] { return std::make_unique<CDataTypePickDlg>(); }, "请选择数据类型", 41, "纵坐标"},
        {[] { return std::make_unique<CDataTypePickDlg>(); }, "请选择数据类型", 20, "无参数"},
        {[] { return std::make_unique<CVariableNamePickDlg>(); }, "选择变量名", IDOK, "鼠"},
        {[] { return std::make_unique<CVariableNamePickDlg>(); }, "选择变量名", 129, " 囍"},
        {[] { return std::make_unique<CVariableNamePickDlg>(); }, "选择变量名", 116, "错误码"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CPickDlg> picker = c.make();
        CString caption;
        DialogDriver driver{[&](DialogDriver& d) {
            caption = d.Caption();
            d.Click(c.clicked);
        }};
        EXPECT_EQ(IDOK, picker->DoModal()) << c.expected;
        EXPECT_STREQ(c.caption, caption);
        EXPECT_STREQ(c.expected, picker->m_result);
    }
}

TEST(PickDialogTest, ClosingPicksNothing)
{
    CAncientNumeralDlg numerals;
    EXPECT_EQ(IDCANCEL, ClickIn(numerals, IDCANCEL));
    EXPECT_STREQ("", numerals.m_result);

    // The title bar's close box.
    CPhoneticSymbolDlg symbols;
    DialogDriver driver{[](DialogDriver& d) { ::SendMessage(d.Dialog(), WM_CLOSE, 0, 0); }};
    EXPECT_EQ(IDCANCEL, symbols.DoModal());
    EXPECT_STREQ("", symbols.m_result);
}

TEST(OperatorPickDialogTest, GivesTheWordAndTheSymbolFormOfTheRow)
{
    struct Case {
        int id;
        const char* word;
        const char* symbol;
    };
    const Case cases[] = {
        {IDOK, " 大于 ", " > "},
        {15, " 与 ", " && "},
        {18, " 并且 ", " && "},
        {16, " 或 ", " || "},
        {17, " 非 ", " !"},
        {7, " 加加 ", "++ "},
        {42, "】", "】"},
        {65, "检查(【整数变量】 ){【分支语句，即根据整数变量的不同值，跳转到不同分支位置执行后续语句。】\\n\\n}\\b//分支语句\\n",
         "分支( ){ }"},
        {74, "返回 ;\\n", "返回 ;\\n"},
    };
    for (const Case& c : cases) {
        COperatorPickDlg picker;
        EXPECT_EQ(IDOK, ClickIn(picker, c.id)) << c.id;
        EXPECT_STREQ(c.word, picker.m_wordForm) << c.id;
        EXPECT_STREQ(c.symbol, picker.m_symbolForm) << c.id;
    }
}

TEST(FormatChoiceDialogTest, DirectivesFollowTheFormAndTheRadioButtons)
{
    ConfigFile phrases("快捷输入.文本");
    struct Case {
        int formFlag;
        int radio;  // 0: leave the radio buttons alone
        int clicked;
        const char* expected;
        int flagAfter;
    };
    const Case cases[] = {
        {0, 0, IDOK, "%(整数)", 0},
        {1, 0, 6, "%陆", 1},
        {0, IDC_FORMAT_SHORT, 16, "%双", 1},
        {1, IDC_FORMAT_LONG, 14, "%(跳格)", 0},
    };
    for (const Case& c : cases) {
        CFormatChoiceDlg picker;
        picker.m_formFlag = c.formFlag;
        int longChecked = -1;
        DialogDriver driver{[&](DialogDriver& d) {
            longChecked = d.GetCheck(IDC_FORMAT_LONG);
            if (c.radio)
                d.Click(c.radio);
            d.Click(c.clicked);
        }};
        EXPECT_EQ(IDOK, picker.DoModal());
        EXPECT_EQ(c.formFlag == 0 ? BST_CHECKED : BST_UNCHECKED, longChecked);
        EXPECT_STREQ(c.expected, picker.m_result);
        EXPECT_EQ(c.flagAfter, picker.m_formFlag);
    }
}

TEST(FormatChoiceDialogTest, ListsTheTrimmedPhrasesOrTheDefaults)
{
    ConfigFile phrases("快捷输入.文本");
    struct Case {
        const char* file;  // null: no file
        std::vector<CString> listed;
    };
    const std::vector<CString> defaults = {"请输入一个整数：", "请输入一个小数：", "请输入一句话：",
                                           "请输入你的名字：", "请输入你的年龄：", "整数值=",
                                           "小数值=",          "结果="};
    const Case cases[] = {
        {nullptr, defaults},
        {" \r\n\t \r\n\r\n", defaults},
        {"  结果=  \r\n\r\n请输入长度：\r\n最后一行", {"结果=", "请输入长度：", "最后一行"}},
    };
    for (const Case& c : cases) {
        if (c.file)
            phrases.Write(c.file);
        CFormatChoiceDlg picker;
        std::vector<CString> listed;
        int selected = -1;
        DialogDriver driver{[&](DialogDriver& d) {
            for (int i = 0; i < d.GetCount(IDC_PHRASE_LIST); ++i)
                listed.push_back(d.GetItemText(IDC_PHRASE_LIST, i));
            selected = d.GetSelection(IDC_PHRASE_LIST);
            d.Click(IDC_PHRASE_INSERT);
        }};
        EXPECT_EQ(IDOK, picker.DoModal());
        EXPECT_EQ(c.listed, listed);
        EXPECT_EQ(0, selected);
        EXPECT_STREQ(c.listed[0], picker.m_result) << "输入 takes the selected phrase";
    }
}

TEST(FormatChoiceDialogTest, DoubleClickInsertsThePhraseAndClosingKeepsTheRadioChoice)
{
    ConfigFile phrases("快捷输入.文本");
    CFormatChoiceDlg picker;
    DialogDriver driver{[](DialogDriver& d) {
        d.Select(IDC_PHRASE_LIST, 7);
        ::SendMessage(d.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_PHRASE_LIST, LBN_DBLCLK),
                      (LPARAM)d.Item(IDC_PHRASE_LIST));
    }};
    EXPECT_EQ(IDOK, picker.DoModal());
    EXPECT_STREQ("结果=", picker.m_result);

    // The title bar's close reads the radio buttons before it cancels.
    CFormatChoiceDlg closed;
    DialogDriver closer{[](DialogDriver& d) {
        ::CheckRadioButton(d.Dialog(), IDC_FORMAT_LONG, IDC_FORMAT_SHORT, IDC_FORMAT_SHORT);
        ::SendMessage(d.Dialog(), WM_CLOSE, 0, 0);
    }};
    EXPECT_EQ(IDCANCEL, closed.DoModal());
    EXPECT_EQ(1, closed.m_formFlag);
}

TEST(VariableNamePickDialogTest, ShowsTheFirst55CustomWordsAndInsertsTheClickedOne)
{
    CCustomVocabulary saved = CustomVocabulary();
    CustomVocabulary().InitDefaults();
    CustomVocabulary().Push("新词");
    CVariableNamePickDlg picker;
    CString first, last, eleventh;
    DialogDriver driver{[&](DialogDriver& d) {
        first = d.GetText(CVariableNamePickDlg::CustomButtonId(0));
        eleventh = d.GetText(CVariableNamePickDlg::CustomButtonId(11));
        last = d.GetText(CVariableNamePickDlg::CustomButtonId(54));
        d.Click(CVariableNamePickDlg::CustomButtonId(11));
    }};
    EXPECT_EQ(IDOK, picker.DoModal());
    EXPECT_STREQ("新词", first);
    EXPECT_STREQ("电话", eleventh);
    EXPECT_STREQ("白板", last) << "the 56th word stays in the table, unseen";
    EXPECT_STREQ("电话", picker.m_result);
    EXPECT_STREQ("红中", CustomVocabulary().Word(55));
    CustomVocabulary() = saved;
}

TEST(VariableNamePickDialogTest, SaveWritesEveryEntryAndInsertsNothing)
{
    ConfigFile file("自定词汇.文本");
    CCustomVocabulary saved = CustomVocabulary();
    for (int i = 0; i < CCustomVocabulary::kSize; ++i)
        CustomVocabulary().Push(i == 76 ? "" : "词");  // entry 3 empty
    ScopedMessageBoxHook boxes;
    CVariableNamePickDlg picker;
    EXPECT_EQ(IDOK, ClickIn(picker, IDC_VOCABULARY_SAVE));
    EXPECT_STREQ("", picker.m_result);
    ASSERT_EQ(1, boxes.Count());
    EXPECT_STREQ("用户自定义词汇已成功保存!", boxes.Last().text);

    std::string written = TempDir::ReadFile((LPCTSTR)file.Path());
    std::string expected;
    for (int i = 0; i < 79; ++i)
        expected += "词\r\n";
    EXPECT_EQ(expected, written) << "all 80 entries less the empty one, each on a CR LF line";

    CCustomVocabulary reread;
    ASSERT_TRUE(reread.Load(file.Path()));
    EXPECT_STREQ("词", reread.Word(78));
    EXPECT_STREQ("", reread.Word(79)) << "the defaults' empty tail";
    CustomVocabulary() = saved;
}

TEST(VariableNamePickDialogTest, SaveThatCannotCreateTheFileSaysSoAndStaysOpen)
{
    ConfigFile file("自定词汇.文本");
    ASSERT_TRUE(::CreateDirectory(file.Path(), nullptr));
    ScopedMessageBoxHook boxes;
    CVariableNamePickDlg picker;
    bool open = false;
    DialogDriver driver{[&](DialogDriver& d) {
        d.Click(IDC_VOCABULARY_SAVE);
        open = ::IsWindow(d.Dialog()) && picker.ContinueModal();
        d.PressCancel();
    }};
    EXPECT_EQ(IDCANCEL, picker.DoModal());
    ::RemoveDirectory(file.Path());
    EXPECT_TRUE(open);
    ASSERT_EQ(1, boxes.Count());
    EXPECT_STREQ("创建文件\"自定词汇.文本\"失败!", boxes.Last().text);
}
