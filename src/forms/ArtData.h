#pragma once
// The artwork as PNG images, rendered from the SVG sources at build time.

struct ArtImage {
    const char* name;
    int width;
    int height;
    const unsigned char* png;
    unsigned long size;
};

extern const ArtImage ArtImages[];
extern const int ArtImageCount;
