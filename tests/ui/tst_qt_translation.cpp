#include "ui/main/form1.h"
#include "ui/main/qt_translation.h"
#include "ui/platform/platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <memory>

using namespace tarlen;

namespace {

// The real desktop's message boxes on a screen too narrow for the program, so that start-up
// shows its resolution warning; everything else is inert.
class NarrowScreenDesktop final : public Platform {
public:
    void showMessage(QWidget *parent, const QString &title, const QString &text,
                     MessageIcon icon) override
    {
        desktop_.showMessage(parent, title, text, icon);
    }
    QSize screenSize() const override { return {800, 600}; }
    char decimalSeparator() const override { return ','; }
    bool startProgram(const QString &, StartWindowState) override { return false; }
    void endProgram() override {}

private:
    DesktopPlatform desktop_;
};

// Waits for the modal message box, notes the texts of its buttons and presses the first one.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        timer_.start();
    }

    QString title;
    QStringList buttonTexts;

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer_.stop();
        title = box->windowTitle();
        const QList<QAbstractButton *> buttons = box->buttons();
        for (const QAbstractButton *button : buttons)
            buttonTexts.append(button->text());
        if (!buttons.isEmpty())
            buttons.first()->click();
    }

    QTimer timer_;
};

} // namespace

class TestQtTranslation : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void messageBoxButton_data();
    void messageBoxButton();
    void lineEditContextMenu();

private:
    QPointer<QTranslator> installed_;
};

void TestQtTranslation::cleanup()
{
    if (installed_)
        QCoreApplication::removeTranslator(installed_);
    delete installed_;
}

void TestQtTranslation::messageBoxButton_data()
{
    QTest::addColumn<bool>("translationPresent");
    QTest::addColumn<QString>("button");

    QTest::newRow("Turkish translation present") << true << QStringLiteral("Tamam");
    QTest::newRow("translation missing") << false << QStringLiteral("OK");
}

// The start-up warning about a narrow screen, on the real desktop's message box.
void TestQtTranslation::messageBoxButton()
{
    QFETCH(bool, translationPresent);
    QFETCH(QString, button);

    QTemporaryDir emptyFolder;
    QVERIFY(emptyFolder.isValid());
    QVERIFY(QDir::setCurrent(emptyFolder.path()));
    const QString folder = translationPresent ? qtTranslationsFolder() : emptyFolder.path();
    if (translationPresent)
        QVERIFY2(QFileInfo::exists(folder + QStringLiteral("/qtbase_tr.qm")),
                 qPrintable(QStringLiteral("Qt's Turkish translation is missing from ") + folder));

    installed_ = installQtTranslation(*qApp, folder);
    QCOMPARE(installed_ != nullptr, translationPresent);

    NarrowScreenDesktop platform;
    Form1 form(platform);
    MessageBoxAnswerer answerer;
    form.startUp();

    QCOMPARE(answerer.title, QStringLiteral("Dikkat!"));
    QCOMPARE(answerer.buttonTexts, QStringList{button});
    // The program's own texts are the same in both cases.
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarlen — Grafik Sayısallaştırıcı"));
}

void TestQtTranslation::lineEditContextMenu()
{
    installed_ = installQtTranslation(*qApp, qtTranslationsFolder());
    QVERIFY(installed_);

    QLineEdit edit(QStringLiteral("12,5"));
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts.append(action->text().section(u'\t', 0, 0)); // without the shortcut
    const QStringList turkish{"&Geri al",  "&Yinele", "Ke&s",      "&Kopyala",
                              "Ya&pıştır", "Sil",     "Tümünü Seç"};
    QCOMPARE(texts, turkish);
}

QTEST_MAIN(TestQtTranslation)
#include "tst_qt_translation.moc"
