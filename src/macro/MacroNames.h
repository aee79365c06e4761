// The names the macro listing uses: every opcode, the extended subtypes, consumer
// keys, the lock keys and buttons of an IF, the variable conditions and assignments.
#pragma once

#include <string>
#include <string_view>

namespace vardex {

// The name of an opcode (keys and mouse buttons carry the same name pressed and
// released); empty for the opcodes whose text is made from their operands.
std::wstring_view OpcodeName(int opcode);
// The name of an extended instruction by subtype; empty for unknown subtypes.
std::wstring_view ExtendedName(int subtype);
// "Volume Up" and the like, or "Code=" and the usage in decimal.
std::wstring ConsumerText(int usage);
// The condition of an IF on variables, with value as N; empty outside the list.
std::wstring VariableConditionText(int index, int value);
// The operation of a variable assignment, with value as N; empty outside the list.
std::wstring AssignmentText(int index, int value);
// "('NumLock' lock) AND (L-BUTTON press)" from the two flag bytes, without the
// surrounding parentheses.
std::wstring LockButtonConditionsText(int conditionFlags, int buttonFlags);

} // namespace vardex
