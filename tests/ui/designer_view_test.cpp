// The grid designer's view driven by keys and clicks: blocks toggled in each symmetry mode, letters and
// a whole theme word typed, undo and redo through every step exactly, and the live checks flagging a
// problem in the status text, the Fill state and the painted squares.
#include "core/design/grid_design.h"
#include "ui/designer_view.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <set>
#include <utility>

using namespace qm;
using namespace qm::ui;

Q_DECLARE_METATYPE(qm::DesignSymmetry)

namespace {

using Squares = std::set<std::pair<int, int>>;

Squares Blocks(const GridDesign& design)
{
    Squares blocks;
    for (int r = 1; r <= design.Size(); ++r)
        for (int c = 1; c <= design.Size(); ++c)
            if (design.IsBlock(r, c)) blocks.insert({r, c});
    return blocks;
}

/// The state that undo and redo must bring back exactly: the squares and the cursor.
struct Snapshot {
    std::string Text;
    DesignCursor Cursor;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const DesignerView& view) { return {DesignGridText(view.Design()), view.Design().Cursor()}; }

void Click(DesignerView& view, int row, int col, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(&view, button, Qt::NoModifier, view.SquareRect(row, col).center());
}

/// A view on screen with a blank grid of this size.
void ShowBlank(DesignerView& view, int size, DesignSymmetry symmetry)
{
    GridDesign blank(size);
    blank.SetSymmetry(symmetry);
    view.SetDesign(blank);
    view.resize(60 * size + 1, 60 * size + 1);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
}

}  // namespace

class DesignerViewTest : public QObject {
    Q_OBJECT

private slots:
    void clickAndSpaceToggleBlocksWithTheSymmetry_data()
    {
        QTest::addColumn<DesignSymmetry>("symmetry");
        QTest::addColumn<QList<QPoint>>("blocked");  // (row, col) as (x, y)
        QTest::newRow("rotation") << DesignSymmetry::Rotation << QList<QPoint>{{1, 2}, {5, 4}};
        QTest::newRow("none") << DesignSymmetry::None << QList<QPoint>{{1, 2}};
        QTest::newRow("mirror") << DesignSymmetry::Mirror << QList<QPoint>{{1, 2}, {1, 4}};
        QTest::newRow("both") << DesignSymmetry::Both << QList<QPoint>{{1, 2}, {1, 4}, {5, 2}, {5, 4}};
    }

    void clickAndSpaceToggleBlocksWithTheSymmetry()
    {
        QFETCH(DesignSymmetry, symmetry);
        QFETCH(QList<QPoint>, blocked);
        DesignerView view;
        ShowBlank(view, 5, symmetry);
        Squares expected;
        for (const QPoint& p : blocked) expected.insert({p.x(), p.y()});

        Click(view, 1, 2);
        QCOMPARE(Blocks(view.Design()), expected);
        QCOMPARE(view.Design().Cursor(), (DesignCursor{1, 2, true}));

        // A click on the cursor's own square turns the direction and leaves the blocks alone.
        Click(view, 1, 2);
        QCOMPARE(Blocks(view.Design()), expected);
        QCOMPARE(view.Design().Cursor(), (DesignCursor{1, 2, false}));

        // Space opens the square and its partners again; a right click only moves the cursor.
        QTest::keyClick(&view, Qt::Key_Space);
        QVERIFY(Blocks(view.Design()).empty());
        Click(view, 3, 3, Qt::RightButton);
        QVERIFY(Blocks(view.Design()).empty());
        QCOMPARE(view.Design().Cursor().Row, 3);
        QCOMPARE(view.Design().Cursor().Col, 3);

        // Space at the centre: every symmetry keeps the centre its own partner.
        QTest::keyClick(&view, Qt::Key_Space);
        QCOMPARE(Blocks(view.Design()), (Squares{{3, 3}}));
        QCOMPARE(view.UndoStack()->count(), 3);
    }

    void typedLettersAndAThemeWord()
    {
        DesignerView view;
        ShowBlank(view, 5, DesignSymmetry::Rotation);
        QSignalSpy problems(&view, &DesignerView::problem);

        QTest::keyClicks(&view, "ab");
        QCOMPARE(view.Design().At(1, 1), 'A');
        QCOMPARE(view.Design().At(1, 2), 'B');
        QCOMPARE(view.Design().Cursor(), (DesignCursor{1, 3, true}));
        // Backspace on an empty square steps back and clears; Delete clears where the cursor is.
        QTest::keyClick(&view, Qt::Key_Backspace);
        QCOMPARE(view.Design().At(1, 2), ' ');
        QCOMPARE(view.Design().Cursor(), (DesignCursor{1, 2, true}));
        QTest::keyClick(&view, Qt::Key_Left);
        QTest::keyClick(&view, Qt::Key_Delete);
        QCOMPARE(view.Design().At(1, 1), ' ');
        // An arrow across the direction turns it; along it, moves.
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.Design().Cursor(), (DesignCursor{1, 1, false}));
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.Design().Cursor(), (DesignCursor{2, 1, false}));
        // Tab: to the first square of the next word (2 Down after 1 Down); Shift+Tab back.
        QTest::keyClick(&view, Qt::Key_Tab);
        QCOMPARE(view.Design().Cursor(), (DesignCursor{1, 2, false}));
        QTest::keyClick(&view, Qt::Key_Backtab);
        QCOMPARE(view.Design().Cursor(), (DesignCursor{1, 1, false}));

        // A whole word into 3 Across, through the line Return opens.
        Click(view, 3, 1, Qt::RightButton);
        QTest::keyClick(&view, Qt::Key_Right);  // across the down direction: turns to across
        QCOMPARE(view.Design().Cursor(), (DesignCursor{3, 1, true}));
        const int steps = view.UndoStack()->count();
        QTest::keyClick(&view, Qt::Key_Return);
        QLineEdit* line = view.WordLine();
        QVERIFY(line->isVisible());
        // A word of the wrong length is refused with a message and stays in the line to be mended.
        QTest::keyClicks(line, "cat");
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(problems.count(), 1);
        QCOMPARE(problems.at(0).at(0).toString(), QString("CAT has 3 letters; 7 Across has 5"));
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QString("cat"));
        QCOMPARE(DesignGridText(view.Design()), std::string(".....\n.....\n.....\n.....\n.....\n"));
        line->clear();
        QTest::keyClicks(line, "Ho-rse");
        QTest::keyClick(line, Qt::Key_Return);
        QVERIFY(!line->isVisible());
        QCOMPARE(DesignGridText(view.Design()), std::string(".....\n.....\nHORSE\n.....\n.....\n"));
        QCOMPARE(view.UndoStack()->count(), steps + 1);
        QCOMPARE(view.UndoStack()->undoText(), QString("Place Word"));
        // Escape closes the line and places nothing.
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClicks(line, "ZEBRA");
        QTest::keyClick(line, Qt::Key_Escape);
        QVERIFY(!line->isVisible());
        QCOMPARE(DesignGridText(view.Design()), std::string(".....\n.....\nHORSE\n.....\n.....\n"));
    }

    void undoAndRedoRetraceEveryStepExactly()
    {
        DesignerView view;
        ShowBlank(view, 7, DesignSymmetry::Rotation);
        std::vector<Snapshot> states{Take(view)};
        const auto step = [&](auto&& act) {
            act();
            states.push_back(Take(view));
        };
        step([&] { Click(view, 1, 4); });
        step([&] { QTest::keyClicks(&view, "q"); });  // a letter typed on a block opens it (and its partner)
        step([&] { Click(view, 4, 1, Qt::RightButton); });
        for (const char* letter : {"x", "y", "z"}) step([&] { QTest::keyClicks(&view, letter); });
        step([&] { QTest::keyClick(&view, Qt::Key_Space); });  // blocks a square holding no letter, cursor at (4,4)
        step([&] {
            Click(view, 2, 1, Qt::RightButton);
            QVERIFY(view.PlaceThemeWord("orchard"));
        });
        step([&] { Click(view, 2, 3); });  // blocks a lettered square: the letter comes back on undo
        step([&] {
            Click(view, 2, 7, Qt::RightButton);
            QTest::keyClick(&view, Qt::Key_Backspace);
        });
        // Cursor moves alone are no steps: those made with a right click count only within an edit.
        std::vector<Snapshot> edits;
        for (std::size_t i = 0; i < states.size(); ++i)
            if (i == 0 || states[i].Text != states[i - 1].Text) edits.push_back(states[i]);
        QCOMPARE(view.UndoStack()->count(), static_cast<int>(edits.size()) - 1);
        QCOMPARE(edits.back().Text, std::string("...Q...\nOR#HAR.\n.......\nXYZ#...\n.......\n....#..\n.......\n"));

        for (std::size_t k = edits.size() - 1; k > 0; --k) {
            QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(Take(view).Text, edits[k - 1].Text);
        }
        QVERIFY(!view.UndoStack()->canUndo());
        QCOMPARE(Take(view).Cursor, (DesignCursor{1, 1, true}));
        for (std::size_t k = 1; k < edits.size(); ++k) {
            QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(Take(view).Text, edits[k].Text);
        }
        QVERIFY(!view.UndoStack()->canRedo());
        // The last edit's cursor is where it left it.
        QCOMPARE(Take(view).Cursor, edits.back().Cursor);
    }

    void checksFlagAProblemAndFillFollows()
    {
        DesignerView view;
        ShowBlank(view, 5, DesignSymmetry::None);
        QVERIFY(view.CanFill());
        QVERIFY2(view.ChecksText().startsWith("10 words, 0 blocks"), qPrintable(view.ChecksText()));
        QSignalSpy fill(&view, &DesignerView::canFillChanged);
        QSignalSpy checks(&view, &DesignerView::checksChanged);

        Click(view, 1, 3);  // row 1 becomes "..#..": two runs too short for a word
        QVERIFY(!view.CanFill());
        QCOMPARE(checks.count(), 1);
        const QString text = checks.at(0).at(0).toString();
        QVERIFY2(text.contains("2 runs too short for a word"), qPrintable(text));
        QVERIFY2(text.startsWith("9 words, 1 block"), qPrintable(text));
        for (const auto& [row, col] : Squares{{1, 1}, {1, 2}, {1, 4}, {1, 5}}) QCOMPARE(view.FlagAt(row, col), SquareFlag::Stops);
        QCOMPARE(view.FlagAt(3, 3), SquareFlag::None);

        // Painted: a flagged square is tinted red, a square the checks pass is white.
        const QImage image = view.grab().toImage();
        const auto corner = [&](int row, int col) { return image.pixelColor(view.SquareRect(row, col).bottomRight() - QPoint(3, 3)); };
        const QColor flagged = corner(1, 1);
        QVERIFY2(flagged.red() > flagged.green() + 40, qPrintable(flagged.name()));
        QCOMPARE(corner(3, 3), QColor(Qt::white));

        // With squares in one word allowed the runs of two are no words but no problem either: the
        // squares stay marked, as allowed.
        view.SetAllowUnchecked(true);
        QVERIFY(view.CanFill());
        QCOMPARE(view.FlagAt(1, 1), SquareFlag::Allowed);
        view.SetAllowUnchecked(false);
        QVERIFY(!view.CanFill());
        // Undone, the grid can be filled again and nothing is flagged.
        QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(view.CanFill());
        QCOMPARE(view.FlagAt(1, 1), SquareFlag::None);
        QList<bool> verdicts;
        for (const auto& signal : fill) verdicts << signal.at(0).toBool();
        QCOMPARE(verdicts, (QList<bool>{false, true, false, true}));
    }
};

QTEST_MAIN(DesignerViewTest)
#include "designer_view_test.moc"
