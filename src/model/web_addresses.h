// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every address outside the program, in one place: the project's web site (its
// pages live under "/swb/"), the update server, the forum, the donation page,
// the banner targets and the support mail. Each host is written once, here;
// change it and every window, export and command follows.

#include <QString>
#include <QtGlobal>

namespace sw::web {

// Hosts.
inline constexpr const char kWebHost[] = "http://www.stripwright.org";
inline constexpr const char kUpdateHost[] = "http://update.stripwright.org";
inline constexpr const char kForumHost[] = "http://forum.stripwright.org";
inline constexpr const char kDonationHost[] = "https://donate.stripwright.org";
inline constexpr const char kSupportMail[] = "support@stripwright.org";

inline QString OnHost(const char* host, const char* path) {
    return QLatin1String(host) + QLatin1String(path);
}

// The product's home page; also the last line of every bill of materials.
inline QString HomePage() { return OnHost(kWebHost, "/swb/"); }
// Shared layouts online (also where layouts are submitted).
inline QString LayoutsOnline() { return OnHost(kWebHost, "/swb/index.php?project=layouts"); }
// The update server: kUpdateHost, unless the environment variable
// STRIPWRIGHT_UPDATE_URL gives another base address (a mirror, or a test server).
inline QString UpdateServer() {
    QString base = qEnvironmentVariable("STRIPWRIGHT_UPDATE_URL").trimmed();
    if (base.isEmpty()) base = QLatin1String(kUpdateHost);
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return base;
}
// The release feed read by the update check, and the download it points to.
inline QString UpdateFeed() { return UpdateServer() + QLatin1String("/swb/layouts/history.xml"); }
inline QString Download() { return UpdateServer() + QLatin1String("/swb/layouts/swb_layout.exe"); }
inline QString Forum() { return OnHost(kForumHost, "/"); }
inline QString Donation() { return OnHost(kDonationHost, "/swb/"); }
// The target of banner 0 to 3 (any other number gives the home page).
inline QString Banner(int n) {
    static constexpr const char* paths[4] = {"/swb/banners/1/", "/swb/banners/2/",
                                             "/swb/banners/3/", "/swb/banners/4/"};
    return n >= 0 && n < 4 ? OnHost(kWebHost, paths[n]) : HomePage();
}
// A new mail to support with the program's name as subject.
inline QString SupportMailTo() {
    return QStringLiteral("mailto:") + QLatin1String(kSupportMail) +
           QStringLiteral("?subject=Stripwright");
}

}  // namespace sw::web
