#include "editor/view/FullWidthBackspace.h"

#include <cstring>

namespace {

struct FullWidthRule {
    const char* fullWidth;  // one character (2 bytes) or a pair (4 bytes), GBK
    const char* ascii;
    bool inCommentOrQuote;  // also converted inside comments and quotations
};

// Pairs come before their single characters so "（）" gives "()" rather than "（)".
const FullWidthRule kRules[] = {
    {"\xA1\xBE\xA1\xBF", "[]", true},   // 【】
    {"\xA3\xFB\xA3\xFD", "{}", false},  // ｛｝
    {"\xA3\xA8\xA3\xA9", "()", false},  // （）
    {"\xA1\xAA\xA1\xAA", "_", true},    // ——
    {"\xA1\xA3", ".", true},            // 。
    {"\xA1\xBE", "[", true},            // 【
    {"\xA1\xBF", "]", true},            // 】
    {"\xA3\xFB", "{", false},           // ｛
    {"\xA3\xFD", "}", false},           // ｝
    {"\xA3\xA8", "(", false},           // （
    {"\xA3\xA9", ")", false},           // ）
    {"\xA1\xB6", "<", true},            // 《
    {"\xA1\xB7", ">", true},            // 》
    {"\xA3\xA4", "$", true},            // ￥
    {"\xA1\xA2", "\\", true},           // 、
    {"\xA3\xBD", "=", false},           // ＝
};

} // namespace

FullWidthBackspace ConvertFullWidthBeforeCaret(const char* text, ByteColumn caret,
                                               bool inCommentOrQuote)
{
    FullWidthBackspace result;
    if (text == nullptr || caret < 2)
        return result;
    for (const FullWidthRule& rule : kRules) {
        const int length = (int)strlen(rule.fullWidth);
        if (caret < length || (inCommentOrQuote && !rule.inCommentOrQuote))
            continue;
        if (memcmp(text + caret - length, rule.fullWidth, (size_t)length) == 0) {
            result.removeBytes = length;
            result.replacement = rule.ascii;
            return result;
        }
    }
    return result;
}
