#pragma once

#include "core/pointer_style.h"

#include <QImage>

namespace tarlen {

// The seventeen named pictures of the store, by the names of their boxes on Form6.
enum class StorePicture {
    Picture4,  // thickness, thin line highlighted (50 x 47)
    Picture5,  // thickness, middle line highlighted
    Picture6,  // thickness, thick line highlighted
    Picture7,  // palette, black chosen (99 x 35)
    Picture8,  // palette, white chosen
    Picture9,  // palette, blue chosen
    Picture10, // palette, red chosen
    Picture11, // palette, green chosen (100 x 35)
    Picture12, // palette, yellow chosen
    Picture13, // palette, column 4 top chosen (painted pink)
    Picture14, // palette, brown chosen
    Picture15, // dot symbol (17 x 17)
    Picture16, // plus symbol
    Picture17, // cross symbol
    Picture18, // circle symbol
    Picture19, // square symbol
    Picture20, // diamond symbol
};

// Each picture is drawn by code, pixel for pixel, in 24-bit colour (QImage::Format_RGB32).
QImage drawStorePicture(StorePicture picture);

// The main window's symbol strip Picture2: the six symbols stacked (24 x 149).
QImage drawSymbolStrip();

// The program's own pictures.
QImage drawWindowIcon();                          // 16 x 16
QImage drawPointerStylePicture(PointerStyle style); // 34 x 41, the pointer option buttons
QImage drawMagnifierPicture();                    // 40 x 33, the magnifier button
QImage drawArrowPointerPicture();                 // 117 x 61, Form6's arrow demonstration

} // namespace tarlen
