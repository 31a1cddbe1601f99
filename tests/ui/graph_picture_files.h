#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QtEndian>

#include <functional>

// Picture files for the chooser tests, written by the tests themselves.
namespace tarlen::testing {

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QImage solidImage(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The picture in one of Qt's written formats ("BMP", "JPEG", "PNG").
inline QByteArray encoded(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// A GIF89a of two colours, pixel (x, y) taking colour 1 where isSecond says so. Every code is
// a literal of three bits, and a clear code after each two keeps the code width from growing.
inline QByteArray gifBytes(int width, int height, QRgb colour0, QRgb colour1,
                           const std::function<bool(int, int)> &isSecond,
                           bool withControlExtension = false)
{
    QByteArray gif("GIF89a");
    const auto put16 = [&gif](int value) {
        gif.append(char(value & 0xFF));
        gif.append(char((value >> 8) & 0xFF));
    };
    put16(width);
    put16(height);
    gif.append(char(0x80)); // a global colour table of two entries
    gif.append('\0');       // background colour index
    gif.append('\0');       // pixel aspect ratio
    for (QRgb c : {colour0, colour1}) {
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    if (withControlExtension)
        gif.append(QByteArray("\x21\xF9\x04\x00\x00\x00\x00\x00", 8));
    gif.append(char(0x2C));
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    gif.append('\0'); // no local colour table, not interlaced
    gif.append(char(2)); // minimum code size: clear code 4, end code 5

    constexpr unsigned kClear = 4;
    constexpr unsigned kEnd = 5;
    QByteArray data;
    unsigned bits = 0;
    int bitCount = 0;
    const auto putCode = [&](unsigned code) {
        bits |= code << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    int written = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (written % 2 == 0)
                putCode(kClear);
            putCode(isSecond(x, y) ? 1U : 0U);
            ++written;
        }
    }
    putCode(kEnd);
    if (bitCount > 0)
        data.append(char(bits & 0xFF));

    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(char(0x3B));
    return gif;
}

inline QByteArray solidGif(int width, int height, QRgb colour)
{
    return gifBytes(width, height, colour, colour, [](int, int) { return false; });
}

// The header of a 24-bit BMP that claims the given size, with no pixels after it.
inline QByteArray bmpHeaderOnly(int width, int height)
{
    QByteArray bytes = encoded(solidImage(2, 2, Qt::white), "BMP").left(54);
    qToLittleEndian<qint32>(width, bytes.data() + 18);
    qToLittleEndian<qint32>(height, bytes.data() + 22);
    return bytes;
}

// The BMP with its height negated: the same rows, stored top-down.
inline QByteArray topDownBmp(const QImage &solid)
{
    QByteArray bytes = encoded(solid, "BMP");
    qToLittleEndian<qint32>(-solid.height(), bytes.data() + 22);
    return bytes;
}

} // namespace tarlen::testing
