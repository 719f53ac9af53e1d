// The window program's command line: --version, --help and an optional crossword file to open.
#pragma once

#include <QString>
#include <QStringList>

namespace qm::ui {

class MainWindow;

/// What the command line asks of the window program.
struct WindowCommandLine {
    enum class Action { OpenWindow, PrintVersion, PrintHelp, Refuse };
    Action action = Action::OpenWindow;
    QString crosswordFile;  ///< absolute path of the crossword to open at start, or empty
    QString message;        ///< why the command line was refused (Action::Refuse)
};

/// Reads the arguments (the first is the program); Qt's own options are expected to be gone already
/// (QCoreApplication::arguments()). A relative file name is taken from the working folder.
WindowCommandLine ParseWindowCommandLine(const QStringList& arguments);

/// The usage text printed by --help.
QString WindowUsage();

/// Opens the command line's crossword file, if it names one, in the window once the event loop runs
/// (so that a message about a bad file shows over the window, not before it).
void OpenCommandLineCrossword(MainWindow& window, const WindowCommandLine& line);

}  // namespace qm::ui
