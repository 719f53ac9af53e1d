// The Word Usage tab after a run of freeform fills: its four tables and bars, the click on a word that
// opens "Grid Nos." with the fills using it, and the click there that shows a fill with the word marked.
#include "core/freeform/freeform_run.h"
#include "core/stats/word_usage.h"
#include "core/util/text.h"
#include "core/words/import.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/colour.h"
#include "ui/fills_of_word_dialog.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/word_usage_grid.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include <map>

using namespace qm;
using namespace qm::ui;

namespace {

const char* const WordList =
    "CAT\tPet that purrs\r\nDOG\r\nBIRD\r\nFISH\r\nHORSE\tIt gallops\r\nMOUSE\r\nTIGER\r\nLION\r\nEAGLE\r\nSNAKE\r\n"
    "RABBIT\r\nTURTLE\r\nBEAR\r\nDEER\r\nGOAT\r\nSHEEP\r\nOTTER\r\nSEAL\r\nCRANE\r\nHERON\r\nROBIN\r\nOWL\r\nEMU\r\n"
    "ANT\r\nBEE\r\nWASP\r\nMOTH\r\nNEWT\r\nTOAD\r\nFROG\r\nSTARLING\r\nHIPPOPOTAMUS\tToo long for the grid\r\n";

}  // namespace

class WordUsageTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    uitest::GridDictionary dict_ = uitest::MakeGridDictionary();

    WordUsageGrid* Usage() { return Find<WordUsageGrid>("WordUsageStringGrid"); }
    FillsOfWordDialog* GridsDlg() { return w_->findChild<FillsOfWordDialog*>(); }
    void ClickUsageCell(int col, int row)
    {
        const QModelIndex cell = Usage()->model()->index(row, col);
        Usage()->scrollTo(cell);
        QTest::mouseClick(Usage()->viewport(), Qt::LeftButton, {}, Usage()->visualRect(cell).center());
    }
    /// A freeform crossword of 10 x 10 from the word list, with fills made by a run through the core.
    void RunFreeformFills(int fills)
    {
        RunFreeformFillsInCore(WordList, fills);
        QVERIFY(w_->State().Fills.GridsMax > 1);
    }
    void ShowUsageTab()
    {
        ShowLeftPage("TabSheetGenerate");
        Find<QTabWidget>("PageControlFreeGen")->setCurrentWidget(Find<QWidget>("TabSheetUsage"));
    }
    /// The words of stored fill n, by the store's references into the imported list.
    std::vector<std::string> WordsOfFill(int n)
    {
        const QuillmereState& s = w_->State();
        std::vector<std::string> words;
        for (int j = s.Fills.FirstWordOf(n); j <= s.Fills.LastWordOf(n); ++j) {
            const StoredWord& sw = s.Fills.Words[static_cast<std::size_t>(j)];
            words.push_back(s.Imported.EntriesOf(sw.NumLett)[sw.DictOrThemeRef].Text);
        }
        return words;
    }
    /// Uses of each word over all stored fills, counted fill by fill.
    std::map<std::string, int> UsesByFill()
    {
        std::map<std::string, int> uses;
        for (int n = 1; n <= w_->State().Fills.GridsMax; ++n)
            for (const std::string& word : WordsOfFill(n)) ++uses[word];
        return uses;
    }

private slots:
    void init()
    {
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(dict_)));
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        ChooseFreeformSize(10);
        QCOMPARE(w_->State().Xw.GridSize, 10);
    }

    void cleanup() { CloseWindow(); }

    void theTablesCountEveryUseWithBars()
    {
        // Before any fill every word counts 0 and no bar is drawn.
        const QuillmereState& s = w_->State();
        ImportWordListBytes(w_->State().Imported, WordList, "animals.txt", s.FillSource, s.Xw.GridSize);
        ShowUsageTab();
        QCOMPARE(Usage()->RowCount(), 32);
        QCOMPARE(Usage()->Table().MaxUsage, 0);
        QCOMPARE(QList<int>({Usage()->columnWidth(0), Usage()->columnWidth(1), Usage()->columnWidth(3)}), QList<int>({120, 30, 0}));
        for (int row = 0; row < Usage()->RowCount(); ++row) QCOMPARE(Usage()->Cell(1, row), QString("   0"));

        RunFreeformFills(6);
        Find<QRadioButton>("RankedRadio")->click();
        const std::map<std::string, int> uses = UsesByFill();
        int maxUses = 0;
        for (const auto& [word, n] : uses) maxUses = std::max(maxUses, n);

        const struct {
            const char* radio;
            UsageTableKind kind;
            int rows;
        } tables[] = {{"AlphaRadio", UsageTableKind::Alphabetical, 32},
                      {"RankedRadio", UsageTableKind::Ranked, 32},
                      {"GroupedRadio", UsageTableKind::Grouped, 32 + 12},
                      {"SummarisedRadio", UsageTableKind::Summary, 12}};
        for (const auto& t : tables) {
            Find<QRadioButton>(t.radio)->click();
            const UsageTable expected = BuildUsageTable(t.kind, s.Imported, s.Fills);
            QCOMPARE(Usage()->RowCount(), t.rows);
            QCOMPARE(Usage()->Table().MaxUsage, expected.MaxUsage);
            for (int row = 0; row < static_cast<int>(expected.Rows.size()); ++row)
                for (int col = 0; col < 4; ++col)
                    QCOMPARE(Usage()->Cell(col, row), QString::fromStdString(expected.Rows[static_cast<std::size_t>(row)].Cell(col)));
            if (t.kind == UsageTableKind::Summary) {
                QCOMPARE(Usage()->Cell(0, t.rows - 1), QString("Total"));
                QCOMPARE(Usage()->Cell(1, t.rows - 1).toInt(), s.Fills.StoredWordCount);
                QCOMPARE(Usage()->columnWidth(0), 64);
                QCOMPARE(Usage()->columnWidth(3), 44);
                continue;
            }
            QCOMPARE(Usage()->Table().MaxUsage, maxUses);
            QCOMPARE(Usage()->columnWidth(3), 0);
            // Each word's count is its uses in the fills, taken fill by fill.
            for (int row = 0; row < t.rows; ++row) {
                const QString word = Usage()->Cell(0, row);
                if (word.startsWith('*')) continue;
                const auto it = uses.find(word.toStdString());
                QCOMPARE(Usage()->Cell(1, row).trimmed().toInt(), it == uses.end() ? 0 : it->second);
            }
        }
        // Fills made while another page was on show are counted when the Generate page comes back.
        Find<QRadioButton>("AlphaRadio")->click();
        ShowLeftPage("TabSheetSetup");
        FreeformRunRequest again;
        again.Fills = 3;
        StartFreeformRun(w_->State(), again, {});
        ShowUsageTab();
        int total = 0;
        for (int row = 0; row < Usage()->RowCount(); ++row) total += Usage()->Cell(1, row).toInt();
        QCOMPARE(total, s.Fills.StoredWordCount);
        QCOMPARE(Usage()->Table().MaxUsage, BuildUsageTable(UsageTableKind::Alphabetical, s.Imported, s.Fills).MaxUsage);

        Find<QRadioButton>("GroupedRadio")->click();
        QCOMPARE(Usage()->Cell(0, 0), QString("* Words of Length  2"));  // a length without words keeps its header
        QCOMPARE(Usage()->Cell(0, 1), QString("* Words of Length  3"));
        QCOMPARE(Usage()->Cell(0, 2), QString("ANT"));

        // The ranked list puts the most used word first; its bar fills the bar column, an unused word has none.
        Find<QRadioButton>("RankedRadio")->click();
        QCOMPARE(Usage()->Cell(1, 0).toInt(), Usage()->Table().MaxUsage);
        const int last = 31;
        QCOMPARE(Usage()->Cell(1, last).toInt(), 0);
        Usage()->scrollToTop();
        const QImage image = Usage()->viewport()->grab().toImage();
        const QRect top = Usage()->visualRect(Usage()->model()->index(0, 2));
        QCOMPARE(image.pixelColor(top.right() - 1, top.center().y()), ToQColor(ColourBar));
        Usage()->scrollToBottom();
        const QImage bottom = Usage()->viewport()->grab().toImage();
        const QRect none = Usage()->visualRect(Usage()->model()->index(last, 2));
        QCOMPARE(bottom.pixelColor(none.left() + 1, none.center().y()), ToQColor(ColourWindow, Usage()->palette()));
    }

    void aWordListsItsFillsAndAFillShowsWithTheWordMarked()
    {
        RunFreeformFills(6);
        ShowUsageTab();
        Find<QRadioButton>("RankedRadio")->click();
        const std::string word = Usage()->Cell(0, 0).toStdString();
        ClickUsageCell(0, 0);
        QVERIFY(GridsDlg()->isVisible());
        QCOMPARE(GridsDlg()->windowTitle(), QString("Grid Nos."));
        QStringList lines;
        for (int i = 0; i < uitest::FindControl<RowListView>(GridsDlg(), "GridsListBox")->count(); ++i) lines << uitest::FindControl<RowListView>(GridsDlg(), "GridsListBox")->Line(i);
        QStringList expected;
        for (const FillsOfWordRow& use : FillsOfWord(word, w_->State().Imported, w_->State().Fills)) expected << QString::fromStdString(use.Text());
        QCOMPARE(lines, expected);
        // One line per use, naming the fills that hold the word.
        std::vector<int> fills;
        for (int n = 1; n <= w_->State().Fills.GridsMax; ++n)
            for (const std::string& w : WordsOfFill(n))
                if (w == word) fills.push_back(n);
        QCOMPARE(lines.size(), static_cast<int>(fills.size()));
        for (int i = 0; i < lines.size(); ++i) QCOMPARE(lines[i].left(4).trimmed().toInt(), fills[static_cast<std::size_t>(i)]);

        // Showing the last of them: the fill is on display and the word's squares are marked.
        const QString line = lines.last();
        ClickItem(uitest::FindControl<RowListView>(GridsDlg(), "GridsListBox"), static_cast<int>(lines.size()) - 1);
        const QuillmereState& s = w_->State();
        QCOMPARE(s.Fills.CurrentFill, fills.back());
        const int row = line.mid(4, 3).trimmed().toInt();
        const int col = line.mid(7, 3).trimmed().toInt();
        const bool across = row > 0;
        std::string inGrid;
        int marked = 0;
        for (int r = 1; r <= s.Xw.GridSize; ++r)
            for (int c = 1; c <= s.Xw.GridSize; ++c)
                if (s.Xw.Squares(c, r).CellColour == ColourSelectedWord) ++marked;
        for (int i = 0; i < static_cast<int>(word.size()); ++i) {
            const int c = across ? col + i : -col;
            const int r = across ? row : -row + i;
            inGrid += s.Xw.Squares(c, r).Letter;
            QCOMPARE(s.Xw.Squares(c, r).CellColour, ColourSelectedWord);
        }
        QCOMPARE(inGrid, word);
        QCOMPARE(marked, static_cast<int>(word.size()));
        auto* grid = Find<MainStringGrid>("MainStringGrid");
        const QImage image = grid->grab().toImage();
        const QPoint first = across ? QPoint(col, row) : QPoint(-col, -row);
        QCOMPARE(image.pixelColor(grid->SquareRect(first.x(), first.y()).bottomRight() - QPoint(1, 1)), ToQColor(ColourSelectedWord));

        // A line naming a fill the list no longer has changes nothing.
        w_->ShowFillOfWord(FillsOfWordRow{s.Fills.GridsMax + 1, row, col, static_cast<int>(word.size())});
        QCOMPARE(s.Fills.CurrentFill, fills.back());
        QCOMPARE(s.Xw.Squares(first.x(), first.y()).CellColour, ColourSelectedWord);

        uitest::FindControl<QPushButton>(GridsDlg(), "CloseBtn")->click();
        QVERIFY(!GridsDlg()->isVisible());
    }

    void clicksBesideAWordOpenNothing()
    {
        RunFreeformFills(4);
        ShowUsageTab();
        const struct {
            const char* radio;
            int col;
            int row;
        } clicks[] = {{"AlphaRadio", 1, 0}, {"AlphaRadio", 2, 0}, {"GroupedRadio", 0, 1}, {"SummarisedRadio", 0, 1}};
        for (const auto& c : clicks) {
            Find<QRadioButton>(c.radio)->click();
            ClickUsageCell(c.col, c.row);
            QVERIFY2(!GridsDlg()->isVisible(), c.radio);
        }
        // A word that no fill can hold lists nothing.
        Find<QRadioButton>("AlphaRadio")->click();
        int unused = 0;
        while (unused < Usage()->RowCount() && Usage()->Cell(0, unused) != "HIPPOPOTAMUS") ++unused;
        QCOMPARE(Usage()->Cell(1, unused), QString("   0"));
        ClickUsageCell(0, unused);
        QVERIFY(!GridsDlg()->isVisible());
        QCOMPARE(uitest::FindControl<RowListView>(GridsDlg(), "GridsListBox")->count(), 0);
    }
};

QTEST_MAIN(WordUsageTest)
#include "word_usage_test.moc"
