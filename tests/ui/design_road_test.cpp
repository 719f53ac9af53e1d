// The road of a designed grid through the real window: a 15 x 15 American-style grid drawn in the designer
// on the Setup page with two theme entries, filled from the Generate page with the dictionary the build
// writes, a fill shown with its clues and saved as a crossword file, the grid kept in My Grids and found
// again by a new window; My Grids' open, rename, delete and replace; grid text files; a damaged My Grids
// file reported once and left as it was.
#include "core/design/grid_library.h"
#include "core/files/crossword_file.h"
#include "core/util/file_io.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/american_grid.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/designer_my_grids.h"
#include "ui/designer_view.h"
#include "ui/grid_designer_panel.h"
#include "ui/my_grids_panel.h"
#include "ui/row_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace qm;
using namespace qm::ui;

namespace {

using uitest::AmericanPattern;
using uitest::DesignTheme;
constexpr const auto& Themes = uitest::AmericanThemes;

/// The rows of a design as GridRows gives a crossword's: '#', ' ' or the letter.
std::vector<std::string> DesignRows(const GridDesign& design)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= design.Size(); ++r) {
        std::string row;
        for (int c = 1; c <= design.Size(); ++c) row += design.At(r, c);
        rows.push_back(row);
    }
    return rows;
}

/// The pattern with the theme entries in it.
std::vector<std::string> ThemedPattern()
{
    std::vector<std::string> rows = AmericanPattern;
    for (std::string& row : rows)
        for (char& ch : row)
            if (ch == '.') ch = ' ';
    for (const DesignTheme& t : Themes) rows[t.Row - 1].replace(0, std::char_traits<char>::length(t.Word), t.Word);
    return rows;
}

std::string FileBytes(const std::filesystem::path& path)
{
    std::string bytes;
    if (!ReadWholeFile(path.string(), bytes)) return "(unreadable)";
    return bytes;
}

}  // namespace

class DesignRoadTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    uitest::GridDictionary small_ = uitest::MakeGridDictionary();

    /// A window with the dictionary and clues the program carries (a full-size grid needs them).
    uitest::WindowStart FullDictionaryStart()
    {
        return uitest::WindowStart().WordsFrom(std::filesystem::path(QUILLMERE_BIN_DIR) / "WORD.LST").Seeded();
    }
    DesignerView* View() { return Find<DesignerView>("GridDesignerView"); }
    QString SetupTab() { return Find<QTabWidget>("PageControlSymmetric")->currentWidget()->objectName(); }
    QString RightPage() { return Find<QStackedWidget>("PageControlRight")->currentWidget()->objectName(); }
    std::filesystem::path LibraryFile() { return DataHome() / "quillmere" / "grids.txt"; }
    void ClickDesignSquare(int row, int col, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(View(), button, {}, View()->SquareRect(row, col).center());
    }
    /// Draws the blocks of the pattern by clicking one square of each symmetrical pair.
    void DrawAmericanPattern()
    {
        for (const auto& [row, col] : uitest::AmericanBlockClicks()) ClickDesignSquare(row, col);
    }
    /// Types a whole word into the across word at (row, 1) through the line Return opens.
    void PlaceThemeEntry(const DesignTheme& t)
    {
        ClickDesignSquare(t.Row, 1, Qt::RightButton);
        QVERIFY(View()->Design().Cursor().Across);
        QTest::keyClick(View(), Qt::Key_Return);
        QVERIFY(View()->WordLine()->isVisible());
        QTest::keyClicks(View()->WordLine(), t.Word);
        QTest::keyClick(View()->WordLine(), Qt::Key_Return);
        QVERIFY(!View()->WordLine()->isVisible());
    }
    /// A new symmetrical crossword with a blank 15 x 15 grid in the designer.
    void OpenBlankDesigner()
    {
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        Find<QPushButton>("DesignBtn")->click();
    }
    void SaveToMyGrids(const QString& name)
    {
        log_.Texts.push_back(name);
        Find<QPushButton>("SaveToMyGridsBtn")->click();
        QVERIFY(log_.Texts.empty());
    }
    void ChooseMyGrid(int row)
    {
        auto* list = Find<QListView>("MyGridsListView");
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    QStringList MyGridNames()
    {
        QStringList names;
        const QAbstractItemModel* model = Find<QListView>("MyGridsListView")->model();
        for (int i = 0; i < model->rowCount(); ++i) names << model->index(i, 0).data().toString();
        return names;
    }

private slots:
    void cleanup() { CloseWindow(); }

    void aDesignedAmericanGridIsFilledClued_SavedAndKept()
    {
        QVERIFY(OpenWindow(FullDictionaryStart()));
        OpenBlankDesigner();
        QCOMPARE(LeftPage(), QString("TabSheetSetup"));
        QCOMPARE(SetupTab(), QString("TabSheetDesigner"));
        QCOMPARE(RightPage(), QString("GridDesignerPage"));
        QCOMPARE(View()->Design().Size(), 15);
        QCOMPARE(Find<QComboBox>("DesignSymmetryCombo")->currentData().toInt(), static_cast<int>(DesignSymmetry::Rotation));

        DrawAmericanPattern();
        PlaceThemeEntry(Themes[0]);
        PlaceThemeEntry(Themes[1]);
        QCOMPARE(DesignRows(View()->Design()), ThemedPattern());
        QVERIFY(View()->CanFill());
        QVERIFY(Find<QLabel>("DesignChecksStatus")->text().startsWith(QString("%1 words, 38 blocks").arg(View()->Report().Words)));
        QVERIFY(Find<QPushButton>("NextBtn1")->isEnabled());
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());

        // A word of the wrong length is refused with the reason under the grid, nothing changed.
        ClickDesignSquare(4, 9, Qt::RightButton);
        QTest::keyClick(View(), Qt::Key_Return);
        QTest::keyClicks(View()->WordLine(), "TOOLONGWORD");
        QTest::keyClick(View()->WordLine(), Qt::Key_Return);
        QVERIFY(!Find<QLabel>("DesignProblemStatus")->text().isEmpty());
        QTest::keyClick(View()->WordLine(), Qt::Key_Escape);
        QCOMPARE(DesignRows(View()->Design()), ThemedPattern());

        // A block that leaves runs too short: Next and Start go off until it is undone.
        ClickDesignSquare(2, 2);
        QVERIFY(!View()->CanFill());
        QVERIFY(!Find<QPushButton>("NextBtn1")->isEnabled());
        QVERIFY(!Find<QPushButton>("SymmStartBtn")->isEnabled());
        QVERIFY(Find<QLabel>("DesignChecksStatus")->text().contains("too short"));
        Find<QToolButton>("DesignUndoBtn")->click();
        QVERIFY(Find<QPushButton>("NextBtn1")->isEnabled());
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());

        // Ctrl+Z and Ctrl+Shift+Z reach the view's own undo stack, as do the Undo and Redo buttons.
        View()->setFocus();
        QTest::keyClick(View(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(View()->Design().At(12, 1), ' ');
        QTest::keyClick(View(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(View()->Design().At(12, 1), 'S');
        Find<QToolButton>("DesignUndoBtn")->click();
        QCOMPARE(View()->Design().At(12, 7), ' ');
        Find<QToolButton>("DesignRedoBtn")->click();
        QCOMPARE(DesignRows(View()->Design()), ThemedPattern());

        Find<QPushButton>("NextBtn1")->click();
        QCOMPARE(LeftPage(), QString("TabSheetGenerate"));
        QCOMPARE(RightPage(), QString("_TabGrid"));
        auto* count = Find<QLineEdit>("SymmRepeatsEdit");
        count->setText("3");
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());
        Find<QPushButton>("SymmStartBtn")->click();
        QCOMPARE(log_.Messages, QStringList());
        const QStringList lines = ListLines("SymmFillsListBox");
        QCOMPARE(lines.size(), 3);

        // Each listed fill is the designed grid with the theme entries in place and every word filled.
        std::set<std::vector<std::string>> fills;
        for (int row = 0; row < 3; ++row) {
            ClickItem(w_->findChild<RowListView*>("SymmFillsListBox"), row);
            const std::vector<std::string> shown = test::GridRows(w_->State().Xw.Squares);
            const std::vector<std::string> themed = ThemedPattern();
            QCOMPARE(shown.size(), themed.size());
            for (std::size_t r = 0; r < shown.size(); ++r)
                for (std::size_t c = 0; c < shown[r].size(); ++c) {
                    if (themed[r][c] == ' ') QVERIFY2(shown[r][c] >= 'A' && shown[r][c] <= 'Z', "every open square filled");
                    else QCOMPARE(shown[r][c], themed[r][c]);
                }
            fills.insert(shown);
        }
        QCOMPARE(fills.size(), std::size_t{3});

        // The fill on show has its clues, on the Clues page as for a stock grid's fill.
        Find<QPushButton>("NextBtn2")->click();
        QCOMPARE(LeftPage(), QString("TabSheetClues"));
        const Crossword& xw = w_->State().Xw;
        int across = 0;
        int clued = 0;
        for (int i = 1; i <= xw.WordSlotCount; ++i) {
            across += xw.Slot(i).Dir ? 1 : 0;
            clued += xw.Slot(i).ClueTxt.view().empty() ? 0 : 1;
        }
        QCOMPARE(xw.WordSlotCount, View()->Report().Words);
        QCOMPARE(ListLines("AcrossListBox").size(), across);
        QCOMPARE(ListLines("DownListBox").size(), xw.WordSlotCount - across);
        QVERIFY2(clued * 10 >= xw.WordSlotCount * 9, "the dictionary's words come with their clues");

        // Saved as a crossword file, it reads back as the same grid with the same clues.
        const std::string saved = Folder().File("designed.xwd");
        log_.Files = {QString::fromStdString(saved)};
        ShowLeftPage("TabSheetFile");
        Find<QPushButton>("SaveBtn")->click();
        QVERIFY(log_.Files.empty());
        const LoadedCrosswordFile loaded = ReadCrosswordFile(saved);
        QCOMPARE(test::GridRows(loaded.Xw.Squares), test::GridRows(xw.Squares));
        using Clue = std::tuple<int, int, bool, std::string, std::string>;
        std::set<Clue> shownClues;
        std::set<Clue> loadedClues;
        for (int i = 1; i <= xw.WordSlotCount; ++i)
            shownClues.emplace(xw.Slot(i).Row, xw.Slot(i).Col, xw.Slot(i).Dir, xw.Slot(i).WordTxt.str(), xw.Slot(i).ClueTxt.str());
        for (int i = 1; i <= loaded.Xw.WordSlotCount; ++i) {
            const WordSlot& s = loaded.Xw.Slot(i);
            loadedClues.emplace(s.Row, s.Col, s.Dir, s.WordTxt.str(), s.ClueTxt.str());
        }
        QCOMPARE(loadedClues, shownClues);

        // Back on the Setup page the designer is on the right again; the grid goes to My Grids.
        ShowLeftPage("TabSheetSetup");
        QCOMPARE(RightPage(), QString("GridDesignerPage"));
        SaveToMyGrids("Stars and shells");
        QCOMPARE(MyGridNames(), QStringList{"Stars and shells"});
        QVERIFY(std::filesystem::exists(LibraryFile()));

        // Back to the stock grids only when the fills may go.
        log_.Answers = {false};
        Find<QPushButton>("DesignStockGridsBtn")->click();
        QVERIFY(log_.Messages.last().startsWith("ask: You've created 3 grid fills."));
        QCOMPARE(SetupTab(), QString("TabSheetDesigner"));
        QCOMPARE(RightPage(), QString("GridDesignerPage"));
        QCOMPARE(ListLines("SymmFillsListBox").size(), 3);
        Find<QPushButton>("DesignStockGridsBtn")->click();
        QCOMPARE(SetupTab(), QString("TabSheetGrids"));
        QCOMPARE(ListLines("SymmFillsListBox"), QStringList());
        log_.Messages.clear();

        // A new window finds it there, with its theme entries.
        w_.reset();
        QVERIFY(OpenWindow(FullDictionaryStart()));
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        // "My Grids" is listed after the stock sizes; it shows the kept grids in place of the thumbnails.
        const QStringList sizes = ListLines("StockGridListBox");
        QCOMPARE(sizes.last(), QString("My Grids"));
        QCOMPARE(sizes.at(sizes.size() - 2), QString("29 x 29"));
        QVERIFY(!Find<QListView>("MyGridsListView")->isVisible());
        ClickListed("StockGridListBox", "My Grids");
        QVERIFY(Find<QListView>("MyGridsListView")->isVisible());
        QVERIFY(!Find<QWidget>("StockGridStatusBar")->isVisible());
        // A new crossword starts again at the stock grids of the size on show.
        w_->OnNewSymmetricalChosen();
        QCOMPARE(Find<QListWidget>("StockGridListBox")->currentItem()->text(), QString("15 x 15"));
        QVERIFY(!Find<QListView>("MyGridsListView")->isVisible());
        ClickListed("StockGridListBox", "My Grids");
        QCOMPARE(MyGridNames(), QStringList{"Stars and shells"});
        ChooseMyGrid(0);
        Find<QPushButton>("MyGridOpenBtn")->click();
        QCOMPARE(SetupTab(), QString("TabSheetDesigner"));
        QCOMPARE(DesignRows(View()->Design()), ThemedPattern());
        QCOMPARE(log_.Messages, QStringList());
    }

    void stopEndsARunOfADesignedGrid()
    {
        // An open 7 x 7 grid: the full dictionary has no fill the engine finds soon, so the run goes on
        // until Stop.
        QVERIFY(OpenWindow(FullDictionaryStart()));
        OpenBlankDesigner();
        Find<QSpinBox>("DesignSizeSpin")->setValue(7);
        Find<QPushButton>("DesignBlankBtn")->click();
        Find<QPushButton>("NextBtn1")->click();
        bool designerPaused = false;
        bool stopOn = false;
        QTimer::singleShot(300, [&] {
            designerPaused = !Find<QWidget>("TabSheetDesigner")->isEnabled() && !Find<QWidget>("GridDesignerPage")->isEnabled();
            stopOn = Find<QPushButton>("SymmStopBtn")->isEnabled();
            Find<QPushButton>("SymmStopBtn")->click();
        });
        Find<QPushButton>("SymmStartBtn")->click();
        QVERIFY(designerPaused);
        QVERIFY(stopOn);
        QVERIFY2(Find<QPlainTextEdit>("ProgressMemo")->toPlainText().contains("Stopped"), qPrintable(Find<QPlainTextEdit>("ProgressMemo")->toPlainText()));
        QCOMPARE(log_.Messages, QStringList());
        QCOMPARE(ListLines("SymmFillsListBox"), QStringList());
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());
        QVERIFY(!Find<QPushButton>("SymmStopBtn")->isEnabled());
        QVERIFY(Find<QWidget>("TabSheetDesigner")->isEnabled());
        QVERIFY(!w_->State().RunInProgress());
    }

    void myGridsOpenRenameDeleteAndReplaceAfterAsking()
    {
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(small_)));
        OpenBlankDesigner();
        Find<QSpinBox>("DesignSizeSpin")->setValue(5);
        Find<QPushButton>("DesignBlankBtn")->click();
        QCOMPARE(View()->Design().Size(), 5);
        ClickDesignSquare(1, 2);  // (the cursor's own square, (1, 1), would turn the direction)
        SaveToMyGrids("Corner");
        ClickDesignSquare(3, 3);
        SaveToMyGrids("Centre");
        QCOMPARE(MyGridNames(), (QStringList{"Corner", "Centre"}));

        // The same name in another case: replaced only when the user agrees.
        ClickDesignSquare(2, 2);
        log_.Answers = {false};
        SaveToMyGrids("CORNER");
        QCOMPARE(log_.Messages.last(), QString("ask: My Grids has a grid called \"Corner\" already.\nReplace it?"));
        auto& model = Find<MyGridsPanel>("MyGridsPanel")->Model();
        QCOMPARE(model.DesignAt(0).At(2, 2), ' ');
        SaveToMyGrids("corner");
        QCOMPARE(MyGridNames(), (QStringList{"Corner", "Centre"}));
        QCOMPARE(model.DesignAt(0).At(2, 2), '#');
        QCOMPARE(model.DesignAt(0).At(4, 4), '#');

        // An unsaved change is kept unless the user lets it go; then the chosen grid is opened.
        ClickDesignSquare(1, 3);
        ChooseMyGrid(1);
        log_.Answers = {false};
        Find<QPushButton>("MyGridOpenBtn")->click();
        QCOMPARE(View()->Design().At(1, 3), '#');
        Find<QPushButton>("MyGridOpenBtn")->click();
        QCOMPARE(View()->Design().At(1, 3), ' ');
        QCOMPARE(View()->Design().At(3, 3), '#');
        QCOMPARE(View()->Design().At(1, 2), '#');
        QCOMPARE(View()->Design().At(5, 4), '#');

        ChooseMyGrid(1);
        log_.Texts = {"Middle block"};
        Find<QPushButton>("MyGridRenameBtn")->click();
        QCOMPARE(MyGridNames(), (QStringList{"Corner", "Middle block"}));
        log_.Texts = {"corner"};
        Find<QPushButton>("MyGridRenameBtn")->click();
        QVERIFY2(log_.Messages.last().startsWith("error: "), qPrintable(log_.Messages.last()));
        QCOMPARE(MyGridNames(), (QStringList{"Corner", "Middle block"}));

        ChooseMyGrid(0);
        log_.Answers = {false};
        Find<QPushButton>("MyGridDeleteBtn")->click();
        QCOMPARE(log_.Messages.last(), QString("ask: Delete \"Corner\" from My Grids?"));
        QCOMPARE(MyGridNames(), (QStringList{"Corner", "Middle block"}));
        Find<QPushButton>("MyGridDeleteBtn")->click();
        QCOMPARE(MyGridNames(), QStringList{"Middle block"});
        QCOMPARE(ReadGridLibrary(FileBytes(LibraryFile())).size(), std::size_t{1});
    }

    void designCopiesTheChosenStockGridAndTheStockGridsComeBack()
    {
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(small_)));
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        ChooseFirstSevenBySeven();
        std::vector<std::string> stock = test::GridRows(w_->State().Xw.Squares);
        Find<QPushButton>("DesignBtn")->click();
        QCOMPARE(SetupTab(), QString("TabSheetDesigner"));
        QCOMPARE(DesignRows(View()->Design()), stock);
        // The stock grid has squares in one word only: filled only once they are allowed.
        QVERIFY(!Find<QPushButton>("NextBtn1")->isEnabled());
        Find<QCheckBox>("DesignUncheckedCheck")->setChecked(true);
        QVERIFY(Find<QPushButton>("NextBtn1")->isEnabled());
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());

        Find<QPushButton>("DesignStockGridsBtn")->click();
        QCOMPARE(SetupTab(), QString("TabSheetGrids"));
        QCOMPARE(RightPage(), QString("_TabGrid"));
        QVERIFY2(!Find<QPushButton>("NextBtn1")->isEnabled(), "a stock grid is chosen afresh");
        QVERIFY(!Find<QPushButton>("SymmStartBtn")->isEnabled());
        ChooseFirstSevenBySeven();
        QVERIFY(Find<QPushButton>("NextBtn1")->isEnabled());
        // The designer keeps its grid for the next visit.
        Find<QTabWidget>("PageControlSymmetric")->setCurrentWidget(Find<QWidget>("TabSheetDesigner"));
        QCOMPARE(RightPage(), QString("GridDesignerPage"));
        QCOMPARE(DesignRows(View()->Design()), stock);

        // A freeform crossword has no designer: its Setup page has the grid on the right.
        w_->OnNewFreeformChosen();
        QCOMPARE(LeftPage(), QString("TabSheetSetup"));
        QCOMPARE(RightPage(), QString("_TabGrid"));
        ShowLeftPage("TabsheetHome");
        ShowLeftPage("TabSheetSetup");
        QCOMPARE(RightPage(), QString("_TabGrid"));
    }

    void gridTextFilesOpenAndSave()
    {
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(small_)));
        OpenBlankDesigner();
        Find<QSpinBox>("DesignSizeSpin")->setValue(5);
        Find<QPushButton>("DesignBlankBtn")->click();
        ClickDesignSquare(1, 5);
        ClickDesignSquare(3, 1, Qt::RightButton);
        QTest::keyClicks(View(), "ABC");
        const std::string file = Folder().File("five.txt");
        log_.Files = {QString::fromStdString(file)};
        Find<QPushButton>("SaveGridFileBtn")->click();
        QCOMPARE(FileBytes(file), DesignGridText(View()->Design()));
        const std::vector<std::string> saved = DesignRows(View()->Design());
        QCOMPARE(saved[2].substr(0, 3), std::string("ABC"));

        Find<QPushButton>("DesignBlankBtn")->click();
        QCOMPARE(DesignRows(View()->Design())[0], std::string("     "));
        log_.Files = {QString::fromStdString(file)};
        Find<QPushButton>("OpenGridFileBtn")->click();
        QCOMPARE(DesignRows(View()->Design()), saved);

        // A bad grid text is refused with a message naming the place; the design stays as it was.
        const std::string bad = Folder().File("bad.txt");
        test::WriteFile(bad, "..#..\n..?..\n");
        log_.Files = {QString::fromStdString(bad)};
        Find<QPushButton>("OpenGridFileBtn")->click();
        QVERIFY2(log_.Messages.last().startsWith("error: "), qPrintable(log_.Messages.last()));
        QCOMPARE(DesignRows(View()->Design()), saved);
    }

    void aDamagedMyGridsFileIsReportedOnceAndKept()
    {
        const std::string damaged = "Quillmere grids 1\nname: Broken\nsymmetry: sideways\n.....\n";
        test::WriteFile(LibraryFile().string(), damaged);
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(small_)));
        QCOMPARE(log_.Messages, QStringList());
        OpenBlankDesigner();
        QCOMPARE(log_.Messages.size(), 1);
        QVERIFY2(log_.Messages[0].startsWith("warning: "), qPrintable(log_.Messages[0]));
        QVERIFY2(log_.Messages[0].contains(QString::fromStdString(LibraryFile().string())) || log_.Messages[0].contains("line"),
                 qPrintable(log_.Messages[0]));
        OpenBlankDesigner();
        QCOMPARE(log_.Messages.size(), 1);
        QCOMPARE(MyGridNames(), QStringList());

        SaveToMyGrids("New grid");
        QVERIFY2(log_.Messages.last().startsWith("error: "), qPrintable(log_.Messages.last()));
        QCOMPARE(FileBytes(LibraryFile()), damaged);
    }
};

QTEST_MAIN(DesignRoadTest)
#include "design_road_test.moc"
