// SPDX-License-Identifier: GPL-3.0-or-later
// The netlist beside the layout in the session: read when a layout naming it
// is opened, checked again after every edit and undo, kept when its file goes,
// read again when it is written (by rename too); Import Netlist, Forget
// Netlist and off-board parts as undo steps.

#include "session/editor_session.h"
#include "session/netlist_commands.h"
#include "session/netlist_link.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace sw {
namespace {

// VCC on row 2, OUT on row 5: R1 joins them, R2 sits on OUT and row 8.
constexpr const char kLayout[] =
    R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c"%1>
  <Resistor Value="10K" X1="3" Y1="2" X2="3" Y2="5" Name="R1"/>
  <Resistor Value="1K" X1="9" Y1="5" X2="9" Y2="8" Name="R2"/>
</Layout>)";

constexpr const char kNetlist[] = R"((export (version "E")
  (components (comp (ref "R1") (value "10k")) (comp (ref "R2") (value "1k")) %1)
  (nets
    (net (code "1") (name "VCC") (node (ref "R1") (pin "1")) %2)
    (net (code "2") (name "OUT") (node (ref "R1") (pin "2")) (node (ref "R2") (pin "1")))
    (net (code "3") (name "GND") (node (ref "R2") (pin "2")) %3)))
)";

QString NetlistText(const QString& part = {}) {
    // An extra part J1 on VCC and GND, when asked for.
    const bool jack = !part.isEmpty();
    return QString::fromLatin1(kNetlist)
        .arg(jack ? QStringLiteral("(comp (ref \"%1\") (value \"Jack\"))").arg(part) : QString(),
             jack ? QStringLiteral("(node (ref \"%1\") (pin \"1\"))").arg(part) : QString(),
             jack ? QStringLiteral("(node (ref \"%1\") (pin \"2\"))").arg(part) : QString());
}

void Write(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

struct NetlistLinkTest : ::testing::Test {
    QTemporaryDir dir;
    EditorSession session;
    std::vector<SessionChange> told;
    NetlistLinkTest() {
        QDir(dir.path()).mkpath(QStringLiteral("sch"));
        session.Observe([this](SessionChange change) { told.push_back(change); });
    }
    QString In(const QString& name) const { return dir.filePath(name); }
    // Writes the layout (naming `attribute` as its netlist) and opens it.
    void Open(const QString& attribute) {
        const QString root = attribute.isEmpty() ? QString() : QStringLiteral(" Netlist=\"%1\"").arg(attribute);
        Write(In(QStringLiteral("amp.swb")), QString::fromLatin1(kLayout).arg(root));
        const QString path = In(QStringLiteral("amp.swb"));
        ASSERT_TRUE(session.ReplaceDocument(path, [&](LayoutDocument& doc) { return doc.LoadFile(path); }).ok);
    }
    pugi::xml_node Named(const char* name) const {
        return session.Document().Root().find_child_by_attribute("Name", name);
    }
    int Count(SessionChange change) const { return int(std::count(told.begin(), told.end(), change)); }
    void MoveR2Down() {
        session.Edit(EditKind::Move, QStringLiteral("Move"), [&] {
            SetAttr(Named("R2"), "Y1", 6);
            SetAttr(Named("R2"), "Y2", 9);
            return EditResult{};
        });
    }
};

TEST_F(NetlistLinkTest, AnOpenedLayoutIsCheckedAtOnceAndAfterEveryEditAndUndo) {
    Write(In(QStringLiteral("sch/amp.net")), NetlistText());
    Open(QStringLiteral("sch/amp.net"));
    ASSERT_NE(session.LinkedNetlist(), nullptr);
    EXPECT_EQ(session.NetlistState().State(), NetlistFileState::Read);
    EXPECT_EQ(session.NetlistState().Path(), QDir::cleanPath(In(QStringLiteral("sch/amp.net"))));
    ASSERT_NE(session.LatestCheck(), nullptr);
    EXPECT_TRUE(session.LatestCheck()->Matches());
    EXPECT_EQ(CheckHeadline(session.NetlistState().FileName(), *session.LatestCheck()),
              QStringLiteral("Matches amp.net: 2 parts, 3 nets"));
    // The views of DocumentReplaced already see the check; Netlist follows it.
    auto replaced = std::find(told.begin(), told.end(), SessionChange::DocumentReplaced);
    ASSERT_NE(replaced, told.end());
    EXPECT_EQ(*(replaced + 1), SessionChange::Netlist);

    // R2 off the OUT strip opens OUT, and its other pin no longer on GND's.
    told.clear();
    bool checkedBeforeViews = false;
    session.Observe([&](SessionChange change) {
        if (change == SessionChange::DocumentChanged)
            checkedBeforeViews = session.LatestCheck() && !session.LatestCheck()->Matches();
    });
    MoveR2Down();
    EXPECT_TRUE(checkedBeforeViews);
    EXPECT_EQ(told.back(), SessionChange::Netlist);
    ASSERT_FALSE(session.LatestCheck()->Matches());
    EXPECT_EQ(session.LatestCheck()->differences.front().kind, DifferenceKind::Open);

    ASSERT_TRUE(session.Undo().ok);
    EXPECT_TRUE(session.LatestCheck()->Matches());
    ASSERT_TRUE(session.Redo().ok);
    EXPECT_FALSE(session.LatestCheck()->Matches());
}

TEST_F(NetlistLinkTest, AFileMissingOrUnreadableIsSaidAndWhatWasReadIsKept) {
    Open(QStringLiteral("sch/amp.net"));  // not written yet
    EXPECT_EQ(session.NetlistState().State(), NetlistFileState::Missing);
    EXPECT_EQ(session.LinkedNetlist(), nullptr);
    EXPECT_EQ(session.LatestCheck(), nullptr);
    EXPECT_TRUE(session.NetlistState().Status().contains(QStringLiteral("amp.net is not there")));

    const QString netlist = In(QStringLiteral("sch/amp.net"));
    Write(netlist, NetlistText(QStringLiteral("J1")));
    session.RereadNetlist();
    EXPECT_EQ(session.NetlistState().State(), NetlistFileState::Read);
    EXPECT_TRUE(session.NetlistState().Status().isEmpty());
    ASSERT_NE(session.LatestCheck(), nullptr);
    ASSERT_EQ(session.LatestCheck()->differences.size(), 1u);
    EXPECT_EQ(session.LatestCheck()->differences[0].kind, DifferenceKind::Missing);

    const struct {
        const char* what;
        std::function<void()> make;
        NetlistFileState state;
        const char* says;
    } cases[] = {
        {"removed", [&] { QFile::remove(netlist); }, NetlistFileState::Missing, "is not there"},
        {"not a netlist", [&] { Write(netlist, QStringLiteral("hello\x01")); }, NetlistFileState::Unreadable,
         "amp.net"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        told.clear();
        session.RereadNetlist();
        EXPECT_EQ(told, std::vector<SessionChange>{SessionChange::Netlist});
        EXPECT_EQ(session.NetlistState().State(), c.state);
        EXPECT_TRUE(session.NetlistState().Status().contains(QLatin1String(c.says)));
        EXPECT_TRUE(session.NetlistState().Status().contains(QStringLiteral("last read")));
        ASSERT_NE(session.LinkedNetlist(), nullptr);
        EXPECT_EQ(session.LinkedNetlist()->parts.size(), 3u);
        // The check goes on against what was read.
        MoveR2Down();
        EXPECT_EQ(session.LatestCheck()->differences.size(), 2u);
        ASSERT_TRUE(session.Undo().ok);
        EXPECT_EQ(session.LatestCheck()->differences.size(), 1u);
    }
    // Another layout opened drops what was read of this one's netlist.
    ASSERT_TRUE(session.ReplaceDocument({}, [](LayoutDocument& doc) {
        doc.SetNew(QStringLiteral("Stripboard"), 20, 10, {}, {}, false);
        return LoadResult{true, {}};
    }).ok);
    EXPECT_EQ(session.LinkedNetlist(), nullptr);
    EXPECT_EQ(session.NetlistState().State(), NetlistFileState::None);
}

TEST_F(NetlistLinkTest, ImportAndForgetAreUndoStepsAndThePathFollowsTheLayoutsFolder) {
    const QString netlist = In(QStringLiteral("sch/amp.net"));
    Write(netlist, NetlistText());
    ASSERT_TRUE(session.Document().LoadText(QString::fromLatin1(kLayout).arg(QString()).toStdString()).ok);

    // Something that is no netlist is refused, the layout as it was.
    Write(In(QStringLiteral("notes.txt")), QStringLiteral("just words\n"));
    EXPECT_FALSE(ImportNetlist(session, In(QStringLiteral("notes.txt"))).isEmpty());
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.Modified());

    // An unsaved layout holds the whole path; saved, the path from its folder.
    EXPECT_EQ(ImportNetlist(session, netlist), QString());
    EXPECT_TRUE(session.Modified());
    EXPECT_EQ(session.UndoLabel(), QStringLiteral("Import Netlist"));
    EXPECT_EQ(session.Document().GetRootAttribute("Netlist"), QFileInfo(netlist).absoluteFilePath());
    ASSERT_NE(session.LatestCheck(), nullptr);
    EXPECT_TRUE(session.LatestCheck()->Matches());

    QDir(dir.path()).mkpath(QStringLiteral("boards"));
    const QString saved = In(QStringLiteral("boards/amp.swb"));
    ASSERT_TRUE(session.SaveTo(saved).ok);
    EXPECT_EQ(session.Document().GetRootAttribute("Netlist"), QStringLiteral("../sch/amp.net"));
    // Saved elsewhere again: written for that folder.
    ASSERT_TRUE(session.SaveTo(In(QStringLiteral("amp.swb"))).ok);
    EXPECT_EQ(session.Document().GetRootAttribute("Netlist"), QStringLiteral("sch/amp.net"));
    EXPECT_EQ(session.NetlistState().State(), NetlistFileState::Read);
    // A failed save leaves the attribute as it was.
    EXPECT_FALSE(session.SaveTo(In(QStringLiteral("no/such/folder/amp.swb"))).ok);
    EXPECT_EQ(session.Document().GetRootAttribute("Netlist"), QStringLiteral("sch/amp.net"));

    EXPECT_TRUE(ForgetNetlist(session));
    EXPECT_EQ(session.UndoLabel(), QStringLiteral("Forget Netlist"));
    EXPECT_TRUE(session.Modified());
    EXPECT_FALSE(session.Document().GetRootAttribute("Netlist"));
    EXPECT_EQ(session.LinkedNetlist(), nullptr);
    EXPECT_FALSE(ForgetNetlist(session));
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_NE(session.LinkedNetlist(), nullptr);

    // A layout without a file naming its netlist from its folder reads
    // nothing until it is saved in one.
    session.Edit(EditKind::Netlist, QStringLiteral("Import Netlist"), [&] {
        SetAttr(session.Document().Root(), "Netlist", QStringLiteral("sch/amp.net"));
        return EditResult{};
    });
    ASSERT_TRUE(session.ReplaceDocument({}, [&](LayoutDocument& doc) {
        return doc.LoadText(session.Document().ToText());
    }).ok);
    EXPECT_EQ(session.NetlistState().State(), NetlistFileState::Missing);
    EXPECT_TRUE(session.NetlistState().Status().contains(QStringLiteral("has not been saved")));
    ASSERT_TRUE(session.SaveTo(In(QStringLiteral("again.swb"))).ok);
    EXPECT_EQ(session.Document().GetRootAttribute("Netlist"), QStringLiteral("sch/amp.net"));
    EXPECT_EQ(session.NetlistState().State(), NetlistFileState::Read);
}

TEST_F(NetlistLinkTest, APartMarkedOffBoardIsNoLongerMissing) {
    Write(In(QStringLiteral("amp.net")), NetlistText(QStringLiteral("J1")));
    Open(QStringLiteral("amp.net"));
    ASSERT_EQ(session.LatestCheck()->differences.size(), 1u);

    EXPECT_TRUE(SetOffBoard(session, QStringLiteral("J1"), true));
    EXPECT_EQ(session.UndoLabel(), QStringLiteral("Mark J1 Off Board"));
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(IsOffBoard(session, QStringLiteral("J1")));
    EXPECT_TRUE(session.LatestCheck()->Matches());
    ASSERT_EQ(session.LatestCheck()->notExpected.size(), 1u);
    EXPECT_EQ(session.LatestCheck()->notExpected[0].reason, NotExpectedReason::OffBoard);

    // Already so, or a name the list cannot hold: nothing to do.
    for (const char* name : {"J1", "", "J 2", "J,3"})
        EXPECT_FALSE(SetOffBoard(session, QString::fromLatin1(name), true)) << name;
    EXPECT_TRUE(SetOffBoard(session, QStringLiteral("VR1"), true));
    EXPECT_EQ(session.Document().GetRootAttribute("OffBoard"), QStringLiteral("J1 VR1"));
    EXPECT_TRUE(SetOffBoard(session, QStringLiteral("J1"), false));
    EXPECT_EQ(session.UndoLabel(), QStringLiteral("Mark J1 On Board"));
    EXPECT_EQ(session.Document().GetRootAttribute("OffBoard"), QStringLiteral("VR1"));
    EXPECT_FALSE(session.LatestCheck()->Matches());
    EXPECT_TRUE(SetOffBoard(session, QStringLiteral("VR1"), false));
    EXPECT_FALSE(session.Document().GetRootAttribute("OffBoard"));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(session.Undo().ok);
    EXPECT_EQ(session.Document().GetRootAttribute("OffBoard"), QStringLiteral("J1"));
}

TEST_F(NetlistLinkTest, TheFileIsWatchedThroughRewritesRenamesAndRemoval) {
    const QString netlist = In(QStringLiteral("amp.net"));
    Write(netlist, NetlistText());
    Open(QStringLiteral("amp.net"));
    ASSERT_TRUE(session.LatestCheck()->Matches());
    auto waitFor = [&](NetlistFileState state, std::size_t differences) {
        return QTest::qWaitFor([&] {
            return session.NetlistState().State() == state && session.LatestCheck() &&
                   session.LatestCheck()->differences.size() == differences;
        }, 5000);
    };
    // Written in place.
    Write(netlist, NetlistText(QStringLiteral("J1")));
    EXPECT_TRUE(waitFor(NetlistFileState::Read, 1));
    // Saved by writing a new file and renaming it over the old one, twice: the
    // watch is armed again after each.
    for (const char* part : {"J2", ""}) {
        const QString fresh = In(QStringLiteral("amp.net.tmp"));
        Write(fresh, NetlistText(QString::fromLatin1(part)));
        ASSERT_TRUE(std::rename(qPrintable(fresh), qPrintable(netlist)) == 0);
        EXPECT_TRUE(waitFor(NetlistFileState::Read, *part ? 1 : 0)) << part;
    }
    ASSERT_TRUE(QFile::remove(netlist));
    EXPECT_TRUE(waitFor(NetlistFileState::Missing, 0));
    EXPECT_NE(session.LinkedNetlist(), nullptr);
    Write(netlist, NetlistText(QStringLiteral("J3")));
    EXPECT_TRUE(waitFor(NetlistFileState::Read, 1));
}

TEST(NetlistAttributeFor, IsRelativeToTheLayoutsFolderOnceItHasOne) {
    const struct {
        const char* netlist;
        const char* layout;
        const char* attribute;
    } cases[] = {
        {"/p/sch/amp.net", "", "/p/sch/amp.net"},
        {"/p/sch/amp.net", "/p/amp.swb", "sch/amp.net"},
        {"/p/sch/amp.net", "/p/boards/amp.swb", "../sch/amp.net"},
        {"/p/amp.net", "/p/amp.swb", "amp.net"},
        {"/p/sch/../amp.net", "/p/amp.swb", "amp.net"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NetlistAttributeFor(QLatin1String(c.netlist), QLatin1String(c.layout)),
                  QLatin1String(c.attribute))
            << c.netlist << " " << c.layout;
}

TEST(CheckHeadline, CountsTheDifferences) {
    CheckReport report;
    report.netlistParts = 12;
    report.netlistNets = 9;
    EXPECT_EQ(CheckHeadline(QStringLiteral("amp.net"), report), QStringLiteral("Matches amp.net: 12 parts, 9 nets"));
    report.differences.resize(1);
    EXPECT_EQ(CheckHeadline(QStringLiteral("amp.net"), report), QStringLiteral("amp.net: 1 difference"));
    report.differences.resize(3);
    EXPECT_EQ(CheckHeadline(QStringLiteral("amp.net"), report), QStringLiteral("amp.net: 3 differences"));
}

}  // namespace
}  // namespace sw
