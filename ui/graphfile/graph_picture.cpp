#include "ui/graphfile/graph_picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdint>
#include <limits>

namespace tarlen {

namespace {

// A file this big holds more than the largest picture allowed, so it is not read at all.
constexpr qint64 kMaxGraphFileBytes = 256LL * 1024 * 1024;

class Bytes {
public:
    explicit Bytes(QByteArrayView bytes) : bytes_(bytes) {}

    qint64 size() const { return bytes_.size(); }
    std::uint8_t at(qint64 i) const { return static_cast<std::uint8_t>(bytes_[i]); }
    std::uint32_t le16(qint64 i) const { return at(i) | std::uint32_t{at(i + 1)} << 8; }
    std::uint32_t le32(qint64 i) const { return le16(i) | le16(i + 2) << 16; }
    std::uint32_t be16(qint64 i) const { return std::uint32_t{at(i)} << 8 | at(i + 1); }

private:
    QByteArrayView bytes_;
};

bool isCompleteBmp(const Bytes b)
{
    constexpr qint64 kFileHeader = 14;
    if (b.size() < kFileHeader + 12 || b.at(0) != 'B' || b.at(1) != 'M')
        return false;
    const qint64 dataOffset = b.le32(10);
    const qint64 infoSize = b.le32(14);
    qint64 width = 0;
    qint64 height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    qint64 imageSize = 0;
    if (infoSize == 12) {
        width = b.le16(18);
        height = b.le16(20);
        bitsPerPixel = b.le16(24);
    } else if (infoSize >= 40 && b.size() >= kFileHeader + 40) {
        width = static_cast<std::int32_t>(b.le32(18));
        height = static_cast<std::int32_t>(b.le32(22));
        bitsPerPixel = b.le16(28);
        compression = b.le32(30);
        imageSize = b.le32(34);
    } else {
        return false;
    }
    // A negative height marks rows stored top-down.
    if (height < 0)
        height = -height;
    if (width <= 0 || height == 0)
        return false;

    constexpr std::uint32_t kRgb = 0;
    constexpr std::uint32_t kRle8 = 1;
    constexpr std::uint32_t kRle4 = 2;
    constexpr std::uint32_t kBitFields = 3;
    constexpr std::uint32_t kAlphaBitFields = 6;
    switch (compression) {
    case kRgb:
    case kBitFields:
    case kAlphaBitFields: {
        const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        if (rowBytes > 0 && height > (std::numeric_limits<qint64>::max() - dataOffset) / rowBytes)
            return false;
        return b.size() >= dataOffset + rowBytes * height;
    }
    case kRle8:
    case kRle4:
        return b.size() >= dataOffset + imageSize && b.size() > dataOffset;
    default:
        // Left to the decoder, which refuses the compressions it does not know.
        return true;
    }
}

bool isCompleteJpeg(const Bytes b)
{
    const qint64 n = b.size();
    if (n < 4 || b.at(0) != 0xFF || b.at(1) != 0xD8)
        return false;
    const auto isRestart = [](std::uint8_t m) { return m >= 0xD0 && m <= 0xD7; };
    qint64 i = 2;
    for (;;) {
        // Stray bytes between segments are skipped, as the decoder does.
        while (i < n && b.at(i) != 0xFF)
            ++i;
        while (i < n && b.at(i) == 0xFF)
            ++i;
        if (i >= n)
            return false;
        const std::uint8_t marker = b.at(i++);
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || marker == 0xD8 || isRestart(marker))
            continue;
        if (i + 2 > n)
            return false;
        const qint64 length = b.be16(i);
        if (length < 2)
            return false;
        i += length;
        if (marker != 0xDA)
            continue;
        // The scan's coded data runs to the next marker that is neither a stuffed zero nor a
        // restart marker.
        for (;; ++i) {
            if (i + 1 >= n)
                return false;
            const std::uint8_t next = b.at(i + 1);
            if (b.at(i) == 0xFF && next != 0x00 && next != 0xFF && !isRestart(next))
                break;
        }
    }
}

// Skips a chain of sub-blocks ended by an empty one; false when the data ends first.
bool skipSubBlocks(const Bytes b, qint64 &i)
{
    for (;;) {
        if (i >= b.size())
            return false;
        const std::uint8_t length = b.at(i++);
        if (length == 0)
            return true;
        i += length;
    }
}

qint64 colourTableBytes(std::uint8_t flags)
{
    return (flags & 0x80) != 0 ? 3 * (qint64{1} << ((flags & 0x07) + 1)) : 0;
}

// Complete once the first image's data is whole: that image is the one the canvas shows.
bool isCompleteGif(const Bytes b)
{
    constexpr qint64 kHeader = 13;
    if (b.size() < kHeader || b.at(0) != 'G' || b.at(1) != 'I' || b.at(2) != 'F')
        return false;
    qint64 i = kHeader + colourTableBytes(b.at(10));
    for (;;) {
        if (i >= b.size())
            return false;
        switch (b.at(i)) {
        case 0x21: // extension: label, then sub-blocks
            i += 2;
            if (!skipSubBlocks(b, i))
                return false;
            break;
        case 0x2C: { // image: descriptor, local colour table, code size, sub-blocks
            constexpr qint64 kDescriptor = 10;
            if (i + kDescriptor > b.size())
                return false;
            i += kDescriptor + colourTableBytes(b.at(i + kDescriptor - 1)) + 1;
            return skipSubBlocks(b, i);
        }
        default: // the trailer or anything else before an image
            return false;
        }
    }
}

QByteArray readerFormat(GraphPictureFormat format)
{
    switch (format) {
    case GraphPictureFormat::Bmp:
        return QByteArrayLiteral("bmp");
    case GraphPictureFormat::Jpeg:
        return QByteArrayLiteral("jpeg");
    case GraphPictureFormat::Gif:
        return QByteArrayLiteral("gif");
    }
    return {};
}

} // namespace

std::optional<GraphPictureFormat> graphPictureFormatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return GraphPictureFormat::Bmp;
    if (suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
        return GraphPictureFormat::Jpeg;
    if (suffix.compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0)
        return GraphPictureFormat::Gif;
    return std::nullopt;
}

bool isCompletePicture(QByteArrayView bytes, GraphPictureFormat format)
{
    switch (format) {
    case GraphPictureFormat::Bmp:
        return isCompleteBmp(Bytes(bytes));
    case GraphPictureFormat::Jpeg:
        return isCompleteJpeg(Bytes(bytes));
    case GraphPictureFormat::Gif:
        return isCompleteGif(Bytes(bytes));
    }
    return false;
}

GraphPicture readGraphPicture(const QString &path)
{
    const std::optional<GraphPictureFormat> format = graphPictureFormatOf(path);
    if (!format)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.size() > kMaxGraphFileBytes)
        return {GraphPictureStatus::TooLarge, {}};
    QByteArray bytes = file.readAll();
    file.close();

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, readerFormat(*format));
    // The extension decides the format: other picture data under the name is refused.
    reader.setAutoDetectImageFormat(false);
    // The size comes from the header, before anything is decoded; a BMP stored top-down
    // reports a negative height.
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() == 0)
        return {};
    if (qint64{size.width()} * qAbs(size.height()) > kMaxGraphPixels)
        return {GraphPictureStatus::TooLarge, {}};
    if (!isCompletePicture(bytes, *format))
        return {};
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return {GraphPictureStatus::Loaded, std::move(image)};
}

} // namespace tarlen
