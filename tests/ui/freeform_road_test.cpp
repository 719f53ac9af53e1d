// The road of a freeform crossword through the real window: a word list imported from a file, the
// clipboard or a theme, a size chosen, Quick Fill, a ranked run, a fill shown and improved, an answer
// deleted and the edited grid added to the list, the flip; Stop and closing during a run.
#include "core/clues/clue_store.h"
#include "core/fills/fill_list.h"
#include "core/fills/fill_store.h"
#include "core/freeform/freeform_run.h"
#include "core/util/text.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/theme_word_grid.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <map>
#include <set>
#include <tuple>

using namespace qm;
using namespace qm::ui;

namespace {

/// The word list file: words that share many letters, each with its clue after a TAB; the file's
/// lines are lower case, two have a clue cut at a colon or a phrase of two words.
struct ListLine {
    const char* Line;
    const char* Word;  ///< as imported
    const char* Clue;
};
const ListLine WordListLines[] = {
    {"stare\tLook hard", "STARE", "Look hard"},        {"tears\tWeeps", "TEARS", "Weeps"},
    {"rates\tCharges", "RATES", "Charges"},            {"aster\tA daisy", "ASTER", "A daisy"},
    {"crate\tA box", "CRATE", "A box"},                {"trace\tA sign", "TRACE", "A sign"},
    {"react\tRespond", "REACT", "Respond"},            {"caster\tA wheel", "CASTER", "A wheel"},
    {"recast\tMould again", "RECAST", "Mould again"},  {"nectar\tSweet drink", "NECTAR", "Sweet drink"},
    {"canter\tEasy gallop", "CANTER", "Easy gallop"},  {"trance\tA daze", "TRANCE", "A daze"},
    {"central\tIn the middle", "CENTRAL", "In the middle"}, {"nearest\tClosest", "NEAREST", "Closest"},
    {"stern\tBack of a ship", "STERN", "Back of a ship"},   {"rents\tTears", "RENTS", "Tears"},
    {"terns\tSea birds", "TERNS", "Sea birds"},        {"nest\tA home", "NEST", "A home"},
    {"sent\tDispatched", "SENT", "Dispatched"},        {"tens\tDecades", "TENS", "Decades"},
    {"rent\tHire", "RENT", "Hire"},                    {"star\tA sun", "STAR", "A sun"},
    {"rats\tRodents", "RATS", "Rodents"},              {"arts\tCrafts", "ARTS", "Crafts"},
    {"care\tHeed", "CARE", "Heed"},                    {"race\tA contest", "RACE", "A contest"},
    {"acre\tLand measure", "ACRE", "Land measure"},    {"scar\tA mark", "SCAR", "A mark"},
    {"east\tOrient", "EAST", "Orient"},                {"seat\tA chair", "SEAT", "A chair"},
    {"cat\tA pet", "CAT", "A pet"},                    {"act\tDo", "ACT", "Do"},
    {"tea\tA drink", "TEA", "A drink"},                {"eat\tDine", "EAT", "Dine"},
    {"ant\tAn insect", "ANT", "An insect"},            {"tan\tBrown", "TAN", "Brown"},
    {"net\tA mesh", "NET", "A mesh"},                  {"ten\tA number", "TEN", "A number"},
    {"art\tPainting", "ART", "Painting"},              {"rat\tA rodent", "RAT", "A rodent"},
    {"onion\tA vegetable: layered", "ONION", "A vegetable"}, {"ice cream\tA cold dessert", "ICE CREAM", "A cold dessert"},
};
constexpr int WordListCount = static_cast<int>(std::size(WordListLines));

/// One slot as the tests compare them.
using SlotKey = std::tuple<int, int, bool, std::string>;

}  // namespace

class FreeformRoadTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    QuillmereState& S() { return w_->State(); }
    std::string WordListFile()
    {
        std::string text;
        for (const ListLine& l : WordListLines) text += std::string(l.Line) + "\r\n";
        const std::string path = Folder().File("theme words.txt");
        test::WriteFile(path, text);
        return path;
    }
    void Import(const std::string& path, const char* button = "LoadWordListBtn")
    {
        log_.Files.push_back(QString::fromStdString(path));
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    /// New freeform crossword from the word list file, on a 10 x 10 grid, on the Generate page.
    void StartWithWordList()
    {
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        Import(WordListFile());
        ChooseFreeformSize(10);
        Find<QPushButton>("NextBtn1")->click();
    }
    void Run(int fills)
    {
        auto* edit = Find<QLineEdit>("FreeRepeatsEdit");
        edit->setText(QString::number(fills));
        QTest::mouseClick(Find<QPushButton>("FreeStartBtn"), Qt::LeftButton);
    }
    std::set<SlotKey> SlotSet()
    {
        std::set<SlotKey> found;
        for (int k = 1; k <= S().Xw.WordSlotCount; ++k) {
            const WordSlot& s = S().Xw.Slot(k);
            found.insert({s.Row, s.Col, s.Dir, s.WordTxt.str()});
        }
        return found;
    }
    /// The crossword on display is fill n of the store: its slots are the stored words, each written
    /// into the grid and clued from the word list, and every other square is blocked.
    void CheckShownFill(int n)
    {
        QCOMPARE(S().Fills.CurrentFill, n);
        const FillRecord& r = S().Fills.Record(n);
        const Crossword& xw = S().Xw;
        QCOMPARE(xw.WordSlotCount, r.WrdCount);
        std::map<std::string, std::string> clues;
        for (const ListLine& l : WordListLines) {
            std::string letters = l.Word;
            std::erase(letters, ' ');
            clues[letters] = l.Clue;
        }
        std::vector<std::string> rows = test::GridRows(xw.Squares);
        std::vector<std::string> covered(rows.size(), std::string(rows.size(), '#'));
        for (int k = 1; k <= xw.WordSlotCount; ++k) {
            const WordSlot& s = xw.Slot(k);
            const std::string word = s.WordTxt.str();
            for (std::size_t i = 0; i < word.size(); ++i) {
                const int col = s.Dir ? s.Col + static_cast<int>(i) : s.Col;
                const int row = s.Dir ? s.Row : s.Row + static_cast<int>(i);
                QCOMPARE(rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)], word[i]);
                covered[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] = word[i];
            }
            QVERIFY2(clues.count(word), word.c_str());
            QCOMPARE(s.ClueTxt.str(), clues[word]);
        }
        QCOMPARE(rows, covered);
        QCOMPARE(CountLetterSquares(xw.Squares), r.LttCount);
        QCOMPARE(ListLines("AcrossListBox").size() + ListLines("DownListBox").size(), r.WrdCount);
        QCOMPARE(Find<PanelStatusBar>("MainStatusBar")->panelText(0),
                 QString("words %1/%2 (%3%)").arg(r.WrdCount).arg(WordListCount).arg(qRound(r.WrdCount * 100.0 / WordListCount)));
    }
    /// A list line agrees with its fill record and the score of its counts.
    void CheckLine(const QString& line, char marker)
    {
        const int n = ShownFillNumber(line);
        QVERIFY(n >= 1 && n <= S().Fills.GridsMax);
        const FillRecord& r = S().Fills.Record(n);
        const FillCounts counts{r.LttCount, r.WrdCount, r.ILockCount, r.ILockArea};
        const int score = FreeformScore(r.LttCount, r.WrdCount, r.ILockCount, r.ILockArea, S().Xw.GridSize);
        QCOMPARE(line.at(14), QChar(marker));
        FillRow expected = FreeformFillRow(score, 0, n, FillOrigin::Plain, counts, score);
        expected.WideScore = marker == 'e';
        QCOMPARE(line.mid(10), QString::fromStdString(expected.Text()).mid(10).replace(4, 1, QChar(marker)));
        QCOMPARE(line.left(4).toInt(), 9999 - score);
    }

private slots:
    void init()
    {
        // A dictionary with three animals (category bit 2) for the theme import.
        const auto giveCluesAndMasks = [](MainWindow& w) {
            w.State().Clues = LoadClueList("\r\nA big bird\r\nA striped horse\r\nA woolly beast\r\n");
            uitest::GiveCategoryMasks(w);
        };
        const std::vector words = {test::Word("EMU", 10, 2, 3, 2, 1), test::Word("ZEBRA", 10, 2, 5, 2, 2),
                                   test::Word("LLAMA", 10, 2, 5, 2, 3), test::Word("DOG")};
        QVERIFY(OpenWindow(uitest::WindowStart(words).Seeded().Before(giveCluesAndMasks)));
    }

    void cleanup() { CloseWindow(); }

    void anImportedFileIsListedWithItsCluesAndCounts()
    {
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        QVERIFY(!Find<QPushButton>("NextBtn1")->isEnabled());
        QVERIFY(!Find<QPushButton>("FreeQuickFillBtn")->isEnabled());
        Import(WordListFile());
        QVERIFY(log_.Messages.isEmpty());

        auto* grid = Find<ThemeWordGrid>("FreeformThemeDrawGrid");
        QCOMPARE(grid->RowCount(), WordListCount);
        for (int i = 0; i < WordListCount; ++i) {
            QCOMPARE(grid->Cell(0, i), QString(WordListLines[i].Word));
            QCOMPARE(grid->Cell(1, i), QString(WordListLines[i].Clue));
        }
        QCOMPARE(Find<ThemeWordGrid>("SymmetricThemeDrawGrid")->RowCount(), WordListCount);
        auto* status = Find<PanelStatusBar>("ThemeListStatusBar");
        QCOMPARE(status->panelText(0), QString(" %1 words").arg(WordListCount));
        QCOMPARE(status->panelText(1), QString(" word lengths: 3 to 8"));
        QCOMPARE(Find<PanelStatusBar>("FreeFillsStatusBar")->panelText(0), QString(" %1 words").arg(WordListCount));
        QCOMPARE(ListLines("SeedListBox").size(), WordListCount);
        QCOMPARE(ListLines("SeedListBox").value(41), QString("ICE CREAM"));
        QVERIFY(Find<QRadioButton>("RandomWordsRadio")->isChecked());
        QVERIFY(!Find<QListWidget>("SeedListBox")->isEnabled());
        QVERIFY(!Find<QRadioButton>("GridRadio")->isEnabled());
        for (const char* enabled : {"NextBtn1", "FreeQuickFillBtn", "FreeStartBtn"}) QVERIFY2(Find<QPushButton>(enabled)->isEnabled(), enabled);

        // The length settings follow their spin edits; a variation that is no number counts 200.
        Find<QSpinBox>("OptLengthSpinEdit")->setValue(8);
        QCOMPARE(S().Imported.OptimalWordLength, 8);
        auto* deviation = Find<QSpinBox>("DeviationSpinEdit");
        deviation->setValue(350);
        QCOMPARE(S().Imported.LengthVariation, 350);
        deviation->selectAll();
        QTest::keyClick(deviation, Qt::Key_Backspace);
        QCOMPARE(deviation->text(), QString());
        QCOMPARE(S().Imported.LengthVariation, 200);

        // A selected seed word longer than the grid stops the fills until a word that fits is chosen.
        ChooseFreeformSize(8);
        Find<QRadioButton>("SeedWordRadio")->click();
        auto* seeds = Find<QListWidget>("SeedListBox");
        QVERIFY(seeds->isEnabled());
        QCOMPARE(seeds->currentRow(), 0);
        ClickItem(seeds, 41);  // ICE CREAM: nine characters
        QVERIFY(!Find<QPushButton>("FreeQuickFillBtn")->isEnabled());
        QVERIFY(!Find<QPushButton>("FreeStartBtn")->isEnabled());
        ClickItem(seeds, 12);  // CENTRAL
        QVERIFY(Find<QPushButton>("FreeQuickFillBtn")->isEnabled());
        QVERIFY(Find<QPushButton>("FreeStartBtn")->isEnabled());
    }

    void aListForASymmetricalCrosswordJoinsTheDictionary()
    {
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        Find<QTabWidget>("PageControlSymmetric")->setCurrentWidget(Find<QWidget>("TabSheetExternalList"));
        auto* also = Find<QCheckBox>("ImportedWordCheck");
        QVERIFY(!also->isEnabled());
        QVERIFY(!Find<QRadioButton>("ImportedWordRadio")->isEnabled());
        Import(WordListFile(), "ExternalWordListFileBtnB");

        auto* grid = Find<ThemeWordGrid>("SymmetricThemeDrawGrid");
        QCOMPARE(grid->RowCount(), WordListCount);
        QCOMPARE(grid->Cell(1, 40), QString("A vegetable"));
        QCOMPARE(Find<PanelStatusBar>("WordListStatusBar")->panelText(0), QString(" %1 words").arg(WordListCount));
        QCOMPARE(Find<PanelStatusBar>("WordListStatusBar")->panelText(1), QString(" word lengths: 3 to 8"));
        // The freeform settings start again from the grid's size: 60% of 15 and the variation 400.
        QCOMPARE(Find<QSpinBox>("OptLengthSpinEdit")->value(), 9);
        QCOMPARE(Find<QSpinBox>("DeviationSpinEdit")->value(), 400);
        QCOMPARE(S().Imported.OptimalWordLength, 9);
        QCOMPARE(S().Imported.LengthVariation, 400);
        QVERIFY(also->isEnabled() && also->isChecked());
        QVERIFY(Find<QRadioButton>("ImportedWordRadio")->isEnabled());
        QCOMPARE(S().FillSource, FillSourceKind::Hybrid);
        QVERIFY2(!Find<QPushButton>("NextBtn1")->isEnabled(), "a symmetrical crossword still wants its stock grid");
    }

    void theSeedListIsGreyedUntilASelectedWordIsAsked()
    {
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        Import(WordListFile());
        ShowLeftPage("TabSheetGenerate");
        Find<QTabWidget>("PageControlFreeGen")->setCurrentWidget(Find<QWidget>("TabSheetFreeOptions"));
        auto* seeds = Find<QListWidget>("SeedListBox");
        seeds->setCurrentRow(0);
        const auto rowBackground = [&] {
            const QRect r = seeds->visualItemRect(seeds->item(0));
            return seeds->viewport()->grab().toImage().pixelColor(r.right() - 2, r.center().y());
        };
        QCOMPARE(rowBackground(), seeds->palette().color(QPalette::Base));
        Find<QRadioButton>("SeedWordRadio")->click();
        QCOMPARE(rowBackground(), QColor(0x50, 0x87, 0xB0));  // $B08750
        Find<QRadioButton>("RandomWordsRadio")->click();
        QCOMPARE(rowBackground(), seeds->palette().color(QPalette::Base));
    }

    void aFileThatIsNoWordListIsRefusedAndTheListStays()
    {
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        Import(WordListFile());
        const std::string binary = Folder().File("picture.bin");
        test::WriteFile(binary, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        struct Bad {
            std::string Path;
            const char* Says;
        };
        for (const Bad& bad : {Bad{binary, "picture.bin"}, Bad{Folder().File("missing.txt"), "missing.txt"}}) {
            log_.Messages.clear();
            Import(bad.Path);
            QCOMPARE(log_.Messages.size(), 1);
            QVERIFY2(log_.Messages[0].startsWith("error: ") && log_.Messages[0].contains(bad.Says), qPrintable(log_.Messages[0]));
            QCOMPARE(S().Imported.ThemeWordCount, WordListCount);
            QCOMPARE(Find<ThemeWordGrid>("FreeformThemeDrawGrid")->Cell(0, 0), QString("STARE"));
            QCOMPARE(Find<PanelStatusBar>("ThemeListStatusBar")->panelText(0), QString(" %1 words").arg(WordListCount));
        }
        // Cancelling the dialog imports nothing.
        log_.Messages.clear();
        QTest::mouseClick(Find<QPushButton>("LoadWordListBtn"), Qt::LeftButton);
        QCOMPARE(S().Imported.ThemeWordCount, WordListCount);
        QVERIFY(log_.Messages.isEmpty());
    }

    void theClipboardAndTheThemesFillTheListToo()
    {
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        auto* grid = Find<ThemeWordGrid>("FreeformThemeDrawGrid");
        QApplication::clipboard()->setText("owl\tA bird\r\nhen\r\nrobin\tRed breast");
        QTest::mouseClick(Find<QPushButton>("ClipboardBtn"), Qt::LeftButton);
        QCOMPARE(grid->RowCount(), 3);
        QCOMPARE((QStringList{grid->Cell(0, 0), grid->Cell(0, 1), grid->Cell(0, 2)}), QStringList({"OWL", "HEN", "ROBIN"}));
        QCOMPARE((QStringList{grid->Cell(1, 0), grid->Cell(1, 1), grid->Cell(1, 2)}), QStringList({"A bird", "", "Red breast"}));
        QCOMPARE(Find<PanelStatusBar>("ThemeListStatusBar")->panelText(1), QString(" word lengths: 3 to 5"));

        QApplication::clipboard()->clear();
        QTest::mouseClick(Find<QPushButton>("ClipboardBtn"), Qt::LeftButton);
        QCOMPARE(log_.Messages, QStringList({"info: No data found on Windows clipboard."}));
        QCOMPARE(grid->RowCount(), 3);

        auto* themes = Find<QComboBox>("ThemeCombo");
        QCOMPARE(themes->itemText(0), QString("Animals"));
        themes->setCurrentIndex(0);
        emit themes->activated(0);
        QCOMPARE(grid->RowCount(), 3);
        QCOMPARE((QStringList{grid->Cell(0, 0), grid->Cell(0, 1), grid->Cell(0, 2)}), QStringList({"EMU", "LLAMA", "ZEBRA"}));
        QCOMPARE((QStringList{grid->Cell(1, 0), grid->Cell(1, 1), grid->Cell(1, 2)}),
                 QStringList({"A big bird", "A woolly beast", "A striped horse"}));

        // The shortcut's themes that the program does not carry leave the list as it is.
        QTest::keyClick(w_.get(), Qt::Key_F12, Qt::ControlModifier);
        QCOMPARE(themes->count(), 7);
        themes->setCurrentIndex(3);
        emit themes->activated(3);
        QCOMPARE(log_.Messages.last(), QString("info: The theme \"Genealogy\" is not available; the word list is unchanged."));
        QCOMPARE(grid->Cell(0, 0), QString("EMU"));
        Find<QPushButton>("ClipboardBtn")->click();  // nothing on the clipboard: the list stays
        QApplication::clipboard()->setText("owl\r\nhen");
        Find<QPushButton>("ClipboardBtn")->click();
        QCOMPARE(grid->RowCount(), 2);
        themes->setCurrentIndex(0);  // the shortcut's "Animals" is the program's own theme
        emit themes->activated(0);
        QCOMPARE(grid->RowCount(), 3);
        QCOMPARE(grid->Cell(0, 2), QString("ZEBRA"));
        Find<QPushButton>("ClearWordListBtn")->click();
        QCOMPARE(grid->RowCount(), 0);
        QCOMPARE(S().Imported.ThemeWordCount, 0);
        QVERIFY(!Find<QPushButton>("FreeStartBtn")->isEnabled());
    }

    void quickFillShowsOneFillFromTheStore()
    {
        StartWithWordList();
        QCOMPARE(LeftPage(), QString("TabSheetGenerate"));
        QCOMPARE(Find<QLabel>("HeaderPnl")->text(), QString("Dimensions: 10 x 10"));
        // The printed grid follows the size: 7 mm a square.
        QCOMPARE(Find<QSlider>("GridSizeTrackBar")->value(), 70);
        QCOMPARE(S().Output.GridMM, 70);
        QTest::mouseClick(Find<QPushButton>("FreeQuickFillBtn"), Qt::LeftButton);
        const QStringList lines = ListLines("FreeFillsListBox");
        QCOMPARE(lines.size(), 1);
        CheckLine(lines[0], ' ');
        QCOMPARE(ShownFillNumber(lines[0]), 1);
        QCOMPARE(Find<RowListView>("FreeFillsListBox")->currentRow(), 0);
        CheckShownFill(1);
        QVERIFY(S().Xw.WordSlotCount > 1);
        QCOMPARE(Find<QProgressBar>("ProgressBarFreeQuick")->value(), 30);
        QCOMPARE(Find<ColumnHeader>("FreeFillsHeaderPnl")->text(), QString("Fill Letters Words Interlocks Score"));
        for (const char* enabled : {"FreeImproveBtn", "MirrorBtn", "NextBtn2"}) QVERIFY2(Find<QPushButton>(enabled)->isEnabled(), enabled);
        QVERIFY(!Find<QPushButton>("AddToListOfGridsBtn")->isEnabled());
    }

    void aRunListsItsFillsBestFirstAndAClickShowsOne()
    {
        StartWithWordList();
        struct During {
            int listed = -1;
            bool startEnabled = true, stopEnabled = false, quickEnabled = true, openEnabled = true;
            QString count, reuse;
        } during;
        QTimer::singleShot(0, this, [&] {
            during.listed = Find<RowListView>("FreeFillsListBox")->count();
            during.startEnabled = Find<QPushButton>("FreeStartBtn")->isEnabled();
            during.stopEnabled = Find<QPushButton>("FreeStopBtn")->isEnabled();
            during.quickEnabled = Find<QPushButton>("FreeQuickFillBtn")->isEnabled();
            during.openEnabled = Find<QPushButton>("LoadWordListBtn")->isEnabled();
            during.count = Find<PanelStatusBar>("FreeFillsStatusBar")->panelText(1);
            during.reuse = Find<PanelStatusBar>("FreeFillsStatusBar")->panelText(3);
        });
        Run(5);
        QCOMPARE(during.listed, 1);
        QCOMPARE(during.count, QString("1/5"));
        QCOMPARE(during.reuse, QString("0.0000"));  // the first fills are fresh
        QVERIFY(!during.startEnabled && !during.quickEnabled && !during.openEnabled);
        QVERIFY(during.stopEnabled);
        QVERIFY(Find<QPushButton>("FreeStartBtn")->isEnabled());
        QVERIFY(!Find<QPushButton>("FreeStopBtn")->isEnabled());
        QVERIFY(Find<QPushButton>("LoadWordListBtn")->isEnabled());

        const QStringList lines = ListLines("FreeFillsListBox");
        QCOMPARE(lines.size(), 5);
        QStringList sorted = lines;
        sorted.sort();
        QCOMPARE(lines, sorted);
        std::set<int> fills;
        int sum = 0;
        for (const QString& line : lines) {
            CheckLine(line, line.at(14).toLatin1());
            QVERIFY(QString(" ir").contains(line.at(14)));
            fills.insert(ShownFillNumber(line));
            sum += ShownScore(line);
        }
        QCOMPARE(fills, (std::set<int>{1, 2, 3, 4, 5}));
        auto* status = Find<PanelStatusBar>("FreeFillsStatusBar");
        QCOMPARE(status->panelText(1), QString());
        QCOMPARE(status->panelText(2), QString("Av.=%1").arg(sum / 5));
        QVERIFY2(QRegularExpression("^\\d+\\.\\d\\d secs\\.$").match(status->panelText(3)).hasMatch(), qPrintable(status->panelText(3)));
        CheckShownFill(ShownFillNumber(lines[0]));

        ClickItem(Find<RowListView>("FreeFillsListBox"), 3);
        CheckShownFill(ShownFillNumber(lines[3]));
        QCOMPARE(Find<QLabel>("FreeFillStatusPnl")->text(), QString("Click on any row to select another fill"));
    }

    void improveListsABetterOrEqualFillOrSaysThereIsNone()
    {
        StartWithWordList();
        Run(5);
        auto* fills = Find<RowListView>("FreeFillsListBox");
        ClickItem(fills, 2);
        const QString chosen = fills->CurrentLine();
        const int S0 = ShownScore(chosen);
        QTest::mouseClick(Find<QPushButton>("FreeImproveBtn"), Qt::LeftButton);
        const QString said = Find<QLabel>("FreeFillStatusPnl")->text();
        const QRegularExpressionMatch better = QRegularExpression("^Score improved from (\\d+) to (\\d+)$").match(said);
        const QRegularExpressionMatch same = QRegularExpression("^Same score \\((\\d+)\\)$").match(said);
        if (said == "No improvement found") {
            QCOMPARE(fills->count(), 5);
            QCOMPARE(fills->CurrentLine(), chosen);
            CheckShownFill(ShownFillNumber(chosen));
        } else {
            QVERIFY2(better.hasMatch() || same.hasMatch(), qPrintable(said));
            const int R = better.hasMatch() ? better.captured(2).toInt() : same.captured(1).toInt();
            if (better.hasMatch()) {
                QCOMPARE(better.captured(1).toInt(), S0);
                QVERIFY(R > S0);
            } else {
                QCOMPARE(R, S0);
            }
            QCOMPARE(fills->count(), 6);
            QCOMPARE(S().Fills.GridsMax, 6);
            const QString added = fills->CurrentLine();
            QCOMPARE(ShownFillNumber(added), 6);
            QCOMPARE(ShownScore(added), R);
            CheckLine(added, 'x');
            CheckShownFill(6);
        }
        QVERIFY(Find<QPushButton>("FreeStartBtn")->isEnabled());
        QVERIFY(!Find<QPushButton>("FreeStopBtn")->isEnabled());

        // A right click on a line improves that fill.
        const int before = S().Fills.GridsMax;
        Find<QLabel>("FreeFillStatusPnl")->clear();
        ClickItem(fills, 0, Qt::RightButton);
        QVERIFY(!Find<QLabel>("FreeFillStatusPnl")->text().isEmpty());
        QVERIFY(Find<QLabel>("FreeFillStatusPnl")->text() != "Searching for higher score...");
        QCOMPARE(fills->count(), S().Fills.GridsMax);
        QVERIFY(S().Fills.GridsMax == before || S().Fills.GridsMax == before + 1);
    }

    void stopEndsARunOrAnImproveAfterItsCurrentAttempt()
    {
        StartWithWordList();
        QTimer::singleShot(0, this, [&] { Find<QPushButton>("FreeStopBtn")->click(); });
        Run(3000);
        QCOMPARE(ListLines("FreeFillsListBox").size(), 1);
        QCOMPARE(S().Fills.GridsMax, 1);
        CheckShownFill(1);
        QVERIFY(Find<QPushButton>("FreeStartBtn")->isEnabled());
        QVERIFY(Find<QPushButton>("FreeImproveBtn")->isEnabled());
        QVERIFY(!Find<QPushButton>("FreeStopBtn")->isEnabled());
        QCOMPARE(Find<QLineEdit>("FreeRepeatsEdit")->text(), QString("3000"));

        bool listEnabled = true;
        QTimer::singleShot(0, this, [&] {
            listEnabled = Find<RowListView>("FreeFillsListBox")->isEnabled();
            Find<QPushButton>("FreeStopBtn")->click();
        });
        QTest::mouseClick(Find<QPushButton>("FreeImproveBtn"), Qt::LeftButton);
        QVERIFY2(!listEnabled, "no other fill is shown while Improve works on this one");
        QVERIFY(Find<RowListView>("FreeFillsListBox")->isEnabled());
        QVERIFY(Find<QPushButton>("FreeStartBtn")->isEnabled());
        QVERIFY(!Find<QPushButton>("FreeStopBtn")->isEnabled());
        QVERIFY(!S().RunInProgress());
        QVERIFY(Find<QLabel>("FreeFillStatusPnl")->text() != "Searching for higher score...");
    }

    void theNumberOfFillsIsReadAsTheRunTakesIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("taken");
        QTest::newRow("no number") << "abc" << "1";
        QTest::newRow("zero") << "0" << "1";
        QTest::newRow("empty") << "" << "1";
        QTest::newRow("two") << "2" << "2";
    }

    void theNumberOfFillsIsReadAsTheRunTakesIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, taken);
        StartWithWordList();
        auto* edit = Find<QLineEdit>("FreeRepeatsEdit");
        edit->setText(typed);
        QTest::keyClick(edit, Qt::Key_Return);  // Enter in the box starts the run
        QCOMPARE(edit->text(), taken);
        QCOMPARE(ListLines("FreeFillsListBox").size(), taken.toInt());
    }

    void aFullListOfGridsTakesNoMoreFills()
    {
        StartWithWordList();
        QTest::mouseClick(Find<QPushButton>("FreeQuickFillBtn"), Qt::LeftButton);
        S().Fills.GridsMax = MaxFillRecords;
        QTest::mouseClick(Find<QPushButton>("FreeImproveBtn"), Qt::LeftButton);
        QCOMPARE(log_.Messages, QStringList({"info: No more attempts available"}));
        QVERIFY(!Find<QPushButton>("FreeImproveBtn")->isEnabled());
        QCOMPARE(ListLines("FreeFillsListBox").size(), 1);

        Find<QPushButton>("NextBtn2")->click();
        QTest::keyClick(Find<RowListView>("AcrossListBox"), Qt::Key_Delete);
        const int stored = S().Fills.StoredWordCount;
        Find<QPushButton>("AddToListOfGridsBtn")->click();
        QCOMPARE(log_.Messages.last(), QString("info: No more grids available"));
        QVERIFY(!Find<QPushButton>("AddToListOfGridsBtn")->isEnabled());
        QCOMPARE(S().Fills.StoredWordCount, stored);
        QCOMPARE(ListLines("FreeFillsListBox").size(), 1);
        QCOMPARE(LeftPage(), QString("TabSheetGenerate"));
    }

    void closingDuringARunStopsItFirst()
    {
        StartWithWordList();
        QTimer::singleShot(0, this, [&] { w_->close(); });
        Run(3000);
        QCOMPARE(ListLines("FreeFillsListBox").size(), 1);
        QVERIFY(!w_->isVisible());
    }

    void closingDuringImproveStopsItFirst()
    {
        StartWithWordList();
        QTest::mouseClick(Find<QPushButton>("FreeQuickFillBtn"), Qt::LeftButton);
        bool hiddenAtOnce = true;
        QTimer::singleShot(0, this, [&] {
            w_->close();
            hiddenAtOnce = !w_->isVisible();
        });
        QTest::mouseClick(Find<QPushButton>("FreeImproveBtn"), Qt::LeftButton);
        QVERIFY2(!hiddenAtOnce, "the window waits for Improve to stop");
        QVERIFY(!w_->isVisible());
        QVERIFY(!S().RunInProgress());
    }

    void aDeletedAnswerAndAnEditedClueGoIntoTheAddedGrid()
    {
        StartWithWordList();
        QTest::mouseClick(Find<QPushButton>("FreeQuickFillBtn"), Qt::LeftButton);
        Find<QPushButton>("NextBtn2")->click();
        QCOMPARE(LeftPage(), QString("TabSheetClues"));
        QVERIFY(!Find<QPushButton>("AddToListOfGridsBtn")->isHidden());
        QVERIFY(Find<QPushButton>("ReplaceWordBtn")->isHidden());
        auto* across = Find<RowListView>("AcrossListBox");
        QVERIFY(across->count() >= 2);
        const int words = S().Xw.WordSlotCount;

        // The clue of the first across answer, edited.
        ClickItem(across, 0);
        auto* memo = Find<QPlainTextEdit>("AcrossClueMemo");
        memo->selectAll();
        QTest::keyClicks(memo, "My own clue");
        ClickItem(across, 1);
        const QString keptLine = across->Line(0);
        const QString doomed = across->Line(1).mid(16);

        log_.Answers = {false};
        QTest::keyClick(across, Qt::Key_Delete);
        QCOMPARE(log_.Messages, QStringList({"ask: Delete " + doomed + "?"}));
        QCOMPARE(S().Xw.WordSlotCount, words);
        QVERIFY(!Find<QPushButton>("AddToListOfGridsBtn")->isEnabled());

        log_.Answers = {true};
        QTest::keyClick(across, Qt::Key_Delete);
        QCOMPARE(S().Xw.WordSlotCount, words - 1);
        for (const QString& line : across->Lines()) QVERIFY(line.mid(16) != doomed);
        const std::set<SlotKey> edited = SlotSet();
        auto* add = Find<QPushButton>("AddToListOfGridsBtn");
        QVERIFY(add->isEnabled());

        add->click();
        QCOMPARE(LeftPage(), QString("TabSheetGenerate"));
        const QStringList lines = ListLines("FreeFillsListBox");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(S().Fills.GridsMax, 2);
        QCOMPARE(ShownFillNumber(Find<RowListView>("FreeFillsListBox")->CurrentLine()), 2);
        for (const QString& line : lines)
            if (ShownFillNumber(line) == 2) {
                CheckLine(line, 'e');
                QCOMPARE(line.size(), 44);  // the score six characters wide
            }
        QCOMPARE(S().Fills.CurrentFill, 2);
        QCOMPARE(SlotSet(), edited);
        QCOMPARE(S().Fills.Record(2).WrdCount, words - 1);

        // Fill 1 is as it was made; fill 2 comes back with the answer gone and the edited clue.
        auto* fills = Find<RowListView>("FreeFillsListBox");
        ClickItem(fills, FindFillRow(S().Freeform.FreeFillsList, 1));
        QCOMPARE(S().Xw.WordSlotCount, words);
        ClickItem(fills, FindFillRow(S().Freeform.FreeFillsList, 2));
        QCOMPARE(SlotSet(), edited);
        ShowLeftPage("TabSheetClues");
        const int kept = FindSlotLineOf(keptLine);
        QVERIFY(kept >= 0);
        ClickItem(across, kept);
        QCOMPARE(Find<QPlainTextEdit>("AcrossClueMemo")->toPlainText(), QString("My own clue"));
    }

    void flippingExchangesAcrossAndDownAndBackAgain()
    {
        StartWithWordList();
        QTest::mouseClick(Find<QPushButton>("FreeQuickFillBtn"), Qt::LeftButton);
        const std::set<SlotKey> before = SlotSet();
        const std::vector<std::string> rows = test::GridRows(S().Xw.Squares);
        const int acrossLines = Find<RowListView>("AcrossListBox")->count();
        auto* flip = Find<QPushButton>("MirrorBtn");
        QVERIFY(flip->isEnabled());

        flip->click();
        std::set<SlotKey> flipped;
        for (const auto& [row, col, acrossWord, word] : before) flipped.insert({col, row, !acrossWord, word});
        QCOMPARE(SlotSet(), flipped);
        const std::vector<std::string> now = test::GridRows(S().Xw.Squares);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows.size(); ++c) QCOMPARE(now[c][r], rows[r][c]);
        QCOMPARE(Find<RowListView>("DownListBox")->count(), acrossLines);

        flip->click();
        QCOMPARE(SlotSet(), before);
        QCOMPARE(test::GridRows(S().Xw.Squares), rows);
    }

private:
    /// The row of the Across list whose answer and position are those of a line seen before.
    int FindSlotLineOf(const QString& line)
    {
        const QStringList lines = ListLines("AcrossListBox");
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].mid(3, 6) == line.mid(3, 6) && lines[i].mid(16) == line.mid(16)) return i;
        return -1;
    }
};

QTEST_MAIN(FreeformRoadTest)
#include "freeform_road_test.moc"
