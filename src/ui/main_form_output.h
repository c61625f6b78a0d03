#pragma once
// Connects the main window's Render Image, Print, Render PnP, Print PnP and
// Export Bill of Materials items (menu and Quick Tasks) to the output commands.

namespace sw {

class TMainForm;

void ConnectOutputCommands(TMainForm& form);

}  // namespace sw
