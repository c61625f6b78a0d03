// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals that end the editor from outside (SIGTERM, SIGHUP, SIGINT,
// SIGQUIT: a logout, a shutdown, Ctrl+C, Ctrl+\) reach the event loop through a
// pipe. The handler only writes the signal's number into the pipe; the loop
// reads it and calls `onSignal` there, where files may be written.

#include <QObject>
#include <array>
#include <functional>

class QSocketNotifier;

namespace sw {

class SignalWakeup : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<int, 4> kSignals = {15 /*SIGTERM*/, 1 /*SIGHUP*/, 2 /*SIGINT*/,
                                                    3 /*SIGQUIT*/};

    // Only one may exist at a time; its handlers stay until it is destroyed.
    explicit SignalWakeup(std::function<void(int)> onSignal, QObject* parent = nullptr);
    ~SignalWakeup() override;

    // The signal's default action, as if nothing had caught it: ends the
    // process with the status a parent expects of that signal.
    [[noreturn]] static void EndBy(int signal);

private:
    void Drain();

    std::function<void(int)> m_onSignal;
    int m_read = -1;
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace sw
