// UserDialogs: the message boxes and file dialogs the window asks through, replaceable in tests.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace qm::ui {

/// Every question and message of the window goes through this interface, so tests can answer them
/// without a modal dialog and record what was said.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual void Information(QWidget* parent, const QString& text) = 0;
    virtual void Warning(QWidget* parent, const QString& text) = 0;
    virtual void Error(QWidget* parent, const QString& text) = 0;
    /// True only when the user answers Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text, bool warning) = 0;
    virtual bool AskYesCancel(QWidget* parent, const QString& text) = 0;
    /// A line of text typed by the user (proposed given at the start), or empty when cancelled.
    virtual QString AskText(QWidget* parent, const QString& label, const QString& proposed) = 0;
    /// A chosen file, or empty when cancelled.
    virtual QString ChooseOpenFile(QWidget* parent, const QString& folder, const QString& filter) = 0;
    virtual QString ChooseSaveFile(QWidget* parent, const QString& proposed, const QString& filter,
                                   const QString& defaultSuffix) = 0;
    /// Lets the user choose a printer, or a PDF file to print to, and set up the job; false when
    /// cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

/// The real dialogs (QMessageBox, QFileDialog).
class StandardDialogs : public UserDialogs {
public:
    void Information(QWidget* parent, const QString& text) override;
    void Warning(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text, bool warning) override;
    bool AskYesCancel(QWidget* parent, const QString& text) override;
    QString AskText(QWidget* parent, const QString& label, const QString& proposed) override;
    QString ChooseOpenFile(QWidget* parent, const QString& folder, const QString& filter) override;
    QString ChooseSaveFile(QWidget* parent, const QString& proposed, const QString& filter,
                           const QString& defaultSuffix) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
};

/// A file dialog filter in the program's "Description|*.ext" form as the toolkit writes it,
/// "Description (*.ext)"; a description that already names its pattern is kept as it is.
QString DialogFilter(const char* filter);

}  // namespace qm::ui
