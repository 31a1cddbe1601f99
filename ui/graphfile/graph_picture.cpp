#include "ui/graphfile/graph_picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdint>
#include <limits>

namespace tarlen {

namespace {

// The decoders may allocate this much for a picture within the limit: eight bytes a pixel
// for sixteen bits a channel, in the megabytes the reader counts.
constexpr int kReaderAllocationMegabytes =
    static_cast<int>((8 * kMaxGraphPixels + (1 << 20) - 1) >> 20);

class Bytes {
public:
    explicit Bytes(QByteArrayView bytes) : bytes_(bytes) {}

    qint64 size() const { return bytes_.size(); }
    std::uint8_t at(qint64 i) const { return static_cast<std::uint8_t>(bytes_[i]); }
    std::uint32_t le16(qint64 i) const { return at(i) | std::uint32_t{at(i + 1)} << 8; }
    std::uint32_t le32(qint64 i) const { return le16(i) | le16(i + 2) << 16; }
    std::uint32_t be16(qint64 i) const { return std::uint32_t{at(i)} << 8 | at(i + 1); }
    std::uint32_t be32(qint64 i) const { return be16(i) << 16 | be16(i + 2); }

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

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";

// Complete once the chunks run whole up to the end chunk.
bool isCompletePng(const Bytes b)
{
    constexpr qint64 kChunkFrame = 12; // length, type and checksum around the data
    qint64 i = 8;
    while (i + kChunkFrame <= b.size()) {
        const qint64 length = b.be32(i);
        const bool end =
            b.at(i + 4) == 'I' && b.at(i + 5) == 'E' && b.at(i + 6) == 'N' && b.at(i + 7) == 'D';
        i += kChunkFrame + length;
        if (i > b.size())
            return false;
        if (end)
            return true;
    }
    return false;
}

// Reads the numbers of a TIFF file in the byte order its header names.
class TiffBytes {
public:
    TiffBytes(const Bytes b, bool bigEndian) : b_(b), bigEndian_(bigEndian) {}

    bool has(qint64 i, qint64 n) const { return i >= 0 && n >= 0 && i + n <= b_.size(); }
    std::uint32_t u16(qint64 i) const { return bigEndian_ ? b_.be16(i) : b_.le16(i); }
    std::uint32_t u32(qint64 i) const { return bigEndian_ ? b_.be32(i) : b_.le32(i); }

private:
    Bytes b_;
    bool bigEndian_;
};

// One entry of a TIFF directory: count values of a type, in place or at an offset.
struct TiffEntry {
    std::uint32_t type = 0;
    qint64 count = 0;
    qint64 valuesAt = 0;
};

constexpr std::uint32_t kTiffShort = 3;
constexpr std::uint32_t kTiffLong = 4;

std::optional<qint64> tiffValue(const TiffBytes t, const TiffEntry &entry, qint64 index)
{
    switch (entry.type) {
    case kTiffShort:
        if (!t.has(entry.valuesAt + 2 * index, 2))
            return std::nullopt;
        return t.u16(entry.valuesAt + 2 * index);
    case kTiffLong:
        if (!t.has(entry.valuesAt + 4 * index, 4))
            return std::nullopt;
        return t.u32(entry.valuesAt + 4 * index);
    default:
        return std::nullopt;
    }
}

// Complete when the first page's strips or tiles all lie inside the file: that page is the
// one the canvas shows.
bool isCompleteTiff(const Bytes b)
{
    if (b.size() < 8)
        return false;
    const bool bigEndian = b.at(0) == 'M';
    const TiffBytes t(b, bigEndian);
    // BigTIFF has directories of another shape; its decoder checks the data itself.
    if (t.u16(2) == 43)
        return true;
    const qint64 directory = t.u32(4);
    if (!t.has(directory, 2))
        return false;
    const qint64 entries = t.u16(directory);
    if (!t.has(directory + 2, 12 * entries))
        return false;

    constexpr std::uint32_t kStripOffsets = 273;
    constexpr std::uint32_t kStripByteCounts = 279;
    constexpr std::uint32_t kTileOffsets = 324;
    constexpr std::uint32_t kTileByteCounts = 325;
    std::optional<TiffEntry> offsets;
    std::optional<TiffEntry> counts;
    for (qint64 e = 0; e < entries; ++e) {
        const qint64 at = directory + 2 + 12 * e;
        const std::uint32_t tag = t.u16(at);
        TiffEntry entry{t.u16(at + 2), t.u32(at + 4), at + 8};
        const qint64 width = entry.type == kTiffShort ? 2 : 4;
        if (entry.count * width > 4)
            entry.valuesAt = t.u32(at + 8);
        if (tag == kStripOffsets || tag == kTileOffsets)
            offsets = entry;
        else if (tag == kStripByteCounts || tag == kTileByteCounts)
            counts = entry;
    }
    if (!offsets || offsets->count == 0)
        return false;
    for (qint64 i = 0; i < offsets->count; ++i) {
        const std::optional<qint64> start = tiffValue(t, *offsets, i);
        if (!start)
            return false;
        const std::optional<qint64> length =
            counts && i < counts->count ? tiffValue(t, *counts, i) : qint64{1};
        if (!length || !t.has(*start, *length))
            return false;
    }
    return true;
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
    case GraphPictureFormat::Png:
        return QByteArrayLiteral("png");
    case GraphPictureFormat::Tiff:
        return QByteArrayLiteral("tiff");
    }
    return {};
}

// The file's bytes, in memory for as long as the object lives: mapped where the system
// allows, read otherwise, never more than kMaxGraphFileBytes plus the one that tells it
// is larger.
class FileBytes {
public:
    explicit FileBytes(const QString &path) : file_(path) {}

    GraphPictureStatus open()
    {
        const QFileInfo info(file_.fileName());
        if (!info.exists())
            return GraphPictureStatus::Unreadable;
        // Folders, devices and pipes are not read: a pipe would block, a device never ends.
        if (!info.isFile())
            return GraphPictureStatus::NotAFile;
        if (!file_.open(QIODevice::ReadOnly))
            return GraphPictureStatus::Unreadable;
        const qint64 size = file_.size();
        if (size > kMaxGraphFileBytes)
            return GraphPictureStatus::TooLarge;
        if (size > 0)
            mapped_ = file_.map(0, size);
        if (mapped_) {
            bytes_ = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped_), size);
        } else {
            // In pieces: a file whose size is not known beforehand is read only as far as
            // the limit.
            constexpr qint64 kPiece = 1 << 20;
            while (!file_.atEnd() && bytes_.size() <= kMaxGraphFileBytes) {
                const QByteArray piece = file_.read(kPiece);
                if (piece.isEmpty())
                    break;
                bytes_.append(piece);
            }
            if (bytes_.size() > kMaxGraphFileBytes)
                return GraphPictureStatus::TooLarge;
        }
        return GraphPictureStatus::Loaded;
    }

    const QByteArray &bytes() const { return bytes_; }

private:
    QFile file_;
    uchar *mapped_ = nullptr;
    QByteArray bytes_;
};

} // namespace

std::optional<GraphPictureFormat> detectGraphPictureFormat(QByteArrayView bytes)
{
    if (bytes.startsWith(QByteArrayView("BM")))
        return GraphPictureFormat::Bmp;
    if (bytes.startsWith(QByteArrayView("\xFF\xD8\xFF")))
        return GraphPictureFormat::Jpeg;
    if (bytes.startsWith(QByteArrayView("GIF87a")) || bytes.startsWith(QByteArrayView("GIF89a")))
        return GraphPictureFormat::Gif;
    if (bytes.startsWith(QByteArrayView(kPngSignature)))
        return GraphPictureFormat::Png;
    for (const char *tiff : {"II*\0", "MM\0*", "II+\0", "MM\0+"})
        if (bytes.startsWith(QByteArrayView(tiff, 4)))
            return GraphPictureFormat::Tiff;
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
    case GraphPictureFormat::Png:
        return isCompletePng(Bytes(bytes));
    case GraphPictureFormat::Tiff:
        return isCompleteTiff(Bytes(bytes));
    }
    return false;
}

GraphPicture readGraphPicture(const QString &path)
{
    FileBytes file(path);
    const GraphPictureStatus opened = file.open();
    if (opened != GraphPictureStatus::Loaded)
        return {opened, {}};
    QByteArray bytes = file.bytes();
    const std::optional<GraphPictureFormat> format = detectGraphPictureFormat(bytes);
    if (!format)
        return {};

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, readerFormat(*format));
    // The bytes decided the format: no other decoder is to try them.
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kReaderAllocationMegabytes);
    // The size comes from the header, before anything is decoded; a BMP stored top-down
    // reports a negative height.
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() == 0)
        return {};
    const QSize pixels(size.width(), qAbs(size.height()));
    if (qint64{pixels.width()} * pixels.height() > kMaxGraphPixels)
        return {GraphPictureStatus::TooLarge, {}};
    if (!isCompletePicture(bytes, *format))
        return {};
    QImage image = reader.read();
    if (!image.isNull())
        return {GraphPictureStatus::Loaded, std::move(image)};
    // A whole picture whose pixels cannot be given memory is too large for this machine,
    // not broken.
    const QImage room(pixels, QImage::Format_RGB32);
    return {room.isNull() ? GraphPictureStatus::TooLarge : GraphPictureStatus::NotAPicture, {}};
}

} // namespace tarlen
