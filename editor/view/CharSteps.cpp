#include "editor/view/CharSteps.h"

#include "framework/Gbk.h"

namespace {

// A column at or before which a character starts: the start of the colour run holding the
// column, else where the runs end (their last run may stop short of an overlong line), else 0.
ByteColumn WalkOrigin(const CTextLine& line, ByteColumn column)
{
    const CColorRun* runs = line.GetRuns();
    int low = 0;
    int high = line.GetRunCount() - 1;
    ByteColumn origin = 0;
    while (low <= high) {
        const int middle = (low + high) / 2;
        if (runs[middle].start <= column) {
            origin = runs[middle].start;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return origin >= 0 && origin <= column ? origin : 0;
}

// The start of the character that holds column (column itself when it starts one).
ByteColumn CharStartOf(const CTextLine& line, ByteColumn column, bool doubleByte)
{
    if (!doubleByte)
        return column;
    const char* text = line.GetText();
    const int length = line.GetLength();
    ByteColumn at = WalkOrigin(line, column);
    while (at < column) {
        const int step = GbkText::CharLength(text, length, at);
        if (at + step > column)
            return at;
        at += step;
    }
    return column;
}

} // namespace

int CharLengthAt(const CTextLine& line, ByteColumn column, bool doubleByte)
{
    if (column < 0 || column >= line.GetLength())
        return 0;
    if (!doubleByte || CharStartOf(line, column, true) != column)
        return 1;
    return GbkText::CharLength(line.GetText(), line.GetLength(), column);
}

int CharLengthBefore(const CTextLine& line, ByteColumn column, bool doubleByte)
{
    if (column <= 0 || column > line.GetLength())
        return 0;
    return doubleByte ? GbkText::CharLengthBefore(line.GetText(), column) : 1;
}

bool IsInsideDoubleByte(const CTextLine& line, ByteColumn column, bool doubleByte)
{
    if (!doubleByte || column <= 0 || column >= line.GetLength())
        return false;
    return CharStartOf(line, column, true) != column;
}
