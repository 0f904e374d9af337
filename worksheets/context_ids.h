// Module ContextIDs: the help procedures every window calls, and InitHelp with the rule that
// finds PALDEN.HLP in the program's own folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korveld {

class Platform;
struct Universal_Variables;

inline constexpr std::string_view kHelpFileName = "PALDEN.HLP";
inline constexpr char kPathSeparator = '/';

// Help topics and pop-ups by context id.
namespace HelpId {
inline constexpr std::int32_t StartScreen = 8;
inline constexpr std::int32_t ValveCapacity = 12;
inline constexpr std::int32_t ValveSelection = 65;
inline constexpr std::int32_t Introduction = 130;
inline constexpr std::int32_t TechnicalSupport = 140;
inline constexpr std::int32_t HowToUseSelection = 150;
inline constexpr std::int32_t HowToUseCapacity = 160;
inline constexpr std::int32_t EvapTempPopup = 360;
inline constexpr std::int32_t CondTempPopup = 370;
inline constexpr std::int32_t LiqTempPopup = 380;
inline constexpr std::int32_t DistributorPopup = 390;
inline constexpr std::int32_t FlowPopup = 400;
inline constexpr std::int32_t LineConnectionPopup = 410;
inline constexpr std::int32_t EqualizerPopup = 420;
inline constexpr std::int32_t ChargePopup = 430;
} // namespace HelpId

// The help file beside the program: when the folder, blanks trimmed, does not end in the
// separator, the separator and the file name are appended to the folder, else the file name alone.
std::string HelpFilePath(std::string_view applicationFolder, char separator = kPathSeparator);

// Stores the owner of every help window and the help file path in the program-wide variables.
void InitHelp(Universal_Variables& uv, Platform& platform, std::uintptr_t hWnd);

class ContextIDs {
public:
    ContextIDs(const Universal_Variables& uv, Platform& platform) : m_uv(uv), m_platform(platform) {}

    void HelpContext(std::int32_t id) const;
    void HelpContextPopup(std::int32_t id) const;
    void HelpContents() const;
    void HelpSearch() const;

private:
    const Universal_Variables& m_uv;
    Platform& m_platform;
};

} // namespace korveld
