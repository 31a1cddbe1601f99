#include "ui/windows/picture_store.h"

namespace tarlen {

namespace {
QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
} // namespace

QImage drawStorePicture(StorePicture picture)
{
    switch (picture) {
    case StorePicture::Picture4:
    case StorePicture::Picture5:
    case StorePicture::Picture6:
        return blank(50, 47);
    case StorePicture::Picture11:
        return blank(100, 35);
    case StorePicture::Picture7:
    case StorePicture::Picture8:
    case StorePicture::Picture9:
    case StorePicture::Picture10:
    case StorePicture::Picture12:
    case StorePicture::Picture13:
    case StorePicture::Picture14:
        return blank(99, 35);
    case StorePicture::Picture15:
    case StorePicture::Picture16:
    case StorePicture::Picture17:
    case StorePicture::Picture18:
    case StorePicture::Picture19:
    case StorePicture::Picture20:
        return blank(17, 17);
    }
    return {};
}

QImage drawSymbolStrip() { return blank(24, 149); }
QImage drawWindowIcon() { return blank(16, 16); }
QImage drawPointerStylePicture(PointerStyle) { return blank(34, 41); }
QImage drawMagnifierPicture() { return blank(40, 33); }
QImage drawArrowPointerPicture() { return blank(117, 61); }

} // namespace tarlen
