#include "tests/support/main_window_test.h"
#include "tests/support/sample_calibration.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/main/main_window_controls.h"
#include "ui/windows/form5_values.h"
#include "ui/windows/line_list_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace tarlen;

namespace {

// What a user or the program does to a list box, step by step.
enum class Step { Append, Up, Down, Home, End, PageUp, PageDown, Click, WheelDown, WheelUp };

struct Script {
    QStringList lines;
    QList<Step> steps; // Append adds the next line and selects it, as a stored point does
};

// The size of the values list in its window.
constexpr QSize kListSize(177, 108);

void press(QAbstractItemView &view, Qt::Key key)
{
    QTest::keyClick(&view, key);
}

// One step on the list box of old, a QListWidget as the values window had it.
void play(QListWidget &list, const Script &script, int &next, Step step);
// The same step on the list box of now.
void play(LineListBox &list, const Script &script, int &next, Step step);

void wheel(QAbstractItemView &view, int notches)
{
    const QPointF at(20, 20);
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &event);
}

void playCommon(QAbstractItemView &view, Step step)
{
    switch (step) {
    case Step::Append:
        break;
    case Step::Up:
        press(view, Qt::Key_Up);
        break;
    case Step::Down:
        press(view, Qt::Key_Down);
        break;
    case Step::Home:
        press(view, Qt::Key_Home);
        break;
    case Step::End:
        press(view, Qt::Key_End);
        break;
    case Step::PageUp:
        press(view, Qt::Key_PageUp);
        break;
    case Step::PageDown:
        press(view, Qt::Key_PageDown);
        break;
    case Step::Click:
        // The middle of the viewport, on whatever line stands there.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(30, 50));
        break;
    case Step::WheelDown:
        wheel(view, -1);
        break;
    case Step::WheelUp:
        wheel(view, 1);
        break;
    }
}

void play(QListWidget &list, const Script &script, int &next, Step step)
{
    if (step == Step::Append) {
        list.addItem(script.lines.at(next++));
        list.setCurrentRow(list.count() - 1);
        list.scrollToItem(list.currentItem());
    }
    playCommon(list, step);
}

void play(LineListBox &list, const Script &script, int &next, Step step)
{
    if (step == Step::Append) {
        list.appendLine(script.lines.at(next++));
        list.selectLine(list.lineCount() - 1);
    }
    playCommon(list, step);
}

// What a test can read of a list box: the selection, the scroll bars and the pixels.
struct Seen {
    int current = -1;
    QList<int> selected;
    int top = 0;
    int topMost = 0;
    int sidewaysMost = 0;
    QImage pixels;
};

Seen look(QAbstractItemView &view)
{
    QCoreApplication::processEvents(); // delayed layouts and updates
    Seen seen;
    seen.current = view.currentIndex().row();
    for (const QModelIndex &index : view.selectionModel()->selectedIndexes())
        seen.selected << index.row();
    seen.top = view.verticalScrollBar()->value();
    seen.topMost = view.verticalScrollBar()->maximum();
    seen.sidewaysMost = view.horizontalScrollBar()->maximum();
    seen.pixels = view.grab().toImage();
    return seen;
}

template <typename List> Seen run(QWidget &host, List &list, const Script &script)
{
    list.setParent(&host);
    list.setGeometry(QRect(QPoint(8, 8), kListSize));
    list.show();
    list.setFocus();
    int next = 0;
    for (const Step step : script.steps)
        play(list, script, next, step);
    Seen seen = look(list);
    list.hide();
    return seen;
}

QStringList valueLines(int count, int wideEvery = 0)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        QString line = QStringLiteral(" %1   %2,5    0,%3").arg(i).arg(i * 3).arg(1000 - i);
        if (wideEvery > 0 && i % wideEvery == 0)
            line += QStringLiteral("    1,234E+05    6,789E-03");
        lines << line;
    }
    return lines;
}

QList<Step> appends(int count)
{
    return QList<Step>(count, Step::Append);
}

} // namespace

Q_DECLARE_METATYPE(Script)

class TestLineListBox : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void behavesAsTheListWidgetOfOld_data();
    void behavesAsTheListWidgetOfOld();
    void lastLineSelectedAndInViewAfterManyLines_data();
    void lastLineSelectedAndInViewAfterManyLines();
    void deletingTheLastPointKeepsTheLastLineInView();
};

void TestLineListBox::behavesAsTheListWidgetOfOld_data()
{
    QTest::addColumn<Script>("script");

    const auto then = [](QList<Step> steps, std::initializer_list<Step> more) {
        steps.append(more);
        return steps;
    };
    QTest::newRow("no line") << Script{{}, {}};
    QTest::newRow("one line") << Script{valueLines(1), appends(1)};
    QTest::newRow("fewer lines than the list shows") << Script{valueLines(4), appends(4)};
    QTest::newRow("more lines than the list shows") << Script{valueLines(40), appends(40)};
    QTest::newRow("a line wider than the list") << Script{valueLines(12, 5), appends(12)};
    QTest::newRow("keys up, page up, home, page down, down, end")
        << Script{valueLines(40), then(appends(40), {Step::Up, Step::Up, Step::PageUp, Step::Home,
                                                     Step::PageDown, Step::Down, Step::End})};
    QTest::newRow("page up from the end twice, then page down")
        << Script{valueLines(40), then(appends(40), {Step::PageUp, Step::PageUp, Step::PageDown})};
    QTest::newRow("wheel up, a click on a line, wheel down")
        << Script{valueLines(40),
                  then(appends(40), {Step::WheelUp, Step::WheelUp, Step::Click, Step::WheelDown})};
    QTest::newRow("a line added while an earlier one is in view")
        << Script{valueLines(41), then(appends(40), {Step::Home, Step::Append})};
}

void TestLineListBox::behavesAsTheListWidgetOfOld()
{
    QFETCH(Script, script);

    QWidget host;
    host.resize(kListSize + QSize(16, 16));
    host.show();
    QVERIFY(QTest::qWaitForWindowActive(&host));

    QListWidget old;
    old.setSelectionMode(QAbstractItemView::SingleSelection);
    const Seen expected = run(host, old, script);
    LineListBox now;
    const Seen seen = run(host, now, script);

    QCOMPARE(seen.current, expected.current);
    QCOMPARE(seen.selected, expected.selected);
    QCOMPARE(seen.top, expected.top);
    QCOMPARE(seen.topMost, expected.topMost);
    QCOMPARE(seen.sidewaysMost, expected.sidewaysMost);
    QCOMPARE(seen.pixels, expected.pixels);
}

void TestLineListBox::lastLineSelectedAndInViewAfterManyLines_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one") << 1;
    QTest::newRow("a page") << 6;
    QTest::newRow("a page and one") << 7;
    QTest::newRow("5,000") << 5000;
}

void TestLineListBox::lastLineSelectedAndInViewAfterManyLines()
{
    QFETCH(int, count);

    Form5 values;
    values.show();
    QVERIFY(QTest::qWaitForWindowExposed(&values));
    auto *list = values.findChild<QAbstractItemView *>(QStringLiteral("List1"));
    QVERIFY(list);
    const QStringList lines = valueLines(count);
    for (const QString &line : lines)
        values.appendEntry(line);
    QCoreApplication::processEvents();

    const QAbstractItemModel *model = list->model();
    QCOMPARE(model->rowCount(), count);
    QCOMPARE(model->index(count - 1, 0).data().toString(), lines.last());
    const QModelIndex last = model->index(count - 1, 0);
    QCOMPARE(list->currentIndex(), last);
    QCOMPARE(list->selectionModel()->selectedIndexes(), QModelIndexList{last});
    QVERIFY(list->viewport()->rect().contains(list->visualRect(last)));
    QCOMPARE(list->indexAt(list->visualRect(last).center()), last);
    QCOMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    // The line is drawn selected where the list says it is: not on the plain background.
    const QImage shown = list->viewport()->grab().toImage();
    const QRect place = list->visualRect(last);
    QVERIFY(shown.pixelColor(place.left() + 1, place.center().y()) !=
            list->palette().color(QPalette::Base));
}

void TestLineListBox::deletingTheLastPointKeepsTheLastLineInView()
{
    testing::calibrateSampleGraph(form());
    const MainWindowControls &c = controls();
    QTest::mouseClick(c.Command8, Qt::LeftButton); // the first line
    constexpr int kPoints = 300;
    for (int i = 0; i < kPoints; ++i)
        testing::pressAt(form(), 1875 + 15 * (i % 100), 4005 - 15 * (i / 100));
    QTest::mouseClick(c.Command1, Qt::LeftButton); // delete the last point
    QCoreApplication::processEvents();

    QAbstractItemView *list = testing::valuesList(form());
    QVERIFY(list);
    const QAbstractItemModel *model = list->model();
    QCOMPARE(model->rowCount(), kPoints);
    const QModelIndex last = model->index(kPoints - 1, 0);
    QVERIFY(last.data().toString().startsWith(QStringLiteral(" 300   ")));
    QCOMPARE(list->currentIndex(), last);
    QCOMPARE(list->selectionModel()->selectedIndexes(), QModelIndexList{last});
    QVERIFY(list->viewport()->rect().contains(list->visualRect(last)));

    // The next point goes below it, selected and in view in its turn.
    testing::pressAt(form(), 1875, 4005);
    QCOMPARE(model->rowCount(), kPoints + 1);
    const QModelIndex next = model->index(kPoints, 0);
    QVERIFY(next.data().toString().startsWith(QStringLiteral(" 301   ")));
    QCOMPARE(list->currentIndex(), next);
    QVERIFY(list->viewport()->rect().contains(list->visualRect(next)));
    QVERIFY(!list->viewport()->rect().intersects(list->visualRect(model->index(0, 0))));
}

QTEST_MAIN(TestLineListBox)
#include "tst_line_list_box.moc"
