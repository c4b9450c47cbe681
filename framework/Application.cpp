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

// A text of the system's ANSI code page as Unicode, terminated. Every character of the
// code page, one byte or two, is one UTF-16 unit. (Not a std::wstring, whose runtime code
// would make the shipped program 36 KB larger.)
std::vector<wchar_t> FromAnsi(const std::string& text)
{
    std::vector<wchar_t> wide(text.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

}  // namespace

// The text and the caption go to the screen as Unicode: the German resource texts then show
// whatever the system's ANSI code page, which may have no umlauts.
int Application::MessageBoxFromResource(UINT stringId, UINT type, UINT helpContextId) const
{
    wchar_t text[1024] = L"";
    LoadStringW(GetModuleHandleW(nullptr), stringId, text, 1024);
    const std::string stem = ModuleStem();
    const std::vector<wchar_t> caption = FromAnsi(stem.substr(stem.find_last_of("\\/") + 1));
    MSGBOXPARAMSW params = {};
    params.cbSize = sizeof(params);
    params.hwndOwner = m_pMainWnd ? m_pMainWnd->Handle() : nullptr;
    params.hInstance = GetModuleHandleW(nullptr);
    params.lpszText = text;
    params.lpszCaption = caption.data();
    params.dwStyle = type;
    params.dwContextHelpId = helpContextId;
    return MessageBoxIndirectW(&params);
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
