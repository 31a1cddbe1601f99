#include "tests/support/fake_platform.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/main/main_window_controls.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarlen;

namespace {

// One plotted point of the sample graph: the pixel inside the canvas and its real values.
struct SamplePoint {
    int curve = 0;
    QPoint pixel;
    double x = 0;
    double y = 0;
};

QList<SamplePoint> samplePoints()
{
    QList<SamplePoint> points;
    QFile file(QStringLiteral(TARLEN_SOURCE_DIR "/resources/sample_graph_points.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return points;
    file.readLine();
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(',');
        if (fields.size() != 5)
            continue;
        points.append({fields[0].toInt(), QPoint(fields[1].toInt(), fields[2].toInt()),
                       fields[3].toDouble(), fields[4].toDouble()});
    }
    return points;
}

// The value as the pattern "0.0" writes it under a comma separator.
QString oneDecimal(double value) { return QString::number(value, 'f', 1).replace('.', ','); }

void pressPixel(Form1 &form, QPoint inside)
{
    QTest::mouseClick(form.controls().Picture1, Qt::LeftButton, {},
                      inside + QPoint(GraphCanvas::kBorderWidth, GraphCanvas::kBorderWidth));
}

// A click on the option's round indicator at its left end, as a user chooses it.
void chooseOption(QRadioButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
}

void typeInto(QLineEdit *box, const QString &text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

} // namespace

class TestDigitizingLoop : public QObject {
    Q_OBJECT

private slots:
    void init();

    void twoCurvesOfTheSampleGraph();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestDigitizingLoop::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir::setCurrent(dir_->path()));
}

void TestDigitizingLoop::twoCurvesOfTheSampleGraph()
{
    const QList<SamplePoint> points = samplePoints();
    QList<SamplePoint> curve1;
    QList<SamplePoint> curve2;
    for (const SamplePoint &p : points)
        (p.curve == 1 ? curve1 : curve2).append(p);
    QVERIFY(!curve1.isEmpty());
    QVERIFY(!curve2.isEmpty());

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    const MainWindowControls &c = form.controls();
    QVERIFY(form.state().graphBaseName.empty());
    QCOMPARE(c.Check2->checkState(), Qt::Checked);

    // Calibration: x0 and y0 from one press, x1 and y1 from another.
    pressPixel(form, QPoint(88, 278));
    QTest::mouseClick(c.Command4, Qt::LeftButton);
    QTest::mouseClick(c.Command5, Qt::LeftButton);
    pressPixel(form, QPoint(458, 30));
    QTest::mouseClick(c.Command6, Qt::LeftButton);
    QTest::mouseClick(c.Command7, Qt::LeftButton);
    QCOMPARE(c.Label6->text(), QStringLiteral("1320"));
    QCOMPARE(c.Label7->text(), QStringLiteral("4170"));
    QCOMPARE(c.Label8->text(), QStringLiteral("6870"));
    QCOMPARE(c.Label9->text(), QStringLiteral("450"));
    typeInto(c.Text1, QStringLiteral("10"));
    typeInto(c.Text3, QStringLiteral("60"));
    typeInto(c.Text2, QStringLiteral("0.1"));
    typeInto(c.Text4, QStringLiteral("1e5"));
    chooseOption(c.Option4);
    chooseOption(c.Option7);
    QVERIFY(c.Option4->isChecked());
    QVERIFY(c.Option7->isChecked());
    QVERIFY(!form.windows().loaded(SecondaryWindow::Form5));
    QVERIFY(QDir().entryList(QDir::Files).isEmpty());

    // Line 1: every marked point of curve 1.
    QTest::mouseClick(c.Command8, Qt::LeftButton);
    QCOMPARE(c.Label16->text(), QStringLiteral("1"));
    QCOMPARE(c.Label19->text(), QStringLiteral("_1.txt"));
    QByteArray expectedFile;
    QStringList expectedList;
    for (const SamplePoint &p : curve1) {
        pressPixel(form, p.pixel);
        expectedFile += (oneDecimal(p.x) + "  " + oneDecimal(p.y) + "\r\n").toLatin1();
        expectedList.append(QStringLiteral(" %1   %2    %3")
                                .arg(expectedList.size() + 1)
                                .arg(oneDecimal(p.x), oneDecimal(p.y)));
    }
    const QByteArray line1 = fileBytes(QStringLiteral("_1.txt"));
    QVERIFY2(line1.startsWith("15,0  0,2\r\n"), line1.constData());
    QCOMPARE(line1, expectedFile);

    auto *list = form.windows().loaded(SecondaryWindow::Form5)->findChild<QAbstractItemView *>(
        QStringLiteral("List1"));
    QVERIFY(list);
    QStringList listed;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        listed.append(list->model()->index(i, 0).data().toString());
    QCOMPARE(listed, expectedList);
    QCOMPARE(list->currentIndex().row(), list->model()->rowCount() - 1);
    QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(c.Text6->text(), oneDecimal(curve1.last().x));
    QCOMPARE(c.Text7->text(), oneDecimal(curve1.last().y));

    // Deleting the last point shortens the file only.
    QTest::mouseClick(c.Command1, Qt::LeftButton);
    QVERIFY(platform.messages.isEmpty());
    const QList<QByteArray> kept = fileBytes(QStringLiteral("_1.txt")).split('\n');
    QCOMPARE(kept.size(), curve1.size());
    for (int i = 0; i + 1 < curve1.size(); ++i)
        QCOMPARE(kept[i].simplified().split(' '),
                 (QList<QByteArray>{oneDecimal(curve1[i].x).toLatin1(),
                                    oneDecimal(curve1[i].y).toLatin1()}));
    QCOMPARE(list->model()->rowCount(), curve1.size());
    QCOMPARE(c.Label19->text(), QStringLiteral("_1.txt"));

    // Curve 2 belongs to the right-hand y scale, linear from 0 at row 278 to 8 at row 30: the
    // panel is unlocked for it and only the y references change.
    QTest::mouseClick(c.Command11, Qt::LeftButton);
    QVERIFY(c.Command5->isEnabled());
    pressPixel(form, QPoint(480, 278));
    QTest::mouseClick(c.Command5, Qt::LeftButton);
    pressPixel(form, QPoint(480, 30));
    QTest::mouseClick(c.Command7, Qt::LeftButton);
    typeInto(c.Text2, QStringLiteral("0"));
    typeInto(c.Text4, QStringLiteral("8"));
    QTest::mouseClick(c.Check2, Qt::LeftButton);
    QCOMPARE(c.Check2->checkState(), Qt::Unchecked);
    QCOMPARE(list->model()->rowCount(), curve1.size() + 2);

    // Line 2: the numbering runs on and the list turns green.
    QTest::mouseClick(c.Command8, Qt::LeftButton);
    QCOMPARE(c.Label16->text(), QStringLiteral("2"));
    QCOMPARE(form.state().pointsFileName, std::string("_2.txt"));
    QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 128, 0));
    QByteArray expectedLine2;
    for (const SamplePoint &p : curve2) {
        pressPixel(form, p.pixel);
        expectedLine2 += (oneDecimal(p.x) + "  " + oneDecimal(p.y) + "\r\n").toLatin1();
    }
    QCOMPARE(fileBytes(QStringLiteral("_2.txt")), expectedLine2);
    // The two re-calibration presses on line 1 were stored too, so line 2 starts at 12.
    const qsizetype stored = curve1.size() + 2 + curve2.size();
    QCOMPARE(list->model()->rowCount(), stored);
    QCOMPARE(list->model()->index(static_cast<int>(curve1.size() + 2), 0).data().toString(),
             QStringLiteral(" %1   %2    %3")
                 .arg(curve1.size() + 3)
                 .arg(oneDecimal(curve2.first().x), oneDecimal(curve2.first().y)));
    QCOMPARE(form.state().pointCount, stored);

    // Every pressed point carries its blue circle of size 2, the deleted one included; the
    // calibration presses on line 0 left none.
    const QImage &layer = c.Picture1->drawingLayer();
    const QRgb blue = qRgb(0, 0, 255);
    for (const SamplePoint &p : points) {
        QCOMPARE(layer.pixel(p.pixel), blue);
        QCOMPARE(layer.pixel(p.pixel + QPoint(5, 0)), blue);
        QCOMPARE(layer.pixel(p.pixel + QPoint(0, -5)), blue);
        QCOMPARE(qAlpha(layer.pixel(p.pixel + QPoint(2, 0))), 0);
    }
    QCOMPARE(qAlpha(layer.pixel(88, 278)), 0);
    QCOMPARE(qAlpha(layer.pixel(458, 30)), 0);
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(TestDigitizingLoop)
#include "tst_digitizing_loop.moc"
