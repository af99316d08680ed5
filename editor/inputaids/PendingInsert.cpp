#include "editor/inputaids/PendingInsert.h"

#include "editor/inputaids/GbkBytes.h"

namespace {

const char kHintOpen[] = "【";
const char kHintClose[] = "】";

bool IsAt(const std::string& text, size_t index, const char* glyph)
{
    return text.compare(index, 2, glyph) == 0;
}

} // namespace

std::string RemoveInsertHints(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    const char* bytes = text.data();
    size_t length = text.size();
    size_t i = 0;
    bool closeAhead = true;  // false once a 【 found no 】 after it: none is left to find
    while (i < length) {
        size_t step = GbkBytes::CharLength(bytes, length, i);
        if (step == 1 && bytes[i] == '\\' && i + 1 < length && IsAt(text, i + 1, kHintOpen)) {
            result += kHintOpen;
            i += 3;
            continue;
        }
        if (step == 2 && closeAhead && IsAt(text, i, kHintOpen)) {
            size_t j = i + 2;
            while (j < length && !(GbkBytes::CharLength(bytes, length, j) == 2 && IsAt(text, j, kHintClose)))
                j += GbkBytes::CharLength(bytes, length, j);
            if (j < length) {
                result += ' ';
                i = j + 2;
                continue;
            }
            closeAhead = false;
        }
        result.append(bytes + i, step);
        i += step;
    }
    return result;
}

std::vector<PendingInsertStep> SplitPendingInsert(const std::string& text)
{
    std::vector<PendingInsertStep> steps;
    std::string gathered;
    auto flush = [&] {
        if (!gathered.empty())
            steps.push_back({PendingInsertStep::Text, std::move(gathered)});
        gathered.clear();
    };
    const char* bytes = text.data();
    size_t length = text.size();
    size_t i = 0;
    while (i < length) {
        size_t step = GbkBytes::CharLength(bytes, length, i);
        char next = i + 1 < length ? bytes[i + 1] : '\0';
        if (step == 1 && bytes[i] == '\\' && (next == 'n' || next == 'b')) {
            flush();
            steps.push_back({next == 'n' ? PendingInsertStep::Enter : PendingInsertStep::Back, {}});
            i += 2;
        } else if (step == 1 && bytes[i] == '\\' && next == '\\') {
            gathered += '\\';
            i += 2;
        } else {
            gathered.append(bytes + i, step);
            i += step;
        }
    }
    flush();
    return steps;
}
