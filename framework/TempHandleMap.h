#pragma once

#include <map>
#include <typeinfo>
#include <utility>

// Borrowed wrappers of one thread, one per handle and wrapper class: FromHandle finds or
// makes them, DeleteTempMap frees them. They are detached before they are freed, so the
// handles they borrowed survive. kHandle is the wrapper's handle member.
template <class Handle, class Wrapper, Handle Wrapper::*kHandle>
class TempHandleMap {
public:
    TempHandleMap() = default;
    TempHandleMap(const TempHandleMap&) = delete;
    TempHandleMap& operator=(const TempHandleMap&) = delete;
    ~TempHandleMap() { Clear(); }

    // The calling thread's map.
    static TempHandleMap& ForThread()
    {
        static thread_local TempHandleMap map;
        return map;
    }

    template <class T = Wrapper>
    T* Find(Handle handle)
    {
        if (!handle)
            return nullptr;
        auto key = std::make_pair(handle, &typeid(T));
        auto found = m_wrappers.find(key);
        if (found != m_wrappers.end())
            return static_cast<T*>(found->second);
        T* wrapper = new T;
        wrapper->*kHandle = handle;
        m_wrappers[key] = wrapper;
        return wrapper;
    }

    void Clear()
    {
        for (auto& entry : m_wrappers) {
            entry.second->Detach();
            delete entry.second;
        }
        m_wrappers.clear();
    }

private:
    std::map<std::pair<Handle, const std::type_info*>, Wrapper*> m_wrappers;
};
