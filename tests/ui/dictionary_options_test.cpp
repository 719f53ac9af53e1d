// The dictionary options and the subject categories: the table of words per length with its bars, the
// Default button, the category switches and the counts per category.
#include "core/clues/clue_store.h"
#include "core/words/import.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/colour.h"
#include "ui/count_table.h"
#include "ui/main_window.h"
#include "ui/panel_status_bar.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

using namespace qm;
using namespace qm::ui;

class DictionaryOptionsTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    CountTable* Table() { return Find<CountTable>("DictionaryStringGrid"); }
    /// Column 1 of the rows for lengths 3, 5 and 7.
    QStringList Counts() { return {Table()->Cell(1, 1), Table()->Cell(1, 3), Table()->Cell(1, 5)}; }

private slots:
    void init()
    {
        // Three 3-letter words (EMU an animal), two 5-letter words (one rarer, one a proper noun), one
        // 7-letter word.
        const auto giveCluesAndMasks = [](MainWindow& w) {
            uitest::GiveCategoryMasks(w);
            w.State().Clues = LoadClueList("\r\nLarge flightless bird\r\n");
        };
        const std::vector words = {test::Word("CAT"), test::Word("DOG"), test::Word("EMU", 10, 2, 3, 2, 1),
                                   test::Word("APPLE", 3), test::Word("PARIS", 10, 4), test::Word("GIRAFFE")};
        QVERIFY(OpenWindow(uitest::WindowStart(words).Before(giveCluesAndMasks)));
        w_->OnNewSymmetricalChosen();
        ShowLeftPage("TabSheetGenerate");
        Find<QTabWidget>("PageControlSymmGen")->setCurrentWidget(Find<QWidget>("TabSheetSymmDictionary"));
    }

    void cleanup() { CloseWindow(); }

    void theTableCountsTheSelectedWordsWithBars()
    {
        QCOMPARE(Table()->Cell(0, 0), QString("Length"));
        QCOMPARE(Table()->Cell(1, 0), QString("Words"));
        QCOMPARE(Table()->Cell(0, 1), QString("3 letters"));
        QCOMPARE(Table()->Cell(0, 18), QString("20 letters"));
        QCOMPARE(Counts(), QStringList({"3", "2", "1"}));
        const int barRoom = Table()->columnWidth(2) - 30;
        QCOMPARE(Table()->Cell(2, 1).toInt(), barRoom);
        QCOMPARE(Table()->Cell(2, 3).toInt(), qRound(barRoom * 2 / 3.0));
        QCOMPARE(Table()->Cell(2, 2), QString("0"));
        QCOMPARE(Find<PanelStatusBar>("DictionaryStatsStatusBar")->panelText(0), QString(" 6 words"));
        QCOMPARE(Find<PanelStatusBar>("SymmFillsStatusBar")->panelText(0), QString("Dictionary: 6"));

        // The bar is painted from the cell's left edge, as wide as its number.
        const QRect cell = Table()->visualRect(Table()->model()->index(1, 2));
        const QImage image = Table()->viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(cell.left() + barRoom - 2, cell.center().y()), ToQColor(ColourBar));
        QCOMPARE(image.pixelColor(cell.left() + barRoom + 5, cell.center().y()), ToQColor(ColourWindow, Table()->palette()));
    }

    void theOptionsNarrowTheSelectionAndDefaultRestoresIt()
    {
        auto* defaults = Find<QPushButton>("DefaultDictionaryBtn");
        QVERIFY(!defaults->isEnabled());

        Find<QCheckBox>("POSNounProperCheck")->click();
        QCOMPARE(Counts(), QStringList({"3", "1", "1"}));
        QVERIFY(defaults->isEnabled());
        QVERIFY(w_->State().DictSelectionDirty);

        Find<QSlider>("TrackBarRare")->setValue(5);
        QCOMPARE(Counts(), QStringList({"3", "0", "1"}));

        Find<QCheckBox>("AllOtherCheck")->click();
        QCOMPARE(Counts(), QStringList({"1", "0", "0"}));  // only EMU has a subject category
        QCOMPARE(Table()->Cell(2, 3), QString("0"));
        Find<QCheckBox>("AllOtherCheck")->click();

        defaults->click();
        QCOMPARE(Counts(), QStringList({"3", "2", "1"}));
        QVERIFY(Find<QCheckBox>("POSNounProperCheck")->isChecked());
        QCOMPARE(Find<QSlider>("TrackBarRare")->value(), 0);
        QVERIFY(!defaults->isEnabled());
    }

    void anImportedListJoinsOrReplacesTheDictionary()
    {
        // A word list as an import leaves it: indexed, with its source controls enabled and checked.
        ImportedList& list = w_->State().Imported;
        for (const char* line : {"owl", "hen", "robin"}) ParseImportLine(list, line);
        BuildThemeIndex(list);
        auto* also = Find<QCheckBox>("ImportedWordCheck");
        auto* only = Find<QRadioButton>("ImportedWordRadio");
        auto* dictionary = Find<QRadioButton>("DictionaryRadio");
        also->setEnabled(true);
        only->setEnabled(true);

        also->click();
        QCOMPARE(w_->State().FillSource, FillSourceKind::Hybrid);
        QCOMPARE(Counts(), QStringList({"5", "3", "1"}));
        QCOMPARE(Find<PanelStatusBar>("DictionaryStatsStatusBar")->panelText(0), QString(" 9 words"));

        only->click();
        QCOMPARE(w_->State().FillSource, FillSourceKind::ImportedOnly);
        QVERIFY(Table()->isHidden());
        QVERIFY(!Find<QCheckBox>("POSOtherCheck")->isEnabled());
        QVERIFY(!Find<QSlider>("TrackBarRare")->isEnabled());
        QCOMPARE(Find<PanelStatusBar>("DictionaryStatsStatusBar")->panelText(0), QString(" 3 words"));
        Find<QTabWidget>("PageControlSymmGen")->setCurrentWidget(Find<QWidget>("TabSheetSymmMain"));
        QCOMPARE(Find<QLabel>("MultipleFillsLab")->text(), QString("Create random fills from the imported word list."));

        Find<QTabWidget>("PageControlSymmGen")->setCurrentWidget(Find<QWidget>("TabSheetSymmDictionary"));
        dictionary->click();
        QCOMPARE(w_->State().FillSource, FillSourceKind::Hybrid);
        QVERIFY(!Table()->isHidden());
        QVERIFY(Find<QCheckBox>("POSOtherCheck")->isEnabled());
        Find<QTabWidget>("PageControlSymmGen")->setCurrentWidget(Find<QWidget>("TabSheetSymmMain"));
        QCOMPARE(Find<QLabel>("MultipleFillsLab")->text(),
                 QString("Create random fills from the imported word list, backed up by the internal dictionary."));
    }

    void theSubjectCategoriesSwitchAllAndCountPerCategory()
    {
        Find<QPushButton>("WordCategBtn")->click();
        QCOMPARE(Find<QStackedWidget>("PageControlRight")->currentWidget()->objectName(), QString("_TabWordSel"));
        auto* categories = Find<QListWidget>("CategoryListBox");
        QCOMPARE(categories->count(), 40);
        QCOMPARE(categories->item(0)->text(), QString("Anatomy"));
        QCOMPARE(categories->item(39)->text(), QString("Water (seas, lakes)"));
        auto* switchAll = Find<QPushButton>("SwitchAllBtn");
        QCOMPARE(switchAll->text(), QString("Switch All Subjects OFF"));

        switchAll->click();
        QCOMPARE(switchAll->text(), QString("Switch All Subjects ON"));
        for (int i = 0; i < categories->count(); ++i) QCOMPARE(categories->item(i)->checkState(), Qt::Unchecked);
        QVERIFY(Find<QPushButton>("DefaultDictionaryBtn")->isEnabled() == false);
        QCOMPARE(w_->State().Selection.CategoryMask, std::int64_t{1});
        switchAll->click();
        QCOMPARE(switchAll->text(), QString("Switch All Subjects OFF"));
        for (int i = 0; i < categories->count(); ++i) QCOMPARE(categories->item(i)->checkState(), Qt::Checked);

        categories->item(3)->setCheckState(Qt::Unchecked);
        QCOMPARE(w_->State().Selection.CategoryMask & (std::int64_t{1} << 4), std::int64_t{0});

        Find<QPushButton>("NumbersBtn")->click();
        auto* words = Find<RowListView>("WordsListBox");
        QCOMPARE(words->count(), 38);
        QCOMPARE(words->Line(0), QString("Cat   Words"));
        QCOMPARE(words->Line(1), QString("0   5"));
        QCOMPARE(words->Line(3), QString("2   1"));
        QCOMPARE(words->Line(37), QString("36   0"));

        // A category's words, by length, with the clue of the word clicked.
        categories->setCurrentRow(1);
        QCOMPARE(words->count(), 19);
        QCOMPARE(words->Line(0), QString("*Words of Length 3:"));
        QCOMPARE(words->Line(1), QString("    1EMU").leftJustified(35));
        QCOMPARE(Find<PanelStatusBar>("CategStatusBar")->panelText(0), QString("2/40. Animals: 1 words"));
        QCOMPARE(Find<PanelStatusBar>("CategStatusBar")->panelText(2), QString("Click on a word to display current clue"));
        auto* memo = Find<QPlainTextEdit>("CategoryClueMemo");
        words->setCurrentRow(1);
        QCOMPARE(memo->toPlainText(), QString("Large flightless bird"));
        words->setCurrentRow(0);
        QCOMPARE(memo->toPlainText(), QString());

        Find<QPushButton>("SubjectCloseBtn")->click();
        QCOMPARE(Find<QStackedWidget>("PageControlRight")->currentWidget()->objectName(), QString("_TabGrid"));
    }
};

QTEST_MAIN(DictionaryOptionsTest)
#include "dictionary_options_test.moc"
