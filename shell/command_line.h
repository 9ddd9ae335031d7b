#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// What the program was asked to do when it started. Without arguments it simply runs.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };

    Action action = Action::Run;
    QString file;        // a saved reading to open, as given
    QStringList ignored; // further files, which are not opened
    QString text;        // the help, the version, or what was wrong, ready to print
};

// The exit status of a command line that the program refuses, as GNU programs use it.
inline constexpr int kUsageErrorStatus = 2;
// The exit status of a later copy whose file the running copy refused.
inline constexpr int kFileRefusedStatus = 1;

// Reads `program [FILE]`, --help and --version. The first argument is the program itself.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace shell
