#include "lang/TextTables.h"

namespace vardex {

namespace {

const wchar_t* const kBuiltInUi[CTextTables::kUiCount] = {
    L"Novaro Arena VARDEX Gaming Mouse",
    L"Novaro Arena VARDEX Gaming Mouse",
    L"Right-Click to show menu",
    L"Goto NovaroArena Web site",
    L"Close",
    L"Enable System tray",
    L"Reset this profile to system default.",
    L"Go to the Arena VARDEX register web site.",
    L"Open the help docuement.",
    L"Load the setting from computer.",
    L"save the setting into computer.",
    L"save the setting into mouse.",
    L"Advanced mouse configuration.",
    L"LED configuration.",
    L"Switch to profile 1 page.",
    L"Switch to profile 2 page.",
    L"Switch to profile 3 page.",
    L"Switch to profile 4 page.",
    L"Switch to profile 5 page.",
    L"Start the timer.",
    L"Pause the timer.",
    L"Reset the timer.",
    L"OK",
    L"Cancel",
    L"Apply",
    L"RESET TO DEFAULT",
    L"OK/EXIT",
    L"ONE SCREEN AT TIME",
    L"ADJUST DELAY TIME",
    L"LOAD",
    L"REPEAT",
    L"RECORD",
    L"STOP",
    L"DELETE",
    L"ONE-TIME",
    L"REPEAT when press and hold",
    L"Repeat until next key is pressed",
    L"Move Up",
    L"Move Down",
    L"YES",
    L"NO",
};

const wchar_t* const kBuiltInMessages[CTextTables::kMessageCount] = {
    L"TOO MANY INSTANCES!",
    L"No Gamer Mouse Connected!",
    L"Input Error(301): Bad HID Code Format!?",
    L"No Help Document!",
    L"Error: Failed to load DLL for MS-Magnify!",
    L"FAILURE: Can't find the file path: ",
    L"FAILURE: 101, Bad File format!?",
    L"Error: Failed to LOAD DEFAULT PROFILE!",
    L"Error: Failed to initiate one LOAD Whole EEPROM!",
    L"Error: Failed to LOAD Whole EEPROM!",
    L"Error: Failed to initiate one SAVE Whole EEPROM!",
    L"Error: Failed to SAVE Whole EEPROM!",
    L"Error: Failed to initiate one LOAD MOUSE CONFIGURE!",
    L"Error: Failed to LOAD MOUSE CONFIGURE!",
    L"Error: Failed to initiate one SAVE MOUSE CONFIGURE!",
    L"Error: Failed to SAVE MOUSE CONFIGURE!",
    L"Error: Failed to initiate one LOAD ONE SCRIPT!",
    L"Error: Failed to LOAD ONE SCRIPT!",
    L"Error: Failed to initiate one SAVE ONE SCRIPT!",
    L"Error: Failed to SAVE ONE SCRIPT!",
    L"Error: Failed to initiate one SAVE CURRENT PROFILE!",
    L"FAILURE: 201, failed to write!?",
    L"No L-Button!",
    L"Please Wait!",
    L"Bad Selected Macro!",
    L"Bad Macro Length!",
    L"Memory Fault!",
    L"Buffer Full!",
    L"Can't connect to ",
    L"No Selected item!",
    L"Can't find document: ",
    L"Record funciton failure!",
    L"Clear macro definitions?",
};

const wchar_t* const kBuiltInUnits[CTextTables::kUnitCount] = {L"sec", L"ms"};

const wchar_t* const kBuiltInFunctions[CTextTables::kFunctionCount] = {
    L" MACRO KEY", L" CLICK",          L" BUTTON OFF",       L" RIGHT BUTTON", L" DOUBLE CLICK",
    L" BACKWARD",  L" FORWARD",        L" SCROLL BUTTON",    L" LAUNCH",       L" SENSITIVITY UP",
    L" SENSITIVITY DOWN", L" CUT",     L" PASTE",            L" UNDO",         L" ALL",
    L" FIND",      L" NEW",            L" PRINT",            L" SAVE",
};

constexpr int kMessagesLine = CTextTables::kUiCount;
constexpr int kSpareLine = kMessagesLine + CTextTables::kMessageCount;
constexpr int kCaptionLine = kSpareLine + 1;
constexpr int kUnitsLine = kCaptionLine + 1;
constexpr int kFunctionsLine = kUnitsLine + CTextTables::kUnitCount;

std::wstring Cut(const std::wstring& text, std::size_t capacity)
{
    return text.substr(0, capacity - 1);
}

} // namespace

void CTextTables::LoadBuiltInTexts()
{
    for (int k = 0; k < kLineCount; ++k)
        SetLine(k, L"");
    for (int i = 0; i < kUiCount; ++i)
        m_Ui[i] = kBuiltInUi[i];
    for (int i = 0; i < kMessageCount; ++i)
        m_Messages[i] = kBuiltInMessages[i];
    m_Caption = L"Novaro Arena VARDEX MESSAGE";
    for (int i = 0; i < kUnitCount; ++i)
        m_Units[i] = kBuiltInUnits[i];
    for (int i = 0; i < kFunctionCount; ++i)
        m_Functions[i] = kBuiltInFunctions[i];
}

void CTextTables::SetLine(int k, const std::wstring& text)
{
    if (k < kMessagesLine)
        m_Ui[k] = Cut(text, kUiCapacity);
    else if (k < kSpareLine)
        m_Messages[k - kMessagesLine] = Cut(text, kMessageCapacity);
    else if (k == kSpareLine)
        m_Spare = Cut(text, kMessageCapacity);
    else if (k == kCaptionLine)
        m_Caption = Cut(text, kCaptionCapacity);
    else if (k < kFunctionsLine)
        m_Units[k - kUnitsLine] = Cut(text, kUnitCapacity);
    else if (k < kLineCount)
        m_Functions[k - kFunctionsLine] = Cut(text, kFunctionCapacity);
}

std::vector<std::wstring> CTextTables::Lines() const
{
    std::vector<std::wstring> lines(m_Ui.begin(), m_Ui.end());
    lines.insert(lines.end(), m_Messages.begin(), m_Messages.end());
    lines.push_back(m_Spare);
    lines.push_back(m_Caption);
    lines.insert(lines.end(), m_Units.begin(), m_Units.end());
    lines.insert(lines.end(), m_Functions.begin(), m_Functions.end());
    return lines;
}

} // namespace vardex
