// The application object: one static instance per program, started by WinMain.
#pragma once

#include <windows.h>

#include <string>

namespace framework {

class DialogBase;

class Application {
public:
    Application();
    virtual ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one instance of the program, or null when none was constructed.
    static Application* Current();

    // The per-instance start-up. Returning false ends the program.
    virtual bool InitInstance() = 0;

    // Runs InitInstance; the program's exit code.
    int Run();

    // The program's title: the executable's base name without its extension.
    std::string Title() const;

    // A message box with a string resource as text and the title as caption.
    int MessageBoxFromResource(UINT stringId, UINT type, UINT helpContextId) const;

    // Commands that no window handled come here. False when the map has no entry.
    virtual bool RouteCommand(UINT id);

    // The default help: opens the help file named after the executable, if one exists.
    void OnHelp();

    DialogBase* m_pMainWnd = nullptr;

private:
    static Application* s_current;
};

}  // namespace framework
