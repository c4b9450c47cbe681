// The application object: one static instance per program, started by WinMain.
#pragma once

#include <windows.h>

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

    // The per-instance start-up, which does all the work: there is no message loop of
    // the framework's own. Returning false ends the program.
    virtual bool InitInstance() = 0;

    // A message box with a string resource as text and the program's title (the
    // executable's base name without its extension) as caption.
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
