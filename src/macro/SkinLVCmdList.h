// CSkinLVCmdList: the lines of the macro being edited, with the byte accounting
// against the slot's capacity, the delay of every line, the list's selection, and a
// jump table that keeps every tracked jump pointing at the same instruction while
// lines are deleted, moved or change size. What each row shows is read from here by
// the list view that draws it.
#pragma once

#include "macro/MacroLine.h"
#include "macro/MacroTexts.h"

#include <span>
#include <string>
#include <vector>

namespace vardex {

struct JumpLink {
    int sourceLine;   // the IF, GOTO, CALL or loop-end line
    int targetLine;   // the line its target resolves to, -1 while unresolved
    int targetOffset; // the target as stored in the source line, 0 to 124
    friend bool operator==(const JumpLink&, const JumpLink&) = default;
};

class CSkinLVCmdList {
public:
    static constexpr int kMaxLines = 2200;
    static constexpr int kMaxJumps = 128;
    static constexpr int kColumns = 3;

    virtual ~CSkinLVCmdList() = default;

    // Takes the heading and unit words, then clears.
    void SetUp(const SMacroTexts& texts);
    void Clear();
    void SetCapacity(int bytes) { m_Capacity = bytes; }
    void SetDelayUnit(int ms) { m_DelayUnitMs = ms; }

    // Appends an instruction from operand words (see MakeLine); a delay step (0x01, n)
    // adds n units to the last line. Returns the index of the line made or changed,
    // -3 when it does not fit, -1 for a delay step without a line.
    int Append(std::uint8_t opcode, int word1 = 0, int word2 = 0);
    int AppendExtended(std::uint8_t subtype, int word1 = 0, int word2 = 0);
    // Appends a line as decoded; its delay and length are taken as they are.
    int AppendLine(MacroLine line);
    // Resolves again every jump line whose target did not resolve, once all lines are
    // in; a loop end left unresolved is pointed at the instruction after it.
    void ResolveJumpsAgain();

    // ADJUST DELAY TIME: 1 when exactly one line is selected (also when the change is
    // refused for lack of room), 0 otherwise.
    int SetSelectedDelay(int ms);
    void DeleteSelected();
    bool MoveSelectedUp();
    bool MoveSelectedDown();
    void Select(int line);
    void Deselect(int line);
    // Whether, looking upward from the current line, a press of code comes before a
    // release of it.
    bool KeyHeld(std::uint8_t code) const;

    int Count() const { return static_cast<int>(m_Lines.size()); }
    int UsedBytes() const { return m_Used; }
    int Capacity() const { return m_Capacity; }
    int DelayUnit() const { return m_DelayUnitMs; }
    int CurrentLine() const { return m_Current; }
    std::span<const MacroLine> Lines() const { return m_Lines; }
    const MacroLine& Line(int i) const { return m_Lines[static_cast<std::size_t>(i)]; }
    std::span<const JumpLink> Jumps() const { return m_Jumps; }
    // The sum of the lengths of the lines before line.
    int StartOffset(int line) const;
    // The first line whose start offset is not below target, or -1.
    int Resolve(int target) const;

    // What the list view shows.
    std::wstring Heading(int column) const;
    std::wstring NumberText(int line) const { return std::to_wstring(line + 1); }
    std::wstring DelayText(int line) const;
    bool IsSelected(int line) const { return m_Selected[static_cast<std::size_t>(line)]; }
    int SelectedCount() const;
    // The line last scrolled into view, -1 for none.
    int ScrolledTo() const { return m_ScrolledTo; }

private:
    int SingleSelected() const;
    // Sets a jump line's target, rebuilds its text and registers its jump again.
    void RefreshJump(int line, int target);
    void RegisterJump(int line);
    void Forget(int sourceLine);
    void RebuildText(int line);

    SMacroTexts m_Texts;
    int m_Capacity = macro::kCapacity;
    int m_DelayUnitMs = macro::kDelayUnitMs;
    int m_Used = 0;
    int m_Current = 0;
    int m_ScrolledTo = -1;
    std::vector<MacroLine> m_Lines;
    std::vector<bool> m_Selected;
    std::vector<JumpLink> m_Jumps;
};

} // namespace vardex
