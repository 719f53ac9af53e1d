// The window program's command line.
#include "ui/command_line.h"

#include "ui/main_window.h"

#include <QFileInfo>
#include <QTimer>

namespace qm::ui {

WindowCommandLine ParseWindowCommandLine(const QStringList& arguments)
{
    WindowCommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--version" || a == "-v") {
            line.action = WindowCommandLine::Action::PrintVersion;
            return line;
        }
        if (a == "--help" || a == "-h") {
            line.action = WindowCommandLine::Action::PrintHelp;
            return line;
        }
        if (a.startsWith('-') && a != "-") {
            line.action = WindowCommandLine::Action::Refuse;
            line.message = QString("unknown option %1").arg(a);
            return line;
        }
        if (!line.crosswordFile.isEmpty()) {
            line.action = WindowCommandLine::Action::Refuse;
            line.message = "only one crossword file can be opened at a time";
            return line;
        }
        line.crosswordFile = QFileInfo(a).absoluteFilePath();
    }
    return line;
}

QString WindowUsage()
{
    return "usage: quillmere [FILE.xwd]\n\n"
           "Opens the Quillmere window, with the crossword FILE.xwd on display if one is given.\n\n"
           "  --help       this text\n"
           "  --version    the program's version\n\n"
           "Without a display, quillmere-cli does the same work: quillmere-cli --help\n";
}

void OpenCommandLineCrossword(MainWindow& window, const WindowCommandLine& line)
{
    if (line.crosswordFile.isEmpty()) return;
    QTimer::singleShot(0, &window, [&window, file = line.crosswordFile] { window.OpenCrosswordFileAtStart(file); });
}

}  // namespace qm::ui
