#include "dialogs/SkinCfgDlg.h"

#include "device/DirtyBytes.h"

#include <algorithm>

namespace vardex {

namespace {

constexpr wchar_t kHandleValue[] = L"CFG DIAGLOG Handle";
constexpr std::uint32_t kBytePauseMs = 10;
constexpr std::uint32_t kCommandPauseMs = 100;

constexpr int kPollingBits = 0x0C;
constexpr int kPoll125Bits = 0x0C;
constexpr int kPoll500Bits = 0x04;
constexpr int kPoll1000Bits = 0x00;
constexpr int kInvalidPollingBits = 0x08;
constexpr int kLevelBits = 0x03;
constexpr int kKeptBits = 0x7C; // polling bits and bits 4 to 6; bit 7 is written as 0

constexpr int kChartLeft = 66, kChartRight = 254, kChartTop = 49, kChartBottom = 230;

// The polling buttons and their bits.
int PollingButton(int bits)
{
    switch (bits & kPollingBits) {
    case kPoll125Bits: return cfg::kPoll125;
    case kPoll500Bits: return cfg::kPoll500;
    case kPoll1000Bits: return cfg::kPoll1000;
    default: return 0;
    }
}

int PollingBits(int button)
{
    return button == cfg::kPoll125 ? kPoll125Bits : button == cfg::kPoll500 ? kPoll500Bits : kPoll1000Bits;
}

} // namespace

bool CSkinCfgDlg::XInGroupB() const
{
    return (m_Ports.device.Shadow(mem::kGlobalOption).value & 0x40) != 0;
}

int CSkinCfgDlg::SliderPos(int id) const
{
    switch (id) {
    case cfg::kLevelSlider: return m_LevelSlider;
    case cfg::kDoubleClickSlider: return m_DoubleClickSlider;
    case cfg::kCursorSlider: return m_CursorSlider;
    case cfg::kScrollSlider: return m_ScrollSlider;
    default: return 0;
    }
}

void CSkinCfgDlg::SetSlider(int id, int position)
{
    switch (id) {
    case cfg::kLevelSlider: m_LevelSlider = std::clamp(position, 1, 4); break;
    case cfg::kDoubleClickSlider: m_DoubleClickSlider = std::clamp(position, 1, 10); break;
    case cfg::kCursorSlider: m_CursorSlider = std::clamp(position, 0, 10); break;
    case cfg::kScrollSlider: m_ScrollSlider = std::clamp(position, 1, 10); break;
    default: break;
    }
}

void CSkinCfgDlg::ReadLevel()
{
    m_Level = Value(mem::kOptionOffset) & kLevelBits;
    SetSlider(cfg::kLevelSlider, m_Level + 1);
    m_XIndex = m_Table.RowOfCode(Value(XOffset()));
    m_YIndex = m_Table.RowOfCode(Value(YOffset()));
}

void CSkinCfgDlg::SelectPollingFromByte()
{
    m_Polling = PollingButton(Value(mem::kOptionOffset));
}

void CSkinCfgDlg::OnInitDialog(WindowHandle window)
{
    const int option = Value(mem::kOptionOffset);
    if ((option & kPollingBits) == kInvalidPollingBits)
        Mark(mem::kOptionOffset, ((option & kKeptBits & ~kPollingBits) | kPoll500Bits | (option & kLevelBits)));
    SelectPollingFromByte();
    ReadLevel();

    ISystemSettings& system = m_Ports.system;
    SetSlider(cfg::kDoubleClickSlider, system.DoubleClickTime() / 100);
    SetSlider(cfg::kCursorSlider, system.MouseSpeed() / 2);
    const int wheel = system.WheelScrollLines();
    m_PageScrolling = wheel == kWheelPageScroll;
    SetSlider(cfg::kScrollSlider, m_PageScrolling ? 10 : wheel);
    m_SpeedChanged = m_ScrollChanged = false;
    m_Enabled = true;

    for (int offset = 0; offset < cfg::kBytes; ++offset)
        m_SavedBytes[offset] = Value(offset);
    m_SavedDoubleClick = system.DoubleClickTime();
    m_SavedSpeed = system.MouseSpeed();
    m_SavedWheel = wheel;

    m_Ports.settings.SetDword(kHandleValue, static_cast<std::uint32_t>(window));
}

void CSkinCfgDlg::OnSliderMoved(int id, int position)
{
    SetSlider(id, position);
    ISystemSettings& system = m_Ports.system;
    switch (id) {
    case cfg::kLevelSlider:
        m_Level = m_LevelSlider - 1;
        Mark(mem::kOptionOffset, (Value(mem::kOptionOffset) & kKeptBits) | m_Level);
        ReadLevel();
        break;
    case cfg::kCursorSlider:
        system.SetMouseSpeed(m_CursorSlider == 0 ? 1 : 2 * m_CursorSlider);
        m_SpeedChanged = true;
        break;
    case cfg::kDoubleClickSlider:
        system.SetDoubleClickTime(std::max(100, 100 * m_DoubleClickSlider));
        break;
    case cfg::kScrollSlider:
        m_PageScrolling = false;
        system.SetWheelScrollLines(m_ScrollSlider);
        m_ScrollChanged = true;
        break;
    default:
        break;
    }
}

void CSkinCfgDlg::MarkChartRows()
{
    Mark(XOffset(), m_Table.Code(m_XIndex));
    Mark(YOffset(), m_Table.Code(m_YIndex));
}

void CSkinCfgDlg::OnLeftButtonUp(int x, int y)
{
    if (x >= kChartLeft && x <= kChartRight && y >= kChartTop && y <= kChartBottom) {
        int xRow = 0;
        while (xRow < CSensitivityTable::kRows && CSensitivityTable::X1(xRow) <= x)
            ++xRow;
        m_XIndex = std::min(xRow, CSensitivityTable::kRows - 1);
        m_YIndex = 0;
        for (int row = CSensitivityTable::kRows - 1; row >= 0; --row) {
            if (CSensitivityTable::Y1(row) > y) {
                m_YIndex = row;
                break;
            }
        }
    }
    MarkChartRows();
}

int CSkinCfgDlg::OnCommand(int id)
{
    switch (id) {
    case cfg::kOk:
        Write(true);
        return End(cfg::kResultOk);
    case cfg::kApply:
        Write(false);
        return 0;
    case cfg::kCancel:
        return Cancel();
    case cfg::kClose:
        return End(cfg::kResultCancel);
    case cfg::kReset:
        Reset();
        return 0;
    case cfg::kPoll125:
    case cfg::kPoll500:
    case cfg::kPoll1000:
        if (id != m_Polling) {
            Mark(mem::kOptionOffset, (Value(mem::kOptionOffset) & (kKeptBits & ~kPollingBits)) | PollingBits(id) |
                                         (Value(mem::kOptionOffset) & kLevelBits));
            m_Polling = id;
        }
        return 0;
    case cfg::kPageScrollSwitch:
        m_PageScrolling = !m_PageScrolling;
        m_Ports.system.SetWheelScrollLines(m_PageScrolling ? kWheelPageScroll : m_ScrollSlider);
        m_ScrollChanged = true;
        return 0;
    case cfg::kXUp:
    case cfg::kXDown:
    case cfg::kYUp:
    case cfg::kYDown: {
        const bool xAxis = id == cfg::kXUp || id == cfg::kXDown;
        const int step = id == cfg::kXUp || id == cfg::kYUp ? 1 : -1;
        int& index = xAxis ? m_XIndex : m_YIndex;
        if (index + step < 0 || index + step >= CSensitivityTable::kRows)
            return 0;
        index += step;
        Mark(xAxis ? XOffset() : YOffset(), m_Table.Code(index));
        return 0;
    }
    default:
        return 0;
    }
}

std::array<int, cfg::kBytes> CSkinCfgDlg::Addresses() const
{
    std::array<int, cfg::kBytes> addresses{};
    for (int offset = 0; offset < cfg::kBytes; ++offset)
        addresses[offset] = Address(offset);
    return addresses;
}

void CSkinCfgDlg::Write(bool persist)
{
    WriteDirtyBytes(m_Ports.device, m_Ports.clock, Addresses());
    if (!persist)
        return;
    if (m_SpeedChanged)
        m_Ports.system.StoreMouseSpeed(m_CursorSlider == 0 ? 1 : 2 * m_CursorSlider, false);
    if (m_ScrollChanged)
        m_Ports.system.StoreWheelScrollLines(m_PageScrolling ? kWheelPageScroll : m_ScrollSlider, false);
    m_SpeedChanged = m_ScrollChanged = false;
}

int CSkinCfgDlg::Cancel()
{
    m_Ports.settings.DeleteValue(kHandleValue);
    CIcKX22& device = m_Ports.device;
    bool anyChanged = false;
    for (int offset = 0; offset < cfg::kBytes; ++offset) {
        const int saved = m_SavedBytes[offset];
        if (Value(offset) == saved)
            continue;
        anyChanged = true;
        if (device.WriteByte(Address(offset), saved))
            device.StoreClean(Address(offset), saved);
        else
            Mark(offset, saved); // the mouse takes the original back with the next save
        m_Ports.clock.Sleep(kBytePauseMs);
    }
    if (anyChanged) {
        device.SendCommand(0, 0, 0);
        m_Ports.clock.Sleep(kCommandPauseMs);
    }
    ISystemSettings& system = m_Ports.system;
    if (system.DoubleClickTime() != m_SavedDoubleClick)
        system.SetDoubleClickTime(m_SavedDoubleClick);
    if (system.MouseSpeed() != m_SavedSpeed)
        system.StoreMouseSpeed(m_SavedSpeed, true);
    if (system.WheelScrollLines() != m_SavedWheel)
        system.StoreWheelScrollLines(m_SavedWheel, true);
    return cfg::kResultCancel;
}

void CSkinCfgDlg::Reset()
{
    m_Enabled = false;
    CIcKX22& device = m_Ports.device;
    const auto defaults = m_Ports.defaults.ProfilePairs(m_Profile);
    bool anyHandled = false;
    for (int offset = 0; offset < cfg::kBytes; ++offset) {
        const int address = Address(offset);
        if (!device.MarkByte(address, defaults[offset].value, 0))
            continue;
        anyHandled = true;
        SShadowEntry& entry = device.Shadow(address);
        if (address < device.TableSize() && address < CIcKX22::kAddressLimit && device.WriteByte(address, entry.value))
            device.StoreClean(address, entry.value);
        m_Ports.clock.Sleep(kBytePauseMs);
    }
    if (anyHandled) {
        device.SendCommand(0, 0, 0);
        m_Ports.clock.Sleep(kCommandPauseMs);
        m_Ports.clock.Sleep(kBytePauseMs);
    }
    SelectPollingFromByte();
    ReadLevel();

    ISystemSettings& system = m_Ports.system;
    system.SetDoubleClickTime(500);
    SetSlider(cfg::kDoubleClickSlider, 5);
    system.StoreMouseSpeed(10, true);
    SetSlider(cfg::kCursorSlider, 5);
    system.StoreWheelScrollLines(3, true);
    m_PageScrolling = false;
    SetSlider(cfg::kScrollSlider, 3);
    m_SpeedChanged = m_ScrollChanged = false;
    m_Enabled = true;
}

int CSkinCfgDlg::End(int result)
{
    m_Ports.settings.DeleteValue(kHandleValue);
    return result;
}

} // namespace vardex
