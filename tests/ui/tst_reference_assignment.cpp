#include "tests/support/fake_platform.h"
#include "tests/support/main_window_test.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/main/main_window_controls.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tarlen;
using namespace tarlen::testing;

namespace {

QPushButton *button(const Form1 &form, const QString &name)
{
    return form.findChild<QPushButton *>(name);
}

QString caption(const Form1 &form, const QString &name)
{
    const auto *label = form.findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

// The four reference positions by the names the assign buttons set.
float position(const DigitizerState &state, const QString &field)
{
    if (field == QLatin1String("refX0Pos"))
        return state.refX0Pos;
    if (field == QLatin1String("refX1Pos"))
        return state.refX1Pos;
    if (field == QLatin1String("refY0Pos"))
        return state.refY0Pos;
    if (field == QLatin1String("refY1Pos"))
        return state.refY1Pos;
    return -1;
}

const QStringList kPositionFields = {"refX0Pos", "refX1Pos", "refY0Pos", "refY1Pos"};

} // namespace

class TestReferenceAssignment : public testing::MainWindowTest {
    Q_OBJECT

public:
    // The decimal separator is the platform's from start-up on, so a test may set it first.
    TestReferenceAssignment() : MainWindowTest(Start::ByTheTest) {}

private slots:
    void assignTakesThePendingClick_data();
    void assignTakesThePendingClick();
    void onePressServesBothAxes();
    void lastPressWins();
    void beforeAnyPressAssignsZero();
    void fractionUsesTheDecimalSeparator_data();
    void fractionUsesTheDecimalSeparator();
};

void TestReferenceAssignment::assignTakesThePendingClick_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");

    // The press is at (1875, 450): x buttons take 1875, y buttons 450.
    QTest::newRow("Command4 x0") << "Command4" << "Label6" << "refX0Pos" << "1875";
    QTest::newRow("Command5 y0") << "Command5" << "Label7" << "refY0Pos" << "450";
    QTest::newRow("Command6 x1") << "Command6" << "Label8" << "refX1Pos" << "1875";
    QTest::newRow("Command7 y1") << "Command7" << "Label9" << "refY1Pos" << "450";
    QTest::newRow("Command12 y2 sets y1") << "Command12" << "Label10" << "refY1Pos" << "450";
}

void TestReferenceAssignment::assignTakesThePendingClick()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, labelName);
    QFETCH(QString, field);
    QFETCH(QString, shown);

    startWindow();
    const QString otherLabels = QStringLiteral("Label6 Label7 Label8 Label9 Label10");
    QStringList designCaptions;
    for (const QString &name : otherLabels.split(' '))
        designCaptions.append(caption(form(), name));

    pressAt(form(), 1875, 450);
    QPushButton *assign = button(form(), buttonName);
    QVERIFY(assign);
    assign->click();

    QCOMPARE(caption(form(), labelName), shown);
    QCOMPARE(position(form().state(), field), shown.toFloat());
    // Nothing else moves: the other positions stay 0 and the other labels keep their captions.
    for (const QString &other : kPositionFields)
        if (other != field)
            QCOMPARE(position(form().state(), other), 0.0f);
    const QStringList labels = otherLabels.split(' ');
    for (int i = 0; i < labels.size(); ++i)
        if (labels[i] != labelName)
            QCOMPARE(caption(form(), labels[i]), designCaptions[i]);

    // Pressed again without a new press on the canvas, it keeps what it has.
    assign->click();
    QCOMPARE(caption(form(), labelName), shown);
    QCOMPARE(position(form().state(), field), shown.toFloat());
}

void TestReferenceAssignment::onePressServesBothAxes()
{
    startWindow();

    pressAt(form(), 1875, 450);
    QTest::mouseClick(button(form(), "Command4"), Qt::LeftButton);
    QTest::mouseClick(button(form(), "Command5"), Qt::LeftButton);

    QCOMPARE(form().state().refX0Pos, 1875.0f);
    QCOMPARE(form().state().refY0Pos, 450.0f);
    QCOMPARE(caption(form(), "Label6"), QStringLiteral("1875"));
    QCOMPARE(caption(form(), "Label7"), QStringLiteral("450"));
}

void TestReferenceAssignment::lastPressWins()
{
    startWindow();

    pressAt(form(), 1320, 4170);
    pressAt(form(), 6870, 450);
    button(form(), "Command6")->click();
    button(form(), "Command7")->click();
    QCOMPARE(form().state().refX1Pos, 6870.0f);
    QCOMPARE(form().state().refY1Pos, 450.0f);

    pressAt(form(), 6000, 600);
    button(form(), "Command6")->click();
    QCOMPARE(form().state().refX1Pos, 6000.0f);
    QCOMPARE(caption(form(), "Label8"), QStringLiteral("6000"));
    QCOMPARE(form().state().refY1Pos, 450.0f);
    QCOMPARE(caption(form(), "Label9"), QStringLiteral("450"));
}

void TestReferenceAssignment::beforeAnyPressAssignsZero()
{
    startWindow();
    form().state().refX0Pos = 1320;

    button(form(), "Command4")->click();

    QCOMPARE(form().state().refX0Pos, 0.0f);
    QCOMPARE(caption(form(), "Label6"), QStringLiteral("0"));
}

void TestReferenceAssignment::fractionUsesTheDecimalSeparator_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("shown");

    QTest::newRow("comma") << ',' << "1875,5";
    QTest::newRow("full stop") << '.' << "1875.5";
}

void TestReferenceAssignment::fractionUsesTheDecimalSeparator()
{
    QFETCH(char, separator);
    QFETCH(QString, shown);

    platform().separator = separator;
    startWindow();
    // Canvas presses give whole twips; a fraction only reaches the label through the state.
    form().state().pendingX0 = 1875.5f;

    button(form(), "Command4")->click();

    QCOMPARE(caption(form(), "Label6"), shown);
    QCOMPARE(form().state().refX0Pos, 1875.5f);
}

QTEST_MAIN(TestReferenceAssignment)
#include "tst_reference_assignment.moc"
