#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <optional>

namespace tarlen {

// The picture formats a graph may be stored in.
enum class GraphPictureFormat { Bmp, Jpeg, Gif, Png, Tiff };

// The format the bytes hold, told by their first bytes whatever the file is called.
std::optional<GraphPictureFormat> detectGraphPictureFormat(QByteArrayView bytes);

// Pictures with more pixels than this are refused: a 1200-dpi A4 scan (140 million) still loads.
inline constexpr qint64 kMaxGraphPixels = 150'000'000;

// A file larger than this holds more than any picture within the limit needs (four bytes a
// pixel and room for the headers), so no more of it is read.
inline constexpr qint64 kMaxGraphFileBytes = 4 * kMaxGraphPixels + 1024 * 1024;

// Whether the bytes hold a whole picture of the format: the decoders fill a cut-off picture
// with grey or black instead of failing, so the end of the data is checked here.
bool isCompletePicture(QByteArrayView bytes, GraphPictureFormat format);

enum class GraphPictureStatus { Loaded, NotAPicture, TooLarge, Unreadable, NotAFile };

struct GraphPicture {
    GraphPictureStatus status = GraphPictureStatus::NotAPicture;
    QImage image; // set when Loaded
};

// Reads a picture file as the format its bytes hold, whatever its name. Only regular files are
// read, and never more than kMaxGraphFileBytes of them; an empty, cut-off or unknown file is
// not a picture, and one above kMaxGraphPixels, or that the decoder cannot allocate, is too
// large.
GraphPicture readGraphPicture(const QString &path);

} // namespace tarlen
