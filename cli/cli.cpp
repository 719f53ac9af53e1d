// The command-line tool's framework: registry, option parsing and the shared loading steps.
#include "cli/cli.h"

#include "core/util/failure.h"
#include "core/util/text.h"
#include "resources/builtin_resources.h"

#include <filesystem>

namespace qm::cli {

std::vector<Command>& Commands()
{
    static std::vector<Command> commands;
    return commands;
}

Registration::Registration(Command command) { Commands().push_back(std::move(command)); }

std::optional<std::string> Context::Option(const std::string& name)
{
    for (std::size_t i = 0; i < args_.size(); ++i) {
        if (args_[i] != name) continue;
        if (i + 1 >= args_.size()) throw UsageError(name + " needs a value");
        std::string value = args_[i + 1];
        args_.erase(args_.begin() + static_cast<std::ptrdiff_t>(i), args_.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        return value;
    }
    return std::nullopt;
}

std::optional<std::int32_t> Context::IntOption(const std::string& name, std::int32_t min, std::int32_t max)
{
    const auto text = Option(name);
    if (!text) return std::nullopt;
    std::int32_t v = 0;
    if (!TryParseInt(*text, v) || v < min || v > max)
        throw UsageError(name + " needs a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    return v;
}

bool Context::Flag(const std::string& name)
{
    for (std::size_t i = 0; i < args_.size(); ++i)
        if (args_[i] == name) {
            args_.erase(args_.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    return false;
}

std::vector<std::string> Context::Positionals(std::size_t min, std::size_t max)
{
    for (const auto& a : args_)
        if (a.size() > 2 && a.rfind("--", 0) == 0) throw UsageError("unknown option " + a);
    if (args_.size() < min || args_.size() > max) throw UsageError("wrong number of arguments");
    return args_;
}

void Context::LoadDictionary()
{
    std::error_code ec;
    const std::string cwd = std::filesystem::current_path(ec).string();
    std::vector<std::string> folders{dataDir_};
    for (std::string& folder : StandardDictionaryFolders(cwd, exeDir_)) folders.push_back(std::move(folder));
    LoadDictionaryFromDirs(state.Dict, folders);
}

void Context::LoadBuiltInClues()
{
    if (const auto bytes = ReadBuiltInResource("CLUESRES")) state.Clues = LoadClueList(*bytes);
}

void Context::LoadBuiltInCategories()
{
    if (const auto bytes = ReadBuiltInResource("CATEGRES")) LoadWordBitPatterns(state.BitPatterns, *bytes);
}

}  // namespace qm::cli
