// korvisel-doc-html IN.md OUT.html: the user guide as the HTML page that Help opens, with the
// pictures it shows copied beside it. Runs at build time, without a display.
#include "files/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextBlock>
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
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(in.readAll()));
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
    const QByteArray html = document.toHtml().toUtf8();
    const korvisel::TIoResult written =
        korvisel::WriteFileAtomically(argv[2], {reinterpret_cast<const std::uint8_t*>(html.constData()),
                                                static_cast<std::size_t>(html.size())});
    if (!written.Ok) {
        std::fprintf(stderr, "%s: %s\n", argv[2], written.Reason.c_str());
        return 1;
    }
    return 0;
}
