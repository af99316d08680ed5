#include "editor/view/PositionShift.h"

namespace {

bool Before(DocPosition a, DocPosition b)
{
    return a.line < b.line || (a.line == b.line && a.column < b.column);
}

} // namespace

DocPosition ShiftByInsertion(DocPosition position, DocPosition start, DocPosition end)
{
    if (position.line == start.line && position.column >= start.column) {
        position.column = end.column + (position.column - start.column);
        position.line = end.line;
    } else if (position.line > start.line) {
        position.line += end.line - start.line;
    }
    return position;
}

DocPosition ShiftByRemoval(DocPosition position, DocPosition start, DocPosition end)
{
    if (Before(position, start))
        return position;
    if (Before(position, end))
        return start;
    if (position.line == end.line) {
        position.column = start.column + (position.column - end.column);
        position.line = start.line;
    } else {
        position.line -= end.line - start.line;
    }
    return position;
}
