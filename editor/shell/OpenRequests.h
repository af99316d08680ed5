#pragma once
#include <deque>

#include "editor/res/resource.h"
#include "framework/CString.h"

// Requests to open a file that other parts of the IDE post (output-window jumps, the
// history, finished conversions, the workspace bar, the new-from-template command). Each
// request is queued and posts one File Open (local), Remote Open or File New (template)
// command; each such command takes the oldest request of its kind, so requests made in a
// row all open, in order.
class OpenRequestQueue {
public:
    // The commands that take requests.
    static constexpr unsigned kFileOpenCommand = ID_FILE_OPEN;
    static constexpr unsigned kRemoteOpenCommand = ID_FILE_REMOTE_OPEN;
    static constexpr unsigned kFileNewCommand = ID_FILE_NEW;

    struct Request {
        int account = -1;  // FTP account; -1 for a local file
        CString path;
        int size = 0;  // remote file length
        int line = 0;  // 0: the caret stays where the view puts it
        bool fromTemplate = false;  // path is the template a new document starts from
    };

    // Queues a request; returns the command to post for it.
    unsigned Post(const Request& request);
    // The oldest request that the command serves, removed from the queue; false when none
    // waits (the command then asks the user).
    bool Take(unsigned command, Request& request);
    bool IsEmpty() const { return m_requests.empty(); }

private:
    static unsigned CommandFor(const Request& request);

    std::deque<Request> m_requests;
};
