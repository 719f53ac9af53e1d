// The main window offscreen: start-up without a dictionary, the Home page, the status bar and the painted grid.
#include "core/grid/fill_writer.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/colour.h"
#include "ui/main_string_grid.h"
#include "ui/panel_status_bar.h"
#include "ui/tform5.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace qm;
using namespace qm::ui;

class TForm5Test : public QObject {
    Q_OBJECT

private:
    test::TempDir dir_;

    std::unique_ptr<TForm5> Start(uitest::RecordingDialogs::Log& log, bool withDictionary)
    {
        if (withDictionary) test::WriteFile(dir_.File("WORD.LST"), test::DictionaryBytes({test::Word("CAT"), test::Word("COW")}));
        else std::filesystem::remove(dir_.File("WORD.LST"));
        StartupOptions options;
        options.DataDirs = {QString::fromStdString(dir_.Path().string())};
        auto w = std::make_unique<TForm5>(options, std::make_unique<uitest::RecordingDialogs>(log));
        w->show();
        QTest::qWait(10);
        return w;
    }

private slots:
    void colourValuesAreBlueGreenRed()
    {
        QCOMPARE(ToQColor(0x00D0A77F), QColor(0x7F, 0xA7, 0xD0));
        QCOMPARE(ToQColor(0x0080FFFF), QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(ToQColor(0x000000FF), QColor(255, 0, 0));
        QCOMPARE(ToQColor(ColourWindow, QPalette(Qt::white)), QPalette(Qt::white).color(QPalette::Base));
    }

    void startsWithoutDictionaryAndSaysSo()
    {
        uitest::RecordingDialogs::Log log;
        auto w = Start(log, false);
        QCOMPARE(log.Messages.size(), 1);
        QVERIFY(log.Messages[0].startsWith("error: File not found"));
        QCOMPARE(w->windowTitle(), QString("Quillmere"));
        QVERIFY(w->isVisible());
        QCOMPARE(w->State().Dict.Count(3), 0);
    }

    void homePageAndFixedWindow()
    {
        uitest::RecordingDialogs::Log log;
        auto w = Start(log, true);
        QVERIFY(log.Messages.isEmpty());
        QCOMPARE(w->State().Dict.Count(3), 2);
        QCOMPARE(w->size(), QSize(982, 681));
        auto* left = w->findChild<QTabWidget*>("PageControlLeft");
        QVERIFY(left);
        QCOMPARE(left->currentWidget()->objectName(), QString("TabsheetHome"));
        QStringList visible;
        for (int i = 0; i < left->count(); ++i)
            if (left->isTabVisible(i)) visible << left->tabText(i);
        QCOMPARE(visible, QStringList({"Home", "File"}));
        for (const char* name : {"SymmetricBitBtn", "FreeformBitBtn", "LoadFileBitBtn", "HelpBtn", "ExitBtn"})
            QVERIFY2(w->findChild<QPushButton*>(name), name);
        QCOMPARE(w->findChild<QPushButton*>("SymmetricBitBtn")->text(), QString("New Symmetrical Crossword"));
        QCOMPARE(w->findChild<QPushButton*>("FreeformBitBtn")->text(), QString("New Freeform Crossword"));
        QCOMPARE(w->findChild<QPushButton*>("LoadFileBitBtn")->text(), QString("Load from Disk"));
        QCOMPARE(w->findChild<QLabel*>("HeaderPnl")->text(), QString("Dimensions: 15 x 15"));
    }

    void statusBarHasFivePanelsAndShowsTheFill()
    {
        uitest::RecordingDialogs::Log log;
        auto w = Start(log, true);
        auto* bar = w->findChild<PanelStatusBar*>("MainStatusBar");
        QVERIFY(bar);
        QCOMPARE(bar->panelCount(), 5);
        w->ShowFillStatus(12, 100, 5);
        QCOMPARE(bar->panelText(0), QString("words 12"));
        QCOMPARE(bar->panelText(1), QString("letters 100"));
        QCOMPARE(bar->panelText(2), QString("density 44.4%"));
        QCOMPARE(bar->panelText(3), QString("interlocks 5"));
        w->ResetFillDisplay();
        for (int i = 0; i < 5; ++i) QCOMPARE(bar->panelText(i), QString());
    }

    void gridIsPaintedFromTheModel()
    {
        uitest::RecordingDialogs::Log log;
        auto w = Start(log, true);
        Crossword& xw = w->State().Xw;
        test::AddSlot(xw, 1, 1, true, "CAT");
        WriteFillToGrid(xw, FillSourceKind::Freeform);
        BlockEmptySquares(xw.Squares);
        NumberLetterSquares(xw);
        w->RepaintGrid();
        auto* grid = w->findChild<MainStringGrid*>("MainStringGrid");
        QVERIFY(grid);
        const QImage image = grid->grab().toImage();
        const QRect blocked = grid->SquareRect(4, 1);
        const QRect open = grid->SquareRect(2, 1);
        QCOMPARE(image.pixelColor(blocked.center()), QColor(0x7F, 0xA7, 0xD0));
        // A letter square keeps the window colour at its corner (the letter is drawn in its middle).
        QCOMPARE(image.pixelColor(open.bottomRight() - QPoint(1, 1)), ToQColor(ColourWindow, grid->palette()));
        bool hasInk = false;
        for (int x = open.left(); x <= open.right(); ++x)
            for (int y = open.top(); y <= open.bottom(); ++y) hasInk |= image.pixelColor(x, y).lightness() < 100;
        QVERIFY2(hasInk, "the letter A is drawn");
    }
};

QTEST_MAIN(TForm5Test)
#include "tform5_test.moc"
