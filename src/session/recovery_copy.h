// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recovery copies of unsaved work. While a layout has unsaved changes the
// editor keeps a copy of it in the recovery folder (written atomically, so a
// copy is always whole); a clean end or a save removes it, and the next start
// offers the copies editors left behind.
//
// One copy per editor process, "HOST-PID.recovery": a first line naming the
// layout's own file (percent-encoded UTF-8, empty for a layout never saved),
// then the layout's text as it would be saved.

#include "model/layout_document.h"
#include "model/write_result.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace sw {

// $XDG_STATE_HOME/stripwright, or ~/.local/state/stripwright without it.
QString RecoveryFolder();

struct RecoveryCopy {
    QString path;          // the copy itself
    QString originalName;  // the layout's file; empty when never saved
    QDateTime written;     // when the copy was last written
};

class RecoveryStore {
public:
    // `folder` holds the copies; `owner` tells this editor's copy from the
    // others' (the process id).
    explicit RecoveryStore(QString folder, qint64 owner);

    const QString& Folder() const { return m_folder; }
    // This editor's copy.
    QString OwnPath() const;

    // Writes the copy of `doc`, which belongs to `originalName`. The folder is
    // made (private to the user) when missing.
    WriteResult Write(const LayoutDocument& doc, const QString& originalName) const;
    // Removes this editor's copy (nothing when there is none).
    void Discard() const;

    // The copies left by editors of this host that no longer run, newest first.
    std::vector<RecoveryCopy> Left() const;
    // Reads a copy's layout into `doc`; the message names the copy on failure.
    static LoadResult Load(const RecoveryCopy& copy, LayoutDocument& doc);
    static void Remove(const RecoveryCopy& copy);

private:
    QString m_folder;
    qint64 m_owner;
};

// The question asked at start for a copy left behind.
QString RecoveryQuestion(const RecoveryCopy& copy);

}  // namespace sw
