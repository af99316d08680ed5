#include "editor/shell/CommandArgs.h"

#include <cstdlib>
#include <cstring>

#include "framework/Gbk.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

CCommandArgs::CCommandArgs(const char* text)
{
    std::vector<CString> words;
    int count = Split(text, words);
    std::vector<const char*> pointers;
    for (const CString& word : words)
        pointers.push_back(word);
    Parse(count, pointers.data());
}

CCommandArgs::CCommandArgs(int count, const char* const* vector)
{
    Parse(count, vector);
}

bool CCommandArgs::GetOption(const char* name, CString& value) const
{
    return m_options.Lookup(name, value) != FALSE;
}

int CCommandArgs::Split(const char* text, std::vector<CString>& words)
{
    words.clear();
    words.push_back("__program_name");
    if (!text)
        return 1;
    int length = (int)std::strlen(text);
    int at = 0;
    while (at < length && IsBlank(text[at]))
        ++at;
    while (at < length && (int)words.size() < kMaxWords) {
        // Scan one word, by character so a trail byte 0x5C is no backslash.
        int start = at;
        bool quoted = false;
        while (at < length && (quoted || !IsBlank(text[at]))) {
            if (text[at] == '"')
                quoted = !quoted;
            else if (!quoted && text[at] == '\\' && text[at + 1] == '"')
                ++at;
            at += GbkText::CharLength(text, length, at);
        }
        CString word;
        for (int i = start; i < at;) {
            int step = GbkText::CharLength(text, length, i);
            if (text[i] == '\\' && i + 1 < at && text[i + 1] == '"') {
                word += '"';
                step = 2;
            } else if (text[i] != '"') {
                word += CString(text + i, step);
            }
            i += step;
        }
        words.push_back(word);
        while (at < length && IsBlank(text[at]))
            ++at;
    }
    return (int)words.size();
}

bool CCommandArgs::IsOption(const char* word)
{
    return word && (word[0] == '/' || word[0] == '-') && IsAsciiLetter(word[1]);
}

bool CCommandArgs::SplitOption(const char* word, CString& name, CString& value)
{
    CString text = word;
    if (text.GetLength() < 2)
        return false;
    int colon = text.Find(':');
    if (colon > 0) {
        name = text.Mid(1, colon - 1);
        value = text.Mid(colon + 1);
    } else {
        name = text.Mid(1);
        value.Empty();
    }
    return true;
}

void CCommandArgs::Parse(int count, const char* const* words)
{
    m_positional.RemoveAll();
    m_options.RemoveAll();
    for (int i = 1; i < count; ++i) {
        CString name, value;
        if (IsOption(words[i]) && SplitOption(words[i], name, value)) {
            name.MakeUpper();
            m_options.SetAt(name, value);
        } else {
            m_positional.Add(words[i]);
        }
    }
}

void SplitHandoffText(const std::string& text, CStringArray& lines)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        size_t stop = end;
        while (stop > start && (text[stop - 1] == '\r' || text[stop - 1] == '\n'))
            --stop;
        if (stop > start)
            lines.Add(CString(text.data() + start, (int)(stop - start)));
        start = end + 1;
    }
}
