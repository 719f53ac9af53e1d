// Small helpers the window's page builders share: named widgets, panel colours, the override cursor.
#pragma once

#include "core/grid/colours.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace qm::ui {

/// A new widget with its objectName, so that every control can be found by the name the program uses.
template <typename T, typename... Args>
T* Named(const char* name, Args&&... args)
{
    T* w = new T(std::forward<Args>(args)...);
    w->setObjectName(name);
    return w;
}

/// Gives a panel its own background colour ($00BBGGRR, or ColourButtonFace for the button face).
void SetPanelColour(QWidget* w, Colour colour);

/// A label in the small (12 pixel) type of the track bar and progress bar captions.
QLabel* SmallLabel(const QString& text, QWidget* parent);

/// The framed one-line hint under a fills list ("Click on any row to select a fill"), named as given.
QLabel* FillsHintPanel(const char* name, QWidget* parent);

/// Sets the font of a widget to Calibri of the given point size (bold when asked).
void SetCalibri(QWidget* w, int pointSize, bool bold = false);

inline QString ToQ(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<int>(text.size())); }
inline std::string FromQ(const QString& text) { return text.toLatin1().toStdString(); }

/// The "&Close" button of a small dialog, centred in a row at the bottom of its column.
QPushButton* AddCloseButtonRow(QWidget* dialog, QBoxLayout* column);

/// A workflow page's "< &Back" and "&Next >" buttons (named back and next), on the right of a row at the
/// bottom of its column; Next starts disabled.
struct BackNextButtons {
    QPushButton* Back = nullptr;
    QPushButton* Next = nullptr;
};
BackNextButtons AddBackNextRow(QWidget* page, QBoxLayout* column, const char* back, const char* next);

/// Calls onUp with the button whenever a mouse button is released over watched (a list's viewport, for
/// the right clicks of the fills and clue lists); the watcher lives as long as watched.
void WatchMouseUp(QWidget* watched, std::function<void(Qt::MouseButton)> onUp);

/// Shows a cursor shape for as long as it lives (the hourglass of long operations, the busy arrow of
/// runs); restores the previous one when it goes, also when the operation ends with an exception.
class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
    ~OverrideCursor() { QApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

/// Freezes the painting of a widget for as long as it lives.
class PaintFreeze {
public:
    explicit PaintFreeze(QWidget* w) : w_(w), was_(w->updatesEnabled()) { w_->setUpdatesEnabled(false); }
    ~PaintFreeze() { w_->setUpdatesEnabled(was_); }
    PaintFreeze(const PaintFreeze&) = delete;
    PaintFreeze& operator=(const PaintFreeze&) = delete;

private:
    QWidget* w_;
    bool was_;
};

}  // namespace qm::ui
