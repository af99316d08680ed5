#pragma once
#include <windows.h>

// Point, size and rectangle values that are the platform's own structures, so a pointer
// to one passes straight to any API that takes a POINT, SIZE or RECT.

class CSize : public SIZE {
public:
    CSize() { cx = 0; cy = 0; }
    CSize(int width, int height) { cx = width; cy = height; }
    CSize(SIZE size) { cx = size.cx; cy = size.cy; }

    bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
    bool operator!=(SIZE other) const { return !(*this == other); }
    CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
    CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    void operator+=(SIZE other) { cx += other.cx; cy += other.cy; }
    void operator-=(SIZE other) { cx -= other.cx; cy -= other.cy; }
};

class CPoint : public POINT {
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int initX, int initY) { x = initX; y = initY; }
    CPoint(POINT point) { x = point.x; y = point.y; }
    CPoint(SIZE size) { x = size.cx; y = size.cy; }
    // The packed coordinates of a mouse message's lParam or GetMessagePos: signed words.
    explicit CPoint(DWORD packed)
    {
        x = (short)LOWORD(packed);
        y = (short)HIWORD(packed);
    }

    void Offset(int dx, int dy) { x += dx; y += dy; }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }

    bool operator==(POINT other) const { return x == other.x && y == other.y; }
    bool operator!=(POINT other) const { return !(*this == other); }
    void operator+=(SIZE size) { Offset(size); }
    void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
    void operator+=(POINT point) { Offset(point); }
    void operator-=(POINT point) { Offset(-point.x, -point.y); }
    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    // The difference of two points is a size.
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};

class CRect : public RECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CRect(const RECT& rect) { ::CopyRect(this, &rect); }
    CRect(const RECT* rect) { ::CopyRect(this, rect); }
    CRect(POINT topLeft, SIZE size)
    {
        left = topLeft.x;
        top = topLeft.y;
        right = left + size.cx;
        bottom = top + size.cy;
    }
    CRect(POINT topLeft, POINT bottomRight)
    {
        left = topLeft.x;
        top = topLeft.y;
        right = bottomRight.x;
        bottom = bottomRight.y;
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }

    void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
    void SetRectEmpty() { ::SetRectEmpty(this); }
    void CopyRect(LPCRECT source) { ::CopyRect(this, source); }
    BOOL EqualRect(LPCRECT other) const { return ::EqualRect(this, other); }

    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void InflateRect(SIZE size) { ::InflateRect(this, size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b)
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
    void DeflateRect(SIZE size) { ::InflateRect(this, -size.cx, -size.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void OffsetRect(POINT point) { ::OffsetRect(this, point.x, point.y); }
    void OffsetRect(SIZE size) { ::OffsetRect(this, size.cx, size.cy); }
    void NormalizeRect()
    {
        if (left > right) {
            LONG t = left;
            left = right;
            right = t;
        }
        if (top > bottom) {
            LONG t = top;
            top = bottom;
            bottom = t;
        }
    }

    BOOL IntersectRect(LPCRECT a, LPCRECT b) { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(LPCRECT a, LPCRECT b) { return ::UnionRect(this, a, b); }
    BOOL SubtractRect(LPCRECT a, LPCRECT b) { return ::SubtractRect(this, a, b); }

    bool operator==(const RECT& other) const { return ::EqualRect(this, &other) != FALSE; }
    bool operator!=(const RECT& other) const { return !(*this == other); }
    void operator+=(POINT point) { OffsetRect(point); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator&=(const RECT& other) { ::IntersectRect(this, this, &other); }
    void operator|=(const RECT& other) { ::UnionRect(this, this, &other); }
    CRect operator+(POINT point) const
    {
        CRect r(*this);
        r.OffsetRect(point);
        return r;
    }
    CRect operator-(POINT point) const
    {
        CRect r(*this);
        r.OffsetRect(-point.x, -point.y);
        return r;
    }
    CRect operator&(const RECT& other) const
    {
        CRect r;
        ::IntersectRect(&r, this, &other);
        return r;
    }
    CRect operator|(const RECT& other) const
    {
        CRect r;
        ::UnionRect(&r, this, &other);
        return r;
    }
};
