#include "editor/inputaids/PromptSyntax.h"

#include "editor/inputaids/GbkBytes.h"

namespace {

// Prefixes are registered up to this many bytes; longer keys add only themselves.
const int kLongestPrefix = 7;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsControl(char c)
{
    return (unsigned char)c < 0x20 || c == 0x7F;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

class LineCursor {
public:
    LineCursor(const char* line, size_t length) : m_line(line), m_length(length) {}

    bool AtEnd() const { return m_index >= m_length; }
    char Peek() const { return AtEnd() ? '\0' : m_line[m_index]; }
    void Advance() { ++m_index; }

    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(Peek()))
            ++m_index;
    }

    // Reads decimal digits keeping only the low 8 bits of the number.
    int ReadLow8Number()
    {
        unsigned value = 0;
        while (IsDigit(Peek())) {
            value = (value * 10 + (unsigned)(Peek() - '0')) & 0xFF;
            ++m_index;
        }
        return (int)value;
    }

    // Reads decimal digits; a number past the limit reads as limit + 1.
    int ReadBoundedNumber(int limit)
    {
        long long value = 0;
        while (IsDigit(Peek())) {
            if (value <= limit)
                value = value * 10 + (Peek() - '0');
            ++m_index;
        }
        return value > limit ? limit + 1 : (int)value;
    }

    // A quoted text (false when the closing quote is missing) or a bare run up to a blank,
    // a control character, the end, or ":" when colonEnds.
    bool ReadText(std::string& text, bool colonEnds, bool& quoted)
    {
        quoted = Peek() == '"';
        if (quoted) {
            size_t start = ++m_index;
            while (!AtEnd() && Peek() != '"')
                m_index += GbkBytes::CharLength(m_line, m_length, m_index);
            if (AtEnd())
                return false;
            text.assign(m_line + start, m_index - start);
            ++m_index;
            return true;
        }
        text = ReadRun(colonEnds);
        return true;
    }

    // Characters up to a blank, a control character, the end, or ":" when colonEnds.
    std::string ReadRun(bool colonEnds)
    {
        size_t start = m_index;
        while (!AtEnd()) {
            char c = Peek();
            if (IsBlank(c) || IsControl(c) || (colonEnds && c == ':'))
                break;
            m_index += GbkBytes::CharLength(m_line, m_length, m_index);
        }
        return std::string(m_line + start, m_index - start);
    }

private:
    const char* m_line;
    size_t m_length;
    size_t m_index = 0;
};

// The suffix after a key: ":*", ":*d", ":+" or ":-", optionally followed by ":" and a level;
// or ":" and a level alone.
void ReadKeySuffix(LineCursor& cursor, PromptKey& key)
{
    if (cursor.Peek() != ':')
        return;
    cursor.Advance();
    char mode = cursor.Peek();
    if (mode == '*' || mode == '+' || mode == '-') {
        cursor.Advance();
        int keyLength = (int)key.text.size();
        if (mode == '*') {
            key.startLength = 1;
            if (IsDigit(cursor.Peek())) {
                key.startLength = cursor.Peek() - '0' + 1;
                cursor.Advance();
            }
        } else if (mode == '+') {
            key.startLength = 2;
        } else {
            key.startLength = keyLength / 2 + 1;
        }
        if (cursor.Peek() != ':')
            return;
        cursor.Advance();
    }
    if (IsDigit(cursor.Peek()))
        key.level = cursor.ReadLow8Number();
}

bool EndsToken(char c)
{
    return c == '\0' || IsBlank(c) || IsControl(c);
}

} // namespace

bool ParsePromptLine(const char* line, size_t length, PromptLine& out)
{
    out = PromptLine();
    LineCursor cursor(line, length);
    if (!IsDigit(cursor.Peek()))
        return false;
    out.kind = cursor.ReadLow8Number();
    if (!IsBlank(cursor.Peek()))
        return false;

    cursor.SkipBlanks();
    bool quoted = false;
    if (!cursor.ReadText(out.display, false, quoted) || out.display.empty())
        return false;

    cursor.SkipBlanks();
    if (!cursor.ReadText(out.insert, true, quoted) || out.insert.empty())
        return false;
    if (cursor.Peek() == ':') {
        cursor.Advance();
        int limit = (int)out.insert.size();
        int offset = cursor.ReadBoundedNumber(limit);
        out.caretOffset = offset > limit ? 0 : offset;
    }
    if (!EndsToken(cursor.Peek()))
        return false;

    for (;;) {
        cursor.SkipBlanks();
        if (cursor.AtEnd() || IsControl(cursor.Peek()))
            break;
        PromptKey key;
        key.text = cursor.ReadRun(true);
        ReadKeySuffix(cursor, key);
        if (!EndsToken(cursor.Peek()))
            return false;
        if (!key.text.empty())
            out.keys.push_back(key);
    }
    return !out.keys.empty();
}

std::vector<std::string> ExpandPromptKey(const PromptKey& key)
{
    std::vector<std::string> keys;
    int length = (int)key.text.size();
    if (key.startLength > 0) {
        for (int prefix = key.startLength; prefix <= kLongestPrefix && prefix < length; ++prefix)
            keys.push_back(key.text.substr(0, prefix));
    }
    keys.push_back(key.text);
    return keys;
}
