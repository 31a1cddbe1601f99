#include "ui/main/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <array>
#include <cstdio>

namespace tarlen {

namespace {

struct OwnOption {
    QStringList names;
    const char *usage;
    const char *description;
};

const std::array<OwnOption, 2> &ownOptions()
{
    static const std::array<OwnOption, 2> options{{
        {{QStringLiteral("h"), QStringLiteral("help")}, "-h, --help", "Bu yardımı gösterir."},
        {{QStringLiteral("v"), QStringLiteral("version")}, "-v, --version", "Sürümü gösterir."},
    }};
    return options;
}

// Qt's own options for the window system, read by QApplication; they take no part in the
// help, but a command line that uses them is still valid.
struct QtOption {
    const char *name;
    bool takesValue;
};

constexpr std::array kQtOptions{
    QtOption{"platform", true},        QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},   QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true}, QtOption{"qwindowicon", true},
    QtOption{"qwindowtitle", true},    QtOption{"session", true},
    QtOption{"display", true},         QtOption{"geometry", true},
    QtOption{"style", true},           QtOption{"stylesheet", true},
    QtOption{"reverse", false},        QtOption{"widgetcount", false},
    QtOption{"nograb", false},         QtOption{"dograb", false},
};

constexpr auto kPictureArgument = "resim";

QString helpText()
{
    QString text = QStringLiteral("Kullanım: tarlen [seçenekler] [%1]\n"
                                  "Grafik resimlerinden eğrilerin sayısal değerlerini okur.\n"
                                  "\n"
                                  "Seçenekler:\n")
                       .arg(QLatin1String(kPictureArgument));
    constexpr int column = 17;
    for (const OwnOption &option : ownOptions())
        text += QStringLiteral("  %1%2\n")
                    .arg(QString::fromUtf8(option.usage), -column)
                    .arg(QString::fromUtf8(option.description));
    text += QStringLiteral("\nArgümanlar:\n  %1%2\n")
                .arg(QLatin1String(kPictureArgument), -column)
                .arg(QStringLiteral("Açılışta yüklenecek grafik resmi."));
    return text;
}

QString versionText()
{
    return QStringLiteral("Tarlen " TARLEN_VERSION "\n");
}

CommandLine failure(const QString &message)
{
    return {CommandLineAction::Fail, std::nullopt, QStringLiteral("tarlen: ") + message + u'\n',
            kCommandLineErrorStatus};
}

bool takesValue(const QString &name)
{
    for (const QtOption &option : kQtOptions)
        if (option.takesValue && name == QLatin1String(option.name))
            return true;
    return false;
}

QString bareName(const QString &argument)
{
    QString name = argument.section(u'=', 0, 0);
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    return name;
}

// The option as the user typed it, dashes included: the argument whose name is name.
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1))
        if (argument.startsWith(u'-') && bareName(argument) == name)
            return argument.section(u'=', 0, 0);
    return name;
}

// The parser fails for an unknown option, a value missing after an option that takes one
// (then the last argument), or a value given to an option that takes none.
QString parseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("bilinmeyen seçenek: %1")
            .arg(typedOption(arguments, unknown.first()));
    const QString last = arguments.last();
    if (!last.contains(u'=') && takesValue(bareName(last)))
        return QStringLiteral("%1 seçeneğinin değeri eksik").arg(last);
    for (const QString &argument : arguments.mid(1))
        if (argument.startsWith(u'-') && argument.contains(u'=') && !takesValue(bareName(argument)))
            return QStringLiteral("%1 seçeneği değer almaz").arg(argument.section(u'=', 0, 0));
    return parser.errorText();
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Single-dash long options, as Qt's own -platform and -style are written.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OwnOption &option : ownOptions())
        parser.addOption(QCommandLineOption(option.names));
    for (const QtOption &option : kQtOptions) {
        const QString name = QString::fromLatin1(option.name);
        parser.addOption(option.takesValue
                             ? QCommandLineOption(name, QString(), QStringLiteral("value"))
                             : QCommandLineOption(name));
    }
    parser.addPositionalArgument(QLatin1String(kPictureArgument), QString());

    if (!parser.parse(arguments))
        return failure(parseError(parser, arguments));

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return failure(
            QStringLiteral("fazla argüman: %1 (yalnız bir resim açılır)").arg(positional.at(1)));
    if (parser.isSet(QStringLiteral("help")))
        return {CommandLineAction::ShowHelp, std::nullopt, helpText(), 0};
    if (parser.isSet(QStringLiteral("version")))
        return {CommandLineAction::ShowVersion, std::nullopt, versionText(), 0};

    CommandLine run;
    if (!positional.isEmpty())
        run.picture = positional.first();
    return run;
}

QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int answerCommandLine(const CommandLine &commandLine)
{
    FILE *stream = stdout;
    switch (commandLine.action) {
    case CommandLineAction::Run:
    case CommandLineAction::ShowHelp:
    case CommandLineAction::ShowVersion:
        break;
    case CommandLineAction::Fail:
        stream = stderr;
        break;
    }
    std::fputs(commandLine.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return commandLine.exitStatus;
}

} // namespace tarlen
