#include "launch/game_process.h"

#ifdef _WIN32
#include "platform/native_file.h"

#include <windows.h>
#else
#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <unistd.h>

extern char** environ;
#endif

namespace tarvex {

std::vector<std::string> SplitCommandWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false; // a pair of quotes starts a word even if it stays empty
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

#ifdef _WIN32

bool StartProcess(const std::string& commandText, const std::string& workingDirectory,
                  long long* processId) {
    // CreateProcessW may write into the command text, so it gets a copy.
    std::wstring command = Widen(commandText);
    const std::wstring directory = Widen(workingDirectory);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &process))
        return false;
    if (processId)
        *processId = static_cast<long long>(process.dwProcessId);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

#else

namespace {

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool MayExecute(const std::string& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> FindProgramFile(const std::string& name,
                                           const std::string& workingDirectory,
                                           const std::string& searchPath) {
    if (name.empty())
        return std::nullopt;
    const std::string inWorkingDirectory =
        name.front() == '/' ? name : workingDirectory + '/' + name;
    if (IsFile(inWorkingDirectory))
        return inWorkingDirectory;
    if (name.find('/') == std::string::npos)
        return FindOnSearchPath(name, searchPath);
    return std::nullopt;
}

} // namespace

std::optional<std::string> FindOnSearchPath(const std::string& name,
                                            const std::string& searchPath) {
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string::npos)
            end = searchPath.size();
        // An empty entry would mean the working directory, the game's own
        // folder: not a place to pick up programs from.
        if (end > start) {
            const std::string candidate = searchPath.substr(start, end - start) + '/' + name;
            if (IsFile(candidate) && MayExecute(candidate))
                return candidate;
        }
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<ProcessPlan> PlanProcess(std::string_view commandText,
                                       const std::string& workingDirectory,
                                       const std::string& searchPath) {
    const std::vector<std::string> words = SplitCommandWords(commandText);
    std::string name;
    for (std::size_t count = 1; count <= words.size(); ++count) {
        if (count > 1)
            name += ' ';
        name += words[count - 1];
        const std::optional<std::string> program =
            FindProgramFile(name, workingDirectory, searchPath);
        if (!program)
            continue;
        ProcessPlan plan;
        if (MayExecute(*program)) {
            plan.executable = *program;
        } else {
            const std::optional<std::string> wine = FindOnSearchPath("wine", searchPath);
            if (!wine)
                return std::nullopt;
            plan.executable = *wine;
            plan.arguments.push_back(*wine);
        }
        plan.arguments.push_back(*program);
        plan.arguments.insert(plan.arguments.end(), words.begin() + static_cast<long>(count),
                              words.end());
        return plan;
    }
    return std::nullopt;
}

bool StartProcess(const std::string& commandText, const std::string& workingDirectory,
                  long long* processId) {
    const char* path = std::getenv("PATH");
    const std::optional<ProcessPlan> plan =
        PlanProcess(commandText, workingDirectory, path ? path : "");
    if (!plan)
        return false;

    std::vector<std::string> arguments = plan->arguments;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return false;
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return false;
    }
    bool ready = posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str()) == 0;
    // The game gets a session of its own and no blocked signals, so it lives
    // on unaffected after the manager has ended.
    sigset_t noSignals;
    sigemptyset(&noSignals);
    ready = ready && posix_spawnattr_setsigmask(&attributes, &noSignals) == 0;
    short flags = POSIX_SPAWN_SETSIGMASK;
#ifdef POSIX_SPAWN_SETSID
    flags |= POSIX_SPAWN_SETSID;
#endif
    ready = ready && posix_spawnattr_setflags(&attributes, flags) == 0;

    pid_t pid = 0;
    // glibc reports a failed chdir or exec here, not only a failed fork.
    const bool started = ready && posix_spawn(&pid, plan->executable.c_str(), &actions, &attributes,
                                              argv.data(), environ) == 0;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (started && processId)
        *processId = pid;
    return started;
}

#endif

} // namespace tarvex
