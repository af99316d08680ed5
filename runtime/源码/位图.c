/* Window support for bitmaps: transparent blits through a monochrome mask, and saving a
   window region as a 24-bit bottom-up BMP file. */
#include "runtime/源码/视窗支持.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/文件.h"

#include <stdint.h>
#include <string.h>

/* A bitmap selected into its own memory DC. */
typedef struct DCBitmap {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ displaced;
} DCBitmap;

static int MakeDCBitmap(DCBitmap* out, HDC compatibleWith, HBITMAP bitmap)
{
    out->bitmap = bitmap;
    out->dc = bitmap ? CreateCompatibleDC(compatibleWith) : NULL;
    if (!out->dc) {
        if (bitmap)
            DeleteObject(bitmap);
        out->bitmap = NULL;
        return 0;
    }
    out->displaced = SelectObject(out->dc, bitmap);
    return 1;
}

static void FreeDCBitmap(DCBitmap* b)
{
    if (!b->dc)
        return;
    SelectObject(b->dc, b->displaced);
    DeleteDC(b->dc);
    DeleteObject(b->bitmap);
    b->dc = NULL;
}

int WndTransparentBlt(HDC dest, int x, int y, int w, int h, HDC source, int sx, int sy, int sw,
                      int sh, COLORREF colour)
{
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || !dest || !source)
        return 0;
    DCBitmap copy, mask;
    if (!MakeDCBitmap(&copy, dest, CreateCompatibleBitmap(dest, w, h)))
        return 0;
    if (!MakeDCBitmap(&mask, dest, CreateBitmap(w, h, 1, 1, NULL))) {
        FreeDCBitmap(&copy);
        return 0;
    }
    if (sw == w && sh == h)
        BitBlt(copy.dc, 0, 0, w, h, source, sx, sy, SRCCOPY);
    else
        StretchBlt(copy.dc, 0, 0, w, h, source, sx, sy, sw, sh, SRCCOPY);

    /* Mask: 1 where the copy has the transparent colour. */
    SetBkColor(copy.dc, colour);
    BitBlt(mask.dc, 0, 0, w, h, copy.dc, 0, 0, SRCCOPY);
    /* Transparent pixels of the copy become black. */
    SetBkColor(copy.dc, RGB(0, 0, 0));
    SetTextColor(copy.dc, RGB(255, 255, 255));
    BitBlt(copy.dc, 0, 0, w, h, mask.dc, 0, 0, SRCAND);
    /* Black out the opaque part of the destination, then paint the image into it. */
    COLORREF oldBk = SetBkColor(dest, RGB(255, 255, 255));
    COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
    BitBlt(dest, x, y, w, h, mask.dc, 0, 0, SRCAND);
    BitBlt(dest, x, y, w, h, copy.dc, 0, 0, SRCPAINT);
    SetBkColor(dest, oldBk);
    SetTextColor(dest, oldText);

    FreeDCBitmap(&mask);
    FreeDCBitmap(&copy);
    return 1;
}

/* ---- BMP files --------------------------------------------------------------------- */

enum { kBmpFileHeaderBytes = 14, kBmpInfoHeaderBytes = 40, kBmpPixelOffset = 54 };

static void Put16(unsigned char* p, unsigned value)
{
    p[0] = (unsigned char)value;
    p[1] = (unsigned char)(value >> 8);
}

static void Put32(unsigned char* p, uint32_t value)
{
    Put16(p, value & 0xFFFF);
    Put16(p + 2, value >> 16);
}

static int WriteBmp(const char* file, int width, int height, const unsigned char* bits,
                    int stride)
{
    uint32_t imageSize = (uint32_t)stride * (uint32_t)height;
    unsigned char header[kBmpPixelOffset];
    memset(header, 0, sizeof header);
    header[0] = 'B';
    header[1] = 'M';
    Put32(header + 2, kBmpPixelOffset + imageSize);
    Put32(header + 10, kBmpPixelOffset);
    unsigned char* info = header + kBmpFileHeaderBytes;
    Put32(info, kBmpInfoHeaderBytes);
    Put32(info + 4, (uint32_t)width);
    Put32(info + 8, (uint32_t)height);
    Put16(info + 12, 1);
    Put16(info + 14, 24);
    Put32(info + 20, imageSize);

    FILE* stream = FileOpen(file, "写数");
    if (!stream)
        return 0;
    int ok = FileWrite(stream, header, sizeof header, 1) == 1;
    static const unsigned char kZeros[3] = {0, 0, 0};
    int pixelBytes = width * 3;
    for (int row = 0; ok && row < height; row++) {
        ok = FileWrite(stream, bits + (size_t)row * (size_t)stride, pixelBytes, 1) == 1;
        if (ok && stride > pixelBytes)
            ok = FileWrite(stream, kZeros, stride - pixelBytes, 1) == 1;
    }
    return FileClose(stream) == 0 && ok;
}

int WndSaveWindowBitmap(HWND window, HDC dc, int x, int y, int width, int height,
                        const char* file)
{
    if (!window)
        window = GfxGetDisplayWindow();
    if (!window || !file)
        return 0;
    RECT region;
    if (!GetClientRect(window, &region))
        return 0;
    if (x > 0)
        region.left = x;
    if (y > 0)
        region.top = y;
    if (width > 0)
        region.right = region.left + width;
    if (height > 0)
        region.bottom = region.top + height;
    int w = region.right - region.left, h = region.bottom - region.top;
    int stride = (w * 3 + 3) & ~3;
    if (w <= 0 || h <= 0 || w > 0x7FFFFFF / 3 || (int64_t)stride * h > 0x7FFFFFFF - kBmpPixelOffset)
        return 0;

    HDC source = dc ? dc : GetDC(window);
    if (!source)
        return 0;
    int written = 0;
    DCBitmap copy = {NULL, NULL, NULL}, dib = {NULL, NULL, NULL};
    BITMAPINFO format;
    memset(&format, 0, sizeof format);
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = w;
    format.bmiHeader.biHeight = h;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    if (MakeDCBitmap(&copy, source, CreateCompatibleBitmap(source, w, h))
        && MakeDCBitmap(&dib, source,
                        CreateDIBSection(source, &format, DIB_RGB_COLORS, &bits, NULL, 0))
        && bits) {
        BitBlt(copy.dc, 0, 0, w, h, source, region.left, region.top, SRCCOPY);
        BitBlt(dib.dc, 0, 0, w, h, copy.dc, 0, 0, SRCCOPY);
        GdiFlush();
        written = WriteBmp(file, w, h, (const unsigned char*)bits, stride);
    }
    FreeDCBitmap(&dib);
    FreeDCBitmap(&copy);
    if (!dc)
        ReleaseDC(window, source);
    return written;
}
