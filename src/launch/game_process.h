#pragma once
// Starts the game's command line as a process of its own, without waiting.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// Starts `commandText` in `workingDirectory` and returns at once. False when
// nothing could be started. `processId`, when given, receives the new
// process's id. On Windows the text (UTF-8) goes to the system unchanged, in
// wide characters; elsewhere it is read as described at PlanProcess.
bool StartProcess(const std::string& commandText, const std::string& workingDirectory,
                  long long* processId = nullptr);

// The words of a command text: split at spaces; a pair of double quotes keeps
// spaces inside a word and is itself dropped, so `""` is an empty word.
std::vector<std::string> SplitCommandWords(std::string_view text);

#ifndef _WIN32

struct ProcessPlan {
    std::string executable;             // the file handed to the system
    std::vector<std::string> arguments; // the new process's argv, argv[0] first
};

// The program is the shortest run of leading words, joined by single spaces,
// that names an existing file, so an unquoted game directory with spaces
// still works; the words after it are its arguments. A relative name is
// looked for in `workingDirectory`, and a name without a slash then also on
// `searchPath` (a PATH value). A program file that may not be executed
// (typically the game's Windows executable) is run through `wine` from
// `searchPath`. Nothing when no run names a file, or no wine is there for a
// file that needs it.
std::optional<ProcessPlan> PlanProcess(std::string_view commandText,
                                       const std::string& workingDirectory,
                                       const std::string& searchPath);

// The first executable file called `name` in the folders of `searchPath`.
std::optional<std::string> FindOnSearchPath(const std::string& name, const std::string& searchPath);

#endif

} // namespace tarvex
