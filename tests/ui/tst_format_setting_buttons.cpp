#include "tests/support/fake_platform.h"
#include "tests/support/real_failures.h"
#include "ui/main/form1.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarlen;

namespace {

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

int formatIndex(const DigitizerState &state, const QString &axis)
{
    return axis == QLatin1String("x") ? state.xFormatIndex : state.yFormatIndex;
}

} // namespace

class TestFormatSettingButtons : public QObject {
    Q_OBJECT

private slots:
    void init();

    void saveWritesTheChosenPattern_data();
    void saveWritesTheChosenPattern();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void failedSaveKeepsTheSavedChoice();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestFormatSettingButtons::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir::setCurrent(dir_->path()));
}

void TestFormatSettingButtons::saveWritesTheChosenPattern_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("optionName");
    QTest::addColumn<QString>("axis");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("untouched");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("index");

    QTest::newRow("x 0.000E+00") << "Command13" << "Option6" << "x" << "xformats.txt"
                                 << "yformats.txt" << QByteArray(" 3 \r\n") << 3;
    QTest::newRow("x 0.0000 as designed") << "Command13" << "" << "x" << "xformats.txt"
                                          << "yformats.txt" << QByteArray(" 2 \r\n") << 2;
    QTest::newRow("y 0.0") << "Command14" << "Option7" << "y" << "yformats.txt"
                           << "xformats.txt" << QByteArray(" 1 \r\n") << 1;
    QTest::newRow("y 0.000E+00") << "Command14" << "Option9" << "y" << "yformats.txt"
                                 << "xformats.txt" << QByteArray(" 3 \r\n") << 3;
}

void TestFormatSettingButtons::saveWritesTheChosenPattern()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, optionName);
    QFETCH(QString, axis);
    QFETCH(QString, written);
    QFETCH(QString, untouched);
    QFETCH(QByteArray, bytes);
    QFETCH(int, index);

    // A file from an earlier run is replaced whole; its 7 selects no option at start-up.
    {
        QFile earlier(written);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(" 7 \r\n 1 \r\n");
    }
    QStringList checkedAfterSave;
    {
        testing::FakePlatform platform;
        Form1 form(platform);
        form.startUp();
        if (!optionName.isEmpty())
            form.findChild<QRadioButton *>(optionName)->click();

        QTest::mouseClick(form.findChild<QPushButton *>(buttonName), Qt::LeftButton);

        QCOMPARE(fileBytes(written), bytes);
        QVERIFY(!QFile::exists(untouched));
        QCOMPARE(formatIndex(form.state(), axis), index);
        QVERIFY(platform.messages.isEmpty());
        for (const QRadioButton *option : form.findChildren<QRadioButton *>())
            if (option->isChecked())
                checkedAfterSave.append(option->objectName());
    }

    // The next start selects what was saved.
    testing::FakePlatform platform;
    Form1 next(platform);
    next.startUp();
    QStringList checked;
    for (const QRadioButton *option : next.findChildren<QRadioButton *>())
        if (option->isChecked())
            checked.append(option->objectName());
    QCOMPARE(checked, checkedAfterSave);
}

void TestFormatSettingButtons::failedWriteIsReported_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("optionName");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("axis");
    QTest::addColumn<int>("index");

    QTest::newRow("x") << "Command13" << "Option4" << "xformats.txt" << "x" << 1;
    QTest::newRow("y") << "Command14" << "Option9" << "yformats.txt" << "y" << 3;
}

void TestFormatSettingButtons::failedWriteIsReported()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, optionName);
    QFETCH(QString, fileName);
    QFETCH(QString, axis);
    QFETCH(int, index);

    // A folder of the settings file's name cannot be written as a file.
    QVERIFY(QDir().mkdir(fileName));
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    auto *option = form.findChild<QRadioButton *>(optionName);
    option->click();

    QTest::mouseClick(form.findChild<QPushButton *>(buttonName), Qt::LeftButton);

    QCOMPARE(platform.messages.size(), 1);
    const testing::FakePlatform::Message &message = platform.messages.first();
    QCOMPARE(message.title, QStringLiteral("Dikkat!"));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QVERIFY2(message.text.contains(fileName), qPrintable(message.text));
    // The choice holds for this run all the same.
    QCOMPARE(formatIndex(form.state(), axis), index);
    QVERIFY(option->isChecked());
}

// A save that fails part-way (here at a file-size limit) leaves the choice saved before, so
// the next start still selects it.
void TestFormatSettingButtons::failedSaveKeepsTheSavedChoice()
{
    {
        testing::FakePlatform platform;
        Form1 form(platform);
        form.startUp();
        form.findChild<QRadioButton *>(QStringLiteral("Option6"))->click();
        auto *save = form.findChild<QPushButton *>(QStringLiteral("Command13"));
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(platform.messages.isEmpty());

        form.findChild<QRadioButton *>(QStringLiteral("Option4"))->click();
        testing::FileSizeLimit limit(1);
        QVERIFY(limit.active());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text,
                 QStringLiteral("Biçim ayarı kaydedilemedi: xformats.txt\n\"xformats.txt\" "
                                "yazılamadı: dosya çok büyük (dosya boyutu sınırı aşıldı)"));
    }
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{QStringLiteral("xformats.txt")});

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    QVERIFY(form.findChild<QRadioButton *>(QStringLiteral("Option6"))->isChecked());
    QCOMPARE(form.state().xFormatIndex, 3);
}

QTEST_MAIN(TestFormatSettingButtons)
#include "tst_format_setting_buttons.moc"
