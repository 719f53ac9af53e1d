// Single lines of the clue text looked up in place, for a program that needs a few clues, not the list.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace qm {

/// The clue text's lines, each exactly as LoadClueList splits it (at CR LF; line 0 before the first),
/// found in the text itself: the line starts are indexed in one pass the first time a line is asked for.
/// The text must outlive the object.
class ClueLines {
public:
    explicit ClueLines(std::string_view text) : text_(text) {}

    /// Lines the text holds.
    int Count();
    /// Line i; empty beyond the text.
    std::string_view Line(int i);

private:
    void IndexLines();

    std::string_view text_;
    std::vector<std::uint32_t> starts_;  ///< offset of each line; one more entry past the last line
    bool indexed_ = false;
};

}  // namespace qm
