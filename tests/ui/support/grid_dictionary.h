// GridDictionary: a small dictionary made to fill the first 7 x 7 stock grid, for window tests and screenshots.
#pragma once

#include "core/words/dictionary.h"

#include <string>
#include <vector>

namespace qm::ui {
class MainWindow;
}

namespace qm::uitest {

/// The words of one complete filling of the first 7 x 7 stock grid (letters from a fixed sequence),
/// each with its own clue ("Clue for WORD"), plus a variant of the across word in the top left corner
/// that differs in its second square, which no down word crosses: that word has one alternative.
struct GridDictionary {
    std::vector<DictWord> Words;
    std::string ClueText = "\r\n";  ///< the clue lines, line 0 empty
    std::string VariantOf;          ///< the word that has an alternative
    std::string Variant;            ///< the alternative
};

GridDictionary MakeGridDictionary();

/// Gives the window the category masks the program carries (bit k for category k), as its built-in
/// data would.
void GiveCategoryMasks(ui::MainWindow& window);

/// Gives the window the clues of the dictionary and the category masks the program carries (every
/// word of it is uncategorised), as its built-in data would.
void UseWithWindow(const GridDictionary& dict, ui::MainWindow& window);

}  // namespace qm::uitest
