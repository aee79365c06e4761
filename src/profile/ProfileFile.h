// The .pof profile file: one profile's 59 block bytes and its nine macro slots, saved
// from the shadow image and loaded back into the profile that is shown.
//
//   0  6D 15 01        signature and format version
//   3  BB 04           payload length, little-endian (1211)
//   5  59 bytes        the profile block
//   64 9 x 128 bytes   the macro slots
#pragma once

#include "device/IcKX22.h"
#include "device/MacroSlotFlags.h"
#include "dialogs/ShowMessage.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vardex {

namespace pof {
inline constexpr std::size_t kHeaderSize = 5;
inline constexpr std::size_t kPayloadSize = 1211;
inline constexpr std::size_t kFileSize = kHeaderSize + kPayloadSize; // 1216
inline constexpr std::size_t kMaxPayload = 8192;
inline constexpr std::size_t kMacroAreaOffset = 64;
inline constexpr std::uint8_t kFormatVersion = 0x01;
inline constexpr int kMaxScriptLength = 125;
inline constexpr wchar_t kFolderName[] = L"Vardex";
} // namespace pof

// The file's bytes for profile p, from the low 8 bits of each shadow value.
std::vector<std::uint8_t> BuildProfileFile(const CIcKX22& shadow, int p);

// Checks the header and the length field; on success payload holds the length's bytes
// after the header. A payload shorter than a whole profile is refused.
bool ParseProfileFile(std::span<const std::uint8_t> file, std::span<const std::uint8_t>& payload);

// Places a checked payload into profile p with MarkByte and valid flag 1, and marks
// the profile's nine macro slots as loaded.
void PlaceProfile(CIcKX22& shadow, int p, std::span<const std::uint8_t> payload, CMacroSlotFlags& loaded);

// The file dialogs' settings, shared by saving and loading.
SFileDialog ProfileFileDialog(bool save, const std::wstring& profileFolder);

// The two file commands of the main window.
class CProfileFiles {
public:
    CProfileFiles(IShell& shell, IFileSystem& files, IShowMessage& messages)
        : m_Shell(shell), m_Files(files), m_Messages(messages)
    {
    }

    // "Vardex" in the user's documents folder, the dialogs' initial folder.
    std::wstring ProfileFolder() const;
    int CreateProfileFolder();

    int SaveProfileFile(const CIcKX22& shadow, int p);
    int LoadProfileFile(CIcKX22& shadow, int p, CMacroSlotFlags& loaded);

private:
    IShell& m_Shell;
    IFileSystem& m_Files;
    IShowMessage& m_Messages;
};

} // namespace vardex
