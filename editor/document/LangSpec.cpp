#include "editor/document/LangSpec.h"

#include "editor/document/GbkCompare.h"

#include <cstring>

namespace {

// Spec files are read in lines of this many bytes at most.
const int kSpecLineLimit = 4095;

struct RangeConditionText {
    const char* text;
    RangeCondition condition;
};

// Tested in this order; the English negations are spelled with "RNGE".
const RangeConditionText kRangeConditionTexts[] = {
    {"范围1", kRangeInside1},          {"范围2", kRangeInside2},
    {"!1&2", kRangeOutside1Inside2},   {"!范围1", kRangeOutside1},
    {"!范围2", kRangeOutside2},        {"1||2", kRangeInside1Or2},
    {"RANGE1", kRangeInside1},         {"RANGE2", kRangeInside2},
    {"!R1&R2", kRangeOutside1Inside2}, {"!RNGE1", kRangeOutside1},
    {"!RNGE2", kRangeOutside2},        {"R1||R2", kRangeInside1Or2},
};

bool EnglishYes(const std::string& value)
{
    return !value.empty() && (value[0] == 'Y' || value[0] == 'y');
}

bool ChineseYes(const std::string& value)
{
    static const char kYes[] = "是";
    return value.compare(0, 2, kYes) == 0;
}

char FirstByte(const std::string& value)
{
    return value.empty() ? '\0' : value[0];
}

DbcsPair FirstPair(const std::string& value)
{
    DbcsPair pair;
    pair.lead = FirstByte(value);
    pair.trail = value.size() > 1 ? value[1] : '\0';
    return pair;
}

using StoreValue = void (*)(CLangSpec&, const std::string&);

struct SpecKey {
    const char* key;
    StoreValue store;
};

#define TEXT_FIELD(field) [](CLangSpec& s, const std::string& v) { s.field = v; }
#define BYTE_FIELD(field) [](CLangSpec& s, const std::string& v) { s.field = FirstByte(v); }
#define PAIR_FIELD(field) [](CLangSpec& s, const std::string& v) { s.field = FirstPair(v); }
#define RANGE_FIELD(field) \
    [](CLangSpec& s, const std::string& v) { s.field = ParseRangeCondition(v.c_str()); }

// English keys first, then Chinese; the first key that matches stores the value. The
// English keys number line comments and block comment pairs 1-2 (no digit = 1); the Chinese
// ones 1-3 (no digit = 1, digit 1 = 2, digit 2 = 3).
const SpecKey kSpecKeys[] = {
    {"$CASESENSITIVE", [](CLangSpec& s, const std::string& v) { s.m_caseSensitive = EnglishYes(v); }},
    {"$MULTILINESTRINGCONSTANT",
     [](CLangSpec& s, const std::string& v) { s.m_multiLineStrings = EnglishYes(v); }},
    {"$VARIABLEHIGHLIGHTINSTRING",
     [](CLangSpec& s, const std::string& v) { s.m_variablesInStrings = EnglishYes(v); }},
    {"$DELIMITERS", TEXT_FIELD(m_delimiters)},
    {"$PREFIX", TEXT_FIELD(m_keywordPrefixes)},
    {"$KEYWORDPREFIX", TEXT_FIELD(m_keywordPrefixes)},
    {"$HEXADECIMALMARK", TEXT_FIELD(m_hexMark)},
    {"$VARIABLEPREFIX", TEXT_FIELD(m_variablePrefixes)},
    {"$VARIABLEENCLOSEDBY", TEXT_FIELD(m_variableEnclosing)},
    {"$SPECIALVARIABLECHARS", TEXT_FIELD(m_specialVariableChars)},
    {"$ESCAPECHAR", BYTE_FIELD(m_escapeChar)},
    {"$QUOTATIONMARK1", BYTE_FIELD(m_quote[0])},
    {"$QUOTATIONMARK2", BYTE_FIELD(m_quote[1])},
    {"$QUOTATIONMARK3", BYTE_FIELD(m_quote[2])},
    {"$INDENTATIONON", BYTE_FIELD(m_indentOn)},
    {"$INDENTATIONOFF", BYTE_FIELD(m_indentOff)},
    {"$LINECOMMENTONFIRSTPOSITION", TEXT_FIELD(m_firstColumnComment[0])},
    {"$LINECOMMENT1ONFIRSTPOSITION", TEXT_FIELD(m_firstColumnComment[0])},
    {"$LINECOMMENT2ONFIRSTPOSITION", TEXT_FIELD(m_firstColumnComment[1])},
    {"$LINECOMMENT", TEXT_FIELD(m_lineComment[0])},
    {"$LINECOMMENT1", TEXT_FIELD(m_lineComment[0])},
    {"$LINECOMMENT2", TEXT_FIELD(m_lineComment[1])},
    {"$BLOCKCOMMENTON", TEXT_FIELD(m_blockCommentOn[0])},
    {"$BLOCKCOMMENTOFF", TEXT_FIELD(m_blockCommentOff[0])},
    {"$BLOCKCOMMENT1ON", TEXT_FIELD(m_blockCommentOn[0])},
    {"$BLOCKCOMMENT1OFF", TEXT_FIELD(m_blockCommentOff[0])},
    {"$BLOCKCOMMENT2ON", TEXT_FIELD(m_blockCommentOn[1])},
    {"$BLOCKCOMMENT2OFF", TEXT_FIELD(m_blockCommentOff[1])},
    {"$SHADOWON", TEXT_FIELD(m_shadowOn)},
    {"$SHADOWOFF", TEXT_FIELD(m_shadowOff)},
    {"$HIGHLIGHTON", TEXT_FIELD(m_highlightOn)},
    {"$HIGHLIGHTOFF", TEXT_FIELD(m_highlightOff)},
    {"$RANGE1BEG", TEXT_FIELD(m_range1Begin)},
    {"$RANGE1END", TEXT_FIELD(m_range1End)},
    {"$RANGE2BEG", TEXT_FIELD(m_range2Begin)},
    {"$RANGE2END", TEXT_FIELD(m_range2End)},
    {"$PAIRS1", TEXT_FIELD(m_pairs[0])},
    {"$PAIRS2", TEXT_FIELD(m_pairs[1])},
    {"$PAIRS3", TEXT_FIELD(m_pairs[2])},
    {"$QUOTATIONMARKRANGE", RANGE_FIELD(m_quoteRange)},
    {"$LINECOMMENTRANGE", RANGE_FIELD(m_lineCommentRange)},
    {"$BLOCKCOMMENTRANGE", RANGE_FIELD(m_blockCommentRange)},

    {"$区分大小写", [](CLangSpec& s, const std::string& v) { s.m_caseSensitive = ChineseYes(v); }},
    {"$多行字符串常量",
     [](CLangSpec& s, const std::string& v) { s.m_multiLineStrings = ChineseYes(v); }},
    {"$字符串中变量高亮",
     [](CLangSpec& s, const std::string& v) { s.m_variablesInStrings = ChineseYes(v); }},
    {"$定界符", TEXT_FIELD(m_delimiters)},
    {"$中文定界符", TEXT_FIELD(m_fullWidthDelimiters)},
    {"$前缀", TEXT_FIELD(m_keywordPrefixes)},
    {"$关键词前缀", TEXT_FIELD(m_keywordPrefixes)},
    {"$十六进制数标志", TEXT_FIELD(m_hexMark)},
    {"$变量前缀", TEXT_FIELD(m_variablePrefixes)},
    {"$括起变量的符号", TEXT_FIELD(m_variableEnclosing)},
    {"$特殊变量字符", TEXT_FIELD(m_specialVariableChars)},
    {"$转义符", BYTE_FIELD(m_escapeChar)},
    {"$引号符号1", BYTE_FIELD(m_quote[0])},
    {"$引号符号2", BYTE_FIELD(m_quote[1])},
    {"$引号符号3", BYTE_FIELD(m_quote[2])},
    {"$缩进开始", BYTE_FIELD(m_indentOn)},
    {"$缩进结束", BYTE_FIELD(m_indentOff)},
    {"$中文缩进开始", PAIR_FIELD(m_fullWidthIndentOn)},
    {"$中文缩进结束", PAIR_FIELD(m_fullWidthIndentOff)},
    {"$行注释开始位置", TEXT_FIELD(m_firstColumnComment[0])},
    {"$行注释1开始位置", TEXT_FIELD(m_firstColumnComment[0])},
    {"$行注释2开始位置", TEXT_FIELD(m_firstColumnComment[1])},
    {"$行注释", TEXT_FIELD(m_lineComment[0])},
    {"$行注释1", TEXT_FIELD(m_lineComment[1])},
    {"$行注释2", TEXT_FIELD(m_lineComment[2])},
    {"$块注释开", TEXT_FIELD(m_blockCommentOn[0])},
    {"$块注释关", TEXT_FIELD(m_blockCommentOff[0])},
    {"$块注释1开", TEXT_FIELD(m_blockCommentOn[1])},
    {"$块注释1关", TEXT_FIELD(m_blockCommentOff[1])},
    {"$块注释2开", TEXT_FIELD(m_blockCommentOn[2])},
    {"$块注释2关", TEXT_FIELD(m_blockCommentOff[2])},
    {"$阴影开", TEXT_FIELD(m_shadowOn)},
    {"$阴影关", TEXT_FIELD(m_shadowOff)},
    {"$高亮开", TEXT_FIELD(m_highlightOn)},
    {"$高亮关", TEXT_FIELD(m_highlightOff)},
    {"$范围1开始", TEXT_FIELD(m_range1Begin)},
    {"$范围1结束", TEXT_FIELD(m_range1End)},
    {"$范围2开始", TEXT_FIELD(m_range2Begin)},
    {"$范围2结束", TEXT_FIELD(m_range2End)},
    {"$逻辑块1", TEXT_FIELD(m_pairs[0])},
    {"$逻辑块2", TEXT_FIELD(m_pairs[1])},
    {"$逻辑块3", TEXT_FIELD(m_pairs[2])},
    {"$中文逻辑块1", TEXT_FIELD(m_fullWidthPairs[0])},
    {"$中文逻辑块2", TEXT_FIELD(m_fullWidthPairs[1])},
    {"$中文逻辑块3", TEXT_FIELD(m_fullWidthPairs[2])},
    {"$引号符号范围", RANGE_FIELD(m_quoteRange)},
    {"$行注释范围", RANGE_FIELD(m_lineCommentRange)},
    {"$块注释范围", RANGE_FIELD(m_blockCommentRange)},
    {"$中文引号符号1", PAIR_FIELD(m_fullWidthQuote[0])},
    {"$中文引号符号2", PAIR_FIELD(m_fullWidthQuote[1])},
    {"$中文引号符号3", PAIR_FIELD(m_fullWidthQuote[2])},
    {"$中文引号符号4", PAIR_FIELD(m_fullWidthQuote[3])},
};

#undef TEXT_FIELD
#undef BYTE_FIELD
#undef PAIR_FIELD
#undef RANGE_FIELD

} // namespace

const char CLangSpec::kDefaultDelimiters[] = "(){}[]<>+-*/%=,\"'~!@#$^&|\\?:;.";
const char CLangSpec::kDefaultFullWidthDelimiters[] =
    "（）｛｝［］〈〉【】＋－×／％＝“”‘’～！＠＃￥＆｜＼？：；，。";

RangeCondition ParseRangeCondition(const char* text)
{
    if (text == nullptr)
        return kRangeNone;
    size_t length = std::strlen(text);
    for (const RangeConditionText& entry : kRangeConditionTexts) {
        size_t entryLength = std::strlen(entry.text);
        if (length >= entryLength && GbkCompare::StartsWithNoCase(text, entry.text, entryLength))
            return entry.condition;
    }
    return kRangeNone;
}

void CLangSpec::Reset()
{
    m_caseSensitive = true;
    m_multiLineStrings = false;
    m_variablesInStrings = false;
    m_delimiters = kDefaultDelimiters;
    m_fullWidthDelimiters = kDefaultFullWidthDelimiters;
    m_keywordPrefixes.clear();
    m_hexMark.clear();
    m_variablePrefixes.clear();
    m_variableEnclosing.clear();
    m_specialVariableChars.clear();
    m_escapeChar = 0;
    m_quote[0] = m_quote[1] = m_quote[2] = 0;
    m_indentOn = m_indentOff = 0;
    m_fullWidthIndentOn = DbcsPair();
    m_fullWidthIndentOff = DbcsPair();
    for (std::string& text : m_firstColumnComment)
        text.clear();
    for (int i = 0; i < 3; ++i) {
        m_lineComment[i].clear();
        m_blockCommentOn[i].clear();
        m_blockCommentOff[i].clear();
        m_pairs[i].clear();
        m_fullWidthPairs[i].clear();
    }
    m_shadowOn.clear();
    m_shadowOff.clear();
    m_highlightOn.clear();
    m_highlightOff.clear();
    m_range1Begin.clear();
    m_range1End.clear();
    m_range2Begin.clear();
    m_range2End.clear();
    m_quoteRange = m_lineCommentRange = m_blockCommentRange = kRangeNone;
    for (DbcsPair& pair : m_fullWidthQuote)
        pair = DbcsPair();
}

bool CLangSpec::Apply(const std::string& key, const std::string& value)
{
    for (const SpecKey& entry : kSpecKeys) {
        if (GbkCompare::EqualsNoCase(key, entry.key, std::strlen(entry.key))) {
            entry.store(*this, value);
            return true;
        }
    }
    return false;
}

bool CLangSpec::Load(const char* path, SkippedLines* skipped)
{
    Reset();
    CDescriptionFile file;
    if (path == nullptr || !file.Open(path, kSpecLineLimit))
        return false;
    std::string line;
    while (file.ReadLine(line)) {
        if (line.empty() || line[0] != '$')
            continue;  // a comment
        size_t equals = line.find('=');
        bool used = !file.LineWasCut() && equals != std::string::npos && equals + 1 < line.size()
                    && Apply(line.substr(0, equals), line.substr(equals + 1));
        if (!used && skipped)
            skipped->push_back({file.LineNumber(), line});
    }
    return true;
}
