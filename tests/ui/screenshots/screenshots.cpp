// quillmere-screenshots: starts the main window, drives it into a few states and writes a PNG of each,
// so that a person can look at the pages (scripts/screenshots runs it).
//   quillmere-screenshots FOLDER [--data FOLDER-WITH-WORD.LST]
// With --data the real dictionary fills the first 15 x 15 stock grid; without it a small dictionary
// made for the first 7 x 7 stock grid is used.
#include "tests/support/fixtures.h"
#include "tests/ui/support/grid_dictionary.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/main_string_grid.h"
#include "ui/stock_grid_preview.h"
#include "ui/tform5.h"
#include "ui/twords_dlg.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
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

void Save(QWidget* w, const QString& name)
{
    QTest::qWait(60);
    const QString path = out_.filePath(name + ".png");
    if (!w->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ok_ = false;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

void ShowLeft(const char* page) { Find<QTabWidget>("PageControlLeft")->setCurrentWidget(Find(page)); }

void ClickItem(QListWidget* list, int row, Qt::MouseButton button = Qt::LeftButton)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(list->item(row)).center());
}

void ClickThumbnail(int ordinal)
{
    auto* preview = Find<StockGridPreview>("PreviewImg");
    for (const StockThumbnail& t : preview->Thumbnails())
        if (t.Ordinal == QString("%1.").arg(ordinal)) {
            const int half = t.Size * ThumbPixelsPerSquare / 2;
            QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(t.Left + half, t.Top + half));
        }
}

void ChooseSize(const QString& size)
{
    auto* sizes = Find<QListWidget>("StockGridListBox");
    const auto found = sizes->findItems(size, Qt::MatchExactly);
    if (!found.isEmpty()) ClickItem(sizes, sizes->row(found.first()));
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
    TForm5 w(options, std::make_unique<uitest::RecordingDialogs>(log));
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
    ClickItem(Find<QListWidget>("WordsListBox"), 2);
    Save(&w, "05-subject-categories");
    Find<QPushButton>("NumbersBtn")->click();
    Save(&w, "05b-numbers-per-category");
    symmGen->setCurrentWidget(Find("TabSheetSymmOptions"));
    Save(&w, "06-generate-fill-options");
    symmGen->setCurrentWidget(Find("TabSheetSymmMain"));
    auto* repeats = Find<QLineEdit>("SymmRepeatsEdit");
    repeats->setText("8");
    Find<QPushButton>("SymmStartBtn")->click();
    ClickItem(Find<QListWidget>("SymmFillsListBox"), 1);
    Save(&w, "07-generate-after-run");

    ShowLeft("TabSheetClues");
    Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find("DownTabSheet"));
    ClickItem(Find<QListWidget>("DownListBox"), 1);
    Save(&w, "08-clues-down-word-highlighted");
    Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find("AcrossTabSheet"));
    auto* grid = Find<MainStringGrid>("MainStringGrid");
    QTest::mouseClick(grid, Qt::RightButton, {}, grid->SquareRect(2, 1).center());
    Save(&w, "09-clues-across-word-replace");
    if (auto* dlg = w.findChild<TWordsDlg*>(); dlg && dlg->isVisible()) {
        Save(dlg, "10-replace-word-dialog");
        dlg->close();
    }

    w.FreeformBitBtnClick();
    Save(&w, "11-setup-freeform");
    ShowLeft("TabSheetGenerate");
    Save(&w, "12-generate-freeform");
    QTest::keyClick(&w, Qt::Key_F5, Qt::ControlModifier);
    Save(&w, "13-statistics");
    ShowLeft("TabSheetPrint");
    Save(&w, "14-output");
    for (const QString& m : log.Messages) std::fprintf(stderr, "message: %s\n", qPrintable(m));
    return ok_ ? 0 : 1;
}
