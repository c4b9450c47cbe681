#include "settings/AdvancedSettingsDialog.h"

#include "app/DriverVersion.h"
#include "resources/resource.h"

using framework::ExchangeDirection;

const framework::MessageMapEntry<AdvancedSettingsDialog> AdvancedSettingsDialog::kMessageMap[] = {
    framework::OnMessage(WM_PAINT, &AdvancedSettingsDialog::OnPaint),
    framework::OnMessage(WM_QUERYDRAGICON, &AdvancedSettingsDialog::OnQueryDragIcon),
    framework::OnClicked(IDC_GAME_DETECTION, &AdvancedSettingsDialog::OnGameDetectionClicked),
    framework::OnClicked(IDC_RESTORE_DEFAULTS, &AdvancedSettingsDialog::OnRestoreDefaults),
    framework::OnClicked(IDC_METHOD_DRIVER, &AdvancedSettingsDialog::OnDriverMethodClicked),
    framework::OnClicked(IDC_METHOD_WINDOWS, &AdvancedSettingsDialog::OnWindowsMethodClicked),
    framework::OnClicked(IDC_APPLY, &AdvancedSettingsDialog::OnApply),
    framework::OnClicked(IDOK, &AdvancedSettingsDialog::OnOkClicked),
    framework::EndOfMessageMap<AdvancedSettingsDialog>(),
};

namespace {

bool GameDetectionOn(const AdvancedSettings& s)
{
    return s.m_bGameDetection != 0;
}
bool GameDetectionWithDriverMethod(const AdvancedSettings& s)
{
    return s.m_bGameDetection != 0 && s.m_nSpeedAccelMethod == 0;
}
bool SpeedMethodAvailable(const AdvancedSettings& s)
{
    return s.m_bSpeedMethodAvailable != 0;
}

struct EnableRule {
    int id;
    bool (*enabled)(const AdvancedSettings&);
};

// Controls not listed here stay enabled.
const EnableRule kEnableRules[] = {
    {IDC_GAME_MODE_GROUP, GameDetectionOn},
    {IDC_KEEP_ACCELERATION, GameDetectionWithDriverMethod},
    {IDC_KEEP_BUTTON_MAPPING, GameDetectionOn},
    {IDC_KEEP_KEYSTROKES, GameDetectionOn},
    {IDC_KEEP_OTHER_MAPPINGS, GameDetectionOn},
    {IDC_KEEP_SPEED, GameDetectionWithDriverMethod},
    {IDC_KEEP_ORIENTATION, GameDetectionOn},
    {IDC_SPEED_METHOD_GROUP, SpeedMethodAvailable},
    {IDC_METHOD_DRIVER, SpeedMethodAvailable},
    {IDC_METHOD_WINDOWS, SpeedMethodAvailable},
};

}  // namespace

AdvancedSettingsDialog::AdvancedSettingsDialog()
    : Dialog(IDD_ADVANCED_SETTINGS),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

BOOL AdvancedSettingsDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_settings.m_bSpeedMethodAvailable = IsSpeedMethodSupported() ? 1 : 0;
    LoadSettings(m_settings);
    UpdateControls(ExchangeDirection::Push);
    return TRUE;
}

void AdvancedSettingsDialog::DoDataExchange(framework::DataExchange& exchange)
{
    exchange.CheckBox(IDC_GAME_DETECTION, m_settings.m_bGameDetection);
    exchange.CheckBox(IDC_KEEP_ACCELERATION, m_settings.m_bKeepAcceleration);
    exchange.CheckBox(IDC_KEEP_BUTTON_MAPPING, m_settings.m_bKeepButtonMapping);
    exchange.CheckBox(IDC_KEEP_KEYSTROKES, m_settings.m_bKeepKeystrokes);
    exchange.CheckBox(IDC_KEEP_OTHER_MAPPINGS, m_settings.m_bKeepOtherMappings);
    exchange.CheckBox(IDC_KEEP_SPEED, m_settings.m_bKeepSpeed);
    exchange.CheckBox(IDC_KEEP_ORIENTATION, m_settings.m_bKeepOrientation);
    exchange.RadioGroup(IDC_TRACKING_PRECISION, m_settings.m_nTrackingMode);
    exchange.RadioGroup(IDC_METHOD_DRIVER, m_settings.m_nSpeedAccelMethod);
}

bool AdvancedSettingsDialog::UpdateControls(ExchangeDirection direction)
{
    const bool exchanged = UpdateData(direction);
    ApplyEnableRules();
    return exchanged;
}

void AdvancedSettingsDialog::ApplyEnableRules()
{
    for (const EnableRule& rule : kEnableRules)
        EnableWindow(GetItem(rule.id), rule.enabled(m_settings));
}

void AdvancedSettingsDialog::StoreSettings()
{
    UpdateControls(ExchangeDirection::Pull);
    SaveSettings(m_settings);
}

bool AdvancedSettingsDialog::OnPaint(WPARAM, LPARAM, LRESULT& result)
{
    if (!IsIconic(Handle()))
        return false;  // the default painting
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(Handle(), &paint);
    result = 0;
    return true;
}

bool AdvancedSettingsDialog::OnQueryDragIcon(WPARAM, LPARAM, LRESULT& result)
{
    result = reinterpret_cast<LRESULT>(m_hIcon);
    return true;
}

void AdvancedSettingsDialog::OnGameDetectionClicked()
{
    UpdateControls(ExchangeDirection::Pull);
}

void AdvancedSettingsDialog::OnRestoreDefaults()
{
    // The two state fields stay: they tell what the driver and the registry hold.
    AdvancedSettings defaults = kDefaultSettings;
    defaults.m_bSpeedMethodAvailable = m_settings.m_bSpeedMethodAvailable;
    defaults.m_nAppliedSpeedAccelMethod = m_settings.m_nAppliedSpeedAccelMethod;
    m_settings = defaults;
    UpdateControls(ExchangeDirection::Push);
}

void AdvancedSettingsDialog::OnDriverMethodClicked()
{
    m_settings.m_nTrackingMode = 0;
    m_settings.m_nSpeedAccelMethod = 0;
    UpdateControls(ExchangeDirection::Push);
}

void AdvancedSettingsDialog::OnWindowsMethodClicked()
{
    m_settings.m_nTrackingMode = 1;
    m_settings.m_nSpeedAccelMethod = 1;
    UpdateControls(ExchangeDirection::Push);
}
