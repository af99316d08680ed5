#include "editor/inputaids/CustomVocabulary.h"

#include "editor/settings/TextSettings.h"
#include "editor/util/FileReplacing.h"
#include "framework/AppEnvironment.h"

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


} // namespace

void CCustomVocabulary::InitDefaults()
{
    const int defaults = (int)(sizeof kDefaultWords / sizeof kDefaultWords[0]);
    for (int i = 0; i < kSize; ++i)
        m_words[i] = i < defaults ? kDefaultWords[i] : "";
}

bool CCustomVocabulary::Load(const char* path)
{
    CStringArray lines;
    if (!ReadTextLines(path, lines, (int)kLineBufferSize - 1))
        return false;
    int stored = 0;
    for (int i = 0; i < lines.GetSize() && stored < kSize; ++i) {
        if (!lines[i].IsEmpty())
            m_words[stored++].assign(lines[i], (size_t)lines[i].GetLength());
    }
    return true;
}

bool CCustomVocabulary::Save(const char* path) const
{
    std::string text;
    for (const std::string& word : m_words) {
        if (word.empty())
            continue;
        text += word;
        text += "\r\n";
    }
    return path && WriteFileReplacing(path, text.data(), text.size());
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

CString CustomVocabularyPath()
{
    return GetProgramFolder() + "\\配置\\自定词汇.文本";
}

void LoadCustomVocabulary()
{
    CustomVocabulary().Load(CustomVocabularyPath());
}

void PushCustomVocabularyWord(const char* word)
{
    CustomVocabulary().Push(word);
}
