// The application: checks the driver version, then runs the settings dialog.
#pragma once

#include "framework/Application.h"
#include "framework/MessageMap.h"

class AdvancedSettingsApp : public framework::Application {
public:
    // Runs the dialog, or explains that the driver is too old. Always false: the
    // program ends when the dialog or the message box closes.
    bool InitInstance() override;

    bool RouteCommand(UINT id) override;

    static const framework::MessageMapEntry<AdvancedSettingsApp> kMessageMap[];
};
