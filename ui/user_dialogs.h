// UserDialogs: the message boxes and file dialogs the window asks through, replaceable in tests.
#pragma once

#include <QString>
#include <QStringList>

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
    /// A chosen file, or empty when cancelled.
    virtual QString ChooseOpenFile(QWidget* parent, const QString& folder, const QString& filter) = 0;
    virtual QString ChooseSaveFile(QWidget* parent, const QString& proposed, const QString& filter,
                                   const QString& defaultSuffix) = 0;
};

/// The real dialogs (QMessageBox, QFileDialog).
class StandardDialogs : public UserDialogs {
public:
    void Information(QWidget* parent, const QString& text) override;
    void Warning(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text, bool warning) override;
    bool AskYesCancel(QWidget* parent, const QString& text) override;
    QString ChooseOpenFile(QWidget* parent, const QString& folder, const QString& filter) override;
    QString ChooseSaveFile(QWidget* parent, const QString& proposed, const QString& filter,
                           const QString& defaultSuffix) override;
};

}  // namespace qm::ui
