#include "editor/inputaids/PromptPopupState.h"

#include <gtest/gtest.h>

namespace {

// Ticks until the timer stops (at most limit); records the tick numbers of show and hide.
struct TickLog {
    int shownAt = -1, hiddenAt = -1, spaceAt = -1, stoppedAt = -1;
};

TickLog TickUntilStopped(CPromptPopupState& state, int limit = 1000)
{
    TickLog run;
    for (int tick = 1; tick <= limit && state.TimerRunning(); ++tick) {
        PromptTickEffects effects = state.OnTick();
        if (effects.show)
            run.shownAt = tick;
        if (effects.hide)
            run.hiddenAt = tick;
        if (state.SpaceSelects() && run.spaceAt < 0)
            run.spaceAt = tick;
        if (effects.killTimer)
            run.stoppedAt = tick;
    }
    return run;
}

} // namespace

TEST(PromptPopupState, DefaultDelays)
{
    CPromptPopupState state;
    EXPECT_EQ(state.Delays().popup, 8);
    EXPECT_EQ(state.Delays().spaceSelect, 10);
    EXPECT_EQ(state.Delays().timeout, 40);
    EXPECT_EQ(kPromptTimerId, 137);
    EXPECT_EQ(kPromptTickMilliseconds, 50);

    state.StartTimer(0);
    TickLog run = TickUntilStopped(state);
    EXPECT_EQ(run.shownAt, 8);  // 400 ms
    EXPECT_EQ(run.spaceAt, 10); // 500 ms
    EXPECT_EQ(run.hiddenAt, 40); // 2 s
    EXPECT_EQ(run.stoppedAt, 40);
    EXPECT_FALSE(state.Visible());
}

TEST(PromptPopupState, DownRestartsTheCountFromThePopupDelay)
{
    CPromptPopupState state;
    state.StartTimer(0);
    for (int i = 0; i < 30; ++i)
        state.OnTick();
    PromptKeyEffects effects = state.OnMessage(PromptMessage::KeyDown, PromptKeys::kDown);
    EXPECT_TRUE(effects.restartTimer);
    EXPECT_FALSE(effects.handled); // the list box moves the selection
    EXPECT_EQ(state.Ticks(), 8);
    EXPECT_TRUE(state.SpaceSelects());
    TickLog run = TickUntilStopped(state);
    EXPECT_EQ(run.hiddenAt, 32);
}

TEST(PromptPopupState, BothDelaysWorkInEitherOrder)
{
    struct Case { int popup, spaceSelect, shownAt, spaceAt; } cases[] = {
        {8, 10, 8, 10}, {8, 8, 8, 8}, {8, 5, 8, 5}, {1, 1, 1, 1}, {20, 2, 20, 2},
    };
    for (const Case& c : cases) {
        PromptDelays delays;
        delays.popup = c.popup;
        delays.spaceSelect = c.spaceSelect;
        CPromptPopupState state(delays);
        state.StartTimer(0);
        TickLog run = TickUntilStopped(state);
        EXPECT_EQ(run.shownAt, c.shownAt) << c.popup << "/" << c.spaceSelect;
        EXPECT_EQ(run.spaceAt, c.spaceAt) << c.popup << "/" << c.spaceSelect;
        EXPECT_EQ(run.hiddenAt, 40) << c.popup << "/" << c.spaceSelect;
    }
}

TEST(PromptPopupState, CloseOnNextTick)
{
    CPromptPopupState state;
    state.StartTimer(0);
    for (int i = 0; i < 9; ++i)
        state.OnTick();
    ASSERT_TRUE(state.Visible());
    state.CloseOnNextTick();
    PromptTickEffects effects = state.OnTick();
    EXPECT_TRUE(effects.hide);
    EXPECT_TRUE(effects.killTimer);
    EXPECT_FALSE(state.TimerRunning());

    // Closed before it showed: the timer stops and nothing is hidden.
    state.StartTimer(0);
    state.CloseOnNextTick();
    effects = state.OnTick();
    EXPECT_FALSE(effects.show);
    EXPECT_FALSE(effects.hide);
    EXPECT_TRUE(effects.killTimer);
}

TEST(PromptPopupState, Keys)
{
    using namespace PromptKeys;
    struct Case { PromptMessage message; int key; bool accept, forward, handled, closes; } cases[] = {
        {PromptMessage::KeyDown, kReturn, true, false, true, true},
        {PromptMessage::KeyDown, kSpace, false, true, true, true}, // before the space-select delay
        {PromptMessage::KeyDown, kBack, false, true, true, true},
        {PromptMessage::KeyDown, kPrior, false, true, true, true},
        {PromptMessage::KeyDown, kNext, false, true, true, true},
        {PromptMessage::KeyDown, kEnd, false, true, true, true},
        {PromptMessage::KeyDown, kHome, false, true, true, true},
        {PromptMessage::KeyDown, kLeft, false, true, true, true},
        {PromptMessage::KeyDown, kRight, false, true, true, true},
        {PromptMessage::KeyDown, kEscape, false, false, true, true},
        {PromptMessage::KeyDown, kShift, false, false, true, true},
        {PromptMessage::KeyDown, kControl, false, false, true, true},
        {PromptMessage::KeyDown, 'A', false, true, false, false},
        {PromptMessage::SysKeyDown, 'F', false, true, true, true},
        {PromptMessage::ImeStartComposition, 0, false, false, false, true},
        {PromptMessage::ImeNotify, 0, false, false, false, true},
        {PromptMessage::ImeChar, 0, false, false, false, true},
        {PromptMessage::ImeKeyDown, 0, false, false, false, true},
        {PromptMessage::Other, 0, false, false, false, false},
    };
    for (const Case& c : cases) {
        CPromptPopupState state;
        state.StartTimer(0);
        state.OnTick();
        PromptKeyEffects effects = state.OnMessage(c.message, c.key);
        EXPECT_EQ(effects.accept, c.accept) << c.key;
        EXPECT_EQ(effects.forward, c.forward) << c.key;
        EXPECT_EQ(effects.handled, c.handled) << c.key;
        EXPECT_EQ(state.Ticks() == state.Delays().timeout, c.closes) << c.key;
    }
}

TEST(PromptPopupState, SpaceAcceptsFromTheSpaceSelectDelay)
{
    CPromptPopupState state;
    state.StartTimer(0);
    for (int i = 0; i < 10; ++i)
        state.OnTick();
    PromptKeyEffects effects = state.OnMessage(PromptMessage::KeyDown, PromptKeys::kSpace);
    EXPECT_TRUE(effects.accept);
    EXPECT_FALSE(effects.forward);
    EXPECT_TRUE(effects.handled);
    EXPECT_TRUE(state.OnTick().killTimer);
}
