#include "tests/ui/button_faces.h"
#include "ui/commands/form2_different_axis.h"
#include "ui/windows/address_form.h"
#include "ui/windows/form4_user_guide.h"
#include "ui/windows/form5_values.h"
#include "ui/windows/picture_store.h"
#include "ui/windows/user_guide_text.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <memory>

using namespace tarlen;

namespace {

std::unique_ptr<QWidget> makeWindow(const QString &name)
{
    if (name == u"Form5")
        return std::make_unique<Form5>();
    if (name == u"Form2")
        return std::make_unique<Form2>();
    if (name == u"Form4")
        return std::make_unique<Form4>();
    if (name == u"AddressForm")
        return std::make_unique<AddressForm>();
    return nullptr;
}

QWidget *control(QWidget *window, const QString &name)
{
    return window->findChild<QWidget *>(name);
}

QString captionOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    return {};
}

// Where a label's caption is drawn, in its window's coordinates.
QRect textArea(QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const QRect room = label->contentsRect();
    const QSize size = label->wordWrap()
                           ? QSize(room.width(), label->heightForWidth(label->width()))
                           : QSize(metrics.horizontalAdvance(label->text()), metrics.height());
    return QRect(label->geometry().topLeft() + room.topLeft(), size);
}

// Pixels of exactly this colour inside rect of the image.
int pixelsOf(const QImage &image, const QRect &rect, const QColor &color)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y).rgb() == color.rgb())
                ++count;
    return count;
}

const QString kBlocks = QStringLiteral("\u2588\u2588\u2588\u2588\u2588\u2588");

} // namespace

class TestSecondaryWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void windowFrame_data();
    void windowFrame();
    void controlLayout_data();
    void controlLayout();
    void captionFits_data();
    void captionFits();
    void closeButtonHides_data();
    void closeButtonHides();

    void valuesListKeepsOrderAndSelectsLast();
    void valuesListColourAppliesToEveryLine();
    void lineColor_data();
    void lineColor();
    void valuesWindowShowsWithoutActivating();

    void noticeTexts();
    void noticeHiddenButtonIsOutOfReach();

    void guideTextLines();
    void guideTextMentions_data();
    void guideTextMentions();
    void guideTextCannotBeEditedButSelected();
    void colouredButtonFacesAreFlat_data();
    void colouredButtonFacesAreFlat();
    void guideReopensAsItWasLeft_data();
    void guideReopensAsItWasLeft();

    void addressBackground();
};

void TestSecondaryWindows::initTestCase()
{
    // The design fonts are seldom installed; the program maps them the same way.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

void TestSecondaryWindows::windowFrame_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("place"); // (-1, -1): left to the desktop

    const auto row = [](const char *window, const QString &caption, QSize client, QPoint place) {
        QTest::addRow("%s", window) << QString::fromLatin1(window) << caption << client << place;
    };
    row("Form5", QStringLiteral("Değerler"), QSize(210, 169), QPoint(741, 232));
    row("Form2", QStringLiteral("Farklı Eksen Tanımla"), QSize(418, 193), QPoint(-1, -1));
    row("Form4", QStringLiteral("Tarlen Kullanma Kılavuzu"), QSize(969, 591), QPoint(-1, -1));
    row("AddressForm", QStringLiteral("Yazarın Adresleri"), QSize(636, 282), QPoint(162, 79));
}

void TestSecondaryWindows::windowFrame()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QPoint, place);

    const auto form = makeWindow(window);
    QCOMPARE(form->objectName(), window);
    QVERIFY(form->isWindow());
    QCOMPARE(form->parentWidget(), nullptr);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->size(), client);
    if (place != QPoint(-1, -1))
        QCOMPARE(form->geometry().topLeft(), place);
    QCOMPARE(form->windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_RGB32),
             drawWindowIcon().convertToFormat(QImage::Format_RGB32));
}

void TestSecondaryWindows::controlLayout_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry"); // pixels in the client area
    QTest::addColumn<QString>("caption"); // null: the control has none

    const auto row = [](const char *window, const char *name, QRect geometry,
                        const QString &caption = {}) {
        QTest::addRow("%s/%s", window, name)
            << QString::fromLatin1(window) << QString::fromLatin1(name) << geometry << caption;
    };
    row("Form5", "Label3", QRect(16, 24, 33, 17), QStringLiteral("Nokta"));
    row("Form5", "Label1", QRect(56, 24, 57, 17), QStringLiteral("x değeri:"));
    row("Form5", "Label2", QRect(112, 24, 49, 17), QStringLiteral("y değeri:"));
    row("Form5", "List1", QRect(16, 40, 177, 108));

    row("Form2", "Label1", QRect(32, 24, 353, 57));
    row("Form2", "Label2", QRect(32, 96, 361, 25));
    row("Form2", "Command2", QRect(168, 144, 97, 33), QStringLiteral("Geri dön"));

    row("Form4", "Command1", QRect(72, 528, 193, 33), QStringLiteral("Bu Pencereyi &Kapat"));
    row("Form4", "Text5", QRect(16, 64, 313, 417));
    row("Form4", "Label2", QRect(24, 496, 401, 17),
        QStringLiteral("Öneri ve eleştirilerinizi programın yazarına iletirseniz seviniriz."));
    // The guide picture with its 2-pixel sunken border, or the empty box of the same size.
    row("Form4", "Picture1", QRect(344, 16, 639, 537));
    row("Form4", "Label1", QRect(16, 16, 265, 41),
        QStringLiteral("Kullanma Kılavuzu ve") + QString(19, u' ')
            + QStringLiteral("yazılımın bazı özellikleri:"));

    // Picture boxes and images take their pictures' sizes.
    row("AddressForm", "Picture1", QRect(320, 17, 286, 203));
    row("AddressForm", "Command1", QRect(112, 216, 153, 49), QStringLiteral("Bu Pencereyi &Kapat"));
    row("AddressForm", "Image5", QRect(64, 8, 243, 202));
    row("AddressForm", "Image3", QRect(28, 48, 32, 32));
    row("AddressForm", "Image1", QRect(29, 115, 32, 32));
    row("AddressForm", "Image2", QRect(29, 160, 32, 32));
}

void TestSecondaryWindows::controlLayout()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);

    const auto form = makeWindow(window);
    QWidget *widget = ::control(form.get(), control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), form.get());
    QCOMPARE(widget->geometry(), geometry);
    if (!caption.isNull())
        QCOMPARE(captionOf(widget), caption);
}

void TestSecondaryWindows::captionFits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("lines"); // for labels

    const auto row = [](const char *window, const char *name, int lines) {
        QTest::addRow("%s/%s", window, name)
            << QString::fromLatin1(window) << QString::fromLatin1(name) << lines;
    };
    row("Form5", "Label3", 1);
    row("Form5", "Label1", 1);
    row("Form5", "Label2", 1);
    row("Form2", "Label1", 2);
    row("Form2", "Label2", 1);
    row("Form2", "Command2", 1);
    row("Form4", "Command1", 1);
    row("Form4", "Label2", 1);
    row("Form4", "Label1", 2);
    row("AddressForm", "Command1", 1);
}

void TestSecondaryWindows::captionFits()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, lines);

    const auto form = makeWindow(window);
    QWidget *widget = ::control(form.get(), control);
    QVERIFY(widget);
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QVERIFY2(button->sizeHint().width() <= button->width(), "caption wider than button");
        QVERIFY2(button->sizeHint().height() <= button->height(), "caption taller than button");
        return;
    }
    auto *label = qobject_cast<QLabel *>(widget);
    QVERIFY(label);
    const QRect room = label->contentsRect();
    const QRect text = textArea(label);
    QVERIFY2(text.width() <= room.width(), "caption cut");
    QVERIFY2(text.height() <= room.height(), "caption cut at the bottom");
    QCOMPARE(qRound(double(text.height()) / label->fontMetrics().lineSpacing()), lines);

    // The text itself must not run under another control or another caption of the window.
    for (QWidget *other : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other == label || other->isHidden())
            continue;
        auto *otherLabel = qobject_cast<QLabel *>(other);
        const QRect taken = otherLabel && !otherLabel->text().isEmpty() ? textArea(otherLabel)
                                                                        : other->geometry();
        QVERIFY2(!text.intersects(taken), qPrintable(other->objectName()));
    }
}

void TestSecondaryWindows::closeButtonHides_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("useAccessKey");
    QTest::addColumn<bool>("asksForMainWindow");

    QTest::newRow("Form2/Command2 click") << "Form2" << "Command2" << false << true;
    QTest::newRow("Form4/Command1 click") << "Form4" << "Command1" << false << false;
    QTest::newRow("Form4/Command1 Alt+K") << "Form4" << "Command1" << true << false;
    QTest::newRow("AddressForm/Command1 click") << "AddressForm" << "Command1" << false << true;
    QTest::newRow("AddressForm/Command1 Alt+K") << "AddressForm" << "Command1" << true << true;
}

void TestSecondaryWindows::closeButtonHides()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(bool, useAccessKey);
    QFETCH(bool, asksForMainWindow);

    const auto form = makeWindow(window);
    const bool hasSignal = form->metaObject()->indexOfSignal("mainWindowRequested()") >= 0;
    QCOMPARE(hasSignal, asksForMainWindow);
    std::unique_ptr<QSignalSpy> spy;
    if (hasSignal)
        spy = std::make_unique<QSignalSpy>(form.get(), SIGNAL(mainWindowRequested()));

    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto *pushButton = qobject_cast<QPushButton *>(control(form.get(), button));
    QVERIFY(pushButton);
    if (useAccessKey)
        QTest::keyClick(form.get(), Qt::Key_K, Qt::AltModifier);
    else
        QTest::mouseClick(pushButton, Qt::LeftButton);

    QTRY_VERIFY(!form->isVisible()); // an access key clicks the button after a short flash
    if (spy)
        QCOMPARE(spy->count(), 1);
}

void TestSecondaryWindows::valuesListKeepsOrderAndSelectsLast()
{
    Form5 form;
    auto *list = form.findChild<QAbstractItemView *>(QStringLiteral("List1"));
    QVERIFY(list);
    const QAbstractItemModel *lines = list->model();
    QCOMPARE(lines->rowCount(), 0);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // More lines than the list shows, in an order that sorting would change.
    QStringList entries;
    for (int i = 20; i >= 1; --i)
        entries << QStringLiteral("%1   %2,5   %3,25").arg(i).arg(i * 3).arg(100 - i);
    for (const QString &entry : entries) {
        form.appendEntry(entry);
        QCOMPARE(list->currentIndex().row(), lines->rowCount() - 1);
    }
    form.clearDrawingSurface();

    QStringList shown;
    for (int i = 0; i < lines->rowCount(); ++i)
        shown << lines->index(i, 0).data().toString();
    QCOMPARE(shown, entries);
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first(), lines->index(lines->rowCount() - 1, 0));
    QVERIFY(list->viewport()->rect().contains(list->visualRect(lines->index(19, 0))));
    QVERIFY(!list->viewport()->rect().intersects(list->visualRect(lines->index(0, 0))));
}

void TestSecondaryWindows::valuesListColourAppliesToEveryLine()
{
    Form5 form;
    auto *list = form.findChild<QAbstractItemView *>(QStringLiteral("List1"));
    QVERIFY(list);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const auto lineColours = [&](const QColor &colour) {
        // The current and the selected line are drawn over a highlight; take both away.
        list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        QCoreApplication::processEvents(); // lets the list lay out lines just added
        const QImage image = list->viewport()->grab().toImage();
        QList<bool> coloured;
        const QAbstractItemModel *lines = list->model();
        for (int i = 0; i < lines->rowCount(); ++i)
            coloured << (pixelsOf(image, list->visualRect(lines->index(i, 0)), colour) > 0);
        return coloured;
    };
    const QColor teal = *Form5::lineColor(3);
    const QColor maroon = *Form5::lineColor(4);

    form.appendEntry(kBlocks);
    form.appendEntry(kBlocks);
    QCOMPARE(lineColours(teal), QList<bool>({false, false}));

    form.setListTextColor(teal);
    form.appendEntry(kBlocks);
    QCOMPARE(lineColours(teal), QList<bool>({true, true, true}));

    form.setListTextColor(maroon);
    QCOMPARE(lineColours(maroon), QList<bool>({true, true, true}));
    QCOMPARE(lineColours(teal), QList<bool>({false, false, false}));
}

void TestSecondaryWindows::lineColor_data()
{
    QTest::addColumn<int>("lineNumber");
    QTest::addColumn<QColor>("expected"); // invalid: no colour, the list keeps its own

    const auto row = [](int line, QColor colour) {
        QTest::addRow("line %d", line) << line << colour;
    };
    row(1, QColor(0, 0, 128));
    row(2, QColor(0, 128, 0));
    row(3, QColor(0, 128, 128));
    row(4, QColor(128, 0, 0));
    row(5, QColor(128, 0, 128));
    row(6, QColor(128, 128, 0));
    row(7, QColor(192, 192, 192));
    row(8, QColor(128, 128, 128));
    row(9, QColor());
    row(10, QColor());
    row(32767, QColor());
    row(0, QColor());
    row(-1, QColor());
}

void TestSecondaryWindows::lineColor()
{
    QFETCH(int, lineNumber);
    QFETCH(QColor, expected);

    const std::optional<QColor> colour = Form5::lineColor(static_cast<std::int16_t>(lineNumber));
    QCOMPARE(colour.has_value(), expected.isValid());
    if (colour)
        QCOMPARE(colour->rgb(), expected.rgb());
}

void TestSecondaryWindows::valuesWindowShowsWithoutActivating()
{
    // The offscreen platform activates every window it shows, so only the request that a real
    // desktop honours can be seen here.
    Form5 form;
    QVERIFY(form.testAttribute(Qt::WA_ShowWithoutActivating));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.testAttribute(Qt::WA_ShowWithoutActivating));
}

void TestSecondaryWindows::noticeTexts()
{
    Form2 form;
    auto *label1 = form.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *label2 = form.findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(label1 && label2);
    QCOMPARE(label1->text(), QStringLiteral("Farklı bir eksen tanımlamak için \n"
                                            "başlangıç ve bitiş değerlerini atamalısınız. "));
    QVERIFY(label1->wordWrap());
    QCOMPARE(label2->text(), QStringLiteral("Değiştirilmeyen değerler aynen atanır."));
    QCOMPARE(label1->font().pointSizeF(), 12.0);
    QVERIFY(label1->font().bold());
    QCOMPARE(label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void TestSecondaryWindows::noticeHiddenButtonIsOutOfReach()
{
    Form2 form;
    auto *hidden = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(hidden);
    QCOMPARE(hidden->text(), QStringLiteral("Command1"));
    QVERIFY(!form.rect().intersects(hidden->geometry()));

    QSignalSpy spy(&form, &Form2::mainWindowRequested);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(form.focusWidget() != hidden);
        QTest::keyClick(&form, Qt::Key_Tab);
    }
    QVERIFY(form.isVisible());
    QCOMPARE(spy.count(), 0);
}

void TestSecondaryWindows::guideTextLines()
{
    const QString text = userGuideText();
    QVERIFY(text.startsWith(QStringLiteral("İşlem Sırası:\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (const QString &line : lines)
        QVERIFY2(!line.contains(u'\r') && !line.contains(u'\n'), qPrintable(line));
    QVERIFY(lines.size() > 20);

    Form4 form;
    auto *box = form.findChild<QPlainTextEdit *>(QStringLiteral("Text5"));
    QVERIFY(box);
    QCOMPARE(box->blockCount(), lines.size());
    QCOMPARE(box->document()->findBlockByNumber(0).text(), QStringLiteral("İşlem Sırası:"));
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->font().pointSizeF(), 9.75);
    QCOMPARE(box->palette().color(QPalette::Text), QColor(0x00, 0x00, 0x80));
}

void TestSecondaryWindows::guideTextMentions_data()
{
    QTest::addColumn<QString>("phrase");
    for (const char *phrase :
         {"_1.txt", "_2.txt", "xO Ata", "y0 Ata", "x1 Ata", "y1 Ata", "İlk / Başka Çizgi",
          "ÇIKIŞ", "Farklı Eksen", "x Logaritmik", "Kaydet", "Windows Büyüteci", "magnify.exe",
          "fare tekerleğiyle 2 ile 8 kat", "Simgeleri Temizle", "Son Noktayı Sil",
          "döndürülmemiş"})
        QTest::addRow("%s", phrase) << QString::fromUtf8(phrase);
}

void TestSecondaryWindows::guideTextMentions()
{
    QFETCH(QString, phrase);
    Form4 form;
    auto *box = form.findChild<QPlainTextEdit *>(QStringLiteral("Text5"));
    QVERIFY(box);
    QVERIFY(box->toPlainText().contains(phrase));
}

void TestSecondaryWindows::guideTextCannotBeEditedButSelected()
{
    Form4 form;
    auto *box = form.findChild<QPlainTextEdit *>(QStringLiteral("Text5"));
    QVERIFY(box);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    box->setFocus();
    const QString before = box->toPlainText();

    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->toPlainText(), before);

    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(box->textCursor().selectedText(), QStringLiteral("İşlem Sırası:"));
}

void TestSecondaryWindows::colouredButtonFacesAreFlat_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QColor>("face");

    QTest::newRow("Form4") << QStringLiteral("Form4") << QColor(0xFF, 0xE0, 0xC0);
    QTest::newRow("AddressForm") << QStringLiteral("AddressForm") << QColor(0x00, 0xC0, 0xC0);
}

void TestSecondaryWindows::colouredButtonFacesAreFlat()
{
    QFETCH(QString, window);
    QFETCH(QColor, face);

    const std::unique_ptr<QWidget> form = makeWindow(window);
    auto *button = form->findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(button);

    verifyFlatButtonFace(*button, face);
}

void TestSecondaryWindows::guideReopensAsItWasLeft_data()
{
    QTest::addColumn<bool>("leftMaximized");
    QTest::newRow("left maximized") << true;
    QTest::newRow("left restored, moved and resized") << false;
}

void TestSecondaryWindows::guideReopensAsItWasLeft()
{
    QFETCH(bool, leftMaximized);
    Form4 form;
    auto *box = form.findChild<QPlainTextEdit *>(QStringLiteral("Text5"));
    auto *close = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(box && close);

    form.showGuide();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.windowState() & Qt::WindowMaximized);
    const QRect restored(120, 90, 700, 500);
    if (!leftMaximized) {
        form.setWindowState(Qt::WindowNoState);
        form.setGeometry(restored);
        QTRY_COMPARE(form.geometry(), restored);
    }
    const QRect left = form.geometry();
    QScrollBar *bar = box->verticalScrollBar();
    QVERIFY(bar->maximum() > 3);
    bar->setValue(3);

    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    form.showGuide();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(bool(form.windowState() & Qt::WindowMaximized), leftMaximized);
    QCOMPARE(form.geometry(), left);
    QCOMPARE(bar->value(), 3);
}

void TestSecondaryWindows::addressBackground()
{
    AddressForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = form.grab().toImage();
    // Corners of the client area that no control covers.
    for (const QPoint point : {QPoint(2, 2), QPoint(2, 279), QPoint(633, 279), QPoint(633, 2)})
        QCOMPARE(image.pixelColor(point).rgb(), QColor(0xC0, 0xFF, 0xFF).rgb());
    auto *close = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(close);
    QCOMPARE(close->palette().color(QPalette::Button), QColor(0x00, 0xC0, 0xC0));
    QCOMPARE(close->iconSize(), QSize(16, 16));
    QVERIFY(!close->icon().isNull());
}

QTEST_MAIN(TestSecondaryWindows)
#include "tst_secondary_windows.moc"
