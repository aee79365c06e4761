#include "dialogs/DialogTemplate.h"

namespace vardex {

namespace {

constexpr std::uint32_t kSetFont = 0x40; // DS_SETFONT (DS_SHELLFONT includes it)
constexpr std::uint16_t kExtendedSignature = 0xFFFF;

// Reads little-endian fields, refusing to pass the end.
class CReader {
public:
    explicit CReader(std::span<const std::uint8_t> bytes) : m_Bytes(bytes) {}

    bool U8(std::uint8_t& v) { return Take(1) && (v = m_Bytes[m_Pos - 1], true); }
    bool U16(std::uint16_t& v)
    {
        if (!Take(2))
            return false;
        v = static_cast<std::uint16_t>(m_Bytes[m_Pos - 2] | (m_Bytes[m_Pos - 1] << 8));
        return true;
    }
    bool U32(std::uint32_t& v)
    {
        std::uint16_t lo = 0, hi = 0;
        if (!U16(lo) || !U16(hi))
            return false;
        v = lo | (static_cast<std::uint32_t>(hi) << 16);
        return true;
    }
    bool S16(int& v)
    {
        std::uint16_t u = 0;
        if (!U16(u))
            return false;
        v = static_cast<std::int16_t>(u);
        return true;
    }
    bool String(std::wstring& text)
    {
        text.clear();
        for (std::uint16_t unit = 0; U16(unit);) {
            if (unit == 0)
                return true;
            text += static_cast<wchar_t>(unit);
        }
        return false;
    }
    // A name or an ordinal: 0 for none, 0xFFFF and a number, or a string.
    bool NameOrOrdinal()
    {
        std::uint16_t first = 0;
        if (!U16(first))
            return false;
        if (first == 0)
            return true;
        if (first == 0xFFFF)
            return U16(first);
        std::wstring rest;
        return String(rest);
    }
    bool Skip(std::size_t n) { return Take(n); }
    bool AlignTo4() { return Take((4 - m_Pos % 4) % 4); }

private:
    bool Take(std::size_t n)
    {
        if (n > m_Bytes.size() - m_Pos)
            return false;
        m_Pos += n;
        return true;
    }

    std::span<const std::uint8_t> m_Bytes;
    std::size_t m_Pos = 0;
};

bool ParseItem(CReader& in, bool extended, SDialogItem& item)
{
    std::uint32_t ignored = 0;
    if (!in.AlignTo4())
        return false;
    if (extended && !in.U32(ignored)) // help id
        return false;
    if (!in.U32(ignored) || !in.U32(ignored)) // style and extended style, in either order
        return false;
    if (!in.S16(item.x) || !in.S16(item.y) || !in.S16(item.cx) || !in.S16(item.cy))
        return false;
    if (extended) {
        if (!in.U32(item.id))
            return false;
    } else {
        std::uint16_t id = 0;
        if (!in.U16(id))
            return false;
        item.id = id;
    }
    std::uint16_t extra = 0;
    return in.NameOrOrdinal() && in.NameOrOrdinal() && in.U16(extra) && in.Skip(extra);
}

// Rounds value * numerator / denominator half up, for negative values too.
int Scale(int value, int numerator, int denominator)
{
    const long long n = static_cast<long long>(value) * numerator * 2 + denominator;
    const long long d = 2LL * denominator;
    return static_cast<int>(n >= 0 ? n / d : -((-n + d - 1) / d));
}

} // namespace

bool ParseDialogTemplate(std::span<const std::uint8_t> bytes, SDialogTemplate& dialog)
{
    dialog = {};
    CReader in(bytes);
    std::uint16_t version = 0, signature = 0;
    CReader probe(bytes);
    dialog.extended = probe.U16(version) && probe.U16(signature) && version == 1 && signature == kExtendedSignature;

    std::uint16_t count = 0;
    if (dialog.extended) {
        std::uint32_t helpId = 0;
        if (!in.U16(version) || !in.U16(signature) || !in.U32(helpId) || !in.U32(dialog.exStyle) ||
            !in.U32(dialog.style))
            return false;
    } else if (!in.U32(dialog.style) || !in.U32(dialog.exStyle)) {
        return false;
    }
    if (!in.U16(count) || !in.S16(dialog.x) || !in.S16(dialog.y) || !in.S16(dialog.cx) || !in.S16(dialog.cy))
        return false;
    std::wstring title;
    if (!in.NameOrOrdinal() || !in.NameOrOrdinal() || !in.String(title))
        return false;

    if (dialog.style & kSetFont) {
        dialog.hasFont = true;
        if (!in.S16(dialog.pointSize))
            return false;
        if (dialog.extended) {
            std::uint16_t weight = 0;
            std::uint8_t italic = 0, charset = 0;
            if (!in.U16(weight) || !in.U8(italic) || !in.U8(charset))
                return false;
            dialog.weight = weight;
            dialog.italic = italic != 0;
        } else {
            dialog.weight = 400;
        }
        if (!in.String(dialog.face))
            return false;
    }

    dialog.items.resize(count);
    for (SDialogItem& item : dialog.items)
        if (!ParseItem(in, dialog.extended, item))
            return false;
    return true;
}

SDialogFont DialogFont(const SDialogTemplate& dialog, int dpi)
{
    if (!dialog.hasFont)
        return {-static_cast<int>(8.0 * dpi / 72.0 + 0.5), 400, false, L"Tahoma"};
    const int points = dialog.pointSize < 0 ? -dialog.pointSize : dialog.pointSize;
    return {-static_cast<int>(points * dpi / 72.0 + 0.5), dialog.weight, dialog.italic, dialog.face};
}

SDialogLayout LayoutDialog(const SDialogTemplate& dialog, int averageWidth, int charHeight)
{
    SDialogLayout layout{Scale(dialog.cx, averageWidth, 4), Scale(dialog.cy, charHeight, 8), {}};
    for (const SDialogItem& item : dialog.items)
        layout.items.push_back({Scale(item.x, averageWidth, 4), Scale(item.y, charHeight, 8),
                                Scale(item.x + item.cx, averageWidth, 4), Scale(item.y + item.cy, charHeight, 8)});
    return layout;
}

} // namespace vardex
