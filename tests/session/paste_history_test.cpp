// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo around pastes give back exactly the layouts before and after,
// as the saved file shows them, in any order of pastes, moves, changes
// without a step of their own and saves, and past the history's bound.

#include "session/editor_session.h"
#include "session/layout_fragment.h"

#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <string>

namespace sw {
namespace {

constexpr const char kBoard[] = R"(<Layout Type="PCB" Width="40" Height="30" Project="p" Credits="c">
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Wire Color="Red" Seed="7" X1="1" Y1="1" X2="5" Y2="5" Name="W1"/>
</Layout>)";

// Names that are taken once pasted, a pad that follows its owner's new name,
// and text that must come back as it went.
constexpr const char kParts[] = R"(<LayoutFragment Type="PCB">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1" Square="False"/>
  <Resistor Value="&lt;4k7 &amp; &quot;x&quot;&gt; &#937;" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
</LayoutFragment>)";

// What the history should give back: each state's text and tag, with the
// undo and redo sides as the history keeps them (at most 200 steps in all,
// the oldest undo step forgotten first, the next step of each side kept).
struct Expected {
    struct State {
        std::string text;
        int tag = 0;
        QString label;
    };
    State now;
    std::deque<State> undo, redo;
    int saved = 0;
    int tags = 0;

    void Changed(const std::string& text, const QString& label) {
        undo.push_back({now.text, now.tag, label});
        redo.clear();
        now = {text, ++tags, {}};
        while (undo.size() + redo.size() > 200 && undo.size() > 1)
            undo.pop_front();
    }
    void ChangedWithoutStep(const std::string& text) {
        now.text = text;
        if (now.tag == saved)
            now.tag = ++tags;
    }
    void Step(bool back) {
        std::deque<State>& from = back ? undo : redo;
        std::deque<State>& to = back ? redo : undo;
        if (from.empty())
            return;
        State state = from.back();
        from.pop_back();
        to.push_back({now.text, now.tag, state.label});
        now = {state.text, state.tag, {}};
    }
};

std::string FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(unreadable)");
}

struct PasteHistory : ::testing::Test {
    QTemporaryDir dir;
    EditorSession session;
    Expected expected;
    int changes = 0;
    bool viaFile = true;  // each state compared as the saved file's bytes, else as its text

    PasteHistory() {
        EXPECT_TRUE(session.Document().LoadText(kBoard).ok);
        session.ClearUndo();
        session.SetModified(false);
        expected.now.text = session.Document().ToText();
    }

    pugi::xml_node LastPart() { return session.Document().Root().last_child(); }

    // P paste, M move the last part one hole right, S change a wire's shape
    // (no step of its own), W save, U undo, R redo.
    void Run(char op) {
        LayoutDocument& doc = session.Document();
        ++changes;
        switch (op) {
        case 'P':
            ASSERT_EQ(PasteFragment(session, kParts).status, FragmentStatus::Parts);
            expected.Changed(doc.ToText(), session.UndoLabel());
            break;
        case 'M': {
            session.SelectOnly(LastPart());
            const Hole at{IntAttr(LastPart(), "X1"), IntAttr(LastPart(), "Y1")};
            ASSERT_TRUE(session.BeginDrag(at));
            session.DragTo({at.x + 1, at.y});
            ASSERT_TRUE(session.FinishDrag());
            expected.Changed(doc.ToText(), session.UndoLabel());
            break;
        }
        case 'S':
            session.Edit(EditKind::ChangeShape, QStringLiteral("Change Shape"), [&] {
                SetAttr(doc.Root().child("Wire"), "Seed", changes);
                return EditResult{};
            });
            expected.ChangedWithoutStep(doc.ToText());
            break;
        case 'W':
            ASSERT_TRUE(session.SaveTo(dir.filePath("layout.swb")).ok);
            expected.saved = expected.now.tag;
            break;
        case 'U':
        case 'R': {
            const bool back = op == 'U';
            const bool possible = back ? session.CanUndo() : session.CanRedo();
            const LoadResult result = back ? session.Undo() : session.Redo();
            EXPECT_EQ(result.ok, possible) << result.message.toStdString();
            expected.Step(back);
            break;
        }
        }
        if (viaFile) {
            const QString check = dir.filePath("check.swb");
            ASSERT_TRUE(doc.SaveFile(check).ok);
            ASSERT_EQ(FileText(check), expected.now.text);
        } else {
            ASSERT_EQ(doc.ToText(), expected.now.text);
        }
        EXPECT_EQ(session.Modified(), expected.now.tag != expected.saved);
        EXPECT_EQ(session.History().UndoSteps(), expected.undo.size());
        EXPECT_EQ(session.History().RedoSteps(), expected.redo.size());
        EXPECT_EQ(session.UndoLabel(), expected.undo.empty() ? QString() : expected.undo.back().label);
        EXPECT_EQ(session.RedoLabel(), expected.redo.empty() ? QString() : expected.redo.back().label);
    }
    void RunScript(const std::string& script) {
        for (size_t i = 0; i < script.size(); ++i) {
            SCOPED_TRACE(script.substr(0, i + 1));
            Run(script[i]);
            if (HasFatalFailure())
                return;
        }
    }
};

TEST_F(PasteHistory, UndoAndRedoGiveBackTheSavedBytesBeforeAndAfter) {
    const char* const scripts[] = {
        "PU", "PUR", "PMUURP", "PPUUURRR", "PMUPUU", "PUPUR",
        "PSU", "PUSR", "PSUR", "PMSUUR", "PPSUURR",
        "PWUR", "WPUR", "PWMUUWRR", "PUWR",
    };
    for (const char* script : scripts) {
        SCOPED_TRACE(script);
        ASSERT_TRUE(session.Document().LoadText(kBoard).ok);
        session.ClearUndo();
        session.SetModified(false);
        expected = {};
        expected.now.text = session.Document().ToText();
        RunScript(script);
        if (HasFatalFailure())
            return;
    }
    EXPECT_TRUE(session.UndoLabel().startsWith(QStringLiteral("Paste R"))) << session.UndoLabel().toStdString();
}

// 210 pastes: the first ten go past the bound and cannot be undone; the 200
// kept walk back to the layout of ten pastes and forward again.
TEST_F(PasteHistory, PastThePasteStepsTheHistoryKeeps) {
    viaFile = false;
    RunScript(std::string(210, 'P') + std::string(205, 'U') + "RRRMUP");
    EXPECT_FALSE(session.CanRedo());
}

}  // namespace
}  // namespace sw
