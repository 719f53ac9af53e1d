// quillmere-screenshots: starts the main window on a small dictionary, drives it into a few states and
// writes a PNG of each, so that a person can look at the pages (scripts/screenshots runs it).
#include "tests/support/fixtures.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/tform5.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

using namespace qm;
using namespace qm::ui;

namespace {

template <typename T>
T* Find(QWidget* w, const char* name)
{
    T* found = w->findChild<T*>(name);
    if (!found) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(2);
    }
    return found;
}

void Settle() { QTest::qWait(50); }

bool Save(QWidget* w, const QDir& dir, const QString& name)
{
    Settle();
    const QString path = dir.filePath(name + ".png");
    if (!w->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

/// The dictionary the window reads: WORD.LST from the folder given, else a small built-in word list.
QString DictionaryFolder(const QStringList& args, test::TempDir& scratch)
{
    const auto i = args.indexOf("--data");
    if (i >= 0 && i + 1 < args.size()) return args[i + 1];
    std::vector<DictWord> words;
    for (const char* w : {"CAT", "COT", "DOG", "EEL", "TOE", "TIE", "DYE", "APE", "OAK", "ASH", "ELM", "YEW", "OWL", "EMU"})
        words.push_back(test::Word(w));
    test::WriteFile(scratch.File("WORD.LST"), test::DictionaryBytes(words));
    return QString::fromStdString(scratch.Path().string());
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2 || args[1].startsWith("--")) {
        std::fprintf(stderr, "usage: quillmere-screenshots FOLDER [--data FOLDER-WITH-WORD.LST]\n");
        return 2;
    }
    QDir out(args[1]);
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    test::TempDir scratch;
    StartupOptions options;
    options.DataDirs = {DictionaryFolder(args, scratch)};
    options.SimulatedSeed = 12345;
    uitest::RecordingDialogs::Log log;
    TForm5 w(options, std::make_unique<uitest::RecordingDialogs>(log));
    w.show();
    bool ok = Save(&w, out, "01-home");

    w.SymmetricBitBtnClick();
    ok &= Save(&w, out, "02-setup-stock-grids");

    auto* left = Find<QTabWidget>(&w, "PageControlLeft");
    auto* symmGen = Find<QTabWidget>(&w, "PageControlSymmGen");
    left->setCurrentWidget(Find<QWidget>(&w, "TabSheetGenerate"));
    symmGen->setCurrentWidget(Find<QWidget>(&w, "TabSheetSymmDictionary"));
    ok &= Save(&w, out, "03-generate-dictionary-options");
    Find<QPushButton>(&w, "WordCategBtn")->click();
    ok &= Save(&w, out, "04-subject-categories");
    symmGen->setCurrentWidget(Find<QWidget>(&w, "TabSheetSymmOptions"));
    ok &= Save(&w, out, "05-generate-fill-options");
    symmGen->setCurrentWidget(Find<QWidget>(&w, "TabSheetSymmMain"));
    ok &= Save(&w, out, "06-generate-main");

    left->setCurrentWidget(Find<QWidget>(&w, "TabSheetClues"));
    ok &= Save(&w, out, "07-clues");

    w.FreeformBitBtnClick();
    ok &= Save(&w, out, "08-setup-freeform");
    left->setCurrentWidget(Find<QWidget>(&w, "TabSheetGenerate"));
    ok &= Save(&w, out, "09-generate-freeform");
    w.FormKeyDown(Qt::Key_F5, Qt::ControlModifier);
    ok &= Save(&w, out, "10-statistics");
    left->setCurrentWidget(Find<QWidget>(&w, "TabSheetPrint"));
    ok &= Save(&w, out, "11-output");
    for (const QString& m : log.Messages) std::fprintf(stderr, "message: %s\n", qPrintable(m));
    return ok ? 0 : 1;
}
