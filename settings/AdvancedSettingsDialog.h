// The one settings dialog.
#pragma once

#include "framework/DialogBase.h"
#include "settings/AdvancedSettings.h"

class AdvancedSettingsDialog : public framework::Dialog<AdvancedSettingsDialog> {
public:
    AdvancedSettingsDialog();

    const AdvancedSettings& Settings() const { return m_settings; }

    // Exchange in one direction, then the enable rules.
    bool UpdateControls(framework::ExchangeDirection direction);
    // Pulls the controls into the record and saves it.
    void StoreSettings();

    static const framework::MessageMapEntry<AdvancedSettingsDialog> kMessageMap[];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(framework::DataExchange& exchange) override;

private:
    void ApplyEnableRules();

    bool OnPaint(WPARAM, LPARAM, LRESULT& result);
    bool OnQueryDragIcon(WPARAM, LPARAM, LRESULT& result);
    void OnGameDetectionClicked();
    void OnRestoreDefaults();
    void OnDriverMethodClicked();
    void OnWindowsMethodClicked();

    // Apply and OK restart the driver's helper around the save.
    void OnApply();
    void OnOkClicked();
    static bool IsHelperRunning();
    static void QuitHelper();
    static void LaunchHelper();

    AdvancedSettings m_settings;
    HICON m_hIcon;
};
