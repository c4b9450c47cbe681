#include "framework/Application.h"

#include <algorithm>
#include <iterator>
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

template <class Char>
bool IsSeparator(Char c)
{
    return c == Char('\\') || c == Char('/');
}

// The executable's path without its extension, terminated, in the characters of the
// function that reads it: ANSI for the data beside the program, Unicode for what the
// user reads, since the name may hold characters that the ANSI code page lacks. (Not a
// std::wstring, whose runtime code would make the shipped program 36 KB larger.)
template <class Char>
std::vector<Char> ModuleStem(DWORD(WINAPI* getModuleFileName)(HMODULE, Char*, DWORD))
{
    std::vector<Char> path(MAX_PATH);
    DWORD length = 0;
    while ((length = getModuleFileName(nullptr, path.data(), static_cast<DWORD>(path.size()))) >=
           path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    const auto name = std::find_if(path.rbegin(), path.rend(), IsSeparator<Char>).base();
    const auto dot = std::find(path.rbegin(), std::make_reverse_iterator(name), Char('.'));
    if (dot.base() != name && dot.base() - 1 != name)
        path.erase(dot.base() - 1, path.end());
    path.push_back(Char());
    return path;
}

}  // namespace

// The text and the caption go to the screen as Unicode: the German resource texts then show
// whatever the system's ANSI code page, which may have no umlauts.
int Application::MessageBoxFromResource(UINT stringId, UINT type, UINT helpContextId) const
{
    wchar_t text[1024] = L"";
    LoadStringW(GetModuleHandleW(nullptr), stringId, text, 1024);
    const std::vector<wchar_t> stem = ModuleStem(GetModuleFileNameW);
    const wchar_t* caption =
        &*std::find_if(stem.rbegin(), stem.rend(), IsSeparator<wchar_t>).base();
    MSGBOXPARAMSW params = {};
    params.cbSize = sizeof(params);
    params.hwndOwner = m_pMainWnd ? m_pMainWnd->Handle() : nullptr;
    params.hInstance = GetModuleHandleW(nullptr);
    params.lpszText = text;
    params.lpszCaption = caption;
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
    const std::string helpFile = std::string(ModuleStem(GetModuleFileNameA).data()) + ".hlp";
    if (GetFileAttributesA(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES)
        WinHelpA(m_pMainWnd ? m_pMainWnd->Handle() : nullptr, helpFile.c_str(), HELP_FINDER, 0);
}

}  // namespace framework
