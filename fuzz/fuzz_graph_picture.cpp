// The picture reader as the chooser uses it: any bytes under a BMP, JPEG or GIF name (the
// first byte picks the name). A picture it accepts is whole and within the pixel budget.
#include "ui/graphfile/graph_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>

namespace {

QString picturePath(std::uint8_t choice)
{
    static const char *const kNames[] = {"fuzz.bmp", "fuzz.jpg", "fuzz.gif"};
    return QDir::temp().filePath(QStringLiteral("tarlen-fuzz-%1-%2")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QLatin1String(kNames[choice % 3])));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QString path = picturePath(data[0]);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data) + 1, static_cast<qint64>(size - 1));
    }
    const tarlen::GraphPicture picture = tarlen::readGraphPicture(path);
    QFile::remove(path);
    if (picture.status == tarlen::GraphPictureStatus::Loaded &&
        (picture.image.isNull() ||
         qint64(picture.image.width()) * picture.image.height() > tarlen::kMaxGraphPixels))
        __builtin_trap();
    return 0;
}
