// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The release feed of the update server: an XML document whose root carries the
// newest release number (`version`) and its date (`date`), and whose children
// each describe one change (`text`) of the release they name (`version`).
// Element names are not checked.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace sw {

// This program's release number, which the feed is compared with.
int OurRelease();

struct UpdateFeedReading {
    bool upToDate = false;  // the newest release is ours
    QString date;           // the newest release's date, as given
    QStringList lines;      // "* " and the text of each change newer than ours, in feed order
};

// Reads the feed; nothing when the text does not parse or a release number is
// missing or not an integer.
std::optional<UpdateFeedReading> ReadUpdateFeed(const QByteArray& text, int ourRelease);

// Ascending by character code (the order the update window shows its lines in).
void SortUpdateLines(QStringList& lines);

}  // namespace sw
