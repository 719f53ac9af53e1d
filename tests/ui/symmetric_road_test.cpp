// The road of a symmetrical crossword through the real window: a stock grid chosen from the thumbnails,
// a run of fills, a fill shown, a clue edited, a word replaced; Stop, closing during a run, and the
// questions before listed fills are dropped.
#include "core/clues/clue_store.h"
#include "core/grid/stock_grids.h"
#include "core/util/text.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/colour.h"
#include "ui/diagnostics_window.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"
#include "ui/stock_grid_preview.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace qm;
using namespace qm::ui;

class SymmetricRoadTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    uitest::GridDictionary dict_ = uitest::MakeGridDictionary();

    void ClickThumbnail(int ordinal)
    {
        auto* preview = Find<StockGridPreview>("PreviewImg");
        for (const StockThumbnail& t : preview->Thumbnails())
            if (t.Ordinal == QString("%1.").arg(ordinal)) {
                const int half = t.Size * ThumbPixelsPerSquare / 2;
                QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(t.Left + half, t.Top + half));
                return;
            }
        QFAIL("no such thumbnail");
    }
    void ChooseSize(const QString& size) { ClickListed("StockGridListBox", size); }
    /// The across word that starts in the top left corner.
    WordSlot& FirstAcross() { return w_->State().Xw.Slot(w_->State().Xw.Squares(1, 1).SlotRef); }
    /// The letters of the grid on display, row by row.
    std::vector<std::string> Letters() { return test::GridRows(w_->State().Xw.Squares); }
    void Run(int repeats)
    {
        auto* edit = Find<QLineEdit>("SymmRepeatsEdit");
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(repeats));
        Find<QPushButton>("SymmStartBtn")->click();
    }
    /// New symmetrical crossword on the first 7 x 7 stock grid, on the Generate page.
    void StartOnFirstSevenBySeven()
    {
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        ChooseSize("7 x 7");
        ClickThumbnail(1);
        Find<QPushButton>("NextBtn1")->click();
    }

private slots:
    void init() { QVERIFY(OpenWindow(uitest::GridDictionaryStart(dict_))); }

    void cleanup() { CloseWindow(); }

    void aClickedThumbnailBecomesTheNumberedGrid()
    {
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        QCOMPARE(LeftPage(), QString("TabSheetSetup"));
        auto* status = Find<PanelStatusBar>("StockGridStatusBar");
        QCOMPARE(status->panelText(0), QString(" Dimensions 15x15"));
        QVERIFY(status->panelText(1).endsWith(" grids "));
        ChooseSize("7 x 7");
        QCOMPARE(status->panelText(0), QString(" Dimensions 7x7"));
        QCOMPARE(status->panelText(1), QString("3 grids "));
        QCOMPARE(Find<QLabel>("HeaderPnl")->text(), QString("Dimensions: 7 x 7"));
        auto* preview = Find<StockGridPreview>("PreviewImg");
        QCOMPARE(preview->Thumbnails().size(), std::size_t{3});
        QVERIFY(!Find<QPushButton>("NextBtn1")->isEnabled());

        ClickThumbnail(2);
        QCOMPARE(status->panelText(1), QString("Grid 2 of 3"));
        ClickThumbnail(1);
        QCOMPARE(status->panelText(1), QString("Grid 1 of 3"));
        const StockThumbnail chosen = preview->Thumbnails().front();
        QVERIFY(chosen.Selected);
        QVERIFY(!preview->Thumbnails()[1].Selected);
        // Row 1 of the first 7 x 7 grid blocks column 6: that square is painted black now, grey before.
        const QImage image = preview->grab().toImage();
        QCOMPARE(image.pixelColor(chosen.Left + 5 * 6 + 3, chosen.Top + 3), QColor(Qt::black));
        QCOMPARE(image.pixelColor(chosen.Left, chosen.Top + 3), QColor(Qt::black));
        QCOMPARE(image.pixelColor(preview->Thumbnails()[1].Left, preview->Thumbnails()[1].Top + 3), QColor(0x80, 0x80, 0x80));

        const Crossword& xw = w_->State().Xw;
        QCOMPARE(Letters(), (std::vector<std::string>{"     # ", " # #   ", "     # ", " ## ## ", " #     ", "   # # ", " #     "}));
        QVERIFY(xw.ShowCellNumbers);
        QCOMPARE(xw.Squares(1, 1).CellNumber, 1);
        QVERIFY(xw.WordSlotCount > 0);
        QCOMPARE(Find<PanelStatusBar>("MainStatusBar")->panelText(0), QString("words %1").arg(xw.WordSlotCount));
        QCOMPARE(Find<PanelStatusBar>("MainStatusBar")->panelText(1), QString("letters 37"));
        QVERIFY(Find<QPushButton>("NextBtn1")->isEnabled());
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());
        QVERIFY2(!Find<QPushButton>("NextBtn2")->isEnabled(), "no fill to see on the Clues page yet");
        ChooseSize("9 x 9");
        QVERIFY2(!Find<QPushButton>("NextBtn1")->isEnabled(), "a new size wants a new grid");
        ChooseSize("7 x 7");
        ClickThumbnail(1);
        QVERIFY(Find<QPushButton>("NextBtn1")->isEnabled());
        w_->OnNewFreeformChosen();
        QVERIFY2(!Find<QPushButton>("NextBtn1")->isEnabled(), "a freeform crossword wants a word list first");
        w_->OnNewSymmetricalChosen();
        QVERIFY2(!Find<QPushButton>("NextBtn1")->isEnabled(), "a new crossword wants a grid chosen");
        QCOMPARE(w_->findChild<DiagnosticsWindow*>()->Lines().value(0), QString("ORIGINAL SEQUENCE:"));
        QVERIFY(w_->findChild<DiagnosticsWindow*>()->Lines().contains("FILLING SEQUENCE:"));
    }

    void theThumbnailsScrollAndAScrolledThumbnailIsHit()
    {
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        auto* preview = Find<StockGridPreview>("PreviewImg");
        auto* scroll = Find<QScrollBar>("PreviewScrollBar");
        const StockGridSpan fifteens = StockGridsOfSize(w_->State().Stock, 15);
        const int rows = (fifteens.Count() + 1) / 2;
        QVERIFY(scroll->isEnabled());
        QCOMPARE(scroll->maximum(), rows * (15 * 6 + 24) + 12 - preview->height());
        QCOMPARE(scroll->pageStep(), preview->height());

        const int before = preview->Thumbnails().front().Top;
        scroll->setValue(3 * (15 * 6 + 24));  // three rows of thumbnails up
        const auto& shown = preview->Thumbnails();
        const auto seventh = std::find_if(shown.begin(), shown.end(), [](const StockThumbnail& t) { return t.Ordinal == "7."; });
        QVERIFY(seventh != shown.end());
        QCOMPARE(seventh->Top, before);  // the fourth row stands where the first stood
        ClickThumbnail(8);
        QCOMPARE(Find<PanelStatusBar>("StockGridStatusBar")->panelText(1), QString("Grid 8 of %1").arg(fifteens.Count()));
        QCOMPARE(w_->State().Stock.SelectedStockGrid, fifteens.First + 7);

        ChooseSize("7 x 7");
        QVERIFY2(!scroll->isEnabled(), "three small grids need no scrolling");
    }

    void aRunListsItsFillsAndShowsTheFirst()
    {
        StartOnFirstSevenBySeven();
        QCOMPARE(LeftPage(), QString("TabSheetGenerate"));
        QCOMPARE(Find<QLabel>("MultipleFillsLab")->text(), QString("Create random fills from the internal dictionary."));

        // What the window shows at its first chance to process events during the run.
        struct During {
            int bar = -1, barMax = -1, listed = -1;
            QString attempt;
            bool startEnabled = true, stopEnabled = false, homeEnabled = true;
        } during;
        QTimer::singleShot(0, this, [&] {
            during.bar = Find<QProgressBar>("ProgressBarSymmMult")->value();
            during.barMax = Find<QProgressBar>("ProgressBarSymmMult")->maximum();
            during.attempt = Find<PanelStatusBar>("SymmFillsStatusBar")->panelText(1);
            during.listed = Find<RowListView>("SymmFillsListBox")->count();
            during.startEnabled = Find<QPushButton>("SymmStartBtn")->isEnabled();
            during.stopEnabled = Find<QPushButton>("SymmStopBtn")->isEnabled();
            during.homeEnabled = Find<QPushButton>("SymmetricBitBtn")->isEnabled();
        });
        Run(3);
        QCOMPARE(during.bar, 1);
        QCOMPARE(during.barMax, 3);
        QCOMPARE(during.attempt, QString("1/3"));
        QCOMPARE(during.listed, 1);
        QVERIFY(!during.startEnabled);
        QVERIFY(during.stopEnabled);
        QVERIFY(!during.homeEnabled);

        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());
        QVERIFY(!Find<QPushButton>("SymmStopBtn")->isEnabled());
        QVERIFY(!w_->State().RunInProgress());
        QVERIFY(Find<PanelStatusBar>("SymmFillsStatusBar")->panelText(2).endsWith(" secs."));
        const QStringList lines = ListLines("SymmFillsListBox");
        QCOMPARE(lines.size(), 3);
        const QStringList memo = Find<QPlainTextEdit>("ProgressMemo")->toPlainText().split('\n');
        QCOMPARE(memo.value(0), QString("Running..."));
        const int words = w_->State().Xw.WordSlotCount;
        for (int n = 1; n <= 3; ++n) {
            const FillRecord& r = w_->State().Fills.Record(n);
            QCOMPARE(lines[n - 1], QString::fromStdString(Format("%4d%6d%4d%1s%5d%7d%8d%7d", 9999, 0, n, "", 37, words, r.Iterations, 0)));
            QVERIFY(memo.contains(QString("%1. Successful fill in %2 iterations.").arg(n).arg(r.Iterations)));
        }
        QCOMPARE(Find<ColumnHeader>("SymmFillsHeaderPnl")->text(), QString("Fill Letters Words Iterations Imported"));

        // The first fill is on display with its words in the grid and in the clue lists.
        QCOMPARE(Find<RowListView>("SymmFillsListBox")->currentRow(), 0);
        QCOMPARE(w_->State().Fills.CurrentFill, 1);
        for (const std::string& row : Letters())
            for (char c : row) QVERIFY(c == '#' || (c >= 'A' && c <= 'Z'));
        QCOMPARE(ListLines("AcrossListBox").size() + ListLines("DownListBox").size(), words);
        QVERIFY(Find<QPushButton>("NextBtn2")->isEnabled());
    }

    void aListedFillIsShownWithItsCluesAndAnEditedClueIsKept()
    {
        StartOnFirstSevenBySeven();
        Run(3);
        auto* fills = Find<RowListView>("SymmFillsListBox");
        ClickItem(fills, 1);
        QCOMPARE(w_->State().Fills.CurrentFill, 2);
        QCOMPARE(Find<QLabel>("SymmFillStatusPnl")->text(), QString("Click on any row to select another fill"));
        const Crossword& xw = w_->State().Xw;
        for (int k = 1; k <= xw.WordSlotCount; ++k) {
            const WordSlot& s = xw.Slot(k);
            std::string inGrid;
            for (int i = 1; i <= s.NumLett; ++i) inGrid += w_->State().Xw.Squares(s.Dir ? s.Col + i - 1 : s.Col, s.Dir ? s.Row : s.Row + i - 1).Letter;
            QCOMPARE(inGrid, s.WordTxt.str());
            QCOMPARE(s.ClueTxt.str(), "Clue for " + s.WordTxt.str());
        }
        QCOMPARE(Find<PanelStatusBar>("ClueStatusBar")->panelText(0), QString("Across: %1").arg(ListLines("AcrossListBox").size()));

        // On the Clues page the first across word is highlighted and its clue can be edited.
        Find<QPushButton>("NextBtn2")->click();
        QCOMPARE(LeftPage(), QString("TabSheetClues"));
        const QImage before = Grid()->grab().toImage();
        QCOMPARE(before.pixelColor(Grid()->SquareRect(1, 1).bottomRight() - QPoint(1, 1)), ToQColor(ColourSelectedWord));
        auto* memo = Find<QPlainTextEdit>("AcrossClueMemo");
        const std::string firstWord = FirstAcross().WordTxt.str();
        QCOMPARE(memo->toPlainText(), QString::fromStdString("Clue for " + firstWord));
        memo->selectAll();
        QTest::keyClicks(memo, "A clue of my own");
        ClickItem(Find<RowListView>("AcrossListBox"), 1);
        QCOMPARE(FirstAcross().ClueTxt.view(), std::string_view("A clue of my own"));

        // Another fill, then this one again: the edited clue comes back with it.
        ShowLeftPage("TabSheetGenerate");
        ClickItem(fills, 0);
        QCOMPARE(w_->State().Fills.CurrentFill, 1);
        ClickItem(fills, 1);
        QCOMPARE(w_->State().Fills.CurrentFill, 2);
        QCOMPARE(FirstAcross().ClueTxt.view(), std::string_view("A clue of my own"));
        ShowLeftPage("TabSheetClues");
        QCOMPARE(Find<QPlainTextEdit>("AcrossClueMemo")->toPlainText(), QString("A clue of my own"));
    }

    void aWordIsReplacedByTheAlternativeThatFits()
    {
        StartOnFirstSevenBySeven();
        Run(3);
        ShowLeftPage("TabSheetClues");
        const std::string old = FirstAcross().WordTxt.str();
        QVERIFY(old == dict_.VariantOf || old == dict_.Variant);
        const std::string other = old == dict_.VariantOf ? dict_.Variant : dict_.VariantOf;

        ClickSquare(2, 1, Qt::RightButton);
        auto* dlg = w_->findChild<ReplaceWordDialog*>();
        QVERIFY(dlg->isVisible());
        QCOMPARE(uitest::FindControl<QLabel>(dlg, "FooterPnlA")->text(), QString("1 alternative(s) available,"));
        QCOMPARE(uitest::FindControl<RowListView>(dlg, "WordsListBox")->count(), 2);
        int pick = -1;
        for (int i = 0; i < uitest::FindControl<RowListView>(dlg, "WordsListBox")->count(); ++i)
            if (uitest::FindControl<RowListView>(dlg, "WordsListBox")->Line(i).mid(8).trimmed() == QString::fromStdString(other)) pick = i;
        QVERIFY(pick >= 0);
        QCOMPARE(uitest::FindControl<RowListView>(dlg, "WordsListBox")->Line(1 - pick).at(7), QChar('*'));
        ClickItem(uitest::FindControl<RowListView>(dlg, "WordsListBox"), pick);

        QVERIFY(!dlg->isVisible());
        QCOMPARE(FirstAcross().WordTxt.str(), other);
        QCOMPARE(Letters()[0].substr(0, 5), other);
        QCOMPARE(Find<RowListView>("AcrossListBox")->Line(0).mid(16), QString::fromStdString(other));
        QCOMPARE(Find<QPlainTextEdit>("AcrossClueMemo")->toPlainText(), QString::fromStdString("Clue for " + other));
        // The fills list keeps the new word: showing the fill again brings it.
        auto* fills = Find<RowListView>("SymmFillsListBox");
        ClickItem(fills, 1);
        ClickItem(fills, 0);
        QCOMPARE(FirstAcross().WordTxt.str(), other);
    }

    void symmetricalCrosswordsIgnoreDeleteAndCtrlF5FindsTheStatistics()
    {
        StartOnFirstSevenBySeven();
        Run(3);
        ShowLeftPage("TabSheetClues");
        const int words = w_->State().Xw.WordSlotCount;
        const QStringList across = ListLines("AcrossListBox");
        QTest::keyClick(Find<RowListView>("AcrossListBox"), Qt::Key_Delete);
        QVERIFY(log_.Messages.isEmpty());
        QCOMPARE(w_->State().Xw.WordSlotCount, words);
        QCOMPARE(ListLines("AcrossListBox"), across);
        QVERIFY(!Find<QPushButton>("MirrorBtn")->isEnabled());

        QTest::keyClick(Find<RowListView>("AcrossListBox"), Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(LeftPage(), QString("TabSheetHidden"));
    }

    void clearingTheGridKeepsTheFillsToShowAgain()
    {
        StartOnFirstSevenBySeven();
        Run(3);
        Find<QPushButton>("ClearGridBtn")->click();
        QCOMPARE(Find<PanelStatusBar>("MainStatusBar")->panelText(0), QString());
        QCOMPARE(ListLines("SymmFillsListBox").size(), 3);
        QCOMPARE(Find<QLabel>("SymmFillStatusPnl")->text(), QString("Click on any row to select a fill"));
        for (const std::string& row : Letters()) QCOMPARE(row, std::string(7, ' '));
        ClickItem(Find<RowListView>("SymmFillsListBox"), 2);
        QCOMPARE(w_->State().Fills.CurrentFill, 3);
        QCOMPARE(Letters()[0][5], '#');
        QVERIFY(Letters()[0][0] != ' ');
        QCOMPARE(w_->State().Xw.Squares(1, 1).CellNumber, 1);

        // A run after clearing works on the stock grid again.
        Find<QPushButton>("ClearGridBtn")->click();
        Run(1);
        QCOMPARE(ListLines("SymmFillsListBox").value(0).mid(15, 5), QString("   37"));
        QCOMPARE(w_->State().Xw.Squares(1, 1).CellNumber, 1);
    }

    void theFillsBarFollowsEachAttemptWhenProgressIsShown()
    {
        StartOnFirstSevenBySeven();
        auto* bar = Find<QProgressBar>("ProgressBarSymmQuick");
        Run(1);
        QCOMPARE(bar->value(), 0);
        Find<QCheckBox>("SymmProgressCheck")->setChecked(true);
        Run(1);
        QCOMPARE(bar->maximum(), w_->State().Xw.WordSlotCount);
        QCOMPARE(bar->value(), w_->State().Xw.WordSlotCount);  // the last slot of the complete fill
        QCOMPARE(ListLines("SymmFillsListBox").size(), 1);
    }

    void aBadIterationLimitIsRefusedAndTheListedFillsStay()
    {
        StartOnFirstSevenBySeven();
        Run(2);
        auto* iterations = Find<QLineEdit>("IterationsEdit");
        for (const char* bad : {"abc", "0"}) {
            iterations->setText(bad);
            log_.Messages.clear();
            Run(3);
            QCOMPARE(log_.Messages.size(), 1);
            QVERIFY(log_.Messages[0].startsWith("error: "));
            QCOMPARE(ListLines("SymmFillsListBox").size(), 2);
            QCOMPARE(w_->State().Fills.CurrentFill, 1);
            QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());
        }
        QCOMPARE(log_.Messages[0], QString("error: The number of iterations must be at least 1 (it is 0)"));
    }

    void stopEndsTheRunAfterTheCurrentAttempt()
    {
        StartOnFirstSevenBySeven();
        QTimer::singleShot(0, this, [&] { Find<QPushButton>("SymmStopBtn")->click(); });
        Run(3000);
        QCOMPARE(ListLines("SymmFillsListBox").size(), 1);
        QVERIFY(!Find<QPushButton>("SymmStopBtn")->isEnabled());
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());
        QVERIFY(Find<QPushButton>("SymmetricBitBtn")->isEnabled());
        QCOMPARE(Find<QLineEdit>("SymmRepeatsEdit")->text(), QString("3000"));
    }

    void closingDuringARunStopsItFirst()
    {
        StartOnFirstSevenBySeven();
        QTimer::singleShot(0, this, [&] { w_->close(); });
        Run(3000);
        QCOMPARE(ListLines("SymmFillsListBox").size(), 1);
        QVERIFY(!w_->isVisible());
    }

    void listedFillsGoOnlyWhenTheUserSaysSo()
    {
        StartOnFirstSevenBySeven();
        Run(2);
        ShowLeftPage("TabSheetSetup");
        auto* sizes = Find<QListWidget>("StockGridListBox");
        const int sevenRow = sizes->currentRow();

        log_.Answers = {false};
        ChooseSize("9 x 9");
        QCOMPARE(log_.Messages.value(0), QString("ask: You've created 2 grid fills.\nIf you select a new stock grid size these will be lost.\nOK?"));
        QCOMPARE(sizes->currentRow(), sevenRow);
        QCOMPARE(ListLines("SymmFillsListBox").size(), 2);

        log_.Answers = {false};
        ClickThumbnail(2);
        QCOMPARE(log_.Messages.value(1), QString("ask: You've created 2 grid fills.\nIf you select a new stock grid these will be lost.\nOK?"));
        QCOMPARE(w_->State().Stock.SelectedStockGrid, StockGridsOfSize(w_->State().Stock, 7).First);

        log_.Answers = {true};
        ClickThumbnail(2);
        QCOMPARE(ListLines("SymmFillsListBox").size(), 0);
        QCOMPARE(w_->State().Stock.SelectedStockGrid, StockGridsOfSize(w_->State().Stock, 7).First + 1);
        QCOMPARE(Find<PanelStatusBar>("StockGridStatusBar")->panelText(1), QString("Grid 2 of 3"));
    }
};

QTEST_MAIN(SymmetricRoadTest)
#include "symmetric_road_test.moc"
