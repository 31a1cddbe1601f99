#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QSize>
#include <QString>
#include <QtEndian>
#include <functional>
#include <iterator>
#include <utility>

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
    gif.append('\0');    // no local colour table, not interlaced
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

// A baseline TIFF of uncompressed RGB pages, one solid colour each, the pages chained in order.
inline QByteArray tiffPages(const QList<std::pair<QSize, QRgb>> &pages)
{
    QByteArray tiff("II*\0\0\0\0\0", 8);
    const auto put16 = [&tiff](int at, quint16 value) {
        qToLittleEndian<quint16>(value, tiff.data() + at);
    };
    const auto put32 = [&tiff](int at, quint32 value) {
        qToLittleEndian<quint32>(value, tiff.data() + at);
    };
    int nextPointer = 4; // where the offset of the next directory goes
    for (const auto &[size, colour] : pages) {
        const int dataAt = int(tiff.size());
        const int dataBytes = size.width() * size.height() * 3;
        for (int i = 0; i < size.width() * size.height(); ++i) {
            tiff.append(char(qRed(colour)));
            tiff.append(char(qGreen(colour)));
            tiff.append(char(qBlue(colour)));
        }
        if (tiff.size() % 2 != 0)
            tiff.append('\0');
        const int bitsAt = int(tiff.size());
        tiff.append(QByteArray("\x08\0\x08\0\x08\0", 6));

        constexpr quint16 kShort = 3;
        constexpr quint16 kLong = 4;
        struct Entry {
            quint16 tag;
            quint16 type;
            quint32 count;
            quint32 value;
        };
        const Entry entries[] = {
            {256, kLong, 1, quint32(size.width())},
            {257, kLong, 1, quint32(size.height())},
            {258, kShort, 3, quint32(bitsAt)},
            {259, kShort, 1, 1}, // no compression
            {262, kShort, 1, 2}, // RGB
            {273, kLong, 1, quint32(dataAt)},
            {277, kShort, 1, 3}, // samples a pixel
            {278, kLong, 1, quint32(size.height())},
            {279, kLong, 1, quint32(dataBytes)},
            {284, kShort, 1, 1}, // samples side by side
        };
        const int directoryAt = int(tiff.size());
        put32(nextPointer, quint32(directoryAt));
        tiff.append(QByteArray(2 + 12 * int(std::size(entries)) + 4, '\0'));
        put16(directoryAt, quint16(std::size(entries)));
        int at = directoryAt + 2;
        for (const Entry &e : entries) {
            put16(at, e.tag);
            put16(at + 2, e.type);
            put32(at + 4, e.count);
            if (e.type == kShort && e.count == 1)
                put16(at + 8, quint16(e.value));
            else
                put32(at + 8, e.value);
            at += 12;
        }
        nextPointer = at;
    }
    return tiff;
}

// A 24-bit BMP of the given size whose rows are all the given colour, written row by row so
// that a picture of many millions of pixels needs no image in memory.
inline bool writeLargeBmp(const QString &path, int width, int height, QRgb colour)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qint64 rowBytes = (qint64{width} * 3 + 3) / 4 * 4;
    QByteArray header = bmpHeaderOnly(width, height);
    qToLittleEndian<quint32>(quint32(54 + rowBytes * height), header.data() + 2);
    qToLittleEndian<quint32>(quint32(rowBytes * height), header.data() + 34);
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < width; ++x) {
        row[3 * x] = char(qBlue(colour));
        row[3 * x + 1] = char(qGreen(colour));
        row[3 * x + 2] = char(qRed(colour));
    }
    if (file.write(header) != header.size())
        return false;
    for (int y = 0; y < height; ++y)
        if (file.write(row) != row.size())
            return false;
    return true;
}

} // namespace tarlen::testing
