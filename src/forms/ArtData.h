#pragma once
// The artwork, rendered from the SVG sources at build time: premultiplied ARGB32 pixels,
// row after row, compressed with qCompress.

struct ArtImage {
    const char* name;
    int width;
    int height;
    const unsigned char* pixels;
    unsigned long size;
};

extern const ArtImage ArtImages[];
extern const int ArtImageCount;
