// Indexing the lines of a clue text and reading single lines from it.
#include "core/clues/clue_lines.h"

#include <cstring>

namespace qm {

void ClueLines::IndexLines()
{
    indexed_ = true;
    starts_.clear();
    std::size_t start = 0;
    while (start < text_.size()) {
        starts_.push_back(static_cast<std::uint32_t>(start));
        const std::size_t end = text_.find("\r\n", start);
        if (end == std::string_view::npos) {
            start = text_.size() + 2;
            break;
        }
        start = end + 2;
    }
    if (starts_.empty()) starts_.push_back(0);  // like LoadClueList: an empty text is one empty line
    starts_.push_back(static_cast<std::uint32_t>(start));
}

int ClueLines::Count()
{
    if (!indexed_) IndexLines();
    return static_cast<int>(starts_.size()) - 1;
}

std::string_view ClueLines::Line(int i)
{
    if (i < 0 || i >= Count()) return {};
    const std::size_t begin = starts_[static_cast<std::size_t>(i)];
    const std::size_t end = std::min<std::size_t>(starts_[static_cast<std::size_t>(i) + 1] - 2, text_.size());
    return begin >= end ? std::string_view() : text_.substr(begin, end - begin);
}

}  // namespace qm
