#include "editor/shell/OpenRequests.h"

unsigned OpenRequestQueue::CommandFor(const Request& request)
{
    if (request.fromTemplate)
        return kFileNewCommand;
    return request.account < 0 ? kFileOpenCommand : kRemoteOpenCommand;
}

unsigned OpenRequestQueue::Post(const Request& request)
{
    m_requests.push_back(request);
    return CommandFor(request);
}

bool OpenRequestQueue::Take(unsigned command, Request& request)
{
    for (auto it = m_requests.begin(); it != m_requests.end(); ++it) {
        if (CommandFor(*it) == command) {
            request = *it;
            m_requests.erase(it);
            return true;
        }
    }
    return false;
}
