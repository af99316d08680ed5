#include "editor/settings/PositionHistory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// "file:line" of every node, the current one marked with "*".
std::string Describe(const PositionHistory& history)
{
    std::string text;
    std::vector<PositionHistory::Position> positions = history.Snapshot();
    for (int i = 0; i < (int)positions.size(); ++i) {
        text += (i ? " " : "") + std::string((LPCTSTR)positions[i].file) + ":" + std::to_string(positions[i].line);
        if (i == history.CurrentIndex())
            text += "*";
    }
    return text;
}

std::string Where(const PositionHistory::Position& position)
{
    return std::string((LPCTSTR)position.file) + ":" + std::to_string(position.line);
}

} // namespace

TEST(PositionHistory, NearbyPlacesCountAsOne)
{
    PositionHistory history;
    EXPECT_TRUE(history.Record("a", 0, 10));
    EXPECT_FALSE(history.Record("a", 0, 11));  // within one line of the current place
    EXPECT_TRUE(history.Record("b", 0, 5));
    EXPECT_TRUE(history.Record("A", 0, 10));  // names differ in case: another file
    EXPECT_EQ(Describe(history), "a:10 b:5 A:10*");
    // A place near a node elsewhere moves that node (with its line) after the current one.
    EXPECT_TRUE(history.Record("a", 0, 9));
    EXPECT_EQ(Describe(history), "b:5 A:10 a:10*");
    EXPECT_TRUE(history.Check());
}

TEST(PositionHistory, BackForwardAndBranches)
{
    PositionHistory history;
    PositionHistory::Position position;
    EXPECT_FALSE(history.Back(position));  // empty
    for (int line : {10, 20, 30, 40})
        history.Record("f", 0, line);
    ASSERT_TRUE(history.Back(position));
    EXPECT_EQ(Where(position), "f:30");
    ASSERT_TRUE(history.Back(position));
    ASSERT_TRUE(history.Forward(position));
    EXPECT_EQ(Where(position), "f:30");
    // Recording after going back cuts the forward part.
    history.Record("g", 0, 1);
    EXPECT_EQ(Describe(history), "f:10 f:20 f:30 g:1*");
    EXPECT_FALSE(history.Forward(position));

    // At the ends the commands move nothing but still steer the next recordings.
    PositionHistory single;
    single.Record("f", 0, 1);
    EXPECT_FALSE(single.NavigateBack(position));
    EXPECT_EQ(single.NavigationBias(), -5);
    EXPECT_FALSE(single.NavigateForward(position));
    EXPECT_EQ(single.NavigationBias(), 5);
    EXPECT_TRUE(history.Check());
}

TEST(PositionHistory, RecordingsAfterNavigationAreInserted)
{
    PositionHistory history;
    for (int line : {10, 20, 30})
        history.Record("f", 0, line);
    PositionHistory::Position position;
    ASSERT_TRUE(history.NavigateBack(position));
    EXPECT_EQ(Where(history.LastPosition()), "f:20");
    // The first recording after back goes before the current node, the next four after it.
    for (int line : {100, 200, 300, 400, 500})
        EXPECT_TRUE(history.RecordJump("g", 0, line));
    EXPECT_EQ(history.NavigationBias(), 0);
    EXPECT_EQ(Describe(history), "f:10 g:100 g:200 g:300 g:400 g:500* f:20 f:30");
    // Then recordings append again, cutting the forward part.
    history.RecordJump("h", 0, 1);
    EXPECT_EQ(Describe(history), "f:10 g:100 g:200 g:300 g:400 g:500 h:1*");

    ASSERT_TRUE(history.NavigateBack(position));
    ASSERT_TRUE(history.NavigateForward(position));
    for (int line : {7, 17, 27, 37, 47})
        history.RecordJump("k", 0, line);
    EXPECT_EQ(history.NavigationBias(), 0);
    EXPECT_EQ(Describe(history), "f:10 g:100 g:200 g:300 g:400 g:500 h:1 k:7 k:17 k:27 k:37 k:47*");
    EXPECT_TRUE(history.Check());

    history.FreeAll();
    EXPECT_EQ(history.Count(), 0);
    EXPECT_TRUE(history.Check());
}

// Random operations against a plain vector model of the same rules.
TEST(PositionHistory, MatchesAModelUnderRandomOperations)
{
    struct Place {
        std::string file;
        int line;
    };
    std::vector<Place> model;
    int current = -1;
    auto findNear = [&](const std::string& file, int line) {
        for (int i = 0; i < (int)model.size(); ++i)
            if (model[i].file == file && std::abs(model[i].line - line) <= 1)
                return i;
        return -1;
    };
    // Takes the place out of the model (or makes it); false when it is the current one.
    auto take = [&](const std::string& file, int line, Place& place) {
        int found = findNear(file, line);
        if (found >= 0 && found == current)
            return false;
        place = {file, line};
        if (found >= 0) {
            place = model[found];
            model.erase(model.begin() + found);
            if (found < current)
                --current;
        }
        return true;
    };

    PositionHistory history;
    std::mt19937 random(17);
    for (int step = 0; step < 3000; ++step) {
        std::string file(1, (char)('a' + random() % 3));
        int line = (int)(random() % 12);
        int op = (int)(random() % 10);
        PositionHistory::Position position;
        if (op < 7) {
            // Record, insert before or insert after.
            bool record = op < 5, before = op == 5;
            Place place;
            bool expected = take(file, line, place);
            if (expected) {
                if (record && !model.empty())
                    model.resize(current + 1);
                if (model.empty())
                    current = 0;
                else if (!before)
                    ++current;
                model.insert(model.begin() + current, place);
            }
            bool recorded = record ? history.Record(file.c_str(), 0, line) : history.Insert(file.c_str(), 0, line, before);
            ASSERT_EQ(recorded, expected) << step;
        } else if (op < 9) {
            bool expected = current > 0;
            ASSERT_EQ(history.Back(position), expected) << step;
            if (expected)
                --current;
        } else {
            bool expected = current >= 0 && current + 1 < (int)model.size();
            ASSERT_EQ(history.Forward(position), expected) << step;
            if (expected)
                ++current;
        }
        ASSERT_TRUE(history.Check()) << step;
        std::string expected;
        for (int i = 0; i < (int)model.size(); ++i)
            expected += (i ? " " : "") + model[i].file + ":" + std::to_string(model[i].line) + (i == current ? "*" : "");
        ASSERT_EQ(Describe(history), expected) << step;
    }
}
