// Starting the Qt application for the commands that measure fonts or draw pages.
#include "cli/gui_session.h"

#include <QGuiApplication>

#include <cstdlib>

namespace qm::cli {

namespace {

QtMessageHandler previousHandler = nullptr;

/// Without a desktop session Qt warns that it has no runtime folder; the commands need none.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void EnsureGuiSession()
{
    if (QGuiApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    previousHandler = qInstallMessageHandler(QuietHandler);
    static int argc = 1;
    static char name[] = "quillmere-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace qm::cli
