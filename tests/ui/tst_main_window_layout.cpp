#include "tests/support/fake_platform.h"
#include "tests/ui/button_faces.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/picture_box.h"
#include "ui/main/form1.h"
#include "ui/windows/form6_pointer_selection.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tarlen;

namespace {

QString captionOf(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

// The width the control gives its caption.
int captionRoom(QWidget *widget)
{
    if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        return check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    }
    if (auto *option = qobject_cast<QRadioButton *>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        return option->style()
            ->subElementRect(QStyle::SE_RadioButtonContents, &style, option)
            .width();
    }
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .width();
    }
    return widget->contentsRect().width();
}

QImage pictureOf(const QWidget *widget)
{
    return qobject_cast<const PictureBox *>(widget)->picture().toImage();
}

} // namespace

class TestMainWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void storedControls_data();
    void storedControls();
    void placedAroundTheCanvas_data();
    void placedAroundTheCanvas();
    void startUpPictures();
    void colours_data();
    void colours();
    void colouredButtonFacesAreFlat_data();
    void colouredButtonFacesAreFlat();
    void captionsFitTheirControls();
    void hiddenY2Group();
    void largerPictureGrowsRightAndDown();
    void tabOrderSkipsTheHiddenGroup();
    void accessKeysClickTheirButtons_data();
    void accessKeysClickTheirButtons();

private:
    QTemporaryDir dir_;
};

void TestMainWindowLayout::initTestCase()
{
    QVERIFY(dir_.isValid());
    QDir::setCurrent(dir_.path());
}

void TestMainWindowLayout::storedControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    const auto row = [](const char *name, const char *caption, QRect geometry) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption) << geometry;
    };
    row("Command3", "&Grafik Değiştir", {16, 16, 122, 25});
    row("Command8", "İlk / &Başka Çizgi", {16, 40, 122, 25});
    row("Command15", "Simgeleri Temizle", {16, 88, 122, 25});
    row("Command2", "ÇI&KIŞ", {16, 184, 122, 25});
    row("Frame2", "Simge", {16, 224, 122, 223});
    row("Picture2", "", {16, 16, 26, 151});
    row("Picture5", "", {64, 24, 21, 21});
    row("Label20", "1", {56, 88, 17, 17});
    row("VScroll1", "", {80, 80, 17, 25});
    row("Picture3", "", {72, 344, 50, 47});
    row("Picture4", "", {26, 400, 99, 35});
    row("Frame1", "İşaretçi ", {16, 448, 122, 54});
    row("Option2", "", {44, 16, 33, 33});
    row("Frame4", "y ekseni", {16, 608, 121, 89});
    row("Option9", "0.000E+00", {16, 48, 89, 13});
    row("Command14", "Kaydet", {24, 64, 73, 21});
    row("Command18", " Windows Büyüteci", {160, 628, 57, 69});
    row("Label3", "Dosya adı :  ", {168, 8, 57, 25});
    row("Label4", "Label4", {248, 24, 41, 17});
    row("Text6", " ", {456, 20, 73, 19});
    row("Label15", "Çizgi : ", {672, 24, 41, 17});
    row("Label16", "0", {712, 24, 41, 17});
    row("Picture1", "", {224, 48, 512, 353});
    row("Text4", "", {166, 48, 49, 24});
    row("Label9", "y1", {170, 74, 41, 17});
    row("Command7", "y1 Ata", {166, 88, 49, 25});
    row("Command4", "xO Ata", {280, 656, 49, 25});
    row("Line1", "", {152, 0, 1, 737});
}

void TestMainWindowLayout::storedControls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    testing::FakePlatform platform;
    Form1 form(platform);
    auto *control = form.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(captionOf(control), caption);
    QCOMPARE(control->geometry(), geometry);
}

void TestMainWindowLayout::placedAroundTheCanvas_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    // The sample graph's canvas spans 224..736 across and 48..401 down.
    const auto row = [](const char *name, QRect geometry) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry;
    };
    row("Picture1", {224, 48, 512, 353});
    row("Text3", {687, 411, 49, 24});
    row("Command6", {687, 451, 49, 25});
    row("Label8", {695, 436, 41, 17});
    row("Text1", {224, 411, 49, 24});
    row("Command4", {224, 451, 49, 25});
    row("Label6", {236, 436, 33, 17});
    row("Text2", {165, 377, 49, 24});
    row("Command5", {165, 335, 49, 25});
    row("Label7", {174, 362, 33, 17});
    row("Text5", {746, 48, 49, 24});
    row("Label10", {761, 73, 41, 17});
    row("Command12", {746, 88, 49, 25});
    row("Check1", {380, 421, 81, 17});
    row("Check2", {490, 421, 81, 17});
    row("Text4", {166, 48, 49, 24});
}

void TestMainWindowLayout::placedAroundTheCanvas()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    auto *control = form.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
}

void TestMainWindowLayout::startUpPictures()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();

    const Form6 store;
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Label20"))->text(), QStringLiteral("2"));
    QCOMPARE(pictureOf(form.findChild<QWidget *>(QStringLiteral("Picture5"))),
             store.picture(StorePicture::Picture18).toImage());
    QCOMPARE(pictureOf(form.findChild<QWidget *>(QStringLiteral("Picture4"))),
             store.picture(StorePicture::Picture9).toImage());
    QCOMPARE(pictureOf(form.findChild<QWidget *>(QStringLiteral("Picture3"))),
             store.picture(StorePicture::Picture4).toImage());
}

void TestMainWindowLayout::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");

    const auto row = [](const char *name, QPalette::ColorRole role, QRgb colour) {
        QTest::newRow(name) << QString::fromLatin1(name) << int(role) << QColor(colour);
    };
    row("Command3", QPalette::Button, 0xFF80FF80);
    row("Command2", QPalette::Button, 0xFFFF8080);
    row("Command18", QPalette::Button, 0xFFFFFFE1);
    row("Label21", QPalette::WindowText, 0xFF008000);
    row("Label15", QPalette::WindowText, 0xFF008080);
    row("Text2", QPalette::Text, 0xFFFF0000);
    row("Frame3", QPalette::Text, 0xFF000080);
    row("Option5", QPalette::WindowText, 0xFF000000);
}

void TestMainWindowLayout::colours()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);

    testing::FakePlatform platform;
    Form1 form(platform);
    auto *control = form.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->palette().color(static_cast<QPalette::ColorRole>(role)), colour);
}

void TestMainWindowLayout::colouredButtonFacesAreFlat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("face");

    QTest::newRow("Command3") << QStringLiteral("Command3") << QColor(128, 255, 128);
    QTest::newRow("Command2") << QStringLiteral("Command2") << QColor(255, 128, 128);
    QTest::newRow("Command13") << QStringLiteral("Command13") << QColor(212, 208, 200);
    QTest::newRow("Command14") << QStringLiteral("Command14") << QColor(212, 208, 200);
    QTest::newRow("Command18") << QStringLiteral("Command18") << QColor(255, 255, 225);
}

void TestMainWindowLayout::colouredButtonFacesAreFlat()
{
    QFETCH(QString, name);
    QFETCH(QColor, face);

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    auto *button = form.findChild<QAbstractButton *>(name);
    QVERIFY(button);

    verifyFlatButtonFace(*button, face);
}

void TestMainWindowLayout::captionsFitTheirControls()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();

    for (QWidget *control : form.findChildren<QWidget *>()) {
        // Trailing blanks take no visible room.
        QString caption = captionOf(control);
        caption.remove(QLatin1Char('&'));
        while (caption.endsWith(QLatin1Char(' ')))
            caption.chop(1);
        if (caption.trimmed().isEmpty() || qobject_cast<QGroupBox *>(control) ||
            qobject_cast<QLineEdit *>(control))
            continue;
        const QFontMetrics metrics(control->font());
        int needed = metrics.horizontalAdvance(caption);
        // The magnifier button wraps its caption word by word under its picture.
        if (control->objectName() == u"Command18") {
            needed = 0;
            for (const QString &word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                needed = std::max(needed, metrics.horizontalAdvance(word));
        }
        QVERIFY2(needed <= captionRoom(control),
                 qPrintable(QStringLiteral("%1 needs %2 pixels, has %3")
                                .arg(control->objectName())
                                .arg(needed)
                                .arg(captionRoom(control))));
    }
}

void TestMainWindowLayout::hiddenY2Group()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();

    for (const char *name : {"Text5", "Label10", "Command12"}) {
        auto *control = form.findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY(control);
        QVERIFY2(!control->isVisible(), name);
        QVERIFY2(control->isEnabled(), name);
    }
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text5"))->text(), QStringLiteral("1"));
}

void TestMainWindowLayout::largerPictureGrowsRightAndDown()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    auto *canvas = form.findChild<GraphCanvas *>(QStringLiteral("Picture1"));

    QImage larger(700, 500, QImage::Format_RGB32);
    larger.fill(Qt::gray);
    canvas->setPicture(larger);

    QCOMPARE(canvas->geometry(), QRect(224, 48, 704, 504));
    QCOMPARE(canvas->drawingLayer().size(), QSize(700, 500));
}

void TestMainWindowLayout::tabOrderSkipsTheHiddenGroup()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // The focus chain of the visible controls that take focus by Tab.
    const QStringList order = {
        "Picture1",  "Command2", "Command3",  "Command4",  "Command5",  "Command6",  "Command7",
        "Text1",     "Text2",    "Text3",     "Text4",     "Check1",    "Check2",    "Command8",
        "Command9",  "Command1", "Command10", "Command11", "Option1",   "Option2",   "Option3",
        "Picture2",  "VScroll1", "Picture3",  "Picture4",  "Picture5",  "Option4",   "Option5",
        "Option6",   "Option7",  "Option8",   "Option9",   "Command13", "Command14", "Command15",
        "Command18", "Text6",    "Text7"};
    QWidget *canvas = form.findChild<QWidget *>(QStringLiteral("Picture1"));
    QStringList chain;
    for (QWidget *w = canvas; chain.isEmpty() || w != canvas; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&form))
            chain.append(w->objectName());
    }
    QCOMPARE(chain, order);

    // Tabbing round the window twice reaches the last control but never the hidden y2 group;
    // an option group takes one stop, as keyboard users expect.
    canvas->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 2 * int(order.size()); ++i) {
        QWidget *focused = form.focusWidget();
        QVERIFY(focused);
        visited.append(focused->objectName());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QVERIFY(visited.contains(QStringLiteral("Text7")));
    QVERIFY(visited.contains(QStringLiteral("Option4")) ||
            visited.contains(QStringLiteral("Option5")));
    QVERIFY(!visited.contains(QStringLiteral("Command12")));
    QVERIFY(!visited.contains(QStringLiteral("Text5")));
}

void TestMainWindowLayout::accessKeysClickTheirButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");

    QTest::newRow("Alt+K exit") << QStringLiteral("Command2") << int(Qt::Key_K);
    QTest::newRow("Alt+G chooser") << QStringLiteral("Command3") << int(Qt::Key_G);
    QTest::newRow("Alt+B next line") << QStringLiteral("Command8") << int(Qt::Key_B);
    QTest::newRow("Alt+N delete point") << QStringLiteral("Command1") << int(Qt::Key_N);
    QTest::newRow("Alt+F different axis") << QStringLiteral("Command11") << int(Qt::Key_F);
    QTest::newRow("Alt+U user guide") << QStringLiteral("Command9") << int(Qt::Key_U);
    QTest::newRow("Alt+A address") << QStringLiteral("Command10") << int(Qt::Key_A);
}

void TestMainWindowLayout::accessKeysClickTheirButtons()
{
    QFETCH(QString, name);
    QFETCH(int, key);

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *button = form.findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->shortcut(), QKeySequence(Qt::ALT | static_cast<Qt::Key>(key)));

    QSignalSpy clicked(button, &QPushButton::clicked);
    // Sent through the window, as the desktop delivers keys, so that shortcuts see it.
    QTest::keyClick(form.windowHandle(), static_cast<Qt::Key>(key), Qt::AltModifier);
    // An access key presses the button visibly first and clicks it a moment later.
    QTRY_COMPARE(clicked.count(), 1);
    QCOMPARE(platform.endProgramCalls, name == u"Command2" ? 1 : 0);
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_main_window_layout.moc"
