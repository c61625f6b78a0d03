// SPDX-License-Identifier: GPL-3.0-or-later
// Fills the software centre's release list and the Debian package's changelog
// from CHANGELOG.md, so the three tell the same releases with the same notes.
// Build-time only; not part of the program.
//
//   sw_release_notes CHANGELOG.md TEMPLATE OUT RELEASE=N RELEASE_DATE=YYYY-MM-DD [KEY=VALUE]...
//
// Every @KEY@ of TEMPLATE is replaced: RELEASES_XML by the <release> elements,
// DEBIAN_CHANGELOG by the changelog's entries (MAINTAINER signs them), any
// other KEY by its VALUE. The changelog is read as Keep a Changelog writes it:
// "## [N] - YYYY-MM-DD" opens a release, "### Added" a group, "- " an item
// (indented lines go on with it), other lines are the release's own words;
// "[Unreleased]" is skipped. The build fails with a message when the newest
// release is not RELEASE of RELEASE_DATE, when releases are not newest first,
// or when a placeholder is left unfilled.

#include "template_fill.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace {

struct Group {
    QString heading;  // "Added"
    QStringList items;
};

struct Release {
    int number = 0;
    QDate date;
    QStringList paragraphs;  // the release's own words, before its groups
    QList<Group> groups;
};

int Fail(const QString& message) { return tools::Fail("sw_release_notes", message); }

// Markdown to plain text: `code` and [text](link) keep their text only.
QString Plain(QString text) {
    static const QRegularExpression link(QStringLiteral("\\[([^\\]]*)\\]\\([^)]*\\)"));
    text.replace(link, QStringLiteral("\\1"));
    text.remove(QLatin1Char('`'));
    return text.simplified();
}

QList<Release> ReadChangelog(const QString& text, QString& error) {
    QList<Release> releases;
    static const QRegularExpression release(QStringLiteral("^## \\[(\\d+)\\] - (\\d{4}-\\d{2}-\\d{2})\\s*$"));
    static const QRegularExpression linkDefinition(QStringLiteral("^\\[[^\\]]+\\]: "));
    bool inRelease = false;
    QString* open = nullptr;  // the item or paragraph that indented lines go on with
    int lineNumber = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QString where = QStringLiteral("CHANGELOG.md:%1: ").arg(lineNumber);
        if (line.startsWith(QLatin1String("## "))) {
            open = nullptr;
            inRelease = false;
            if (line.trimmed() == QLatin1String("## [Unreleased]"))
                continue;
            const auto m = release.match(line);
            Release r;
            r.number = m.captured(1).toInt();
            r.date = QDate::fromString(m.captured(2), Qt::ISODate);
            if (!m.hasMatch() || !r.date.isValid()) {
                error = where + QStringLiteral("not \"## [N] - YYYY-MM-DD\": ") + line;
                return {};
            }
            if (!releases.isEmpty() && (r.number >= releases.last().number || r.date >= releases.last().date)) {
                error = where + QStringLiteral("release %1 is not older than the one above it").arg(r.number);
                return {};
            }
            releases << r;
            inRelease = true;
        } else if (!inRelease || line.trimmed().isEmpty() || line.contains(linkDefinition)) {
            open = nullptr;
        } else if (line.startsWith(QLatin1String("### "))) {
            releases.last().groups << Group{line.mid(4).trimmed(), {}};
            open = nullptr;
        } else if (line.startsWith(QLatin1String("- "))) {
            if (releases.last().groups.isEmpty()) {
                error = where + QStringLiteral("an item outside an Added, Changed or Fixed group");
                return {};
            }
            QStringList& items = releases.last().groups.last().items;
            items << line.mid(2);
            open = &items.last();
        } else if (open && line.startsWith(QLatin1Char(' '))) {
            *open += QLatin1Char(' ') + line.trimmed();
        } else if (releases.last().groups.isEmpty()) {
            if (!open) {
                releases.last().paragraphs << QString();
                open = &releases.last().paragraphs.last();
            }
            *open += QLatin1Char(' ') + line.trimmed();
        } else {
            error = where + QStringLiteral("text that is neither an item nor a heading: ") + line;
            return {};
        }
    }
    for (Release& r : releases) {
        for (QString& p : r.paragraphs) p = Plain(p);
        for (Group& g : r.groups)
            for (QString& item : g.items) item = Plain(item);
    }
    if (releases.isEmpty())
        error = QStringLiteral("CHANGELOG.md names no release");
    return releases;
}

QString Xml(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

QString ReleasesXml(const QList<Release>& releases) {
    QString xml;
    for (const Release& r : releases) {
        xml += QStringLiteral("    <release version=\"%1\" date=\"%2\">\n      <description>\n")
                   .arg(r.number)
                   .arg(r.date.toString(Qt::ISODate));
        for (const QString& p : r.paragraphs)
            xml += QStringLiteral("        <p>%1</p>\n").arg(Xml(p));
        for (const Group& g : r.groups) {
            xml += QStringLiteral("        <p>%1:</p>\n        <ul>\n").arg(Xml(g.heading));
            for (const QString& item : g.items)
                xml += QStringLiteral("          <li>%1</li>\n").arg(Xml(item));
            xml += QStringLiteral("        </ul>\n");
        }
        xml += QStringLiteral("      </description>\n    </release>\n");
    }
    xml.chop(1);
    return xml;
}

// `text` wrapped to lines of at most 79 characters, the first after `first`,
// the rest after as many spaces.
QString Wrapped(const QString& first, const QString& text) {
    const QString indent(first.size(), QLatin1Char(' '));
    QString out;
    QString line = first;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > 79) {
            out += line + QLatin1Char('\n');
            line = indent;
        }
        line += (line.size() > indent.size() ? QStringLiteral(" ") : QString()) + word;
    }
    return out + line + QLatin1Char('\n');
}

QString DebianChangelog(const QList<Release>& releases, const QString& maintainer) {
    QString text;
    for (const Release& r : releases) {
        text += QStringLiteral("stripwright (%1) unstable; urgency=medium\n\n").arg(r.number);
        for (const QString& p : r.paragraphs)
            text += Wrapped(QStringLiteral("  * "), p);
        for (const Group& g : r.groups) {
            text += QStringLiteral("  * %1:\n").arg(g.heading);
            for (const QString& item : g.items)
                text += Wrapped(QStringLiteral("    - "), item);
        }
        // Noon UTC of the release's day, in the form Debian changelogs use.
        const QDateTime noon(r.date, QTime(12, 0), Qt::UTC);
        text += QStringLiteral("\n -- %1  %2\n\n")
                    .arg(maintainer, QLocale::c().toString(noon, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss +0000")));
    }
    text.chop(1);
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return Fail(QStringLiteral("usage: sw_release_notes CHANGELOG.md TEMPLATE OUT RELEASE=N RELEASE_DATE=D [KEY=VALUE]..."));
    QMap<QString, QString> values;
    if (const QString bad = tools::ReadKeyValues(args.mid(3), values); !bad.isEmpty())
        return Fail(bad);

    QFile changelog(args[0]);
    if (!changelog.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1: %2").arg(args[0], changelog.errorString()));
    QString error;
    const QList<Release> releases = ReadChangelog(QString::fromUtf8(changelog.readAll()), error);
    if (!error.isEmpty())
        return Fail(error);
    const Release& newest = releases.first();
    if (QString::number(newest.number) != values.value(QStringLiteral("RELEASE")) ||
        newest.date.toString(Qt::ISODate) != values.value(QStringLiteral("RELEASE_DATE")))
        return Fail(QStringLiteral("the newest release of CHANGELOG.md is %1 of %2, the build's is %3 of %4 "
                                   "(SW_RELEASE, SW_RELEASE_DATE)")
                        .arg(newest.number)
                        .arg(newest.date.toString(Qt::ISODate), values.value(QStringLiteral("RELEASE")),
                             values.value(QStringLiteral("RELEASE_DATE"))));
    values.insert(QStringLiteral("RELEASES_XML"), ReleasesXml(releases));
    values.insert(QStringLiteral("DEBIAN_CHANGELOG"),
                  DebianChangelog(releases, values.value(QStringLiteral("MAINTAINER"))));

    if (const QString failed = tools::FillTemplate(args[1], values, args[2]); !failed.isEmpty())
        return Fail(failed);
    return 0;
}
