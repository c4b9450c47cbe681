#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/support/DriverExpectations.h"
#include "tests/support/ModalDialog.h"
#include "tests/support/Program.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/Screenshot.h"

namespace {

// The styles of the controls as dialog template 102 stores them, in template order.
// The running dialog differs: a radio button gets WS_TABSTOP while it is checked.
std::vector<DWORD> TemplateControlStyles()
{
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource =
        FindResourceA(module, MAKEINTRESOURCEA(IDD_ADVANCED_SETTINGS), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!resource)
        return {};
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(module, resource)));
    const auto dword = [](const WORD* at) { return DWORD(at[0]) | (DWORD(at[1]) << 16); };
    const auto skipNameOrOrdinal = [](const WORD* at) {
        if (*at == 0xFFFF)
            return at + 2;
        while (*at++) {
        }
        return at;
    };
    if (words[1] != 0xFFFF)  // not an extended template
        return {};
    const DWORD style = dword(words + 6);
    const int count = words[8];
    const WORD* at = words + 13;  // after the counts and the four coordinates
    at = skipNameOrOrdinal(at);   // menu
    at = skipNameOrOrdinal(at);   // class
    at = skipNameOrOrdinal(at);   // caption
    if (style & DS_SETFONT)
        at = skipNameOrOrdinal(at + 3);  // size, weight, italic and charset, then the face
    std::vector<DWORD> styles;
    for (int i = 0; i < count; ++i) {
        at = reinterpret_cast<const WORD*>((reinterpret_cast<UINT_PTR>(at) + 3) & ~UINT_PTR(3));
        styles.push_back(dword(at + 4));  // after the help id and the extended style
        at = skipNameOrOrdinal(at + 12);  // after the coordinates and the id: the class
        at = skipNameOrOrdinal(at);       // text
        at = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(at + 1) + *at);  // creation data
    }
    return styles;
}

class DialogTemplateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PutValue(HKEY_LOCAL_MACHINE, expected::kSetupKey, "ProductID", SzValue("9.80")));
        dialog = std::make_unique<ModalDialog>();
    }

    // Maps each of the four numbers on its own, as the dialog manager does.
    RECT DialogUnits(int a, int b, int c, int d)
    {
        RECT rect = {a, b, c, d};
        MapDialogRect(dialog->Window(), &rect);
        return rect;
    }

    ScratchRegistry scratch;
    std::unique_ptr<ModalDialog> dialog;
};

enum : DWORD { kGroup = WS_GROUP, kTab = WS_TABSTOP };

TEST_F(DialogTemplateTest, ControlsHaveTheirIdsTextsPlacesStylesAndTabOrder)
{
    struct Row {
        int id;
        const char* className;
        DWORD kind;   // the button or static type, with BS_MULTILINE where it is set
        DWORD flags;  // WS_GROUP and WS_TABSTOP
        int x, y, width, height;
        const char* text;  // Windows-1252
    } rows[] = {
        {IDC_STATIC, "Static", SS_LEFT, kGroup, 16, 13, 289, 18,
         "Hier k\xF6nnen Sie die Funktionsweise der Maus f\xFCr den Einsatz mit speziellen Anwendungen "
         "(z.B. Spielen oder CAD-Software) anpassen."},
        {IDC_GAME_DETECTION, "Button", BS_AUTOCHECKBOX, kTab, 15, 33, 97, 10, "Spielerkennung &aktivieren"},
        {IDC_GAME_MODE_GROUP, "Button", BS_GROUPBOX, 0, 7, 50, 366, 62, "Spielmoduseinstellungen"},
        {IDC_KEEP_ACCELERATION, "Button", BS_AUTOCHECKBOX, kTab, 15, 63, 139, 10,
         "Mauszeiger&beschleunigung beibehalten"},
        {IDC_KEEP_SPEED, "Button", BS_AUTOCHECKBOX, kTab, 15, 79, 143, 10, "&Mauszeigergeschwindigkeit beibehalten"},
        {IDC_KEEP_ORIENTATION, "Button", BS_AUTOCHECKBOX, kTab, 15, 94, 127, 10, "&Trackballausrichtung beibehalten"},
        {IDC_KEEP_BUTTON_MAPPING, "Button", BS_AUTOCHECKBOX, kTab, 173, 62, 183, 12,
         "Neuzuweisung der rechten/&linken Taste beibehalten"},
        {IDC_KEEP_KEYSTROKES, "Button", BS_AUTOCHECKBOX, kTab, 173, 78, 152, 10,
         "Tastendruck&programmierung beibehalten"},
        {IDC_KEEP_OTHER_MAPPINGS, "Button", BS_AUTOCHECKBOX | BS_MULTILINE, kTab, 173, 93, 189, 15,
         "&Weitere Tastenbelegungen beibehalten (Doppelklick, AutoScroll ...)"},
        {IDC_SPEED_METHOD_GROUP, "Button", BS_GROUPBOX, 0, 7, 114, 365, 32, "Geschwindigkeit und Beschleunigung"},
        {IDC_METHOD_DRIVER, "Button", BS_AUTORADIOBUTTON, kGroup, 15, 124, 136, 14,
         "Ausf\xFChrung entsprechend Drivona"},
        {IDC_METHOD_WINDOWS, "Button", BS_AUTORADIOBUTTON, 0, 163, 124, 199, 14,
         "Ausf\xFChrung entsprechend Betriebssystem"},
        {IDC_STATIC, "Button", BS_GROUPBOX, kGroup, 7, 150, 365, 26, "Abtastungsoptimierung"},
        {IDC_TRACKING_PRECISION, "Button", BS_AUTORADIOBUTTON, kGroup, 15, 161, 134, 10, "Pr\xE4&zision"},
        {IDC_TRACKING_SPEED, "Button", BS_AUTORADIOBUTTON, 0, 163, 161, 125, 10, "&Geschwindigkeit"},
        {IDOK, "Button", BS_DEFPUSHBUTTON, kGroup | kTab, 99, 181, 50, 14, "OK"},
        {IDCANCEL, "Button", BS_PUSHBUTTON, kTab, 165, 181, 50, 14, "Abbrechen"},
        {IDC_APPLY, "Button", BS_PUSHBUTTON, kTab, 231, 181, 50, 14, "\334bernehmen"},
        {IDC_RESTORE_DEFAULTS, "Button", BS_PUSHBUTTON, kTab, 234, 34, 131, 14,
         "&Standardeinstellungen wiederherstellen"},
    };
    const std::vector<DWORD> templateStyles = TemplateControlStyles();
    ASSERT_EQ(std::size(rows), templateStyles.size());
    HWND control = GetWindow(dialog->Window(), GW_CHILD);
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        ASSERT_NE(nullptr, control) << "no control for " << row.text;
        const std::string label = std::to_string(row.id) + " " + row.text;
        EXPECT_EQ(row.id, GetDlgCtrlID(control)) << label;
        char className[32] = "";
        GetClassNameA(control, className, sizeof(className));
        EXPECT_STRCASEEQ(row.className, className) << label;
        wchar_t text[256] = L"";
        GetWindowTextW(control, text, 256);
        EXPECT_EQ(FromWindows1252(row.text), std::wstring(text)) << label;
        EXPECT_EQ(WS_CHILD | WS_VISIBLE | row.flags | row.kind, templateStyles[i]) << label;
        EXPECT_EQ(row.kind, static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & (BS_TYPEMASK | BS_MULTILINE))
            << label;
        RECT placed = {};
        GetWindowRect(control, &placed);
        MapWindowPoints(nullptr, dialog->Window(), reinterpret_cast<POINT*>(&placed), 2);
        const RECT expected = DialogUnits(row.x, row.y, row.width, row.height);
        EXPECT_EQ(expected.left, placed.left) << label;
        EXPECT_EQ(expected.top, placed.top) << label;
        EXPECT_EQ(expected.right, placed.right - placed.left) << label;
        EXPECT_EQ(expected.bottom, placed.bottom - placed.top) << label;
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(nullptr, control) << "more controls than the template lists";
}

TEST_F(DialogTemplateTest, FrameIsAModalPopupOnTheTaskbarCentredInTheWorkArea)
{
    const HWND window = dialog->Window();
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof(caption));
    EXPECT_STREQ("Drivona - Erweiterte Einstellungen", caption);

    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    EXPECT_EQ(DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU), style & (WS_POPUP | WS_CHILD | WS_CAPTION | WS_SYSMENU |
                                                                  WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    RECT client = {};
    GetClientRect(window, &client);
    const RECT size = DialogUnits(0, 0, 380, 202);  // the last two: width and height
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);

    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(dialog->Send(window, WM_GETFONT)), sizeof(font), &font);
    EXPECT_STREQ("MS Sans Serif", font.lfFaceName);
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
    ReleaseDC(nullptr, screen);

    RECT workArea = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0));
    RECT frame = {};
    GetWindowRect(window, &frame);
    EXPECT_NEAR(workArea.left + workArea.right, frame.left + frame.right, 1);
    EXPECT_NEAR(workArea.top + workArea.bottom, frame.top + frame.bottom, 1);
}

TEST_F(DialogTemplateTest, FocusStartsOnTheFirstTabStop)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetGUIThreadInfo(dialog->ThreadId(), &info));
    EXPECT_EQ(dialog->Item(IDC_GAME_DETECTION), info.hwndFocus);
}

// Whether the XML has an attribute of that name and value, however it is laid out and quoted.
bool HasAttribute(const std::string& xml, const std::string& name, const std::string& value)
{
    return std::regex_search(xml, std::regex("\\s" + name + "\\s*=\\s*([\"'])" + value + "\\1"));
}

// The program's manifest: Common Controls 6, DPI awareness, and no execution level (that would end the virtual
// store that the machine's values rely on). At work in this test program, built from the same resources, the
// buttons are version 6: only they answer BCM_GETIDEALSIZE.
TEST_F(DialogTemplateTest, ManifestAsksForCommonControls6AndDpiAwarenessAndNothingMore)
{
    const std::string path = ProgramPath("AdvancedSettings.exe");
    const HMODULE program = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(program) << "cannot read the program";
    const HRSRC resource = FindResourceA(program, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_TRUE(resource) << "the program has no manifest";
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, resource))),
                               SizeofResource(program, resource));
    FreeLibrary(program);
    EXPECT_TRUE(HasAttribute(manifest, "name", "Microsoft\\.Windows\\.Common-Controls"));
    EXPECT_TRUE(HasAttribute(manifest, "version", "6\\.0\\.0\\.0"));
    EXPECT_EQ(std::string::npos, manifest.find("requestedExecutionLevel"));
    // The DPI awareness as the system reads it from the program's manifest when it starts the program. (Wine lays out
    // every program at the display's scale, so the running program would not show it.)
    ACTCTXA context = {};
    context.cbSize = sizeof(context);
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path.c_str();
    context.lpResourceName = MAKEINTRESOURCEA(1);  // CREATEPROCESS_MANIFEST_RESOURCE_ID
    const HANDLE programContext = CreateActCtxA(&context);
    ASSERT_NE(INVALID_HANDLE_VALUE, programContext) << "the system does not take the program's manifest";
    wchar_t dpiAware[8] = L"";
    EXPECT_TRUE(QueryActCtxSettingsW(0, programContext, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings",
                                     L"dpiAware", dpiAware, 8, nullptr));
    ReleaseActCtx(programContext);
    EXPECT_STREQ(L"true", dpiAware);
    const std::vector<HWND> buttons = ChildrenOfClass(dialog->Window(), "Button");
    ASSERT_EQ(18u, buttons.size());
    for (HWND button : buttons) {
        SIZE ideal = {};
        EXPECT_TRUE(dialog->Send(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) << WindowText(button);
    }
}

TEST_F(DialogTemplateTest, Screenshot)
{
    const char* path = DIALOG_SCREENSHOT;
    Sleep(300);  // the first painting, after the dialog became idle
    EXPECT_TRUE(SaveWindowPng(dialog->Window(), path)) << path;
}

}  // namespace
