// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update_check.h"

#include "model/web_addresses.h"
#include "edit/dialog_service.h"
#include "ui/update_feed.h"
#include "ui/update_form.h"
#include "ui/wait_form.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <memory>

namespace sw {

QString UpToDateText() { return QStringLiteral("Your software is up to date!"); }

QString UpdateFailedText() {
    return QStringLiteral(
        "Could not connect to update server! Check your internet connection and try again.");
}

std::optional<QByteArray> FetchText(const QUrl& url, int timeoutMs) {
    if (!url.isValid()) return std::nullopt;
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    // A server that accepts the connection but never answers must not leave
    // the wait window up for ever.
    request.setTransferTimeout(timeoutMs);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    if (reply->error() != QNetworkReply::NoError)
        return std::nullopt;
    return reply->readAll();
}

UpdateOutcome CheckForUpdate(DialogService& dialogs, TWaitForm& wait,
                                   TUpdateForm& updateForm, int timeoutMs) {
    // The windows stay live while the feed is fetched, so the menu item can be
    // chosen again meanwhile.
    static bool running = false;
    if (running) return UpdateOutcome::AlreadyRunning;
    struct Running {
        Running() { running = true; }
        ~Running() { running = false; }
    };

    std::optional<QByteArray> text;
    {
        const Running guard;
        const WaitGuard waiting(wait);
        text = FetchText(QUrl(web::UpdateFeed()), timeoutMs);
    }

    const std::optional<UpdateFeedReading> reading =
        text ? ReadUpdateFeed(*text, OurRelease()) : std::nullopt;
    if (!reading) {
        dialogs.ShowError(UpdateFailedText());
        return UpdateOutcome::Failed;
    }
    if (reading->upToDate) {
        dialogs.ShowInformation(UpToDateText());
        return UpdateOutcome::UpToDate;
    }
    updateForm.ShowRelease(reading->date, reading->lines);
    return UpdateOutcome::NewRelease;
}

}  // namespace sw
