#include "launch/map_list.h"

#include "platform/directories.h"

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

void AddMapsOf(const std::string& folder, std::vector<std::string>& names) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string fileName;
        try {
            fileName = it->path().filename().string();
        } catch (const std::exception&) {
            continue; // a name the narrow character set cannot hold
        }
        if (!IsMapFileName(fileName))
            continue;
        fileName.resize(fileName.size() - 4);
        if (fileName.size() <= kLongestMapName)
            names.push_back(std::move(fileName));
    }
}

} // namespace

std::vector<std::string> ListMapNames(const std::string& gameDirectory) {
    std::vector<std::string> names;
    AddMapsOf(JoinPath(JoinPath(gameDirectory, "Tarvex"), "maps"), names);
    AddMapsOf(JoinPath(JoinPath(gameDirectory, "valve"), "maps"), names);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace tarvex
