// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <cstdint>
#include <vector>

// One size of the window icon, as premultiplied ARGB pixels, row by row.
struct IconPixels
{
    int size;
    std::vector<std::uint32_t> pixels;
};

// Made at build time from the icon's PNGs (tools/iconpixels).
const std::vector<IconPixels> &windowIconPixels();

// The program's own icon, at every size it carries for its window.
QIcon programIcon();
