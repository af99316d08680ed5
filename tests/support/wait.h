// Waiting in tests: on a condition, never for a fixed time. Every wait has a limit so
// generous that only a stuck test reaches it.
#pragma once
#include <windows.h>

#include <functional>

// How long a wait lasts before the test counts as stuck.
constexpr int kStuckMilliseconds = 30000;

// Polls the condition until it holds or the time is up; whether it held.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = kStuckMilliseconds);

// The same, handling the calling thread's messages between polls, for a test whose own
// windows must run meanwhile.
bool PumpUntil(const std::function<bool()>& condition, int milliseconds = kStuckMilliseconds);

// A manual-reset event between a test and a thread or peer it starts: one side signals what
// happened, the other waits for it.
class TestEvent {
public:
    TestEvent() : m_handle(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~TestEvent() { ::CloseHandle(m_handle); }
    TestEvent(const TestEvent&) = delete;
    TestEvent& operator=(const TestEvent&) = delete;

    HANDLE Handle() const { return m_handle; }
    void Set() { ::SetEvent(m_handle); }
    bool Wait(int milliseconds = kStuckMilliseconds) const
    {
        return ::WaitForSingleObject(m_handle, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
    }

private:
    HANDLE m_handle;
};
