// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application_hints.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace sw {
namespace {

// Swallows tooltip events while hints are off; installed on the application
// the first time hints are switched.
class HintFilter : public QObject {
public:
    bool on = true;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!on && event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

HintFilter* Filter() {
    static HintFilter* filter = [] {
        auto* f = new HintFilter;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            f->setParent(app);
            app->installEventFilter(f);
        }
        return f;
    }();
    return filter;
}

}  // namespace

void SetApplicationHints(bool on) { Filter()->on = on; }
bool ApplicationHints() { return Filter()->on; }

}  // namespace sw
