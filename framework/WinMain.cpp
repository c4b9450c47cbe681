// The program's entry point: hands over to the one application object.
#include "framework/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    framework::Application* app = framework::Application::Current();
    if (!app)
        return 1;
    app->InitInstance();
    return 0;
}
