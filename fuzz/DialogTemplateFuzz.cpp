// Any bytes as a dialog template: parsed whole or refused, and laid out without
// overflow.
#include "dialogs/DialogTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vardex;
    SDialogTemplate dialog;
    if (ParseDialogTemplate({data, size}, dialog)) {
        DialogFont(dialog, 96);
        LayoutDialog(dialog, 7, 16);
    }
    return 0;
}
