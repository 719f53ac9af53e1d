// DictionaryOptionsTab: the " Dictionary Options " tab of the symmetrical Generate page: which words a
// symmetrical fill may use (dictionary, imported list, parts of speech, rarity, subject categories) and
// the table of words per length.
#pragma once

#include <QList>
#include <QWidget>

#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QVBoxLayout;

namespace qm {
struct SelectionOptions;
}

namespace qm::ui {

class CountTable;
class MainWindow;
class PanelStatusBar;

/// The tab (objectName TabSheetSymmDictionary) and its controls. It sets the fill source and the word
/// selection of the main window's state; the subject categories' choices it reads from the main window.
/// What it changes that the rest of the Generate page shows, it reports by signals.
class DictionaryOptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit DictionaryOptionsTab(MainWindow& window);

    /// Gives the table of words per length its font, rows and captions (once, at start).
    void InitWordsPerLengthTable();
    /// Rebuilds the selection masks from the controls (and the Default button's state).
    void BuildSelectionMasks();
    /// Recounts the words per length and shows them in DictionaryStringGrid and the status bars.
    void CountSelection();
    /// An imported list for a symmetrical crossword: its two choices become available, and the imported
    /// words are used together with the dictionary.
    void OfferImportedList();
    /// The subject categories button's caption while the categories are not on show.
    void ResetCategoriesCaption();
    /// The word count shown below the table.
    QString WordsText() const;
    /// The word source choices: what a symmetrical run pauses on this tab.
    std::vector<QWidget*> SourceChoices() const;
    void SetPanelColours();

signals:
    /// The fill source may have changed (the Generate page describes it).
    void fillSourceChosen();
    /// The words were counted: the dictionary's word count, for the fills' status bar.
    void wordsCounted(const QString& dictionaryText);

private:
    /// Parts of speech and the rarity track bar.
    void AddWordFilters(QVBoxLayout* col);
    void ConnectControls();
    qm::SelectionOptions ReadSelectionOptions() const;
    void SetDictionaryControls(bool enabled);

    void OnDictionaryChosen();
    void OnImportedListOnlyChosen();
    void OnWordFilterClicked();
    void OnRarityChanged();
    void OnDefaultClicked();

    MainWindow& window_;
    QFrame* dictionaryOptionsPanel_ = nullptr;
    QRadioButton* useDictionaryRadio_ = nullptr;
    QRadioButton* importedListOnlyRadio_ = nullptr;
    QCheckBox* alsoImportedListCheck_ = nullptr;
    QLabel* partsOfSpeechLabel_ = nullptr;
    QCheckBox* commonNounsCheck_ = nullptr;
    QCheckBox* properNounsCheck_ = nullptr;
    QCheckBox* otherPartsOfSpeechCheck_ = nullptr;
    QCheckBox* initialsCheck_ = nullptr;
    QLabel* frequencyLabel_ = nullptr;
    QSlider* raritySlider_ = nullptr;
    QList<QLabel*> rarityLabels_;
    QPushButton* defaultDictionaryButton_ = nullptr;
    QPushButton* subjectCategoriesButton_ = nullptr;
    CountTable* wordsPerLengthTable_ = nullptr;
    PanelStatusBar* dictionaryStatus_ = nullptr;
};

}  // namespace qm::ui
