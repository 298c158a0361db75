// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/Icons.h"

#include "markup/ReadableColor.h"

#include <QGuiApplication>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace korvisel {
namespace {

struct Look {
    QColor Color;
    QString Glyph;
};

// Inactive variants ("_D") are the same glyph in gray.
Look LookOf(const QString& name) {
    static const QHash<QString, Look> looks = {
        {"TIME", {QColor(0x1f, 0x5f, 0xbf), "T"}},
        {"INPUT", {QColor(0x2e, 0x8b, 0x3c), "I"}},
        {"DINP", {QColor(0x9a, 0x9a, 0x9a), "I"}},
        {"OUTPUT", {QColor(0xd0, 0x70, 0x10), "O"}},
        {"REPORT", {QColor(0x7a, 0x3f, 0xb0), "R"}},
        {"SIGNAL", {QColor(0x10, 0x88, 0x88), "S"}},
        {"GSM", {QColor(0x20, 0x60, 0x90), "G"}},
        {"PIN", {QColor(0x50, 0x50, 0x50), "*"}},
        {"PHONE", {QColor(0x20, 0x70, 0xc0), "\u260E"}},
        {"SMS", {QColor(0x2a, 0x7a, 0xd0), "\u2709"}},
        {"ALARM", {QColor(0xd0, 0x20, 0x20), "!"}},
        {"CLIP", {QColor(0x20, 0x90, 0x60), "C"}},
        {"DATA", {QColor(0x60, 0x40, 0xa0), "D"}},
        {"PR_INF", {QColor(0x1f, 0x5f, 0xbf), "i"}},
        {"PREPSEL", {QColor(0x2e, 0x8b, 0x3c), "\u2713"}},
        {"PRINT_I", {QColor(0x40, 0x40, 0x40), "P"}},
        {"SER_N", {QColor(0x60, 0x60, 0x20), "#"}},
        {"REG_N", {QColor(0x80, 0x50, 0x20), "N"}},
        {"ACCUM", {QColor(0x30, 0x80, 0x30), "+"}},
        {"COMME", {QColor(0x70, 0x70, 0x70), "\u00B6"}},
        {"FWVER", {QColor(0x20, 0x50, 0x80), "v"}},
        {"IN_OUT_ON", {QColor(0x2e, 0x8b, 0x3c), "1"}},
        {"IN_OUT_OFF", {QColor(0x9a, 0x9a, 0x9a), "0"}},
        {"TEMPERATURE", {QColor(0xc0, 0x40, 0x20), "\u00B0"}},
        {"OUTTYPE", {QColor(0xd0, 0x70, 0x10), "M"}},
        {"OUTTIME", {QColor(0xd0, 0x70, 0x10), "T"}},
        {"CROW", {QColor(0x10, 0x50, 0x50), "C"}},
        // Commands of the toolbars.
        {"NEW", {QColor(0x2e, 0x8b, 0x3c), "+"}},
        {"OPEN", {QColor(0xc0, 0x90, 0x20), "\u2191"}},
        {"SAVE", {QColor(0x1f, 0x5f, 0xbf), "\u2193"}},
        {"PREVIEW", {QColor(0x50, 0x50, 0x50), "\u25CE"}},
        {"PRINT", {QColor(0x40, 0x40, 0x40), "P"}},
        {"UNDO", {QColor(0x60, 0x60, 0x60), "\u21B6"}},
        {"REDO", {QColor(0x60, 0x60, 0x60), "\u21B7"}},
        {"CUT", {QColor(0x80, 0x30, 0x30), "\u2702"}},
        {"COPY", {QColor(0x30, 0x60, 0x80), "\u2750"}},
        {"PASTE", {QColor(0x30, 0x70, 0x40), "V"}},
        {"DELETE", {QColor(0xc0, 0x30, 0x30), "\u2715"}},
        {"READ", {QColor(0x20, 0x70, 0xa0), "\u21E9"}},
        {"WRITE", {QColor(0xa0, 0x50, 0x10), "\u21E7"}},
        {"LANGUAGE", {QColor(0x40, 0x40, 0x90), "A"}},
        {"SETTINGS", {QColor(0x50, 0x50, 0x50), "\u2699"}},
        {"HELP", {QColor(0x1f, 0x5f, 0xbf), "?"}},
        {"ABOUT", {QColor(0x1f, 0x5f, 0xbf), "i"}},
    };
    const bool inactive = name.endsWith("_D");
    Look look = looks.value(inactive ? name.chopped(2) : name, {QColor(0x80, 0x80, 0x80), "?"});
    if (inactive)
        look.Color = QColor(0xb4, 0xb4, 0xb4);
    return look;
}

} // namespace

namespace {

// A transparent picture of the given size in logical pixels, drawn at `ratio` device pixels per
// logical one, so that it stays sharp on a screen scaled by two.
QPixmap Canvas(int width, int height, qreal ratio) {
    QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The screens' highest scale, at which the tree's and pages' pictures are drawn.
qreal ScreenRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// On a dark theme a dark picture's edge would vanish into the background: it gets a light one.
bool DarkTheme() {
    return qGuiApp && IsDarkBackground(QGuiApplication::palette().color(QPalette::Base).rgb() & 0xFFFFFF);
}

QPixmap DrawIcon(const QString& name, qreal ratio) {
    static QHash<QString, QPixmap> cache;
    const bool dark = DarkTheme();
    const QString key = name + '@' + QString::number(ratio) + (dark ? "d" : "");
    if (const auto found = cache.find(key); found != cache.end())
        return *found;
    const Look look = LookOf(name);
    QPixmap pixmap = Canvas(16, 16, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(dark ? look.Color.lighter(190) : look.Color.darker(140));
    p.setBrush(look.Color);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font("DejaVu Sans");
    font.setPixelSize(look.Glyph.size() > 1 ? 8 : 11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, look.Glyph);
    p.end();
    cache.insert(key, pixmap);
    return pixmap;
}

// The freedesktop icon names of the commands that have one.
QString ThemeIconName(const QString& name) {
    static const QHash<QString, QString> names = {
        {"NEW", "document-new"},
        {"OPEN", "document-open"},
        {"SAVE", "document-save"},
        {"PREVIEW", "document-print-preview"},
        {"PRINT", "document-print"},
        {"UNDO", "edit-undo"},
        {"REDO", "edit-redo"},
        {"CUT", "edit-cut"},
        {"COPY", "edit-copy"},
        {"PASTE", "edit-paste"},
        {"DELETE", "edit-delete"},
        {"HELP", "help-contents"},
        {"ABOUT", "help-about"},
        {"SETTINGS", "preferences-system"},
        {"LANGUAGE", "preferences-desktop-locale"},
    };
    return names.value(name);
}

} // namespace

QPixmap Icon(const QString& name) {
    return DrawIcon(name, ScreenRatio());
}

QIcon DrawnIcon(const QString& name) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0})
        icon.addPixmap(DrawIcon(name, ratio));
    return icon;
}

QIcon CommandIcon(const QString& name) {
    const QString themed = ThemeIconName(name);
    return themed.isEmpty() ? DrawnIcon(name) : QIcon::fromTheme(themed, DrawnIcon(name));
}

namespace {

QColor ReportColor(TReportKind kind) {
    switch (kind) {
    case TReportKind::Alarm:
        return QColor(0xc8, 0x2a, 0x2a);
    case TReportKind::Clip:
        return QColor(0x1f, 0x8a, 0x5a);
    case TReportKind::Data:
        return QColor(0x60, 0x40, 0xa0);
    default:
        return QColor(0x2a, 0x6f, 0xc4);
    }
}

void DrawEnvelope(QPainter& p) {
    p.drawRect(QRectF(6, 10, 20, 13));
    QPainterPath flap;
    flap.moveTo(6, 10);
    flap.lineTo(16, 18);
    flap.lineTo(26, 10);
    p.drawPath(flap);
}

void DrawBell(QPainter& p) {
    QPainterPath bell;
    bell.moveTo(9, 22);
    bell.cubicTo(11, 19, 10, 9, 16, 8);
    bell.cubicTo(22, 9, 21, 19, 23, 22);
    bell.closeSubpath();
    p.drawPath(bell);
    p.drawLine(QPointF(7.5, 22.5), QPointF(24.5, 22.5));
    p.drawEllipse(QPointF(16, 25), 2, 2);
}

void DrawHandset(QPainter& p) {
    QPainterPath handset;
    handset.moveTo(8, 10);
    handset.cubicTo(8, 18, 14, 24, 22, 24);
    handset.lineTo(24, 20);
    handset.lineTo(20, 18);
    handset.lineTo(18, 20);
    handset.cubicTo(15, 19, 13, 17, 12, 14);
    handset.lineTo(14, 12);
    handset.lineTo(12, 8);
    handset.closeSubpath();
    p.drawPath(handset);
    p.drawArc(QRectF(17, 5, 10, 10), 0, 90 * 16);
}

void DrawDataFrame(QPainter& p) {
    for (int bar = 0; bar < 4; ++bar)
        p.drawRect(QRectF(7 + bar * 5, 18 - bar * 3, 3, 6 + bar * 3));
}

} // namespace

QPixmap ReportPicture(TReportKind kind, bool active) {
    QPixmap pixmap = Canvas(32, 32, ScreenRatio());
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor color = active ? ReportColor(kind) : QColor(0xc4, 0xc4, 0xc4);
    p.setPen(QPen(color.darker(130), 1));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (kind) {
    case TReportKind::Alarm:
        DrawBell(p);
        break;
    case TReportKind::Clip:
        p.setBrush(Qt::white);
        DrawHandset(p);
        break;
    case TReportKind::Data:
        p.setBrush(Qt::white);
        DrawDataFrame(p);
        break;
    default:
        DrawEnvelope(p);
        break;
    }
    return pixmap;
}

QPixmap UsePicture(TReportKind kind, bool selected) {
    QPixmap pixmap = Canvas(16, 16, ScreenRatio());
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawPixmap(QRect(0, 0, 16, 16), ReportPicture(kind, true));
    if (selected) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(0.75, 0.75, 14.5, 14.5), 3, 3);
    }
    return pixmap;
}

QPixmap ClipMark(bool selected) {
    QPixmap pixmap = Canvas(16, 16, ScreenRatio());
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ring = selected ? QColor(Qt::white) : ReportColor(TReportKind::Clip);
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(selected ? ReportColor(TReportKind::Clip) : QColor(Qt::white), 2, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(4.5, 8.5);
    tick.lineTo(7, 11);
    tick.lineTo(11.5, 5.5);
    p.drawPath(tick);
    return pixmap;
}

namespace {

QPixmap Banner(int width, int height, int titleSize) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(0x1c, 0x3d, 0x6e));
    sky.setColorAt(1, QColor(0x2f, 0x7a, 0xb8));
    p.fillRect(pixmap.rect(), sky);
    // Signal arcs over a mast: the communicator calling out.
    p.setPen(QPen(QColor(255, 255, 255, 150), 3));
    const QPointF mast(width - height * 0.55, height * 0.62);
    for (int r = 1; r <= 3; ++r) {
        const qreal radius = r * height * 0.13;
        p.drawArc(QRectF(mast.x() - radius, mast.y() - radius, 2 * radius, 2 * radius), 35 * 16, 110 * 16);
    }
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(mast, QPointF(mast.x(), height * 0.92));
    QFont title("DejaVu Sans");
    title.setPixelSize(titleSize);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(height / 6, 0, width, height * 6 / 10), Qt::AlignLeft | Qt::AlignBottom, "KORvisel PRO");
    return pixmap;
}

} // namespace

QPixmap SplashPicture() {
    QPixmap pixmap = Banner(548, 204, 48);
    QPainter p(&pixmap);
    QFont text("DejaVu Sans");
    text.setPixelSize(15);
    p.setFont(text);
    p.setPen(QColor(0xdd, 0xe8, 0xf5));
    p.drawText(QRect(34, 128, 480, 24), Qt::AlignLeft, "Configurator of the GSM alarm communicator");
    p.drawText(QRect(34, 156, 480, 24), Qt::AlignLeft, "Version 2.59.32");
    return pixmap;
}

QPixmap LogoPicture() {
    return Banner(340, 116, 30);
}

} // namespace korvisel
