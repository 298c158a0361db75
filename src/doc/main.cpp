// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel-doc-html IN.md OUT.html: the user guide as the HTML page that Help opens, with the
// pictures it shows copied beside it. Runs at build time, without a display.
//
// Every heading gets an anchor of its words ("setting-up-the-inputs"), the first one also "index",
// and a heading may name more at its end, "## Phones {#context-180 #context-210}", for the help
// topics the window asks for.
#include "files/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <cstdio>
#include <cstdlib>

namespace {

// Every picture the document shows, as written in it.
QStringList ImageNames(const QTextDocument& document) {
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                names << format.toImageFormat().name();
        }
    names.removeDuplicates();
    return names;
}

// The anchor of a heading's words: lower case, runs of other characters as one "-".
QString Slug(const QString& heading) {
    QString slug;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber())
            slug += c;
        else if (!slug.isEmpty() && !slug.endsWith('-'))
            slug += '-';
    }
    while (slug.endsWith('-'))
        slug.chop(1);
    return slug;
}

// Takes the "{#a #b}" ends off the headings, returning the names each heading's text asks for.
QHash<QString, QStringList> TakeHeadingAnchors(QString& markdown) {
    static const QRegularExpression named(R"(^(#+ .*?)\s*\{((?:\s*#[\w-]+)+)\s*\}\s*$)",
                                          QRegularExpression::MultilineOption);
    QHash<QString, QStringList> anchors;
    for (auto it = named.globalMatch(markdown); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString text = match.captured(1).section(' ', 1).trimmed();
        for (const QString& name : match.captured(2).split(' ', Qt::SkipEmptyParts))
            anchors[text] << name.mid(1);
    }
    markdown.replace(named, "\\1");
    return anchors;
}

// Each heading gets the anchor of its words; returns the further names each of those anchors takes
// (Qt writes one name per anchor, so they are added to the HTML afterwards).
QHash<QString, QStringList> SetHeadingAnchors(QTextDocument& document,
                                              const QHash<QString, QStringList>& named) {
    QHash<QString, QStringList> further;
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QString slug = Slug(block.text());
        further[slug] = named.value(block.text());
        if (first)
            further[slug].prepend("index");
        first = false;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({slug});
        cursor.mergeCharFormat(format);
    }
    return further;
}

void AddFurtherAnchors(QString& html, const QHash<QString, QStringList>& further) {
    for (auto it = further.begin(); it != further.end(); ++it) {
        const QString anchor = QString("<a name=\"%1\"></a>").arg(it.key());
        QString names = anchor;
        for (const QString& name : it.value())
            names += QString("<a name=\"%1\"></a>").arg(name);
        html.replace(anchor, names);
    }
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.md OUT.html\n", argv[0]);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    QString markdown = QString::fromUtf8(in.readAll());
    const QHash<QString, QStringList> named = TakeHeadingAnchors(markdown);
    QTextDocument document;
    document.setMarkdown(markdown);
    const QHash<QString, QStringList> further = SetHeadingAnchors(document, named);
    const QString title = document.begin().text();
    document.setMetaInformation(QTextDocument::DocumentTitle, title);

    const QDir from = QFileInfo(in).absoluteDir();
    const QDir to = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteDir();
    for (const QString& name : ImageNames(document)) {
        const QString target = to.filePath(name);
        if (!to.mkpath(QFileInfo(target).path()) || (QFile::exists(target) && !QFile::remove(target)) ||
            !QFile::copy(from.filePath(name), target)) {
            std::fprintf(stderr, "%s: cannot copy the picture to %s\n", qPrintable(name), qPrintable(target));
            return 1;
        }
    }
    QString page = document.toHtml();
    AddFurtherAnchors(page, further);
    // The guide is written in English: screen readers and browsers go by the page's language.
    if (const qsizetype root = page.indexOf("<html>"); root >= 0)
        page.replace(root, 6, "<html lang=\"en\">");
    const QByteArray html = page.toUtf8();
    const korvisel::TResult<> written =
        korvisel::WriteFileAtomically(argv[2], {reinterpret_cast<const std::uint8_t*>(html.constData()),
                                                static_cast<std::size_t>(html.size())});
    if (!written.Ok()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], written.Reason().c_str());
        return 1;
    }
    return 0;
}
