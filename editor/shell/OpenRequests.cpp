#include "editor/shell/OpenRequests.h"

unsigned OpenRequestQueue::Post(const Request& request)
{
    m_requests.push_back(request);
    return request.account < 0 ? kFileOpenCommand : kRemoteOpenCommand;
}

bool OpenRequestQueue::Take(unsigned command, Request& request)
{
    bool remote = command == kRemoteOpenCommand;
    for (auto it = m_requests.begin(); it != m_requests.end(); ++it) {
        if ((it->account >= 0) == remote) {
            request = *it;
            m_requests.erase(it);
            return true;
        }
    }
    return false;
}
