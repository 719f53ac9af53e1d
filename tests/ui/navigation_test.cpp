// The workflow pages: which tabs show when, Next and Back, the fill source description, the shortcuts.
#include "core/grid/fill_writer.h"
#include "core/util/version.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

using namespace qm;
using namespace qm::ui;

class NavigationTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    QTabWidget* Left() { return Find<QTabWidget>("PageControlLeft"); }
    QString RightPage() { return Find<QStackedWidget>("PageControlRight")->currentWidget()->objectName(); }
    QStringList VisibleTabs()
    {
        QStringList tabs;
        for (int i = 0; i < Left()->count(); ++i)
            if (Left()->isTabVisible(i)) tabs << Left()->tabText(i);
        return tabs;
    }

    /// A small freeform crossword on display: CAT across, COD and TOE down.
    void ShowFreeformCrossword()
    {
        w_->OnNewFreeformChosen();
        Crossword& xw = w_->State().Xw;
        test::AddSlot(xw, 1, 1, true, "CAT");
        test::AddSlot(xw, 1, 1, false, "COD");
        test::AddSlot(xw, 1, 3, false, "TOE");
        NumberSlots(xw);
        WriteFillToGrid(xw, FillSourceKind::Freeform);
        BlockEmptySquares(xw.Squares);
        NumberLetterSquares(xw);
        w_->ShowSlotLists();
        w_->ShowFillStatus(xw.WordSlotCount, CountLetterSquares(xw.Squares), 0);
    }

private slots:
    void init() { QVERIFY(OpenWindow(uitest::WindowStart({test::Word("CAT"), test::Word("DOG")}))); }

    void cleanup() { CloseWindow(); }

    void workflowTabsShowOnceACrosswordIsStarted()
    {
        QCOMPARE(VisibleTabs(), QStringList({"Home", "File"}));
        QCOMPARE(LeftPage(), QString("TabsheetHome"));

        w_->OnNewSymmetricalChosen();
        QCOMPARE(VisibleTabs(), QStringList({"Home", "Setup", "Generate", "Clues", "File", "Output"}));
        QCOMPARE(LeftPage(), QString("TabSheetSetup"));
        QCOMPARE(Find<QStackedWidget>("PageControlSetup")->currentWidget()->objectName(), QString("TabSheetSymmetric"));
        QCOMPARE(Find<QStackedWidget>("PageControlGenerate")->currentWidget()->objectName(), QString("TabSheetGenSymmetric"));
        QCOMPARE(Find<QTabWidget>("PageControlSymmGen")->currentWidget()->objectName(), QString("TabSheetSymmMain"));
        QCOMPARE(w_->windowTitle(), QString("Quillmere [untitled]"));
        QCOMPARE(w_->State().FillSource, FillSourceKind::Dictionary);
        QVERIFY(!Find<QPushButton>("ReplaceWordBtn")->isHidden());
        QCOMPARE(Find<QLabel>("ClueLabA2")->text(), QString("To replace, right-click (or use the button below)"));

        w_->OnNewFreeformChosen();
        QCOMPARE(w_->State().FillSource, FillSourceKind::Freeform);
        QCOMPARE(Find<QStackedWidget>("PageControlSetup")->currentWidget()->objectName(), QString("TabSheetFreeForm"));
        QCOMPARE(Find<QStackedWidget>("PageControlGenerate")->currentWidget()->objectName(), QString("TabSheetGenFreeForm"));
        QCOMPARE(Find<QTabWidget>("PageControlFreeGen")->currentWidget()->objectName(), QString("TabSheetFreeMain"));
        QVERIFY(Find<QPushButton>("ReplaceWordBtn")->isHidden());
        QCOMPARE(Find<QLabel>("ClueLabD2")->text(), QString("To remove, press 'Delete' (or use the button below)"));

        w_->OnLoadFromDiskChosen();
        QCOMPARE(LeftPage(), QString("TabSheetFile"));
    }

    void nextAndBackMoveBetweenThePages()
    {
        w_->OnNewSymmetricalChosen();
        auto* next1 = Find<QPushButton>("NextBtn1");
        auto* next2 = Find<QPushButton>("NextBtn2");
        QVERIFY2(!next1->isEnabled(), "Next waits for a stock grid");
        QVERIFY2(!next2->isEnabled(), "Next waits for a fill");
        Find<QPushButton>("BackBtn1")->click();
        QCOMPARE(LeftPage(), QString("TabsheetHome"));
        Left()->setCurrentWidget(Find<QWidget>("TabSheetGenerate"));
        Find<QPushButton>("BackBtn2")->click();
        QCOMPARE(LeftPage(), QString("TabSheetSetup"));
        w_->OnSetupNextChosen();
        QCOMPARE(LeftPage(), QString("TabSheetGenerate"));

        // Once a crossword is shown, Next on the Generate page leads to its clues.
        ShowFreeformCrossword();
        QVERIFY(next2->isEnabled());
        Left()->setCurrentWidget(Find<QWidget>("TabSheetGenerate"));
        next2->click();
        QCOMPARE(LeftPage(), QString("TabSheetClues"));
        Find<QPushButton>("ClearGridBtn")->click();
        QVERIFY(!next2->isEnabled());
    }

    void theRightHandSideFollowsTheLeftPage()
    {
        w_->OnNewSymmetricalChosen();
        Left()->setCurrentWidget(Find<QWidget>("TabSheetPrint"));
        QCOMPARE(RightPage(), QString("_TabPrint"));
        Left()->setCurrentWidget(Find<QWidget>("TabSheetGenerate"));
        QCOMPARE(RightPage(), QString("_TabGrid"));

        auto* symmGen = Find<QTabWidget>("PageControlSymmGen");
        symmGen->setCurrentWidget(Find<QWidget>("TabSheetSymmDictionary"));
        Find<QPushButton>("WordCategBtn")->click();
        QCOMPARE(RightPage(), QString("_TabWordSel"));
        Find<QPushButton>("SubjectCloseBtn")->click();
        QCOMPARE(RightPage(), QString("_TabGrid"));
        Find<QPushButton>("WordCategBtn")->click();
        symmGen->setCurrentWidget(Find<QWidget>("TabSheetSymmMain"));
        QCOMPARE(RightPage(), QString("_TabGrid"));
        QCOMPARE(Find<QPushButton>("WordCategBtn")->text(), QString("Subject Categories >>"));
    }

    void theDescriptionNamesTheFillSource_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("text");
        QTest::newRow("dictionary") << 1 << "Create random fills from the internal dictionary.";
        QTest::newRow("imported only") << 2 << "Create random fills from the imported word list.";
        QTest::newRow("hybrid") << 3 << "Create random fills from the imported word list, backed up by the internal dictionary.";
        QTest::newRow("freeform") << 4 << "Create random fills from the imported word list.";
    }

    void theDescriptionNamesTheFillSource()
    {
        QFETCH(int, source);
        QFETCH(QString, text);
        w_->OnNewSymmetricalChosen();
        w_->State().FillSource = static_cast<FillSourceKind>(source);
        Left()->setCurrentWidget(Find<QWidget>("TabSheetGenerate"));
        QCOMPARE(Find<QLabel>("MultipleFillsLab")->text(), text);
    }

    void ctrlF5ReachesTheHiddenStatisticsPageFromAnyPage()
    {
        const int hidden = Left()->indexOf(Find<QWidget>("TabSheetHidden"));
        QTest::keyClick(w_.get(), Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(LeftPage(), QString("TabSheetHidden"));
        QVERIFY2(!Left()->isTabVisible(hidden), "its tab stays hidden");

        w_->OnNewSymmetricalChosen();
        QTest::keyClick(w_.get(), Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(LeftPage(), QString("TabSheetHidden"));
        QTest::keyClick(w_.get(), Qt::Key_F5);
        QCOMPARE(LeftPage(), QString("TabSheetHidden"));
        Left()->setCurrentWidget(Find<QWidget>("TabSheetSetup"));
        QTest::keyClick(w_.get(), Qt::Key_F5);
        QCOMPARE(LeftPage(), QString("TabSheetSetup"));  // F5 alone does nothing
    }

    void ctrlF12OffersTheShortcutThemesOnlyForFreeformCrosswords()
    {
        auto* themes = Find<QComboBox>("ThemeCombo");
        QCOMPARE(themes->count(), 4);
        w_->OnNewSymmetricalChosen();
        QTest::keyClick(w_.get(), Qt::Key_F12, Qt::ControlModifier);
        QCOMPARE(themes->count(), 4);

        w_->OnNewFreeformChosen();
        QTest::keyClick(w_.get(), Qt::Key_F12, Qt::ControlModifier);
        QStringList names, resources;
        for (int i = 0; i < themes->count(); ++i) {
            names << themes->itemText(i);
            resources << themes->itemData(i).toString();
        }
        QCOMPARE(names, QStringList({"Animals", "Archaeology", "Fruits & Vegetables", "Genealogy", "Movie Stars", "Rock Music", "Common Words"}));
        QCOMPARE(resources, QStringList({"ANIMALRES", "ARCHRES", "FRUITRES", "FHISTRES", "MOVIESRES", "MUSICRES", "COMMONRES"}));
    }

    void f1OpensTheHelpAtItsContents()
    {
        QVERIFY(!w_->findChild<HelpWindow*>());
        QTest::keyClick(w_.get(), Qt::Key_F1);
        auto* help = w_->findChild<HelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        // Its About page names the version the programs print with --version.
        help->Browser()->setSource(QUrl("qrc:/help/about.html"));
        QVERIFY2(help->Browser()->toPlainText().contains(QString("Version ") + ProgramVersion()),
                 qPrintable(help->Browser()->toPlainText()));
    }

    void deleteRemovesAFreeformAnswerAfterAskingOnlyOnTheCluesPage()
    {
        ShowFreeformCrossword();
        auto* across = Find<RowListView>("AcrossListBox");
        auto* down = Find<RowListView>("DownListBox");
        QCOMPARE(down->count(), 2);

        QTest::keyClick(w_.get(), Qt::Key_Delete);
        QVERIFY2(log_.Messages.isEmpty(), "nothing happens away from the Clues page");

        Left()->setCurrentWidget(Find<QWidget>("TabSheetClues"));
        Find<QTabWidget>("CluePageControl")->setCurrentWidget(Find<QWidget>("DownTabSheet"));
        down->setCurrentRow(1);
        log_.Answers = {false};
        QTest::keyClick(w_.get(), Qt::Key_Delete);
        QCOMPARE(log_.Messages, QStringList({"ask: Delete TOE?"}));
        QCOMPARE(down->count(), 2);

        log_.Answers = {true};
        QTest::keyClick(w_.get(), Qt::Key_Delete);
        QCOMPARE(down->count(), 1);
        QCOMPARE(down->currentRow(), 0);
        QCOMPARE(w_->State().Xw.WordSlotCount, 2);
        QCOMPARE(across->count(), 1);
        QCOMPARE(test::GridRows(w_->State().Xw.Squares)[1].substr(0, 3), std::string("O##"));
        QCOMPARE(Find<QLabel>("DownCluePnl")->text(), QString("Clue for COD:"));
    }

    void deleteInTheClueMemoEditsTheClue()
    {
        ShowFreeformCrossword();
        Left()->setCurrentWidget(Find<QWidget>("TabSheetClues"));
        auto* memo = Find<QPlainTextEdit>("AcrossClueMemo");
        memo->setPlainText("Feline");
        QApplication::setActiveWindow(w_.get());
        memo->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return memo->hasFocus(); }));
        QTextCursor c = memo->textCursor();
        c.setPosition(0);
        memo->setTextCursor(c);
        QTest::keyClick(memo, Qt::Key_Delete);
        QCOMPARE(memo->toPlainText(), QString("eline"));
        QVERIFY(log_.Messages.isEmpty());
        QCOMPARE(w_->State().Xw.WordSlotCount, 3);
    }

    void deleteDoesNothingInASymmetricalCrossword()
    {
        ShowFreeformCrossword();
        w_->State().FillSource = FillSourceKind::Dictionary;
        Left()->setCurrentWidget(Find<QWidget>("TabSheetClues"));
        QTest::keyClick(w_.get(), Qt::Key_Delete);
        QVERIFY(log_.Messages.isEmpty());
        QCOMPARE(w_->State().Xw.WordSlotCount, 3);
        QCOMPARE(Find<RowListView>("AcrossListBox")->count(), 1);
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
