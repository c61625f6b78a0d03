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
#include <QTimer>
#include <QUrl>
#include <memory>

namespace sw {
namespace {

constexpr qint64 kReadChunk = 64 * 1024;

}  // namespace

QString UpToDateText() { return QStringLiteral("Your software is up to date!"); }

QString UpdateFailedText() {
    return QStringLiteral(
        "Could not connect to update server! Check your internet connection and try again.");
}

FetchedText FetchText(const QUrl& url, int deadlineMs, qint64 maxBytes) {
    if (!url.isValid()) return {FetchFailure::Refused, {}};
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxUpdateRedirects);
    // Silence ends the transfer too (the deadline below would, later).
    request.setTransferTimeout(deadlineMs);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    // A small read buffer makes the network side wait for us instead of
    // queueing whatever a fast server sends.
    reply->setReadBufferSize(kReadChunk);

    QByteArray body;
    FetchFailure failure = FetchFailure::None;
    const auto giveUp = [&](FetchFailure why) {
        if (failure == FetchFailure::None) failure = why;
        reply->abort();
    };
    const auto take = [&] {
        if (failure != FetchFailure::None) return;
        body += reply->read(maxBytes + 1 - body.size());
        if (body.size() > maxBytes) giveUp(FetchFailure::TooLarge);
    };
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { giveUp(FetchFailure::Late); });
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes) giveUp(FetchFailure::TooLarge);
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(deadlineMs);
    if (!reply->isFinished())
        loop.exec();
    take();
    if (failure == FetchFailure::None && reply->error() != QNetworkReply::NoError)
        failure = reply->error() == QNetworkReply::OperationCanceledError ||
                          reply->error() == QNetworkReply::TimeoutError
                      ? FetchFailure::Late
                      : FetchFailure::Refused;
    if (failure != FetchFailure::None) return {failure, {}};
    return {FetchFailure::None, body};
}

UpdateOutcome CheckForUpdate(DialogService& dialogs, TWaitForm& wait,
                                   TUpdateForm& updateForm, int deadlineMs) {
    // The windows stay live while the feed is fetched, so the menu item can be
    // chosen again meanwhile.
    static bool running = false;
    if (running) return UpdateOutcome::AlreadyRunning;
    struct Running {
        Running() { running = true; }
        ~Running() { running = false; }
    };

    FetchedText fetched;
    {
        const Running guard;
        const WaitGuard waiting(wait);
        fetched = FetchText(QUrl(web::UpdateFeed()), deadlineMs);
    }

    const std::optional<UpdateFeedReading> reading =
        fetched.failure == FetchFailure::None ? ReadUpdateFeed(fetched.body, OurRelease())
                                              : std::nullopt;
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
