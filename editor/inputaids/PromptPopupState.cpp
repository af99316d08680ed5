#include "editor/inputaids/PromptPopupState.h"

void CPromptPopupState::StartTimer(int selecting)
{
    m_timerRunning = true;
    m_spaceSelect = selecting ? 1 : 0;
    m_ticks = selecting ? m_delays.popup : 0;
}

void CPromptPopupState::CloseOnNextTick()
{
    m_ticks = m_delays.timeout;
}

PromptTickEffects CPromptPopupState::OnTick()
{
    PromptTickEffects effects;
    ++m_ticks;
    // The two delays count independently, whichever is the shorter; a tick that reaches
    // the time-out shows nothing.
    const bool timedOut = m_ticks >= m_delays.timeout;
    if (m_ticks >= m_delays.spaceSelect)
        m_spaceSelect = 1;
    if (m_ticks >= m_delays.popup && !m_visible && !timedOut) {
        m_visible = true;
        effects.show = true;
    }
    if (timedOut) {
        m_timerRunning = false;
        effects.killTimer = true;
        if (m_visible) {
            m_visible = false;
            effects.hide = true;
        }
    }
    return effects;
}

PromptKeyEffects CPromptPopupState::OnMessage(PromptMessage message, int virtualKey)
{
    using namespace PromptKeys;
    PromptKeyEffects effects;
    switch (message) {
    case PromptMessage::KeyDown:
        switch (virtualKey) {
        case kSpace:
            if (!m_spaceSelect) {
                CloseOnNextTick();
                effects.forward = true;
                effects.handled = true;
                break;
            }
            // fall through: Space accepts like Enter
        case kReturn:
            CloseOnNextTick();
            effects.accept = true;
            effects.handled = true;
            break;
        case kUp:
        case kDown:
            StartTimer(1);
            effects.restartTimer = true;
            break;
        case kBack: case kPrior: case kNext: case kEnd: case kHome: case kLeft: case kRight:
            CloseOnNextTick();
            effects.forward = true;
            effects.handled = true;
            break;
        case kEscape: case kShift: case kControl:
            CloseOnNextTick();
            effects.handled = true;
            break;
        default:
            effects.forward = true;
            break;
        }
        break;
    case PromptMessage::SysKeyDown:
        CloseOnNextTick();
        effects.forward = true;
        effects.handled = true;
        break;
    case PromptMessage::ImeStartComposition:
    case PromptMessage::ImeNotify:
    case PromptMessage::ImeChar:
    case PromptMessage::ImeKeyDown:
        CloseOnNextTick();
        break;
    case PromptMessage::Other:
        break;
    }
    return effects;
}
