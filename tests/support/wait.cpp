#include "wait.h"

namespace {

bool Poll(const std::function<bool()>& condition, int milliseconds, bool pump)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (pump) {
            MSG message;
            while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&message);
                ::DispatchMessageA(&message);
            }
        }
        if (condition())
            return true;
        if (::GetTickCount() - start >= static_cast<DWORD>(milliseconds))
            return false;
        // Woken early by a message for this thread's windows when pumping.
        if (pump)
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        else
            ::Sleep(20);
    }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int milliseconds)
{
    return Poll(condition, milliseconds, false);
}

bool PumpUntil(const std::function<bool()>& condition, int milliseconds)
{
    return Poll(condition, milliseconds, true);
}
