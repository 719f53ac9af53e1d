// The shared helpers of the page builders.
#include "ui/form_building.h"

#include "ui/colour.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPalette>

namespace qm::ui {

namespace {

class MouseUpWatcher : public QObject {
public:
    MouseUpWatcher(QObject* parent, std::function<void(Qt::MouseButton)> onUp) : QObject(parent), onUp_(std::move(onUp)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) onUp_(static_cast<QMouseEvent*>(event)->button());
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(Qt::MouseButton)> onUp_;
};

}  // namespace

QPushButton* AddCloseButtonRow(QWidget* dialog, QBoxLayout* column)
{
    auto* buttons = new QHBoxLayout;
    auto* close = Named<QPushButton>("CloseBtn", "&Close", dialog);
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addStretch(1);
    column->addLayout(buttons);
    return close;
}

BackNextButtons AddBackNextRow(QWidget* page, QBoxLayout* column, const char* back, const char* next)
{
    auto* buttons = new QHBoxLayout;
    BackNextButtons made{Named<QPushButton>(back, "< &Back", page), Named<QPushButton>(next, "&Next >", page)};
    made.Next->setEnabled(false);
    buttons->addStretch(1);
    buttons->addWidget(made.Back);
    buttons->addWidget(made.Next);
    column->addLayout(buttons);
    return made;
}

void WatchMouseUp(QWidget* watched, std::function<void(Qt::MouseButton)> onUp)
{
    watched->installEventFilter(new MouseUpWatcher(watched, std::move(onUp)));
}

void SetPanelColour(QWidget* w, Colour colour)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ToQColor(colour, p));
    w->setPalette(p);
}

QLabel* FillsHintPanel(const char* name, QWidget* parent)
{
    auto* hint = Named<QLabel>(name, parent);
    hint->setAlignment(Qt::AlignCenter);
    hint->setFrameShape(QFrame::StyledPanel);
    hint->setFixedHeight(hint->fontMetrics().height() + 6);
    return hint;
}

QLabel* SmallLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setPixelSize(12);
    l->setFont(f);
    return l;
}

void SetCalibri(QWidget* w, int pointSize, bool bold)
{
    QFont f("Calibri");
    f.setPointSize(pointSize);
    f.setBold(bold);
    w->setFont(f);
}

}  // namespace qm::ui
