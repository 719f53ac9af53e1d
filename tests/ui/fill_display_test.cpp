// What a person sees of a shown fill: a freeform fill shows its clue numbers however it came on
// screen (Quick Fill, a click in the fills list, a loaded file), the "Replace Word" list opens on the
// word now in the slot, the Dictionary Options tab fits under a two-line header, the output modes'
// captions are not cut, the output font box names the output font also when it is not installed, and
// the status line counts words against the imported list on a freeform crossword only.
#include "core/grid/grid.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/main_string_grid.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace qm;
using namespace qm::ui;

class FillDisplayTest : public QObject, public uitest::WindowFixture {
    Q_OBJECT

private:
    void ClickButtonChoosing(const char* button, const std::string& path)
    {
        log_.Files.push_back(QString::fromStdString(path));
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
        QVERIFY2(log_.Files.empty(), button);
    }
    /// Every word's first square carries a number, and a red number is painted there.
    void ExpectNumbersShown(const char* when)
    {
        const Crossword& xw = w_->State().Xw;
        QVERIFY2(xw.ShowCellNumbers, when);
        QVERIFY2(xw.WordSlotCount > 1, when);
        auto* grid = Grid();
        const QImage image = grid->grab().toImage();
        for (int k = 1; k <= xw.WordSlotCount; ++k) {
            const WordSlot& s = xw.Slot(k);
            QVERIFY2(xw.Squares(s.Col, s.Row).CellNumber >= 1, when);
            const QRect square = grid->SquareRect(s.Col, s.Row);
            bool red = false;
            for (int y = square.top(); y < square.center().y() && !red; ++y)
                for (int x = square.left(); x < square.center().x() && !red; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    red = c.red() > 180 && c.green() < 110 && c.blue() < 110;
                }
            QVERIFY2(red, qPrintable(QString("%1: no number painted on %2").arg(when, QString::fromStdString(s.WordTxt.str()))));
        }
    }

private slots:
    void init() { QVERIFY(OpenWindow(uitest::WindowStart({test::Word("DOG")}).Seeded())); }

    void cleanup() { CloseWindow(); }

    void aFreeformFillShowsItsNumbersHoweverItIsShown()
    {
        std::string list;
        for (const char* word : {"stare", "tears", "rates", "aster", "crate", "trace", "react", "nectar", "canter", "trance",
                                 "stern", "rents", "nest", "sent", "tens", "star", "rats", "care", "race", "acre", "cat",
                                 "act", "tea", "eat", "ant", "tan", "net", "ten"})
            list += std::string(word) + "\tA clue\r\n";
        test::WriteFile(Folder().File("words.txt"), list);
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        ClickButtonChoosing("LoadWordListBtn", Folder().File("words.txt"));
        ChooseFreeformSize(10);
        Find<QPushButton>("NextBtn1")->click();

        QTest::mouseClick(Find<QPushButton>("FreeQuickFillBtn"), Qt::LeftButton);
        ExpectNumbersShown("Quick Fill");

        Find<QLineEdit>("FreeRepeatsEdit")->setText("4");
        QTest::mouseClick(Find<QPushButton>("FreeStartBtn"), Qt::LeftButton);
        ExpectNumbersShown("after a run");
        auto* fills = Find<RowListView>("FreeFillsListBox");
        QCOMPARE(fills->count(), 4);
        for (int row : {2, 0}) {
            ClickItem(fills, row);
            ExpectNumbersShown("a fill clicked");
        }

        ClickButtonChoosing("SaveBtn", Folder().File("fill.xwd"));
        ClickButtonChoosing("LoadFileBitBtn", Folder().File("fill.xwd"));
        ExpectNumbersShown("a loaded crossword");
    }

    void theReplaceWordListOpensOnTheWordInTheSlot()
    {
        // The top left across word has a variant for every second letter (no down word crosses it).
        const uitest::GridDictionary dict = uitest::MakeGridDictionary();
        std::vector<DictWord> words = dict.Words;
        for (char c = 'A'; c <= 'Z'; ++c) {
            std::string variant = dict.VariantOf;
            variant[1] = c;
            if (variant != dict.VariantOf && variant != dict.Variant) words.push_back(test::Word(variant, 10, 2, static_cast<std::uint32_t>(variant.size())));
        }
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(dict, words)));
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        ChooseFirstSevenBySeven();
        RunSymmetricFills(1);
        ShowLeftPage("TabSheetClues");
        auto* grid = Grid();
        const auto rightClickTopLeftWord = [&] { QTest::mouseClick(grid, Qt::RightButton, {}, grid->SquareRect(2, 1).center()); };

        // Choosing the last alternative puts it in the slot; asked again, the list shows it.
        rightClickTopLeftWord();
        auto* dlg = w_->findChild<ReplaceWordDialog*>();
        QVERIFY(dlg && dlg->isVisible());
        RowListView* list = uitest::FindControl<RowListView>(dlg, "WordsListBox");
        QCOMPARE(list->count(), 26);
        const QString last = list->Line(list->count() - 1).mid(8).trimmed();
        ClickItem(list, list->count() - 1);
        QCOMPARE(QString::fromStdString(w_->State().Xw.Slot(w_->State().Xw.Squares(1, 1).SlotRef).WordTxt.str()), last);
        // Another word's alternatives in between.
        Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find<QWidget>("DownTabSheet"));
        ClickItem(Find<RowListView>("DownListBox"), 0, Qt::RightButton);
        QVERIFY(dlg->isVisible());
        QVERIFY(list->count() < 5);
        rightClickTopLeftWord();
        QVERIFY(dlg->isVisible());
        QCOMPARE(list->Line(list->count() - 1).at(7), QChar('*'));
        QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(list->count() - 1, 0))));
    }

    void theWordsAreCountedAgainstTheImportedListOnAFreeformCrosswordOnly()
    {
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(uitest::MakeGridDictionary())));
        const QuillmereState& s = w_->State();
        auto wordsShown = [this] { return Find<PanelStatusBar>("MainStatusBar")->panelText(0); };
        // A freeform crossword of an imported list of 12 words, a fill of it shown.
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        ChooseFreeformSize(10);
        RunFreeformFillsInCore("CAT\r\nDOG\r\nBIRD\r\nFISH\r\nHORSE\r\nMOUSE\r\nTIGER\r\nLION\r\nEAGLE\r\nSNAKE\r\nRABBIT\r\nTURTLE\r\n", 2);
        const int placed = s.Xw.WordSlotCount;
        QVERIFY(placed > 1);
        w_->ShowFillStatus(placed, CountLetterSquares(s.Xw.Squares), 0);
        QCOMPARE(wordsShown(), QString("words %1/12 (%2%)").arg(placed).arg(qRound(placed * 100.0 / 12)));

        // A symmetrical crossword afterwards counts the words of its own grid: the stock grid chosen,
        // a fill of it, then a fill of a designed copy of it.
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        ChooseFirstSevenBySeven();
        const QString stockWords = QString("words %1").arg(s.Xw.WordSlotCount);
        QCOMPARE(wordsShown(), stockWords);
        Find<QPushButton>("NextBtn1")->click();
        RunSymmetricFills(1);
        QVERIFY(s.Fills.CurrentFill >= 1);
        QCOMPARE(wordsShown(), QString("words %1").arg(s.Fills.Record(s.Fills.CurrentFill).WrdCount));
        QCOMPARE(wordsShown(), stockWords);

        ShowLeftPage("TabSheetSetup");
        Find<QPushButton>("DesignBtn")->click();
        Find<QCheckBox>("DesignUncheckedCheck")->setChecked(true);
        Find<QPushButton>("NextBtn1")->click();
        RunSymmetricFills(1);
        QVERIFY(s.Fills.CurrentFill >= 1);
        QCOMPARE(wordsShown(), QString("words %1").arg(s.Xw.WordSlotCount));
        QCOMPARE(wordsShown(), stockWords);
    }

    void theDictionaryOptionsFitUnderATwoLineHeader()
    {
        // A list backed by the dictionary makes the Generate header two lines long.
        test::WriteFile(Folder().File("words.txt"), "stare\tLook hard\r\ntears\tWeeps\r\nrates\tCharges\r\n");
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        ChooseFirstSevenBySeven();
        Find<QTabWidget>("PageControlSymmetric")->setCurrentWidget(Find<QWidget>("TabSheetExternalList"));
        ClickButtonChoosing("ExternalWordListFileBtnB", Folder().File("words.txt"));
        Find<QPushButton>("NextBtn1")->click();
        Find<QTabWidget>("PageControlSymmGen")->setCurrentWidget(Find<QWidget>("TabSheetSymmDictionary"));
        auto* header = Find<QLabel>("MultipleFillsLab");
        QCOMPARE(header->text(), QString("Create random fills from the imported word list, backed up by the internal dictionary."));
        QCoreApplication::processEvents();  // the layouts follow the new text
        QVERIFY(header->height() > header->fontMetrics().lineSpacing() * 3 / 2);
        // The word count sits below the length table, inside its panel.
        const QRect table = Find<QWidget>("DictionaryStringGrid")->geometry();
        const QRect count = Find<QWidget>("DictionaryStatsStatusBar")->geometry();
        QVERIFY2(count.top() > table.bottom(), qPrintable(QString("table ends at %1, count starts at %2").arg(table.bottom()).arg(count.top())));
        QVERIFY(count.bottom() < Find<QWidget>("MultiSymmDictPnl")->height());
    }

    void theOutputModeCaptionsHaveTheirWidth()
    {
        ShowLeftPage("TabSheetPrint");
        QCoreApplication::processEvents();
        for (const char* name : {"PrintRadioReady", "PrintRadioAll", "PrintRadioGrid", "PrintRadioEmpty", "PrintRadioClues",
                                 "PrintRadioAnswers", "PrintRadioWordList"}) {
            auto* radio = Find<QWidget>(name);
            QVERIFY2(radio->width() >= radio->sizeHint().width(), name);
        }
    }

    void theFontBoxNamesTheOutputFont()
    {
        auto* fonts = Find<QComboBox>("FontNameCombo");
        const auto shown = [fonts] { return fonts->currentIndex() >= 0 ? fonts->currentText() : fonts->placeholderText(); };
        // "Arial" whether or not it is installed; the box is never blank.
        QCOMPARE(Find<QLabel>("FontLabel")->text(), QString("Arial"));
        QCOMPARE(shown(), QString("Arial"));
        QVERIFY(fonts->count() > 0);
        const int other = fonts->currentIndex() == 0 ? fonts->count() - 1 : 0;
        fonts->setCurrentIndex(other);
        QCOMPARE(shown(), fonts->itemText(other));
        QCOMPARE(Find<QLabel>("FontLabel")->text(), fonts->itemText(other));
    }
};

QTEST_MAIN(FillDisplayTest)
#include "fill_display_test.moc"
