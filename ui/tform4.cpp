// The diagnostics window and its memo.
#include "ui/tform4.h"

#include "ui/form_building.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qm::ui {

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Form4");
    setWindowTitle("Quillmere Diagnostics");
    resize(620, 480);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(4, 4, 4, 4);
    Memo2 = Named<QPlainTextEdit>("Memo2", this);
    Memo2->setReadOnly(true);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    col->addWidget(Memo2);
}

void TForm4::SetLines(const QStringList& lines) { Memo2->setPlainText(lines.join('\n')); }

void TForm4::AddLine(const QString& line) { Memo2->appendPlainText(line); }

QStringList TForm4::Lines() const
{
    const QString text = Memo2->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

}  // namespace qm::ui
