#include "macro/SkinLVCmdList.h"

#include "macro/MacroListing.h"

#include <algorithm>

namespace vardex {

using namespace macro;

void CSkinLVCmdList::SetUp(const SMacroTexts& texts)
{
    m_Texts = texts;
    Clear();
}

void CSkinLVCmdList::Clear()
{
    m_Lines.clear();
    m_Selected.clear();
    m_Jumps.clear();
    m_Used = 0;
    m_Current = 0;
    m_ScrolledTo = -1;
}

int CSkinLVCmdList::Append(std::uint8_t opcode, int word1, int word2)
{
    if (opcode != kDelayStep)
        return AppendLine(MakeLine(opcode, word1, word2));
    if (m_Used + kDelayStepLength > m_Capacity)
        return kResultFull;
    if (m_Lines.empty())
        return kResultNoLine;
    MacroLine& last = m_Lines.back();
    last.delay += std::clamp(word1, 0, kMaxStepUnits);
    last.length += kDelayStepLength;
    m_Used += kDelayStepLength;
    return Count() - 1;
}

int CSkinLVCmdList::AppendExtended(std::uint8_t subtype, int word1, int word2)
{
    return AppendLine(MakeExtendedLine(subtype, word1, word2));
}

int CSkinLVCmdList::AppendLine(MacroLine line)
{
    if (m_Used + line.length > m_Capacity || Count() >= kMaxLines)
        return kResultFull;
    m_Lines.push_back(std::move(line));
    m_Selected.push_back(false);
    const int index = Count() - 1;
    m_Used += m_Lines.back().length;
    RebuildText(index);
    if (m_Lines.back().IsJump())
        RegisterJump(index);
    return index;
}

void CSkinLVCmdList::ResolveJumpsAgain()
{
    for (int i = 0; i < Count(); ++i) {
        const MacroLine& line = Line(i);
        if (!line.IsJump())
            continue;
        // A loop end that jumps nowhere ends its loop: it goes on after itself.
        const bool nowhere = Resolve(line.Target()) < 0 && line.opcode == kLoopEnd;
        RefreshJump(i, nowhere ? StartOffset(i) + line.Kind().length : line.Target());
    }
}

int CSkinLVCmdList::StartOffset(int line) const
{
    int offset = 0;
    for (int i = 0; i < line && i < Count(); ++i)
        offset += Line(i).length;
    return offset;
}

int CSkinLVCmdList::Resolve(int target) const
{
    int offset = 0;
    for (int i = 0; i < Count(); ++i) {
        if (offset >= target)
            return i;
        offset += Line(i).length;
    }
    return -1;
}

void CSkinLVCmdList::RebuildText(int line)
{
    MacroLine& l = m_Lines[static_cast<std::size_t>(line)];
    l.text = ListingText(l, l.IsJump() ? Resolve(l.Target()) : -1);
}

void CSkinLVCmdList::Forget(int sourceLine)
{
    std::erase_if(m_Jumps, [&](const JumpLink& j) { return j.sourceLine == sourceLine; });
}

void CSkinLVCmdList::RegisterJump(int line)
{
    const int offset = Line(line).Target();
    const int target = Resolve(offset);
    if (line >= kMaxLines || target >= kMaxLines || offset > kMaxTarget) {
        Forget(line); // an entry left from before would follow the wrong target
        return;
    }
    const JumpLink link{line, target, offset};
    for (JumpLink& j : m_Jumps)
        if (j.sourceLine == line) {
            j = link;
            return;
        }
    if (static_cast<int>(m_Jumps.size()) < kMaxJumps)
        m_Jumps.push_back(link);
}

void CSkinLVCmdList::RefreshJump(int line, int target)
{
    m_Lines[static_cast<std::size_t>(line)].SetTarget(target);
    RebuildText(line);
    RegisterJump(line);
}

int CSkinLVCmdList::SingleSelected() const
{
    int found = -1;
    for (int i = 0; i < Count(); ++i)
        if (m_Selected[static_cast<std::size_t>(i)]) {
            if (found >= 0)
                return -1;
            found = i;
        }
    return found;
}

int CSkinLVCmdList::SelectedCount() const
{
    return static_cast<int>(std::count(m_Selected.begin(), m_Selected.end(), true));
}

int CSkinLVCmdList::SetSelectedDelay(int ms)
{
    const int line = SingleSelected();
    if (line < 0)
        return 0;
    m_Current = line;
    const int unit = std::max(1, m_DelayUnitMs);
    int units = ms <= 0 ? 1 : ms / unit + (ms % unit != 0);
    if (units < 2)
        units = 1;
    MacroLine& l = m_Lines[static_cast<std::size_t>(line)];
    const int oldLength = l.length;
    const int newLength = l.Kind().length + DelayStepBytes(units);
    if (m_Used - oldLength + newLength > m_Capacity)
        return 1;
    l.delay = units;
    l.length = newLength;
    m_Used += newLength - oldLength;
    const std::vector<JumpLink> jumps = m_Jumps;
    for (const JumpLink& j : jumps)
        if (j.targetLine > line)
            RefreshJump(j.sourceLine, j.targetOffset + newLength - oldLength);
    return 1;
}

void CSkinLVCmdList::DeleteSelected()
{
    std::vector<int> newIndex(m_Lines.size(), -1);
    int first = -1;
    int kept = 0;
    for (int i = 0; i < Count(); ++i) {
        if (m_Selected[static_cast<std::size_t>(i)]) {
            if (first < 0)
                first = i;
            m_Used -= Line(i).length;
        } else {
            newIndex[static_cast<std::size_t>(i)] = kept++;
        }
    }
    if (first < 0)
        return;

    // A jump whose target went away jumps to the first line.
    std::vector<JumpLink> jumps;
    for (const JumpLink& j : m_Jumps) {
        const int source = newIndex[static_cast<std::size_t>(j.sourceLine)];
        if (source < 0)
            continue;
        const int target = j.targetLine < 0 ? -1 : std::max(0, newIndex[static_cast<std::size_t>(j.targetLine)]);
        jumps.push_back({source, target, j.targetLine < 0 ? j.targetOffset : 0});
    }
    std::vector<MacroLine> lines;
    for (int i = 0; i < Count(); ++i)
        if (newIndex[static_cast<std::size_t>(i)] >= 0)
            lines.push_back(std::move(m_Lines[static_cast<std::size_t>(i)]));
    m_Lines = std::move(lines);
    m_Selected.assign(m_Lines.size(), false);

    m_Jumps = jumps;
    for (const JumpLink& j : jumps)
        RefreshJump(j.sourceLine, j.targetLine < 0 ? j.targetOffset : StartOffset(j.targetLine));
    // Line numbers moved: every text that names a line is rebuilt.
    for (int i = 0; i < Count(); ++i)
        RebuildText(i);

    m_Current = 0;
    if (first < Count())
        Select(first);
    else if (Count() > 0)
        Select(Count() - 1);
}

bool CSkinLVCmdList::MoveSelectedUp()
{
    const int line = SingleSelected();
    if (line < 1)
        return false;
    Deselect(line);
    std::swap(m_Lines[static_cast<std::size_t>(line)], m_Lines[static_cast<std::size_t>(line - 1)]);
    const int moved = line - 1;
    // The jump bookkeeping below is the same both ways.
    const int other = line;
    for (JumpLink& j : m_Jumps) {
        if (j.sourceLine == moved)
            j.sourceLine = other;
        else if (j.sourceLine == other)
            j.sourceLine = moved;
    }
    const std::vector<JumpLink> jumps = m_Jumps;
    for (const JumpLink& j : jumps) {
        if (j.targetLine == moved)
            RefreshJump(j.sourceLine, StartOffset(other));
        else if (j.targetLine == other)
            RefreshJump(j.sourceLine, StartOffset(moved));
    }
    RebuildText(moved);
    RebuildText(other);
    Select(moved);
    return true;
}

bool CSkinLVCmdList::MoveSelectedDown()
{
    const int line = SingleSelected();
    if (line < 0 || Count() < 2 || line >= Count() - 1)
        return false;
    // Moving a line down is moving the one below it up, then selecting it again.
    Deselect(line);
    Select(line + 1);
    MoveSelectedUp();
    Deselect(line);
    Select(line + 1);
    return true;
}

void CSkinLVCmdList::Select(int line)
{
    if (line < 0 || line >= Count())
        return;
    m_Current = line;
    m_Selected[static_cast<std::size_t>(line)] = true;
    m_ScrolledTo = line;
}

void CSkinLVCmdList::Deselect(int line)
{
    if (line < 0 || line >= Count())
        return;
    m_Selected[static_cast<std::size_t>(line)] = false;
    m_Current = 0;
}

bool CSkinLVCmdList::KeyHeld(std::uint8_t code) const
{
    const std::uint8_t release = static_cast<std::uint8_t>(code + kReleaseBit);
    for (int i = std::min(m_Current, Count() - 1); i >= 0; --i) {
        if (Line(i).opcode == code)
            return true;
        if (Line(i).opcode == release)
            return false;
    }
    return false;
}

std::wstring CSkinLVCmdList::Heading(int column) const
{
    switch (column) {
    case 0:
        return m_Texts.numberHeading;
    case 1:
        return m_Texts.instructionHeading;
    case 2:
        return m_Texts.delayHeading;
    default:
        return {};
    }
}

std::wstring CSkinLVCmdList::DelayText(int line) const
{
    return ::vardex::DelayText(Line(line).delay, m_DelayUnitMs, m_Texts);
}

} // namespace vardex
