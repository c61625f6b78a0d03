// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Connects the main window's Render Image, Print, Render PnP, Print PnP, Export
// Bill of Materials and Export Gerber items (menu and Quick Tasks) to the
// output commands.

namespace sw {

class TMainForm;

void ConnectOutputCommands(TMainForm& form);

}  // namespace sw
