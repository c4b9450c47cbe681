#include "tests/settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

const char* const kTechnicalPath = "SOFTWARE\\Tessaro\\Drivona\\CurrentVersion\\Technical";
const char* const kGamingPath = "Software\\Tessaro\\Drivona\\CurrentVersion\\Control Center\\Gaming";
const std::string kTechnical = "software\\tessaro\\drivona\\currentversion\\technical";
const std::string kGaming = "software\\tessaro\\drivona\\currentversion\\control center\\gaming";

AdvancedSettings DefaultSettings()
{
    AdvancedSettings settings;
    settings.m_bGameDetection = 1;
    settings.m_nTrackingMode = 0;
    settings.m_nSpeedAccelMethod = 0;
    settings.m_nAppliedSpeedAccelMethod = 0;
    settings.m_bKeepAcceleration = 0;
    settings.m_bKeepSpeed = 1;
    settings.m_bKeepKeystrokes = 1;
    settings.m_bKeepButtonMapping = 1;
    settings.m_bKeepOtherMappings = 0;
    settings.m_bKeepOrientation = 1;
    return settings;
}

std::string Describe(const AdvancedSettings& s)
{
    std::ostringstream out;
    out << "game=" << s.m_bGameDetection << " tracking=" << s.m_nTrackingMode
        << " method=" << s.m_nSpeedAccelMethod << " applied=" << s.m_nAppliedSpeedAccelMethod
        << " available=" << s.m_bSpeedMethodAvailable << " accel=" << s.m_bKeepAcceleration
        << " speed=" << s.m_bKeepSpeed << " keys=" << s.m_bKeepKeystrokes
        << " button=" << s.m_bKeepButtonMapping << " other=" << s.m_bKeepOtherMappings
        << " orientation=" << s.m_bKeepOrientation;
    return out.str();
}

std::string Render(const RegValue& value)
{
    char buffer[8];
    if (value.type == REG_DWORD && value.data.size() == sizeof(DWORD)) {
        DWORD number = 0;
        std::copy(value.data.begin(), value.data.end(), reinterpret_cast<char*>(&number));
        return "dword:" + std::to_string(number);
    }
    if (value.type == REG_SZ) {
        std::string text = "sz:\"";
        for (const char c : value.data) {
            if (c == '\0') {
                text += "\\0";
            } else if (c < ' ' || c > '~' || c == '\\' || c == '"') {
                std::snprintf(buffer, sizeof(buffer), "\\x%02x", static_cast<unsigned char>(c));
                text += buffer;
            } else {
                text += c;
            }
        }
        return text + "\"";
    }
    std::string text = "type " + std::to_string(value.type) + ":";
    for (const char c : value.data) {
        std::snprintf(buffer, sizeof(buffer), "%02x", static_cast<unsigned char>(c));
        text += buffer;
    }
    return text;
}

std::string Sz(const std::string& text)
{
    return Render(SzValue(text));
}

std::string Dword(DWORD value)
{
    return Render(DwordValue(value));
}

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

void DumpKey(HKEY key, const std::string& path, RegistryContents& contents)
{
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = sizeof(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::string data(size, '\0');
        nameSize = sizeof(name);
        RegEnumValueA(key, index, name, &nameSize, nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]), &size);
        data.resize(size);
        contents[Lower(path) + ":" + name] = Render(RegValue{type, data});
    }
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) != ERROR_SUCCESS)
            continue;
        DumpKey(child, path.empty() ? name : path + "\\" + name, contents);
        RegCloseKey(child);
    }
}

SystemParametersRecorder* g_recorder = nullptr;

}  // namespace

RegistryContents Dump(HKEY root)
{
    RegistryContents contents;
    DumpKey(root, "", contents);
    return contents;
}

SystemParametersRecorder::SystemParametersRecorder(const Answers& answers)
    : m_answers(answers)
{
    g_recorder = this;
    m_previous = SetSystemParametersFunction(&SystemParametersRecorder::Record);
}

SystemParametersRecorder::~SystemParametersRecorder()
{
    SetSystemParametersFunction(m_previous);
    g_recorder = nullptr;
}

BOOL WINAPI SystemParametersRecorder::Record(UINT action, UINT uiParam, PVOID pvParam, UINT flags)
{
    SystemParametersRecorder& self = *g_recorder;
    if (self.observe)
        self.m_observed.push_back(self.observe());
    const std::string ui = " ui=" + std::to_string(uiParam);
    const std::string flagText = " flags=" + std::to_string(flags);
    int* const numbers = static_cast<int*>(pvParam);
    switch (action) {
    case SPI_GETMOUSESPEED:
        self.m_calls.push_back("GETMOUSESPEED" + ui + flagText);
        *numbers = self.m_answers.speedOk ? self.m_answers.speed : 77;
        return self.m_answers.speedOk;
    case SPI_GETMOUSE:
        self.m_calls.push_back("GETMOUSE" + ui + flagText);
        for (int i = 0; i < 3; ++i)
            numbers[i] = self.m_answers.recordOk ? self.m_answers.record[i] : 77;
        return self.m_answers.recordOk;
    case SPI_SETMOUSESPEED: {
        const INT_PTR speed = reinterpret_cast<INT_PTR>(pvParam);
        self.m_calls.push_back("SETMOUSESPEED" + ui + " pv=" + std::to_string(speed) + flagText);
        return TRUE;
    }
    case SPI_SETMOUSE: {
        char record[48];
        std::snprintf(record, sizeof(record), " %d,%d,%d", numbers[0], numbers[1], numbers[2]);
        self.m_calls.push_back("SETMOUSE" + ui + record + flagText);
        return TRUE;
    }
    default:
        self.m_calls.push_back("action " + std::to_string(action) + ui + flagText);
        return FALSE;
    }
}
