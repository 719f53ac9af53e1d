// WindowFixture: the main window a window test drives, over a data folder of its own, and the control helpers those tests share.
#pragma once

#include "core/words/dictionary.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/find_control.h"
#include "tests/ui/support/grid_dictionary.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/main_window.h"

#include <QListWidget>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qm::ui {
class MainStringGrid;
}

namespace qm::uitest {

/// The seed the window tests give the window's random numbers, so that a run fills alike every time.
inline constexpr std::uint32_t TestSeed = 20261210;

/// How a test's window starts: WindowStart(words).Seeded().Before(...).
struct WindowStart {
    WindowStart() = default;  ///< no WORD.LST at all
    explicit WindowStart(std::vector<DictWord> words) : Words(std::move(words)) {}
    WindowStart& Seeded(std::uint32_t seed = TestSeed)
    {
        SimulatedSeed = seed;
        return *this;
    }
    /// A WORD.LST copied from a file (the dictionary the build writes, for a full-size fill).
    WindowStart& WordsFrom(std::filesystem::path file)
    {
        WordFile = std::move(file);
        return *this;
    }
    WindowStart& Before(std::function<void(ui::MainWindow&)> beforeShow)
    {
        BeforeShow = std::move(beforeShow);
        return *this;
    }

    std::optional<std::vector<DictWord>> Words;   ///< WORD.LST in the data folder; none: no such file
    std::optional<std::filesystem::path> WordFile;  ///< else WORD.LST copied from this file
    std::optional<std::uint32_t> SimulatedSeed;   ///< none: the window's own random numbers
    std::function<void(ui::MainWindow&)> BeforeShow;  ///< what the window is given before it first shows
};

/// The start most window tests use: the dictionary made for the first 7 x 7 stock grid (or the given
/// words of it), its clues and the category masks, and TestSeed; dict is read when the window opens.
WindowStart GridDictionaryStart(const GridDictionary& dict);
WindowStart GridDictionaryStart(const GridDictionary& dict, std::vector<DictWord> words);

/// A base for the Qt Test classes of the window (derive from QObject first, then from this). A test
/// opens the window with OpenWindow (in init() or in the test) and closes it with CloseWindow in
/// cleanup(); every opening after a CloseWindow gets a fresh data folder. Dialogs answer from log_
/// and record into it.
class WindowFixture {
protected:
    WindowFixture() = default;
    ~WindowFixture();
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;

    /// Writes WORD.LST, creates the window with a fresh log_, shows it; true once it is exposed
    /// (callers check it: QVERIFY(OpenWindow(...))).
    [[nodiscard]] bool OpenWindow(const WindowStart& start);
    /// Closes the window and drops the data folder with whatever the test wrote into it.
    void CloseWindow();

    /// The data folder of the window (WORD.LST) and of the files a test writes.
    test::TempDir& Folder();
    /// The window's XDG_DATA_HOME, inside the data folder (My grids live there, never in the real home).
    std::filesystem::path DataHome();

    /// A named control of the window; a fatal error when there is none.
    template <typename T>
    T* Find(const char* name)
    {
        return FindControl<T>(w_.get(), name);
    }
    ui::MainStringGrid* Grid();
    /// The objectName of the page on display in PageControlLeft.
    QString LeftPage();
    /// Clicks a square of the grid on display.
    void ClickSquare(int col, int row, Qt::MouseButton button = Qt::LeftButton);
    /// Puts a page of PageControlLeft on display, as a click on its tab would.
    void ShowLeftPage(const char* sheet);

    /// The texts of a list's rows (a list of typed rows or a plain list), top to bottom.
    QStringList ListLines(const char* name);
    /// The fill number a line of a fills list shows (characters 11-14; 0 when they hold no number).
    static int ShownFillNumber(const QString& line);
    /// The score a line of the freeform fills list shows (the number from character 39 on).
    static int ShownScore(const QString& line);
    /// Clicks a list's row (scrolled into view first).
    void ClickItem(QAbstractItemView* list, int row, Qt::MouseButton button = Qt::LeftButton);
    /// Clicks the line of a list that reads exactly text; a failed check when there is none.
    void ClickListed(const char* list, const QString& text);
    /// Chooses the first stock grid of 7 x 7 on the Setup page of a symmetrical crossword: its size in
    /// the list, then its thumbnail.
    void ChooseFirstSevenBySeven();
    /// Chooses the size of a freeform crossword on its Setup page.
    void ChooseFreeformSize(int n);
    /// Starts a run of symmetrical fills from the Generate page.
    void RunSymmetricFills(int repeats);
    /// Imports a word list into the freeform crossword and runs fills of it through the core, not
    /// through the window: a quick way to the state a test is about.
    void RunFreeformFillsInCore(const std::string& wordList, int fills);

    RecordingDialogs::Log log_;      ///< what the window said and asked; answers and files to give it
    std::unique_ptr<ui::MainWindow> w_;  ///< the window, while open

private:
    std::optional<test::TempDir> folder_;
};

}  // namespace qm::uitest
