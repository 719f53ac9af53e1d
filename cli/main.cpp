// quillmere-cli: entry point, global options (--data, --seed, --help, --version) and command dispatch.
#include "cli/cli.h"

#include "core/util/failure.h"
#include "core/util/text.h"
#include "core/util/version.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace {

std::string ExecutableDir(const char* argv0)
{
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    return self.parent_path().string();
}

void PrintHelp(std::ostream& out)
{
    out << "usage: quillmere-cli [--data DIR] [--seed S] COMMAND [ARGS...]\n\n"
           "Global options:\n"
           "  --data DIR   look for WORD.LST in DIR first (then the working directory, the program's\n"
           "               folder and ../share/quillmere beside the program's folder)\n"
           "  --seed S     reproducible runs: the random generator is seeded with S, S+1, ...\n"
           "  --help       this text; 'quillmere-cli COMMAND --help' shows a command's usage\n"
           "  --version    the program's version\n\n"
           "Commands:\n";
    auto commands = qm::cli::Commands();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
    for (const auto& c : commands) out << "  " << c.Name << " " << c.Usage << "\n      " << c.Summary << "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string dataDir;
    std::optional<std::uint32_t> seed;
    std::vector<std::string> rest;
    bool help = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data" || args[i] == "--seed") {
            if (i + 1 >= args.size()) {
                std::cerr << "quillmere-cli: " << args[i] << " needs a value\n";
                return 2;
            }
            if (args[i] == "--data") {
                dataDir = args[++i];
            } else {
                const std::string& text = args[++i];
                if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos ||
                    std::stoull(text) > 0xFFFFFFFFull) {
                    std::cerr << "quillmere-cli: --seed needs a whole number from 0 to 4294967295\n";
                    return 2;
                }
                seed = static_cast<std::uint32_t>(std::stoull(text));
            }
        } else if (args[i] == "--version" && rest.empty()) {
            std::cout << "quillmere-cli " << qm::ProgramVersion() << "\n";
            return 0;
        } else if ((args[i] == "--help" || args[i] == "-h") && rest.empty()) {
            help = true;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (rest.empty()) {
        PrintHelp(help ? std::cout : std::cerr);
        return help ? 0 : 2;
    }
    const auto& commands = qm::cli::Commands();
    const auto it = std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c.Name == rest[0]; });
    if (it == commands.end()) {
        std::cerr << "quillmere-cli: unknown command \"" << rest[0] << "\"; see --help\n";
        return 2;
    }
    std::vector<std::string> commandArgs(rest.begin() + 1, rest.end());
    if (std::find(commandArgs.begin(), commandArgs.end(), "--help") != commandArgs.end()) {
        std::cout << "usage: quillmere-cli " << it->Name << " " << it->Usage << "\n  " << it->Summary << "\n";
        return 0;
    }
    qm::QuillmereState state;
    if (seed) state.Random.SetClock(qm::SimulatedSeedClock(*seed));
    qm::cli::Context context(std::move(commandArgs), std::cout, std::cerr, state, dataDir, ExecutableDir(argv[0]));
    try {
        return it->Run(context);
    } catch (const qm::cli::UsageError& e) {
        std::cerr << "quillmere-cli " << it->Name << ": " << e.what() << "\nusage: quillmere-cli " << it->Name << " "
                  << it->Usage << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quillmere-cli " << it->Name << ": " << e.what() << "\n";
        return 1;
    }
}
