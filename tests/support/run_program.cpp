// Runs a program of the build with fork/exec and collects what it writes.
#include "tests/support/run_program.h"

#include "tests/support/fixtures.h"

#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace qm::test {

namespace {
std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& workingDir)
{
    TempDir capture;
    const std::string out = capture.File("out");
    const std::string err = capture.File("err");
    const std::string exe = program.find('/') != std::string::npos ? program : std::string(QUILLMERE_BIN_DIR) + "/" + program;
    const pid_t pid = fork();
    if (pid == 0) {
        if (!workingDir.empty() && chdir(workingDir.c_str()) != 0) _exit(126);
        if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(126);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(exe.c_str()));
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ProgramResult result;
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Out = Slurp(out);
    result.Err = Slurp(err);
    return result;
}

}  // namespace qm::test
