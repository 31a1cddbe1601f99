#include "tests/support/fake_platform.h"
#include "tests/support/real_failures.h"
#include "tests/ui/button_faces.h"
#include "tests/ui/graph_picture_files.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/graphfile/form3_chooser.h"
#include "ui/main/form1.h"
#include "ui/windows/form5_values.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace tarlen;
using testing::encoded;
using testing::solidImage;
using testing::writeBytes;

namespace {

QString nativeClean(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QComboBox *driveList(QWidget *chooser) { return chooser->findChild<QComboBox *>("Drive1"); }
QTreeWidget *folderList(QWidget *chooser) { return chooser->findChild<QTreeWidget *>("Dir1"); }
QListWidget *fileList(QWidget *chooser) { return chooser->findChild<QListWidget *>("File1"); }
QPushButton *chooserButton(QWidget *chooser, const char *name)
{
    return chooser->findChild<QPushButton *>(name);
}

QStringList fileNames(QWidget *chooser)
{
    QStringList names;
    const QListWidget *list = fileList(chooser);
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

QString currentFolderCaption(QWidget *chooser)
{
    const QTreeWidgetItem *item = folderList(chooser)->currentItem();
    return item ? item->text(0) : QString();
}

// A single click on a name of File1, as the user makes it.
void clickFile(QWidget *chooser, const QString &name)
{
    QListWidget *list = fileList(chooser);
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

// A double click on a folder of Dir1, which opens it.
void openFolder(QWidget *chooser, const QString &caption)
{
    QTreeWidget *tree = folderList(chooser);
    const QList<QTreeWidgetItem *> found =
        tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(found.size() == 1, qPrintable(caption));
    tree->scrollToItem(found.first());
    // The first click of a double click arrives as a click of its own.
    const QPoint at = tree->visualItemRect(found.first()).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

QString driveShown(QWidget *chooser) { return driveList(chooser)->currentData().toString(); }

void chooseDrive(QWidget *chooser, const QString &root)
{
    QComboBox *drives = driveList(chooser);
    const int index = drives->findData(root);
    QVERIFY2(index >= 0, qPrintable(root));
    drives->setCurrentIndex(index);
}

Form3 *openChooser(Form1 &form)
{
    form.controls().Command3->click();
    return qobject_cast<Form3 *>(form.windows().loaded(SecondaryWindow::Form3));
}

void discardClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

class TestGraphChooser : public QObject {
    Q_OBJECT

private slots:
    void init();

    void writtenGifDecodes();
    void layout_data();
    void layout();
    void windowLooks();
    void filePattern_data();
    void filePattern();
    void listsOnlyThePictureFiles();
    void listsOnlyRegularFiles();
    void listsChainDriveFolderFile();
    void unreadableDrive_data();
    void unreadableDrive();
    void unreadableFolder();
    void machineDrives();
    void changeGraph_data();
    void changeGraph();
    void reopenedChooserKeepsItsPlace();
    void closedChooserStartsAfresh();
    void threeClicksInTurn();
    void cancelAfterClick();
    void enterAndEscapeDoNothingSpecial();
    void joinGraphPath_data();
    void joinGraphPath();
    void clickedPathJoinsFolderAndName();
    void goodPictureVariants_data();
    void goodPictureVariants();
    void badPicture_data();
    void badPicture();
    void fileGoneSinceListing();

private:
    QString work(const QString &name = {}) const
    {
        return name.isEmpty() ? work_ : work_ + QLatin1Char('/') + name;
    }
    void writePicture(const QString &name, const QByteArray &bytes)
    {
        QVERIFY(writeBytes(work(name), bytes));
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString work_;
};

void TestGraphChooser::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    work_ = QFileInfo(dir_->path()).canonicalFilePath();
    QVERIFY(QDir::setCurrent(work_));
}

void TestGraphChooser::writtenGifDecodes()
{
    writePicture("checks.gif", testing::gifBytes(7, 5, qRgb(255, 0, 0), qRgb(0, 0, 255),
                                                 [](int x, int y) { return (x + y) % 2 == 1; }));
    const QImage image(work("checks.gif"));
    QCOMPARE(image.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            QCOMPARE(image.pixel(x, y), (x + y) % 2 == 1 ? qRgb(0, 0, 255) : qRgb(255, 0, 0));
}

void TestGraphChooser::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");

    // The twips of the layout table divided by 15.
    QTest::newRow("Drive1") << "Drive1" << QRect(32, 24, 201, 21);
    QTest::newRow("Dir1") << "Dir1" << QRect(32, 56, 201, 111);
    QTest::newRow("File1") << "File1" << QRect(32, 178, 201, 188);
    QTest::newRow("Command1") << "Command1" << QRect(40, 384, 89, 25);
    QTest::newRow("Command2") << "Command2" << QRect(136, 384, 89, 25);
}

void TestGraphChooser::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);

    testing::FakePlatform platform;
    Form3 chooser(platform);
    const QWidget *control = chooser.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
}

void TestGraphChooser::windowLooks()
{
    testing::FakePlatform platform;
    Form3 chooser(platform);

    QCOMPARE(chooser.objectName(), QStringLiteral("Form3"));
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Dosya Seçimi"));
    QCOMPARE(chooser.geometry(), QRect(237, 120, 268, 423));
    QVERIFY(chooser.isWindow());
    QVERIFY(chooser.autoFillBackground());
    QCOMPARE(chooser.palette().color(QPalette::Window), QColor(0x3A, 0x6E, 0xA5));

    QPushButton *ok = chooserButton(&chooser, "Command1");
    QPushButton *cancel = chooserButton(&chooser, "Command2");
    QCOMPARE(ok->text(), QStringLiteral("Tamam"));
    QCOMPARE(cancel->text(), QStringLiteral("Vazgeç"));
    for (const QPushButton *button : {ok, cancel}) {
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().pointSizeF(), 9.75);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    QCOMPARE(ok->palette().color(QPalette::Button), QColor(0xFF, 0xFF, 0xE1));
    QVERIFY(cancel->palette().color(QPalette::Button) != QColor(0xFF, 0xFF, 0xE1));
    // "Tamam" shows its face colour flat, not washed out by a gradient.
    verifyFlatButtonFace(*ok, QColor(0xFF, 0xFF, 0xE1));
    if (QTest::currentTestFailed())
        return;

    // Tab order: Drive1, Dir1, File1, Command1, Command2.
    QWidget *expected[] = {driveList(&chooser), folderList(&chooser), fileList(&chooser), ok,
                           cancel};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
        QWidget *next = expected[i]->nextInFocusChain();
        while (next && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, expected[i + 1]);
    }
}

void TestGraphChooser::filePattern_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");

    for (const char *name : {"A.BMP", "b.jpg", "c.Gif", "e.bMp", "eğri.JPG", "x y.gif", ".bmp",
                             "d.png", "f.jpeg", "k.TIF", "l.Tiff", "m.PNG", "n.JPEG"})
        QTest::newRow(name) << QString::fromUtf8(name) << true;
    for (const char *name : {"g.bmp.txt", "hbmp", "i.gi", "j.bmpx", "o.pngx", "p.tif.bak",
                             "q.webp", "r.tiffx"})
        QTest::newRow(name) << QString::fromUtf8(name) << false;
}

void TestGraphChooser::filePattern()
{
    QFETCH(QString, name);
    QFETCH(bool, listed);

    QVERIFY(QDir(work_).mkdir("pictures"));
    QVERIFY(writeBytes(work("pictures/") + name, "x"));
    QVERIFY(QDir::setCurrent(work("pictures")));
    testing::FakePlatform platform;
    // The list shows what the folder holds; a file whose name starts with a dot is hidden here.
    const bool hidden = name.startsWith(QLatin1Char('.'));
    Form3 chooser(platform);
    QCOMPARE(fileNames(&chooser), listed && !hidden ? QStringList{name} : QStringList{});
    QCOMPARE(matchesFilePattern(name, Form3::kFilePattern), listed);
}

void TestGraphChooser::listsOnlyThePictureFiles()
{
    for (const char *name : {"d.png", "c.Gif", "A.BMP", "b.jpg", "e.tiff", "notlar.txt", "f.webp"})
        QVERIFY(writeBytes(work(name), "x"));
    QVERIFY(QDir(work_).mkdir("klasor.bmp"));

    testing::FakePlatform platform;
    Form3 chooser(platform);

    QCOMPARE(fileNames(&chooser), (QStringList{"A.BMP", "b.jpg", "c.Gif", "d.png", "e.tiff"}));
    QCOMPARE(chooser.fileFolderPath(), nativeClean(work_));
    // A folder with a picture's name is a folder, not a file.
    const QTreeWidgetItem *current = folderList(&chooser)->currentItem();
    QCOMPARE(current->childCount(), 1);
    QCOMPARE(current->child(0)->text(0), QStringLiteral("klasor.bmp"));
}

// Only regular files are listed, links to them too: a link to a device or a FIFO under a
// picture's name is left out, since reading it would never end or never begin.
void TestGraphChooser::listsOnlyRegularFiles()
{
    writePicture("A.BMP", encoded(solidImage(10, 10, Qt::red), "BMP"));
    QVERIFY(QFile::link(work("A.BMP"), work("link.jpg")));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), work("zero.bmp")));
    QVERIFY(testing::makeFifo(work("pipe.gif").toStdString()));
    QVERIFY(QFile::link(work("pipe.gif"), work("pipelink.gif")));
    QVERIFY(QFile::link(work("missing.bmp"), work("dangling.bmp")));

    testing::FakePlatform platform;
    Form3 chooser(platform);

    QCOMPARE(fileNames(&chooser), (QStringList{"A.BMP", "link.jpg"}));
}

void TestGraphChooser::listsChainDriveFolderFile()
{
    // Two folders stand in for two drives; the working folder is on the first.
    const QString a = work("A");
    const QString b = work("B");
    for (const QString &folder : {a + "/work/sub", b + "/inner"})
        QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeBytes(a + "/work/w.bmp", "x"));
    QVERIFY(writeBytes(a + "/work/sub/s.gif", "x"));
    QVERIFY(writeBytes(a + "/top.jpg", "x"));
    QVERIFY(writeBytes(b + "/b.jpg", "x"));
    QVERIFY(QDir::setCurrent(a + "/work"));
    const QList<DriveEntry> drives{{nativeClean(a), "a:"}, {nativeClean(b), "b:"}};

    testing::FakePlatform platform;
    Form3 chooser(platform, [drives] { return drives; });
    chooser.show();

    QCOMPARE(driveShown(&chooser), nativeClean(a));
    QCOMPARE(driveList(&chooser)->currentText(), QStringLiteral("a:"));
    QCOMPARE(chooser.folderPath(), nativeClean(a + "/work"));
    QCOMPARE(fileNames(&chooser), QStringList{"w.bmp"});
    // The folder list runs from the drive's root down to the folder, then its subfolders.
    const QTreeWidgetItem *top = folderList(&chooser)->topLevelItem(0);
    QCOMPARE(top->text(0), nativeClean(a));
    QCOMPARE(currentFolderCaption(&chooser), QStringLiteral("work"));

    openFolder(&chooser, "sub");
    QCOMPARE(chooser.folderPath(), nativeClean(a + "/work/sub"));
    QCOMPARE(chooser.fileFolderPath(), chooser.folderPath());
    QCOMPARE(fileNames(&chooser), QStringList{"s.gif"});
    QCOMPARE(driveShown(&chooser), nativeClean(a));

    chooseDrive(&chooser, nativeClean(b));
    QCOMPARE(chooser.folderPath(), nativeClean(b));
    QCOMPARE(fileNames(&chooser), QStringList{"b.jpg"});
    QCOMPARE(currentFolderCaption(&chooser), nativeClean(b));
    QCOMPARE(folderList(&chooser)->currentItem()->child(0)->text(0), QStringLiteral("inner"));

    // Back on the first drive the lists return to the folder it showed last.
    chooseDrive(&chooser, nativeClean(a));
    QCOMPARE(chooser.folderPath(), nativeClean(a + "/work/sub"));
    QCOMPARE(fileNames(&chooser), QStringList{"s.gif"});

    openFolder(&chooser, nativeClean(a));
    QCOMPARE(chooser.folderPath(), nativeClean(a));
    QCOMPARE(fileNames(&chooser), QStringList{"top.jpg"});
    QCOMPARE(driveShown(&chooser), nativeClean(a));
    QVERIFY(platform.messages.isEmpty());
}

void TestGraphChooser::unreadableDrive_data()
{
    QTest::addColumn<bool>("listedAgain");

    QTest::newRow("drive without its root folder") << true;
    QTest::newRow("drive gone since it was listed") << false;
}

void TestGraphChooser::unreadableDrive()
{
    QFETCH(bool, listedAgain);

    const QString a = nativeClean(work("A"));
    const QString gone = nativeClean(work("gone"));
    QVERIFY(QDir().mkpath(work("A")));
    QVERIFY(QDir().mkpath(work("gone")));
    QVERIFY(writeBytes(work("A/a.bmp"), "x"));
    QVERIFY(QDir::setCurrent(work("A")));
    int listings = 0;
    const auto drives = [&] {
        ++listings;
        QList<DriveEntry> entries{{a, "a:"}};
        if (listings == 1 || listedAgain)
            entries.append({gone, "g:"});
        return entries;
    };

    testing::FakePlatform platform;
    Form3 chooser(platform, drives);
    QVERIFY(QDir(gone).removeRecursively());
    chooseDrive(&chooser, gone);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().title, QStringLiteral("Dikkat!"));
    QCOMPARE(platform.messages.first().icon, MessageIcon::Exclamation);
    QVERIFY(platform.messages.first().text.contains(gone));
    QCOMPARE(driveShown(&chooser), a);
    QCOMPARE(chooser.folderPath(), a);
    QCOMPARE(fileNames(&chooser), QStringList{"a.bmp"});
    QCOMPARE(driveList(&chooser)->count(), listedAgain ? 2 : 1);
}

void TestGraphChooser::unreadableFolder()
{
    QVERIFY(QDir(work_).mkdir("sub"));
    QVERIFY(writeBytes(work("w.gif"), "x"));
    testing::FakePlatform platform;
    Form3 chooser(platform);
    chooser.show();
    QVERIFY(QDir(work("sub")).removeRecursively());

    openFolder(&chooser, "sub");

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().title, QStringLiteral("Dikkat!"));
    QVERIFY(platform.messages.first().text.contains(nativeClean(work("sub"))));
    QCOMPARE(chooser.folderPath(), nativeClean(work_));
    QCOMPARE(currentFolderCaption(&chooser), QFileInfo(work_).fileName());
    QCOMPARE(fileNames(&chooser), QStringList{"w.gif"});
}

void TestGraphChooser::machineDrives()
{
    const QList<DriveEntry> drives = mountedDrives();
    QVERIFY(!drives.isEmpty());
    for (const DriveEntry &drive : drives)
        QVERIFY2(QFileInfo(drive.root).isDir(), qPrintable(drive.root));

    testing::FakePlatform platform;
    Form3 chooser(platform);
    // The drive shown first is the one that holds the working folder.
    QCOMPARE(driveShown(&chooser), nativeClean(QStorageInfo(work_).rootPath()));
    QCOMPARE(chooser.folderPath(), nativeClean(work_));
}

void TestGraphChooser::changeGraph_data()
{
    QTest::addColumn<bool>("valuesWindowFirst");

    QTest::newRow("values window open") << true;
    QTest::newRow("no values window yet") << false;
}

void TestGraphChooser::changeGraph()
{
    QFETCH(bool, valuesWindowFirst);

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    const MainWindowControls &c = form.controls();
    DigitizerState &state = form.state();

    // The state a digitized line leaves behind.
    state.lineNumber = 4;
    state.pointCount = 9;
    state.refX0Pos = 1320;
    state.pointsFileName = "eski_4.txt";
    c.Label19->setText("eski_4.txt");
    int n = 1;
    for (QLineEdit *box : {c.Text1, c.Text2, c.Text3, c.Text4, c.Text5, c.Text6, c.Text7})
        box->setText(QString::number(n++));
    for (QLabel *label : {c.Label6, c.Label7, c.Label8, c.Label9})
        label->setText("1320");
    c.Check1->setChecked(true);
    c.Check2->setChecked(true);
    QWidget *const locked[] = {c.Command4, c.Command5, c.Command6, c.Command7, c.Text1,
                               c.Text2,    c.Text3,    c.Text4,    c.Label6,   c.Label7,
                               c.Label8,   c.Label9,   c.Check1,   c.Check2};
    for (QWidget *control : locked)
        control->setEnabled(false);
    QPointer<Form5> values;
    if (valuesWindowFirst) {
        values = qobject_cast<Form5 *>(form.windows().show(SecondaryWindow::Form5));
        QVERIFY(values);
        values->appendEntry("1   15,0   0,2");
    }
    const QSize canvasSize = c.Picture1->size();

    QWidget *chooser = openChooser(form);

    QVERIFY(chooser);
    QVERIFY(chooser->isVisible());
    QVERIFY(chooser->isWindow());
    QCOMPARE(state.lineNumber, 0);
    auto *valuesNow = qobject_cast<Form5 *>(form.windows().loaded(SecondaryWindow::Form5));
    QVERIFY(valuesNow);
    QCOMPARE(valuesNow->isVisible(), valuesWindowFirst);
    const QAbstractItemView *lines = valuesNow->findChild<QAbstractItemView *>("List1");
    QCOMPARE(lines->model()->rowCount(), valuesWindowFirst ? 1 : 0);
    for (QLineEdit *box : {c.Text1, c.Text2, c.Text3, c.Text4, c.Text6, c.Text7})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(c.Text5->text(), QStringLiteral("5"));
    QCOMPARE(c.Label6->text(), QStringLiteral("x0"));
    QCOMPARE(c.Label7->text(), QStringLiteral("y0"));
    QCOMPARE(c.Label8->text(), QStringLiteral("xL"));
    QCOMPARE(c.Label9->text(), QStringLiteral("yL"));
    QVERIFY(!c.Check1->isChecked());
    QVERIFY(!c.Check2->isChecked());
    for (QWidget *control : locked)
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    // What the command leaves alone.
    QCOMPARE(c.Label19->text(), QStringLiteral("eski_4.txt"));
    QCOMPARE(state.pointsFileName, std::string("eski_4.txt"));
    QCOMPARE(state.pointCount, 9);
    QCOMPARE(state.refX0Pos, 1320.0f);
    QCOMPARE(c.Picture1->size(), canvasSize);
    QVERIFY(platform.messages.isEmpty());
}

void TestGraphChooser::reopenedChooserKeepsItsPlace()
{
    QVERIFY(QDir(work_).mkdir("graphs"));
    QVERIFY(writeBytes(work("graphs/a.bmp"), encoded(solidImage(30, 20, Qt::red), "BMP")));
    QVERIFY(writeBytes(work("graphs/b.bmp"), encoded(solidImage(40, 30, Qt::blue), "BMP")));
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();

    QPointer<Form3> chooser = openChooser(form);
    QVERIFY(chooser);
    openFolder(chooser, "graphs");
    clickFile(chooser, "b.bmp");
    chooserButton(chooser, "Command1")->click();
    QVERIFY(!chooser->isVisible());

    QCOMPARE(openChooser(form), chooser.data());
    QVERIFY(chooser->isVisible());
    QCOMPARE(chooser->folderPath(), nativeClean(work("graphs")));
    QCOMPARE(currentFolderCaption(chooser), QStringLiteral("graphs"));
    QCOMPARE(fileNames(chooser), (QStringList{"a.bmp", "b.bmp"}));
    QCOMPARE(chooser->selectedFileName(), QStringLiteral("b.bmp"));
    QCOMPARE(driveShown(chooser), nativeClean(QStorageInfo(work_).rootPath()));
}

void TestGraphChooser::closedChooserStartsAfresh()
{
    QVERIFY(QDir(work_).mkdir("graphs"));
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();

    QPointer<Form3> first = openChooser(form);
    openFolder(first, "graphs");
    QCOMPARE(first->folderPath(), nativeClean(work("graphs")));
    QVERIFY(first->close());
    discardClosedWindows();
    QVERIFY(!first);

    Form3 *second = openChooser(form);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(second->folderPath(), nativeClean(work_));
}

void TestGraphChooser::threeClicksInTurn()
{
    struct Picture {
        QString name;
        QSize size;
        QRgb colour;
    };
    const Picture pictures[] = {
        {"a.bmp", QSize(120, 90), qRgb(255, 0, 0)},
        {"b.jpg", QSize(200, 150), qRgb(0, 255, 0)},
        {"c.gif", QSize(80, 60), qRgb(0, 0, 255)},
    };
    writePicture("a.bmp", encoded(solidImage(120, 90, QColor(255, 0, 0)), "BMP"));
    writePicture("b.jpg", encoded(solidImage(200, 150, QColor(0, 255, 0)), "JPEG"));
    writePicture("c.gif", testing::solidGif(80, 60, qRgb(0, 0, 255)));

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    const GraphCanvas *canvas = form.controls().Picture1;
    const QPoint corner = canvas->pos();
    Form3 *chooser = openChooser(form);

    for (const Picture &picture : pictures) {
        clickFile(chooser, picture.name);
        QCOMPARE(canvas->picture().size(), picture.size);
        QCOMPARE(canvas->size(), picture.size + QSize(4, 4));
        QCOMPARE(canvas->pos(), corner);
        const QColor shown = canvas->picture().pixelColor(picture.size.width() / 2,
                                                           picture.size.height() / 2);
        const QColor wanted(picture.colour);
        QVERIFY2(qAbs(shown.red() - wanted.red()) < 8 && qAbs(shown.green() - wanted.green()) < 8 &&
                     qAbs(shown.blue() - wanted.blue()) < 8,
                 qPrintable(picture.name));
        QCOMPARE(QString::fromStdString(form.state().graphPath),
                 nativeClean(work_) + QDir::separator() + picture.name);
    }
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(chooser->isVisible());
}

void TestGraphChooser::cancelAfterClick()
{
    writePicture("first.bmp", encoded(solidImage(60, 40, Qt::red), "BMP"));
    writePicture("second.gif", testing::solidGif(90, 70, qRgb(0, 0, 255)));
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    const MainWindowControls &c = form.controls();

    // A graph confirmed earlier names the file shown in Label19.
    Form3 *chooser = openChooser(form);
    clickFile(chooser, "first.bmp");
    chooserButton(chooser, "Command1")->click();
    QCOMPARE(c.Label19->text(), QStringLiteral("first_0.txt"));

    openChooser(form);
    clickFile(chooser, "second.gif");
    QCOMPARE(c.Picture1->picture().size(), QSize(90, 70));
    chooserButton(chooser, "Command2")->click();

    QVERIFY(!chooser->isVisible());
    QVERIFY(form.isVisible());
    // The confirmed picture is back with its path, so the names belong to the picture shown.
    QCOMPARE(c.Picture1->picture().size(), QSize(60, 40));
    QCOMPARE(c.Picture1->size(), QSize(64, 44));
    QCOMPARE(c.Picture1->picture().pixelColor(30, 20), QColor(Qt::red));
    QCOMPARE(QString::fromStdString(form.state().graphPath),
             nativeClean(work_) + QDir::separator() + "first.bmp");
    QCOMPARE(chooser->selectedFileName(), QStringLiteral("first.bmp"));
    QCOMPARE(form.state().lineNumber, 0);
    for (QLineEdit *box : {c.Text1, c.Text2, c.Text3, c.Text4})
        QVERIFY(box->text().isEmpty());
    QCOMPARE(c.Label19->text(), QStringLiteral("first_0.txt"));
    QCOMPARE(form.state().pointsFileName, std::string("first_0.txt"));

    // Closing by the frame abandons the choice alike; before any confirmed graph the start
    // picture comes back, with no path.
    openChooser(form);
    clickFile(chooser, "second.gif");
    QVERIFY(chooser->close());
    discardClosedWindows();
    QCOMPARE(c.Picture1->picture().size(), QSize(60, 40));
    QCOMPARE(QString::fromStdString(form.state().graphPath),
             nativeClean(work_) + QDir::separator() + "first.bmp");

    Form1 fresh(platform);
    fresh.startUp();
    const QImage start = fresh.controls().Picture1->picture();
    Form3 *freshChooser = openChooser(fresh);
    clickFile(freshChooser, "second.gif");
    chooserButton(freshChooser, "Command2")->click();
    QCOMPARE(fresh.controls().Picture1->picture(), start);
    QVERIFY(fresh.state().graphPath.empty());
    QCOMPARE(freshChooser->selectedFileName(), QString());
    QVERIFY(platform.messages.isEmpty());
}

void TestGraphChooser::enterAndEscapeDoNothingSpecial()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    Form3 *chooser = openChooser(form);

    for (const char *name : {"Drive1", "Dir1", "File1", "Command2"}) {
        QWidget *control = chooser->findChild<QWidget *>(name);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(control, key);
            QVERIFY2(chooser->isVisible(), name);
        }
    }
    // "Tamam" with no picture clicked would ask for one: Enter does not press it.
    QTest::keyClick(chooserButton(chooser, "Command1"), Qt::Key_Return);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(chooser->isVisible());
}

void TestGraphChooser::joinGraphPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("joined");

    QTest::newRow("root folder") << "/" << QChar('/') << "//x.bmp";
    QTest::newRow("drive root") << "C:\\" << QChar('\\') << "C:\\\\x.bmp";
    QTest::newRow("folder") << "/home/u" << QChar('/') << "/home/u/x.bmp";
    QTest::newRow("drive folder") << "C:\\Grafikler" << QChar('\\') << "C:\\Grafikler\\x.bmp";
}

void TestGraphChooser::joinGraphPath()
{
    QFETCH(QString, folder);
    QFETCH(QChar, separator);
    QFETCH(QString, joined);

    QCOMPARE(tarlen::joinGraphPath(folder, separator, "x.bmp"), joined);
}

void TestGraphChooser::clickedPathJoinsFolderAndName()
{
    // A standalone chooser tells which path a click on a name gives.
    QVERIFY(QDir(work_).mkdir("şekiller"));
    QVERIFY(writeBytes(work("şekiller/eğri.JPG"), "x"));
    testing::FakePlatform platform;
    Form3 chooser(platform);
    chooser.show();
    QStringList clicked;
    connect(&chooser, &Form3::fileClicked, this, [&clicked](const QString &path) {
        clicked.append(path);
    });

    openFolder(&chooser, "şekiller");
    clickFile(&chooser, "eğri.JPG");

    QCOMPARE(clicked, QStringList{nativeClean(work("şekiller")) + QDir::separator() +
                                  QStringLiteral("eğri.JPG")});
}

void TestGraphChooser::goodPictureVariants_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    const QImage solid = solidImage(50, 30, QColor(200, 40, 40));
    QTest::newRow("24-bit bmp") << "a.bmp" << encoded(solid, "BMP");
    QImage indexed = solid.convertToFormat(QImage::Format_Indexed8);
    QTest::newRow("8-bit palette bmp") << "b.bmp" << encoded(indexed, "BMP");
    QTest::newRow("top-down bmp") << "c.bmp" << testing::topDownBmp(solid);
    QTest::newRow("jpeg") << "d.jpg" << encoded(solid, "JPEG");
    QTest::newRow("progressive jpeg") << "e.jpg" << encoded(solid, "JPEG", true);
    QTest::newRow("jpeg with bytes after its end")
        << "f.jpg" << encoded(solid, "JPEG") + QByteArray("trailing bytes");
    QTest::newRow("gif") << "g.gif" << testing::solidGif(50, 30, qRgb(200, 40, 40));
    QTest::newRow("png") << "i.png" << encoded(solid, "PNG");
    QTest::newRow("grey png")
        << "j.PNG"
        << encoded(solidImage(50, 30, QColor(200, 200, 200))
                       .convertToFormat(QImage::Format_Grayscale8),
                   "PNG");
    QTest::newRow("tiff") << "k.tiff" << testing::tiffPages({{QSize(50, 30), qRgb(200, 40, 40)}});
    QTest::newRow("tiff written by Qt") << "l.TIF" << encoded(solid, "TIFF");
    QTest::newRow("bmp under a jpg name") << "m.jpg" << encoded(solid, "BMP");
    QTest::newRow("gif with an extension block")
        << "h.gif"
        << testing::gifBytes(50, 30, qRgb(200, 40, 40), qRgb(0, 0, 0),
                             [](int, int) { return false; }, true);
}

void TestGraphChooser::goodPictureVariants()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    writePicture(name, bytes);
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    Form3 *chooser = openChooser(form);

    clickFile(chooser, name);

    QVERIFY2(platform.messages.isEmpty(),
             qPrintable(platform.messages.value(0).text));
    QCOMPARE(form.controls().Picture1->picture().size(), QSize(50, 30));
    QVERIFY(qAbs(form.controls().Picture1->picture().pixelColor(25, 15).red() - 200) < 8);
    QVERIFY(QString::fromStdString(form.state().graphPath).endsWith(name));
}

void TestGraphChooser::badPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("tooLarge");

    const QImage picture = solidImage(64, 48, QColor(10, 120, 200));
    const QByteArray bmp = encoded(picture, "BMP");
    const QByteArray jpeg = encoded(picture, "JPEG");
    const QByteArray gif = testing::solidGif(64, 48, qRgb(10, 120, 200));

    QTest::newRow("empty bmp") << "bos.bmp" << QByteArray() << false;
    QTest::newRow("empty jpeg") << "bos.jpg" << QByteArray() << false;
    QTest::newRow("empty gif") << "bos.gif" << QByteArray() << false;
    QTest::newRow("bmp cut in half") << "yarim.bmp" << bmp.left(bmp.size() / 2) << false;
    QTest::newRow("bmp header alone") << "baslik.bmp" << bmp.left(54) << false;
    QTest::newRow("jpeg cut in half") << "yarim.jpg" << jpeg.left(jpeg.size() / 2) << false;
    QTest::newRow("jpeg without its end") << "sonsuz.jpg" << jpeg.chopped(2) << false;
    QTest::newRow("gif cut in half") << "yarim.gif" << gif.left(gif.size() / 2) << false;
    const QByteArray png = encoded(picture, "PNG");
    QTest::newRow("png cut in half") << "yarim.png" << png.left(png.size() / 2) << false;
    QTest::newRow("text under a jpg name") << "metin.jpg" << QByteArray("not a picture") << false;
    QTest::newRow("text under a png name") << "metin.png" << QByteArray("not a picture") << false;
    QTest::newRow("too large bmp") << "dev.bmp" << testing::bmpHeaderOnly(20000, 8000) << true;
}

void TestGraphChooser::badPicture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, tooLarge);

    writePicture("iyi.bmp", encoded(solidImage(70, 50, Qt::green), "BMP"));
    writePicture(name, bytes);
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    const GraphCanvas *canvas = form.controls().Picture1;
    Form3 *chooser = openChooser(form);
    clickFile(chooser, "iyi.bmp");
    const QImage shown = canvas->picture();
    const QSize canvasSize = canvas->size();
    const std::string graphPath = form.state().graphPath;
    QVERIFY(platform.messages.isEmpty());

    clickFile(chooser, name);

    QCOMPARE(platform.messages.size(), 1);
    const auto &message = platform.messages.first();
    QCOMPARE(message.title, QStringLiteral("Dikkat!"));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QVERIFY2(message.text.contains(name), qPrintable(message.text));
    QCOMPARE(message.text.contains(QStringLiteral("çok büyük")), tooLarge);
    // The refusal names the real limit.
    QCOMPARE(message.text.contains(QStringLiteral("150 milyon")), tooLarge);
    QCOMPARE(canvas->size(), canvasSize);
    QCOMPARE(canvas->picture(), shown);
    QCOMPARE(form.state().graphPath, graphPath);
    QVERIFY(chooser->isVisible());
}

void TestGraphChooser::fileGoneSinceListing()
{
    writePicture("iyi.bmp", encoded(solidImage(70, 50, Qt::green), "BMP"));
    writePicture("gidecek.png", encoded(solidImage(30, 20, Qt::red), "PNG"));
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    Form3 *chooser = openChooser(form);
    clickFile(chooser, "iyi.bmp");
    QVERIFY(QFile::remove(work("gidecek.png")));

    clickFile(chooser, "gidecek.png");

    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages.first().text.contains(QStringLiteral("gidecek.png")) &&
                 platform.messages.first().text.contains(QStringLiteral("artık yok")),
             qPrintable(platform.messages.first().text));
    QCOMPARE(form.controls().Picture1->picture().size(), QSize(70, 50));
    QVERIFY(QString::fromStdString(form.state().graphPath).endsWith(QStringLiteral("iyi.bmp")));
}

QTEST_MAIN(TestGraphChooser)
#include "tst_graph_chooser.moc"
