// Apply and OK: the settings are written while the driver's helper is stopped.
#include "settings/AdvancedSettingsDialog.h"

// Completed together with the process list.
void AdvancedSettingsDialog::OnApply()
{
    StoreSettings();
}

void AdvancedSettingsDialog::OnOkClicked()
{
    OnApply();
    OnOK();
}
