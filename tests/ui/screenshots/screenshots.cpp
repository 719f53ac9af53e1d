// quillmere-screenshots: starts the main window, drives it through a symmetrical crossword, the Output
// and File pages, a fill backed by an imported list, and a freeform crossword from a word list file
// with its usage tables and diagnostics, and writes a PNG of each state, so that a person can look at
// the pages (scripts/screenshots runs it); then the class sheet options, a printout of two pages in the
// preview, and last the grid designer and My Grids.
//   quillmere-screenshots FOLDER [--data FOLDER-WITH-WORD.LST]
// With --data the real dictionary fills the first 15 x 15 stock grid; without it a small dictionary
// made for the first 7 x 7 stock grid is used (its fill backed by the kitchen word list then fails).
#include "core/files/crossword_file.h"
#include "core/output/output_options.h"
#include "tests/support/fixtures.h"
#include "tests/support/paged_crossword.h"
#include "tests/ui/support/american_grid.h"
#include "tests/ui/support/find_control.h"
#include "tests/ui/support/grid_dictionary.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/designer_view.h"
#include "ui/diagnostics_window.h"
#include "ui/fills_of_word_dialog.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/replace_word_dialog.h"
#include "ui/stock_grid_preview.h"
#include "ui/word_usage_grid.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>

#include <cstdio>

using namespace qm;
using namespace qm::ui;

namespace {

QWidget* window_ = nullptr;
QDir out_;
bool ok_ = true;

template <typename T = QWidget>
T* Find(const char* name)
{
    T* found = window_->findChild<T*>(name);
    if (!found) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(2);
    }
    return found;
}

/// Names every shown panel whose contents need more room than it has: its controls overlap or are cut.
/// A single pixel short is not reported (the status bars' sunken panels are, and show no harm).
void ReportSqueezed(QWidget* top, const QString& shot)
{
    for (QWidget* c : top->findChildren<QWidget*>()) {
        if (!c->isVisible() || !c->layout()) continue;
        const QSize need = c->layout()->totalMinimumSize();
        if (need.height() > c->height() + 1 || need.width() > c->width() + 1)
            std::fprintf(stderr, "%s: %s %s needs %dx%d, has %dx%d\n", qPrintable(shot), c->metaObject()->className(),
                         qPrintable(c->objectName()), need.width(), need.height(), c->width(), c->height());
    }
}

void Save(QWidget* w, const QString& name)
{
    QTest::qWait(60);
    ReportSqueezed(w, name);
    const QString path = out_.filePath(name + ".png");
    if (!w->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ok_ = false;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

/// The whole screen, to show where a dialog opens beside the window (under Xvfb only: the offscreen
/// platform has no screen to grab).
void SaveScreen(const QString& name)
{
    QTest::qWait(60);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() == "offscreen" || !screen) return;
    const QPixmap shot = screen->grabWindow(0);
    if (shot.isNull()) return;
    const QString path = out_.filePath(name + ".png");
    if (!shot.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ok_ = false;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

void ShowLeft(const char* page) { Find<QTabWidget>("PageControlLeft")->setCurrentWidget(Find(page)); }

void ClickItem(QAbstractItemView* list, int row, Qt::MouseButton button = Qt::LeftButton)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), button, {}, list->visualRect(index).center());
}

void ClickThumbnail(int ordinal)
{
    auto* preview = Find<StockGridPreview>("PreviewImg");
    // A click redraws the thumbnails, so the one to click is found first and clicked once.
    const std::vector<StockThumbnail> thumbnails = preview->Thumbnails();
    for (const StockThumbnail& t : thumbnails)
        if (t.Ordinal == QString("%1.").arg(ordinal)) {
            const int half = t.Size * ThumbPixelsPerSquare / 2;
            QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(t.Left + half, t.Top + half));
            return;
        }
}

/// The Output page in each mode a person is most likely to print, with its A4 preview.
void ShootOutputModes(const QString& prefix)
{
    ShowLeft("TabSheetPrint");
    const struct {
        const char* Radio;
        const char* Name;
    } modes[] = {{"PrintRadioReady", "empty-grid-and-clues"}, {"PrintRadioAll", "completed-grid-and-clues"},
                 {"PrintRadioGrid", "completed-grid-only"},   {"PrintRadioClues", "clue-list-only"},
                 {"PrintRadioAnswers", "answer-list-only"},   {"PrintRadioWordList", "answers-alphabetical"}};
    char letter = 'a';
    for (const auto& m : modes) {
        QTest::mouseClick(Find<QRadioButton>(m.Radio), Qt::LeftButton);
        Save(window_, QString("%1%2-output-%3").arg(prefix).arg(letter++).arg(m.Name));
    }
    QTest::mouseClick(Find<QRadioButton>("PrintRadioReady"), Qt::LeftButton);
}

/// The class sheet options on the crossword on display: the pupils' sheet with its name line and word
/// bank and the grid as wide as the page, then the answer sheet with its heading; all off again after.
void ShootClassSheet(const QString& prefix)
{
    ShowLeft("TabSheetPrint");
    const char* const checks[] = {"NameLineCheck", "WordBankCheck", "FitWidthCheck"};
    for (const char* check : checks) QTest::mouseClick(Find<QCheckBox>(check), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>("PrintRadioReady"), Qt::LeftButton);
    Save(window_, prefix + "-output-class-sheet-pupils");
    QTest::mouseClick(Find<QCheckBox>("AnswersHeadingCheck"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>("PrintRadioAll"), Qt::LeftButton);
    Save(window_, prefix + "b-output-class-sheet-answers");
    for (const char* check : {"NameLineCheck", "WordBankCheck", "FitWidthCheck", "AnswersHeadingCheck"})
        QTest::mouseClick(Find<QCheckBox>(check), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>("PrintRadioReady"), Qt::LeftButton);
}

/// A crossword whose clues take two pages, loaded from a file: the preview's first page and, after Next
/// Page, its second.
void ShootTwoPagePreview(uitest::RecordingDialogs::Log& log, const test::TempDir& scratch, const QString& prefix)
{
    const std::string file = scratch.File("long clues.xwd");
    QuillmereState paged = test::PagedCrosswordState();
    SaveCrosswordFile(paged, file);
    log.Files.push_back(QString::fromStdString(file));
    Find<QPushButton>("LoadFileBitBtn")->click();
    ShowLeft("TabSheetPrint");
    QTest::mouseClick(Find<QRadioButton>("PrintRadioAll"), Qt::LeftButton);
    Save(window_, prefix + "-output-two-pages-first");
    QTest::mouseClick(Find<QToolButton>("PreviewNextBtn"), Qt::LeftButton);
    Save(window_, prefix + "b-output-two-pages-second");
    QTest::mouseClick(Find<QRadioButton>("PrintRadioReady"), Qt::LeftButton);
}

/// A small themed word list with a clue after a TAB on each line, as a person would keep one.
QString WriteWordList(const test::TempDir& dir)
{
    static const char* const lines[] = {
        "kettle\tIt whistles when the water boils", "teapot\tBrewing vessel", "saucer\tIt sits under a cup",
        "ladle\tSoup server", "whisk\tBeat eggs", "sieve\tStrainer with a mesh", "grater\tCheese shredder",
        "oven\tBaking box", "stove\tCooker", "toaster\tIt browns bread", "spatula\tFlat turner",
        "tongs\tGripping tool", "colander\tPasta drainer", "skillet\tFrying pan", "apron\tCook's cover-up",
        "mixer\tBlender", "pantry\tFood store", "larder\tCool store room", "cereal\tBreakfast grains",
        "butter\tSpread made from cream", "salt\tSeasoning", "pepper\tHot seasoning", "sugar\tSweetener",
        "flour\tMilled wheat", "bread\tLoaf", "onion\tIt makes you cry", "garlic\tPungent bulb",
        "tea\tA cuppa", "pan\tCooking vessel", "pot\tStew vessel", "cup\tMug", "jar\tGlass container",
        "tin\tCan", "lid\tCover", "fork\tPronged utensil", "knife\tCutter", "spoon\tStirrer",
        "plate\tDish", "bowl\tSoup dish", "rolling pin\tPastry flattener", "egg timer\tSand glass for boiling",
    };
    std::string text;
    for (const char* l : lines) text += std::string(l) + "\r\n";
    const std::string path = dir.File("kitchen words.txt");
    test::WriteFile(path, text);
    return QString::fromStdString(path);
}

void ChooseSize(const QString& size)
{
    auto* sizes = Find<QListWidget>("StockGridListBox");
    const auto found = sizes->findItems(size, Qt::MatchExactly);
    if (!found.isEmpty()) ClickItem(sizes, sizes->row(found.first()));
}

void ClickDesignSquare(int row, int col, Qt::MouseButton button = Qt::LeftButton)
{
    auto* view = Find<DesignerView>("GridDesignerView");
    QTest::mouseClick(view, button, {}, view->SquareRect(row, col).center());
}

/// The grid designer: a half-designed grid, a short run flagged, a theme word being placed, My Grids, and
/// a fill of the designed grid (with the small dictionary: of a copy of the first 7 x 7 stock grid).
void ShootDesigner(uitest::RecordingDialogs::Log& log, bool realDictionary)
{
    QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
    Find<QPushButton>("DesignBtn")->click();
    const auto clicks = uitest::AmericanBlockClicks();
    for (std::size_t i = 0; i < clicks.size() / 2; ++i) ClickDesignSquare(clicks[i].first, clicks[i].second);
    Save(window_, "25-designer-half-designed");
    for (std::size_t i = clicks.size() / 2; i < clicks.size(); ++i) ClickDesignSquare(clicks[i].first, clicks[i].second);
    ClickDesignSquare(2, 2);  // a block that leaves runs of one square: flagged
    Save(window_, "26-designer-checks-flag-a-problem");
    Find<QToolButton>("DesignUndoBtn")->click();
    const uitest::DesignTheme& first = uitest::AmericanThemes[0];
    ClickDesignSquare(first.Row, 1, Qt::RightButton);
    auto* view = Find<DesignerView>("GridDesignerView");
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(view->WordLine(), first.Word);
    QTest::keyClick(view->WordLine(), Qt::Key_Return);
    const uitest::DesignTheme& second = uitest::AmericanThemes[1];
    ClickDesignSquare(second.Row, 1, Qt::RightButton);
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(view->WordLine(), second.Word);
    Save(window_, "27-designer-theme-words");
    QTest::keyClick(view->WordLine(), Qt::Key_Return);
    log.Texts = {"Stars and shells"};
    Find<QPushButton>("SaveToMyGridsBtn")->click();

    auto* setupTabs = Find<QTabWidget>("PageControlSymmetric");
    setupTabs->setCurrentWidget(Find("TabSheetGrids"));
    ChooseSize("7 x 7");
    ClickThumbnail(1);
    Find<QPushButton>("DesignBtn")->click();
    Find<QCheckBox>("DesignUncheckedCheck")->setChecked(true);
    log.Texts = {"Seven by seven"};
    Find<QPushButton>("SaveToMyGridsBtn")->click();
    setupTabs->setCurrentWidget(Find("TabSheetGrids"));
    ChooseSize("My Grids");
    Save(window_, "28-setup-my-grids");

    // The designed American-style grid needs the full dictionary; the small one fills the 7 x 7 copy.
    auto* myGrids = Find<QListView>("MyGridsListView");
    myGrids->setCurrentIndex(myGrids->model()->index(realDictionary ? 0 : 1, 0));
    Find<QPushButton>("MyGridOpenBtn")->click();
    Find<QCheckBox>("DesignUncheckedCheck")->setChecked(!realDictionary);
    Find<QPushButton>("NextBtn1")->click();
    Find<QTabWidget>("PageControlSymmGen")->setCurrentWidget(Find("TabSheetSymmMain"));
    Find<QLineEdit>("SymmRepeatsEdit")->setText("5");
    Find<QPushButton>("SymmStartBtn")->click();
    ClickItem(Find<RowListView>("SymmFillsListBox"), 0);
    Save(window_, "29-generate-designed-grid-fill");
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2 || args[1].startsWith("--")) {
        std::fprintf(stderr, "usage: quillmere-screenshots FOLDER [--data FOLDER-WITH-WORD.LST]\n");
        return 2;
    }
    out_ = QDir(args[1]);
    if (!out_.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    const auto dataAt = args.indexOf("--data");
    const bool realDictionary = dataAt >= 0 && dataAt + 1 < args.size();
    test::TempDir scratch;
    // My Grids live in the scratch folder, never in the real home.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(scratch.File("data-home")));
    const uitest::GridDictionary small = uitest::MakeGridDictionary();
    StartupOptions options;
    if (realDictionary) {
        options.DataDirs = {args[dataAt + 1]};
    } else {
        test::WriteFile(scratch.File("WORD.LST"), test::DictionaryBytes(small.Words));
        options.DataDirs = {QString::fromStdString(scratch.Path().string())};
    }
    options.SimulatedSeed = 12345;
    uitest::RecordingDialogs::Log log;
    MainWindow w(options, std::make_unique<uitest::RecordingDialogs>(log));
    window_ = &w;
    if (!realDictionary) uitest::UseWithWindow(small, w);
    w.show();
    Save(&w, "01-home");

    QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
    ClickThumbnail(3);
    Save(&w, "02-setup-stock-grids-15");
    ChooseSize(realDictionary ? "15 x 15" : "7 x 7");
    ClickThumbnail(1);
    Save(&w, "03-setup-grid-chosen");

    Find<QPushButton>("NextBtn1")->click();
    auto* symmGen = Find<QTabWidget>("PageControlSymmGen");
    symmGen->setCurrentWidget(Find("TabSheetSymmDictionary"));
    Save(&w, "04-generate-dictionary-options");
    Find<QPushButton>("WordCategBtn")->click();
    ClickItem(Find<QListWidget>("CategoryListBox"), 1);
    ClickItem(Find<RowListView>("WordsListBox"), 2);
    Save(&w, "05-subject-categories");
    Find<QPushButton>("NumbersBtn")->click();
    Save(&w, "05b-numbers-per-category");
    symmGen->setCurrentWidget(Find("TabSheetSymmOptions"));
    Save(&w, "06-generate-fill-options");
    symmGen->setCurrentWidget(Find("TabSheetSymmMain"));
    auto* repeats = Find<QLineEdit>("SymmRepeatsEdit");
    repeats->setText("8");
    Find<QPushButton>("SymmStartBtn")->click();
    ClickItem(Find<RowListView>("SymmFillsListBox"), 1);
    Save(&w, "07-generate-after-run");

    ShowLeft("TabSheetClues");
    Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find("DownTabSheet"));
    ClickItem(Find<RowListView>("DownListBox"), 1);
    Save(&w, "08-clues-down-word-highlighted");
    Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find("AcrossTabSheet"));
    ClickItem(Find<RowListView>("AcrossListBox"), 13, Qt::RightButton);  // a right click on a clue offers other words
    Save(&w, "09-clues-across-word-replace");
    if (auto* dlg = w.findChild<ReplaceWordDialog*>(); dlg && dlg->isVisible()) {
        Save(dlg, "10-replace-word-dialog");
        SaveScreen("10b-replace-word-dialog-on-screen");
        dlg->close();
    }

    ShootOutputModes("11");
    ShowLeft("TabSheetFile");
    Save(&w, "12-file-page");

    // A symmetrical fill backed by an imported list: the imported words are light yellow.
    const QString listFile = WriteWordList(scratch);
    QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
    ChooseSize(realDictionary ? "15 x 15" : "7 x 7");
    ClickThumbnail(1);
    Find<QTabWidget>("PageControlSymmetric")->setCurrentWidget(Find("TabSheetExternalList"));
    log.Files.push_back(listFile);
    QTest::mouseClick(Find<QPushButton>("ExternalWordListFileBtnB"), Qt::LeftButton);
    Save(&w, "13-setup-external-word-list");
    Find<QPushButton>("NextBtn1")->click();
    symmGen->setCurrentWidget(Find("TabSheetSymmMain"));
    repeats->setText("8");
    Find<QPushButton>("SymmStartBtn")->click();
    ClickItem(Find<RowListView>("SymmFillsListBox"), 0);
    Save(&w, "14-generate-hybrid-fill");
    symmGen->setCurrentWidget(Find("TabSheetSymmDictionary"));
    Save(&w, "14b-generate-hybrid-dictionary-options");
    ShowLeft("TabSheetClues");
    Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find("DownTabSheet"));
    ClickItem(Find<RowListView>("DownListBox"), 2);
    Save(&w, "14c-clues-hybrid-word-highlighted");

    // The freeform road: the list imported from a file, a run, the clues, the usage tables.
    QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
    log.Files.push_back(listFile);
    QTest::mouseClick(Find<QPushButton>("LoadWordListBtn"), Qt::LeftButton);
    auto* freeSizes = Find<QListWidget>("FreeformDimensionListBox");
    ClickItem(freeSizes, freeSizes->row(freeSizes->findItems("13 x 13", Qt::MatchExactly).value(0)));
    Save(&w, "15-setup-freeform-imported");
    Find<QPushButton>("NextBtn1")->click();
    auto* freeGen = Find<QTabWidget>("PageControlFreeGen");
    freeGen->setCurrentWidget(Find("TabSheetFreeMain"));
    Find<QLineEdit>("FreeRepeatsEdit")->setText("12");
    QTest::mouseClick(Find<QPushButton>("FreeStartBtn"), Qt::LeftButton);
    ClickItem(Find<RowListView>("FreeFillsListBox"), 0);
    Save(&w, "16-generate-freeform-after-run");
    QTest::mouseClick(Find<QPushButton>("FreeImproveBtn"), Qt::LeftButton);
    Save(&w, "16b-generate-freeform-improved");
    freeGen->setCurrentWidget(Find("TabSheetFreeOptions"));
    Save(&w, "17-generate-freeform-fill-options");
    ShowLeft("TabSheetClues");
    ClickItem(Find<RowListView>("AcrossListBox"), 0);
    Save(&w, "18-clues-freeform");
    ShowLeft("TabSheetGenerate");
    freeGen->setCurrentWidget(Find("TabSheetUsage"));
    Find<QRadioButton>("RankedRadio")->click();
    Save(&w, "19-word-usage-ranked");
    Find<QRadioButton>("GroupedRadio")->click();
    Save(&w, "20-word-usage-grouped");
    Find<QRadioButton>("SummarisedRadio")->click();
    Save(&w, "21-word-usage-summary");
    Find<QRadioButton>("RankedRadio")->click();
    auto* usage = Find<WordUsageGrid>("WordUsageStringGrid");
    const QModelIndex top = usage->model()->index(0, 0);
    QTest::mouseClick(usage->viewport(), Qt::LeftButton, {}, usage->visualRect(top).center());
    if (auto* dlg = w.findChild<FillsOfWordDialog*>(); dlg && dlg->isVisible()) {
        if (uitest::FindControl<RowListView>(dlg, "GridsListBox")->count() > 0) {
            auto* lines = uitest::FindControl<RowListView>(dlg, "GridsListBox");
            QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, lines->visualRect(lines->model()->index(0, 0)).center());
        }
        Save(dlg, "22-grid-nos-dialog");
        Save(&w, "22b-grid-nos-fill-shown");
        SaveScreen("22c-grid-nos-dialog-on-screen");
        dlg->close();
    }
    QTest::keyClick(&w, Qt::Key_F5, Qt::ControlModifier);
    Save(&w, "23-statistics");
    auto* interlocks = Find<QCheckBox>("InterlockCheckBox");
    interlocks->click();
    Save(&w, "23b-statistics-interlock-area");
    interlocks->click();
    Find<QPushButton>("Button8")->click();
    Save(&w, "23c-statistics-tight-interlock-list");
    Find<QPushButton>("ListOfGridsBtn")->click();
    if (auto* form4 = w.findChild<DiagnosticsWindow*>(); form4 && form4->isVisible()) {
        Save(form4, "23d-diagnostics-window-list-of-grids");
        form4->hide();
    }
    ShootOutputModes("24");
    // The output style combos: a hatched blocking style on the page, and both lists open.
    auto* blocking = Find<QComboBox>("BlockingCombo");
    blocking->setCurrentIndex(8);
    QTest::mouseClick(Find<QRadioButton>("PrintRadioAll"), Qt::LeftButton);
    Save(&w, "24g-output-crosshatch-blocking");
    blocking->showPopup();
    SaveScreen("24h-output-blocking-styles-open");
    blocking->hidePopup();
    auto* fonts = Find<QComboBox>("FontNameCombo");
    fonts->showPopup();
    SaveScreen("24i-output-fonts-open");
    fonts->hidePopup();
    blocking->setCurrentIndex(DefaultBlockingStyle);
    ShootClassSheet("24j");
    ShootTwoPagePreview(log, scratch, "24k");
    ShootDesigner(log, realDictionary);
    for (const QString& m : log.Messages) std::fprintf(stderr, "message: %s\n", qPrintable(m));
    return ok_ ? 0 : 1;
}
