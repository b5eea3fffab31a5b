// The save commands and the all-hue batch hook in here.

#include "ui/form1.h"

namespace zorvane {

void TForm1::InstallSaveCommands() {}

}  // namespace zorvane
