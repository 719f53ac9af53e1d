// The built-in help window.
#include "ui/help_window.h"

#include <QDesktopServices>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qm::ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName("HelpWindow");
    setWindowTitle("Quillmere Help");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({":/help"});
    resize(640, 560);
}

void HelpWindow::ShowContents()
{
    browser_->setSource(QUrl("qrc:/help/index.html"));
    show();
    raise();
    activateWindow();
}

}  // namespace qm::ui
