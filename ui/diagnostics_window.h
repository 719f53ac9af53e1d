// DiagnosticsWindow: a separate window with one memo that the developer's dumps write into.
#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace qm::ui {

/// A separate window with one read-only memo (objectName Memo2), shown and hidden from the hidden
/// Statistics page.
class DiagnosticsWindow : public QWidget {
    Q_OBJECT
public:
    explicit DiagnosticsWindow(QWidget* parent = nullptr);

    /// Replaces the memo's text with the given lines.
    void SetLines(const QStringList& lines);
    void AddLine(const QString& line);
    QStringList Lines() const;

private:
    QPlainTextEdit* listing_ = nullptr;
};

}  // namespace qm::ui
