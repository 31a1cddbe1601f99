#include "ui/main/command_line.h"

#include <QTest>

using namespace tarlen;

Q_DECLARE_METATYPE(CommandLineAction)

namespace {

QStringList tarlenWith(const QStringList &arguments)
{
    return QStringList{QStringLiteral("tarlen")} + arguments;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void helpListsEveryOptionOnItsOwnLine();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLineAction>("action");
    QTest::addColumn<QString>("picture"); // empty: none
    QTest::addColumn<QString>("error");   // the whole line on standard error, for Fail
    QTest::addColumn<int>("exitStatus");

    const auto run = CommandLineAction::Run;
    const auto fail = CommandLineAction::Fail;
    QTest::newRow("nothing") << QStringList{} << run << QString() << QString() << 0;
    QTest::newRow("a picture") << QStringList{"grafik.bmp"} << run << "grafik.bmp" << QString()
                               << 0;
    QTest::newRow("a picture with a folder and blanks")
        << QStringList{"/home/ali/Ölçüm 1/eğri.jpg"} << run << "/home/ali/Ölçüm 1/eğri.jpg"
        << QString() << 0;
    QTest::newRow("a picture named like an option, after --")
        << QStringList{"--", "-grafik.gif"} << run << "-grafik.gif" << QString() << 0;
    QTest::newRow("Qt's window-system options pass")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse", "grafik.bmp"} << run
        << "grafik.bmp" << QString() << 0;
    QTest::newRow("--help") << QStringList{"--help"} << CommandLineAction::ShowHelp << QString()
                            << QString() << 0;
    QTest::newRow("-h with a picture")
        << QStringList{"-h", "grafik.bmp"} << CommandLineAction::ShowHelp << QString() << QString()
        << 0;
    QTest::newRow("--version") << QStringList{"--version"} << CommandLineAction::ShowVersion
                               << QString() << QString() << 0;
    QTest::newRow("-v") << QStringList{"-v"} << CommandLineAction::ShowVersion << QString()
                        << QString() << 0;
    QTest::newRow("unknown long option") << QStringList{"--renk", "grafik.bmp"} << fail << QString()
                                         << "tarlen: bilinmeyen seçenek: --renk\n"
                                         << 2;
    QTest::newRow("unknown short option")
        << QStringList{"-x"} << fail << QString() << "tarlen: bilinmeyen seçenek: -x\n"
        << 2;
    QTest::newRow("unknown option with a value")
        << QStringList{"--renk=mavi"} << fail << QString() << "tarlen: bilinmeyen seçenek: --renk\n"
        << 2;
    QTest::newRow("unknown option beats --version")
        << QStringList{"--version", "--hepsi"} << fail << QString()
        << "tarlen: bilinmeyen seçenek: --hepsi\n"
        << 2;
    QTest::newRow("missing value") << QStringList{"grafik.bmp", "-style"} << fail << QString()
                                   << "tarlen: -style seçeneğinin değeri eksik\n"
                                   << 2;
    QTest::newRow("value given to a switch") << QStringList{"--help=hepsi"} << fail << QString()
                                             << "tarlen: --help seçeneği değer almaz\n"
                                             << 2;
    QTest::newRow("two pictures") << QStringList{"a.bmp", "b.bmp"} << fail << QString()
                                  << "tarlen: fazla argüman: b.bmp (yalnız bir resim açılır)\n"
                                  << 2;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLineAction, action);
    QFETCH(QString, picture);
    QFETCH(QString, error);
    QFETCH(int, exitStatus);

    const CommandLine commandLine = parseCommandLine(tarlenWith(arguments));

    QCOMPARE(commandLine.action, action);
    QCOMPARE(commandLine.exitStatus, exitStatus);
    QCOMPARE(commandLine.picture.has_value(), !picture.isEmpty());
    if (commandLine.picture)
        QCOMPARE(*commandLine.picture, picture);
    switch (action) {
    case CommandLineAction::Run:
        QVERIFY(commandLine.text.isEmpty());
        break;
    case CommandLineAction::ShowHelp:
        QVERIFY(commandLine.text.startsWith(QStringLiteral("Kullanım: tarlen")));
        break;
    case CommandLineAction::ShowVersion:
        QVERIFY2(QRegularExpression(QStringLiteral("^Tarlen \\d+\\.\\d+\\.\\d+\n$"))
                     .match(commandLine.text)
                     .hasMatch(),
                 qPrintable(commandLine.text));
        break;
    case CommandLineAction::Fail:
        QCOMPARE(commandLine.text, error);
        break;
    }
}

void TestCommandLine::helpListsEveryOptionOnItsOwnLine()
{
    const QStringList lines = parseCommandLine(tarlenWith({"--help"})).text.split(u'\n');

    QCOMPARE(lines.first(), QStringLiteral("Kullanım: tarlen [seçenekler] [resim]"));
    const QStringList expected{QStringLiteral("-h, --help"), QStringLiteral("-v, --version"),
                               QStringLiteral("resim")};
    for (const QString &start : expected) {
        const QStringList matching = lines.filter(QRegularExpression(
            QStringLiteral("^  ") + QRegularExpression::escape(start) + QStringLiteral(" +\\S")));
        QVERIFY2(matching.size() == 1, qPrintable(start));
    }
    // Qt's own options are accepted but not offered.
    QVERIFY(lines.filter(QStringLiteral("platform")).isEmpty());
    QVERIFY(lines.filter(QStringLiteral("style")).isEmpty());
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
