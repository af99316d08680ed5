#pragma once
#include <windows.h>

#include "framework/MessageMap.h"

// Codes of OnCmdMsg beside the control notification codes: a command from a menu,
// accelerator or button, and the request to update a command's user interface.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// Filled by OnCmdMsg when the caller only asks whether a handler exists: the handler is not
// run then.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* target = nullptr;
};

// The extra argument of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
    LRESULT* result = nullptr;
    NMHDR* header = nullptr;
};

// The root of everything that receives commands: looks commands up in its message map.
// Routing classes (frames, views, documents) override OnCmdMsg to pass a command on.
class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the handler for command id with code (CN_COMMAND, CN_UPDATE_COMMAND_UI, a control
    // notification, or a WM_NOTIFY code shifted as by ON_NOTIFY). extra is the CCmdUI*, the
    // AFX_NOTIFY* or null. With handlerInfo set it only reports the target that would handle.
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo);

    // The cursor of BeginWaitCursor: stays an hourglass until EndWaitCursor.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // Finds the entry of the map chain for message with the given code and id; null if none.
    static const MessageMapEntry* FindEntry(const MessageMap* map, UINT message, int code, UINT id);
};
