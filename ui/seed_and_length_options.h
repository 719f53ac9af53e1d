// SeedAndLengthOptions: the seed word group and the word length settings on the Fill Options tab of the
// freeform Generate page. The seed list shows the imported list's words.
#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

class QListWidget;
class QRadioButton;
class QSpinBox;

namespace qm {
struct ImportedList;
struct QuillmereState;
enum class SeedWordChoice : std::uint8_t;
}  // namespace qm

namespace qm::ui {

/// Seed word: "Random word", "Selected word (right)" with the seed list (SeedListBox), or "Start with grid
/// fill" (not offered); the optimal word length and its variation, kept in the imported list's settings.
/// A seed word chosen or given up says by fillButtonsAllowed whether Quick Fill and Start may be on.
class SeedAndLengthOptions : public QWidget {
    Q_OBJECT
public:
    SeedAndLengthOptions(QuillmereState& state, QWidget* parent);

    /// The seed kind the radio buttons choose, and the selected seed word's row (-1 when none).
    qm::SeedWordChoice Choice() const;
    int SelectedSeed() const;
    /// The imported list's words in the seed list; the seed goes back to a random word.
    void ShowSeedWords(const qm::ImportedList& list);
    /// The imported list's length settings (an import for a symmetrical crossword resets them).
    void ShowLengthOptions();
    /// The controls a run pauses.
    std::vector<QWidget*> PausedByRuns() const;

    void OnSeedWordChosen();
    void OnRandomWordChosen();
    /// A seed word was selected: Quick Fill and Start may be on when it fits the grid.
    void OnSeedListClicked();
    void OnOptimalLengthChanged();
    void OnLengthVariationChanged();

signals:
    void fillButtonsAllowed(bool allowed);

private:
    QuillmereState& state_;
    // Seed word
    QRadioButton* randomWordsRadio_ = nullptr;
    QRadioButton* seedWordRadio_ = nullptr;
    QRadioButton* gridSeedRadio_ = nullptr;
    QListWidget* seedWords_ = nullptr;
    // Word lengths
    QSpinBox* optimalLengthSpin_ = nullptr;
    QSpinBox* lengthVariationSpin_ = nullptr;
};

}  // namespace qm::ui
