#pragma once
#include <windows.h>

// The hourglass shown during long operations. Calls nest: 1 begins, -1 ends, 0 shows the
// hourglass again (after a message box, say) while any wait is running.
void AfxDoWaitCursor(int code);
// The number of waits running on this thread; windows keep the hourglass while it is not 0.
int WaitCursorCount();

// Shows the hourglass for its lifetime.
class CWaitCursor {
public:
    CWaitCursor() { AfxDoWaitCursor(1); }
    ~CWaitCursor() { AfxDoWaitCursor(-1); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore() { AfxDoWaitCursor(0); }
};
