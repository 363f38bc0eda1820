#pragma once
// The bot's options file tarvex.cfg: written whole from the options window's
// controls, read once into them.

#include <string>
#include <string_view>

namespace tarvex {

// The co-op settings pass through the file without a control of their own.
extern std::string coopSciKill;  // initially "1"
extern std::string coopKillMeth; // initially "0"

inline constexpr const char* kErr1 = "Err1: Select navigation type!";
inline constexpr const char* kErr2 =
    "Err2: Unable to create tarvex.cfg (Tarvex directory may not exist)";
inline constexpr const char* kErr4 = "Err4: tarvex.cfg is missing from your Tarvex directory.";

// The reader's working limits; longer texts are cut.
inline constexpr std::size_t kOptionFieldLength = 32;
inline constexpr std::size_t kCoopValueLength = 9;

// The controls that hold a text: edits and combo boxes.
enum class OptionText {
    CFGThinkSpeed,
    CFGBotFov,
    CFGBotSpeed,
    CFGChatfile,
    CFGfreqdied,
    CFGfreqkills,
    CFGNavType,
    CFGMsec,
    CFGMsecMin,
    CFGMsecMax,
};

enum class OptionCheck {
    CFGBotHearing,
    CFGBotPain,
    CFGGaussJump,
    CFGTripmines,
    CFGBotCrowbar,
    CFGUseWPs,
    CFGBotDelay,
    CFGAngleFrame,
    CFGBotTalk,
    CFGCheating,
    CFGTeamplay,
    CFGUse4AllMaps,
};

// What the file operations need of the options window.
class OptionsHost {
  public:
    virtual std::string Text(OptionText control) = 0;
    virtual void SetText(OptionText control, const std::string& text) = 0;
    virtual bool Checked(OptionCheck control) = 0;
    // Runs the box's click handler when the state changes.
    virtual void SetChecked(OptionCheck control, bool checked) = 0;
    virtual int AccuracyPosition() = 0;
    // The track bar brings the position into 0..160.
    virtual void SetAccuracyPosition(int position) = 0;
    // Reading rewrites a text that is no whole number as "0".
    virtual int BotsToSpawn() = 0;
    virtual void SetBotsToSpawn(int value) = 0;
    // The chat file and frequency controls and their prompts.
    virtual void SetChatControlsEnabled(bool enabled) = 0;
    virtual void ShowMessage(const std::string& text) = 0;

  protected:
    ~OptionsHost() = default;
};

// Applies one setting line's key and value to the control the key names;
// unknown keys are ignored.
void ApplyOptionLine(std::string key, std::string value, OptionsHost& host);

// Applies every setting line of a file's text, then the chat rule.
void ReadOptionsText(std::string_view text, OptionsHost& host);

// 0 when read; 1 (after Err4) when the file cannot be read, nothing touched.
int ReadOptionsFile(const std::string& botDirectory, OptionsHost& host);

// "Full", "Minimal" and "Part" give 0, 1 and 2; any other text -1.
int SpeedupFromNavType(const std::string& navType);

// The file's 35 lines, CR LF between them, none after the last. Only valid
// when the navigation text is one of the three names.
std::string WriteOptionsText(OptionsHost& host);

// 0 when written; 1 when the navigation text is not one of the three names and
// 2 when the file cannot be written, both leaving the old file as it was.
// Shows no message.
int WriteOptionsFile(const std::string& botDirectory, OptionsHost& host);

} // namespace tarvex
