// The hidden Statistics page and the diagnostics window: Ctrl+F5, the dumps written into the memos, the
// diagnostic views of the grid, the knock-out of weakly crossed words and the fill engine's step log
// and pick boxes.
#include "core/freeform/freeform_run.h"
#include "core/freeform/scoring.h"
#include "core/symmetric/fill_engine.h"
#include "core/words/import.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/diagnostics_window.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/panel_status_bar.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

#include <set>

using namespace qm;
using namespace qm::ui;

class DiagnosticsTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    uitest::GridDictionary dict_ = uitest::MakeGridDictionary();
    QString oldCurrent_;

    DiagnosticsWindow* Form4() { return w_->findChild<DiagnosticsWindow*>(); }
    QStringList MemoLines(const char* name) { return Find<QPlainTextEdit>(name)->toPlainText().split('\n'); }
    static QStringList ToLines(const std::vector<std::string>& lines)
    {
        QStringList out;
        for (const std::string& l : lines) out << QString::fromStdString(l);
        return out;
    }
    /// New symmetrical crossword on the first 7 x 7 stock grid.
    void StartOnFirstSevenBySeven()
    {
        QTest::mouseClick(Find<QPushButton>("SymmetricBitBtn"), Qt::LeftButton);
        ChooseFirstSevenBySeven();
    }
    /// A freeform crossword of 10 x 10 with the first of a few fills on display.
    void ShowFreeformFill(const std::string& words)
    {
        QTest::mouseClick(Find<QPushButton>("FreeformBitBtn"), Qt::LeftButton);
        ChooseFreeformSize(10);
        RunFreeformFillsInCore(words, 3);
        QVERIFY(w_->State().Xw.WordSlotCount > 3);
        w_->ShowSlotLists();
        w_->RepaintGrid();
    }

private slots:
    void init()
    {
        oldCurrent_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(Folder().Path().string()));
        QVERIFY(OpenWindow(uitest::GridDictionaryStart(dict_)));
    }

    void cleanup()
    {
        w_.reset();  // before the working folder changes back: the window may still write its log there
        QDir::setCurrent(oldCurrent_);
        CloseWindow();
    }

    void ctrlF5ShowsTheStatisticsPageInEveryMode()
    {
        auto* pages = Find<QTabWidget>("PageControlLeft");
        auto* hidden = Find<QWidget>("TabSheetHidden");
        const std::function<void()> modes[] = {[] {}, [this] { w_->OnNewSymmetricalChosen(); }, [this] { w_->OnNewFreeformChosen(); }};
        for (const auto& mode : modes) {
            mode();
            pages->setCurrentIndex(0);
            QTest::keyClick(pages->currentWidget(), Qt::Key_F5, Qt::ControlModifier);
            QCOMPARE(pages->currentWidget(), hidden);
            QVERIFY2(!pages->isTabVisible(pages->indexOf(hidden)), "the page is reached by the key only");
        }
    }

    void theTightInterlockListIsShownOnThePage()
    {
        // MESA and BEST end in S A and S T, AERO and TEAM begin A E and T E: E:S:AT.
        ImportedList& list = w_->State().Imported;
        ImportWordListBytes(list, "MESA\r\nBEST\r\nAERO\r\nTEAM\r\nOX\r\n", "words.txt", FillSourceKind::Freeform, 15);
        ImportedList copy = list;
        const QStringList expected = ToLines(BuildTightInterlocks(copy, true));
        Find<QPushButton>("Button8")->click();
        QCOMPARE(MemoLines("Memo1"), expected);
        QCOMPARE(MemoLines("Memo1").mid(0, 5), QStringList({"ME", "BE", "AE", "TE", "---------------"}));
        QVERIFY(MemoLines("Memo1").contains("E:S:AT"));
        QCOMPARE(Find<QTabWidget>("PageControlLeft")->currentWidget()->objectName(), QString("TabSheetHidden"));
        QCOMPARE(list.TightInterlocksList, copy.TightInterlocksList);
    }

    void theSymmetricalDumpsGoToTheDiagnosticsWindow()
    {
        auto* fillSeq = Find<QPushButton>("FillSeqBtn");
        QVERIFY(!fillSeq->isEnabled());
        StartOnFirstSevenBySeven();
        QVERIFY(fillSeq->isEnabled());

        Find<QPushButton>("MainWordArrayBtn")->click();
        QVERIFY(Form4()->isVisible());
        const QStringList array = Form4()->Lines();
        QCOMPARE(array, ToLines(MainWordArrayLines(w_->State().Xw)));
        QCOMPARE(array.value(0), QString("WRef,Seq,Clue,Dir,(Col,Row),'RCTxt',NumLett,DepNum,SepSrcIsland,Pattern,WordTxt,StartRef,MaxRef,NumTries"));
        QCOMPARE(array.size(), w_->State().Xw.WordSlotCount + 2);

        Find<QPushButton>("WordArrBtn")->click();
        QVERIFY(!Form4()->isVisible());
        Find<QPushButton>("WordArrBtn")->click();
        QVERIFY(Form4()->isVisible());

        RunSymmetricFills(2);
        Find<QPushButton>("ListOfGridsBtn")->click();
        const QStringList grids = Form4()->Lines();
        QCOMPARE(grids, ToLines(ListOfGridsListing(w_->State().Fills, 2)));
        QCOMPARE(grids.value(0), QString("GridsMax= 2"));
        QCOMPARE(grids.size(), 5);
        QCOMPARE(grids.value(2).left(13), QString("  1        37"));
        QCOMPARE(grids.last(), QString("SymmFillsListBox.Count=2"));

        // The filling order view, until the next run paints the grid normally again.
        fillSeq->click();
        QCOMPARE(Grid()->Painter(), GridPainter::FillSequenceFwrd);
        RunSymmetricFills(1);
        QCOMPARE(Grid()->Painter(), GridPainter::Normal);
    }

    void theFillSequenceIsOfferedForAStockGridOnly()
    {
        auto* fillSeq = Find<QPushButton>("FillSeqBtn");
        StartOnFirstSevenBySeven();
        QVERIFY(fillSeq->isEnabled());

        // A designed copy of the stock grid, ready to fill and filled: no fill sequence to show.
        Find<QPushButton>("DesignBtn")->click();
        Find<QCheckBox>("DesignUncheckedCheck")->setChecked(true);
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());
        QVERIFY(!fillSeq->isEnabled());
        Find<QPushButton>("NextBtn1")->click();
        RunSymmetricFills(1);
        QVERIFY(w_->State().Fills.CurrentFill >= 1);
        QVERIFY(Find<QPushButton>("SymmStartBtn")->isEnabled());
        QVERIFY(!fillSeq->isEnabled());

        // Back at the stock grids (the designed grid's fills may go), a stock grid offers it again.
        ShowLeftPage("TabSheetSetup");
        Find<QPushButton>("DesignStockGridsBtn")->click();
        QVERIFY(!fillSeq->isEnabled());
        ChooseFirstSevenBySeven();
        QVERIFY(fillSeq->isEnabled());
    }

    void theStepLogAndThePickBoxesFollowTheirChecks()
    {
        StartOnFirstSevenBySeven();
        Find<QCheckBox>("LogFileCheck")->setChecked(true);
        Find<QCheckBox>("DlgCheck")->setChecked(true);
        RunSymmetricFills(1);
        QCOMPARE(w_->State().Fills.GridsMax, 1);
        QFile file(QString::fromStdString(Folder().File("progress.log")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList log = QString::fromLatin1(file.readAll()).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
        QVERIFY(!log.isEmpty());
        QVERIFY2(QRegularExpression("^1:[A-Z]+:  N=1$").match(log.first()).hasMatch(), qPrintable(log.first()));
        // Every word of the fill was announced when it was picked.
        std::set<QString> selected;
        for (const QString& m : log_.Messages) {
            QVERIFY2(m.startsWith("info: "), qPrintable(m));
            if (m.startsWith("info: selected ")) selected.insert(m.mid(15));
        }
        const Crossword& xw = w_->State().Xw;
        for (int k = 1; k <= xw.WordSlotCount; ++k) QVERIFY(selected.count(QString::fromStdString(xw.Slot(k).WordTxt.str())));

        // Without the checks a run writes no log and asks nothing.
        QFile::remove(QString::fromStdString(Folder().File("progress.log")));
        Find<QCheckBox>("LogFileCheck")->setChecked(false);
        Find<QCheckBox>("DlgCheck")->setChecked(false);
        log_.Messages.clear();
        RunSymmetricFills(1);
        QVERIFY(!QFile::exists(QString::fromStdString(Folder().File("progress.log"))));
        QVERIFY(log_.Messages.isEmpty());
    }

    void theGridViewsAndTheKnockOut()
    {
        ShowFreeformFill("CAT\r\nDOG\r\nBIRD\r\nFISH\r\nHORSE\r\nMOUSE\r\nTIGER\r\nLION\r\nEAGLE\r\nSNAKE\r\nRABBIT\r\nTURTLE\r\n"
                         "BEAR\r\nDEER\r\nGOAT\r\nSHEEP\r\nOTTER\r\nSEAL\r\nCRANE\r\nHERON\r\nROBIN\r\nOWL\r\nEMU\r\nANT\r\n");
        QuillmereState& s = w_->State();

        const struct {
            const char* box;
            GridPainter painter;
        } views[] = {{"RawDataCheckBox", GridPainter::RawData},
                     {"InterlockCheckBox", GridPainter::InterlockArea},
                     {"WrdCntCheckBox", GridPainter::InterlockFlagging}};
        for (const auto& v : views) {
            auto* box = Find<QCheckBox>(v.box);
            box->click();
            QCOMPARE(Grid()->Painter(), v.painter);
            box->click();
            QCOMPARE(Grid()->Painter(), GridPainter::Normal);
        }
        qm::Grid copy = s.Xw.Squares;
        const int area = InterlockArea(copy);
        Find<QCheckBox>("InterlockCheckBox")->click();
        QCOMPARE(Find<QCheckBox>("InterlockCheckBox")->text(), QString("Display Interlocks (%1)").arg(area));
        Find<QCheckBox>("InterlockCheckBox")->click();
        QCOMPARE(Find<QCheckBox>("InterlockCheckBox")->text(), QString("Display Interlocks"));
        Find<QCheckBox>("WrdCntCheckBox")->click();
        QCOMPARE(Find<PanelStatusBar>("MainStatusBar")->panelText(4), QString("%1 interlock squares").arg(CountInterlockSquares(s.Xw.Squares)));
        Find<QCheckBox>("WrdCntCheckBox")->click();

        // The knock-out lists the crossings, then leaves only words crossed at least twice.
        const int before = s.Xw.WordSlotCount;
        Crossword expected = s.Xw;
        ImportedList list = s.Imported;
        const QStringList crossings = ToLines(CrossingsListing(expected));
        KnockOutSingleInterlockWords(expected, list, false);
        Find<QPushButton>("Button9")->click();
        QCOMPARE(MemoLines("Memo1"), crossings);
        QCOMPARE(Find<QLabel>("Label54")->text(), QString("start"));
        QCOMPARE(s.Xw.WordSlotCount, expected.WordSlotCount);
        QVERIFY2(expected.WordSlotCount < before, "the fill has weakly crossed words to knock out");
        QCOMPARE(test::GridRows(s.Xw.Squares), test::GridRows(expected.Squares));
        for (int k = 1; k <= s.Xw.WordSlotCount; ++k) QVERIFY(s.Xw.Slot(k).Crossings >= 2);
        QCOMPARE(Find<RowListView>("AcrossListBox")->count() + Find<RowListView>("DownListBox")->count(), s.Xw.WordSlotCount);
    }

    void theKnockOutLeavesASymmetricalGridAlone()
    {
        StartOnFirstSevenBySeven();
        RunSymmetricFills(1);
        const std::vector<std::string> before = test::GridRows(w_->State().Xw.Squares);
        Find<QPushButton>("Button9")->click();
        QCOMPARE(log_.Messages, QStringList({"info: Words are knocked out of a freeform crossword on display."}));
        QCOMPARE(test::GridRows(w_->State().Xw.Squares), before);
    }
};

QTEST_MAIN(DiagnosticsTest)
#include "diagnostics_test.moc"
