// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Registers the ".swb" layout file type with the desktop: a shared-MIME-info
// package for *.swb ("SWB Layout File") with the program's icon, and a desktop
// entry that opens such files with this program. Nothing is written when some
// MIME type already claims *.swb, so another program's association is left alone.

#include <QString>
#include <functional>

namespace sw {

inline constexpr const char* kLayoutMimeType = "application/x-stripwright-layout";

enum class RegistrationOutcome {
    AlreadyRegistered,  // a MIME type claims *.swb: nothing written
    Written,
    Failed,             // a file could not be written; `message` says which
};

struct RegistrationResult {
    RegistrationOutcome outcome = RegistrationOutcome::Failed;
    QString message;
};

struct FileTypeRegistrationRequest {
    QString programPath;  // full path of the program, written quoted into the entry
    QString dataHome;     // $XDG_DATA_HOME, or ~/.local/share when empty
    // Whether any MIME type already claims *.swb; by default QMimeDatabase is asked.
    std::function<bool()> isRegistered;
    // Tell the desktop that associations changed (update-mime-database and
    // update-desktop-database, where installed); off in tests that only look at files.
    bool notify = true;
};

// The data folder used when the request names none: $XDG_DATA_HOME or ~/.local/share.
QString XdgDataHome();
// True when QMimeDatabase knows a type whose globs match a *.swb file name.
bool IsSwbTypeKnown();

// The texts written (exposed for the tests).
QString MimePackageXml();
QString DesktopEntry(const QString& programPath);

RegistrationResult RegisterFileType(const FileTypeRegistrationRequest& request);

}  // namespace sw
