#pragma once
// Runs the program's five windows in a fresh game directory, with every
// message captured instead of shown.

#include "platform/temp_dir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tarvex::testing {

class UiFixture {
  public:
    // Makes the game directory and its Tarvex folder and enters it; the
    // windows are created by Start(), once the test has laid out its files.
    UiFixture();
    ~UiFixture();
    UiFixture(const UiFixture&) = delete;
    UiFixture& operator=(const UiFixture&) = delete;

    void Start();

    std::filesystem::path gameDir() const { return dir_.path() / "game dir"; }
    std::filesystem::path botDir() const { return gameDir() / "Tarvex"; }
    std::filesystem::path cacheDir() const { return dir_.path() / "cache"; }
#ifdef _WIN32
    std::filesystem::path scratchFile() const {
        return "c:\\temp.$$$";
    }
#else
    std::filesystem::path scratchFile() const {
        return cacheDir() / "tarvex-manager" / "temp.$$$";
    }
#endif

    // Messages shown so far, in order; TakeMessages also forgets them.
    std::vector<std::string> messages;
    std::vector<std::string> TakeMessages();

  private:
    TempDir dir_;
    std::filesystem::path previousDir_;
    bool started_ = false;
};

} // namespace tarvex::testing
