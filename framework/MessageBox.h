#pragma once
#include <windows.h>

#include "framework/CString.h"

#include <deque>
#include <mutex>
#include <vector>

// Every message box of the project goes through ShowMessageBox, so tests can answer them:
// without a display the platform's MessageBox fails at once.
int ShowMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);

// A box owned by the calling thread's active window with the application's name as caption.
// helpId is accepted for compatibility; the boxes have no help button.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The text is string stringId of the resource module.
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = 0);

// Receives every message box in place of the platform while installed.
class MessageBoxHook {
public:
    virtual ~MessageBoxHook() = default;
    virtual int OnMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) = 0;
};

// Installs hook (null: none) and returns the one installed before.
MessageBoxHook* SetMessageBoxHook(MessageBoxHook* hook);
// The hook installed now; null when none.
MessageBoxHook* GetMessageBoxHook();

// One box as a hook saw it.
struct RecordedMessageBox {
    CString text;
    CString caption;
    UINT type = 0;
};

// Test hook for a scope: records each box and answers from a queue of scripted answers;
// with the queue empty it answers the box's default button. Restores the previous hook.
class ScopedMessageBoxHook : public MessageBoxHook {
public:
    ScopedMessageBoxHook();
    explicit ScopedMessageBoxHook(std::initializer_list<int> answers);
    ~ScopedMessageBoxHook() override;
    ScopedMessageBoxHook(const ScopedMessageBoxHook&) = delete;
    ScopedMessageBoxHook& operator=(const ScopedMessageBoxHook&) = delete;

    void QueueAnswer(int answer);
    std::vector<RecordedMessageBox> Boxes() const;
    int Count() const;
    // The last box seen; an empty record when there was none.
    RecordedMessageBox Last() const;

    int OnMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) override;

    // The button Enter would press in a box of this type.
    static int DefaultAnswer(UINT type);

private:
    mutable std::mutex m_mutex;
    std::deque<int> m_answers;
    std::vector<RecordedMessageBox> m_boxes;
    MessageBoxHook* m_previous;
};
