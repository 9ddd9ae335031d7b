#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace shell {
namespace {

QString programName(const QStringList& arguments) {
    return arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).completeBaseName();
}

CommandLine ending(CommandLine::Action action, const QString& text) {
    CommandLine commandLine;
    commandLine.action = action;
    commandLine.text = text;
    return commandLine;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "shell::CommandLine",
        "Gives a couple a Feng Shui compatibility reading after the Eight Mansions school."));
    // Qt's own help option also lists --help-all, for options of Qt's that this program does
    // not explain; so ours is made here, with Qt's words in our own translation, since Qt 6.4's
    // Spanish, French and Japanese catalogues leave them in English.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("shell::CommandLine", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    //: The name --help gives the file argument, written as the language writes such a
    //: placeholder (in capitals where it has them)
    const QString file = QCoreApplication::translate("shell::CommandLine", "FILE");
    parser.addPositionalArgument(
        file, QCoreApplication::translate("shell::CommandLine", "A saved reading (.fsc) to open."),
        QStringLiteral("[%1]").arg(file));

    const QString name = programName(arguments);
    if (!parser.parse(arguments)) {
        return ending(CommandLine::Action::Refuse,
                      QCoreApplication::translate("shell::CommandLine",
                                                  "%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(name, parser.errorText()));
    }
    if (parser.isSet(help)) {
        return ending(CommandLine::Action::ShowHelp, parser.helpText());
    }
    if (parser.isSet(version)) {
        return ending(CommandLine::Action::ShowVersion,
                      QStringLiteral("%1 %2\n").arg(name, QCoreApplication::applicationVersion()));
    }
    QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        return {};
    }
    CommandLine commandLine;
    commandLine.file = files.takeFirst();
    commandLine.ignored = files;
    if (!commandLine.ignored.isEmpty()) {
        commandLine.text =
            QCoreApplication::translate("shell::CommandLine",
                                        "%1: only one reading opens at a time; ignored: %2\n")
                .arg(name, commandLine.ignored.join(QLatin1Char(' ')));
    }
    return commandLine;
}

} // namespace shell
