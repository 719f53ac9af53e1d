// The manual page of quillmere-cli says what the program does: its commands, with their usage as the
// program prints it, and its global options; and groff reads both manual pages without a warning.
#include "core/util/file_io.h"
#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace qm {
namespace {

using test::RunProgram;

const std::string PageFolder = std::string(QUILLMERE_SOURCE_DIR) + "/desktop/";

std::string Collapsed(const std::string& text)
{
    std::string out;
    std::istringstream words(text);
    for (std::string w; words >> w;) out += (out.empty() ? "" : " ") + w;
    return out;
}

/// The page as a reader sees it, as plain text on very long lines.
std::string Rendered(const std::string& page)
{
    const auto r = RunProgram("/usr/bin/groff", {"-man", "-Tascii", "-P-cbou", "-rLL=1000n", PageFolder + page});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    return r.Out;
}

/// "name usage" of every command that --help lists.
std::set<std::string> CommandsOfHelp(const std::string& help)
{
    std::set<std::string> commands;
    std::istringstream lines(help.substr(help.find("Commands:")));
    for (std::string line; std::getline(lines, line);)
        if (line.size() > 2 && line.compare(0, 2, "  ") == 0 && line[2] >= 'a' && line[2] <= 'z')
            commands.insert(Collapsed(line));
    return commands;
}

/// "name usage" of every entry of the page's COMMANDS section, as rendered.
std::set<std::string> CommandsOfPage(const std::string& rendered)
{
    std::set<std::string> commands;
    const auto start = rendered.find("\nCOMMANDS\n");
    const auto end = rendered.find("\nFILES\n");
    EXPECT_NE(start, std::string::npos);
    EXPECT_NE(end, std::string::npos);
    std::istringstream lines(rendered.substr(start + 10, end - start - 10));
    // An entry's heading is indented by one step, its description by two.
    for (std::string line; std::getline(lines, line);)
        if (line.find_first_not_of(' ') == 7) commands.insert(Collapsed(line));
    return commands;
}

TEST(ManualPage, ListsEveryCommandWithItsUsage)
{
    const auto help = RunProgram("quillmere-cli", {"--help"});
    ASSERT_EQ(help.ExitCode, 0);
    const auto inHelp = CommandsOfHelp(help.Out);
    ASSERT_FALSE(inHelp.empty());
    const auto inPage = CommandsOfPage(Rendered("quillmere-cli.1"));
    for (const auto& c : inHelp) EXPECT_TRUE(inPage.count(c)) << "the manual page lacks: " << c;
    for (const auto& c : inPage) EXPECT_TRUE(inHelp.count(c)) << "the program has no command: " << c;
}

TEST(ManualPage, DescribesEveryGlobalOption)
{
    const auto help = RunProgram("quillmere-cli", {"--help"});
    const std::string globals = help.Out.substr(0, help.Out.find("Commands:"));
    const std::string page = Rendered("quillmere-cli.1");
    const std::string section = page.substr(page.find("GLOBAL OPTIONS"), page.find("\nCOMMANDS\n") - page.find("GLOBAL OPTIONS"));
    std::istringstream lines(globals);
    int options = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  --", 0) != 0) continue;
        const std::string option = line.substr(2, line.find(' ', 2) - 2);
        ++options;
        EXPECT_NE(section.find("\n       " + option), std::string::npos) << option;
    }
    EXPECT_GE(options, 4);  // --data, --seed, --help, --version
}

TEST(ManualPage, BothPagesReadWithoutWarnings)
{
    for (const char* page : {"quillmere-cli.1", "quillmere.1"}) {
        const auto r = RunProgram("/usr/bin/groff", {"-ww", "-z", "-man", PageFolder + page});
        EXPECT_EQ(r.ExitCode, 0) << page;
        EXPECT_EQ(r.Err, "") << page;
    }
}

}  // namespace
}  // namespace qm
