#pragma once
#include "editor/view/ViewTypes.h"

// How a text position kept across an edit (a drop point, the ends of a dragged range, a
// mark) follows text inserted or removed in front of it, so that it still names the same
// character afterwards. The edited text runs from start to end, start before end.

// Text from start to end was inserted: a position at or behind start on start's line moves
// to the same distance behind end; one on a later line moves down by the lines inserted;
// one in front of start stays.
DocPosition ShiftByInsertion(DocPosition position, DocPosition start, DocPosition end);
// Text from start to end was removed: a position at or behind end on end's line moves to the
// same distance behind start; one on a later line moves up by the lines removed; one inside
// the removed text falls to start, where that text was; one in front of start stays.
DocPosition ShiftByRemoval(DocPosition position, DocPosition start, DocPosition end);
