// RecordingDialogs: answers the window's questions from a script and records every message, for tests.
#pragma once

#include "ui/user_dialogs.h"

#include <QPrinter>
#include <QStringList>

#include <deque>

namespace qm::uitest {

class RecordingDialogs : public ui::UserDialogs {
public:
    struct Log {
        QStringList Messages;          ///< every message and question, in order, prefixed by its kind
        std::deque<bool> Answers;      ///< answers to the next questions (default: Yes)
        std::deque<QString> Files;     ///< files to choose in the next file or print dialogs (default: cancel)
        std::deque<QString> Texts;     ///< texts to type into the next text questions (default: cancel)
        QStringList Filters;           ///< the file type filter of every file dialog, in order
    };

    explicit RecordingDialogs(Log& log) : log_(log) {}

    void Information(QWidget*, const QString& text) override { log_.Messages << "info: " + text; }
    void Warning(QWidget*, const QString& text) override { log_.Messages << "warning: " + text; }
    void Error(QWidget*, const QString& text) override { log_.Messages << "error: " + text; }
    bool AskYesNo(QWidget*, const QString& text, bool) override { return Answer("ask: " + text); }
    bool AskYesCancel(QWidget*, const QString& text) override { return Answer("ask: " + text); }
    QString AskText(QWidget*, const QString& label, const QString&) override
    {
        log_.Messages << "text: " + label;
        if (log_.Texts.empty()) return {};
        QString t = log_.Texts.front();
        log_.Texts.pop_front();
        return t;
    }
    QString ChooseOpenFile(QWidget*, const QString&, const QString& filter) override
    {
        log_.Filters << filter;
        return NextFile();
    }
    QString ChooseSaveFile(QWidget*, const QString& proposed, const QString& filter, const QString&) override
    {
        log_.Filters << filter;
        log_.Messages << "save as: " + proposed;
        return NextFile();
    }
    /// Prints to the next file of Files as a PDF document; cancels when there is none.
    bool ChoosePrinter(QWidget*, QPrinter& printer) override
    {
        log_.Messages << "print";
        const QString file = NextFile();
        if (file.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }

private:
    bool Answer(const QString& text)
    {
        log_.Messages << text;
        if (log_.Answers.empty()) return true;
        const bool a = log_.Answers.front();
        log_.Answers.pop_front();
        return a;
    }
    QString NextFile()
    {
        if (log_.Files.empty()) return {};
        QString f = log_.Files.front();
        log_.Files.pop_front();
        return f;
    }

    Log& log_;
};

}  // namespace qm::uitest
