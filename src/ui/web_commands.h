// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that hand a web address to the desktop: the online layouts, the
// forum, the donation page and the banner targets. Each takes the dialog seam,
// so the main window only calls them and tests see the address opened.

#include <QString>

namespace sw {

class DialogService;

// Help "Layouts Online" and the quick task of the same caption.
void OpenLayoutsOnline(DialogService& dialogs);
// Help "Submit Layout": layouts are submitted on the same page.
void SubmitLayout(DialogService& dialogs);
// Help: the hobbyist forum.
void OpenForum(DialogService& dialogs);
// "Make a Donation": asks first; OK opens the donation page, Cancel nothing.
void OpenDonationPage(DialogService& dialogs);
// A click on the banner strip or banner `banner` (0 to 3) opens that banner's page.
void OpenBanner(DialogService& dialogs, int banner);

// The donation question's text.
QString DonationText();

}  // namespace sw
