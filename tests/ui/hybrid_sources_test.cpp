// Symmetrical fills from an imported word list: backed up by the dictionary (imported words light
// yellow in the grid, also while clues are selected) or from the imported list alone.
#include "core/words/import.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/colour.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <set>

using namespace qm;
using namespace qm::ui;

class HybridSourcesTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    uitest::GridDictionary dict_ = uitest::MakeGridDictionary();

    /// A window whose dictionary holds the given words, on a new symmetrical crossword.
    void Open(const std::vector<DictWord>& words)
    {
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(dict_, words)));
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
    }
    /// Imports a word list for the symmetrical crossword and makes its source options available, as
    /// an import does: both enabled, "Also Use Imported Words" checked.
    void Import(const std::string& text)
    {
        QuillmereState& s = w_->State();
        const ImportOutcome outcome = ImportWordListBytes(s.Imported, text, "list.txt", s.FillSource, s.Xw.GridSize);
        QVERIFY(outcome.SettingsReset);
        Find<QRadioButton>("ImportedWordRadio")->setEnabled(true);
        Find<QCheckBox>("ImportedWordCheck")->setEnabled(true);
        Find<QCheckBox>("ImportedWordCheck")->click();
    }
    void RunOnFirstSevenBySeven(int repeats)
    {
        ChooseFirstSevenBySeven();
        RunSymmetricFills(repeats);
        QCOMPARE(Find<RowListView>("SymmFillsListBox")->count(), repeats);
    }
    /// The squares of every imported word of the crossword on display.
    std::set<std::pair<int, int>> ImportedSquares()
    {
        const Crossword& xw = w_->State().Xw;
        std::set<std::pair<int, int>> squares;
        for (int k = 1; k <= xw.WordSlotCount; ++k)
            if (!xw.Slot(k).FromDict)
                for (int i = 0; i < xw.Slot(k).NumLett; ++i)
                    squares.insert(xw.Slot(k).Dir ? std::pair{xw.Slot(k).Col + i, xw.Slot(k).Row} : std::pair{xw.Slot(k).Col, xw.Slot(k).Row + i});
        return squares;
    }
    /// Checks each letter square's colour: light yellow on imported words, else the given colour where
    /// picked, else the window colour; on screen too.
    void ExpectColours(const std::set<std::pair<int, int>>& yellow, const std::set<std::pair<int, int>>& selected = {})
    {
        const Crossword& xw = w_->State().Xw;
        const QImage image = Grid()->grab().toImage();
        for (int r = 1; r <= xw.GridSize; ++r)
            for (int c = 1; c <= xw.GridSize; ++c) {
                if (xw.Squares(c, r).Letter == '#') continue;
                const Colour want = selected.count({c, r}) ? ColourSelectedWord : yellow.count({c, r}) ? ColourImportedWord : ColourWindow;
                QCOMPARE(xw.Squares(c, r).CellColour, want);
                QCOMPARE(image.pixelColor(Grid()->SquareRect(c, r).bottomRight() - QPoint(1, 1)), ToQColor(want, Grid()->palette()));
            }
    }

private slots:
    void cleanup() { CloseWindow(); }

    void importedWordsFillFirstAndShowLightYellow()
    {
        // The dictionary lacks the top left across word and its variant; the imported list has both.
        std::vector<DictWord> words;
        for (const DictWord& d : dict_.Words)
            if (d.Text != dict_.VariantOf && d.Text != dict_.Variant) words.push_back(d);
        Open(words);
        Import(dict_.VariantOf + "\tAn imported clue\r\n" + dict_.Variant + "\tAnother imported clue\r\n");
        QCOMPARE(w_->State().FillSource, FillSourceKind::Hybrid);
        RunOnFirstSevenBySeven(3);
        QCOMPARE(Find<QLabel>("MultipleFillsLab")->text(),
                 QString("Create random fills from the imported word list, backed up by the internal dictionary."));

        auto* fills = Find<RowListView>("SymmFillsListBox");
        for (int row = 0; row < fills->count(); ++row) {
            QCOMPARE(fills->Line(row).mid(35, 7), QString("      1"));  // one imported word in each fill
            ClickItem(fills, row);
            const Crossword& xw = w_->State().Xw;
            int imported = 0;
            for (int k = 1; k <= xw.WordSlotCount; ++k) {
                const WordSlot& s = xw.Slot(k);
                const bool topLeft = s.Dir && s.Row == 1 && s.Col == 1;
                QCOMPARE(s.FromDict, !topLeft);
                if (topLeft) {
                    ++imported;
                    QVERIFY(s.WordTxt.str() == dict_.VariantOf || s.WordTxt.str() == dict_.Variant);
                    QVERIFY(s.ClueTxt.str() == "An imported clue" || s.ClueTxt.str() == "Another imported clue");
                } else {
                    QCOMPARE(s.ClueTxt.str(), "Clue for " + s.WordTxt.str());
                }
            }
            QCOMPARE(imported, 1);
            ExpectColours(ImportedSquares());
        }

        // On the Clues page the selected word is marked and the imported word stays light yellow.
        const std::set<std::pair<int, int>> yellow = ImportedSquares();
        QCOMPARE(yellow.size(), std::size_t{5});
        ShowLeftPage("TabSheetClues");
        Find<QTabWidget>("CluePageControl")->setCurrentIndex(1);
        auto* down = Find<RowListView>("DownListBox");
        ClickItem(down, 0);
        const Crossword& xw = w_->State().Xw;
        const WordSlot& first = xw.Slot(down->Line(0).left(3).trimmed().toInt());
        QCOMPARE(first.Col, 1);
        QCOMPARE(first.Row, 1);
        std::set<std::pair<int, int>> picked;
        for (int i = 0; i < first.NumLett; ++i) picked.insert({1, 1 + i});
        ExpectColours(yellow, picked);
        // Leaving the page clears the selection but not the imported words' colour.
        ShowLeftPage("TabSheetGenerate");
        ExpectColours(yellow);
    }

    void theImportedListAloneFillsTheGrid()
    {
        Open(dict_.Words);
        std::string list;
        for (const DictWord& d : dict_.Words)
            if (d.Text != dict_.Variant) list += d.Text + "\tImported clue for " + d.Text + "\r\n";
        Import(list);
        Find<QTabWidget>("PageControlSymmGen")->setCurrentWidget(Find<QWidget>("TabSheetSymmDictionary"));
        Find<QRadioButton>("ImportedWordRadio")->click();
        QCOMPARE(w_->State().FillSource, FillSourceKind::ImportedOnly);
        Find<QTabWidget>("PageControlSymmGen")->setCurrentWidget(Find<QWidget>("TabSheetSymmMain"));
        RunOnFirstSevenBySeven(2);
        QCOMPARE(Find<QLabel>("MultipleFillsLab")->text(), QString("Create random fills from the imported word list."));

        auto* fills = Find<RowListView>("SymmFillsListBox");
        for (int row = 0; row < fills->count(); ++row) {
            ClickItem(fills, row);
            const Crossword& xw = w_->State().Xw;
            QCOMPARE(fills->Line(row).mid(35, 7).trimmed().toInt(), xw.WordSlotCount);
            for (int k = 1; k <= xw.WordSlotCount; ++k) {
                QVERIFY(!xw.Slot(k).FromDict);
                QCOMPARE(xw.Slot(k).ClueTxt.str(), "Imported clue for " + xw.Slot(k).WordTxt.str());
            }
            // Light yellow tells imported words from dictionary words; here there are none to tell apart.
            ExpectColours({});
        }
    }
};

QTEST_MAIN(HybridSourcesTest)
#include "hybrid_sources_test.moc"
