// The shared skinned dialog (the program's message, question, choice and progress
// dialog), as the core reaches it. Its look and its texts live with the dialog.
#pragma once

#include "platform/Handles.h"

namespace vardex {

namespace skin {
inline constexpr int kLoadingMode = 249;
inline constexpr int kSavingMode = 250;
inline constexpr int kMessageMode = 251;
inline constexpr int kRepeatChoiceMode = 267;
inline constexpr int kWarningMode = 287; // YES and NO

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kNoMessage = -1;
} // namespace skin

class ISkinDialog {
public:
    virtual ~ISkinDialog() = default;
    virtual WindowHandle Window() const = 0;
    // Prepares the dialog in mode, showing the text of message number (or none) and
    // offering option; runs it modally and returns how it ended (kIdOk, kIdCancel)
    // with the option chosen. Progress modes run until End is called.
    virtual int Run(int mode, int messageNumber, int& option) = 0;
    // The number of steps of a progress mode, set before Run.
    virtual void SetTotal(int count) = 0;
    virtual void End(int result) = 0;
};

} // namespace vardex
