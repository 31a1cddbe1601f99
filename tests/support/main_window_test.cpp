#include "tests/support/main_window_test.h"

#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace tarlen::testing {

MainWindowTest::MainWindowTest(Start start) : start_(start) {}

MainWindowTest::~MainWindowTest() = default;

void MainWindowTest::init()
{
    // The window reads and writes its files in the working folder, from start-up on.
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QVERIFY(QDir::setCurrent(folder_->path()));
    platform_ = std::make_unique<FakePlatform>();
    switch (start_) {
    case Start::Hidden:
        startWindow();
        break;
    case Start::ShownAndActive:
        startWindow();
        QVERIFY(showActive());
        break;
    case Start::ByTheTest:
        break;
    }
}

void MainWindowTest::cleanup()
{
    form_.reset();
    // Windows closed by their frames go now, while the platform they were made with still lives.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform_.reset();
    folder_.reset();
}

const MainWindowControls &MainWindowTest::controls() const
{
    return form_->controls();
}

void MainWindowTest::startWindow()
{
    form_ = std::make_unique<Form1>(*platform_);
    form_->startUp();
}

bool MainWindowTest::showActive()
{
    form_->show();
    form_->activateWindow();
    return QTest::qWaitForWindowActive(form_.get());
}

void pressAt(Form1 &form, int xTwips, int yTwips, Qt::MouseButton button,
             Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(
        form.controls().Picture1, button, modifiers,
        QPoint(xTwips / 15 + GraphCanvas::kBorderWidth, yTwips / 15 + GraphCanvas::kBorderWidth));
}

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

QAbstractItemView *valuesList(Form1 &form)
{
    QWidget *values = form.windows().loaded(SecondaryWindow::Form5);
    return values ? values->findChild<QAbstractItemView *>(QStringLiteral("List1")) : nullptr;
}

QStringList valuesEntries(Form1 &form)
{
    QStringList entries;
    if (QAbstractItemView *list = valuesList(form))
        for (int i = 0; i < list->model()->rowCount(); ++i)
            entries.append(list->model()->index(i, 0).data().toString());
    return entries;
}

bool anythingDrawn(const GraphCanvas &canvas)
{
    const QImage &layer = canvas.drawingLayer();
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0)
                return true;
    return false;
}

QList<QWidget *> topLevelsNamed(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            found.append(w);
    return found;
}

} // namespace tarlen::testing
