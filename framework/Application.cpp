#include "framework/Application.h"

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

int Application::Run()
{
    // Start-up does all its work in InitInstance; there is no message loop of our own.
    InitInstance();
    return 0;
}

namespace {

std::string ModulePath()
{
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::string Application::Title() const
{
    std::string name = ModulePath();
    const std::string::size_type slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

int Application::MessageBoxFromResource(UINT stringId, UINT type, UINT helpContextId) const
{
    char text[1024] = "";
    LoadStringA(GetModuleHandleA(nullptr), stringId, text, sizeof(text));
    const std::string caption = Title();
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
    std::string helpFile = ModulePath();
    const std::string::size_type dot = helpFile.rfind('.');
    if (dot != std::string::npos)
        helpFile.erase(dot);
    helpFile += ".hlp";
    if (GetFileAttributesA(helpFile.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    WinHelpA(m_pMainWnd ? m_pMainWnd->Handle() : nullptr, helpFile.c_str(), HELP_FINDER, 0);
}

}  // namespace framework
