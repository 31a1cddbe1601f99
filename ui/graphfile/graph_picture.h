#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <optional>

namespace tarlen {

// The picture formats the chooser lists, told apart by the file name's extension.
enum class GraphPictureFormat { Bmp, Jpeg, Gif };

std::optional<GraphPictureFormat> graphPictureFormatOf(const QString &fileName);

// Pictures with more pixels than this are refused: the canvas holds the picture and a drawing
// layer of the same size, eight bytes a pixel.
inline constexpr qint64 kMaxGraphPixels = 50'000'000;

// Whether the bytes hold a whole picture of the format: the decoders fill a cut-off picture
// with grey or black instead of failing, so the end of the data is checked here.
bool isCompletePicture(QByteArrayView bytes, GraphPictureFormat format);

enum class GraphPictureStatus { Loaded, NotAPicture, TooLarge };

struct GraphPicture {
    GraphPictureStatus status = GraphPictureStatus::NotAPicture;
    QImage image; // set when Loaded
};

// Reads a picture file as the format its extension names; another format under the name, an
// empty or cut-off file and a picture above kMaxGraphPixels are refused.
GraphPicture readGraphPicture(const QString &path);

} // namespace tarlen
