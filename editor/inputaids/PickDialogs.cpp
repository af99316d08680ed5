#include "editor/inputaids/PickDialogs.h"

#include "editor/inputaids/CustomVocabulary.h"
#include "editor/inputaids/QuickInputPhrases.h"
#include "editor/res/resource.h"
#include "framework/MessageBox.h"

namespace {

const PickWord kAncientNumerals[] = {
    {1, "廿"},  {3, "卅"},  {4, "卌"},  {5, "亖"},  {6, "皕"},  {7, "〇"},
    {8, "〡"},  {9, "〢"},  {10, "〣"}, {11, "〤"}, {12, "〥"}, {13, "〦"},
    {14, "〧"}, {15, "〨"}, {16, "〩"}, {17, "十"},
};

const PickWord kPhoneticSymbols[] = {
    {1, "ㄅ"},  {3, "ㄆ"},  {4, "ㄇ"},  {5, "ㄈ"},  {6, "ㄉ"},  {7, "ㄊ"},  {8, "ㄋ"},  {9, "ㄌ"},
    {10, "ㄍ"}, {11, "ㄎ"}, {12, "ㄏ"}, {13, "ㄐ"}, {14, "ㄑ"}, {15, "ㄒ"}, {16, "ㄓ"}, {17, "ㄔ"},
    {18, "ㄕ"}, {19, "ㄖ"}, {20, "ㄗ"}, {21, "ㄘ"}, {22, "ㄙ"}, {24, "ㄧ"}, {25, "ㄨ"}, {26, "ㄩ"},
    {30, "ㄚ"}, {31, "ㄛ"}, {32, "ㄜ"}, {33, "ㄝ"}, {34, "ㄞ"}, {35, "ㄟ"}, {36, "ㄠ"}, {37, "ㄡ"},
    {38, "ㄢ"}, {39, "ㄣ"}, {40, "ㄤ"}, {41, "ㄥ"}, {42, "ㄦ"},
};

// Type words keep their trailing blank; the short words that complete one have none.
const PickWord kDataTypes[] = {
    {1, "颜色类型 "},     {3, "画笔类型 "},     {4, "画刷类型 "},     {5, "字体类型 "},
    {6, "字体属性类型 "}, {7, "坐标类型 "},     {8, "横坐标"},        {41, "纵坐标"},
    {9, "指针表类型 "},   {10, "链表类型 "},    {11, "链表节点类型 "}, {12, "短整数类型 "},
    {13, "字类型 "},      {14, "双字类型 "},    {15, "浮点数类型 "},  {16, "联合类型 "},
    {17, "矩形类型 "},    {18, "左坐标"},       {36, "上坐标"},       {37, "右坐标"},
    {38, "下坐标"},       {20, "无参数"},       {21, "无返回值 "},    {22, "空证件"},
    {23, "文件类型 "},    {24, "读"},           {32, "写"},           {33, "添"},
    {35, "+"},            {25, "文"},           {34, "数"},           {26, "布尔类型 "},
    {27, "字节串类型 "},  {28, "菜单证类型 "},  {29, "时间类型 "},    {30, "日期时间类型 "},
    {31, "系统时间类型 "}, {39, "类型定义 "},   {40, "变参类型 "},    {42, "墨调用 "},
    {43, "标准调用 "},
};

struct OperatorRow {
    int id;
    const char* word;
    const char* symbol;  // null: the same as the word form
};

// Backslash-n and backslash-b are the pending-insert markers (Enter, one indentation step
// back); 【…】 encloses a hint.
const OperatorRow kOperators[] = {
    {1, " 大于 ", " > "},
    {3, " 大于等于 ", " ≥ "},
    {4, " 小于 ", " < "},
    {5, " 小于等于 ", " ≤ "},
    {6, " 不等于 ", " ≠ "},
    {31, " 等于 ", " == "},
    {7, " 加加 ", "++ "},
    {8, " 减减 ", "-- "},
    {9, " 加等 ", " += "},
    {10, " 减等 ", " -= "},
    {12, " 乘等 ", " *= "},
    {13, " 除等 ", " /= "},
    {14, " 模等 ", " %= "},
    {15, " 与 ", " && "},
    {16, " 或 ", " || "},
    {17, " 非 ", " !"},
    {18, " 并且 ", " && "},
    {19, " 左移 ", " 《 "},
    {20, " 右移 ", " 》 "},
    {22, " 位与 ", " & "},
    {23, " 位或 ", " | "},
    {24, " 位非 ", " ~"},
    {25, " 异或 ", " ^ "},
    {29, " 指向的 ", " → "},
    {11, " 取地址 ", " &"},
    {21, "//", nullptr},
    {27, " /* ", nullptr},
    {28, " */ ", nullptr},
    {39, " 不 ", nullptr},
    {34, " ? ", nullptr},
    {66, " : ", nullptr},
    {35, "〖", nullptr},
    {40, "〗", nullptr},
    {41, "【", nullptr},
    {42, "】", nullptr},
    {36, "真", nullptr},
    {37, "假", nullptr},
    {38, "成功", nullptr},
    {30, "类型长度( )", nullptr},
    {48, "#如果 ", nullptr},
    {49, "#或者 ", nullptr},
    {50, "#否则 ", nullptr},
    {51, "#如果结束 ", nullptr},
    {52, "#定义 ", nullptr},
    {53, "#包含 ", nullptr},
    {54, "#如果已定义 ", nullptr},
    {55, "#如果未定义 ", nullptr},
    {56, "#取消定义 ", nullptr},
    {57, " 已定义( ) ", nullptr},
    {58, "如果(【执行后面语句的条件】 ){【条件满足时，执行后续一条或多条语句】\\n\\n}\\b//如果\\n", nullptr},
    {75, "如果【执行后面语句的条件】 就 {【条件满足时，执行后续一条或多条语句】\\n\\n}\\b//如果\\n", nullptr},
    {59, "或者(【执行后面语句的条件】 ){【条件满足时，执行后续一条或多条语句】\\n\\n}\\b//如果-或者\\n", nullptr},
    {60, "否则{【前面条件都不满足时执行后续一条或多条语句】\\n\\n}\\b//如果-否则\\n", nullptr},
    {61,
     "步进循环(【准备语句】 ;【步进循环条件】 ;【步进语句】 ){【步进条件满足时，执行后续一条或多条语句】"
     "\\n\\n}\\b//步进循环\\n",
     nullptr},
    {62, "重复{【重复执行后续一条或多条语句】\\n\\n}直到(【终止条件】 )；\\b\\n", nullptr},
    {63, "重复{【重复执行后续一条或多条语句】\\n\\n}当(【重复条件】 )；\\b\\n", nullptr},
    {64, "当(【重复执行的条件】)重复{【重复执行后续一条或多条语句】\\n\\n}\\b//当...重复...\\n", nullptr},
    {65,
     "检查(【整数变量】 ){【分支语句，即根据整数变量的不同值，跳转到不同分支位置执行后续语句。】"
     "\\n\\n}\\b//分支语句\\n",
     "分支( ){ }"},
    {71, "若等于 【整型常量】 :【顺序执行后续语句】\\n\\n跳出；\\n", nullptr},
    {73, "其他值:【前面条件都不满足时，顺序执行后续语句】\\n\\n", nullptr},
    {67, "跳出；\\n", nullptr},
    {68, "跳转到 【标签名】 ；\\n", nullptr},
    {69, "继续；\\n", nullptr},
    {70, "开始\\n", nullptr},
    {72, "结束\\n", nullptr},
    {74, "返回 ;\\n", nullptr},
};

struct DirectiveRow {
    int id;
    const char* longForm;
    const char* shortForm;
};

const DirectiveRow kDirectives[] = {
    {1, "%(整数)", "%整"},         {3, "%(自然数)", "%自"},   {4, "%(八进制)", "%八"},
    {5, "%(十六进制)", "%六"},     {6, "%(拾陆进制)", "%陆"}, {7, "%(小数)", "%小"},
    {16, "%(双精度数)", "%双"},    {8, "%(科学表示法)", "%科"}, {9, "%(字符)", "%字"},
    {10, "%(词语)", "%词"},        {11, "%(字符串)", "%串"},  {12, "%(换行)", "%行"},
    {13, "%(回车)", "%回"},        {14, "%(跳格)", "%跳"},
};

const char* const kDefaultPhrases[] = {
    "请输入一个整数：", "请输入一个小数：", "请输入一句话：", "请输入你的名字：",
    "请输入你的年龄：", "整数值=",          "小数值=",        "结果=",
};

// 巭 and 囍 go in with a blank before them.
const PickWord kVariableNames[] = {
    {1, "鼠"},      {3, "牛"},      {4, "虎"},      {5, "兔"},      {6, "龙"},      {7, "蛇"},
    {8, "马"},      {9, "羊"},      {10, "猴"},     {11, "鸡"},     {12, "狗"},     {13, "猪"},
    {14, "盘古"},   {15, "尧"},     {16, "舜"},     {17, "禹"},     {18, "人物"},   {19, "仓颉"},
    {20, "精卫"},   {21, "夸父"},   {22, "伏羲"},   {23, "炎帝"},   {24, "姓名"},   {25, "年龄"},
    {26, "悟空"},   {27, "八戒"},   {28, "沙僧"},   {29, "唐僧"},   {30, "女娲"},   {31, "张衡"},
    {32, "岳飞"},   {33, "鲁班"},   {34, "孔子"},   {35, "老子"},   {36, "成绩"},   {37, "价格"},
    {38, "㈠"},     {39, "㈡"},     {40, "㈢"},     {41, "㈣"},     {42, "㈤"},     {43, "㈥"},
    {44, "㈦"},     {45, "㈧"},     {46, "㈨"},     {47, "㈩"},     {48, "黄帝"},   {49, "身高"},
    {109, "总和"},  {110, "水果"},  {111, "累积"},  {112, "学生"},  {113, "余数"},  {114, "动物"},
    {115, "结果"},  {116, "错误码"}, {117, "烎"},   {118, "☆"},     {119, "槑"},    {120, "兲"},
    {121, "★"},     {122, "◆"},     {123, "◇"},     {124, "○"},     {125, "囧"},    {126, "㊣"},
    {127, "●"},     {128, " 巭"},   {129, " 囍"},   {130, "氼"},    {131, "勥"},    {132, "嫑"},
    {133, "嘦"},    {134, "燚"},    {135, "忈"},
};

template <typename Row, size_t N>
const Row* FindRow(const Row (&rows)[N], int id)
{
    for (const Row& row : rows)
        if (row.id == id)
            return &row;
    return nullptr;
}

} // namespace

void CPickDlg::OnOK()
{
    Pick(IDOK);
    CDialog::OnOK();
}

BOOL CPickDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    int id = LOWORD(wParam);
    if (lParam && HIWORD(wParam) == BN_CLICKED && id != IDOK && id != IDCANCEL && Pick(id)) {
        CDialog::OnOK();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool CTablePickDlg::Pick(int id)
{
    for (size_t i = 0; i < m_count; ++i)
        if (m_words[i].id == id) {
            m_result = m_words[i].text;
            return true;
        }
    return false;
}

CAncientNumeralDlg::CAncientNumeralDlg(CWnd* parent)
    : CTablePickDlg(IDD_ANCIENT_NUMERALS, kAncientNumerals, parent)
{
}

CPhoneticSymbolDlg::CPhoneticSymbolDlg(CWnd* parent)
    : CTablePickDlg(IDD_PHONETIC_SYMBOLS, kPhoneticSymbols, parent)
{
}

CDataTypePickDlg::CDataTypePickDlg(CWnd* parent) : CTablePickDlg(IDD_DATA_TYPE_PICK, kDataTypes, parent) {}

COperatorPickDlg::COperatorPickDlg(CWnd* parent) : CPickDlg(IDD_OPERATOR_PICK, parent) {}

bool COperatorPickDlg::Pick(int id)
{
    const OperatorRow* row = FindRow(kOperators, id);
    if (!row)
        return false;
    m_wordForm = row->word;
    m_symbolForm = row->symbol ? row->symbol : row->word;
    return true;
}

BEGIN_MESSAGE_MAP(CFormatChoiceDlg, CPickDlg)
    ON_WM_CLOSE()
    ON_BN_CLICKED(IDC_FORMAT_LONG, OnFormKind)
    ON_BN_CLICKED(IDC_FORMAT_SHORT, OnFormKind)
    ON_BN_CLICKED(IDC_PHRASE_INSERT, OnInsertPhrase)
    ON_LBN_DBLCLK(IDC_PHRASE_LIST, OnInsertPhrase)
END_MESSAGE_MAP()

CFormatChoiceDlg::CFormatChoiceDlg(CWnd* parent) : CPickDlg(IDD_FORMAT_CHOICE, parent) {}

BOOL CFormatChoiceDlg::OnInitDialog()
{
    CPickDlg::OnInitDialog();
    CheckRadioButton(IDC_FORMAT_LONG, IDC_FORMAT_SHORT, m_formFlag == 0 ? IDC_FORMAT_LONG : IDC_FORMAT_SHORT);
    FillPhrases();
    SendDlgItemMessage(IDC_PHRASE_LIST, LB_SETCURSEL, 0);
    return TRUE;
}

void CFormatChoiceDlg::FillPhrases()
{
    std::vector<CString> phrases = ReadQuickInputPhrases(QuickInputPhrasesPath());
    if (phrases.empty())
        phrases.assign(std::begin(kDefaultPhrases), std::end(kDefaultPhrases));
    for (const CString& phrase : phrases)
        SendDlgItemMessage(IDC_PHRASE_LIST, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)phrase);
}

bool CFormatChoiceDlg::Pick(int id)
{
    const DirectiveRow* row = FindRow(kDirectives, id);
    if (!row)
        return false;
    m_result = m_formFlag == 1 ? row->shortForm : row->longForm;
    return true;
}

void CFormatChoiceDlg::OnFormKind()
{
    m_formFlag = IsDlgButtonChecked(IDC_FORMAT_SHORT) == BST_CHECKED ? 1 : 0;
}

void CFormatChoiceDlg::OnClose()
{
    OnFormKind();
    Default();
}

void CFormatChoiceDlg::OnInsertPhrase()
{
    int selected = (int)SendDlgItemMessage(IDC_PHRASE_LIST, LB_GETCURSEL);
    if (selected < 0)
        return;
    int length = (int)SendDlgItemMessage(IDC_PHRASE_LIST, LB_GETTEXTLEN, selected);
    if (length < 0)
        return;
    std::vector<char> text(length + 1);
    SendDlgItemMessage(IDC_PHRASE_LIST, LB_GETTEXT, selected, (LPARAM)text.data());
    m_result = text.data();
    CDialog::OnOK();
}

BEGIN_MESSAGE_MAP(CVariableNamePickDlg, CPickDlg)
    ON_BN_CLICKED(IDC_VOCABULARY_SAVE, OnSave)
END_MESSAGE_MAP()

CVariableNamePickDlg::CVariableNamePickDlg(CWnd* parent) : CPickDlg(IDD_VARIABLE_NAME_PICK, parent) {}

int CVariableNamePickDlg::CustomButtonId(int index)
{
    // Four runs of ids, 50-60, 62-72, 74-95 and 97-107, around the save button and the
    // group's other controls.
    if (index < 11)
        return 50 + index;
    if (index < 22)
        return 62 + index - 11;
    if (index < 44)
        return 74 + index - 22;
    return 97 + index - 44;
}

BOOL CVariableNamePickDlg::OnInitDialog()
{
    CPickDlg::OnInitDialog();
    for (int i = 0; i < kCustomButtons; ++i)
        SetDlgItemText(CustomButtonId(i), CustomVocabulary().Word(i));
    return TRUE;
}

bool CVariableNamePickDlg::Pick(int id)
{
    if (const PickWord* row = FindRow(kVariableNames, id)) {
        m_result = row->text;
        return true;
    }
    for (int i = 0; i < kCustomButtons; ++i)
        if (CustomButtonId(i) == id) {
            GetDlgItemText(id, m_result);
            return true;
        }
    return false;
}

void CVariableNamePickDlg::OnSave()
{
    if (!CustomVocabulary().Save(CustomVocabularyPath())) {
        CString message;
        message.Format("创建文件\"%s\"失败!", "自定词汇.文本");
        AfxMessageBox(message, MB_OK);
        return;
    }
    AfxMessageBox("用户自定义词汇已成功保存!", MB_OK);
    m_result.Empty();
    CDialog::OnOK();
}
