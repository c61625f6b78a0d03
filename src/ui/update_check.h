// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The update check: fetch the release feed from the update server without
// freezing the windows, then show exactly one outcome.

#include <QByteArray>
#include <QString>
#include <optional>

class QUrl;

namespace sw {

class DialogService;
class TUpdateForm;
class TWaitForm;

enum class UpdateOutcome { UpToDate, NewRelease, Failed, AlreadyRunning };

// The texts of the two message outcomes.
QString UpToDateText();
QString UpdateFailedText();

// HTTP GET of `url`; while it waits, a local event loop keeps the windows
// responsive. Nothing on a refused connection, an HTTP error status, or no
// answer within `timeoutMs`.
std::optional<QByteArray> FetchText(const QUrl& url, int timeoutMs);

// "Check for Update": shows the wait window while fetching, then either the
// update window, "Your software is up to date!", or the connection error. The
// wait window is hidden in every case. A second check started while one waits
// is ignored.
UpdateOutcome CheckForUpdate(DialogService& dialogs, TWaitForm& wait,
                                   TUpdateForm& updateForm, int timeoutMs = 20000);

}  // namespace sw
