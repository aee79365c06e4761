#include "profile/ProfileFile.h"

#include "profile/MemoryMap.h"

#include <algorithm>

namespace vardex {

namespace {

constexpr std::uint8_t kSignature[3] = {mem::kSignatureLowValue, mem::kSignatureHighValue, pof::kFormatVersion};

std::uint16_t MacroArea(int p) { return mem::MacroSlot(p, 0); }

// A slot's used bytes: the length byte, time base, repeat mode and the script, never
// more than the slot holds.
std::size_t UsedSlotBytes(std::uint8_t length)
{
    return std::min<int>(length, pof::kMaxScriptLength) + 3;
}

} // namespace

std::vector<std::uint8_t> BuildProfileFile(const CIcKX22& shadow, int p)
{
    std::vector<std::uint8_t> file = {kSignature[0], kSignature[1], kSignature[2],
                                      static_cast<std::uint8_t>(pof::kPayloadSize & 0xFF),
                                      static_cast<std::uint8_t>(pof::kPayloadSize >> 8)};
    file.reserve(pof::kFileSize);
    for (int offset = 0; offset < mem::kProfileBytesUsed; ++offset)
        file.push_back(static_cast<std::uint8_t>(shadow.Shadow(mem::ProfileBase(p) + offset).value));
    for (int i = 0; i < mem::kButtonSlots * mem::kMacroSlotSize; ++i)
        file.push_back(static_cast<std::uint8_t>(shadow.Shadow(MacroArea(p) + i).value));
    return file;
}

bool ParseProfileFile(std::span<const std::uint8_t> file, std::span<const std::uint8_t>& payload)
{
    if (file.size() < pof::kHeaderSize || !std::equal(kSignature, kSignature + 3, file.begin()))
        return false;
    const std::size_t length = file[3] | (file[4] << 8);
    if (length > pof::kMaxPayload || length < pof::kPayloadSize || file.size() - pof::kHeaderSize < length)
        return false;
    payload = file.subspan(pof::kHeaderSize, length);
    return true;
}

void PlaceProfile(CIcKX22& shadow, int p, std::span<const std::uint8_t> payload, CMacroSlotFlags& loaded)
{
    for (int offset = 0; offset < mem::kProfileBytesUsed; ++offset)
        shadow.MarkByte(mem::ProfileBase(p) + offset, payload[offset], 1);
    const std::size_t macroStart = pof::kMacroAreaOffset - pof::kHeaderSize;
    for (int k = 0; k < mem::kButtonSlots; ++k) {
        const std::span<const std::uint8_t> slot = payload.subspan(macroStart + k * mem::kMacroSlotSize);
        const std::size_t used = UsedSlotBytes(slot[0]);
        for (std::size_t i = 0; i < used; ++i)
            shadow.MarkByte(mem::MacroSlot(p, k) + static_cast<int>(i), slot[i], 1);
        loaded.SetLoaded(p, k);
    }
}

SFileDialog ProfileFileDialog(bool save, const std::wstring& profileFolder)
{
    return {save, L"POF", L"Mouse Profile Files (*.pof)|*.pof|All Files (*.*)|*.*||",
            dlg::kHideReadOnly | dlg::kOverwritePrompt | dlg::kEnableSizing | dlg::kNoChangeDir | dlg::kExplorer,
            profileFolder};
}

std::wstring CProfileFiles::ProfileFolder() const
{
    return m_Shell.DocumentsFolder() + L"\\" + pof::kFolderName;
}

int CProfileFiles::CreateProfileFolder()
{
    return m_Files.CreateFolder(ProfileFolder()) ? 1 : 0;
}

int CProfileFiles::SaveProfileFile(const CIcKX22& shadow, int p)
{
    if (p < 0 || p >= mem::kProfileCount)
        return 0;
    const std::vector<std::uint8_t> file = BuildProfileFile(shadow, p);
    std::wstring path;
    if (!m_Shell.ChooseFile(ProfileFileDialog(true, ProfileFolder()), path))
        return 0;
    switch (m_Files.StoreFile(path, file)) {
    case EWriteResult::kWritten:
        return 1;
    case EWriteResult::kCannotCreate:
        m_Messages.ShowMessage(msg::kCantFindPath, path);
        return 0;
    case EWriteResult::kWriteFailed:
        break;
    }
    m_Messages.ShowMessage(msg::kWriteFailed);
    return 0;
}

int CProfileFiles::LoadProfileFile(CIcKX22& shadow, int p, CMacroSlotFlags& loaded)
{
    if (p < 0 || p >= mem::kProfileCount)
        return 0;
    std::wstring path;
    if (!m_Shell.ChooseFile(ProfileFileDialog(false, ProfileFolder()), path))
        return 0;
    std::vector<std::uint8_t> file;
    if (!m_Files.ReadFile(path, pof::kHeaderSize + pof::kMaxPayload, file)) {
        m_Messages.ShowMessage(msg::kCantFindPath, path);
        return 0;
    }
    std::span<const std::uint8_t> payload;
    if (!ParseProfileFile(file, payload)) {
        m_Messages.ShowMessage(msg::kBadFileFormat);
        return 0;
    }
    PlaceProfile(shadow, p, payload, loaded);
    return 1;
}

} // namespace vardex
