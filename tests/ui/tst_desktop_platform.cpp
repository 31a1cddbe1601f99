#include "tests/support/sample_calibration.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>

using namespace tarlen;

// The real desktop layer, run once under a locale whose decimal separator is a comma and once
// under one whose separator is a point: the CTest definitions set LC_NUMERIC and LANG, and
// TARLEN_TEST_SEPARATOR names the separator that locale has.
class TestDesktopPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void decimalSeparatorIsTheLocales();
    void formattedValuesCarryTheLocalesSeparator();
    void screenSizeIsThePrimaryScreensPixels();
    void messageBoxWaitsForItsAnswer();
    void startedProgramIsNotWaitedFor();
    void missingProgramDoesNotStart();
    void endProgramEndsTheEventLoop();

private:
    char expected_ = 0;
    QTemporaryDir dir_;
};

void TestDesktopPlatform::initTestCase()
{
    const QByteArray separator = qgetenv("TARLEN_TEST_SEPARATOR");
    QVERIFY2(separator == "," || separator == ".", "run through CTest, which sets the locale");
    expected_ = separator.at(0);
    // The C library must have the locale too, or the machine lacks it (the set-up makes it).
    const char *numeric = std::setlocale(LC_NUMERIC, nullptr);
    QVERIFY2(numeric && QByteArray(numeric) == qgetenv("LC_NUMERIC"),
             qPrintable(QStringLiteral("LC_NUMERIC is %1, not installed?")
                            .arg(QString::fromLocal8Bit(numeric ? numeric : "none"))));
    QVERIFY(dir_.isValid());
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void TestDesktopPlatform::decimalSeparatorIsTheLocales()
{
    DesktopPlatform platform;
    QCOMPARE(platform.decimalSeparator(), expected_);
}

void TestDesktopPlatform::formattedValuesCarryTheLocalesSeparator()
{
    DesktopPlatform platform;
    Form1 form(platform);
    testing::calibrateSampleGraph(form);
    GraphCanvas *canvas = form.controls().Picture1;
    // The worked example, (1875, 4005) twips: 15 and 0.18456 with the pattern "0.0000".
    const QPointF at(125 + GraphCanvas::kBorderWidth, 267 + GraphCanvas::kBorderWidth);
    QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &move);

    const QString separator = QString(QChar::fromLatin1(expected_));
    QCOMPARE(form.controls().Text6->text(), QStringLiteral("15") + separator + QStringLiteral("0000"));
    QCOMPARE(form.controls().Text7->text(), QStringLiteral("0") + separator + QStringLiteral("1846"));
}

void TestDesktopPlatform::screenSizeIsThePrimaryScreensPixels()
{
    // The offscreen platform has one screen of 800 x 800 pixels.
    DesktopPlatform platform;
    QCOMPARE(platform.screenSize(), QSize(800, 800));
}

void TestDesktopPlatform::messageBoxWaitsForItsAnswer()
{
    DesktopPlatform platform;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool answered = false;
    // The box is modal: this runs inside its own event loop, while showMessage waits.
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        answered = true;
        box->button(QMessageBox::Ok)->click();
    });
    platform.showMessage(nullptr, QStringLiteral("Dikkat!"), QStringLiteral("Ekran küçük"),
                         MessageIcon::Exclamation);

    QVERIFY(answered);
    QCOMPARE(title, QStringLiteral("Dikkat!"));
    QCOMPARE(text, QStringLiteral("Ekran küçük"));
    QCOMPARE(icon, QMessageBox::Warning);
}

void TestDesktopPlatform::startedProgramIsNotWaitedFor()
{
    // The program finishes only once the test has answered, after startProgram returned.
    const QString go = dir_.filePath(QStringLiteral("go"));
    const QString done = dir_.filePath(QStringLiteral("done"));
    const QString script = dir_.filePath(QStringLiteral("wait-for-go"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\n"
                              "i=0\n"
                              "while [ ! -e '%1' ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done\n"
                              "touch '%2'\n")
                   .arg(go, done)
                   .toLocal8Bit());
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    DesktopPlatform platform;
    QVERIFY(platform.startProgram(script, StartWindowState::MinimizedNoFocus));
    QVERIFY(!QFile::exists(done));

    QFile signal(go);
    QVERIFY(signal.open(QIODevice::WriteOnly));
    signal.close();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(done), 10000);
}

void TestDesktopPlatform::missingProgramDoesNotStart()
{
    DesktopPlatform platform;
    QVERIFY(!platform.startProgram(QStringLiteral("C:\\windows\\system32\\magnify.exe"),
                                   StartWindowState::MinimizedNoFocus));
    QVERIFY(!platform.startProgram(dir_.filePath(QStringLiteral("no-such-program")),
                                   StartWindowState::NormalFocus));
}

void TestDesktopPlatform::endProgramEndsTheEventLoop()
{
    DesktopPlatform platform;
    QTimer::singleShot(0, [&platform] { platform.endProgram(); });
    // Should the loop not end, this ends it with a code the test rejects.
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestDesktopPlatform)
#include "tst_desktop_platform.moc"
