// Quillmere: process entry. Checks for a display, creates the main window and runs the event loop.
#include "ui/tform5.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

}  // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "Quillmere is a desktop program and needs a display, but neither DISPLAY nor WAYLAND_DISPLAY\n"
                     "is set. Start it from a desktop session (or under Xvfb: xvfb-run -a quillmere).\n"
                     "Without a display, the command-line tool does the same work: quillmere-cli --help\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmere");
    qm::ui::TForm5 window;
    window.show();
    return QApplication::exec();
}
