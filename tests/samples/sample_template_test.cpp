// The dialog templates that the two samples carry, read from their executables and compared
// field by field: header, font and every control with its class, text, id, style, position
// and size in dialog units.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct TemplateItem {
    int id;
    std::wstring className;
    std::wstring text;
    DWORD style;
    int x, y, cx, cy;
};

struct DialogTemplate {
    DWORD style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::wstring caption;
    int pointSize = 0;
    std::wstring face;
    std::vector<TemplateItem> items;
};

// Reads a template in either layout (DIALOG or DIALOGEX) from its resource bytes.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, DWORD size) : m_data(data), m_size(size) {}

    bool Read(DialogTemplate* dialog)
    {
        bool extended = Word(0) == 1 && Word(2) == 0xFFFF;
        int items;
        if (extended) {
            m_pos = 12;
            dialog->style = Dword();
        } else {
            dialog->style = Dword();
            m_pos += 4;
        }
        items = Word();
        dialog->x = (short)Word();
        dialog->y = (short)Word();
        dialog->cx = (short)Word();
        dialog->cy = (short)Word();
        NameOrOrdinal();
        NameOrOrdinal();
        dialog->caption = Text();
        if (dialog->style & (DS_SETFONT | DS_SHELLFONT)) {
            dialog->pointSize = Word();
            if (extended)
                m_pos += 4;
            dialog->face = Text();
        }
        for (int i = 0; i < items && m_ok; i++) {
            m_pos = (m_pos + 3) & ~3u;
            TemplateItem item;
            if (extended) {
                m_pos += 8;
                item.style = Dword();
            } else {
                item.style = Dword();
                m_pos += 4;
            }
            item.x = (short)Word();
            item.y = (short)Word();
            item.cx = (short)Word();
            item.cy = (short)Word();
            item.id = extended ? (int)Dword() : (short)Word();
            item.className = NameOrOrdinal();
            item.text = NameOrOrdinal();
            m_pos += Word();
            dialog->items.push_back(item);
        }
        return m_ok;
    }

private:
    unsigned Word(size_t at)
    {
        if (at + 2 > m_size) {
            m_ok = false;
            return 0;
        }
        return m_data[at] | (m_data[at + 1] << 8);
    }
    unsigned Word()
    {
        unsigned value = Word(m_pos);
        m_pos += 2;
        return value;
    }
    DWORD Dword()
    {
        DWORD low = Word();
        return low | ((DWORD)Word() << 16);
    }
    std::wstring Text()
    {
        std::wstring text;
        while (m_ok) {
            unsigned unit = Word();
            if (!unit)
                break;
            text += (wchar_t)unit;
        }
        return text;
    }
    // Predefined classes written as ordinals are named as the platform names them.
    std::wstring NameOrOrdinal()
    {
        if (Word(m_pos) != 0xFFFF)
            return Text();
        m_pos += 2;
        switch (Word()) {
        case 0x80: return L"Button";
        case 0x81: return L"Edit";
        case 0x82: return L"Static";
        case 0x83: return L"ListBox";
        case 0x84: return L"ScrollBar";
        case 0x85: return L"ComboBox";
        default: return L"#ordinal";
        }
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

// Dialog 100 of the program, in the given resource language unless it is 0; false when it is
// missing.
bool LoadDialog(const char* program, WORD language, DialogTemplate* dialog)
{
    HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return false;
    bool read = false;
    HRSRC resource = language
        ? FindResourceExA(module, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(100), language)
        : FindResourceA(module, MAKEINTRESOURCEA(100), (LPCSTR)RT_DIALOG);
    HGLOBAL block = resource ? LoadResource(module, resource) : nullptr;
    const BYTE* data = block ? (const BYTE*)LockResource(block) : nullptr;
    if (data)
        read = TemplateReader(data, SizeofResource(module, resource)).Read(dialog);
    FreeLibrary(module);
    return read;
}

// Texts of the test are in the ANSI code page, as the programs' are.
std::wstring Wide(const char* text)
{
    wchar_t buffer[256] = {};
    MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, 256);
    return buffer;
}

struct ExpectedItem {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    int x, y, cx, cy;
};

void ExpectItems(const DialogTemplate& dialog, const ExpectedItem* rows, size_t count)
{
    ASSERT_EQ(dialog.items.size(), count);
    for (size_t i = 0; i < count; i++) {
        const ExpectedItem& row = rows[i];
        const TemplateItem& item = dialog.items[i];
        SCOPED_TRACE(testing::Message() << "item " << i << ", id " << row.id);
        EXPECT_EQ((short)item.id, (short)row.id);
        EXPECT_EQ(_wcsicmp(item.className.c_str(), Wide(row.className).c_str()), 0);
        EXPECT_TRUE(item.text == Wide(row.text));
        EXPECT_EQ(item.style, row.style);
        EXPECT_EQ(item.x, row.x);
        EXPECT_EQ(item.y, row.y);
        EXPECT_EQ(item.cx, row.cx);
        EXPECT_EQ(item.cy, row.cy);
    }
}

const DWORD kSampleDialogStyle = 0x90C808C4;

}  // namespace

TEST(SampleTemplateTest, WidgetDemoDialogMatchesItsTemplate)
{
    DialogTemplate dialog;
    ASSERT_TRUE(LoadDialog(MOYU_WIDGETDEMO_EXE, 0, &dialog));
    EXPECT_EQ(dialog.style, kSampleDialogStyle);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 252);
    EXPECT_EQ(dialog.cy, 152);
    EXPECT_TRUE(dialog.caption == Wide("我的应用"));
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(_wcsicmp(dialog.face.c_str(), L"Ms Shell Dlg"), 0);
    const ExpectedItem rows[] = {
        { 1, "button", "确认", 0x50010001, 199, 4, 50, 14 },
        { 2, "button", "取消", 0x50010000, 199, 21, 50, 14 },
        { 1002, "msctls_progress32", "", 0x50000000, 10, 133, 228, 14 },
        { 1003, "SysTabControl32", "", 0x50000000, 13, 50, 145, 76 },
        { 1004, "edit", "", 0x50810080, 49, 7, 40, 14 },
        { -1, "static", "Static", 0x50020000, 15, 11, 19, 8 },
        { 1000, "SysTreeView32", "", 0x50812800, 164, 46, 78, 81 },
    };
    ExpectItems(dialog, rows, sizeof rows / sizeof rows[0]);
}

TEST(SampleTemplateTest, LoginDemoDialogMatchesItsTemplateInChinese)
{
    DialogTemplate dialog;
    ASSERT_TRUE(LoadDialog(MOYU_LOGINDEMO_EXE, 2052, &dialog)) << "dialog 100 in language 2052";
    EXPECT_EQ(dialog.style, kSampleDialogStyle);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 242);
    EXPECT_EQ(dialog.cy, 114);
    EXPECT_TRUE(dialog.caption == Wide("登陆器"));
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(_wcsicmp(dialog.face.c_str(), L"Ms Shell Dlg"), 0);
    const ExpectedItem rows[] = {
        { 1, "button", "确认", 0x50010001, 155, 31, 50, 14 },
        { 2, "button", "取消", 0x50010000, 155, 54, 50, 14 },
        { 1000, "edit", "", 0x50810080, 63, 31, 82, 15 },
        { -1, "static", "账号：", 0x50020000, 34, 33, 25, 11 },
        { 1004, "edit", "", 0x508100A0, 64, 52, 82, 15 },
        { -1, "static", "密码：", 0x50020000, 34, 53, 25, 8 },
    };
    ExpectItems(dialog, rows, sizeof rows / sizeof rows[0]);
}
