// SPDX-License-Identifier: MIT
#include "windowicon.h"

#include <QImage>
#include <QPixmap>

QIcon programIcon()
{
    QIcon icon;
    for (const IconPixels &each : windowIconPixels()) {
        const QImage image(reinterpret_cast<const uchar *>(each.pixels.data()), each.size,
            each.size, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
