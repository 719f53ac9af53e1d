// OutputPage: the output options, the live page preview, printing and the three exports.
#include "ui/output_page.h"

#include "core/files/crossword_file.h"
#include "core/files/ipuz_format.h"
#include "core/files/puz_format.h"
#include "core/output/clipboard_text.h"
#include "core/output/export_file.h"
#include "core/output/html_writer.h"
#include "core/output/rtf_writer.h"
#include "core/output/web_page.h"
#include "core/state.h"
#include "render/output_fonts.h"
#include "render/page_devices.h"
#include "ui/form_building.h"
#include "ui/main_window.h"
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
#include <QToolButton>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// The "Items to Display" buttons, in the order of their modes.
struct ModeButton {
    const char* Name;
    const char* Caption;
};
constexpr ModeButton ModeButtons[OutputModeCount] = {
    {"PrintRadioReady", " Empty Grid && Clues"},     {"PrintRadioAll", " Completed Grid && Clues"},
    {"PrintRadioGrid", " Completed Grid only"},      {"PrintRadioEmpty", " Empty Grid only"},
    {"PrintRadioClues", " Clue List only"},          {"PrintRadioAnswers", " Answer List only"},
    {"PrintRadioWordList", " Answer/Clue List (alpha)"},
};

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

/// The column of the preview's page buttons fits the margin beside the A4 picture.
constexpr int PreviewPageButtonsWidth = 72;

QString SizeText(int mm) { return QString("%1 x %2 mm").arg(mm).arg(mm); }

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

OutputPage::OutputPage(MainWindow& window) : window_(window)
{
    setObjectName("TabSheetPrint");
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);
    headerPanel_ = Named<QLabel>("OutputHeaderPanel", "Print the crossword or export it.", this);
    headerPanel_->setFrameShape(QFrame::StyledPanel);
    headerPanel_->setContentsMargins(6, 4, 6, 4);
    col->addWidget(headerPanel_);
    col->addWidget(BuildModeButtons());
    col->addWidget(BuildStylePanel(), 1);
    col->addLayout(BuildOutputButtons());
    FillFontList();
    ShowOptions();
    ConnectControls();
    BuildPreviewPage();
}

QGroupBox* OutputPage::BuildModeButtons()
{
    itemsToDisplayGroup_ = Named<QGroupBox>("PrintGroupBox", "Items to Display", this);
    itemsToDisplayGroup_->setEnabled(false);
    auto* radios = new QGridLayout(itemsToDisplayGroup_);
    // Narrow side margins and a clear gap between the columns: the longest captions fill the page's width.
    radios->setContentsMargins(4, 4, 2, 4);
    radios->setHorizontalSpacing(9);
    radios->setVerticalSpacing(2);
    for (int mode = 0; mode < OutputModeCount; ++mode) {
        auto* radio = Named<QRadioButton>(ModeButtons[mode].Name, ModeButtons[mode].Caption, itemsToDisplayGroup_);
        modeButtons_ << radio;
        radios->addWidget(radio, mode < 4 ? mode : mode - 4, mode < 4 ? 0 : 1);
        // Each button draws the preview of its own mode.
        connect(radio, &QRadioButton::clicked, this, [this, mode] { RenderPreview(static_cast<OutputMode>(mode)); });
    }
    modeButtons_[0]->setChecked(true);
    return itemsToDisplayGroup_;
}

QFrame* OutputPage::BuildStylePanel()
{
    stylePanel_ = Named<QFrame>("OutputStylePnl", this);
    auto* panel = new QVBoxLayout(stylePanel_);
    panel->setContentsMargins(6, 6, 6, 6);
    panel->setSpacing(6);
    auto* style = new QHBoxLayout;
    style->setSpacing(10);
    style->addLayout(BuildGridSizeColumn(stylePanel_));
    style->addLayout(BuildTextOptions(stylePanel_), 1);
    panel->addLayout(style, 1);
    panel->addWidget(BuildClassSheetOptions(stylePanel_));
    return stylePanel_;
}

QLayout* OutputPage::BuildGridSizeColumn(QWidget* panel)
{
    // The grid's printed size: a vertical track bar, 60 mm at the top, with its status and default.
    auto* sizeCol = new QVBoxLayout;
    sizeCol->setSpacing(2);
    sizeCol->addWidget(new QLabel("60 x 60 mm", panel), 0, Qt::AlignHCenter);
    gridSizeSlider_ = Named<QSlider>("GridSizeTrackBar", Qt::Vertical, panel);
    gridSizeSlider_->setRange(MinGridMM, MaxGridMM);
    gridSizeSlider_->setSingleStep(10);
    gridSizeSlider_->setPageStep(10);
    gridSizeSlider_->setTickInterval(10);
    gridSizeSlider_->setTickPosition(QSlider::TicksBothSides);
    gridSizeSlider_->setInvertedAppearance(true);
    gridSizeSlider_->setInvertedControls(true);
    gridSizeSlider_->setValue(140);
    gridSizeSlider_->setEnabled(false);
    gridSizeSlider_->setMinimumHeight(150);
    sizeCol->addWidget(gridSizeSlider_, 1, Qt::AlignHCenter);
    sizeCol->addWidget(new QLabel("180 x 180 mm", panel), 0, Qt::AlignHCenter);
    gridSizeStatus_ = new PanelStatusBar({0}, panel);
    gridSizeStatus_->setObjectName("SizeStatusBar");
    gridSizeStatus_->setFixedWidth(110);
    sizeCol->addWidget(gridSizeStatus_);
    defaultGridSizeButton_ = Named<QPushButton>("GridDefaultBtn", "Set &Default", panel);
    defaultGridSizeButton_->setEnabled(false);
    sizeCol->addWidget(defaultGridSizeButton_);
    return sizeCol;
}

QLayout* OutputPage::BuildTextOptions(QWidget* panel)
{
    auto* options = new QVBoxLayout;
    options->setSpacing(4);
    options->addWidget(new QLabel("Font:", panel));
    fontCombo_ = Named<QComboBox>("FontNameCombo", panel);
    fontCombo_->setMaxVisibleItems(20);
    MakeImageItemCombo(fontCombo_, {2, 1}, {18, 0}, 18);
    options->addWidget(fontCombo_);
    fontLabel_ = Named<QLabel>("FontLabel", "Arial", panel);
    fontLabel_->hide();
    options->addSpacing(6);
    options->addWidget(new QLabel("Blocked squares:", panel));
    blockingCombo_ = Named<QComboBox>("BlockingCombo", panel);
    MakeImageItemCombo(blockingCombo_, {2, 2}, {23, 1}, 20);
    blockingCombo_->setIconSize(QSize(16, 16));
    for (int i = 0; i < BlockingStyleCount; ++i)
        blockingCombo_->addItem(QIcon(QPixmap::fromImage(render::BlockingSwatch(i))), BlockingStyles[static_cast<std::size_t>(i)].ItemText);
    blockingCombo_->setCurrentIndex(DefaultBlockingStyle);
    options->addWidget(blockingCombo_);
    options->addSpacing(6);
    titleCheck_ = Named<QCheckBox>("TitleCheck", " Include title", panel);
    titleCheck_->setChecked(true);
    options->addWidget(titleCheck_);
    titleEdit_ = Named<QLineEdit>("TitleEdit", "Crossword", panel);
    options->addWidget(titleEdit_);
    options->addSpacing(6);
    extrasCheck_ = Named<QCheckBox>("ExtrasCheck", "  Extra information ", panel);
    extrasCheck_->setChecked(true);
    options->addWidget(extrasCheck_);
    options->addStretch(1);
    return options;
}

QGroupBox* OutputPage::BuildClassSheetOptions(QWidget* panel)
{
    // Off at first, so that the page stays as it has always been until a teacher asks for more.
    classSheetGroup_ = Named<QGroupBox>("ClassSheetGroup", "Class sheet", panel);
    auto* checks = new QGridLayout(classSheetGroup_);
    checks->setContentsMargins(6, 4, 6, 4);
    checks->setHorizontalSpacing(10);
    checks->setVerticalSpacing(2);
    struct Option {
        QCheckBox*& Check;
        const char* Name;
        const char* Caption;
        const char* Tip;
    };
    const Option options[] = {
        {nameLineCheck_, "NameLineCheck", " Name and date line", "A line for the pupil's name and the date under the title"},
        {wordBankCheck_, "WordBankCheck", " Word bank", "The answers in alphabetical order, in columns under the clues, on the pupils' sheet "
                                                        "(Empty Grid & Clues, Clue List only)"},
        {fitWidthCheck_, "FitWidthCheck", " Fit grid to page width",
         "The grid as wide as the page between its margins (190 mm), whatever the grid size says"},
        {answersHeadingCheck_, "AnswersHeadingCheck", " \"Answers\" heading",
         "The heading \"Answers\" under the title of a sheet that shows the solution (the completed grid)"},
    };
    int k = 0;
    for (const Option& o : options) {
        o.Check = Named<QCheckBox>(o.Name, o.Caption, classSheetGroup_);
        o.Check->setToolTip(QString(o.Tip) + ". For the printed page and its PDF file.");
        checks->addWidget(o.Check, k / 2, k % 2);
        ++k;
    }
    return classSheetGroup_;
}

QLayout* OutputPage::BuildOutputButtons()
{
    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    printButton_ = Named<QPushButton>("PrintBtn", "&Print...", this);
    textToClipboardButton_ = Named<QPushButton>("ExportClipboardBtn", "Text to &Clipboard", this);
    rtfFileButton_ = Named<QPushButton>("CreateRTFbtn", "&RTF File...", this);
    htmlFileButton_ = Named<QPushButton>("CreateHTMbtn", "&HTML File...", this);
    ipuzFileButton_ = Named<QPushButton>("CreateIpuzBtn", "&ipuz File...", this);
    puzFileButton_ = Named<QPushButton>("CreatePuzBtn", "&puz File...", this);
    webPageButton_ = Named<QPushButton>("CreateWebPageBtn", "&Web Page to Solve...", this);
    webPageButton_->setToolTip("One HTML file that plays in a browser: send it to a test-solver");
    // Three rows on six equal columns, so that the page keeps its height: two wide buttons, the three
    // file exports, then .puz beside the web page.
    for (int column = 0; column < 6; ++column) buttons->setColumnStretch(column, 1);
    buttons->addWidget(printButton_, 0, 0, 1, 3);
    buttons->addWidget(textToClipboardButton_, 0, 3, 1, 3);
    buttons->addWidget(rtfFileButton_, 1, 0, 1, 2);
    buttons->addWidget(htmlFileButton_, 1, 2, 1, 2);
    buttons->addWidget(ipuzFileButton_, 1, 4, 1, 2);
    buttons->addWidget(puzFileButton_, 2, 0, 1, 2);
    buttons->addWidget(webPageButton_, 2, 2, 1, 4);
    for (QPushButton* b : {printButton_, textToClipboardButton_, rtfFileButton_, htmlFileButton_, ipuzFileButton_, puzFileButton_,
                           webPageButton_})
        b->setEnabled(false);
    return buttons;
}

void OutputPage::FillFontList()
{
    // The fonts of the system, TrueType ones marked, with the default output font chosen if present.
    const QIcon trueType(QPixmap::fromImage(TrueTypeMark()));
    for (const std::string& name : render::InstalledFontNames()) {
        if (render::IsTrueTypeFont(name)) fontCombo_->addItem(trueType, ToQ(name));
        else fontCombo_->addItem(ToQ(name));
    }
    fontCombo_->setCurrentIndex(fontCombo_->findText(fontLabel_->text(), Qt::MatchFixedString));
}

void OutputPage::ConnectControls()
{
    connect(gridSizeSlider_, &QSlider::valueChanged, this, [this] { OnGridSizeChanged(); });
    connect(defaultGridSizeButton_, &QPushButton::clicked, this, [this] { OnDefaultGridSizeClicked(); });
    connect(fontCombo_, &QComboBox::currentIndexChanged, this, [this] { OnFontChosen(); });
    connect(blockingCombo_, &QComboBox::currentIndexChanged, this, [this] { OnBlockingChosen(); });
    connect(titleEdit_, &QLineEdit::textChanged, this, [this] { OnTitleEdited(); });
    connect(titleCheck_, &QCheckBox::clicked, this, [this] { OnTitleToggled(); });
    connect(extrasCheck_, &QCheckBox::clicked, this, [this] { OnExtrasToggled(); });
    for (QCheckBox* check : {nameLineCheck_, wordBankCheck_, fitWidthCheck_, answersHeadingCheck_})
        connect(check, &QCheckBox::toggled, this, [this] { OnClassSheetToggled(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { OnPrintClicked(); });
    connect(textToClipboardButton_, &QPushButton::clicked, this, [this] { OnTextToClipboardClicked(); });
    connect(rtfFileButton_, &QPushButton::clicked, this, [this] { OnRtfFileClicked(); });
    connect(htmlFileButton_, &QPushButton::clicked, this, [this] { OnHtmlFileClicked(); });
    connect(ipuzFileButton_, &QPushButton::clicked, this, [this] { OnIpuzFileChosen(); });
    connect(puzFileButton_, &QPushButton::clicked, this, [this] { OnPuzFileChosen(); });
    connect(webPageButton_, &QPushButton::clicked, this, [this] { OnWebPageClicked(); });
}

void OutputPage::BuildPreviewPage()
{
    previewPage_ = Named<QWidget>("_TabPrint");
    auto* col = new QVBoxLayout(previewPage_);
    col->setContentsMargins(2, 2, 2, 2);
    previewPanel_ = Named<QFrame>("OutputPagePnl", previewPage_);
    col->addWidget(previewPanel_);
    preview_ = new PagePreview(previewPanel_);
    preview_->resize(PreviewWidthPixels, PreviewWidthPixels * A4HeightMM / A4WidthMM);

    // The other pages of a printout that needs more than one, in the margin beside the page: shown only then.
    previewPageButtons_ = Named<QWidget>("PreviewPagesPanel", previewPanel_);
    auto* buttons = new QVBoxLayout(previewPageButtons_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    previewPageLabel_ = Named<QLabel>("PreviewPageLabel", previewPageButtons_);
    previewPageLabel_->setAlignment(Qt::AlignCenter);
    previewPageLabel_->setWordWrap(true);
    previousPageButton_ = Named<QToolButton>("PreviewPreviousBtn", previewPageButtons_);
    previousPageButton_->setText("P&revious");
    previousPageButton_->setToolTip("The page before this one");
    nextPageButton_ = Named<QToolButton>("PreviewNextBtn", previewPageButtons_);
    nextPageButton_->setText("Ne&xt");
    nextPageButton_->setToolTip("The page after this one");
    for (QToolButton* b : {previousPageButton_, nextPageButton_}) b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    buttons->addWidget(previewPageLabel_);
    buttons->addWidget(previousPageButton_);
    buttons->addWidget(nextPageButton_);
    previewPageButtons_->setFixedWidth(PreviewPageButtonsWidth);
    previewPageButtons_->adjustSize();
    previewPageButtons_->hide();
    preview_->KeepBeside(previewPageButtons_);
    connect(previousPageButton_, &QToolButton::clicked, this, [this] { OnPreviousPageClicked(); });
    connect(nextPageButton_, &QToolButton::clicked, this, [this] { OnNextPageClicked(); });
}

void OutputPage::SetPanelColours()
{
    SetPanelColour(previewPanel_, ColourPanelGrey);
    for (QWidget* w : std::initializer_list<QWidget*>{headerPanel_, stylePanel_}) SetPanelColour(w, ColourButtonFace);
}

// ---------------------------------------------------------------------------------------------
// The preview

OutputMode OutputPage::CheckedMode() const
{
    for (int mode = 0; mode < OutputModeCount - 1; ++mode)
        if (modeButtons_[mode]->isChecked()) return static_cast<OutputMode>(mode);
    return static_cast<OutputMode>(OutputModeCount - 1);
}

void OutputPage::RenderPreview(OutputMode mode)
{
    QuillmereState& state = window_.State();
    state.Output.Mode = mode;
    window_.Guard([&] {
        render::PreviewPage page = render::RenderPreviewPage(state, mode, shownPreviewPage_, PreviewWidthPixels);
        shownPreviewPage_ = page.Page;
        previewPageCount_ = page.Pages;
        preview_->SetPicture(std::move(page.Picture));
    });
    ShowPreviewPageButtons();
}

void OutputPage::RefreshPreview() { RenderPreview(CheckedMode()); }

void OutputPage::ShowPreviewPageButtons()
{
    previewPageButtons_->setVisible(previewPageCount_ > 1);
    previewPageLabel_->setText(QString("Page %1 of %2").arg(shownPreviewPage_ + 1).arg(previewPageCount_));
    previewPageButtons_->adjustSize();
    preview_->KeepBeside(previewPageButtons_);
    previousPageButton_->setEnabled(shownPreviewPage_ > 0);
    nextPageButton_->setEnabled(shownPreviewPage_ + 1 < previewPageCount_);
}

void OutputPage::OnPreviousPageClicked()
{
    if (shownPreviewPage_ == 0) return;
    --shownPreviewPage_;
    RefreshPreview();
}

void OutputPage::OnNextPageClicked()
{
    if (shownPreviewPage_ + 1 >= previewPageCount_) return;
    ++shownPreviewPage_;
    RefreshPreview();
}

void OutputPage::OnEntered()
{
    const QuillmereState& state = window_.State();
    gridSizeStatus_->setPanelText(0, SizeText(gridSizeSlider_->value()));
    gridSizeSlider_->setEnabled(state.Fills.CurrentFill != 0 && state.PrinterAvailable);
    shownPreviewPage_ = 0;
    RefreshPreview();
}

void OutputPage::OnGridSizeChanged()
{
    const int p = gridSizeSlider_->value();
    window_.State().Output.GridMM = p;
    gridSizeStatus_->setPanelText(0, SizeText(p));
    RefreshPreview();
    defaultGridSizeButton_->setEnabled(true);
}

void OutputPage::OnDefaultGridSizeClicked()
{
    gridSizeSlider_->setValue(DefaultGridMM(window_.State().Xw.GridSize));
    defaultGridSizeButton_->setEnabled(false);
}

void OutputPage::MoveGridSizeQuietly(int gridSize)
{
    const QSignalBlocker block(gridSizeSlider_);
    gridSizeSlider_->setValue(DefaultGridMM(gridSize));
    window_.State().Output.GridMM = gridSizeSlider_->value();
}

void OutputPage::OnFontChosen()
{
    if (fontCombo_->currentIndex() < 0) return;
    fontLabel_->setText(fontCombo_->currentText());
    window_.State().Output.FontName = FromQ(fontLabel_->text());
    RefreshPreview();
}

void OutputPage::OnBlockingChosen()
{
    if (blockingCombo_->currentIndex() < 0) return;
    window_.State().Output.Blocking = blockingCombo_->currentIndex();
    RefreshPreview();
}

void OutputPage::OnTitleEdited()
{
    window_.State().Output.Title = FromQ(titleEdit_->text());
    RefreshPreview();
}

void OutputPage::OnTitleToggled()
{
    window_.State().Output.TitleChecked = titleCheck_->isChecked();
    RefreshPreview();
}

void OutputPage::OnExtrasToggled()
{
    window_.State().Output.ExtrasChecked = extrasCheck_->isChecked();
    RefreshPreview();
}

void OutputPage::OnClassSheetToggled()
{
    OutputOptions& o = window_.State().Output;
    o.NameLine = nameLineCheck_->isChecked();
    o.WordBank = wordBankCheck_->isChecked();
    o.FitWidth = fitWidthCheck_->isChecked();
    o.AnswersHeading = answersHeadingCheck_->isChecked();
    RefreshPreview();
}

void OutputPage::ShowOptions()
{
    const OutputOptions& o = window_.State().Output;
    const std::initializer_list<QWidget*> quiet{titleEdit_,     fontCombo_,     blockingCombo_, gridSizeSlider_,
                                                nameLineCheck_, wordBankCheck_, fitWidthCheck_, answersHeadingCheck_};
    for (QWidget* w : quiet) w->blockSignals(true);
    titleEdit_->setText(ToQ(o.Title));
    // A font that is not installed is still named (the output falls back to a similar one) rather
    // than leaving the box empty or showing the font chosen before.
    fontCombo_->setPlaceholderText(ToQ(o.FontName));
    fontCombo_->setCurrentIndex(fontCombo_->findText(ToQ(o.FontName), Qt::MatchFixedString));
    fontLabel_->setText(ToQ(o.FontName));
    blockingCombo_->setCurrentIndex(o.Blocking);
    gridSizeSlider_->setValue(o.GridMM);
    nameLineCheck_->setChecked(o.NameLine);
    wordBankCheck_->setChecked(o.WordBank);
    fitWidthCheck_->setChecked(o.FitWidth);
    answersHeadingCheck_->setChecked(o.AnswersHeading);
    for (QWidget* w : quiet) w->blockSignals(false);
}

std::optional<std::string> OutputPage::InstalledFont(const std::string& name) const
{
    const int i = fontCombo_->findText(ToQ(name), Qt::MatchFixedString);
    if (i < 0) return std::nullopt;
    return FromQ(fontCombo_->itemText(i));
}

void OutputPage::EnableOutput(bool enabled)
{
    const bool output = enabled && window_.State().PrinterAvailable;
    for (QWidget* w : std::initializer_list<QWidget*>{itemsToDisplayGroup_, printButton_, rtfFileButton_, htmlFileButton_,
                                                      ipuzFileButton_, puzFileButton_, textToClipboardButton_, gridSizeSlider_})
        w->setEnabled(output);
    // The web page takes no measure from a printer.
    webPageButton_->setEnabled(enabled);
}

// ---------------------------------------------------------------------------------------------
// Printing and the exports

void OutputPage::OnPrintClicked()
{
    QuillmereState& state = window_.State();
    // During a run the crossword is the run's working copy: it is put out once the run has ended.
    if (state.RunInProgress() || !printButton_->isEnabled()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(render::PrintJobTitle);
    if (!window_.Dialogs().ChoosePrinter(&window_, printer)) return;
    const OutputMode mode = CheckedMode();
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            // A PDF file is written whole and then put in place, like every other file the program writes.
            render::WritePdfFile(printer.outputFileName().toLocal8Bit().toStdString(), state, mode);
        } else {
            render::PrintPages(printer, state, mode);
        }
    });
}

void OutputPage::OnTextToClipboardClicked()
{
    const QuillmereState& state = window_.State();
    if (state.RunInProgress() || !textToClipboardButton_->isEnabled()) return;
    const ClipboardExport text = ClipboardTextForMode(CheckedMode(), state.Xw, ClueListCount(state.Fills, state.Xw));
    if (!text.HasText) {
        window_.Dialogs().Warning(&window_, ToQ(text.Message));
        return;
    }
    QGuiApplication::clipboard()->setText(ToQ(text.Text));
    window_.Dialogs().Information(&window_, ToQ(text.Message));
}

void OutputPage::OnRtfFileClicked()
{
    const QuillmereState& state = window_.State();
    if (state.RunInProgress() || !rtfFileButton_->isEnabled()) return;
    const QString path = ChooseExportFile(window_.Dialogs(), &window_, RtfFileFilter, "rtf");
    if (path.isEmpty()) return;
    const OutputMode mode = CheckedMode();
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        WriteRtfFile(path.toLocal8Bit().toStdString(), state, mode, render::FontTableEntry(state.Output.FontName));
    });
}

void OutputPage::OnHtmlFileClicked()
{
    const QuillmereState& state = window_.State();
    if (state.RunInProgress() || !htmlFileButton_->isEnabled()) return;
    const QString path = ChooseExportFile(window_.Dialogs(), &window_, HtmlFileFilter, "htm");
    if (path.isEmpty()) return;
    const OutputMode mode = CheckedMode();
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        WriteHtmlFile(path.toLocal8Bit().toStdString(), state, mode);
    });
}

void OutputPage::OnIpuzFileChosen() { WriteInterchangeFile(ipuzFileButton_, IpuzFileFilter, IpuzFileExtension, &WriteIpuzFile); }

void OutputPage::OnPuzFileChosen() { WriteInterchangeFile(puzFileButton_, PuzFileFilter, PuzFileExtension, &WritePuzFile); }

// The page to solve: title as the Output page shows it, no author (quillmere-cli export --format web
// without --author writes the same bytes).
void OutputPage::OnWebPageClicked()
{
    const QuillmereState& state = window_.State();
    if (state.RunInProgress() || !webPageButton_->isEnabled()) return;
    const QString path = ChooseExportFile(window_.Dialogs(), &window_, WebPageFileFilter, WebPageFileExtension);
    if (path.isEmpty()) return;
    window_.CommitClueEdits();
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        WriteWebPageFile(path.toLocal8Bit().toStdString(), state);
    });
}

// The interchange files hold the answers and clues only; the output mode and page style do not apply.
void OutputPage::WriteInterchangeFile(const QPushButton* button, const char* filter, const char* extension,
                                      void (*write)(const std::string&, const QuillmereState&, const std::string&))
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress() || !button->isEnabled()) return;
    const QString path = ChooseExportFile(window_.Dialogs(), &window_, filter, extension);
    if (path.isEmpty()) return;
    window_.CommitClueEdits();
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        write(path.toLocal8Bit().toStdString(), state, DefaultInterchangeAuthor);
    });
}

}  // namespace qm::ui
