#include "editor/view/CaretSelection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

const int kLineHeight = 16;

// The display lines as ids: a stored position is the id of its line, so a position on a
// line that survives an edit must land on that same line again.
struct LayoutModel {
    std::vector<int> ids;
    int nextId = 0;

    int IndexOf(int id) const { return (int)(std::find(ids.begin(), ids.end(), id) - ids.begin()); }
    // oldCount lines from start become newCount fresh ones; returns where each old id went
    // (lines that stayed keep their id, removed ones map to the rule's line).
    std::vector<int> Replace(int start, int oldCount, int newCount)
    {
        const std::vector<int> before = ids;
        std::vector<int> fresh;
        for (int i = 0; i < newCount; ++i)
            fresh.push_back(nextId++);
        ids.erase(ids.begin() + start, ids.begin() + start + oldCount);
        ids.insert(ids.begin() + start, fresh.begin(), fresh.end());
        std::vector<int> moved(before.size());
        for (int k = 0; k < (int)before.size(); ++k) {
            if (k < start || k >= start + oldCount)
                moved[k] = IndexOf(before[k]);
            else if (newCount == 0)
                moved[k] = std::max(0, start - 1);  // joined into the line before
            else
                moved[k] = start + std::min(k - start, newCount - 1);
        }
        return moved;
    }
};

} // namespace

// Caret, anchor and drop against the line model over random edits and selection steps,
// with the invariant checked after every step.
TEST(CaretSelection, FollowsItsLinesUnderRandomEdits)
{
    std::mt19937 random(11);
    LayoutModel model;
    model.Replace(0, 0, 40);
    CCaretSelection selection;
    auto randomPoint = [&] {
        return PixelPosition{(int)(random() % 4) * 8, (int)(random() % model.ids.size()) * kLineHeight};
    };
    for (int step = 0; step < 5000; ++step) {
        const int count = (int)model.ids.size();
        switch (random() % 8) {
        case 0:
            selection.Select(randomPoint(), randomPoint());
            break;
        case 1:
            selection.MoveCaret(randomPoint());
            break;
        case 2:
            selection.MoveAnchor(randomPoint());
            break;
        case 3:
            selection.SetDrop(randomPoint());
            if (selection.IsActive()) {
                selection.Save({0, std::min(selection.GetCaret().y, selection.GetAnchor().y), 0,
                                std::max(selection.GetCaret().y, selection.GetAnchor().y)});
            }
            break;
        case 4:
            if (random() % 2)
                selection.Deselect();
            else
                selection.DropAnchor();
            EXPECT_FALSE(selection.IsActive());
            break;
        default: {
            const int start = (int)(random() % (unsigned)(count + 1));
            const int oldCount = std::min(count - start, (int)(random() % 6));
            int newCount = (int)(random() % 6);
            if (count - oldCount + newCount < 1)
                newCount = 1;
            const PixelPosition caret = selection.GetCaret(), anchor = selection.GetAnchor(),
                                drop = selection.GetDrop();
            const bool wasActive = selection.IsActive();
            const std::vector<int> moved = model.Replace(start, oldCount, newCount);
            selection.Remap(kLineHeight, start, oldCount, newCount, (int)model.ids.size());
            const int last = (int)model.ids.size() - 1;
            auto expectedY = [&](PixelY y) { return std::min(moved[y / kLineHeight], last) * kLineHeight; };
            ASSERT_EQ(expectedY(caret.y), selection.GetCaret().y) << "step " << step;
            ASSERT_EQ(expectedY(anchor.y), selection.GetAnchor().y) << "step " << step;
            ASSERT_EQ(expectedY(drop.y), selection.GetDrop().y) << "step " << step;
            EXPECT_EQ(caret.x, selection.GetCaret().x);
            // A selection lasts unless the edit emptied it; it never starts by itself.
            EXPECT_EQ(wasActive && selection.GetCaret() != selection.GetAnchor(), selection.IsActive());
        }
        }
        ASSERT_TRUE(selection.Check(kLineHeight, (int)model.ids.size())) << "step " << step;
        if (selection.IsActive()) {
            ASSERT_NE(selection.GetCaret(), selection.GetAnchor()) << "step " << step;
        }
    }
}

// Each way of setting positions, and whether the selection is active afterwards.
TEST(CaretSelection, ActiveOnlyWhileAnchorAndCaretDiffer)
{
    const PixelPosition a{8, 0}, b{16, kLineHeight}, c{8, kLineHeight};
    struct Case {
        const char* what;
        void (*step)(CCaretSelection&);
        bool active;
    };
    const Case cases[] = {
        {"select apart", [](CCaretSelection& s) { s.Select({8, 0}, {16, kLineHeight}); }, true},
        {"select one point", [](CCaretSelection& s) { s.Select({8, 0}, {8, 0}); }, false},
        {"caret onto the anchor", [](CCaretSelection& s) { s.MoveCaret({8, 0}); }, false},
        {"anchor onto the caret", [](CCaretSelection& s) { s.MoveAnchor({16, kLineHeight}); }, false},
        {"caret elsewhere", [](CCaretSelection& s) { s.MoveCaret({24, 0}); }, true},
        {"deselect", [](CCaretSelection& s) { s.Deselect(); }, false},
        {"drop the anchor", [](CCaretSelection& s) { s.DropAnchor(); }, false},
        {"relocate apart", [](CCaretSelection& s) { s.Relocate({0, 0}, {8, 0}); }, true},
        {"relocate together", [](CCaretSelection& s) { s.Relocate({8, 0}, {8, 0}); }, false},
        {"block on one row", [](CCaretSelection& s) { s.Select({8, 0}, {16, 0}); s.KeepBlockWhileSpanningRows(); }, false},
        {"block over rows", [](CCaretSelection& s) { s.Select({8, 0}, {8, kLineHeight}); s.KeepBlockWhileSpanningRows(); }, true},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.what);
        CCaretSelection selection;
        selection.Select(a, b);
        each.step(selection);
        EXPECT_EQ(each.active, selection.IsActive());
        EXPECT_TRUE(selection.Check(kLineHeight, 4));
    }
    // A deselected selection keeps its idle anchor; moving the caret does not revive it,
    // UpdateActive does.
    CCaretSelection selection;
    selection.Select(a, b);
    selection.Deselect();
    selection.MoveCaret(c);
    EXPECT_FALSE(selection.IsActive());
    EXPECT_EQ(a, selection.GetAnchor());
    selection.UpdateActive();
    EXPECT_TRUE(selection.IsActive());
}
