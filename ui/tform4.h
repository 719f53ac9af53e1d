// TForm4: the diagnostics window, a memo that the developer's dumps write into.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace qm::ui {

/// A separate window with one memo (Memo2); shown and hidden from the hidden Statistics page.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    /// Replaces the memo's text with the given lines.
    void SetLines(const QStringList& lines);
    void AddLine(const QString& line);
    QStringList Lines() const;

    QPlainTextEdit* Memo2 = nullptr;
};

}  // namespace qm::ui
