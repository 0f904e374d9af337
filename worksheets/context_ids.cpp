#include "worksheets/context_ids.h"

#include "engine/universal_variables.h"
#include "worksheets/platform.h"

namespace korveld {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string HelpFilePath(std::string_view applicationFolder, char separator) {
    std::string_view trimmed = applicationFolder;
    while (!trimmed.empty() && isBlank(trimmed.back())) {
        trimmed.remove_suffix(1);
    }
    while (!trimmed.empty() && isBlank(trimmed.front())) {
        trimmed.remove_prefix(1);
    }
    std::string path(applicationFolder);
    if (trimmed.empty() || trimmed.back() != separator) {
        path += separator;
    }
    path += kHelpFileName;
    return path;
}

void InitHelp(Universal_Variables& uv, Platform& platform, std::uintptr_t hWnd) {
    uv.HelpWnd = hWnd;
    uv.HelpFile = HelpFilePath(platform.ApplicationFolder());
}

void ContextIDs::HelpContext(std::int32_t id) const {
    m_platform.WinHelp(m_uv.HelpWnd, m_uv.HelpFile, HelpCommand::Context, static_cast<std::uint32_t>(id), {});
}

void ContextIDs::HelpContextPopup(std::int32_t id) const {
    m_platform.WinHelp(m_uv.HelpWnd, m_uv.HelpFile, HelpCommand::ContextPopup, static_cast<std::uint32_t>(id), {});
}

void ContextIDs::HelpContents() const {
    m_platform.WinHelp(m_uv.HelpWnd, m_uv.HelpFile, HelpCommand::Index, 0, {});
}

void ContextIDs::HelpSearch() const {
    m_platform.WinHelp(m_uv.HelpWnd, m_uv.HelpFile, HelpCommand::PartialKey, 0, std::string());
}

} // namespace korveld
