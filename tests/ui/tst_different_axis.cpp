#include "tests/support/fake_platform.h"
#include "tests/support/main_window_test.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/main/main_window_controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace tarlen;
using namespace tarlen::testing;

namespace {

// The references of the sample graph, taken as a user does: a press on each reference point,
// its assign buttons, the typed values; the y axis is logarithmic by design.
void calibrate(Form1 &form)
{
    const MainWindowControls &c = form.controls();
    pressAt(form, 1320, 4170);
    QTest::mouseClick(c.Command4, Qt::LeftButton);
    QTest::mouseClick(c.Command5, Qt::LeftButton);
    pressAt(form, 6870, 450);
    QTest::mouseClick(c.Command6, Qt::LeftButton);
    QTest::mouseClick(c.Command7, Qt::LeftButton);
    c.Text1->setText(QStringLiteral("10"));
    c.Text3->setText(QStringLiteral("60"));
    c.Text2->setText(QStringLiteral("0.1"));
    c.Text4->setText(QStringLiteral("1e5"));
}

// The controls "&Farklı Eksen" unlocks.
QList<QWidget *> unlockedPanel(const MainWindowControls &c)
{
    return {c.Command4, c.Command5, c.Command6, c.Command7, c.Text1,  c.Text2,  c.Text3,
            c.Text4,    c.Label6,   c.Label7,   c.Label8,   c.Label9, c.Check1, c.Check2};
}

// Everything "&Farklı Eksen" must leave as it is, one line each, so a change shows by name.
QStringList untouched(Form1 &form)
{
    const MainWindowControls &c = form.controls();
    const DigitizerState &s = form.state();
    QStringList lines;
    for (const QLineEdit *box : {c.Text1, c.Text2, c.Text3, c.Text4, c.Text5})
        lines << box->objectName() + QStringLiteral(" text ") + box->text();
    for (const QLabel *label :
         {c.Label6, c.Label7, c.Label8, c.Label9, c.Label10, c.Label16, c.Label19})
        lines << label->objectName() + QStringLiteral(" caption ") + label->text();
    for (const QCheckBox *box : {c.Check1, c.Check2})
        lines << box->objectName() + QStringLiteral(" checked %1").arg(box->isChecked());
    for (const QWidget *w : std::initializer_list<const QWidget *>{c.Command12, c.Text5, c.Label10})
        lines << w->objectName() +
                     QStringLiteral(" enabled %1 hidden %2").arg(w->isEnabled()).arg(w->isHidden());
    lines << QStringLiteral("line %1, file %2")
                 .arg(s.lineNumber)
                 .arg(QString::fromStdString(s.pointsFileName));
    lines << QStringLiteral("positions %1 %2 %3 %4")
                 .arg(s.refX0Pos)
                 .arg(s.refX1Pos)
                 .arg(s.refY0Pos)
                 .arg(s.refY1Pos);
    lines << QStringLiteral("typed %1 %2 %3 %4")
                 .arg(s.typedX0)
                 .arg(s.typedX1)
                 .arg(s.typedY0)
                 .arg(s.typedY1);
    return lines;
}

// The records of a points file, each as its two fields.
QList<QStringList> records(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {{QStringLiteral("<missing>")}};
    QList<QStringList> rows;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString text = QString::fromLatin1(line).trimmed();
        if (!text.isEmpty())
            rows.append(text.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    return rows;
}

} // namespace

class TestDifferentAxis : public testing::MainWindowTest {
    Q_OBJECT

public:
    TestDifferentAxis() : MainWindowTest(Start::ShownAndActive) {}

private slots:
    void unlocksThePanelAndChangesNothingElse_data();
    void unlocksThePanelAndChangesNothingElse();
    void secondPressKeepsOneNotice();
    void goBackHidesTheNoticeAndRaisesTheMainWindow();
    void newReferenceValueAppliesToTheSameLine();
};

void TestDifferentAxis::unlocksThePanelAndChangesNothingElse_data()
{
    QTest::addColumn<bool>("lineStarted");
    QTest::newRow("during a line") << true;
    QTest::newRow("before any line") << false;
}

void TestDifferentAxis::unlocksThePanelAndChangesNothingElse()
{
    QFETCH(bool, lineStarted);

    const MainWindowControls &c = form().controls();
    calibrate(form());
    if (lineStarted) {
        QTest::mouseClick(c.Command8, Qt::LeftButton);
        for (QWidget *control : unlockedPanel(c))
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    }
    const QStringList before = untouched(form());
    QVERIFY(topLevelsNamed(QStringLiteral("Form2")).isEmpty());

    QTest::mouseClick(c.Command11, Qt::LeftButton);

    QWidget *notice = form().windows().loaded(SecondaryWindow::Form2);
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->parentWidget());
    QCOMPARE(notice->windowTitle(), QStringLiteral("Farklı Eksen Tanımla"));
    const QString label1 = notice->findChild<QLabel *>(QStringLiteral("Label1"))->text();
    QVERIFY(label1.startsWith(QStringLiteral("Farklı bir eksen tanımlamak için ")));
    QVERIFY(label1.endsWith(QStringLiteral("başlangıç ve bitiş değerlerini atamalısınız. ")));
    QCOMPARE(notice->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Değiştirilmeyen değerler aynen atanır."));

    for (QWidget *control : unlockedPanel(c))
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QCOMPARE(untouched(form()), before);
    // The main window stays usable beside the notice.
    QVERIFY(form().isVisible());
    QVERIFY(form().isEnabled());
    QVERIFY(platform().messages.isEmpty());
}

void TestDifferentAxis::secondPressKeepsOneNotice()
{
    const MainWindowControls &c = form().controls();
    QTest::mouseClick(c.Command8, Qt::LeftButton);
    QTest::mouseClick(c.Command11, Qt::LeftButton);
    QPointer<QWidget> notice = form().windows().loaded(SecondaryWindow::Form2);
    QVERIFY(notice);
    const QStringList before = untouched(form());

    QTest::mouseClick(c.Command11, Qt::LeftButton);
    QCOMPARE(topLevelsNamed(QStringLiteral("Form2")), QList<QWidget *>{notice.data()});
    QVERIFY(notice->isVisible());
    QCOMPARE(untouched(form()), before);
}

void TestDifferentAxis::goBackHidesTheNoticeAndRaisesTheMainWindow()
{
    QTest::mouseClick(form().controls().Command11, Qt::LeftButton);
    QPointer<QWidget> notice = form().windows().loaded(SecondaryWindow::Form2);
    QVERIFY(notice);
    QVERIFY(QTest::qWaitForWindowActive(notice));

    QTest::mouseClick(notice->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(notice);
    QVERIFY(!notice->isVisible());
    QCOMPARE(form().windows().loaded(SecondaryWindow::Form2), notice.data());
    QVERIFY(QTest::qWaitForWindowActive(&form()));

    // Shown again, it is the same window.
    QTest::mouseClick(form().controls().Command11, Qt::LeftButton);
    QCOMPARE(topLevelsNamed(QStringLiteral("Form2")), QList<QWidget *>{notice.data()});
    QVERIFY(notice->isVisible());
}

void TestDifferentAxis::newReferenceValueAppliesToTheSameLine()
{
    const MainWindowControls &c = form().controls();
    calibrate(form());
    QTest::mouseClick(c.Command8, Qt::LeftButton);
    const QString file = QString::fromStdString(form().state().pointsFileName);
    QCOMPARE(file, QStringLiteral("_1.txt"));

    pressAt(form(), 1875, 4005);
    pressAt(form(), 2430, 3765);
    const QList<QStringList> twoPoints = {{"15,0000", "0,1846"}, {"20,0000", "0,4500"}};
    QCOMPARE(records(file), twoPoints);

    // The y axis is now read against a top reference of a million at the same position.
    QTest::mouseClick(c.Command11, Qt::LeftButton);
    QVERIFY(c.Text4->isEnabled());
    c.Text4->setText(QStringLiteral("1e6"));
    pressAt(form(), 1875, 4005);

    QCOMPARE(form().state().lineNumber, 1);
    QCOMPARE(c.Label16->text(), QStringLiteral("1"));
    QCOMPARE(QString::fromStdString(form().state().pointsFileName), file);
    QList<QStringList> threePoints = twoPoints;
    threePoints.append(QStringList{"15,0000", "0,2044"});
    QCOMPARE(records(file), threePoints);

    QTest::mouseClick(c.Command1, Qt::LeftButton);
    QVERIFY(platform().messages.isEmpty());
    QCOMPARE(QString::fromStdString(form().state().pointsFileName), file);
    QCOMPARE(records(file), twoPoints);
}

QTEST_MAIN(TestDifferentAxis)
#include "tst_different_axis.moc"
