#include "ui/windows/picture_store.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

using namespace tarlen;

namespace {

QString iconFolder()
{
    return QStringLiteral(TARLEN_SOURCE_DIR "/resources/icons/hicolor");
}

// Every pixel of the art as an n x n square, the colour checked in each.
bool enlargesTheArt(const QImage &icon, const QImage &art, QString &where)
{
    const int factor = icon.width() / art.width();
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixel(x, y) != art.pixel(x / factor, y / factor)) {
                where = QStringLiteral("pixel %1, %2").arg(x).arg(y);
                return false;
            }
    return true;
}

} // namespace

// The committed theme icons are what make_icons draws from the window icon's art: a change of
// the art without a new run of the generator shows here.
class TestDesktopIcons : public QObject {
    Q_OBJECT

private slots:
    void pngMatchesTheArt_data();
    void pngMatchesTheArt();
    void svgMatchesTheArt();
};

void TestDesktopIcons::pngMatchesTheArt_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

void TestDesktopIcons::pngMatchesTheArt()
{
    QFETCH(int, size);

    const QImage icon(iconFolder() + QStringLiteral("/%1x%1/apps/tarlen.png").arg(size));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(size, size));
    QString where;
    QVERIFY2(enlargesTheArt(icon, drawWindowIcon(), where), qPrintable(where));
}

void TestDesktopIcons::svgMatchesTheArt()
{
    QFile file(iconFolder() + QStringLiteral("/scalable/apps/tarlen.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    const QImage art = drawWindowIcon();
    QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 16 16\"")));

    // Paint the drawing's rectangles into an empty picture; every pixel must be covered once.
    QImage painted(art.size(), QImage::Format_ARGB32);
    painted.fill(Qt::transparent);
    const QRegularExpression rect(QStringLiteral("<rect x=\"(\\d+)\" y=\"(\\d+)\" width=\"(\\d+)\" "
                                                 "height=\"(\\d+)\" fill=\"#([0-9a-f]{6})\"/>"));
    for (const QRegularExpressionMatch &m : rect.globalMatch(svg)) {
        const QRgb colour = 0xff000000u | m.captured(5).toUInt(nullptr, 16);
        for (int y = m.captured(2).toInt(); y < m.captured(2).toInt() + m.captured(4).toInt(); ++y)
            for (int x = m.captured(1).toInt(); x < m.captured(1).toInt() + m.captured(3).toInt();
                 ++x) {
                QVERIFY(painted.valid(x, y));
                QCOMPARE(qAlpha(painted.pixel(x, y)), 0);
                painted.setPixel(x, y, colour);
            }
    }
    QCOMPARE(painted, art.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(TestDesktopIcons)
#include "tst_desktop_icons.moc"
