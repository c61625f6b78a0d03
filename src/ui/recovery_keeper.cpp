// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery_keeper.h"

#include "edit/dialog_service.h"
#include "ui/main_form.h"
#include "ui/signal_wakeup.h"

#include <QFile>
#include <QPointer>
#include <cstdlib>

namespace sw {
namespace {

// The keeper the process-exit hook writes through. When the display goes,
// Qt ends the program with exit(): no event is delivered and no window is
// destroyed, but the exit hooks run, on the thread that called exit.
QPointer<RecoveryKeeper> g_keeper;

void WriteCopyAtExit() {
    if (g_keeper) g_keeper->WriteCopy();
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(TMainForm& window, RecoveryStore store, int intervalMs, bool endOnSignal)
    : m_window(window), m_store(std::move(store)), m_endOnSignal(endOnSignal) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::WriteCopy);
    QPointer<RecoveryKeeper> self(this);
    m_window.Session().Observe([self](SessionChange change) {
        if (!self || change != SessionChange::Modified) return;
        if (self->m_window.Session().Modified()) {
            if (!self->m_timer.isActive()) self->m_timer.start();
        } else {
            // Saved, or the changes discarded: nothing left to recover.
            self->m_timer.stop();
            self->m_store.Discard();
        }
    });
    if (m_window.Session().Modified()) m_timer.start();
    m_signals = new SignalWakeup([this](int signal) { SignalCaught(signal); }, this);
    static const bool hooked = std::atexit(WriteCopyAtExit) == 0;
    (void)hooked;
    g_keeper = this;
}

RecoveryKeeper::~RecoveryKeeper() {
    if (g_keeper == this) g_keeper = nullptr;
    m_store.Discard();
}

bool RecoveryKeeper::WriteCopy() {
    const EditorSession& session = m_window.Session();
    if (!session.Modified()) return false;
    // A copy that cannot be written must not disturb the work: the next
    // minute tries again.
    return m_store.Write(session.Document(), session.FileName()).ok;
}

void RecoveryKeeper::SignalCaught(int signal) {
    WriteCopy();
    if (!m_endOnSignal) return;
    // The copy stays for the next start.
    g_keeper = nullptr;
    SignalWakeup::EndBy(signal);
}

void RecoveryKeeper::OfferRecovery() {
    for (const RecoveryCopy& copy : m_store.Left()) {
        if (!m_window.Dialogs().Confirm(RecoveryQuestion(copy))) {
            RecoveryStore::Remove(copy);
            continue;
        }
        const LoadResult loaded = RecoveryStore::Load(copy, m_window.Document());
        if (!loaded.ok) {
            m_window.Dialogs().ShowError(loaded.message);
            // Kept aside for whoever wants to look, but not asked about again.
            QFile::rename(copy.path, copy.path + QStringLiteral(".damaged"));
            continue;
        }
        m_window.AdoptRecoveredLayout(copy.originalName);
        // The work is this editor's now: its own copy replaces the old one.
        WriteCopy();
        RecoveryStore::Remove(copy);
        return;
    }
}

}  // namespace sw
