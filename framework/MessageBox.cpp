#include "framework/MessageBox.h"

#include <atomic>

namespace {

std::atomic<MessageBoxHook*> g_hook{nullptr};

} // namespace

MessageBoxHook* SetMessageBoxHook(MessageBoxHook* hook)
{
    return g_hook.exchange(hook);
}

MessageBoxHook* GetMessageBoxHook()
{
    return g_hook.load();
}

ScopedMessageBoxHook::ScopedMessageBoxHook()
    : m_previous(SetMessageBoxHook(this))
{
}

ScopedMessageBoxHook::ScopedMessageBoxHook(std::initializer_list<int> answers)
    : m_answers(answers), m_previous(SetMessageBoxHook(this))
{
}

ScopedMessageBoxHook::~ScopedMessageBoxHook()
{
    SetMessageBoxHook(m_previous);
}

void ScopedMessageBoxHook::QueueAnswer(int answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back(answer);
}

std::vector<RecordedMessageBox> ScopedMessageBoxHook::Boxes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes;
}

int ScopedMessageBoxHook::Count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return (int)m_boxes.size();
}

RecordedMessageBox ScopedMessageBoxHook::Last() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes.empty() ? RecordedMessageBox() : m_boxes.back();
}

int ScopedMessageBoxHook::OnMessageBox(HWND, LPCTSTR text, LPCTSTR caption, UINT type)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    RecordedMessageBox box;
    box.text = text;
    box.caption = caption;
    box.type = type;
    m_boxes.push_back(box);
    if (m_answers.empty())
        return DefaultAnswer(type);
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

int ScopedMessageBoxHook::DefaultAnswer(UINT type)
{
    static const int kButtons[][3] = {
        {IDOK, IDOK, IDOK},                 // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},         // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},       // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},            // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},                // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL},      // MB_RETRYCANCEL
    };
    UINT buttons = type & MB_TYPEMASK;
    if (buttons >= sizeof kButtons / sizeof kButtons[0])
        return IDOK;
    UINT index = (type & MB_DEFMASK) >> 8;
    return kButtons[buttons][index < 3 ? index : 0];
}
