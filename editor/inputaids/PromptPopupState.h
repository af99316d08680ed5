#pragma once

// Delays of the vocabulary popup in ticks of kPromptTickMilliseconds.
struct PromptDelays {
    int popup = 8;        // show the popup
    int spaceSelect = 10; // from here Space accepts the selected entry
    int timeout = 40;     // hide the popup and stop the timer
};

constexpr int kPromptTimerId = 137;
constexpr int kPromptTickMilliseconds = 50;

// What the popup window does after a tick.
struct PromptTickEffects {
    bool show = false;
    // Hide the popup, enable and repaint the target view.
    bool hide = false;
    bool killTimer = false;
};

// Messages the popup's key filter tells apart.
enum class PromptMessage {
    KeyDown,
    SysKeyDown,
    ImeStartComposition,
    ImeNotify,
    ImeChar,
    ImeKeyDown,
    Other,
};

// What the popup does with a message.
struct PromptKeyEffects {
    bool accept = false;  // post the selected entry's insert text to the view
    bool forward = false; // post the message unchanged to the view
    bool handled = false; // the popup keeps the message (no further translation)
    bool restartTimer = false; // the window restarts timer kPromptTimerId
};

// Virtual-key codes the key filter reacts to.
namespace PromptKeys {
constexpr int kBack = 0x08, kReturn = 0x0D, kShift = 0x10, kControl = 0x11, kEscape = 0x1B,
              kSpace = 0x20, kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24,
              kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
}

// The popup's timer and key logic without its window: the window feeds it ticks and keys and
// carries out the effects. Hidden (no timer) -> started (counter 0) -> shown at the popup
// delay -> Space accepts from the space-select delay -> hidden at the time-out.
class CPromptPopupState {
public:
    explicit CPromptPopupState(const PromptDelays& delays = PromptDelays()) : m_delays(delays) {}

    // (Re)starts the timer: the counter starts at the popup delay when selecting, else at 0.
    void StartTimer(int selecting);
    // The next tick hides the popup.
    void CloseOnNextTick();
    PromptTickEffects OnTick();
    PromptKeyEffects OnMessage(PromptMessage message, int virtualKey);

    bool TimerRunning() const { return m_timerRunning; }
    bool Visible() const { return m_visible; }
    bool SpaceSelects() const { return m_spaceSelect != 0; }
    int Ticks() const { return m_ticks; }
    const PromptDelays& Delays() const { return m_delays; }
    void SetDelays(const PromptDelays& delays) { m_delays = delays; }

private:
    PromptDelays m_delays;
    bool m_timerRunning = false;
    bool m_visible = false;
    int m_ticks = 0;
    int m_spaceSelect = 0;
};
