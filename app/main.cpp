// Quillmere: process entry. Reads the command line, checks for a display, creates the main window,
// opens a crossword given on the command line and runs the event loop.
#include "core/util/version.h"
#include "ui/command_line.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

bool HasDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* v = std::getenv(name);
        if (v && *v) return true;
    }
    return false;
}

/// Answers --version, --help and a bad command line; returns the exit code, or -1 to open the window.
int AnswerWithoutWindow(const qm::ui::WindowCommandLine& line)
{
    using Action = qm::ui::WindowCommandLine::Action;
    switch (line.action) {
    case Action::PrintVersion:
        std::printf("quillmere %s\n", qm::ProgramVersion());
        return 0;
    case Action::PrintHelp:
        std::fputs(qPrintable(qm::ui::WindowUsage()), stdout);
        return 0;
    case Action::Refuse:
        std::fprintf(stderr, "quillmere: %s\n%s", qPrintable(line.message), qPrintable(qm::ui::WindowUsage()));
        return 2;
    case Action::OpenWindow:
        break;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    // --version and --help need no display, so they are answered before Qt looks for one.
    QStringList raw;
    for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
    const auto early = qm::ui::ParseWindowCommandLine(raw);
    if (early.action == qm::ui::WindowCommandLine::Action::PrintVersion ||
        early.action == qm::ui::WindowCommandLine::Action::PrintHelp)
        return AnswerWithoutWindow(early);

    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "Quillmere is a desktop program and needs a display, but neither DISPLAY nor WAYLAND_DISPLAY\n"
                     "is set. Start it from a desktop session (or under Xvfb: xvfb-run -a quillmere).\n"
                     "Without a display, the command-line tool does the same work: quillmere-cli --help\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmere");
    QApplication::setApplicationVersion(qm::ProgramVersion());
    QApplication::setDesktopFileName("org.quillmere.Quillmere");
    QIcon icon;
    for (const char* size : {"48", "256"}) icon.addFile(QString(":/icons/%1/org.quillmere.Quillmere.png").arg(size));
    QApplication::setWindowIcon(icon);
    // Qt has taken its own options (-platform, -style, ...) out of the arguments by now.
    const auto line = qm::ui::ParseWindowCommandLine(QApplication::arguments());
    if (const int code = AnswerWithoutWindow(line); code >= 0) return code;

    qm::ui::MainWindow window;
    window.show();
    qm::ui::OpenCommandLineCrossword(window, line);
    return QApplication::exec();
}
