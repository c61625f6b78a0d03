// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool windows and online services of the main window: the resistor
// calculator, the update check with its wait and update windows, the tutorials,
// the About box, the web pages of the Help menu, the donation button and the
// banner strip. Created once with the main window and connected to its items.

#include <QObject>
#include <memory>

namespace sw {

class TAboutForm;
class TMainForm;
class TResistorCalculator;
class TTutorialForm;
class TUpdateForm;
class TWaitForm;

class ToolWindows : public QObject {
    Q_OBJECT
public:
    // Creates the windows (hidden) and connects the main window's commands.
    explicit ToolWindows(TMainForm& form);
    ~ToolWindows() override;

    TResistorCalculator& Calculator() const { return *m_calculator; }
    TUpdateForm& UpdateForm() const { return *m_updateForm; }
    TTutorialForm& TutorialForm() const { return *m_tutorialForm; }
    TAboutForm& AboutForm() const { return *m_aboutForm; }
    TWaitForm& WaitForm() const { return *m_waitForm; }

protected:
    // Clicks on the banner strip and its pictures.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMainForm& m_form;
    TResistorCalculator* m_calculator;
    TUpdateForm* m_updateForm;
    TTutorialForm* m_tutorialForm;
    TAboutForm* m_aboutForm;
    std::unique_ptr<TWaitForm> m_waitForm;
};

}  // namespace sw
