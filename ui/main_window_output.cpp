// MainWindow, Output page: the output options, the live page preview, printing and the three exports.
#include "ui/main_window.h"

#include "core/files/crossword_file.h"
#include "core/files/ipuz_format.h"
#include "core/files/puz_format.h"
#include "core/output/clipboard_text.h"
#include "core/output/export_file.h"
#include "core/output/html_writer.h"
#include "core/output/rtf_writer.h"
#include "render/output_fonts.h"
#include "render/page_devices.h"
#include "ui/form_building.h"
#include "ui/output_combos.h"
#include "ui/page_preview.h"
#include "ui/panel_status_bar.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// The "Items to Display" buttons, in the order of their modes, with their click handlers.
struct ModeButton {
    const char* Name;
    const char* Caption;
    void (MainWindow::*Click)();
};
constexpr ModeButton ModeButtons[OutputModeCount] = {
    {"PrintRadioReady", " Empty Grid && Clues", &MainWindow::PrintRadioReadyClick},
    {"PrintRadioAll", " Completed Grid && Clues", &MainWindow::PrintRadioAllClick},
    {"PrintRadioGrid", " Completed Grid only", &MainWindow::PrintRadioGridClick},
    {"PrintRadioEmpty", " Empty Grid only", &MainWindow::PrintRadioEmptyClick},
    {"PrintRadioClues", " Clue List only", &MainWindow::PrintRadioCluesClick},
    {"PrintRadioAnswers", " Answer List only", &MainWindow::PrintRadioAnswersClick},
    {"PrintRadioWordList", " Answer/Clue List (alpha)", &MainWindow::PrintRadioWordListClick},
};

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace

QWidget* MainWindow::BuildOutputPage()
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
    auto* radios = new QGridLayout(PrintGroupBox);
    // Narrow side margins and a clear gap between the columns: the longest captions fill the page's width.
    radios->setContentsMargins(4, 4, 2, 4);
    radios->setHorizontalSpacing(9);
    radios->setVerticalSpacing(2);
    for (int mode = 0; mode < OutputModeCount; ++mode) {
        auto* radio = Named<QRadioButton>(ModeButtons[mode].Name, ModeButtons[mode].Caption, PrintGroupBox);
        PrintRadios << radio;
        radios->addWidget(radio, mode < 4 ? mode : mode - 4, mode < 4 ? 0 : 1);
        connect(radio, &QRadioButton::clicked, this, ModeButtons[mode].Click);
    }
    PrintRadioReady = PrintRadios[0];
    PrintRadioAll = PrintRadios[1];
    PrintRadioGrid = PrintRadios[2];
    PrintRadioEmpty = PrintRadios[3];
    PrintRadioClues = PrintRadios[4];
    PrintRadioAnswers = PrintRadios[5];
    PrintRadioWordList = PrintRadios[6];
    PrintRadioReady->setChecked(true);
    col->addWidget(PrintGroupBox);

    OutputStylePnl = Named<QFrame>("OutputStylePnl", page);
    auto* style = new QHBoxLayout(OutputStylePnl);
    style->setContentsMargins(6, 6, 6, 6);
    style->setSpacing(10);

    // The grid's printed size: a vertical track bar, 60 mm at the top, with its status and default.
    auto* sizeCol = new QVBoxLayout;
    sizeCol->setSpacing(2);
    sizeCol->addWidget(new QLabel("60 x 60 mm", OutputStylePnl), 0, Qt::AlignHCenter);
    GridSizeTrackBar = Named<QSlider>("GridSizeTrackBar", Qt::Vertical, OutputStylePnl);
    GridSizeTrackBar->setRange(MinGridMM, MaxGridMM);
    GridSizeTrackBar->setSingleStep(10);
    GridSizeTrackBar->setPageStep(10);
    GridSizeTrackBar->setTickInterval(10);
    GridSizeTrackBar->setTickPosition(QSlider::TicksBothSides);
    GridSizeTrackBar->setInvertedAppearance(true);
    GridSizeTrackBar->setInvertedControls(true);
    GridSizeTrackBar->setValue(140);
    GridSizeTrackBar->setEnabled(false);
    GridSizeTrackBar->setMinimumHeight(150);
    sizeCol->addWidget(GridSizeTrackBar, 1, Qt::AlignHCenter);
    sizeCol->addWidget(new QLabel("180 x 180 mm", OutputStylePnl), 0, Qt::AlignHCenter);
    SizeStatusBar = new PanelStatusBar({0}, OutputStylePnl);
    SizeStatusBar->setObjectName("SizeStatusBar");
    SizeStatusBar->setFixedWidth(110);
    sizeCol->addWidget(SizeStatusBar);
    GridDefaultBtn = Named<QPushButton>("GridDefaultBtn", "Set &Default", OutputStylePnl);
    GridDefaultBtn->setEnabled(false);
    sizeCol->addWidget(GridDefaultBtn);
    style->addLayout(sizeCol);

    auto* options = new QVBoxLayout;
    options->setSpacing(4);
    options->addWidget(new QLabel("Font:", OutputStylePnl));
    FontNameCombo = Named<QComboBox>("FontNameCombo", OutputStylePnl);
    FontNameCombo->setMaxVisibleItems(20);
    MakeImageItemCombo(FontNameCombo, {2, 1}, {18, 0}, 18);
    options->addWidget(FontNameCombo);
    FontLabel = Named<QLabel>("FontLabel", "Arial", OutputStylePnl);
    FontLabel->hide();
    options->addSpacing(6);
    options->addWidget(new QLabel("Blocked squares:", OutputStylePnl));
    BlockingCombo = Named<QComboBox>("BlockingCombo", OutputStylePnl);
    MakeImageItemCombo(BlockingCombo, {2, 2}, {23, 1}, 20);
    BlockingCombo->setIconSize(QSize(16, 16));
    for (int i = 0; i < BlockingStyleCount; ++i)
        BlockingCombo->addItem(QIcon(QPixmap::fromImage(render::BlockingSwatch(i))), BlockingStyles[static_cast<std::size_t>(i)].ItemText);
    BlockingCombo->setCurrentIndex(DefaultBlockingStyle);
    options->addWidget(BlockingCombo);
    options->addSpacing(6);
    TitleCheck = Named<QCheckBox>("TitleCheck", " Include title", OutputStylePnl);
    TitleCheck->setChecked(true);
    options->addWidget(TitleCheck);
    TitleEdit = Named<QLineEdit>("TitleEdit", "Crossword", OutputStylePnl);
    options->addWidget(TitleEdit);
    options->addSpacing(6);
    ExtrasCheck = Named<QCheckBox>("ExtrasCheck", "  Extra information ", OutputStylePnl);
    ExtrasCheck->setChecked(true);
    options->addWidget(ExtrasCheck);
    options->addStretch(1);
    style->addLayout(options, 1);
    col->addWidget(OutputStylePnl, 1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    PrintBtn = Named<QPushButton>("PrintBtn", "&Print...", page);
    ExportClipboardBtn = Named<QPushButton>("ExportClipboardBtn", "Text to &Clipboard", page);
    CreateRTFbtn = Named<QPushButton>("CreateRTFbtn", "&RTF File...", page);
    CreateHTMbtn = Named<QPushButton>("CreateHTMbtn", "&HTML File...", page);
    ipuzFileButton_ = Named<QPushButton>("CreateIpuzBtn", "&ipuz File...", page);
    puzFileButton_ = Named<QPushButton>("CreatePuzBtn", "&puz File...", page);
    buttons->addWidget(PrintBtn, 0, 0);
    buttons->addWidget(ExportClipboardBtn, 0, 1);
    buttons->addWidget(CreateRTFbtn, 1, 0);
    buttons->addWidget(CreateHTMbtn, 1, 1);
    buttons->addWidget(ipuzFileButton_, 2, 0);
    buttons->addWidget(puzFileButton_, 2, 1);
    for (QPushButton* b : {PrintBtn, ExportClipboardBtn, CreateRTFbtn, CreateHTMbtn, ipuzFileButton_, puzFileButton_}) b->setEnabled(false);
    col->addLayout(buttons);

    // The fonts of the system, TrueType ones marked, with the default output font chosen if present.
    const QIcon trueType(QPixmap::fromImage(TrueTypeMark()));
    for (const std::string& name : render::InstalledFontNames()) {
        if (render::IsTrueTypeFont(name)) FontNameCombo->addItem(trueType, ToQ(name));
        else FontNameCombo->addItem(ToQ(name));
    }
    FontNameCombo->setCurrentIndex(FontNameCombo->findText(FontLabel->text(), Qt::MatchFixedString));

    ShowOutputOptions();

    connect(GridSizeTrackBar, &QSlider::valueChanged, this, [this] { GridSizeTrackBarChange(); });
    connect(GridDefaultBtn, &QPushButton::clicked, this, [this] { GridDefaultBtnClick(); });
    connect(FontNameCombo, &QComboBox::currentIndexChanged, this, [this] { FontNameComboChange(); });
    connect(BlockingCombo, &QComboBox::currentIndexChanged, this, [this] { BlockingComboChange(); });
    connect(TitleEdit, &QLineEdit::textChanged, this, [this] { TitleEditChange(); });
    connect(TitleCheck, &QCheckBox::clicked, this, [this] { TitleCheckClick(); });
    connect(ExtrasCheck, &QCheckBox::clicked, this, [this] { ExtrasCheckClick(); });
    connect(PrintBtn, &QPushButton::clicked, this, [this] { PrintBtnClick(); });
    connect(ExportClipboardBtn, &QPushButton::clicked, this, [this] { ExportClipboardBtnClick(); });
    connect(CreateRTFbtn, &QPushButton::clicked, this, [this] { CreateRTFbtnClick(); });
    connect(CreateHTMbtn, &QPushButton::clicked, this, [this] { CreateHTMbtnClick(); });
    connect(ipuzFileButton_, &QPushButton::clicked, this, [this] { onIpuzFileChosen(); });
    connect(puzFileButton_, &QPushButton::clicked, this, [this] { onPuzFileChosen(); });
    return page;
}

QWidget* MainWindow::BuildPreviewPage()
{
    auto* page = Named<QWidget>("_TabPrint");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(2, 2, 2, 2);
    OutputPagePnl = Named<QFrame>("OutputPagePnl", page);
    col->addWidget(OutputPagePnl);
    PageImage = new PagePreview(OutputPagePnl);
    PageImage->resize(PreviewWidthPixels, PreviewWidthPixels * A4HeightMM / A4WidthMM);
    return page;
}

// ---------------------------------------------------------------------------------------------
// The preview

OutputMode MainWindow::CheckedOutputMode() const
{
    for (int mode = 0; mode < OutputModeCount - 1; ++mode)
        if (PrintRadios[mode]->isChecked()) return static_cast<OutputMode>(mode);
    return static_cast<OutputMode>(OutputModeCount - 1);
}

void MainWindow::RenderPreview(OutputMode mode)
{
    state_.Output.Mode = mode;
    Guard([&] { PageImage->SetPicture(render::RenderPreviewImage(state_, mode, PreviewWidthPixels)); });
}

void MainWindow::RefreshPreview() { RenderPreview(CheckedOutputMode()); }

void MainWindow::TabSheetPrintEnter()
{
    const int p = GridSizeTrackBar->value();
    SizeStatusBar->setPanelText(0, QString("%1 x %2 mm").arg(p).arg(p));
    GridSizeTrackBar->setEnabled(state_.Fills.CurrentFill != 0 && state_.PrinterAvailable);
    RefreshPreview();
}

void MainWindow::PrintRadioReadyClick() { RenderPreview(OutputMode::EmptyGridAndClues); }
void MainWindow::PrintRadioAllClick() { RenderPreview(OutputMode::CompletedGridAndClues); }
void MainWindow::PrintRadioGridClick() { RenderPreview(OutputMode::CompletedGridOnly); }
void MainWindow::PrintRadioEmptyClick() { RenderPreview(OutputMode::EmptyGridOnly); }
void MainWindow::PrintRadioCluesClick() { RenderPreview(OutputMode::ClueListOnly); }
void MainWindow::PrintRadioAnswersClick() { RenderPreview(OutputMode::AnswerListOnly); }
void MainWindow::PrintRadioWordListClick() { RenderPreview(OutputMode::AnswerClueListAlpha); }

void MainWindow::GridSizeTrackBarChange()
{
    const int p = GridSizeTrackBar->value();
    state_.Output.GridMM = p;
    SizeStatusBar->setPanelText(0, QString("%1 x %2 mm").arg(p).arg(p));
    RefreshPreview();
    GridDefaultBtn->setEnabled(true);
}

void MainWindow::GridDefaultBtnClick()
{
    GridSizeTrackBar->setValue(DefaultGridMM(state_.Xw.GridSize));
    GridDefaultBtn->setEnabled(false);
}

void MainWindow::MoveGridSizeTrackBarQuietly(int gridSize)
{
    const QSignalBlocker block(GridSizeTrackBar);
    GridSizeTrackBar->setValue(DefaultGridMM(gridSize));
    state_.Output.GridMM = GridSizeTrackBar->value();
}

void MainWindow::FontNameComboChange()
{
    if (FontNameCombo->currentIndex() < 0) return;
    FontLabel->setText(FontNameCombo->currentText());
    state_.Output.FontName = FromQ(FontLabel->text());
    RefreshPreview();
}

void MainWindow::BlockingComboChange()
{
    if (BlockingCombo->currentIndex() < 0) return;
    state_.Output.Blocking = BlockingCombo->currentIndex();
    RefreshPreview();
}

void MainWindow::TitleEditChange()
{
    state_.Output.Title = FromQ(TitleEdit->text());
    RefreshPreview();
}

void MainWindow::TitleCheckClick()
{
    state_.Output.TitleChecked = TitleCheck->isChecked();
    RefreshPreview();
}

void MainWindow::ExtrasCheckClick()
{
    state_.Output.ExtrasChecked = ExtrasCheck->isChecked();
    RefreshPreview();
}

void MainWindow::ShowOutputOptions()
{
    const OutputOptions& o = state_.Output;
    for (QWidget* w : std::initializer_list<QWidget*>{TitleEdit, FontNameCombo, BlockingCombo, GridSizeTrackBar}) w->blockSignals(true);
    TitleEdit->setText(ToQ(o.Title));
    // A font that is not installed is still named (the output falls back to a similar one) rather
    // than leaving the box empty or showing the font chosen before.
    FontNameCombo->setPlaceholderText(ToQ(o.FontName));
    FontNameCombo->setCurrentIndex(FontNameCombo->findText(ToQ(o.FontName), Qt::MatchFixedString));
    FontLabel->setText(ToQ(o.FontName));
    BlockingCombo->setCurrentIndex(o.Blocking);
    GridSizeTrackBar->setValue(o.GridMM);
    for (QWidget* w : std::initializer_list<QWidget*>{TitleEdit, FontNameCombo, BlockingCombo, GridSizeTrackBar}) w->blockSignals(false);
}

void MainWindow::EnableOutputControls(bool enabled)
{
    SaveBtn->setEnabled(enabled);
    const bool output = enabled && state_.PrinterAvailable;
    for (QWidget* w : std::initializer_list<QWidget*>{PrintGroupBox, PrintBtn, CreateRTFbtn, CreateHTMbtn, ipuzFileButton_, puzFileButton_,
                                                     ExportClipboardBtn, GridSizeTrackBar})
        w->setEnabled(output);
}

// ---------------------------------------------------------------------------------------------
// Printing and the exports

void MainWindow::PrintBtnClick()
{
    // During a run the crossword is the run's working copy: it is put out once the run has ended.
    if (state_.RunInProgress() || !PrintBtn->isEnabled()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(render::PrintJobTitle);
    if (!dialogs_->ChoosePrinter(this, printer)) return;
    const OutputMode mode = CheckedOutputMode();
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            // A PDF file is written whole and then put in place, like every other file the program writes.
            render::WritePdfFile(printer.outputFileName().toLocal8Bit().toStdString(), state_, mode);
        } else {
            render::PrintPage(printer, state_, mode);
        }
    });
}

void MainWindow::ExportClipboardBtnClick()
{
    if (state_.RunInProgress() || !ExportClipboardBtn->isEnabled()) return;
    const ClipboardExport text = ClipboardTextForMode(CheckedOutputMode(), state_.Xw, ClueListCount(state_.Fills, state_.Xw));
    if (!text.HasText) {
        dialogs_->Warning(this, ToQ(text.Message));
        return;
    }
    QGuiApplication::clipboard()->setText(ToQ(text.Text));
    dialogs_->Information(this, ToQ(text.Message));
}

namespace {

/// Asks for the file of an export; empty when cancelled or when the user keeps an existing file.
QString ChooseExportFile(UserDialogs& dialogs, QWidget* parent, const char* filter, const char* suffix)
{
    const QString proposed = QDir(ProgramFolder()).filePath(ProposedExportName);
    const QString path = dialogs.ChooseSaveFile(parent, proposed, DialogFilter(filter), suffix);
    if (path.isEmpty()) return {};
    if (SaveWouldOverwrite(path.toLocal8Bit().toStdString()) && !dialogs.AskYesNo(parent, OverwriteQuestion, false)) return {};
    return path;
}

}  // namespace

void MainWindow::CreateRTFbtnClick()
{
    if (state_.RunInProgress() || !CreateRTFbtn->isEnabled()) return;
    const QString path = ChooseExportFile(*dialogs_, this, RtfFileFilter, "rtf");
    if (path.isEmpty()) return;
    const OutputMode mode = CheckedOutputMode();
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        WriteRtfFile(path.toLocal8Bit().toStdString(), state_, mode, render::FontTableEntry(state_.Output.FontName));
    });
}

void MainWindow::CreateHTMbtnClick()
{
    if (state_.RunInProgress() || !CreateHTMbtn->isEnabled()) return;
    const QString path = ChooseExportFile(*dialogs_, this, HtmlFileFilter, "htm");
    if (path.isEmpty()) return;
    const OutputMode mode = CheckedOutputMode();
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        WriteHtmlFile(path.toLocal8Bit().toStdString(), state_, mode);
    });
}

// The interchange files hold the answers and clues only; the output mode and page style do not apply.
void MainWindow::onIpuzFileChosen()
{
    if (state_.RunInProgress() || !ipuzFileButton_->isEnabled()) return;
    const QString path = ChooseExportFile(*dialogs_, this, IpuzFileFilter, IpuzFileExtension);
    if (path.isEmpty()) return;
    CommitClueEdits();
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        WriteIpuzFile(path.toLocal8Bit().toStdString(), state_);
    });
}

void MainWindow::onPuzFileChosen()
{
    if (state_.RunInProgress() || !puzFileButton_->isEnabled()) return;
    const QString path = ChooseExportFile(*dialogs_, this, PuzFileFilter, PuzFileExtension);
    if (path.isEmpty()) return;
    CommitClueEdits();
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        WritePuzFile(path.toLocal8Bit().toStdString(), state_);
    });
}

}  // namespace qm::ui
