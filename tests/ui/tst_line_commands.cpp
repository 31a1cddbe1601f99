#include "tests/support/fake_platform.h"
#include "tests/support/main_window_test.h"
#include "tests/support/real_failures.h"
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
#include <QTest>
#include <memory>
#include <optional>

using namespace tarlen;
using namespace tarlen::testing;

namespace {

// What stands where the current line's file should be.
enum class InPlace { Nothing, Records, Folder, Fifo };

} // namespace

Q_DECLARE_METATYPE(InPlace)

namespace {

void writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QColor listColour(Form1 &form)
{
    QAbstractItemView *list = valuesList(form);
    return list ? list->palette().color(QPalette::Text) : QColor();
}

void clickTimes(QPushButton *button, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
}

// The controls a started line locks.
QList<QWidget *> calibrationPanel(const MainWindowControls &c)
{
    return {c.Command4, c.Command5, c.Command6, c.Command7, c.Command12, c.Text1,
            c.Text2,    c.Text3,    c.Text4,    c.Text5,    c.Label6,    c.Label7,
            c.Label8,   c.Label9,   c.Check1,   c.Check2};
}

} // namespace

class TestLineCommands : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void threeLinesOnGraf();
    void listColourFollowsTheLine_data();
    void listColourFollowsTheLine();
    void valuesWindowMadeLaterShowsTheLineColour();
    void typedValuesAreTakenAtTheStart();
    void lineNumberStopsAt32767();
    void deleteLastRewritesTheFile();
    void deleteLastFailures_data();
    void deleteLastFailures();
    void deleteLastAfterAbandonedGraphChange();
    void lineLabelFollowsAGraphChange();
    void clearSymbolsWipesOnlyTheMarkers();
};

void TestLineCommands::threeLinesOnGraf()
{
    form().state().graphBaseName = "graf";
    const MainWindowControls &c = form().controls();
    c.Text1->setText(QStringLiteral("10"));
    const bool logarithmicY = c.Check2->isChecked();

    clickTimes(c.Command8, 3);

    QCOMPARE(form().state().lineNumber, std::int16_t{3});
    QCOMPARE(c.Label16->text(), QStringLiteral("3"));
    QCOMPARE(form().state().pointsFileName, std::string("graf_3.txt"));
    QCOMPARE(c.Label19->text(), QStringLiteral("graf_3.txt"));
    // No file comes into being before the first point.
    QVERIFY(QDir().entryList(QDir::Files).isEmpty());
    for (QWidget *control : calibrationPanel(c))
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    QCOMPARE(c.Text1->text(), QStringLiteral("10"));
    QCOMPARE(c.Check2->isChecked(), logarithmicY);
    QVERIFY(c.Command8->isEnabled());
    QVERIFY(platform().messages.isEmpty());

    form().windows().window(SecondaryWindow::Form5);
    QCOMPARE(listColour(form()), QColor(0, 128, 128));
}

void TestLineCommands::listColourFollowsTheLine_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("line 1 navy") << 1 << QColor(0, 0, 128);
    QTest::newRow("line 2 green") << 2 << QColor(0, 128, 0);
    QTest::newRow("line 4 maroon") << 4 << QColor(128, 0, 0);
    QTest::newRow("line 7 silver") << 7 << QColor(192, 192, 192);
    QTest::newRow("line 8 grey") << 8 << QColor(128, 128, 128);
    QTest::newRow("line 9 keeps grey") << 9 << QColor(128, 128, 128);
    QTest::newRow("line 12 keeps grey") << 12 << QColor(128, 128, 128);
}

void TestLineCommands::listColourFollowsTheLine()
{
    QFETCH(int, lines);
    QFETCH(QColor, colour);

    const MainWindowControls &c = form().controls();
    // The window is already open with an entry, so the new colour must reach the open list.
    QTest::mouseClick(c.Command8, Qt::LeftButton);
    pressAt(form(), 1875, 4005);
    QVERIFY(valuesList(form()));

    clickTimes(c.Command8, lines - 1);

    QCOMPARE(form().state().lineNumber, lines);
    QCOMPARE(listColour(form()), colour);
    QCOMPARE(valuesList(form())->model()->rowCount(), 1);
}

void TestLineCommands::valuesWindowMadeLaterShowsTheLineColour()
{
    const MainWindowControls &c = form().controls();

    clickTimes(c.Command8, 2);
    QVERIFY(!form().windows().loaded(SecondaryWindow::Form5));
    pressAt(form(), 1875, 4005);
    QCOMPARE(listColour(form()), QColor(0, 128, 0));

    // Closed by its frame it is discarded; the one made afresh still shows line 2's colour.
    QPointer<QWidget> values = form().windows().loaded(SecondaryWindow::Form5);
    QVERIFY(values->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!values);
    pressAt(form(), 1875, 4005);
    QCOMPARE(listColour(form()), QColor(0, 128, 0));
}

void TestLineCommands::typedValuesAreTakenAtTheStart()
{
    const MainWindowControls &c = form().controls();
    c.Text1->setText(QStringLiteral("10"));
    c.Text3->setText(QStringLiteral("60"));
    c.Text2->setText(QStringLiteral("0.1"));
    c.Text4->setText(QStringLiteral("1e5"));

    QTest::mouseClick(c.Command8, Qt::LeftButton);

    const DigitizerState &state = form().state();
    QCOMPARE(state.typedX0, 10.0f);
    QCOMPARE(state.typedX1, 60.0f);
    QCOMPARE(state.typedY0, 0.1f);
    QCOMPARE(state.typedY1, 1e5f);
    QCOMPARE(state.refX0Value, 10.0f);
    QCOMPARE(state.refX1Value, 60.0f);
    QCOMPARE(state.refY0Value, 0.1f);
    QCOMPARE(state.refY1Value, 1e5f);
}

void TestLineCommands::lineNumberStopsAt32767()
{
    const MainWindowControls &c = form().controls();
    form().state().graphBaseName = "graf";
    form().state().lineNumber = 32767;
    form().state().pointsFileName = "graf_32767.txt";
    c.Label16->setText(QStringLiteral("32767"));
    c.Label19->setText(QStringLiteral("graf_32767.txt"));
    c.Text1->setText(QStringLiteral("10"));

    QTest::mouseClick(c.Command8, Qt::LeftButton);

    QCOMPARE(platform().messages.size(), 1);
    QCOMPARE(platform().messages.first().title, QStringLiteral("Dikkat!"));
    QCOMPARE(platform().messages.first().text,
             QStringLiteral("En fazla 32767 çizgi başlatılabilir."));
    QCOMPARE(platform().messages.first().icon, MessageIcon::Exclamation);
    QCOMPARE(form().state().lineNumber, std::int16_t{32767});
    QCOMPARE(c.Label16->text(), QStringLiteral("32767"));
    QCOMPARE(form().state().pointsFileName, std::string("graf_32767.txt"));
    QCOMPARE(c.Label19->text(), QStringLiteral("graf_32767.txt"));
    QCOMPARE(form().state().typedX0, 0.0f);
    for (QWidget *control : calibrationPanel(c))
        if (control != c.Command12 && control != c.Text5)
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
}

void TestLineCommands::deleteLastRewritesTheFile()
{
    const MainWindowControls &c = form().controls();
    QTest::mouseClick(c.Command8, Qt::LeftButton);
    writeFile(QStringLiteral("_1.txt"), "1,0  2,0\r\n3,0  4,0\r\n5,0  6,0\r\n");
    c.Label19->setText(QStringLiteral("shown"));

    QTest::mouseClick(c.Command1, Qt::LeftButton);
    QCOMPARE(fileBytes(QStringLiteral("_1.txt")),
             QByteArray("1,0           2,0\r\n3,0           4,0\r\n"));
    QTest::mouseClick(c.Command1, Qt::LeftButton);
    QCOMPARE(fileBytes(QStringLiteral("_1.txt")), QByteArray("1,0           2,0\r\n"));
    QTest::mouseClick(c.Command1, Qt::LeftButton);
    QCOMPARE(fileBytes(QStringLiteral("_1.txt")), QByteArray());
    // An empty file stays empty, without a message.
    QTest::mouseClick(c.Command1, Qt::LeftButton);
    QCOMPARE(fileBytes(QStringLiteral("_1.txt")), QByteArray());

    QVERIFY(platform().messages.isEmpty());
    QCOMPARE(form().state().pointsFileName, std::string("_1.txt"));
    QCOMPARE(c.Label19->text(), QStringLiteral("shown"));
}

void TestLineCommands::deleteLastFailures_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<InPlace>("inPlace");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<qint64>("sizeLimit"); // 0: none
    QTest::addColumn<bool>("removeWorkingFolder");
    QTest::addColumn<QString>("message");

    const QByteArray records("1,0  2,0\r\n3,0  4,0\r\n5,0  6,0\r\n");
    const QString failed = QStringLiteral("Son nokta silinemedi.\n\"_1.txt\" ");
    QTest::newRow("no line started")
        << 0 << InPlace::Nothing << QByteArray() << qint64(0) << false
        << QStringLiteral("Henüz değer girilmedi.");
    QTest::newRow("line started, no point")
        << 1 << InPlace::Nothing << QByteArray() << qint64(0) << false
        << QStringLiteral("Henüz değer girilmedi.");
    QTest::newRow("last record with one field")
        << 1 << InPlace::Records << QByteArray("1,0  2,0\r\n3,0\r\n") << qint64(0) << false
        << failed + QStringLiteral("okunamadı: son kaydın yalnızca bir alanı var");
    QTest::newRow("folder in place of the file")
        << 1 << InPlace::Folder << QByteArray() << qint64(0) << false
        << failed + QStringLiteral("açılamadı: bu bir klasör, dosya değil");
    QTest::newRow("FIFO in place of the file")
        << 1 << InPlace::Fifo << QByteArray() << qint64(0) << false
        << failed + QStringLiteral("açılamadı: normal bir dosya değil");
    // The rewritten records are longer than the appended ones, and the limit stops them.
    QTest::newRow("file size limit reached")
        << 1 << InPlace::Records << records << qint64(records.size()) << false
        << failed + QStringLiteral("yazılamadı: dosya çok büyük (dosya boyutu sınırı aşıldı)");
    QTest::newRow("working folder removed")
        << 1 << InPlace::Records << records << qint64(0) << true
        << failed + QStringLiteral("açılamadı: böyle bir dosya ya da klasör yok");
}

void TestLineCommands::deleteLastFailures()
{
    QFETCH(int, lines);
    QFETCH(InPlace, inPlace);
    QFETCH(QByteArray, contents);
    QFETCH(qint64, sizeLimit);
    QFETCH(bool, removeWorkingFolder);
    QFETCH(QString, message);

    const MainWindowControls &c = form().controls();
    clickTimes(c.Command8, lines);
    const QString fileName = QString::fromStdString(form().state().pointsFileName);
    switch (inPlace) {
    case InPlace::Nothing:
        break;
    case InPlace::Records:
        writeFile(fileName, contents);
        break;
    case InPlace::Folder:
        QVERIFY(QDir().mkdir(fileName));
        break;
    case InPlace::Fifo:
        QVERIFY(testing::makeFifo(fileName.toStdString()));
        break;
    }
    if (removeWorkingFolder)
        QVERIFY(QDir(workingFolder()).removeRecursively());

    {
        std::optional<testing::FileSizeLimit> limit;
        if (sizeLimit > 0) {
            limit.emplace(static_cast<rlim_t>(sizeLimit));
            QVERIFY(limit->active());
        }
        QTest::mouseClick(c.Command1, Qt::LeftButton);
    }

    QCOMPARE(platform().messages.size(), 1);
    QCOMPARE(platform().messages.first().title, QStringLiteral("Dikkat!"));
    QCOMPARE(platform().messages.first().text, message);
    QCOMPARE(platform().messages.first().icon, MessageIcon::Exclamation);
    if (removeWorkingFolder)
        return;
    if (inPlace == InPlace::Nothing)
        QVERIFY(QDir().entryList(QDir::Files).isEmpty());
    if (inPlace == InPlace::Records)
        QCOMPARE(fileBytes(fileName), contents);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
             inPlace == InPlace::Nothing ? 0 : 1);
}

// A graph change abandoned with "Vazgeç" leaves the current file named, and delete-last
// rewrites exactly that file: no file of line 0 comes into being.
void TestLineCommands::deleteLastAfterAbandonedGraphChange()
{
    const MainWindowControls &c = form().controls();
    DigitizerState &state = form().state();
    state.graphBaseName = "graf";
    clickTimes(c.Command8, 2);
    writeFile(QStringLiteral("graf_2.txt"), "1,0  2,0\r\n3,0  4,0\r\n");

    QTest::mouseClick(c.Command3, Qt::LeftButton);
    QWidget *chooser = form().windows().loaded(SecondaryWindow::Form3);
    QVERIFY(chooser);
    QTest::mouseClick(chooser->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(state.lineNumber, std::int16_t{0});
    QTest::mouseClick(c.Command1, Qt::LeftButton);

    QVERIFY(platform().messages.isEmpty());
    QCOMPARE(fileBytes(QStringLiteral("graf_2.txt")), QByteArray("1,0           2,0\r\n"));
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{QStringLiteral("graf_2.txt")});
    QCOMPARE(state.pointsFileName, std::string("graf_2.txt"));
    QCOMPARE(c.Label19->text(), QStringLiteral("graf_2.txt"));
}

// "Çizgi" always shows the line number: a graph change sets both back to 0.
void TestLineCommands::lineLabelFollowsAGraphChange()
{
    const MainWindowControls &c = form().controls();
    clickTimes(c.Command8, 2);
    QCOMPARE(c.Label16->text(), QStringLiteral("2"));

    QTest::mouseClick(c.Command3, Qt::LeftButton);
    QCOMPARE(form().state().lineNumber, std::int16_t{0});
    QCOMPARE(c.Label16->text(), QStringLiteral("0"));

    QTest::mouseClick(c.Command8, Qt::LeftButton);
    QCOMPARE(c.Label16->text(), QStringLiteral("1"));
}

void TestLineCommands::clearSymbolsWipesOnlyTheMarkers()
{
    const MainWindowControls &c = form().controls();
    const QImage picture = c.Picture1->picture();
    QTest::mouseClick(c.Command8, Qt::LeftButton);
    pressAt(form(), 1875, 4005);
    pressAt(form(), 2430, 3765);
    QVERIFY(anythingDrawn(*c.Picture1));
    const QByteArray records = fileBytes(QStringLiteral("_1.txt"));
    const DigitizerState before = form().state();

    QTest::mouseClick(c.Command15, Qt::LeftButton);

    QVERIFY(!anythingDrawn(*c.Picture1));
    QCOMPARE(c.Picture1->currentPoint(), QPointF(0, 0));
    QCOMPARE(c.Picture1->picture(), picture);
    QCOMPARE(fileBytes(QStringLiteral("_1.txt")), records);
    QCOMPARE(valuesList(form())->model()->rowCount(), 2);
    QCOMPARE(form().state().pointCount, before.pointCount);
    QCOMPARE(form().state().symbolKind, before.symbolKind);
    QCOMPARE(form().state().symbolSize, before.symbolSize);
    QCOMPARE(form().state().markerColor, before.markerColor);

    // A further press draws again on the wiped layer.
    pressAt(form(), 1875, 4005);
    QVERIFY(anythingDrawn(*c.Picture1));
}

QTEST_MAIN(TestLineCommands)
#include "tst_line_commands.moc"
