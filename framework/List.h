#pragma once
#include <windows.h>

#include "framework/Position.h"

#include <utility>

// A doubly linked list with the classic CList members; a POSITION is a node of this list.
// Reading through a null position or from an empty list gives a default value.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CList {
public:
    CList() = default;
    CList(const CList& other)
    {
        for (Node* node = other.m_head; node; node = node->next)
            AddTail(node->data);
    }
    CList& operator=(const CList& other)
    {
        if (&other != this) {
            CList copy(other);
            Swap(copy);
        }
        return *this;
    }
    ~CList() { RemoveAll(); }

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return m_head ? m_head->data : Scratch(); }
    const TYPE& GetHead() const { return m_head ? m_head->data : Default(); }
    TYPE& GetTail() { return m_tail ? m_tail->data : Scratch(); }
    const TYPE& GetTail() const { return m_tail ? m_tail->data : Default(); }

    TYPE RemoveHead()
    {
        if (!m_head)
            return TYPE();
        TYPE value = m_head->data;
        Unlink(m_head);
        return value;
    }
    TYPE RemoveTail()
    {
        if (!m_tail)
            return TYPE();
        TYPE value = m_tail->data;
        Unlink(m_tail);
        return value;
    }

    POSITION AddHead(ARG_TYPE element) { return ToPosition(LinkBefore(m_head, element)); }
    POSITION AddTail(ARG_TYPE element) { return ToPosition(LinkAfter(m_tail, element)); }
    // Adding a list to itself adds a copy of its elements.
    void AddHead(const CList* other)
    {
        if (!other)
            return;
        CList copy(*other);
        for (Node* node = copy.m_tail; node; node = node->prev)
            AddHead(node->data);
    }
    void AddTail(const CList* other)
    {
        if (!other)
            return;
        CList copy(*other);
        for (Node* node = copy.m_head; node; node = node->next)
            AddTail(node->data);
    }

    void RemoveAll()
    {
        while (m_head)
            Unlink(m_head);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_head); }
    POSITION GetTailPosition() const { return ToPosition(m_tail); }

    // Returns the element at position and moves position to the next one (null at the end).
    TYPE& GetNext(POSITION& position)
    {
        Node* node = ToNode(position);
        if (!node)
            return Scratch();
        position = ToPosition(node->next);
        return node->data;
    }
    const TYPE& GetNext(POSITION& position) const
    {
        Node* node = ToNode(position);
        if (!node)
            return Default();
        position = ToPosition(node->next);
        return node->data;
    }
    TYPE& GetPrev(POSITION& position)
    {
        Node* node = ToNode(position);
        if (!node)
            return Scratch();
        position = ToPosition(node->prev);
        return node->data;
    }
    const TYPE& GetPrev(POSITION& position) const
    {
        Node* node = ToNode(position);
        if (!node)
            return Default();
        position = ToPosition(node->prev);
        return node->data;
    }

    TYPE& GetAt(POSITION position)
    {
        Node* node = ToNode(position);
        return node ? node->data : Scratch();
    }
    const TYPE& GetAt(POSITION position) const
    {
        Node* node = ToNode(position);
        return node ? node->data : Default();
    }
    void SetAt(POSITION position, ARG_TYPE element)
    {
        if (Node* node = ToNode(position))
            node->data = element;
    }
    void RemoveAt(POSITION position)
    {
        if (Node* node = ToNode(position))
            Unlink(node);
    }

    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE element)
    {
        Node* node = ToNode(position);
        return ToPosition(LinkBefore(node ? node : m_head, element));
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE element)
    {
        Node* node = ToNode(position);
        return ToPosition(LinkAfter(node ? node : m_tail, element));
    }

    // Searches from the element after startAfter (from the head when null).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const
    {
        Node* node = startAfter ? ToNode(startAfter)->next : m_head;
        for (; node; node = node->next)
            if (node->data == value)
                return ToPosition(node);
        return nullptr;
    }
    POSITION FindIndex(int index) const
    {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* node = m_head;
        while (index-- > 0)
            node = node->next;
        return ToPosition(node);
    }

private:
    struct Node : __POSITION {
        explicit Node(ARG_TYPE value) : data(value) {}
        Node* next = nullptr;
        Node* prev = nullptr;
        TYPE data;
    };

    static POSITION ToPosition(Node* node) { return node; }
    static Node* ToNode(POSITION position) { return static_cast<Node*>(position); }
    static const TYPE& Default()
    {
        static const TYPE kDefault = TYPE();
        return kDefault;
    }
    TYPE& Scratch()
    {
        m_scratch = TYPE();
        return m_scratch;
    }

    Node* LinkBefore(Node* before, ARG_TYPE element)
    {
        Node* node = new Node(element);
        node->next = before;
        node->prev = before ? before->prev : m_tail;
        (node->prev ? node->prev->next : m_head) = node;
        (node->next ? node->next->prev : m_tail) = node;
        ++m_count;
        return node;
    }
    Node* LinkAfter(Node* after, ARG_TYPE element)
    {
        return LinkBefore(after ? after->next : m_head, element);
    }
    void Unlink(Node* node)
    {
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        delete node;
        --m_count;
    }
    void Swap(CList& other)
    {
        std::swap(m_head, other.m_head);
        std::swap(m_tail, other.m_tail);
        std::swap(m_count, other.m_count);
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
    TYPE m_scratch = TYPE();
};
