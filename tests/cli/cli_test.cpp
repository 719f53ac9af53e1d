// quillmere-cli: global options, errors and the dictionary command.
#include "core/util/version.h"
#include "tests/support/fixtures.h"
#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qm {
namespace {

using test::RunProgram;

TEST(Cli, HelpListsTheCommandsAndBadUsageIsRefused)
{
    const auto help = RunProgram("quillmere-cli", {"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("dictionary"), std::string::npos);

    EXPECT_EQ(RunProgram("quillmere-cli", {"no-such-command"}).ExitCode, 2);
    EXPECT_EQ(RunProgram("quillmere-cli", {"--seed", "x", "dictionary"}).ExitCode, 2);
    EXPECT_EQ(RunProgram("quillmere-cli", {"dictionary", "--bogus"}).ExitCode, 2);
}

TEST(Cli, DictionaryPrintsCountsAndLetterRanges)
{
    test::TempDir data;
    test::WriteFile(data.File("WORD.LST"),
                    test::DictionaryBytes({test::Word("CAT"), test::Word("COW"), test::Word("DOG"), test::Word("HORSE")}));
    const auto r = RunProgram("quillmere-cli", {"--data", data.Path().string(), "dictionary"});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_NE(r.Out.find(" 3 letters:     3 words  C 1-2  D 3-3\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find(" 5 letters:     1 words  H 1-1\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("total 4 words"), std::string::npos);
}

TEST(Cli, MissingDictionaryIsReported)
{
    // A copy of the program in an empty folder: no WORD.LST in the working folder or beside it.
    test::TempDir empty;
    const std::string copy = empty.File("quillmere-cli");
    std::filesystem::copy_file(std::string(QUILLMERE_BIN_DIR) + "/quillmere-cli", copy);
    const auto r = RunProgram(copy, {"dictionary"}, empty.Path().string());
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_NE(r.Err.find("File not found"), std::string::npos);
    // Every folder searched is named: the working folder, the program's, and the installed data folder.
    const std::string installed = (empty.Path().parent_path() / "share/quillmere").string();
    for (const std::string& folder : {empty.Path().string(), installed})
        EXPECT_NE(r.Err.find("\n  " + folder + "\n"), std::string::npos) << folder << " in:\n" << r.Err;
}

TEST(Cli, AnInstalledCopyFindsItsDictionaryBesideItsFolder)
{
    // prefix/bin/quillmere-cli with prefix/share/quillmere/WORD.LST, as `cmake --install` or an
    // unpacked package lays them out, used from an unrelated working folder.
    test::TempDir prefix, elsewhere;
    std::filesystem::create_directories(prefix.File("bin"));
    std::filesystem::create_directories(prefix.File("share/quillmere"));
    std::filesystem::copy_file(std::string(QUILLMERE_BIN_DIR) + "/quillmere-cli", prefix.File("bin/quillmere-cli"));
    test::WriteFile(prefix.File("share/quillmere/WORD.LST"), test::DictionaryBytes({test::Word("CAT"), test::Word("EWE")}));
    const auto installed = RunProgram(prefix.File("bin/quillmere-cli"), {"dictionary"}, elsewhere.Path().string());
    EXPECT_EQ(installed.ExitCode, 0) << installed.Err;
    EXPECT_NE(installed.Out.find("total 2 words"), std::string::npos) << installed.Out;

    // The working folder comes first, then the program's own folder.
    test::WriteFile(prefix.File("bin/WORD.LST"), test::DictionaryBytes({test::Word("CAT"), test::Word("COW"), test::Word("DOG")}));
    EXPECT_NE(RunProgram(prefix.File("bin/quillmere-cli"), {"dictionary"}, elsewhere.Path().string()).Out.find("total 3 words"),
              std::string::npos);
    test::WriteFile(elsewhere.File("WORD.LST"), test::DictionaryBytes({test::Word("HORSE")}));
    EXPECT_NE(RunProgram(prefix.File("bin/quillmere-cli"), {"dictionary"}, elsewhere.Path().string()).Out.find("total 1 words"),
              std::string::npos);
}

TEST(Cli, VersionIsTheProjectsVersion)
{
    const auto r = RunProgram("quillmere-cli", {"--version"});
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Out, std::string("quillmere-cli ") + ProgramVersion() + "\n");
    const auto window = RunProgram("quillmere", {"--version"});
    EXPECT_EQ(window.ExitCode, 0) << window.Err;
    EXPECT_EQ(window.Out, std::string("quillmere ") + ProgramVersion() + "\n");
}

}  // namespace
}  // namespace qm
