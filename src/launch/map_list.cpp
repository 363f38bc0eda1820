#include "launch/map_list.h"

#include "platform/directories.h"
#include "platform/native_file.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace tarvex {

namespace {

// The map box takes no more than this.
constexpr std::size_t kLongestMapName = 256;

bool IsMapFileName(const std::string& name) {
    constexpr std::string_view extension = ".bsp";
    if (name.size() <= extension.size())
        return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

// Calls `fn(entry, name)` for each entry of `folder`; a missing or unreadable
// folder, or one that fails part-way, gives what was read.
template <typename Fn> void ForEachEntryOf(const std::string& folder, Fn&& fn) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(NativePath(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec))
        fn(*it, PathText(it->path().filename()));
}

void AddMapsOf(const std::string& folder, std::vector<std::string>& names) {
    ForEachEntryOf(folder,
                   [&names](const std::filesystem::directory_entry& entry, std::string fileName) {
                       std::error_code typeError;
                       if (!entry.is_regular_file(typeError) || !IsMapFileName(fileName))
                           return;
                       fileName.resize(fileName.size() - 4);
                       if (fileName.size() <= kLongestMapName)
                           names.push_back(std::move(fileName));
                   });
}

// A name the roster file keeps as one unquoted field.
bool IsModelName(const std::string& name) {
    constexpr std::size_t kLongestModelName = 32;
    if (name.empty() || name.size() > kLongestModelName)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= ' ' || byte == 0x7F;
    });
}

void AddModelsOf(const std::string& folder, std::vector<std::string>& names) {
    ForEachEntryOf(
        folder, [&folder, &names](const std::filesystem::directory_entry& entry, std::string name) {
            std::error_code typeError;
            if (!entry.is_directory(typeError) || !IsModelName(name))
                return;
            const std::string model = JoinPath(JoinPath(folder, name), name + ".mdl");
            std::error_code modelError;
            if (std::filesystem::is_regular_file(NativePath(model), modelError))
                names.push_back(std::move(name));
        });
}

// Both games may offer the same name; it is offered once.
std::vector<std::string> SortedOnce(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace

std::vector<std::string> ListMapNames(const std::string& gameDirectory) {
    std::vector<std::string> names;
    AddMapsOf(JoinPath(JoinPath(gameDirectory, "Tarvex"), "maps"), names);
    AddMapsOf(JoinPath(JoinPath(gameDirectory, "valve"), "maps"), names);
    return SortedOnce(std::move(names));
}

std::vector<std::string> ListPlayerModels(const std::string& gameDirectory) {
    std::vector<std::string> names;
    for (const char* game : {"valve", "Tarvex"})
        AddModelsOf(JoinPath(JoinPath(JoinPath(gameDirectory, game), "models"), "player"), names);
    return SortedOnce(std::move(names));
}

} // namespace tarvex
