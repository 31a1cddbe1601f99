#include "tests/support/fake_platform.h"
#include "tests/ui/graph_picture_files.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/graphfile/form3_chooser.h"
#include "ui/graphfile/graph_opening.h"
#include "ui/main/form1.h"
#include "ui/windows/form5_values.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using namespace tarlen;
using testing::encoded;
using testing::solidImage;
using testing::writeBytes;

namespace {

Form3 *openChooser(Form1 &form)
{
    form.controls().Command3->click();
    return qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3));
}

void clickFile(Form3 *chooser, const QString &name)
{
    QListWidget *list = chooser->findChild<QListWidget *>("File1");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

void pressTamam(Form3 *chooser) { chooser->findChild<QPushButton *>("Command1")->click(); }

// Where each control of the main window stands, by name.
std::map<QString, QPoint> positions(const Form1 &form)
{
    std::map<QString, QPoint> places;
    for (QWidget *child : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->objectName().isEmpty())
            places[child->objectName()] = child->pos();
    return places;
}

QColor textColour(const QLabel *label) { return label->palette().color(QPalette::WindowText); }

} // namespace

class TestGraphLoading : public QObject {
    Q_OBJECT

private slots:
    void init();

    void placementAroundALargerPicture();
    void confirmUnlocksNamesAndKeepsTheRest();
    void pointsFileOfTheCurrentLine_data();
    void pointsFileOfTheCurrentLine();
    void samePictureTwiceSameNames();
    void everyFormatNamesItsPointsFiles_data();
    void everyFormatNamesItsPointsFiles();
    void confirmAfterAFailedClick();
    void otherWaysOpenAsTamam_data();
    void otherWaysOpenAsTamam();
    void otherWaysRefuseABadFile();
    void pasteWithTextOrNoPictureDoesNothing();
    void confirmWithoutAPicture();
    void failedClickHighlightsThePictureShown_data();
    void failedClickHighlightsThePictureShown();
    void noPointGoesIntoAnotherPicturesFile();

private:
    // A started form showing its chooser, which has just shown the named picture.
    void startWithPicture(Form1 &form, const QString &name);

    std::unique_ptr<QTemporaryDir> dir_;
    QString work_;
};

void TestGraphLoading::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    work_ = QFileInfo(dir_->path()).canonicalFilePath();
    QVERIFY(QDir::setCurrent(work_));
    QVERIFY(writeBytes(work_ + "/buyuk.bmp", encoded(solidImage(640, 420, Qt::white), "BMP")));
    QVERIFY(writeBytes(work_ + "/kucuk.gif", testing::solidGif(100, 80, qRgb(0, 0, 255))));
    QVERIFY(writeBytes(work_ + "/eğri.JPG", encoded(solidImage(300, 200, Qt::gray), "JPEG")));
    QVERIFY(writeBytes(work_ + "/bozuk.bmp", "not a picture"));
    QVERIFY(writeBytes(work_ + "/scan.tiff", testing::tiffPages({{QSize(260, 180), qRgb(9, 9, 9)}})));
    QVERIFY(writeBytes(work_ + "/ekran.PNG", encoded(solidImage(240, 160, Qt::white), "PNG")));
    QVERIFY(writeBytes(work_ + "/foto.jpeg", encoded(solidImage(220, 150, Qt::red), "JPEG")));
}

void TestGraphLoading::startWithPicture(Form1 &form, const QString &name)
{
    form.startUp();
    form.show();
    Form3 *chooser = openChooser(form);
    QVERIFY(chooser);
    clickFile(chooser, name);
    QCOMPARE(QFileInfo(QString::fromStdString(form.state().graphPath)).fileName(), name);
}

void TestGraphLoading::placementAroundALargerPicture()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    const MainWindowControls &c = form.controls();
    const std::map<QString, QPoint> before = positions(form);
    const QSize sampleSize = c.Picture1->size();

    Form3 *chooser = openChooser(form);
    clickFile(chooser, "buyuk.bmp");
    // The click alone resizes the canvas but moves nothing around it.
    QCOMPARE(positions(form), before);
    pressTamam(chooser);

    const QRect canvas = c.Picture1->geometry();
    QVERIFY(canvas.width() > sampleSize.width() && canvas.height() > sampleSize.height());
    const int pl = canvas.x();
    const int pt = canvas.y();
    const int bottom = canvas.y() + canvas.height();
    const int right = canvas.x() + canvas.width();
    const int middle = pl + canvas.width() / 2;
    const int text3Left = right - c.Text3->width();
    const int text2Left = pl - c.Text2->width() - 10;
    const int text2Top = bottom - c.Text2->height();

    const std::map<QString, QPoint> expected = {
        {"Text1", {pl, bottom + 10}},
        {"Text3", {text3Left, bottom + 10}},
        {"Command6", {text3Left, bottom + 50}},
        {"Label8", {text3Left + 12, bottom + 35}},
        {"Command4", {pl, bottom + 50}},
        {"Label6", {pl + 8, bottom + 35}},
        {"Text2", {text2Left, text2Top}},
        {"Command5", {text2Left, text2Top - 42}},
        {"Label7", {pl - 50, text2Top - 15}},
        {"Text5", {right + 10, pt}},
        {"Label10", {right + 25, pt + 25}},
        {"Command12", {right + 10, pt + 40}},
        {"Check1", {middle - 100, bottom + 20}},
        {"Check2", {middle + 10, bottom + 20}},
    };
    const std::map<QString, QPoint> after = positions(form);
    for (const auto &[name, place] : expected)
        QVERIFY2(after.at(name) == place, qPrintable(name));
    // A larger picture moves the groups outwards with the bottom and the right edge.
    for (const char *name : {"Text1", "Text3", "Command6", "Label8", "Command4", "Label6", "Text2",
                             "Command5", "Label7", "Check1", "Check2"})
        QVERIFY2(after.at(name).y() > before.at(name).y(), name);
    for (const char *name : {"Text3", "Command6", "Label8", "Text5", "Label10", "Command12",
                             "Check1", "Check2"})
        QVERIFY2(after.at(name).x() > before.at(name).x(), name);
    // The y1 group stays by the canvas's top-left corner, which did not move.
    for (const char *name : {"Text4", "Label9", "Command7", "Picture1"})
        QVERIFY2(after.at(name) == before.at(name), name);
    // Start-up put the x0 label 12 and the x1 label 8 pixels in; confirming swaps them.
    QCOMPARE(before.at("Label6").x() - before.at("Text1").x(), 12);
    QCOMPARE(before.at("Label8").x() - before.at("Text3").x(), 8);
}

void TestGraphLoading::confirmUnlocksNamesAndKeepsTheRest()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    startWithPicture(form, "eğri.JPG");
    Form3 *chooser = qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3));
    const MainWindowControls &c = form.controls();
    DigitizerState &state = form.state();

    // What the user did meanwhile, which confirming leaves as it is.
    c.Text1->setText("10");
    c.Label6->setText("1320");
    c.Check2->setChecked(true);
    state.refY1Pos = 450;
    auto *values = qobject_cast<Form5 *>(form.windows().window(SecondaryWindow::Form5));
    QVERIFY(values);
    values->appendEntry("1   15,0   0,2");
    QWidget *const locked[] = {c.Command4, c.Command5, c.Command6, c.Command7, c.Command12,
                               c.Text1,    c.Text2,    c.Text3,    c.Text4,    c.Text5};
    for (QWidget *control : locked)
        control->setEnabled(false);
    const QColor label19Before = textColour(c.Label19);
    QVERIFY(label19Before != QColor(Qt::black));

    pressTamam(chooser);

    for (QWidget *control : locked)
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QCOMPARE(QString::fromStdString(state.graphFileName), QStringLiteral("eğri.JPG"));
    QCOMPARE(QString::fromStdString(state.graphBaseName), QStringLiteral("eğri"));
    QCOMPARE(QString::fromStdString(state.pointsFileName), QStringLiteral("eğri_0.txt"));
    QVERIFY(!chooser->isVisible());
    QCOMPARE(c.Label19->text(), QStringLiteral("eğri_0.txt"));
    QCOMPARE(textColour(c.Label19), QColor(Qt::black));
    QVERIFY(platform.messages.isEmpty());

    QCOMPARE(state.lineNumber, 0);
    QCOMPARE(c.Text1->text(), QStringLiteral("10"));
    QCOMPARE(c.Label6->text(), QStringLiteral("1320"));
    QVERIFY(c.Check2->isChecked());
    QVERIFY(!c.Check1->isChecked());
    QCOMPARE(state.refY1Pos, 450.0f);
    QCOMPARE(values->findChild<QAbstractItemView *>("List1")->model()->rowCount(), 1);
    QCOMPARE(c.Picture1->picture().size(), QSize(300, 200));
    // Confirming writes no points file.
    QVERIFY(!QFileInfo::exists(work_ + "/eğri_0.txt"));
}

void TestGraphLoading::pointsFileOfTheCurrentLine_data()
{
    QTest::addColumn<int>("linesStarted");
    QTest::addColumn<QString>("pointsFile");

    QTest::newRow("no line started") << 0 << "kucuk_0.txt";
    QTest::newRow("three lines started meanwhile") << 3 << "kucuk_3.txt";
}

void TestGraphLoading::pointsFileOfTheCurrentLine()
{
    QFETCH(int, linesStarted);
    QFETCH(QString, pointsFile);

    testing::FakePlatform platform;
    Form1 form(platform);
    startWithPicture(form, "kucuk.gif");
    // The chooser is modeless: lines can be started while it is open.
    for (int i = 0; i < linesStarted; ++i)
        form.controls().Command8->click();
    QCOMPARE(form.state().lineNumber, linesStarted);

    pressTamam(qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3)));

    QCOMPARE(QString::fromStdString(form.state().pointsFileName), pointsFile);
    QCOMPARE(form.controls().Label19->text(), pointsFile);
    QCOMPARE(form.state().lineNumber, linesStarted);
}

void TestGraphLoading::samePictureTwiceSameNames()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    startWithPicture(form, "kucuk.gif");
    Form3 *chooser = qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3));
    pressTamam(chooser);
    const DigitizerState first = form.state();

    openChooser(form);
    clickFile(chooser, "buyuk.bmp");
    clickFile(chooser, "kucuk.gif");
    pressTamam(chooser);

    QCOMPARE(form.state().graphFileName, first.graphFileName);
    QCOMPARE(form.state().graphBaseName, first.graphBaseName);
    QCOMPARE(form.state().pointsFileName, first.pointsFileName);
    QCOMPARE(QString::fromStdString(first.pointsFileName), QStringLiteral("kucuk_0.txt"));
}

void TestGraphLoading::everyFormatNamesItsPointsFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("firstLineFile");

    QTest::newRow("tiff") << "scan.tiff" << QSize(260, 180) << "scan_1.txt";
    QTest::newRow("png") << "ekran.PNG" << QSize(240, 160) << "ekran_1.txt";
    QTest::newRow("jpeg") << "foto.jpeg" << QSize(220, 150) << "foto_1.txt";
    QTest::newRow("bmp") << "buyuk.bmp" << QSize(640, 420) << "buyuk_1.txt";
}

void TestGraphLoading::everyFormatNamesItsPointsFiles()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QString, firstLineFile);

    testing::FakePlatform platform;
    Form1 form(platform);
    startWithPicture(form, name);
    pressTamam(qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3)));
    const MainWindowControls &c = form.controls();
    QCOMPARE(c.Picture1->picture().size(), size);
    // Placed as for any picture: the x0 box under the canvas's bottom left corner.
    QCOMPARE(c.Text1->pos(), c.Picture1->geometry().bottomLeft() + QPoint(0, 11));

    c.Command8->click();
    QCOMPARE(QString::fromStdString(form.state().pointsFileName), firstLineFile);
    QCOMPARE(c.Label19->text(), firstLineFile);
    QVERIFY(platform.messages.isEmpty());
}

void TestGraphLoading::confirmAfterAFailedClick()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    startWithPicture(form, "kucuk.gif");
    Form3 *chooser = qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3));
    clickFile(chooser, "bozuk.bmp");
    QCOMPARE(platform.messages.size(), 1);

    pressTamam(chooser);

    // The names follow the picture on the canvas, not the name last clicked.
    QCOMPARE(QString::fromStdString(form.state().graphBaseName), QStringLiteral("kucuk"));
    QCOMPARE(form.controls().Picture1->picture().size(), QSize(100, 80));
    QCOMPARE(platform.messages.size(), 1);
}

void TestGraphLoading::confirmWithoutAPicture()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    const MainWindowControls &c = form.controls();
    Form3 *chooser = openChooser(form);
    c.Text5->setEnabled(false);
    c.Command12->setEnabled(false);
    c.Label19->setText("onceki_2.txt");
    const QColor label19Colour = textColour(c.Label19);
    const std::map<QString, QPoint> before = positions(form);

    pressTamam(chooser);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().title, QStringLiteral("Dikkat!"));
    QCOMPARE(platform.messages.first().text, QStringLiteral("Önce bir grafik dosyası seçiniz."));
    QCOMPARE(platform.messages.first().icon, MessageIcon::Exclamation);
    QVERIFY(chooser->isVisible());
    QVERIFY(!c.Text5->isEnabled());
    QVERIFY(!c.Command12->isEnabled());
    QVERIFY(form.state().graphFileName.empty());
    QVERIFY(form.state().graphBaseName.empty());
    QVERIFY(form.state().pointsFileName.empty());
    QCOMPARE(c.Label19->text(), QStringLiteral("onceki_2.txt"));
    QCOMPARE(textColour(c.Label19), label19Colour);
    QCOMPARE(positions(form), before);
}

void TestGraphLoading::failedClickHighlightsThePictureShown_data()
{
    QTest::addColumn<QString>("shown");

    QTest::newRow("a picture clicked before") << QStringLiteral("kucuk.gif");
    QTest::newRow("the start picture") << QString();
}

// A file that does not load gives the highlight back to the picture on the canvas, so a
// second click on it tries again, and "Tamam" confirms what the highlight names.
void TestGraphLoading::failedClickHighlightsThePictureShown()
{
    QFETCH(QString, shown);

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    Form3 *chooser = openChooser(form);
    if (!shown.isEmpty())
        clickFile(chooser, shown);

    clickFile(chooser, "bozuk.bmp");
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(chooser->selectedFileName(), shown);

    clickFile(chooser, "bozuk.bmp");
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(chooser->selectedFileName(), shown);
    QCOMPARE(QFileInfo(QString::fromStdString(form.state().graphPath)).fileName(), shown);
}

// A point is recorded only into a file whose name comes from the picture on the canvas: not
// while a clicked picture waits for "Tamam" (even on a started line), and after "Vazgeç" the
// confirmed picture, its names and its placement are back together.
void TestGraphLoading::noPointGoesIntoAnotherPicturesFile()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    startWithPicture(form, "kucuk.gif");
    const MainWindowControls &c = form.controls();
    Form3 *chooser = qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3));
    pressTamam(chooser);
    const std::map<QString, QPoint> placed = positions(form);
    const QSize canvasSize = c.Picture1->size();
    const QImage confirmed = c.Picture1->picture();
    const QPoint inside(20, 20);

    openChooser(form);
    clickFile(chooser, "buyuk.bmp");
    c.Command8->click();
    QCOMPARE(form.state().pointsFileName, std::string("kucuk_1.txt"));
    QTest::mouseClick(c.Picture1, Qt::LeftButton, {}, inside);

    QVERIFY(!QFile::exists(QStringLiteral("kucuk_1.txt")));
    QCOMPARE(form.state().pointCount, 0);
    QWidget *values = form.windows().loaded(SecondaryWindow::Form5);
    QVERIFY(!values || values->findChild<QAbstractItemView *>("List1")->model()->rowCount() == 0);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages.first().text.contains(QStringLiteral("kucuk_1.txt")),
             qPrintable(platform.messages.first().text));

    chooser->findChild<QPushButton *>("Command2")->click();
    QCOMPARE(c.Picture1->picture(), confirmed);
    QCOMPARE(c.Picture1->size(), canvasSize);
    QCOMPARE(positions(form), placed);
    QCOMPARE(QFileInfo(QString::fromStdString(form.state().graphPath)).fileName(),
             QStringLiteral("kucuk.gif"));

    QTest::mouseClick(c.Picture1, Qt::LeftButton, {}, inside);
    QCOMPARE(form.state().pointCount, 1);
    QCOMPARE(QDir().entryList({QStringLiteral("*.txt")}, QDir::Files),
             QStringList{QStringLiteral("kucuk_1.txt")});
    QCOMPARE(platform.messages.size(), 1);
}

void TestGraphLoading::otherWaysOpenAsTamam_data()
{
    QTest::addColumn<QString>("way");

    QTest::newRow("command line path") << "path";
    QTest::newRow("dropped file") << "drop";
    QTest::newRow("pasted picture") << "paste";
}

void TestGraphLoading::otherWaysOpenAsTamam()
{
    QFETCH(QString, way);

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    const MainWindowControls &c = form.controls();
    // What an earlier graph left behind.
    form.state().lineNumber = 3;
    c.Text1->setText("10");
    c.Text4->setEnabled(false);

    QString base = "scan";
    if (way == u"path") {
        QVERIFY(openGraphPicture(form, "scan.tiff"));
    } else if (way == u"drop") {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(work_ + "/scan.tiff")});
        QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &drop);
    } else {
        QGuiApplication::clipboard()->setImage(solidImage(260, 180, QColor(9, 9, 9)));
        pasteGraphPicture(form);
        base = QFileInfo(QString::fromStdString(form.state().graphPath)).completeBaseName();
        QVERIFY2(base.startsWith("pano-"), qPrintable(base));
        // Saved in the working folder as a PNG, then opened from there.
        QCOMPARE(QImage(work_ + "/" + base + ".png").size(), QSize(260, 180));
    }

    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(c.Picture1->picture().size(), QSize(260, 180));
    QCOMPARE(form.state().lineNumber, 0);
    QCOMPARE(QString::fromStdString(form.state().pointsFileName), base + "_0.txt");
    QCOMPARE(c.Label19->text(), base + "_0.txt");
    QVERIFY(c.Text1->text().isEmpty());
    QVERIFY(c.Text4->isEnabled());
    QCOMPARE(c.Text1->pos(), c.Picture1->geometry().bottomLeft() + QPoint(0, 11));
}

void TestGraphLoading::otherWaysRefuseABadFile()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    startWithPicture(form, "kucuk.gif");
    pressTamam(qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3)));
    form.state().lineNumber = 2;
    const std::map<QString, QPoint> before = positions(form);

    QVERIFY(!openGraphPicture(form, "bozuk.bmp"));
    QVERIFY(!openGraphPicture(form, "yok.png"));

    QCOMPARE(platform.messages.size(), 2);
    QVERIFY(platform.messages.at(0).text.contains("bozuk.bmp"));
    QVERIFY(platform.messages.at(1).text.contains("yok.png"));
    QCOMPARE(form.controls().Picture1->picture().size(), QSize(100, 80));
    QCOMPARE(QString::fromStdString(form.state().pointsFileName), QStringLiteral("kucuk_0.txt"));
    QCOMPARE(form.state().lineNumber, 2);
    QCOMPARE(positions(form), before);
}

void TestGraphLoading::pasteWithTextOrNoPictureDoesNothing()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    const QStringList before = QDir(work_).entryList(QDir::Files);

    auto *both = new QMimeData;
    both->setImageData(solidImage(30, 20, Qt::red));
    both->setText("15,0");
    QGuiApplication::clipboard()->setMimeData(both);
    pasteGraphPicture(form);
    QGuiApplication::clipboard()->setText("metin");
    pasteGraphPicture(form);

    QCOMPARE(QDir(work_).entryList(QDir::Files), before);
    QVERIFY(form.state().graphPath.empty());
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(TestGraphLoading)
#include "tst_graph_loading.moc"
