// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/web_commands.h"

#include "model/web_addresses.h"
#include "edit/dialog_service.h"

namespace sw {

// Failures of the desktop to open an address are not reported: the user sees
// that no browser came up, and there is nothing the program could do about it.

void OpenLayoutsOnline(DialogService& dialogs) { dialogs.ShellOpen(web::LayoutsOnline()); }

void SubmitLayout(DialogService& dialogs) { dialogs.ShellOpen(web::LayoutsOnline()); }

void OpenForum(DialogService& dialogs) { dialogs.ShellOpen(web::Forum()); }

QString DonationText() {
    return QStringLiteral(
        "A web page will now open where you can make a donation to support Stripwright.\n\n"
        "Credit cards, bank or wire transfers, cheques and money orders are accepted. "
        "The transaction is handled safely by a payment service.\n\n"
        "The initial amount is 10 euros; you may ask for another amount if you wish.\n\n"
        "Donations of parts are also welcome!");
}

void OpenDonationPage(DialogService& dialogs) {
    if (dialogs.Message(MessageKind::Information, DonationText(), MessageButtons::OkCancel) ==
        MessageAnswer::Ok)
        dialogs.ShellOpen(web::Donation());
}

void OpenBanner(DialogService& dialogs, int banner) { dialogs.ShellOpen(web::Banner(banner)); }

}  // namespace sw
