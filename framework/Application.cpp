#include "framework/Application.h"

#include <string>
#include <vector>

#include "framework/DialogBase.h"

namespace framework {

Application* Application::s_current = nullptr;

Application::Application()
{
    s_current = this;
}

Application::~Application()
{
    if (s_current == this)
        s_current = nullptr;
}

Application* Application::Current()
{
    return s_current;
}

namespace {

// The executable's path without its extension.
std::string ModuleStem()
{
    std::vector<char> path(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) >=
           path.size())
        path.resize(path.size() * 2);
    std::string stem(path.data(), length);
    const std::string::size_type dot = stem.rfind('.');
    if (dot != std::string::npos && dot > stem.find_last_of("\\/") + 1)
        stem.erase(dot);
    return stem;
}

}  // namespace

int Application::MessageBoxFromResource(UINT stringId, UINT type, UINT helpContextId) const
{
    char text[1024] = "";
    LoadStringA(GetModuleHandleA(nullptr), stringId, text, sizeof(text));
    const std::string stem = ModuleStem();
    const std::string caption = stem.substr(stem.find_last_of("\\/") + 1);
    MSGBOXPARAMSA params = {};
    params.cbSize = sizeof(params);
    params.hwndOwner = m_pMainWnd ? m_pMainWnd->Handle() : nullptr;
    params.hInstance = GetModuleHandleA(nullptr);
    params.lpszText = text;
    params.lpszCaption = caption.c_str();
    params.dwStyle = type;
    params.dwContextHelpId = helpContextId;
    return MessageBoxIndirectA(&params);
}

bool Application::RouteCommand(UINT)
{
    return false;
}

void Application::OnHelp()
{
    const std::string helpFile = ModuleStem() + ".hlp";
    if (GetFileAttributesA(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES)
        WinHelpA(m_pMainWnd ? m_pMainWnd->Handle() : nullptr, helpFile.c_str(), HELP_FINDER, 0);
}

}  // namespace framework
