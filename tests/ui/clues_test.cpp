// The Clues page on a small crossword: the selected word in the grid, clue edits, the "Replace Word"
// dialog and its replacement.
#include "core/clues/clue_store.h"
#include "core/grid/fill_writer.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/colour.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/replace_word_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace qm;
using namespace qm::ui;

class CluesTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    ReplaceWordDialog* WordsDlg() { return w_->findChild<ReplaceWordDialog*>(); }

    int IndexOf(const std::string& word)
    {
        const Dictionary& d = w_->State().Dict;
        for (int i = 1; i <= d.Count(static_cast<int>(word.size())); ++i)
            if (d.MainWordArray[word.size()][static_cast<std::size_t>(i)].Text == word) return i;
        return 0;
    }

    /// Square colours as the grid paints them.
    QColor Painted(int col, int row)
    {
        const QImage image = Grid()->grab().toImage();
        return image.pixelColor(Grid()->SquareRect(col, row).bottomRight() - QPoint(1, 1));
    }

    // A 5 x 5 crossword from the dictionary, shown as fill 1 of a run:
    //   C A T # #     across: 1 CAT, 3 DYE;  down: 1 COD, 2 TOE
    //   O # O # #
    //   D Y E # #
    void ShowSmallFill()
    {
        w_->OnNewSymmetricalChosen();
        QuillmereState& s = w_->State();
        Crossword& xw = s.Xw;
        xw.GridSize = 5;
        InitGrid(xw);
        for (int c = 1; c <= 5; ++c)
            for (int r = 1; r <= 5; ++r) xw.Squares(c, r).Letter = '#';
        for (auto [row, col, across, word] : {std::tuple{1, 1, true, "CAT"}, std::tuple{1, 1, false, "COD"},
                                              std::tuple{1, 3, false, "TOE"}, std::tuple{3, 1, true, "DYE"}}) {
            const int k = test::AddSlot(xw, row, col, across, word);
            xw.Slot(k).DictOrThemeRef = IndexOf(word);
            LookUpSlotWord(xw.Slot(k), s.FillSource, s.Dict, s.Imported, s.Clues);
        }
        SortSlotsByPosition(xw);
        NumberSlots(xw);
        WriteFillToGrid(xw, s.FillSource);
        for (int k = 1; k <= xw.WordSlotCount; ++k) xw.SquareOf(xw.Slot(k), 1).CellNumber = xw.Slot(k).Clue;
        xw.ShowCellNumbers = true;
        SaveFillWords(s.Fills, xw, s.FillSource, true, 0);
        s.Fills.Record(1).LastWrd = s.Fills.StoredWordCount;
        s.Fills.Record(1).WrdCount = xw.WordSlotCount;
        s.Fills.GridsMax = 1;
        s.Fills.CurrentFill = 1;
        w_->LayOutMainGrid();
        w_->ShowSlotLists();
        w_->ShowFillStatus(xw.WordSlotCount, CountLetterSquares(xw.Squares), 0);
        ShowLeftPage("TabSheetClues");
    }

private slots:
    void init()
    {
        const std::vector words = {test::Word("CAT", 10, 2, 3, 0, 1), test::Word("COT"), test::Word("CUT"),
                                   test::Word("COD"), test::Word("TOE"), test::Word("TIE"), test::Word("DYE")};
        QVERIFY(OpenWindow(uitest::WindowStart(words).Before([](MainWindow& w) { w.State().Clues = LoadClueList("\r\nFeline\r\n"); })));
    }

    void cleanup() { CloseWindow(); }

    void aClickedWordIsHighlightedAndItsClueShown()
    {
        ShowSmallFill();
        const QColor highlight = ToQColor(ColourSelectedWord);
        const QColor window = ToQColor(ColourWindow, Grid()->palette());
        QCOMPARE(Painted(1, 1), highlight);  // entering the page selects the first across word
        QCOMPARE(Painted(3, 1), highlight);
        QCOMPARE(Painted(1, 3), window);

        auto* down = Find<RowListView>("DownListBox");
        Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find<QWidget>("DownTabSheet"));
        ClickItem(down, 1);
        QCOMPARE(Find<QLabel>("DownCluePnl")->text(), QString("Clue for TOE:"));
        QCOMPARE(Painted(3, 2), highlight);
        QCOMPARE(Painted(1, 1), window);

        // A square crossed by an across and a down word selects the across word.
        ClickSquare(3, 3, Qt::LeftButton);
        QCOMPARE(Find<QTabWidget>("CluePageControl")->currentWidget()->objectName(), QString("AcrossTabSheet"));
        QCOMPARE(Find<QLabel>("AcrossCluePnl")->text(), QString("Clue for DYE:"));
        QCOMPARE(Painted(2, 3), highlight);
        ClickSquare(1, 2, Qt::LeftButton);
        QCOMPARE(Find<QLabel>("DownCluePnl")->text(), QString("Clue for COD:"));

        // Leaving the page takes the highlight away.
        ShowLeftPage("TabSheetGenerate");
        QCOMPARE(Painted(1, 2), window);
    }

    void anEditedClueIsKeptWhenAnotherWordIsSelected()
    {
        ShowSmallFill();
        auto* memo = Find<QPlainTextEdit>("AcrossClueMemo");
        QCOMPARE(memo->toPlainText(), QString("Feline"));
        memo->selectAll();
        QTest::keyClicks(memo, "Purring pet");
        QCOMPARE(memo->toPlainText(), QString("Purring pet"));
        // Clicking the grid does not take the focus from the memo; the edit is kept all the same.
        ClickSquare(1, 3, Qt::LeftButton);
        QCOMPARE(memo->toPlainText(), QString());
        QCOMPARE(w_->State().Xw.Slot(1).ClueTxt.view(), std::string_view("Purring pet"));
        ClickSquare(2, 1, Qt::LeftButton);
        QCOMPARE(memo->toPlainText(), QString("Purring pet"));
    }

    void aRightClickOffersTheWordsThatFitAndOneIsPutIn()
    {
        ShowSmallFill();
        auto* down = Find<RowListView>("DownListBox");
        w_->State().Xw.Slot(1).ClueTxt = "My own clue for CAT";

        ClickSquare(3, 2, Qt::RightButton);  // TOE: T and E are crossed, O is free
        ReplaceWordDialog* dlg = WordsDlg();
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), QString("Replace Word"));
        QCOMPARE(uitest::FindControl<QLabel>(dlg, "FooterPnlA")->text(), QString("1 alternative(s) available,"));
        QCOMPARE(uitest::FindControl<QLabel>(dlg, "FooterPnlB")->text(), QString("click to select"));
        const QStringList lines = [&] {
            QStringList l;
            for (int i = 0; i < uitest::FindControl<RowListView>(dlg, "WordsListBox")->count(); ++i) l << uitest::FindControl<RowListView>(dlg, "WordsListBox")->Line(i);
            return l;
        }();
        const int toe = w_->State().Xw.Squares(3, 2).SlotRef;
        QCOMPARE(lines, QStringList({QString("%1%2 %3").arg(-toe, 3).arg(IndexOf("TIE"), 4).arg(QString("TIE").leftJustified(20)),
                                     QString("%1%2*%3").arg(-toe, 3).arg(IndexOf("TOE"), 4).arg(QString("TOE").leftJustified(20))}));

        ClickItem(uitest::FindControl<RowListView>(dlg, "WordsListBox"), 0);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(test::GridRows(w_->State().Xw.Squares)[1].substr(0, 3), std::string("O#I"));
        QCOMPARE(down->CurrentLine().mid(16), QString("TIE"));
        QCOMPARE(Find<QLabel>("DownCluePnl")->text(), QString("Clue for TIE:"));
        QCOMPARE(w_->State().Xw.Slot(1).ClueTxt.view(), std::string_view("My own clue for CAT"));
        QCOMPARE(w_->State().Fills.Words[static_cast<std::size_t>(-toe)].DictOrThemeRef, IndexOf("TIE"));

        // DYE has both ends crossed and nothing else fits; the button asks for the selected across word.
        Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find<QWidget>("AcrossTabSheet"));
        Find<RowListView>("AcrossListBox")->setCurrentRow(1);
        Find<QPushButton>("ReplaceWordBtn")->click();
        QCOMPARE(uitest::FindControl<QLabel>(dlg, "FooterPnlA")->text(), QString("No alternatives available"));
        QCOMPARE(uitest::FindControl<QLabel>(dlg, "FooterPnlB")->text(), QString());
        QCOMPARE(uitest::FindControl<RowListView>(dlg, "WordsListBox")->count(), 1);
    }

    void aChosenLineThatNoLongerFitsChangesNothing()
    {
        ShowSmallFill();
        const int toe = -w_->State().Xw.Squares(3, 2).SlotRef;
        emit WordsDlg()->wordChosen(ReplacementChoice{toe, IndexOf("CAT"), false, "CAT"});
        QCOMPARE(w_->State().Xw.Slot(toe).WordTxt.view(), std::string_view("TOE"));
        QCOMPARE(test::GridRows(w_->State().Xw.Squares)[1].substr(0, 3), std::string("O#O"));
        QVERIFY(log_.Messages.isEmpty());
    }
};

QTEST_MAIN(CluesTest)
#include "clues_test.moc"
