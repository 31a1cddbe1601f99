#include "tests/ui/graph_picture_files.h"
#include "ui/graphfile/graph_picture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <memory>

using namespace tarlen;
using testing::encoded;
using testing::solidImage;
using testing::writeBytes;

namespace {

constexpr QRgb kColour = qRgb(200, 40, 40);
const QSize kSize(50, 30);

// The same small picture in each format a graph may be stored in.
QList<std::pair<const char *, QByteArray>> everyFormat()
{
    const QImage solid = solidImage(kSize.width(), kSize.height(), QColor(kColour));
    return {
        {"bmp", encoded(solid, "BMP")},
        {"jpeg", encoded(solid, "JPEG")},
        {"gif", testing::solidGif(kSize.width(), kSize.height(), kColour)},
        {"png", encoded(solid, "PNG")},
        {"tiff", testing::tiffPages({{kSize, kColour}})},
    };
}

bool nearColour(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 8 && qAbs(qGreen(a) - qGreen(b)) < 8 &&
           qAbs(qBlue(a) - qBlue(b)) < 8;
}

} // namespace

Q_DECLARE_METATYPE(tarlen::GraphPictureStatus)

class TestGraphPicture : public QObject {
    Q_OBJECT

private slots:
    void init();

    void contentDecidesTheFormat_data();
    void contentDecidesTheFormat();
    void refusedAsNotAPicture_data();
    void refusedAsNotAPicture();
    void multiPageTiffShowsItsFirstPage();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void largePictureBeyondTheReadersDefaultLoads();
    void tooLarge_data();
    void tooLarge();

private:
    QString work(const QString &name) const { return work_ + QLatin1Char('/') + name; }

    std::unique_ptr<QTemporaryDir> dir_;
    QString work_;
};

void TestGraphPicture::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    work_ = QFileInfo(dir_->path()).canonicalFilePath();
}

void TestGraphPicture::contentDecidesTheFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    // Each format under each extension the chooser lists, its own included.
    for (const auto &[format, bytes] : everyFormat())
        for (const char *extension : {"bmp", "jpg", "gif", "png", "tif", "tiff", "jpeg"})
            QTest::addRow("%s as .%s", format, extension)
                << QStringLiteral("graf.%1").arg(QLatin1String(extension)) << bytes;
}

void TestGraphPicture::contentDecidesTheFormat()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    QVERIFY(writeBytes(work(name), bytes));
    const GraphPicture picture = readGraphPicture(work(name));

    QCOMPARE(picture.status, GraphPictureStatus::Loaded);
    QCOMPARE(picture.image.size(), kSize);
    QVERIFY(nearColour(picture.image.pixel(25, 15), kColour));
}

void TestGraphPicture::refusedAsNotAPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("text under a png name") << "metin.png" << QByteArray("not a picture");
    QTest::newRow("text under a tiff name") << "metin.tiff" << QByteArray("II but no more");
    QTest::newRow("empty png") << "bos.png" << QByteArray();
    QTest::newRow("empty tiff") << "bos.tif" << QByteArray();
    // A format Qt can read but a graph is not stored in.
    QTest::newRow("ppm under a bmp name")
        << "ppm.bmp" << encoded(solidImage(kSize.width(), kSize.height(), Qt::red), "PPM");
    for (const auto &[format, bytes] : everyFormat()) {
        QTest::addRow("%s cut in half", format)
            << QStringLiteral("yarim.%1").arg(QLatin1String(format))
            << bytes.left(bytes.size() / 2);
        // A GIF's trailer and the written TIFF's last directory link follow the whole picture.
        if (qstrcmp(format, "gif") != 0 && qstrcmp(format, "tiff") != 0)
            QTest::addRow("%s without its last byte", format)
                << QStringLiteral("eksik.%1").arg(QLatin1String(format)) << bytes.chopped(1);
    }
    // A directory whose strip runs past the end of the file: pixels missing, header whole.
    QByteArray tiff = testing::tiffPages({{kSize, kColour}});
    const int directory = qFromLittleEndian<quint32>(tiff.constData() + 4);
    for (int at = directory + 2; at + 12 <= tiff.size(); at += 12)
        if (qFromLittleEndian<quint16>(tiff.constData() + at) == 279)
            qToLittleEndian<quint32>(qFromLittleEndian<quint32>(tiff.constData() + at + 8) + 1000,
                                     tiff.data() + at + 8);
    QTest::newRow("tiff strip longer than the file") << "kisa.tiff" << tiff;
}

void TestGraphPicture::refusedAsNotAPicture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    QVERIFY(writeBytes(work(name), bytes));
    const GraphPicture picture = readGraphPicture(work(name));

    QCOMPARE(picture.status, GraphPictureStatus::NotAPicture);
    QVERIFY(picture.image.isNull());
}

void TestGraphPicture::multiPageTiffShowsItsFirstPage()
{
    QVERIFY(writeBytes(
        work("sayfalar.tiff"),
        testing::tiffPages({{QSize(40, 20), qRgb(0, 0, 255)}, {QSize(70, 60), qRgb(255, 0, 0)}})));
    const GraphPicture picture = readGraphPicture(work("sayfalar.tiff"));

    QCOMPARE(picture.status, GraphPictureStatus::Loaded);
    QCOMPARE(picture.image.size(), QSize(40, 20));
    QCOMPARE(picture.image.pixel(10, 10), qRgb(0, 0, 255));
}

void TestGraphPicture::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<GraphPictureStatus>("status");

    QTest::newRow("missing file") << "yok.png" << GraphPictureStatus::Unreadable;
    QTest::newRow("folder with a picture's name") << "klasor.png" << GraphPictureStatus::NotAFile;
#ifdef Q_OS_UNIX
    QTest::newRow("link to an endless device") << "sifir.png" << GraphPictureStatus::NotAFile;
    QTest::newRow("pipe with no writer") << "boru.bmp" << GraphPictureStatus::NotAFile;
#endif
}

void TestGraphPicture::onlyRegularFilesAreRead()
{
    QFETCH(QString, name);
    QFETCH(GraphPictureStatus, status);

    QVERIFY(QDir(work_).mkdir("klasor.png"));
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link("/dev/zero", work("sifir.png")));
    QCOMPARE(::mkfifo(QFile::encodeName(work("boru.bmp")).constData(), 0600), 0);
#endif

    // Reading the device or waiting on the pipe would not return at all.
    const GraphPicture picture = readGraphPicture(work(name));

    QCOMPARE(picture.status, status);
    QVERIFY(picture.image.isNull());
}

void TestGraphPicture::largePictureBeyondTheReadersDefaultLoads()
{
    // 41 million pixels: 164 MB decoded, above the 128 MB the reader allows by itself.
    const QSize size(8200, 5000);
    QVERIFY(testing::writeLargeBmp(work("tarama.bmp"), size.width(), size.height(),
                                   qRgb(10, 120, 200)));

    const GraphPicture picture = readGraphPicture(work("tarama.bmp"));

    QCOMPARE(picture.status, GraphPictureStatus::Loaded);
    QCOMPARE(picture.image.size(), size);
    QCOMPARE(picture.image.pixel(size.width() - 1, size.height() - 1), qRgb(10, 120, 200));
}

void TestGraphPicture::tooLarge_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<qint64>("fileSize");

    // The size is read from the header, so nothing of the pixels need be there.
    QTest::newRow("above the pixel limit")
        << "dev.bmp" << testing::bmpHeaderOnly(20000, 7501) << qint64(0);
    QTest::newRow("above the pixel limit, stored top-down")
        << "dev.bmp" << testing::bmpHeaderOnly(20000, -7501) << qint64(0);
    // A file longer than any picture within the limit is not read.
    QTest::newRow("file longer than any allowed picture")
        << "uzun.bmp" << testing::bmpHeaderOnly(100, 100) << kMaxGraphFileBytes + 1;
}

void TestGraphPicture::tooLarge()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, header);
    QFETCH(qint64, fileSize);

    QVERIFY(writeBytes(work(name), header));
    if (fileSize > 0) {
        // Sparse: the file claims its length without taking the room.
        QFile file(work(name));
        QVERIFY(file.resize(fileSize));
    }

    const GraphPicture picture = readGraphPicture(work(name));

    QCOMPARE(picture.status, GraphPictureStatus::TooLarge);
    QVERIFY(picture.image.isNull());
}

QTEST_MAIN(TestGraphPicture)
#include "tst_graph_picture.moc"
