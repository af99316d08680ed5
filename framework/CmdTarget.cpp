#include "framework/CmdTarget.h"

#include "framework/CmdUI.h"
#include "framework/WaitCursor.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {MessageMapEntry{}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    // A notification arrives with its message in the high word (MAKELONG(code, WM_NOTIFY));
    // the update request keeps its own code.
    UINT message = WM_COMMAND;
    if (code != CN_UPDATE_COMMAND_UI) {
        message = HIWORD(code);
        code = static_cast<short>(LOWORD(code));
        if (message == 0)
            message = WM_COMMAND;
    }
    const MessageMapEntry* entry = FindEntry(GetMessageMap(), message, code, id);
    if (entry == nullptr)
        return FALSE;
    if (handlerInfo != nullptr) {
        handlerInfo->target = this;
        return TRUE;
    }
    MessageCall call;
    call.message = message;
    call.id = id;
    call.code = code;
    call.extra = extra;
    if (message == WM_NOTIFY) {
        AFX_NOTIFY* notify = static_cast<AFX_NOTIFY*>(extra);
        call.extra = notify ? notify->header : nullptr;
        entry->thunk(this, call);
        if (notify != nullptr && notify->result != nullptr)
            *notify->result = call.result;
        return TRUE;
    }
    if (code == CN_UPDATE_COMMAND_UI) {
        CCmdUI* commandUI = static_cast<CCmdUI*>(extra);
        commandUI->m_continueRouting = FALSE;
        entry->thunk(this, call);
        return !commandUI->m_continueRouting;
    }
    entry->thunk(this, call);
    return TRUE;
}

void CCmdTarget::BeginWaitCursor() { AfxDoWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { AfxDoWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { AfxDoWaitCursor(0); }
