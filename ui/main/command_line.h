#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tarlen {

enum class CommandLineAction { Run, ShowHelp, ShowVersion, Fail };

// What the command line asks for. Run may name a picture to open; the other actions carry the
// text to print (help or version on standard output, a one-line error on standard error) and
// the exit status.
struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    std::optional<QString> picture;
    QString text;
    int exitStatus = 0;
};

// The status of a bad command line: an unknown option, a missing value, a second picture.
inline constexpr int kCommandLineErrorStatus = 2;

// Reads the arguments, the program's name first. Qt's own window-system options (-platform,
// -style, ...) are accepted and left to QApplication.
CommandLine parseCommandLine(const QStringList &arguments);

// The arguments of main() as texts, decoded from the system's encoding.
QStringList commandLineArguments(int argc, char *argv[]);

// Prints the text of an action other than Run and returns its exit status.
int answerCommandLine(const CommandLine &commandLine);

} // namespace tarlen
