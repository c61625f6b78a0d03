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

// The feed is a few kilobytes; a body larger than this is refused as soon as
// it is seen, so a server that sends without end cannot fill the memory.
constexpr qint64 kMaxUpdateFeedBytes = 1 << 20;
// The whole check, connection, redirects and a body however slowly it comes,
// ends within this time.
constexpr int kUpdateDeadlineMs = 20000;
// Redirects followed before the check gives up.
constexpr int kMaxUpdateRedirects = 5;

// The texts of the two message outcomes.
QString UpToDateText();
QString UpdateFailedText();

enum class FetchFailure { None, Refused, TooLarge, Late };

struct FetchedText {
    FetchFailure failure = FetchFailure::None;
    QByteArray body;  // the whole body when failure is None, else empty
};

// HTTP GET of `url`; while it waits, a local event loop keeps the windows
// responsive. Fails on a refused connection, an HTTP error status, a malformed
// answer or too many redirects (Refused), a body of more than `maxBytes`
// (TooLarge, also announced by its length), or when the whole transfer has not
// ended within `deadlineMs` (Late). At most `maxBytes` and one read chunk are
// held at any time.
FetchedText FetchText(const QUrl& url, int deadlineMs, qint64 maxBytes = kMaxUpdateFeedBytes);

// "Check for Update": shows the wait window while fetching, then either the
// update window, "Your software is up to date!", or the connection error. The
// wait window is hidden in every case. A second check started while one waits
// is ignored.
UpdateOutcome CheckForUpdate(DialogService& dialogs, TWaitForm& wait,
                             TUpdateForm& updateForm, int deadlineMs = kUpdateDeadlineMs);

}  // namespace sw
