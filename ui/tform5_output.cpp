// TForm5, Output page: the output options on the left and the page preview on the right.
#include "ui/tform5.h"

#include "ui/form_building.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace qm::ui {

QWidget* TForm5::BuildOutputPage()
{
    auto* page = Named<QWidget>("TabSheetPrint");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);
    OutputHeaderPanel = Named<QLabel>("OutputHeaderPanel", "Print the crossword or export it.", page);
    OutputHeaderPanel->setFrameShape(QFrame::StyledPanel);
    OutputHeaderPanel->setContentsMargins(6, 4, 6, 4);
    col->addWidget(OutputHeaderPanel);
    PrintGroupBox = Named<QGroupBox>("PrintGroupBox", "Items to Display", page);
    PrintGroupBox->setEnabled(false);
    new QVBoxLayout(PrintGroupBox);
    col->addWidget(PrintGroupBox, 1);
    OutputStylePnl = Named<QFrame>("OutputStylePnl", page);
    new QVBoxLayout(OutputStylePnl);
    col->addWidget(OutputStylePnl, 1);
    return page;
}

QWidget* TForm5::BuildPreviewPage()
{
    auto* page = Named<QWidget>("_TabPrint");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(2, 2, 2, 2);
    OutputPagePnl = Named<QFrame>("OutputPagePnl", page);
    col->addWidget(OutputPagePnl);
    return page;
}

}  // namespace qm::ui
