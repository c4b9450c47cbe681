#include "tests/settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

std::string Technical(const char* name)
{
    return DumpEntry(expected::kTechnicalKey, name);
}

std::string Gaming(const char* name)
{
    return DumpEntry(expected::kGamingKey, name);
}

namespace {

SystemParametersRecorder* g_recorder = nullptr;

}  // namespace

SystemParametersRecorder::SystemParametersRecorder(const Answers& answers) : m_answers(answers)
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
