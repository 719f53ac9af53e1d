// The main window of a window test: its data folder, its start, and the control helpers the tests share.
#include "tests/ui/support/window_fixture.h"

#include "core/freeform/freeform_run.h"
#include "core/grid/stock_grids.h"
#include "core/words/import.h"
#include "ui/main_string_grid.h"
#include "ui/owner_drawn_lists.h"
#include "ui/row_list.h"
#include "ui/stock_grid_preview.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

#include <filesystem>

namespace qm::uitest {

WindowStart GridDictionaryStart(const GridDictionary& dict) { return GridDictionaryStart(dict, dict.Words); }

WindowStart GridDictionaryStart(const GridDictionary& dict, std::vector<DictWord> words)
{
    return WindowStart(std::move(words)).Seeded().Before([&dict](ui::MainWindow& window) { UseWithWindow(dict, window); });
}

WindowFixture::~WindowFixture() { CloseWindow(); }

bool WindowFixture::OpenWindow(const WindowStart& start)
{
    w_.reset();
    if (start.Words) test::WriteFile(Folder().File("WORD.LST"), test::DictionaryBytes(*start.Words));
    else if (start.WordFile)
        std::filesystem::copy_file(*start.WordFile, Folder().File("WORD.LST"), std::filesystem::copy_options::overwrite_existing);
    else std::filesystem::remove(Folder().File("WORD.LST"));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(DataHome().string()));
    ui::StartupOptions options;
    options.DataDirs = {QString::fromStdString(Folder().Path().string())};
    options.SimulatedSeed = start.SimulatedSeed;
    log_ = {};
    w_ = std::make_unique<ui::MainWindow>(options, std::make_unique<RecordingDialogs>(log_));
    if (start.BeforeShow) start.BeforeShow(*w_);
    w_->show();
    return QTest::qWaitForWindowExposed(w_.get());
}

void WindowFixture::CloseWindow()
{
    w_.reset();
    folder_.reset();
}

test::TempDir& WindowFixture::Folder()
{
    if (!folder_) folder_.emplace();
    return *folder_;
}

std::filesystem::path WindowFixture::DataHome() { return Folder().Path() / "data-home"; }

ui::MainStringGrid* WindowFixture::Grid() { return Find<ui::MainStringGrid>("MainStringGrid"); }

void WindowFixture::ClickSquare(int col, int row, Qt::MouseButton button)
{
    QTest::mouseClick(Grid(), button, {}, Grid()->SquareRect(col, row).center());
}

QString WindowFixture::LeftPage() { return Find<QTabWidget>("PageControlLeft")->currentWidget()->objectName(); }

void WindowFixture::ShowLeftPage(const char* sheet)
{
    Find<QTabWidget>("PageControlLeft")->setCurrentWidget(Find<QWidget>(sheet));
}

QStringList WindowFixture::ListLines(const char* name)
{
    if (auto* rows = w_->findChild<ui::RowListView*>(name)) return rows->Lines();
    return ui::Lines(Find<QListWidget>(name));
}

int WindowFixture::ShownFillNumber(const QString& line) { return line.mid(10, 4).trimmed().toInt(); }

int WindowFixture::ShownScore(const QString& line)
{
    const QRegularExpressionMatch number = QRegularExpression("^\\s*(\\d+)").match(line.mid(38));
    return number.hasMatch() ? number.captured(1).toInt() : 0;
}

void WindowFixture::ClickItem(QAbstractItemView* list, int row, Qt::MouseButton button)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), button, {}, list->visualRect(index).center());
}

void WindowFixture::ClickListed(const char* list, const QString& text)
{
    auto* lines = Find<QListWidget>(list);
    const auto found = lines->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(QString("no line \"%1\" in %2").arg(text, list)));
    ClickItem(lines, lines->row(found.first()));
}

void WindowFixture::ChooseFirstSevenBySeven()
{
    ClickListed("StockGridListBox", "7 x 7");
    auto* preview = Find<ui::StockGridPreview>("PreviewImg");
    QVERIFY(!preview->Thumbnails().empty());
    const ui::StockThumbnail first = preview->Thumbnails().front();
    const int half = first.Size * ThumbPixelsPerSquare / 2;
    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(first.Left + half, first.Top + half));
    QVERIFY(w_->State().Stock.SelectedStockGrid > 0);
}

void WindowFixture::ChooseFreeformSize(int n) { ClickListed("FreeformDimensionListBox", QString("%1 x %1").arg(n)); }

void WindowFixture::RunSymmetricFills(int repeats)
{
    Find<QLineEdit>("SymmRepeatsEdit")->setText(QString::number(repeats));
    Find<QPushButton>("SymmStartBtn")->click();
}

void WindowFixture::RunFreeformFillsInCore(const std::string& wordList, int fills)
{
    QuillmereState& s = w_->State();
    const ImportOutcome imported = ImportWordListBytes(s.Imported, wordList, "words.txt", s.FillSource, s.Xw.GridSize);
    QVERIFY(imported.Status.has_value());
    FreeformRunRequest request;
    request.Fills = fills;
    StartFreeformRun(s, request, {});
}

}  // namespace qm::uitest
