// HelpWindow: the built-in help, a browser over the program's own help pages.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace qm::ui {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// Shows the table of contents.
    void ShowContents();
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace qm::ui
