// The real message boxes and file dialogs behind UserDialogs.
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace qm::ui {

namespace {
const QString Caption = QStringLiteral("Quillmere");

/// The program's texts break their lines with a carriage return alone; message boxes want line feeds.
QString Shown(const QString& text)
{
    QString shown = text;
    shown.replace("\r\n", "\n").replace('\r', '\n');
    return shown;
}

}  // namespace

void StandardDialogs::Information(QWidget* parent, const QString& text) { QMessageBox::information(parent, Caption, Shown(text)); }
void StandardDialogs::Warning(QWidget* parent, const QString& text) { QMessageBox::warning(parent, Caption, Shown(text)); }
void StandardDialogs::Error(QWidget* parent, const QString& text) { QMessageBox::critical(parent, Caption, Shown(text)); }

bool StandardDialogs::AskYesNo(QWidget* parent, const QString& text, bool warning)
{
    const auto buttons = QMessageBox::Yes | QMessageBox::No;
    const auto answer = warning ? QMessageBox::warning(parent, Caption, text, buttons, QMessageBox::No)
                                : QMessageBox::information(parent, Caption, text, buttons, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

bool StandardDialogs::AskYesCancel(QWidget* parent, const QString& text)
{
    return QMessageBox::information(parent, Caption, text, QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel) ==
           QMessageBox::Yes;
}

QString StandardDialogs::AskText(QWidget* parent, const QString& label, const QString& proposed)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, Caption, label, QLineEdit::Normal, proposed, &ok);
    return ok ? text : QString();
}

QString StandardDialogs::ChooseOpenFile(QWidget* parent, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, Caption, folder, filter);
}

QString StandardDialogs::ChooseSaveFile(QWidget* parent, const QString& proposed, const QString& filter,
                                        const QString& defaultSuffix)
{
    QFileDialog dialog(parent, Caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // The program asks its own overwrite question where it has one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

bool StandardDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer)
{
    // The print dialog also offers printing to a PDF file, so there is always somewhere to print to.
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(Caption);
    return dialog.exec() == QDialog::Accepted;
}

QString DialogFilter(const char* filter)
{
    // "description|patterns" pairs, patterns separated by ";", become Qt's "description (patterns)"
    // entries separated by ";;".
    const QStringList parts = QString::fromLatin1(filter).split('|');
    if (parts.size() < 2) return parts.value(0);
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        entries << (description.contains("(" + patterns + ")") ? description : description + " (" + patterns + ")");
    }
    return entries.join(";;");
}

}  // namespace qm::ui
