// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small "please wait" window shown while a slow job runs on the
// user-interface thread (the update check, rendering an image).

#include <QFrame>

class QLabel;

namespace sw {

class TWaitForm : public QFrame {
    Q_OBJECT
public:
    // `owner` is the window the wait window is centred on (may be null: the screen).
    explicit TWaitForm(QWidget* owner = nullptr);

    // Centres on the owner, shows, and lets the window system paint it before
    // the caller goes on with its work.
    void ShowWaiting();
    void HideWaiting();

    static constexpr int kWidth = 392;
    static constexpr int kHeight = 94;

private:
    void CentreOnOwner();

    QWidget* m_owner;
    QLabel* m_label;
};

// Shows the wait window for the lifetime of the guard and hides it on every way
// out of the scope, errors included.
class WaitGuard {
public:
    explicit WaitGuard(TWaitForm& form) : m_form(form) { m_form.ShowWaiting(); }
    ~WaitGuard() { m_form.HideWaiting(); }
    WaitGuard(const WaitGuard&) = delete;
    WaitGuard& operator=(const WaitGuard&) = delete;

private:
    TWaitForm& m_form;
};

}  // namespace sw
