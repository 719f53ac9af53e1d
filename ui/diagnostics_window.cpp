// The diagnostics window and its memo.
#include "ui/diagnostics_window.h"

#include "ui/form_building.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qm::ui {

DiagnosticsWindow::DiagnosticsWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Form4");
    setWindowTitle("Quillmere Diagnostics");
    resize(620, 480);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(4, 4, 4, 4);
    listing_ = Named<QPlainTextEdit>("Memo2", this);
    listing_->setReadOnly(true);
    listing_->setLineWrapMode(QPlainTextEdit::NoWrap);
    listing_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    col->addWidget(listing_);
}

void DiagnosticsWindow::SetLines(const QStringList& lines) { listing_->setPlainText(lines.join('\n')); }

void DiagnosticsWindow::AddLine(const QString& line) { listing_->appendPlainText(line); }

QStringList DiagnosticsWindow::Lines() const
{
    const QString text = listing_->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

}  // namespace qm::ui
