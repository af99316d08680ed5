#pragma once

// Where long document operations (analysing many lines, loading the dictionaries) report
// their progress; the status bar implements it, tests record the calls.
class IProgressSink {
public:
    virtual ~IProgressSink() = default;
    // Shows the progress box with a text such as "Analyzing..."; with waitCursor the
    // wait cursor too.
    virtual void BeginProgress(const char* text, bool waitCursor) = 0;
    // percent is 0 to 100.
    virtual void DrawProgress(int percent) = 0;
    // Removes the progress box (and the wait cursor).
    virtual void EndProgress() = 0;
};

// Begins a progress display and ends it when the scope is left, on every path.
class CProgressScope {
public:
    CProgressScope(IProgressSink* sink, const char* text, bool waitCursor = false) : m_sink(sink)
    {
        if (m_sink)
            m_sink->BeginProgress(text, waitCursor);
    }
    ~CProgressScope()
    {
        if (m_sink)
            m_sink->EndProgress();
    }
    CProgressScope(const CProgressScope&) = delete;
    CProgressScope& operator=(const CProgressScope&) = delete;

    void Draw(int percent)
    {
        if (m_sink)
            m_sink->DrawProgress(percent);
    }

private:
    IProgressSink* m_sink;
};
