#include "editor/view/RegexPattern.h"

#include <string>

#include "editor/util/CharClasses.h"

namespace {

// Stands for a doubled backslash while the shorthands are rewritten; no typed pattern
// holds it.
const char kEscapedBackslash = '\x1B';

const char* ClassFor(char letter)
{
    switch (letter) {
    case 's': return "[ \t\r\n]";
    case 'S': return "[^ \t\r\n]";
    case 'w': return "[A-Za-z0-9]";
    case 'W': return "[^A-Za-z0-9]";
    case 'a': return "[A-Za-z]";
    case 'A': return "[^A-Za-z]";
    case 'd': return "[0-9]";
    case 'D': return "[^0-9]";
    case 'h': return "[A-Fa-f0-9]";
    case 'H': return "[^A-Fa-f0-9]";
    case 't': return "\t";
    default: return nullptr;
    }
}

} // namespace

CString BuildRegexPattern(const CString& typed)
{
    const char* text = (LPCTSTR)typed;
    const int length = typed.GetLength();
    std::string marked;
    marked.reserve((size_t)length);
    for (int i = 0; i < length;) {
        if (text[i] == '\\' && i + 1 < length && text[i + 1] == '\\') {
            marked += kEscapedBackslash;
            i += 2;
        } else {
            const int step = (i + 1 < length) ? GbkText::CharLength(text + i) : 1;
            marked.append(text + i, (size_t)step);
            i += step;
        }
    }
    std::string rewritten;
    rewritten.reserve(marked.size() * 2);
    for (size_t i = 0; i < marked.size();) {
        if (marked[i] == '\\' && i + 1 < marked.size()) {
            if (const char* set = ClassFor(marked[i + 1])) {
                rewritten += set;
                i += 2;
                continue;
            }
        }
        const size_t step = (i + 1 < marked.size()) ? (size_t)GbkText::CharLength(marked.c_str() + i) : 1;
        rewritten.append(marked, i, step);
        i += step;
    }
    std::string result;
    result.reserve(rewritten.size() + 8);
    for (char byte : rewritten) {
        if (byte == kEscapedBackslash)
            result += "\\\\";
        else
            result += byte;
    }
    return CString(result.c_str(), (int)result.size());
}

CString ExpandTemplateTabs(const CString& replacementTemplate)
{
    const char* text = (LPCTSTR)replacementTemplate;
    const int length = replacementTemplate.GetLength();
    std::string result;
    result.reserve((size_t)length);
    for (int i = 0; i < length;) {
        if (text[i] == '\\' && i + 1 < length && text[i + 1] == '\\') {
            result.append(text + i, 2);
            i += 2;
        } else if (text[i] == '\\' && i + 1 < length && text[i + 1] == 't') {
            result += '\t';
            i += 2;
        } else {
            const int step = (i + 1 < length) ? GbkText::CharLength(text + i) : 1;
            result.append(text + i, (size_t)step);
            i += step;
        }
    }
    return CString(result.c_str(), (int)result.size());
}
