// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps unsaved work of the main window safe: a recovery copy every minute
// while the layout is modified, and at once when a signal or the end of the
// display ends the editor; the copy goes when the changes are saved or
// discarded and when the editor ends cleanly. At start it offers the copies
// editors left behind.

#include "session/recovery_copy.h"

#include <QObject>
#include <QTimer>

namespace sw {

class SignalWakeup;
class TMainForm;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 60000;

    // `endOnSignal`: a caught signal writes the copy, then ends the process
    // by the signal's default action (off in tests, which only see the copy).
    RecoveryKeeper(TMainForm& window, RecoveryStore store, int intervalMs = kIntervalMs,
                   bool endOnSignal = true);
    // A clean end: the copy goes.
    ~RecoveryKeeper() override;

    // Asks, newest first, whether to recover each copy left behind: Yes opens
    // it, modified, under its layout's file name (and stops asking); No
    // removes it.
    void OfferRecovery();
    // Writes the copy now when the layout has unsaved changes; true when it did.
    bool WriteCopy();
    // What a caught signal does before the editor ends.
    void SignalCaught(int signal);
    const RecoveryStore& Store() const { return m_store; }

private:
    TMainForm& m_window;
    RecoveryStore m_store;
    QTimer m_timer;
    bool m_endOnSignal;
    SignalWakeup* m_signals = nullptr;
};

}  // namespace sw
