#include "framework/WaitCursor.h"

#include "framework/Debug.h"

namespace {

struct WaitState {
    int count = 0;
    HCURSOR before = nullptr;  // the cursor to put back when the last wait ends
};

WaitState& CurrentWaitState()
{
    thread_local WaitState state;
    return state;
}

} // namespace

void AfxDoWaitCursor(int code)
{
    ASSERT(code >= -1 && code <= 1);
    WaitState& state = CurrentWaitState();
    HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
    if (code > 0) {
        if (state.count++ == 0)
            state.before = ::SetCursor(wait);
        else
            ::SetCursor(wait);
    } else if (code < 0) {
        if (state.count == 0)
            return;
        if (--state.count == 0)
            ::SetCursor(state.before ? state.before : ::LoadCursorA(nullptr, IDC_ARROW));
    } else if (state.count > 0) {
        ::SetCursor(wait);
    }
}

int WaitCursorCount()
{
    return CurrentWaitState().count;
}
