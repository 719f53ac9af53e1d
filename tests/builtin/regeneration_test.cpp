// The dictionary generator is deterministic: a second run gives the build's data byte for byte.
#include "core/util/file_io.h"
#include "tests/support/fixtures.h"
#include "tests/support/run_program.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

std::string Bytes(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

TEST(DictionaryGenerator, SecondRunGivesIdenticalFiles)
{
    test::TempDir out;
    const auto gen = test::RunProgram(QUILLMERE_PYTHON, {QUILLMERE_DICTGEN_SCRIPT, "--out", out.Path().string()});
    ASSERT_EQ(gen.ExitCode, 0) << gen.Err;
    for (const char* name : {"words.tsv", "CLUESRES", "CATEGRES"}) {
        const std::string again = Bytes(out.File(name));
        EXPECT_FALSE(again.empty()) << name;
        EXPECT_TRUE(again == Bytes(std::string(QUILLMERE_DICTGEN_OUT_DIR) + "/" + name)) << name << " differs";
    }
    const auto lst = test::RunProgram("quillmere-wordlst", {out.File("words.tsv"), out.File("WORD.LST")});
    ASSERT_EQ(lst.ExitCode, 0) << lst.Err;
    EXPECT_TRUE(Bytes(out.File("WORD.LST")) == Bytes(std::string(QUILLMERE_BIN_DIR) + "/WORD.LST"));
}

}  // namespace
}  // namespace qm
