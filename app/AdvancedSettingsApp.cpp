#include "app/AdvancedSettingsApp.h"

#include "app/DriverVersion.h"
#include "resources/resource.h"
#include "settings/AdvancedSettingsDialog.h"

const framework::MessageMapEntry<AdvancedSettingsApp> AdvancedSettingsApp::kMessageMap[] = {
    framework::OnClicked<AdvancedSettingsApp>(ID_HELP, &AdvancedSettingsApp::OnHelp),
    framework::EndOfMessageMap<AdvancedSettingsApp>(),
};

bool AdvancedSettingsApp::InitInstance()
{
    if (!IsDriverSupported()) {
        MessageBoxFromResource(IDS_DRIVER_TOO_OLD, MB_OK | MB_ICONINFORMATION, IDS_DRIVER_TOO_OLD);
        return false;
    }
    AdvancedSettingsDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

bool AdvancedSettingsApp::RouteCommand(UINT id)
{
    LRESULT result = 0;
    return framework::DispatchMessageMap(*this, kMessageMap, WM_COMMAND, MAKEWPARAM(id, 0), 0,
                                         result);
}
