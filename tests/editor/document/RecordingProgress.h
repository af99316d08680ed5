#pragma once

#include "editor/document/ProgressSink.h"

#include <string>
#include <vector>

// A progress sink that records its calls as "begin:<text>", "draw:<percent>" and "end".
class CRecordingProgress : public IProgressSink {
public:
    void BeginProgress(const char* text, bool waitCursor) override
    {
        m_calls.push_back(std::string("begin:") + text + (waitCursor ? ":wait" : ""));
    }
    void DrawProgress(int percent) override { m_calls.push_back("draw:" + std::to_string(percent)); }
    void EndProgress() override { m_calls.push_back("end"); }

    int Count(const std::string& prefix) const
    {
        int count = 0;
        for (const std::string& call : m_calls)
            count += call.compare(0, prefix.size(), prefix) == 0;
        return count;
    }

    std::vector<std::string> m_calls;
};
