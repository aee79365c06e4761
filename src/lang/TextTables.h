// The program's text tables: interface texts, message texts, the message-box caption,
// the delay units and the button-function names. They hold the built-in English texts
// until a language file replaces them; a text longer than its entry is cut to it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vardex {

class CTextTables {
public:
    static constexpr int kUiCount = 41;
    static constexpr int kMessageCount = 33;
    static constexpr int kUnitCount = 2;
    static constexpr int kFunctionCount = 19;
    // Capacities in characters, the terminating zero included.
    static constexpr std::size_t kUiCapacity = 256;
    static constexpr std::size_t kMessageCapacity = 80;
    static constexpr std::size_t kCaptionCapacity = 128;
    static constexpr std::size_t kUnitCapacity = 10;
    static constexpr std::size_t kFunctionCapacity = 40;
    // A language file's lines in order: the UI texts, the messages, the spare message,
    // the caption, the units and the function names.
    static constexpr int kLineCount = kUiCount + kMessageCount + 1 + 1 + kUnitCount + kFunctionCount; // 97

    CTextTables() { LoadBuiltInTexts(); }

    void LoadBuiltInTexts();

    const std::wstring& Ui(int index) const { return m_Ui[index]; }
    const std::wstring& Message(int index) const { return m_Messages[index]; }
    const std::wstring& SpareMessage() const { return m_Spare; }
    const std::wstring& Caption() const { return m_Caption; }
    const std::wstring& Unit(int index) const { return m_Units[index]; }
    const std::wstring& FunctionName(int index) const { return m_Functions[index]; }

    // Line k (0 to kLineCount - 1) of a language file goes into its entry.
    void SetLine(int k, const std::wstring& text);
    std::vector<std::wstring> Lines() const;

private:
    std::array<std::wstring, kUiCount> m_Ui;
    std::array<std::wstring, kMessageCount> m_Messages;
    std::wstring m_Spare;
    std::wstring m_Caption;
    std::array<std::wstring, kUnitCount> m_Units;
    std::array<std::wstring, kFunctionCount> m_Functions;
};

} // namespace vardex
