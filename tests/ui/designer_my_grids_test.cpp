// The My grids list over a library file: grids saved, listed with thumbnails, renamed and deleted
// through the file (refusals leave it byte for byte as it was), found again by a new list as after a
// restart, and a damaged file reported once and kept.
#include "core/design/grid_library.h"
#include "core/util/file_io.h"
#include "ui/designer_my_grids.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace qm;
using namespace qm::ui;

namespace {

std::string FileText(const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return "(missing)";
    return bytes;
}

std::vector<std::string> NamesInFile(const std::string& path)
{
    std::vector<std::string> names;
    for (const LibraryGrid& g : ReadGridLibrary(FileText(path))) names.push_back(g.Name);
    return names;
}

QStringList NamesListed(const MyGridsModel& model)
{
    QStringList names;
    for (int i = 0; i < model.rowCount(); ++i) names << model.data(model.index(i), Qt::DisplayRole).toString();
    return names;
}

GridDesign Corner()
{
    GridDesign d = DesignFromGridText("#...#\n.....\n..C..\n.....\n#...#\n");
    d.SetSymmetry(DesignSymmetry::Mirror);
    return d;
}

}  // namespace

class DesignerMyGridsTest : public QObject {
    Q_OBJECT

private slots:
    void savedListedRenamedDeletedAndFoundAgain()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("quillmere/grids.txt").toStdString();
        MyGridsModel model(path);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(model.Problem().isEmpty());

        QCOMPARE(model.AddGrid("Sunday", GridDesign(15)), 0);
        QCOMPARE(model.AddGrid("Corner", Corner()), 1);
        QCOMPARE(NamesListed(model), (QStringList{"Sunday", "Corner"}));
        QCOMPARE(model.data(model.index(1), MyGridsModel::SizeRole).toInt(), 5);
        QCOMPARE(model.data(model.index(1), Qt::ToolTipRole).toString(), QString("5 x 5, symmetry mirror"));

        // The thumbnail: six pixels a square, blocks grey, open squares white.
        const QImage thumb = model.data(model.index(1), Qt::DecorationRole).value<QImage>();
        QCOMPARE(thumb.size(), QSize(5 * ThumbPixelsPerSquare + 1, 5 * ThumbPixelsPerSquare + 1));
        QCOMPARE(thumb.pixelColor(3, 3), QColor(0x80, 0x80, 0x80));
        QCOMPARE(thumb.pixelColor(ThumbPixelsPerSquare + 3, 3), QColor(Qt::white));

        // Renamed in place (the list's editor goes through setData), kept in the file.
        QSignalSpy failures(&model, &MyGridsModel::failed);
        QVERIFY(model.setData(model.index(0), "  Sunday best "));
        QCOMPARE(NamesInFile(path), (std::vector<std::string>{"Sunday best", "Corner"}));
        QCOMPARE(failures.count(), 0);

        // A new list on the same file, as after a restart, finds the grids as they were saved.
        {
            MyGridsModel again(path);
            QCOMPARE(NamesListed(again), (QStringList{"Sunday best", "Corner"}));
            QCOMPARE(DesignGridText(again.DesignAt(1)), DesignGridText(Corner()));
            QCOMPARE(again.DesignAt(1).Symmetry(), DesignSymmetry::Mirror);
        }

        QVERIFY(model.DeleteGrid(0));
        QCOMPARE(NamesListed(model), (QStringList{"Corner"}));
        QCOMPARE(NamesInFile(path), (std::vector<std::string>{"Corner"}));
        QCOMPARE(failures.count(), 0);
    }

    void refusedChangesLeaveTheFileAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "   " << "A grid needs a name";
        QTest::newRow("taken, other case") << "CORNER" << "My grids already holds a grid called \"Corner\"";
        QTest::newRow("line break") << "Two\nlines" << "A grid's name is one line of text without control characters";
        QTest::newRow("too long") << QString(61, 'x') << "A grid's name has at most 60 characters; \"" + QString(61, 'x') + "\" has 61";
    }

    void refusedChangesLeaveTheFileAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const std::string path = dir.filePath("grids.txt").toStdString();
        MyGridsModel model(path);
        QCOMPARE(model.AddGrid("Sunday", GridDesign(15)), 0);
        QCOMPARE(model.AddGrid("Corner", Corner()), 1);
        const std::string before = FileText(path);
        QSignalSpy failures(&model, &MyGridsModel::failed);

        QVERIFY(!model.setData(model.index(0), name));
        QCOMPARE(model.AddGrid(name, Corner()), -1);
        QCOMPARE(failures.count(), 2);
        QCOMPARE(failures.at(0).at(0).toString(), message);
        QCOMPARE(FileText(path), before);
        QCOMPARE(NamesListed(model), (QStringList{"Sunday", "Corner"}));
    }

    void damagedFileIsReportedOnceAndKept()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("grids.txt").toStdString();
        const std::string damaged = "Quillmere grids 1\n\nName: Broken\nSymmetry: sideways\n...\n...\n...\n";
        WriteFileSafely(path, damaged);

        MyGridsModel model(path);
        QCOMPARE(model.rowCount(), 0);
        const QString problem = model.Problem();
        QVERIFY2(problem.contains("line 4: the symmetry is rotation, none, mirror or both, not \"sideways\""), qPrintable(problem));
        QVERIFY2(problem.contains("The file is left as it is"), qPrintable(problem));

        // Nothing is saved over it: a grid saved, a reload, all leave the bytes alone.
        QSignalSpy failures(&model, &MyGridsModel::failed);
        QCOMPARE(model.AddGrid("New", Corner()), -1);
        QCOMPARE(failures.count(), 1);
        QVERIFY2(failures.at(0).at(0).toString().contains("could not be read"), qPrintable(failures.at(0).at(0).toString()));
        model.Reload();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(FileText(path), damaged);

        // Mended by hand, it is read again.
        WriteFileSafely(path, "Quillmere grids 1\n\nName: Mended\nSymmetry: none\n...\n...\n...\n");
        model.Reload();
        QVERIFY(model.Problem().isEmpty());
        QCOMPARE(NamesListed(model), (QStringList{"Mended"}));
    }
};

QTEST_MAIN(DesignerMyGridsTest)
#include "designer_my_grids_test.moc"
