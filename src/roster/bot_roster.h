#pragma once
// The roster of bots and its file bots.cfg.

#include <array>
#include <string>
#include <string_view>

namespace tarvex {

inline constexpr int kRosterCapacity = 31;
inline constexpr std::size_t kFieldLength = 32;

struct BotEntry {
    std::string name;
    std::string model;
    std::string topColour;
    std::string bottomColour;
    bool operator==(const BotEntry&) const = default;
};

inline const BotEntry kNewBotEntry{"New Bot", "gordon", "1", "1"};

struct RosterTable {
    std::array<BotEntry, kRosterCapacity> entries;
    int lastIndex = -1; // the last row in use; -1 when empty
    int Count() const { return lastIndex + 1; }
};

// The one roster of the run, edited in place by the roster window.
extern RosterTable BotRoster;

inline constexpr const char* kErr3 = "Err3: bots.cfg is missing from your Tarvex directory.";
inline constexpr const char* kErr5 =
    "Err5: Unable to write bots.cfg (Tarvex directory may not exist).";
inline constexpr const char* kErr7 = "Err7: Couldn't write tempory file.";
inline constexpr const char* kTooManyInFile =
    "bots.cfg holds more than 31 bots: only the first 31 were loaded.";

// One line of bots.cfg. `endedByLineFeed` stands for the space that takes the
// line feed's place: it ends the last field, or joins an unclosed quote.
BotEntry ParseRosterLine(std::string_view line, bool endedByLineFeed);

// Replaces the table with the roster lines of `text`. True when the text held
// more roster lines than the table takes (the extra ones are left out).
bool ReadRosterText(std::string_view text, RosterTable& table);

// The file's bytes: one `bot%d "%s" %s %s %s` line per entry, CR LF between
// lines, none after the last.
std::string WriteRosterText(const RosterTable& table);

// What the file operations need of the roster window.
class RosterHost {
  public:
    virtual void ShowMessage(const std::string& text) = 0;
    // Refresh the list, select and show the first entry, enable the edit boxes.
    virtual void RosterLoaded() = 0;

  protected:
    ~RosterHost() = default;
};

// 0 when bots.cfg was read, 1 (after Err3) when it cannot be.
int LoadRoster(const std::string& botDirectory, RosterTable& table, RosterHost& host);

// 0 when written, or when the roster is empty and the file is left alone;
// 1 (after Err5) when it cannot be written, the old file untouched.
int SaveRoster(const std::string& botDirectory, const RosterTable& table, RosterHost& host);

// The scratch file that lists the bot names: c:\temp.$$$ on Windows; elsewhere
// temp.$$$ in the user's own cache directory, created (mode 0700) on demand.
// Empty when no such directory can be named.
std::string RosterListFilePath();

// Where the scratch file goes when the first place cannot be written: on
// Windows temp.$$$ in "Tarvex Bot Manager" of the user's local application
// data folder, created on demand (a normal user may not create files at the
// root of drive C). Empty elsewhere, or when there is no such folder.
std::string RosterListFallbackPath();

// Each name of entries 0 to lastIndex followed by CR LF.
std::string RosterListText(const RosterTable& table);

// Rewrites the scratch file, never through a link planted at its name; in
// its fallback place when the first cannot be written. False when neither can.
bool WriteRosterListFile(const RosterTable& table);

} // namespace tarvex
