#include "editor/res/resource.h"
#include "editor/shell/OpenRequests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(OpenRequests, EveryPostedRequestOpensInOrder)
{
    OpenRequestQueue queue;
    // Three success lines of a conversion in a row, a remote jump among them.
    std::vector<unsigned> posted;
    for (const char* name : {"一.c", "二.c", "三.c"}) {
        OpenRequestQueue::Request request;
        request.path = name;
        request.line = 7;
        posted.push_back(queue.Post(request));
    }
    OpenRequestQueue::Request remote;
    remote.account = 2;
    remote.path = "/srv/x.墨";
    remote.size = 99;
    posted.insert(posted.begin() + 1, queue.Post(remote));
    OpenRequestQueue::Request fromTemplate;
    fromTemplate.path = "模板.c";
    fromTemplate.fromTemplate = true;
    posted.push_back(queue.Post(fromTemplate));
    EXPECT_EQ(posted, (std::vector<unsigned>{ID_FILE_OPEN, ID_FILE_REMOTE_OPEN, ID_FILE_OPEN, ID_FILE_OPEN,
                                             ID_FILE_NEW}));

    // Each posted command takes the oldest request of its kind.
    std::vector<std::string> opened;
    for (unsigned command : posted) {
        OpenRequestQueue::Request request;
        ASSERT_TRUE(queue.Take(command, request));
        opened.push_back(std::string((LPCTSTR)request.path) + "@" + std::to_string(request.account) + ":" +
                         std::to_string(request.line));
    }
    EXPECT_EQ(opened,
              (std::vector<std::string>{"一.c@-1:7", "/srv/x.墨@2:0", "二.c@-1:7", "三.c@-1:7", "模板.c@-1:0"}));

    // With nothing queued the command asks the user.
    OpenRequestQueue::Request none;
    EXPECT_FALSE(queue.Take(ID_FILE_OPEN, none));
    EXPECT_TRUE(queue.IsEmpty());
}
