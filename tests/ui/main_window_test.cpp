// The main window offscreen: start-up without a dictionary, the Home page, the status bar and the painted grid.
#include "core/grid/fill_writer.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/colour.h"
#include "ui/command_line.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/panel_status_bar.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace qm;
using namespace qm::ui;

class MainWindowTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    /// A data folder with a dictionary of two words, or without WORD.LST.
    static uitest::WindowStart Start(bool withDictionary)
    {
        return withDictionary ? uitest::WindowStart({test::Word("CAT"), test::Word("COW")}) : uitest::WindowStart();
    }

private slots:
    void cleanup() { CloseWindow(); }

    void colourValuesAreBlueGreenRed()
    {
        QCOMPARE(ToQColor(0x00D0A77F), QColor(0x7F, 0xA7, 0xD0));
        QCOMPARE(ToQColor(0x0080FFFF), QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(ToQColor(0x000000FF), QColor(255, 0, 0));
        QCOMPARE(ToQColor(ColourWindow, QPalette(Qt::white)), QPalette(Qt::white).color(QPalette::Base));
    }

    void theCommandLineIsReadAsItsUserMeansIt()
    {
        using Action = WindowCommandLine::Action;
        struct Case {
            QStringList args;
            Action action;
            QString file;
        };
        const QString here = QDir::current().absoluteFilePath("week 12.xwd");
        const Case cases[] = {
            {{"quillmere"}, Action::OpenWindow, ""},
            {{"quillmere", "week 12.xwd"}, Action::OpenWindow, here},
            {{"quillmere", "/puzzles/a.xwd"}, Action::OpenWindow, "/puzzles/a.xwd"},
            {{"quillmere", "--version"}, Action::PrintVersion, ""},
            {{"quillmere", "a.xwd", "-h"}, Action::PrintHelp, ""},
            {{"quillmere", "--open"}, Action::Refuse, ""},
            {{"quillmere", "a.xwd", "b.xwd"}, Action::Refuse, ""},
        };
        for (const Case& c : cases) {
            const WindowCommandLine line = ParseWindowCommandLine(c.args);
            QCOMPARE(line.action, c.action);
            if (c.action == Action::OpenWindow) QCOMPARE(line.crosswordFile, c.file);
            QCOMPARE(line.message.isEmpty(), c.action != Action::Refuse);
        }
    }

    void startsWithoutDictionaryAndSaysSo()
    {
        QVERIFY(OpenWindow(Start(false)));
        QCOMPARE(log_.Messages.size(), 1);
        QVERIFY(log_.Messages[0].startsWith("error: File not found"));
        QCOMPARE(w_->windowTitle(), QString("Quillmere"));
        QVERIFY(w_->isVisible());
        QCOMPARE(w_->State().Dict.Count(3), 0);
    }

    void homePageAndFixedWindow()
    {
        QVERIFY(OpenWindow(Start(true)));
        QVERIFY(log_.Messages.isEmpty());
        QCOMPARE(w_->State().Dict.Count(3), 2);
        QCOMPARE(w_->size(), QSize(982, 681));
        auto* left = w_->findChild<QTabWidget*>("PageControlLeft");
        QVERIFY(left);
        QCOMPARE(left->currentWidget()->objectName(), QString("TabsheetHome"));
        QStringList visible;
        for (int i = 0; i < left->count(); ++i)
            if (left->isTabVisible(i)) visible << left->tabText(i);
        QCOMPARE(visible, QStringList({"Home", "File"}));
        for (const char* name : {"SymmetricBitBtn", "FreeformBitBtn", "LoadFileBitBtn", "HelpBtn", "ExitBtn"})
            QVERIFY2(w_->findChild<QPushButton*>(name), name);
        QCOMPARE(w_->findChild<QPushButton*>("SymmetricBitBtn")->text(), QString("New Symmetrical Crossword"));
        QCOMPARE(w_->findChild<QPushButton*>("FreeformBitBtn")->text(), QString("New Freeform Crossword"));
        QCOMPARE(w_->findChild<QPushButton*>("LoadFileBitBtn")->text(), QString("Load from Disk"));
        QCOMPARE(w_->findChild<QLabel*>("HeaderPnl")->text(), QString("Dimensions: 15 x 15"));
    }

    void statusBarHasFivePanelsAndShowsTheFill()
    {
        QVERIFY(OpenWindow(Start(true)));
        auto* bar = w_->findChild<PanelStatusBar*>("MainStatusBar");
        QVERIFY(bar);
        QCOMPARE(bar->panelCount(), 5);
        w_->ShowFillStatus(12, 100, 5);
        QCOMPARE(bar->panelText(0), QString("words 12"));
        QCOMPARE(bar->panelText(1), QString("letters 100"));
        QCOMPARE(bar->panelText(2), QString("density 44.4%"));
        QCOMPARE(bar->panelText(3), QString("interlocks 5"));
        w_->ResetFillDisplay();
        for (int i = 0; i < 5; ++i) QCOMPARE(bar->panelText(i), QString());
    }

    void gridIsPaintedFromTheModel()
    {
        QVERIFY(OpenWindow(Start(true)));
        Crossword& xw = w_->State().Xw;
        test::AddSlot(xw, 1, 1, true, "CAT");
        WriteFillToGrid(xw, FillSourceKind::Freeform);
        BlockEmptySquares(xw.Squares);
        NumberLetterSquares(xw);
        w_->RepaintGrid();
        auto* grid = w_->findChild<MainStringGrid*>("MainStringGrid");
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

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
