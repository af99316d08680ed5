#include "editor/view/PositionShift.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(DocPosition p) { return "(" + std::to_string(p.column) + ", " + std::to_string(p.line) + ")"; }

// The text from (2, 1) to (1, 3): "cd\r\nline two\r\nX" inside
//   line 0  "first"
//   line 1  "abcd"        start at column 2
//   line 2  "line two"
//   line 3  "Xyz"         end at column 1
//   line 4  "last"
// Inserting it and removing it again are the two directions of one table.
const DocPosition kStart{2, 1};
const DocPosition kEnd{1, 3};

TEST(PositionShift, PositionsOutsideTheEditedTextFollowIt)
{
    const struct {
        DocPosition before;  // without the text
        DocPosition after;   // with it
    } cases[] = {
        {{0, 0}, {0, 0}},  // a line above
        {{9, 0}, {9, 0}},
        {{0, 1}, {0, 1}},  // in front of start on its line
        {{1, 1}, {1, 1}},
        {{2, 1}, {1, 3}},  // at start: pushed behind the inserted text
        {{4, 1}, {3, 3}},  // behind start on its line: same distance behind end
        {{0, 2}, {0, 4}},  // later lines move by the lines inserted
        {{7, 5}, {7, 7}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShiftByInsertion(c.before, kStart, kEnd), c.after) << Text(c.before);
        EXPECT_EQ(ShiftByRemoval(c.after, kStart, kEnd), c.before) << Text(c.after);
    }
}

TEST(PositionShift, APositionInsideRemovedTextFallsToItsStart)
{
    const DocPosition inside[] = {
        {3, 1},  // behind start on its line
        {9, 1},
        {0, 2},  // a line wholly removed
        {8, 2},
        {0, 3},  // in front of end on its line
    };
    for (DocPosition p : inside)
        EXPECT_EQ(ShiftByRemoval(p, kStart, kEnd), kStart) << Text(p);
    // At end is behind the removed text: it takes start's place.
    EXPECT_EQ(ShiftByRemoval(kEnd, kStart, kEnd), kStart);
}

TEST(PositionShift, EditsWithinOneLineAndEmptyEditsMoveOnlyColumns)
{
    const struct {
        DocPosition position, start, end;
        DocPosition inserted, removed;
    } cases[] = {
        // "abcdef": "cd" from 2 to 4.
        {{5, 0}, {2, 0}, {4, 0}, {7, 0}, {3, 0}},
        {{1, 0}, {2, 0}, {4, 0}, {1, 0}, {1, 0}},
        {{3, 0}, {2, 0}, {4, 0}, {5, 0}, {2, 0}},
        {{0, 1}, {2, 0}, {4, 0}, {0, 1}, {0, 1}},
        // Nothing inserted or removed: nothing moves.
        {{3, 0}, {3, 0}, {3, 0}, {3, 0}, {3, 0}},
        {{5, 2}, {0, 0}, {0, 0}, {5, 2}, {5, 2}},
        // A line break at the document's start pushes every line down.
        {{0, 0}, {0, 0}, {0, 1}, {0, 1}, {0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShiftByInsertion(c.position, c.start, c.end), c.inserted) << Text(c.position);
        EXPECT_EQ(ShiftByRemoval(c.position, c.start, c.end), c.removed) << Text(c.position);
    }
}

} // namespace
