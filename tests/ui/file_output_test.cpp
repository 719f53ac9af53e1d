// The File and Output pages of the real window: saving and loading crossword files, the live page
// preview and its options, printing to a PDF file and the three exports, each compared with the core.
#include "core/files/crossword_file.h"
#include "core/files/ipuz_format.h"
#include "core/files/puz_format.h"
#include "core/output/clipboard_text.h"
#include "core/output/html_writer.h"
#include "core/output/rtf_writer.h"
#include "core/output/web_page.h"
#include "core/util/file_io.h"
#include "render/output_fonts.h"
#include "render/page_devices.h"
#include "tests/support/crossword_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/paged_crossword.h"
#include "tests/support/run_program.h"
#include "tests/ui/support/window_fixture.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/page_preview.h"
#include "ui/panel_status_bar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <utime.h>

using namespace qm;
using namespace qm::ui;

namespace {

/// A 9 x 9 crossword with 180-degree symmetry.
const std::vector<std::string> NineRows = {
    "STAR#SPIN", "HERO#TAME", "ARMED#ODE", "DEN#BEGAN", "###DIE###",
    "SNAKE#GEM", "ODE#TENOR", "LAIR#ROSE", "ELSE#SEAT",
};

/// Writes a crossword file with the core: NineRows with a clue per word, a two-word answer, and the
/// given title, font and blocking style.
void WriteNineByNine(const std::string& path, const std::string& title, const std::string& font, int blocking)
{
    QuillmereState state;
    test::ShowAsFill(state, test::CrosswordOfLetters(NineRows));
    Crossword& xw = state.Xw;
    for (int i = 1; i <= xw.WordSlotCount; ++i) xw.Slot(i).ClueTxt = "Clue " + std::to_string(i) + ": with a colon";
    xw.Slot(1).EnumTxt = "2,2";
    xw.Slot(1).DisplayTxt = "ST AR";
    state.Output.Title = title;
    state.Output.FontName = font;
    state.Output.Blocking = blocking;
    SaveCrosswordFile(state, path);
}

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return "(unreadable)";
    return bytes;
}

}  // namespace

class FileOutputTest : public QObject, private uitest::WindowFixture {
    Q_OBJECT

private:
    uitest::GridDictionary dict_ = uitest::MakeGridDictionary();

    QString File(const char* name) { return QString::fromStdString(Folder().File(name)); }
    /// Clicks a button that opens a file or print dialog, which chooses path.
    void ClickChoosing(const char* button, const QString& path)
    {
        log_.Files.push_back(path);
        Find<QPushButton>(button)->click();
        QVERIFY2(log_.Files.empty(), button);
    }
    const QImage& Picture() { return Find<PagePreview>("PageImage")->Picture(); }
    void ShowOutputPage() { ShowLeftPage("TabSheetPrint"); }
    /// Loads NineRows (Grey 50%, title "Nine") from Home's "Load from Disk".
    void LoadNine()
    {
        WriteNineByNine(Folder().File("nine.xwd"), "Nine", "DejaVu Sans", 4);
        ClickChoosing("LoadFileBitBtn", File("nine.xwd"));
        QCOMPARE(w_->State().Xw.GridSize, 9);
    }
    /// The window's crossword against the core's load of the same file.
    void CompareWithCoreLoad(const std::string& path)
    {
        QuillmereState core;
        const LoadResult loaded = LoadCrosswordFile(core, path, render::FindInstalledFont);
        const QuillmereState& shown = w_->State();
        QCOMPARE(test::GridRows(shown.Xw.Squares), test::GridRows(core.Xw.Squares));
        QCOMPARE(XwdFileText(shown), XwdFileText(core));
        QCOMPARE(shown.CrosswordDate, core.CrosswordDate);
        QCOMPARE(shown.Fills.GridsMax, 1);
        QCOMPARE(shown.Fills.CurrentFill, 1);
        QCOMPARE(shown.FillSource, FillSourceKind::Freeform);
        const SlotLists lists = ListSlots(core.Xw);
        QStringList across, down;
        for (const auto& l : lists.Across) across << QString::fromStdString(l.Text());
        for (const auto& l : lists.Down) down << QString::fromStdString(l.Text());
        QCOMPARE(ListLines("AcrossListBox"), across);
        QCOMPARE(ListLines("DownListBox"), down);
        QCOMPARE(w_->windowTitle(), QString::fromStdString("Quillmere [" + FileNameOf(path) + "]"));
        QCOMPARE(ListLines("FreeFillsListBox"), QStringList{QString::fromStdString(loaded.Row.Text())});
        // The file's answers join the imported list (after what was there), also in the seed word list.
        QStringList listed, answers;
        for (const std::string& word : shown.Imported.ThemeWords) listed << QString::fromStdString(word);
        for (const std::string& word : core.Imported.ThemeWords) answers << QString::fromStdString(word);
        QVERIFY(!answers.isEmpty());
        QCOMPARE(ListLines("SeedListBox"), listed);
        QCOMPARE(listed.mid(listed.size() - answers.size()), answers);
        // The options that travel in the file are on the Output page.
        QCOMPARE(Find<QLineEdit>("TitleEdit")->text(), QString::fromStdString(core.Output.Title));
        QCOMPARE(Find<QLabel>("FontLabel")->text(), QString::fromStdString(core.Output.FontName));
        QCOMPARE(Find<QComboBox>("BlockingCombo")->currentIndex(), core.Output.Blocking);
        QCOMPARE(Find<QSlider>("GridSizeTrackBar")->value(), core.Output.GridMM);
        QVERIFY2(Find<QPushButton>("NextBtn1")->isEnabled(), "the answers are the imported word list");
        for (const char* tab : {"Setup", "Generate", "Clues", "Output"}) {
            auto* tabs = Find<QTabWidget>("PageControlLeft");
            bool visible = false;
            for (int i = 0; i < tabs->count(); ++i) visible |= tabs->tabText(i) == tab && tabs->isTabVisible(i);
            QVERIFY2(visible, tab);
        }
    }
    void RunOneSevenBySevenFill()
    {
        Find<QPushButton>("SymmetricBitBtn")->click();
        ChooseFirstSevenBySeven();
        RunSymmetricFills(1);
        QCOMPARE(w_->State().Fills.CurrentFill, 1);
    }

private slots:
    void init() { QVERIFY(OpenWindow(uitest::GridDictionaryStart(dict_))); }

    void cleanup() { CloseWindow(); }

    void aGeneratedCrosswordIsSavedAndLoadedAgainFromHomeAndFromTheFilePage()
    {
        QVERIFY2(!Find<QPushButton>("SaveBtn")->isEnabled(), "nothing to save yet");
        RunOneSevenBySevenFill();
        QVERIFY(Find<QPushButton>("SaveBtn")->isEnabled());
        const std::string saved = Folder().File("seven.xwd");
        ClickChoosing("SaveBtn", QString::fromStdString(saved));
        QCOMPARE(log_.Messages.value(log_.Messages.size() - 1), "save as: " + QDir(QCoreApplication::applicationDirPath()).filePath("ZEroz01.xwd"));
        QCOMPARE(ReadBytes(saved), XwdFileText(w_->State()));
        QCOMPARE(w_->windowTitle(), QString("Quillmere [seven.xwd]"));
        const std::vector<std::string> generated = test::GridRows(w_->State().Xw.Squares);

        w_->OnNewSymmetricalChosen();  // something else on screen
        QCOMPARE(w_->windowTitle(), QString("Quillmere [untitled]"));
        ShowLeftPage("TabsheetHome");
        ClickChoosing("LoadFileBitBtn", QString::fromStdString(saved));
        QCOMPARE(Find<QTabWidget>("PageControlLeft")->currentWidget()->objectName(), QString("TabSheetFile"));
        QCOMPARE(test::GridRows(w_->State().Xw.Squares), generated);
        CompareWithCoreLoad(saved);
        QVERIFY2(!log_.Messages.join('\n').contains("error"), qPrintable(log_.Messages.join('\n')));

        // Saving the loaded crossword proposes its own name and writes the same bytes.
        const std::string again = Folder().File("again.xwd");
        ClickChoosing("SaveBtn", QString::fromStdString(again));
        QVERIFY(log_.Messages.value(log_.Messages.size() - 1).endsWith("/seven.xwd"));
        QCOMPARE(ReadBytes(again), ReadBytes(saved));

        ClickChoosing("ReloadBtn", QString::fromStdString(again));
        CompareWithCoreLoad(again);
        QCOMPARE(test::GridRows(w_->State().Xw.Squares), generated);
        QVERIFY(w_->State().LoadedFromFile);

        // A new crossword is no longer the loaded one: its edits go back into the fill store again,
        // and it is made today.
        utimbuf old{};
        old.actime = old.modtime = 1709812800;  // 7 Mar 2024, midday
        QCOMPARE(utime(again.c_str(), &old), 0);
        for (auto start : {&MainWindow::OnNewSymmetricalChosen, &MainWindow::OnNewFreeformChosen}) {
            ClickChoosing("ReloadBtn", QString::fromStdString(again));
            QCOMPARE(w_->State().CrosswordDate, (Date{2024, 3, 7}));
            (w_.get()->*start)();
            QVERIFY(!w_->State().LoadedFromFile);
            QCOMPARE(w_->State().CrosswordDate, Today());
            QCOMPARE(w_->windowTitle(), QString("Quillmere [untitled]"));
        }
    }

    void aGridWithoutAnswersIsNotSaved()
    {
        Find<QPushButton>("SymmetricBitBtn")->click();
        ChooseFirstSevenBySeven();
        QVERIFY(Find<QPushButton>("SaveBtn")->isEnabled());
        log_.Files = {File("empty.xwd")};
        Find<QPushButton>("SaveBtn")->click();
        QCOMPARE(log_.Messages, QStringList{"info: " + QString(NothingToSaveMessage)});
        QVERIFY(!std::filesystem::exists(Folder().File("empty.xwd")));
        QCOMPARE(w_->windowTitle(), QString("Quillmere [untitled]"));
    }

    void overwritingAFileIsAskedFirstAndAFailedSaveKeepsTheOldFile()
    {
        LoadNine();
        const std::string path = Folder().File("nine.xwd");
        const std::string before = ReadBytes(path);
        Find<QLineEdit>("TitleEdit")->setText("Changed");

        log_.Answers = {false};
        ClickChoosing("SaveBtn", File("nine.xwd"));
        QCOMPARE(log_.Messages.value(log_.Messages.size() - 1), QString("ask: File Exists.  Overwrite?"));
        QCOMPARE(ReadBytes(path), before);

        // The disk fills up during the save (a file size limit fails the write the same way).
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        log_.Answers = {true};
        ClickChoosing("SaveBtn", File("nine.xwd"));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        QVERIFY2(log_.Messages.value(log_.Messages.size() - 1).startsWith("error: Could not save \"" + File("nine.xwd") + "\""), qPrintable(log_.Messages.value(log_.Messages.size() - 1)));
        QVERIFY(log_.Messages.value(log_.Messages.size() - 1).contains("The previous file, if any, is unchanged."));
        QCOMPARE(ReadBytes(path), before);
        QCOMPARE(std::distance(std::filesystem::directory_iterator(Folder().Path()), std::filesystem::directory_iterator{}), 2);

        log_.Answers = {true};
        ClickChoosing("SaveBtn", File("nine.xwd"));
        QVERIFY(ReadBytes(path).rfind("Title=Changed\r\n", 0) == 0);
        QCOMPARE(w_->windowTitle(), QString("Quillmere [nine.xwd]"));
    }

    void aBrokenFileIsRefusedAndNothingOnScreenChanges()
    {
        LoadNine();
        const std::vector<std::string> grid = test::GridRows(w_->State().Xw.Squares);
        const QStringList across = ListLines("AcrossListBox");
        const std::string text = XwdFileText(w_->State());

        struct Case {
            const char* name;
            std::string bytes;
            const char* problem;
        };
        const std::string oneWord = "Title=T\r\nFont=Arial\r\nBlocking=3\r\nDimension=8\r\nWord Count=2\r\nLetter Count=3\r\n"
                                    "  1A:  1  1:CAT\x04" "3\x05" "Feline\r\n";
        const Case cases[] = {
            {"count.xwd", oneWord, "Inconsistency in File"},
            {"picture.xwd", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary data"},
            {"huge.xwd", "Title=T\r\nFont=Arial\r\nBlocking=3\r\nDimension=40\r\nWord Count=0\r\nLetter Count=0\r\n", "grid size 40"},
        };
        for (const Case& c : cases) {
            test::WriteFile(Folder().File(c.name), c.bytes);
            ClickChoosing("ReloadBtn", File(c.name));
            const QString message = log_.Messages.value(log_.Messages.size() - 1);
            QVERIFY2(message.startsWith("error: ") && message.contains(File(c.name)) && message.contains(c.problem), qPrintable(message));
            QCOMPARE(test::GridRows(w_->State().Xw.Squares), grid);
            QCOMPARE(ListLines("AcrossListBox"), across);
            QCOMPARE(XwdFileText(w_->State()), text);
            QCOMPARE(w_->windowTitle(), QString("Quillmere [nine.xwd]"));
            QCOMPARE(Find<QLineEdit>("TitleEdit")->text(), QString("Nine"));
        }
        log_.Files.clear();
        Find<QPushButton>("ReloadBtn")->click();  // cancelled
        QCOMPARE(XwdFileText(w_->State()), text);
    }

    void aFileGivenToTheProgramIsOnDisplayAtStart()
    {
        // The window started as the program starts it for `quillmere nine.xwd` (a file manager's double click).
        CloseWindow();
        WriteNineByNine(Folder().File("nine.xwd"), "Nine", "DejaVu Sans", 4);
        const WindowCommandLine line = ParseWindowCommandLine({"quillmere", File("nine.xwd")});
        QCOMPARE(line.action, WindowCommandLine::Action::OpenWindow);
        QCOMPARE(line.crosswordFile, File("nine.xwd"));
        uitest::WindowStart start = uitest::GridDictionaryStart(dict_);
        start.Before([&line, prepare = start.BeforeShow](MainWindow& window) {
            prepare(window);
            OpenCommandLineCrossword(window, line);
        });
        QVERIFY(OpenWindow(start));
        QTRY_VERIFY(w_->State().LoadedFromFile);
        QCOMPARE(Find<QTabWidget>("PageControlLeft")->currentWidget()->objectName(), QString("TabSheetFile"));
        CompareWithCoreLoad(Folder().File("nine.xwd"));
        QVERIFY2(log_.Messages.isEmpty(), qPrintable(log_.Messages.join('\n')));
    }

    void aBadFileGivenToTheProgramGivesTheMessageAndAnEmptyWindow()
    {
        const int listedFills = w_->State().Fills.GridsMax;
        const std::vector<std::string> grid = test::GridRows(w_->State().Xw.Squares);
        struct Case {
            const char* name;
            std::string bytes;  ///< none: the file is not there
            const char* problem;
        };
        const Case cases[] = {
            {"picture.xwd", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary data"},
            {"missing.xwd", "", ""},
        };
        for (const Case& c : cases) {
            if (!c.bytes.empty()) test::WriteFile(Folder().File(c.name), c.bytes);
            log_.Messages.clear();
            w_->OpenCrosswordFileAtStart(File(c.name));
            QCOMPARE(log_.Messages.size(), 1);
            const QString message = log_.Messages[0];
            QVERIFY2(message.startsWith("error: ") && message.contains(File(c.name)) && message.contains(c.problem),
                     qPrintable(message));
            QCOMPARE(Find<QTabWidget>("PageControlLeft")->currentWidget()->objectName(), QString("TabsheetHome"));
            QCOMPARE(w_->windowTitle(), QString("Quillmere"));
            QVERIFY(!w_->State().LoadedFromFile);
            QCOMPARE(w_->State().Fills.GridsMax, listedFills);
            QCOMPARE(test::GridRows(w_->State().Xw.Squares), grid);
        }
    }

    void eachModeRedrawsThePreviewAsTheRendererDrawsIt()
    {
        LoadNine();
        ShowOutputPage();
        QCOMPARE(Find<QWidget>("PageImage")->size(), QSize(435, 615));
        const QSize panel = Find<QWidget>("OutputPagePnl")->size();
        QCOMPARE(Find<QWidget>("PageImage")->pos(), QPoint((panel.width() - 435) / 2, (panel.height() - 615) / 2));
        QVERIFY(panel.width() >= 435 && panel.height() >= 615);
        QCOMPARE(Find<PanelStatusBar>("SizeStatusBar")->panelText(0), QString("63 x 63 mm"));
        QVERIFY(Find<QSlider>("GridSizeTrackBar")->isEnabled());
        const char* radios[] = {"PrintRadioReady", "PrintRadioAll",   "PrintRadioGrid",    "PrintRadioEmpty",
                                "PrintRadioClues", "PrintRadioAnswers", "PrintRadioWordList"};
        QList<QImage> seen{Picture()};
        for (int mode : {6, 5, 4, 3, 2, 1, 0}) {
            Find<QRadioButton>(radios[mode])->click();
            QCOMPARE(static_cast<int>(w_->State().Output.Mode), mode);
            QCOMPARE(Picture(), render::RenderPreviewImage(w_->State(), OutputModeOf(mode)));
            if (mode != 0) QVERIFY2(!seen.contains(Picture()), radios[mode]);  // mode 0 was drawn on entering
            seen << Picture();
        }
        QCOMPARE(seen.first(), seen.last());
    }

    void everyOptionChangesThePreviewAtOnce()
    {
        LoadNine();
        ShowOutputPage();
        Find<QRadioButton>("PrintRadioAll")->click();
        auto* track = Find<QSlider>("GridSizeTrackBar");
        auto* fonts = Find<QComboBox>("FontNameCombo");
        auto* defaultBtn = Find<QPushButton>("GridDefaultBtn");
        struct Change {
            const char* name;
            std::function<void()> act;
            std::function<bool()> stateFollows;
        };
        const Change changes[] = {
            {"track bar", [&] { track->setValue(150); }, [&] { return w_->State().Output.GridMM == 150; }},
            {"font", [&] { fonts->setCurrentIndex(fonts->findText("DejaVu Serif")); },
             [&] { return w_->State().Output.FontName == "DejaVu Serif" && Find<QLabel>("FontLabel")->text() == "DejaVu Serif"; }},
            {"blocking", [&] { Find<QComboBox>("BlockingCombo")->setCurrentIndex(7); }, [&] { return w_->State().Output.Blocking == 7; }},
            {"title", [&] { QTest::keyClicks(Find<QLineEdit>("TitleEdit"), "!"); }, [&] { return w_->State().Output.Title == "Nine!"; }},
            {"title box", [&] { Find<QCheckBox>("TitleCheck")->click(); }, [&] { return !w_->State().Output.TitleChecked; }},
            {"extras box", [&] { Find<QCheckBox>("ExtrasCheck")->click(); }, [&] { return !w_->State().Output.ExtrasChecked; }},
            {"default size", [&] { defaultBtn->click(); }, [&] { return w_->State().Output.GridMM == 63 && !defaultBtn->isEnabled(); }},
        };
        QVERIFY(!defaultBtn->isEnabled());
        for (const Change& c : changes) {
            const QImage before = Picture();
            c.act();
            QVERIFY2(c.stateFollows(), c.name);
            QVERIFY2(Picture() != before, c.name);
            QVERIFY2(Picture() == render::RenderPreviewImage(w_->State(), OutputMode::CompletedGridAndClues), c.name);
            if (std::string(c.name) == "track bar") {
                QCOMPARE(Find<PanelStatusBar>("SizeStatusBar")->panelText(0), QString("150 x 150 mm"));
                QVERIFY(defaultBtn->isEnabled());
            }
        }
    }

    void theFontListMarksTrueTypeFontsAndTheStylesHaveSwatches()
    {
        auto* fonts = Find<QComboBox>("FontNameCombo");
        QVERIFY(fonts->count() > 0);
        for (int i = 0; i < fonts->count(); ++i)
            QCOMPARE(!fonts->itemIcon(i).isNull(), render::IsTrueTypeFont(fonts->itemText(i).toStdString()));
        QVERIFY(fonts->findText("DejaVu Sans") >= 0);
        auto* styles = Find<QComboBox>("BlockingCombo");
        QCOMPARE(styles->count(), 9);
        QCOMPARE(styles->currentText(), QString("Grey 30% (default)"));
        QCOMPARE(styles->itemText(8), QString("Crosshatch diag."));
        const QImage black = styles->itemIcon(5).pixmap(16, 16).toImage();
        QCOMPARE(black.pixelColor(8, 8), QColor(Qt::black));
        const QImage grey = styles->itemIcon(3).pixmap(16, 16).toImage();
        QCOMPARE(grey.pixelColor(8, 8), QColor(0xAF, 0xAF, 0xAF));
    }

    void theOutputButtonsFollowTheCrosswordOnScreen()
    {
        const char* controls[] = {"PrintGroupBox", "PrintBtn", "CreateRTFbtn", "CreateHTMbtn", "CreateIpuzBtn", "CreatePuzBtn",
                                  "CreateWebPageBtn", "ExportClipboardBtn", "GridSizeTrackBar", "SaveBtn"};
        for (const char* c : controls) QVERIFY2(!Find<QWidget>(c)->isEnabled(), c);
        LoadNine();
        for (const char* c : controls) QVERIFY2(Find<QWidget>(c)->isEnabled(), c);

        // During a run the crossword is the run's working copy: nothing is saved, loaded or put out.
        w_->State().Run = RunState::Running;
        const qsizetype messages = log_.Messages.size();
        for (const char* button : {"SaveBtn", "ReloadBtn", "PrintBtn", "CreateRTFbtn", "CreateHTMbtn", "CreateIpuzBtn", "CreatePuzBtn",
                                   "CreateWebPageBtn", "ExportClipboardBtn"}) {
            log_.Files = {File("during-run")};
            Find<QPushButton>(button)->click();
            QVERIFY2(log_.Files.size() == 1, button);
        }
        QCOMPARE(log_.Messages.size(), messages);
        w_->State().Run = RunState::Idle;

        Find<QPushButton>("ClearGridBtn")->click();
        for (const char* c : controls) QVERIFY2(!Find<QWidget>(c)->isEnabled(), c);
        ShowOutputPage();
        QVERIFY2(!Find<QSlider>("GridSizeTrackBar")->isEnabled(), "no fill on display");
    }

    void rtfAndHtmlFilesAreWhatTheCoreWritersWrite()
    {
        LoadNine();
        ShowOutputPage();
        Find<QComboBox>("BlockingCombo")->setCurrentIndex(6);
        const QString proposed = "save as: " + QDir(QCoreApplication::applicationDirPath()).filePath("000001");
        struct Case {
            const char* radio;
            int mode;
        };
        for (const Case c : {Case{"PrintRadioAll", 1}, Case{"PrintRadioEmpty", 3}, Case{"PrintRadioAnswers", 5}, Case{"PrintRadioWordList", 6}}) {
            Find<QRadioButton>(c.radio)->click();
            const std::string rtf = Folder().File("out" + std::to_string(c.mode) + ".rtf");
            ClickChoosing("CreateRTFbtn", QString::fromStdString(rtf));
            QCOMPARE(log_.Messages.value(log_.Messages.size() - 1), proposed);
            QCOMPARE(ReadBytes(rtf), RtfDocument(w_->State(), OutputModeOf(c.mode), render::FontTableEntry(w_->State().Output.FontName)));
            const std::string htm = Folder().File("out" + std::to_string(c.mode) + ".htm");
            ClickChoosing("CreateHTMbtn", QString::fromStdString(htm));
            QCOMPARE(ReadBytes(htm), HtmlDocument(w_->State(), OutputModeOf(c.mode)));
        }
        QVERIFY(ReadBytes(Folder().File("out1.rtf")).find("\\clbgbdiag") != std::string::npos);
        QVERIFY(ReadBytes(Folder().File("out1.htm")).find("<h3>Nine</h3>") != std::string::npos);

        // An existing file is replaced only when the user says so.
        const std::string before = ReadBytes(Folder().File("out6.htm"));
        Find<QRadioButton>("PrintRadioClues")->click();
        log_.Answers = {false};
        ClickChoosing("CreateHTMbtn", File("out6.htm"));
        QCOMPARE(log_.Messages.value(log_.Messages.size() - 1), QString("ask: File Exists.  Overwrite?"));
        QCOMPARE(ReadBytes(Folder().File("out6.htm")), before);
        log_.Answers = {true};
        ClickChoosing("CreateHTMbtn", File("out6.htm"));
        QCOMPARE(ReadBytes(Folder().File("out6.htm")), HtmlDocument(w_->State(), OutputMode::ClueListOnly));

        // A folder that is not there: the message names the file, and nothing is left behind.
        ClickChoosing("CreateRTFbtn", File("gone/out.rtf"));
        QVERIFY2(log_.Messages.value(log_.Messages.size() - 1).startsWith("error: Error creating file:"), qPrintable(log_.Messages.value(log_.Messages.size() - 1)));
        QVERIFY(!std::filesystem::exists(Folder().File("gone")));
    }

    void ipuzAndPuzFilesAreWhatTheCoreWritesAndLoadAgain()
    {
        LoadNine();
        ShowOutputPage();
        QCOMPARE(Find<QPushButton>("CreateIpuzBtn")->text(), QString("&ipuz File..."));
        QCOMPARE(Find<QPushButton>("CreatePuzBtn")->text(), QString("&puz File..."));
        const QuillmereState nine = w_->State();
        struct Case {
            const char* button;
            const char* file;
            const char* filter;
            std::string bytes;
        };
        for (const Case& c : {Case{"CreateIpuzBtn", "nine.ipuz", "ipuz Files (*.ipuz)", IpuzFileText(nine)},
                              Case{"CreatePuzBtn", "nine.puz", "Across Lite Files (*.puz)", PuzFileBytes(nine)}}) {
            const std::string path = Folder().File(c.file);
            ClickChoosing(c.button, QString::fromStdString(path));
            QCOMPARE(log_.Filters.value(log_.Filters.size() - 1), QString(c.filter));
            QCOMPARE(ReadBytes(path), c.bytes);

            // Loaded again from the File page: the same grid, answers, enumerations and clues as a
            // single freeform fill, and nothing to say about what was dropped.
            w_->OnNewSymmetricalChosen();
            const qsizetype messages = log_.Messages.size();
            ClickChoosing("ReloadBtn", QString::fromStdString(path));
            QCOMPARE(log_.Filters.value(log_.Filters.size() - 1),
                     QString("Crosswords (*.xwd *.ipuz *.puz);;xwd (*.xwd);;ipuz Files (*.ipuz);;Across Lite Files (*.puz)"));
            QCOMPARE(log_.Messages.size(), messages);
            const QuillmereState& shown = w_->State();
            QCOMPARE(test::GridRows(shown.Xw.Squares), test::GridRows(nine.Xw.Squares));
            QCOMPARE(shown.Xw.WordSlotCount, nine.Xw.WordSlotCount);
            for (int i = 1; i <= nine.Xw.WordSlotCount; ++i) {
                QCOMPARE(shown.Xw.Slot(i).DisplayTxt.str(), nine.Xw.Slot(i).DisplayTxt.str());
                QCOMPARE(shown.Xw.Slot(i).EnumTxt.str(), nine.Xw.Slot(i).EnumTxt.str());
                QCOMPARE(shown.Xw.Slot(i).ClueTxt.str(), nine.Xw.Slot(i).ClueTxt.str());
            }
            QCOMPARE(shown.FillSource, FillSourceKind::Freeform);
            QCOMPARE(ListLines("FreeFillsListBox").size(), 1);
            QCOMPARE(w_->windowTitle(), QString::fromStdString("Quillmere [" + std::string(c.file) + "]"));
        }

        // What a file holds that a crossword here cannot keep is said once, as the core says it.
        const std::string signed_ = Folder().File("signed.puz");
        WriteFileSafely(signed_, PuzFileBytes(nine, "A. Setter"));
        QuillmereState core;
        const std::string notice = LoadCrosswordFile(core, signed_, render::FindInstalledFont).Notice;
        QVERIFY2(notice.find("A. Setter") != std::string::npos, notice.c_str());
        ClickChoosing("LoadFileBitBtn", QString::fromStdString(signed_));
        QCOMPARE(log_.Messages.value(log_.Messages.size() - 1), "info: " + QString::fromStdString(notice));

        // A damaged .puz is refused with the file named, and the crossword on screen stays.
        std::string damaged = PuzFileBytes(nine);
        damaged[damaged.size() - 3] ^= 0x01;
        const std::string bad = Folder().File("damaged.puz");
        WriteFileSafely(bad, damaged);
        const std::vector<std::string> before = test::GridRows(w_->State().Xw.Squares);
        ClickChoosing("ReloadBtn", QString::fromStdString(bad));
        const QString last = log_.Messages.value(log_.Messages.size() - 1);
        QVERIFY2(last.startsWith("error: Could not load") && last.contains("damaged.puz"), qPrintable(last));
        QCOMPARE(test::GridRows(w_->State().Xw.Squares), before);
        QCOMPARE(w_->windowTitle(), QString("Quillmere [signed.puz]"));
    }

    void theWebPageIsWhatTheCommandLineWritesForTheSameFileAndTitle()
    {
        LoadNine();
        ShowOutputPage();
        auto* button = Find<QPushButton>("CreateWebPageBtn");
        QCOMPARE(button->text(), QString("&Web Page to Solve..."));
        struct Case {
            const char* name;
            QString title;
            bool titleShown;
            std::vector<std::string> options;  ///< of quillmere-cli export for the same page
        };
        const Case cases[] = {
            {"title of the file", "Nine", true, {}},
            {"title edited", QString::fromUtf8("Nine & <Ten> \xC3\xA9t\xC3\xA9"), true, {"--title", "Nine & <Ten> \xC3\xA9t\xC3\xA9"}},
            {"title left out", "Nine", false, {"--no-title"}},
        };
        for (const Case& c : cases) {
            Find<QLineEdit>("TitleEdit")->setText(c.title);
            if (Find<QCheckBox>("TitleCheck")->isChecked() != c.titleShown) Find<QCheckBox>("TitleCheck")->click();
            const std::string page = Folder().File("nine.html");
            std::filesystem::remove(page);
            ClickChoosing("CreateWebPageBtn", QString::fromStdString(page));
            QCOMPARE(log_.Filters.value(log_.Filters.size() - 1), QString("Web Pages (*.html)"));
            std::vector<std::string> args = {"export", Folder().File("nine.xwd"), "--format", "web", "--out", Folder().File("cli.html")};
            args.insert(args.end(), c.options.begin(), c.options.end());
            const test::ProgramResult cli = test::RunProgram("quillmere-cli", args);
            QVERIFY2(cli.ExitCode == 0, cli.Err.c_str());
            QVERIFY2(ReadBytes(page) == ReadBytes(Folder().File("cli.html")), c.name);
            QVERIFY2(ReadBytes(page) == WebPageDocument(w_->State()), c.name);
        }

        // No crossword on display, no page.
        Find<QPushButton>("ClearGridBtn")->click();
        QVERIFY(!button->isEnabled());
    }

    void theClipboardGetsTheCoreTextOfTheThreeTextModes()
    {
        LoadNine();
        ShowOutputPage();
        const QuillmereState& state = w_->State();
        struct Case {
            const char* radio;
            int mode;
            const char* message;
        };
        const Case cases[] = {
            {"PrintRadioGrid", 2, "info: Grid copied to clipboard"},
            {"PrintRadioClues", 4, "info: Clue list copied to clipboard"},
            {"PrintRadioWordList", 6, "info: Answer/Clue list copied to clipboard"},
        };
        for (const Case& c : cases) {
            Find<QRadioButton>(c.radio)->click();
            Find<QPushButton>("ExportClipboardBtn")->click();
            QCOMPARE(log_.Messages.value(log_.Messages.size() - 1), QString(c.message));
            const std::string expected = ClipboardTextForMode(OutputModeOf(c.mode), state.Xw, ClueListCount(state.Fills, state.Xw)).Text;
            QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), expected);
        }
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Answers (alphabetical) and Clues\r\n"));
        QVERIFY(QGuiApplication::clipboard()->text().contains("ST AR - Clue 1: with a colon  (1A)\r\n"));

        for (const char* radio : {"PrintRadioReady", "PrintRadioAll", "PrintRadioEmpty", "PrintRadioAnswers"}) {
            QGuiApplication::clipboard()->setText("kept");
            Find<QRadioButton>(radio)->click();
            Find<QPushButton>("ExportClipboardBtn")->click();
            QCOMPARE(log_.Messages.value(log_.Messages.size() - 1), "warning: " + QString(ClipboardModeWarning));
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
        }
    }

    void aPrintoutOfSeveralPagesIsPreviewedPageByPage()
    {
        QuillmereState paged = test::PagedCrosswordState();
        SaveCrosswordFile(paged, Folder().File("long.xwd"));
        ClickChoosing("LoadFileBitBtn", File("long.xwd"));
        ShowOutputPage();
        Find<QRadioButton>("PrintRadioAll")->click();
        auto* buttons = Find<QWidget>("PreviewPagesPanel");
        auto* previous = Find<QAbstractButton>("PreviewPreviousBtn");
        auto* next = Find<QAbstractButton>("PreviewNextBtn");
        auto* label = Find<QLabel>("PreviewPageLabel");
        const int pages = render::PrintedPageCount(w_->State(), OutputMode::CompletedGridAndClues);
        QVERIFY(pages >= 2);
        QVERIFY(buttons->isVisible());
        // The preview stays where it was, whole, with the buttons in the panel's margin beside it.
        auto* image = Find<QWidget>("PageImage");
        QCOMPARE(image->size(), QSize(435, 615));
        QCOMPARE(buttons->parentWidget(), image->parentWidget());
        QVERIFY(buttons->geometry().left() > image->geometry().right());
        QVERIFY(image->parentWidget()->rect().contains(buttons->geometry()));
        QCOMPARE(buttons->geometry().bottom(), image->geometry().bottom());
        for (QWidget* control : std::initializer_list<QWidget*>{previous, next, label})
            QVERIFY2(control->sizeHint().width() <= control->width(), qPrintable(control->objectName()));
        for (int page = 0; page < pages; ++page) {
            QCOMPARE(label->text(), QString("Page %1 of %2").arg(page + 1).arg(pages));
            QCOMPARE(Picture(), render::RenderPreviewImage(w_->State(), OutputMode::CompletedGridAndClues, 435, page));
            QCOMPARE(previous->isEnabled(), page > 0);
            QCOMPARE(next->isEnabled(), page + 1 < pages);
            if (page + 1 < pages) next->click();
        }
        const QImage last = Picture();
        previous->click();
        QCOMPARE(label->text(), QString("Page %1 of %2").arg(pages - 1).arg(pages));
        QVERIFY(Picture() != last);

        // An option keeps the page on show; a mode of one page hides the buttons; entering the page again starts at page 1.
        Find<QCheckBox>("ExtrasCheck")->click();
        QCOMPARE(Picture(), render::RenderPreviewImage(w_->State(), OutputMode::CompletedGridAndClues, 435, pages - 2));
        Find<QRadioButton>("PrintRadioGrid")->click();
        QVERIFY(!buttons->isVisible());
        QCOMPARE(Picture(), render::RenderPreviewImage(w_->State(), OutputMode::CompletedGridOnly));
        Find<QRadioButton>("PrintRadioAll")->click();
        QVERIFY(buttons->isVisible());
        ShowLeftPage("TabSheetFile");
        ShowOutputPage();
        QCOMPARE(label->text(), QString("Page 1 of %1").arg(pages));

        // A crossword whose clues fit on one page shows no buttons.
        LoadNine();
        ShowOutputPage();
        QVERIFY(!buttons->isVisible());
    }

    void theClassSheetOptionsStartOffAndShapeThePreview()
    {
        LoadNine();
        ShowOutputPage();
        struct Option {
            const char* check;
            const char* radio;  ///< a mode whose page the option changes
            bool OutputOptions::*field;
        };
        const Option options[] = {
            {"NameLineCheck", "PrintRadioAll", &OutputOptions::NameLine},
            {"WordBankCheck", "PrintRadioReady", &OutputOptions::WordBank},
            {"FitWidthCheck", "PrintRadioGrid", &OutputOptions::FitWidth},
            {"AnswersHeadingCheck", "PrintRadioAll", &OutputOptions::AnswersHeading},
        };
        for (const Option& o : options) {
            auto* check = Find<QCheckBox>(o.check);
            QVERIFY2(!check->isChecked() && !(w_->State().Output.*o.field), o.check);
            Find<QRadioButton>(o.radio)->click();
            const OutputMode mode = w_->State().Output.Mode;
            const QImage before = Picture();
            check->click();
            QVERIFY2(w_->State().Output.*o.field, o.check);
            QVERIFY2(Picture() != before, o.check);
            QVERIFY2(Picture() == render::RenderPreviewImage(w_->State(), mode), o.check);
            check->click();
            QVERIFY2(!(w_->State().Output.*o.field), o.check);
            QVERIFY2(Picture() == before, o.check);
        }
        // The word bank is for the pupils' sheet: on the answer sheet it changes nothing.
        Find<QRadioButton>("PrintRadioAll")->click();
        const QImage answers = Picture();
        Find<QCheckBox>("WordBankCheck")->click();
        QCOMPARE(Picture(), answers);
    }

    void printingToAPdfFileWritesThePrintedPage()
    {
        LoadNine();
        ShowOutputPage();
        Find<QRadioButton>("PrintRadioClues")->click();
        const std::string pdf = Folder().File("printed.pdf");
        ClickChoosing("PrintBtn", QString::fromStdString(pdf));
        QCOMPARE(log_.Messages.value(log_.Messages.size() - 1), QString("print"));
        const std::string bytes = ReadBytes(pdf);
        QVERIFY2(bytes.rfind("%PDF-", 0) == 0, bytes.substr(0, 16).c_str());
        QVERIFY(bytes.size() > 1000);
        QVERIFY(bytes.find("/MediaBox [0 0 595") != std::string::npos);

        // Cancelled: nothing is printed.
        Find<QPushButton>("PrintBtn")->click();
        QCOMPARE(std::distance(std::filesystem::directory_iterator(Folder().Path()), std::filesystem::directory_iterator{}), 3);
    }
};

QTEST_MAIN(FileOutputTest)
#include "file_output_test.moc"
