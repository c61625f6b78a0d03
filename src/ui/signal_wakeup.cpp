// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/signal_wakeup.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace sw {
namespace {

static_assert(SignalWakeup::kSignals[0] == SIGTERM && SignalWakeup::kSignals[1] == SIGHUP &&
              SignalWakeup::kSignals[2] == SIGINT && SignalWakeup::kSignals[3] == SIGQUIT);

int g_write = -1;
struct sigaction g_previous[SignalWakeup::kSignals.size()];

// Async-signal-safe: one write(2) of one byte, errno kept.
void Handler(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (g_write >= 0) {
        ssize_t ignored = ::write(g_write, &number, 1);
        (void)ignored;
    }
    errno = saved;
}

}  // namespace

SignalWakeup::SignalWakeup(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), m_onSignal(std::move(onSignal)) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_read = ends[0];
    g_write = ends[1];
    m_notifier = new QSocketNotifier(m_read, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWakeup::Drain);
    for (size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = Handler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    }
}

SignalWakeup::~SignalWakeup() {
    if (m_read < 0) return;
    for (size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    ::close(g_write);
    g_write = -1;
    ::close(m_read);
}

void SignalWakeup::Drain() {
    unsigned char numbers[16];
    const ssize_t got = ::read(m_read, numbers, sizeof numbers);
    for (ssize_t i = 0; i < got; ++i)
        if (m_onSignal) m_onSignal(numbers[i]);
}

void SignalWakeup::EndBy(int signal) {
    ::signal(signal, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace sw
