// TForm5, the hidden Statistics page (reached with Ctrl+F5): the developer's diagnostics.
#include "ui/tform5.h"

#include "ui/form_building.h"

#include <QLabel>
#include <QVBoxLayout>

namespace qm::ui {

QWidget* TForm5::BuildStatisticsPage()
{
    auto* page = Named<QWidget>("TabSheetHidden");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(8, 8, 8, 8);
    auto* title = new QLabel("Statistics and diagnostics", page);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    col->addWidget(title);
    col->addStretch(1);
    return page;
}

}  // namespace qm::ui
