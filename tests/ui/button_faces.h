#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QTest>

#include <cstdlib>

// What a painted button shows: how much of its inside is exactly the face colour, whether its
// caption is drawn in the text colour, and how many pixels the focus frame changes.
struct ButtonFace {
    double faceShare = 0;
    bool captionInTextColour = false;
    int focusFramePixels = 0;
};

inline ButtonFace measureButtonFace(QAbstractButton &button, const QColor &face)
{
    QWidget *window = button.window();
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return {};
    button.clearFocus();
    QApplication::processEvents();
    const QImage plain = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QApplication::setActiveWindow(window);
    // The focus frame shows once the keyboard has moved the focus, as after a Tab press.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    button.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    if (!button.hasFocus())
        return {};
    const QImage focused = button.grab().toImage().convertToFormat(QImage::Format_RGB32);

    ButtonFace result;
    // Smoothed glyph edges blend into the face; their cores are the text colour or near it.
    const QColor text = button.palette().color(QPalette::ButtonText);
    const auto nearText = [&text](QRgb pixel) {
        return std::abs(qRed(pixel) - text.red()) + std::abs(qGreen(pixel) - text.green()) +
                   std::abs(qBlue(pixel) - text.blue()) <
               96;
    };
    const QRect inside = plain.rect().adjusted(3, 3, -4, -4);
    int faceCount = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = plain.pixel(x, y);
            faceCount += pixel == face.rgb();
            result.captionInTextColour |= nearText(pixel);
        }
    result.faceShare = double(faceCount) / (inside.width() * inside.height());
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            result.focusFramePixels += plain.pixel(x, y) != focused.pixel(x, y);
    return result;
}

// A button whose face colour is given shows it flat: most of its inside is exactly that colour
// (the rest is the caption, or a picture), the caption is in the text colour and the focus frame
// shows.
inline void verifyFlatButtonFace(QAbstractButton &button, const QColor &face)
{
    const ButtonFace shown = measureButtonFace(button, face);
    QVERIFY2(shown.faceShare > 0.5, qPrintable(QString::number(shown.faceShare)));
    QVERIFY(shown.captionInTextColour);
    QVERIFY(shown.focusFramePixels > 0);
}
