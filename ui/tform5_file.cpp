// TForm5, File page: the panel that holds saving and reloading crossword files.
#include "ui/tform5.h"

#include "ui/form_building.h"

#include <QFrame>
#include <QVBoxLayout>

namespace qm::ui {

QWidget* TForm5::BuildFilePage()
{
    auto* page = Named<QWidget>("TabSheetFile");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    FilePanel = Named<QFrame>("FilePanel", page);
    new QVBoxLayout(FilePanel);
    col->addWidget(FilePanel);
    return page;
}

}  // namespace qm::ui
