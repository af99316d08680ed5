#include <gtest/gtest.h>

#include "EditTestSupport.h"
#include "editor/view/SearchDialogFlow.h"

namespace {

struct FlowFixture : EditFixture {
    FlowFixture() : flow(search, groups, prompts)
    {
        flow.SetPlaceRecorder([this] { places.push_back(CaretAt().line); });
    }
    CSearchDialogFlow flow;
    // The caret lines the flow asked to record for going back.
    std::vector<LineIndex> places;
};

TEST(SearchDialogFlowTest, FindPresetsTheWordAndSelectsTheMatch)
{
    FlowFixture f;
    f.Load({"alpha beta", "beta"});
    f.Caret(7, 0);
    f.prompts.findAnswer.text = "beta";
    f.flow.FindCommand();
    // Started from the selection's start: with no selection, from the caret.
    EXPECT_EQ(1, f.CaretAt().line);
    EXPECT_TRUE(f.view.IsSelectionActive());
    EXPECT_TRUE(f.prompts.notFound.empty());
    // The place left and the place found.
    EXPECT_EQ((std::vector<LineIndex>{0, 1}), f.places);
}

TEST(SearchDialogFlowTest, FindWithoutAHitReportsTheText)
{
    FlowFixture f;
    f.Load({"alpha"});
    f.prompts.findAnswer.text = "zeta";
    f.flow.FindCommand();
    ASSERT_EQ(1u, f.prompts.notFound.size());
    EXPECT_EQ("zeta", f.prompts.notFound[0]);
    EXPECT_EQ((std::vector<LineIndex>{0}), f.places) << "only the place left";
}

TEST(SearchDialogFlowTest, BadExpressionIsReported)
{
    FlowFixture f;
    f.Load({"alpha"});
    f.prompts.findAnswer.text = "a(";
    f.prompts.findAnswer.flags = kSearchRegex;
    f.flow.FindCommand();
    ASSERT_EQ(1u, f.prompts.badPatterns.size());
    EXPECT_EQ("a(", f.prompts.badPatterns[0]);
    EXPECT_TRUE(f.places.empty());
}

TEST(SearchDialogFlowTest, ReplaceConfirmsEachMatch)
{
    FlowFixture f;
    f.Load({"a x a", "a"});
    f.Caret(0, 0);
    f.prompts.replaceAnswer.text = "a";
    f.prompts.replaceAnswer.replacement = "b";
    f.prompts.replaceAnswer.scope = IViewPrompts::SearchRequest::kNextMatch;
    f.prompts.confirmations = {IViewPrompts::kFindNext, IViewPrompts::kReplaceThis};
    f.flow.ReplaceCommand();
    EXPECT_EQ((Texts{"a x b", "a"}), f.Lines());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"a x a", "a"}), f.Lines());
}

TEST(SearchDialogFlowTest, ReplaceAndFindNextGoesOnFromBehindTheReplacement)
{
    FlowFixture f;
    f.Load({"a x a", "a"});
    f.Caret(0, 0);
    f.prompts.replaceAnswer.text = "a";
    f.prompts.replaceAnswer.replacement = "aa";
    f.prompts.replaceAnswer.scope = IViewPrompts::SearchRequest::kNextMatch;
    f.prompts.confirmations = {IViewPrompts::kReplaceAndFindNext, IViewPrompts::kReplaceAndFindNext,
                               IViewPrompts::kCancel};
    f.flow.ReplaceCommand();
    EXPECT_EQ((Texts{"aa x aa", "a"}), f.Lines());
    EXPECT_EQ(1, f.CaretAt().line) << "stopped at the third match";
}

TEST(SearchDialogFlowTest, ReplaceAllReportsTheCount)
{
    FlowFixture f;
    f.Load({"a x a", "a"});
    f.prompts.replaceAnswer.text = "a";
    f.prompts.replaceAnswer.replacement = "bb";
    f.prompts.replaceAnswer.scope = IViewPrompts::SearchRequest::kAllInFile;
    f.flow.ReplaceCommand();
    EXPECT_EQ((Texts{"bb x bb", "bb"}), f.Lines());
    ASSERT_EQ(1u, f.prompts.replaceCounts.size());
    EXPECT_EQ(3, f.prompts.replaceCounts[0]);
    f.flow.ReplaceAllCommand(false);  // nothing left
    EXPECT_EQ(1u, f.prompts.notFound.size());
}

// Replacing in all open files leaves this document to the command that visits every one:
// the replace is prepared (texts stored) and handed on, nothing replaced here.
TEST(SearchDialogFlowTest, ReplaceInOpenFilesIsPreparedAndHandedOn)
{
    FlowFixture f;
    f.Load({"a x a"});
    f.prompts.replaceAnswer.text = "a";
    f.prompts.replaceAnswer.replacement = "b";
    f.prompts.replaceAnswer.scope = IViewPrompts::SearchRequest::kAllInOpenFiles;
    int handedOn = 0;
    f.flow.onReplaceInOpenFiles = [&] { ++handedOn; };
    f.flow.ReplaceCommand();
    EXPECT_EQ(1, handedOn);
    EXPECT_EQ((Texts{"a x a"}), f.Lines());
    EXPECT_EQ(2, f.search.DoReplaceAllInFile()) << "the stored replace does the work";
    EXPECT_EQ((Texts{"b x b"}), f.Lines());
}

TEST(SearchDialogFlowTest, GoToLineOffersTheRangeAndPresetsTheCaretLine)
{
    FlowFixture f;
    f.Load({"a", "b", "c"});
    f.Caret(0, 1);
    f.prompts.goToAnswer = 3;
    f.flow.GoToLineCommand();
    EXPECT_EQ(1, f.prompts.goToRange.first);
    EXPECT_EQ(3, f.prompts.goToRange.second);
    EXPECT_EQ(2, f.prompts.goToPreset);
    EXPECT_EQ(2, f.CaretAt().line);
}

} // namespace
