#include "editor/inputaids/CustomVocabulary.h"

#include "editor/inputaids/GbkBytes.h"
#include "editor/inputaids/LinePiece.h"
#include "framework/AppEnvironment.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kDefaultWords[] = {
    "国家", "车辆", "武器", "器材", "扁鹊", "爱好", "职业", "籍贯", "住址", "邮箱", "电话",
    "房间", "楼层", "长度", "高度", "利率", "体重", "距离", "数量", "重量", "食物", "城市",
    "省份", "规格", "型号", "颜色", "厚度", "亮度", "品牌", "棋牌", "速度", "距离", "体积",
    "班级", "部门", "容量", "阻值", "功率", "容差", "中国", "美国", "英国", "法国", "德国",
    "苹果", "西瓜", "葡萄", "桔子", "桃子", "东风", "南风", "西风", "北风", "白板", "红中",
};
static_assert(sizeof kDefaultWords / sizeof kDefaultWords[0] == 55, "the picker shows 55 words");

class FileCloser {
public:
    explicit FileCloser(FILE* file) : m_file(file) {}
    ~FileCloser() { fclose(m_file); }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

private:
    FILE* m_file;
};

} // namespace

void CCustomVocabulary::InitDefaults()
{
    const int defaults = (int)(sizeof kDefaultWords / sizeof kDefaultWords[0]);
    for (int i = 0; i < kSize; ++i)
        m_words[i] = i < defaults ? kDefaultWords[i] : "";
}

bool CCustomVocabulary::Load(const char* path)
{
    FILE* file = path ? fopen(path, "r") : nullptr;
    if (!file)
        return false;
    FileCloser closer(file);
    char buffer[kLineBufferSize];
    int stored = 0;
    LinePiece piece;
    while (stored < kSize && ReadLinePiece(file, buffer, sizeof buffer, piece)) {
        // A zero byte ends the word; the line itself still ends at its '\n'.
        size_t length = strnlen(buffer, piece.length);
        if (length < piece.length || !piece.complete) {
            // A word ends on a character boundary. A lead byte whose trail did not fit the
            // buffer starts the next piece; one cut off by a zero byte is dropped, since the
            // next piece may be another line.
            size_t whole = GbkBytes::WholeCharsLength(buffer, length);
            if (whole < length && length == piece.length)
                ungetc((unsigned char)buffer[whole], file);
            length = whole;
        }
        while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r'))
            --length;
        if (length == 0)
            continue;
        m_words[stored++].assign(buffer, length);
    }
    return true;
}

void CCustomVocabulary::Push(const char* word)
{
    for (int i = kSize - 1; i > 0; --i)
        m_words[i].swap(m_words[i - 1]);
    m_words[0] = word ? word : "";
}

const char* CCustomVocabulary::Word(int index) const
{
    if (index < 0 || index >= kSize)
        return "";
    return m_words[index].c_str();
}

CCustomVocabulary& CustomVocabulary()
{
    static CCustomVocabulary vocabulary;
    return vocabulary;
}

void InitCustomVocabularyDefaults()
{
    CustomVocabulary().InitDefaults();
}

void LoadCustomVocabulary()
{
    CString path = GetProgramFolder() + "\\配置\\自定词汇.文本";
    CustomVocabulary().Load(path);
}

void PushCustomVocabularyWord(const char* word)
{
    CustomVocabulary().Push(word);
}
