// The program's message routine, reached by message number. The routine itself (the
// skinned dialog or the system box, the text tables) sits behind this interface.
#pragma once

#include <string>

namespace vardex {

namespace msg {
inline constexpr int kTooManyInstances = 0;
inline constexpr int kNoMouse = 1;
inline constexpr int kCantFindPath = 5; // the path is appended
inline constexpr int kBadFileFormat = 6;
inline constexpr int kLoadConfigureFailed = 13;
inline constexpr int kSaveConfigureFailed = 15;
inline constexpr int kLoadScriptFailed = 17;
inline constexpr int kSaveScriptFailed = 19;
inline constexpr int kWriteFailed = 21;
inline constexpr int kNoLeftButton = 22;
inline constexpr int kBufferFull = 27;
inline constexpr int kNoSelectedItem = 29;
inline constexpr int kCantFindDocument = 30; // the document name is appended
inline constexpr int kRecordFailed = 31;
inline constexpr int kClearMacro = 32;
} // namespace msg

class IShowMessage {
public:
    virtual ~IShowMessage() = default;
    // Shows message number, with appended after its text.
    virtual void ShowMessage(int number, const std::wstring& appended = {}) = 0;
};

} // namespace vardex
