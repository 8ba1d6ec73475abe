#include "tools/symbols.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace imgpaint {

namespace colours {
QColor green()
{
    return QColor(0, 120, 8);
}
QColor red()
{
    return QColor(135, 5, 5);
}
QColor orange()
{
    return QColor(170, 79, 6);
}
QColor yellow()
{
    return QColor(230, 172, 0);
}
QColor noData()
{
    return QColor(0x59, 0x59, 0x59);
}
QColor offGrey()
{
    return QColor(58, 58, 58);
}
QColor white()
{
    return QColor(232, 232, 232);
}
QColor line()
{
    return QColor(190, 190, 190);
}
} // namespace colours

namespace {

// ---- shared helpers --------------------------------------------------------

QFont uiFont(double pixels, bool bold = false, const QString& family = QStringLiteral("DejaVu Sans"))
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixels))));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPen roundPen(const QColor& c, double width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Colour of a two-state symbol: lit when on, neutral when off, grey without data.
QColor stateColour(const SymbolParams& s, const QColor& onColour, const QColor& offColour)
{
    switch (s.variant) {
    case StateOn: return onColour;
    case StateNoData: return colours::noData();
    default: return offColour;
    }
}

// Small round "?" badge: the mark of a symbol whose source sends no data.
void questionBadge(QPainter& p, QPointF centre, double r)
{
    p.save();
    p.setPen(QPen(QColor(150, 150, 150), std::max(1.0, r * 0.14)));
    p.setBrush(QColor(38, 38, 38));
    p.drawEllipse(centre, r, r);
    p.setPen(QColor(215, 215, 215));
    p.setFont(uiFont(r * 1.45, true));
    p.drawText(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

// Vertical gradient that gives flat shapes a little depth.
QLinearGradient bodyGradient(const QRectF& r, const QColor& c)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(135));
    g.setColorAt(1, c.darker(130));
    return g;
}

// Side view of a locomotive in a 145 x 50 design frame, scaled into `target`.
struct LocoLook {
    QColor leftCab;
    QColor rightCab;
    QColor body;
    QColor outline;
    QColor glass;
    QColor running;  // bogies and wheels
    int windows = 3; // side windows; 3 = Co-Co bogies, 2 = Bo-Bo
    bool shaded = true;
};

// Line width of the side view's outlines, in design units.
constexpr double kLocoLine = 0.9;

// Rail, bogies with their wheels, underframe and buffers.
void drawLocoRunningGear(QPainter& p, const LocoLook& look)
{
    const double lw = kLocoLine;

    // Rail.
    p.setPen(QPen(look.running.darker(115), 1.2));
    p.drawLine(QPointF(2, 47.6), QPointF(143, 47.6));

    // Bogies and wheels.
    const bool coco = look.windows >= 3;
    const double bogieX[2] = {34, 111};
    for (double bx : bogieX) {
        const double half = coco ? 16 : 11;
        p.setPen(QPen(look.running.darker(140), lw));
        p.setBrush(look.running.darker(110));
        p.drawRoundedRect(QRectF(bx - half, 37.5, 2 * half, 4.5), 1.2, 1.2);
        const QList<double> axles = coco ? QList<double>{-10.5, 0, 10.5} : QList<double>{-5.5, 5.5};
        for (double ax : axles) {
            p.setPen(QPen(look.running.lighter(150), lw));
            p.setBrush(look.running.darker(160));
            p.drawEllipse(QPointF(bx + ax, 43.2), 4.1, 4.1);
            p.setBrush(look.running.lighter(130));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(bx + ax, 43.2), 1.2, 1.2);
        }
    }

    // Underframe and buffers.
    p.setPen(Qt::NoPen);
    p.setBrush(look.running.darker(150));
    p.drawRect(QRectF(7, 35.5, 131, 2.6));
    p.setBrush(look.running);
    p.drawRect(QRectF(1, 31, 3.2, 3.2));
    p.drawRect(QRectF(140.8, 31, 3.2, 3.2));
}

// Body outline with sloped cab fronts.
QPainterPath locoBodyPath()
{
    QPainterPath body;
    body.moveTo(4, 36);
    body.lineTo(4, 21);
    body.lineTo(9.5, 12);
    body.lineTo(135.5, 12);
    body.lineTo(141, 21);
    body.lineTo(141, 36);
    body.closeSubpath();
    return body;
}

// The body filled, the cabs in their colours, joints, sole bar and outline.
void drawLocoBody(QPainter& p, const LocoLook& look, const QPainterPath& body)
{
    const QRectF bodyRect(4, 12, 137, 24);
    if (look.shaded)
        p.setBrush(bodyGradient(bodyRect, look.body));
    else
        p.setBrush(look.body);
    p.setPen(Qt::NoPen);
    p.drawPath(body);

    // Cabs in their colours.
    p.save();
    p.setClipPath(body);
    if (look.shaded) {
        p.setBrush(bodyGradient(bodyRect, look.leftCab));
        p.drawRect(QRectF(0, 10, 25, 28));
        p.setBrush(bodyGradient(bodyRect, look.rightCab));
        p.drawRect(QRectF(120, 10, 25, 28));
    } else {
        p.setBrush(look.leftCab);
        p.drawRect(QRectF(0, 10, 25, 28));
        p.setBrush(look.rightCab);
        p.drawRect(QRectF(120, 10, 25, 28));
    }
    // Cab joints.
    p.setPen(QPen(look.outline.darker(170), 0.7));
    p.drawLine(QPointF(25, 12), QPointF(25, 36));
    p.drawLine(QPointF(120, 12), QPointF(120, 36));
    // Sole bar stripe.
    p.setPen(QPen(look.outline.darker(150), 0.8));
    p.drawLine(QPointF(4, 31.5), QPointF(141, 31.5));
    p.restore();

    p.setPen(QPen(look.outline, kLocoLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

// Windscreens, cab side windows and the side windows of the machine room.
void drawLocoWindows(QPainter& p, const LocoLook& look)
{
    p.setPen(QPen(look.outline.darker(130), 0.6));
    p.setBrush(look.glass);
    QPolygonF leftScreen({QPointF(5.6, 21), QPointF(10.4, 14.2), QPointF(14.5, 14.2), QPointF(14.5, 21)});
    QPolygonF rightScreen({QPointF(139.4, 21), QPointF(134.6, 14.2), QPointF(130.5, 14.2), QPointF(130.5, 21)});
    p.drawPolygon(leftScreen);
    p.drawPolygon(rightScreen);
    p.drawRect(QRectF(17.2, 14.8, 5, 7));
    p.drawRect(QRectF(122.8, 14.8, 5, 7));

    // Side windows of the machine room.
    const int n = std::clamp(look.windows, 1, 6);
    const double from = 33, to = 112, winW = 12;
    const double gap = (to - from - n * winW) / (n + 1);
    for (int i = 0; i < n; ++i) {
        const double x = from + gap + i * (winW + gap);
        p.drawRoundedRect(QRectF(x, 15.5, winW, 7), 1, 1);
    }
    // Glass highlights.
    if (look.shaded) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 0.7));
        p.drawLine(QPointF(11, 15.3), QPointF(13.8, 15.3));
        p.drawLine(QPointF(131.2, 15.3), QPointF(134, 15.3));
    }
}

// Roof: two lowered pantographs and the roof equipment.
void drawLocoRoof(QPainter& p, const LocoLook& look)
{
    p.setPen(QPen(look.outline, 0.8));
    p.setBrush(look.body.darker(120));
    p.drawRect(QRectF(55, 9.6, 35, 2.4));
    for (double px : {40.0, 105.0}) {
        p.setPen(QPen(look.outline, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(px - 7, 11.8), QPointF(px - 7, 10.4));
        p.drawLine(QPointF(px + 7, 11.8), QPointF(px + 7, 10.4));
        QPolygonF pan({QPointF(px - 9, 9.2), QPointF(px, 7.2), QPointF(px + 9, 9.2), QPointF(px, 10.6)});
        p.drawPolygon(pan);
        p.drawLine(QPointF(px - 5, 6.4), QPointF(px + 5, 6.4));
    }
}

void drawLocoSide(QPainter& p, const QRectF& target, const LocoLook& look)
{
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / 145.0, target.height() / 50.0);
    drawLocoRunningGear(p, look);
    drawLocoBody(p, look, locoBodyPath());
    drawLocoWindows(p, look);
    drawLocoRoof(p, look);
    p.restore();
}

// Plain one-colour silhouette for the small message indicators.
void drawLocoSilhouette(QPainter& p, const QRectF& target, const QColor& c, const QColor& glass)
{
    LocoLook look;
    look.leftCab = look.rightCab = look.body = c;
    look.outline = c;
    look.glass = glass;
    look.running = c;
    look.windows = 3;
    look.shaded = false;
    drawLocoSide(p, target, look);
}

// Front view of a locomotive cab (used by the message symbols and the logo).
void drawLocoFront(QPainter& p, const QRectF& r, const QColor& body, const QColor& glass)
{
    p.save();
    const double w = r.width(), h = r.height();
    QPainterPath shell;
    shell.moveTo(r.left() + 0.18 * w, r.top() + 0.04 * h);
    shell.lineTo(r.right() - 0.18 * w, r.top() + 0.04 * h);
    shell.quadTo(r.right() - 0.04 * w, r.top() + 0.06 * h, r.right() - 0.03 * w, r.top() + 0.45 * h);
    shell.lineTo(r.right(), r.bottom() - 0.12 * h);
    shell.lineTo(r.left(), r.bottom() - 0.12 * h);
    shell.lineTo(r.left() + 0.03 * w, r.top() + 0.45 * h);
    shell.quadTo(r.left() + 0.04 * w, r.top() + 0.06 * h, r.left() + 0.18 * w, r.top() + 0.04 * h);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(shell);

    // Windscreen in two panes.
    p.setBrush(glass);
    const double sy = r.top() + 0.14 * h, sh = 0.28 * h;
    p.drawRoundedRect(QRectF(r.left() + 0.14 * w, sy, 0.33 * w, sh), 0.04 * w, 0.04 * w);
    p.drawRoundedRect(QRectF(r.left() + 0.53 * w, sy, 0.33 * w, sh), 0.04 * w, 0.04 * w);
    // Head lights and marker lights.
    p.drawEllipse(QPointF(r.left() + 0.22 * w, r.top() + 0.66 * h), 0.07 * w, 0.07 * w);
    p.drawEllipse(QPointF(r.right() - 0.22 * w, r.top() + 0.66 * h), 0.07 * w, 0.07 * w);
    p.drawRect(QRectF(r.left() + 0.40 * w, r.top() + 0.60 * h, 0.20 * w, 0.08 * h));
    // Buffer beam and buffers.
    p.setBrush(body);
    p.drawRect(QRectF(r.left() + 0.02 * w, r.bottom() - 0.10 * h, 0.96 * w, 0.05 * h));
    p.drawRect(QRectF(r.left() + 0.08 * w, r.bottom() - 0.06 * h, 0.14 * w, 0.06 * h));
    p.drawRect(QRectF(r.right() - 0.22 * w, r.bottom() - 0.06 * h, 0.14 * w, 0.06 * h));
    p.restore();
}

// Filled arrow pointing up inside the unit square (0..1), later rotated.
QPolygonF upArrow(bool small)
{
    if (small)
        return QPolygonF({QPointF(0.5, 0.18), QPointF(0.92, 0.78), QPointF(0.08, 0.78)});
    return QPolygonF({QPointF(0.5, 0.06), QPointF(0.94, 0.52), QPointF(0.66, 0.52), QPointF(0.66, 0.94),
                      QPointF(0.34, 0.94), QPointF(0.34, 0.52), QPointF(0.06, 0.52)});
}

QPolygonF mapUnit(const QPolygonF& poly, const QRectF& box, int quarterTurns)
{
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.rotate(90.0 * quarterTurns);
    t.scale(box.width(), box.height());
    t.translate(-0.5, -0.5);
    return t.map(poly);
}

void fillArrow(QPainter& p, const QPolygonF& poly, const QColor& c)
{
    const QRectF b = poly.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, c.lighter(125));
    g.setColorAt(1, c.darker(135));
    p.setPen(QPen(c.darker(260), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(poly);
}

} // namespace

// ---- lamps -------------------------------------------------------------------

namespace {

// Outline of a lamp: round, or long with round ends.
QPainterPath lampShape(const QRectF& r, bool longShape)
{
    QPainterPath path;
    if (longShape)
        path.addRoundedRect(r, r.height() / 2, r.height() / 2);
    else
        path.addEllipse(r);
    return path;
}

// Metal bezel, lit from above.
void drawBezel(QPainter& p, const QRectF& outer, bool longShape)
{
    QLinearGradient bezel(outer.topLeft(), outer.bottomLeft());
    bezel.setColorAt(0, QColor(170, 170, 170));
    bezel.setColorAt(0.5, QColor(72, 72, 72));
    bezel.setColorAt(1, QColor(28, 28, 28));
    p.setPen(QPen(QColor(8, 8, 8), 1));
    p.setBrush(bezel);
    p.drawPath(lampShape(outer, longShape));
}

// Glass: a radial gradient in unit coordinates, stretched over the lens.
void drawLensGlass(QPainter& p, const QRectF& lens, const QPainterPath& lensPath, const QColor& base, bool noData)
{
    QRadialGradient glass(QPointF(0, 0), 1.0, QPointF(-0.25, -0.35));
    if (noData) {
        glass.setColorAt(0, base.lighter(125));
        glass.setColorAt(1, base.darker(150));
    } else {
        glass.setColorAt(0, base.lighter(175));
        glass.setColorAt(0.55, base);
        glass.setColorAt(1, base.darker(230));
    }
    QBrush glassBrush(glass);
    QTransform t;
    t.translate(lens.center().x(), lens.center().y());
    t.scale(lens.width() / 2, lens.height() / 2);
    glassBrush.setTransform(t);
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.8));
    p.setBrush(glassBrush);
    p.drawPath(lensPath);
}

// Struck through: no data from the source.
void strikeThrough(QPainter& p, const QRectF& lens, const QPainterPath& lensPath)
{
    p.save();
    p.setClipPath(lensPath);
    const double w = std::max(2.0, lens.height() * 0.16);
    p.setPen(QPen(QColor(28, 28, 28), w, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(lens.bottomLeft(), lens.topRight());
    p.setPen(QPen(QColor(150, 150, 150), std::max(0.8, w * 0.25), Qt::SolidLine, Qt::FlatCap));
    const QPointF off(-w * 0.3, -w * 0.3);
    p.drawLine(lens.bottomLeft() + off, lens.topRight() + off);
    p.restore();
}

// Reflection on the upper part of the lens, brighter on a lit lamp.
void drawReflection(QPainter& p, const QRectF& lens, bool longShape, bool lit)
{
    const QRectF hl(lens.left() + lens.width() * 0.2, lens.top() + lens.height() * 0.07, lens.width() * 0.6,
                    lens.height() * 0.42);
    QLinearGradient shine(hl.topLeft(), hl.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, lit ? 170 : 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(lampShape(hl, longShape));
}

} // namespace

void paintLed(QPainter& p, QSize size, const SymbolParams& s)
{
    const bool noData = s.number == 1;
    const bool longShape = s.variant == LedLong;
    const QRectF outer(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    drawBezel(p, outer, longShape);

    const double ring = std::max(1.5, std::min(outer.width(), outer.height()) * 0.09);
    const QRectF lens = outer.adjusted(ring, ring, -ring, -ring);
    const QPainterPath lensPath = lampShape(lens, longShape);
    const QColor base = noData ? colours::noData() : s.colour;
    drawLensGlass(p, lens, lensPath, base, noData);
    if (noData)
        strikeThrough(p, lens, lensPath);
    drawReflection(p, lens, longShape, !noData && s.colour != colours::offGrey());
}

// ---- pantograph, breaker, brake --------------------------------------------

void paintPantograph(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const QColor c = stateColour(s, colours::green().lighter(150), colours::line());
    const bool raised = s.variant == StateOn;
    const double cx = w / 2;
    const double stroke = std::max(1.6, h * 0.04);

    // Contact wire.
    const double wireY = h * 0.10;
    p.setPen(QPen(QColor(120, 120, 120), std::max(1.0, h * 0.022)));
    p.drawLine(QPointF(w * 0.04, wireY), QPointF(w * 0.96, wireY));

    // Roof.
    const double roofY = h * 0.84;
    const QRectF roof(w * 0.04, roofY, w * 0.92, h * 0.08);
    p.setPen(QPen(c.darker(180), 1));
    p.setBrush(bodyGradient(roof, c.darker(160)));
    p.drawRoundedRect(roof, h * 0.03, h * 0.03);

    // Insulators carrying the base frame.
    const double baseY = h * 0.70;
    p.setPen(Qt::NoPen);
    p.setBrush(c.darker(125));
    for (double ix : {cx - w * 0.22, cx + w * 0.22}) {
        for (int k = 0; k < 3; ++k) {
            const double y = roofY - (k + 1) * (roofY - baseY) / 3.2;
            p.drawEllipse(QPointF(ix, y), w * 0.035, h * 0.03);
        }
        p.drawRect(QRectF(ix - w * 0.012, baseY, w * 0.024, roofY - baseY));
    }
    p.setPen(roundPen(c, stroke));
    p.drawLine(QPointF(cx - w * 0.27, baseY), QPointF(cx + w * 0.27, baseY));

    // Frame: a diamond, tall when raised and flat when lowered.
    const double headY = raised ? wireY + stroke * 0.9 : baseY - h * 0.20;
    const double halfWidth = raised ? w * 0.15 : w * 0.30;
    const QPointF bottom(cx, baseY), top(cx, headY);
    const QPointF left(cx - halfWidth, (baseY + headY) / 2), right(cx + halfWidth, (baseY + headY) / 2);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({bottom, left, top, right}));

    // Collector head with its horns.
    QPainterPath head;
    const double hw = raised ? w * 0.2 : w * 0.12;
    const double horn = raised ? h * 0.06 : h * 0.02;
    head.moveTo(cx - hw - w * 0.05, headY + horn);
    head.quadTo(cx - hw - w * 0.02, headY, cx - hw, headY);
    head.lineTo(cx + hw, headY);
    head.quadTo(cx + hw + w * 0.02, headY, cx + hw + w * 0.05, headY + horn);
    p.setPen(roundPen(c, stroke * 1.2));
    p.drawPath(head);

    if (s.variant == StateNoData)
        questionBadge(p, QPointF(w * 0.84, h * 0.36), std::min(w, h) * 0.17);
}

void paintBreaker(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const QColor c = stateColour(s, colours::green().lighter(150), colours::line());
    const bool closed = s.variant == StateOn;
    const double y = h * 0.62;
    const double stroke = std::max(1.8, h * 0.05);

    // Vacuum bottle around the contacts.
    const QRectF bottle(w * 0.22, y - h * 0.40, w * 0.56, h * 0.62);
    p.setPen(QPen(QColor(88, 88, 88), std::max(1.0, h * 0.02)));
    p.setBrush(QColor(255, 255, 255, 12));
    p.drawRoundedRect(bottle, h * 0.1, h * 0.1);

    const QPointF pivot(w * 0.32, y), contact(w * 0.68, y);
    p.setPen(roundPen(c, stroke));
    p.drawLine(QPointF(w * 0.07, y), pivot);
    p.drawLine(contact, QPointF(w * 0.93, y));

    // Blade.
    const double len = contact.x() - pivot.x();
    const double angle = closed ? 0.0 : qDegreesToRadians(32.0);
    const QPointF tip(pivot.x() + len * std::cos(angle), pivot.y() - len * std::sin(angle));
    p.setPen(roundPen(c, stroke * 1.15));
    p.drawLine(pivot, tip);

    // Breaker mark at the fixed contact and the terminals.
    const double m = h * 0.075;
    p.setPen(roundPen(c, stroke * 0.8));
    p.drawLine(contact + QPointF(-m, -m), contact + QPointF(m, m));
    p.drawLine(contact + QPointF(-m, m), contact + QPointF(m, -m));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(pivot, stroke * 0.95, stroke * 0.95);
    p.drawEllipse(QPointF(w * 0.07, y), stroke * 1.1, stroke * 1.1);
    p.drawEllipse(QPointF(w * 0.93, y), stroke * 1.1, stroke * 1.1);

    if (s.variant == StateNoData)
        questionBadge(p, QPointF(w * 0.5, h * 0.28), std::min(w, h) * 0.17);
}

namespace {

// Rail and wheel (tyre, web and hub) of the brake symbol.
void drawBrakeWheel(QPainter& p, QSize size, QPointF centre, double r, const QColor& wheelColour)
{
    const double w = size.width(), h = size.height();
    // Rail.
    p.setPen(QPen(wheelColour.darker(150), std::max(1.5, h * 0.035)));
    p.drawLine(QPointF(w * 0.04, centre.y() + r + h * 0.03), QPointF(w * 0.96, centre.y() + r + h * 0.03));

    // Wheel: tyre, web and hub.
    p.setPen(QPen(wheelColour, std::max(1.6, r * 0.14)));
    p.setBrush(QColor(35, 35, 35));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(wheelColour.darker(140), std::max(1.0, r * 0.06)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r * 0.72, r * 0.72);
    p.setPen(Qt::NoPen);
    p.setBrush(wheelColour);
    p.drawEllipse(centre, r * 0.22, r * 0.22);
}

// Brake block: a shoe shaped to the tread, pressed on or held clear, and the
// rod to the brake cylinder. Returns the shoe's outer radius.
double drawBrakeShoe(QPainter& p, QSize size, QPointF centre, double r, const QColor& c, bool applied)
{
    const double w = size.width(), h = size.height();
    const double gap = applied ? r * 0.07 : r * 0.38;
    const double inner = r + gap, outer = inner + r * 0.28;
    QPainterPath shoe;
    const double span = 38.0;
    QRectF innerRect(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    QRectF outerRect(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    shoe.arcMoveTo(innerRect, -span);
    shoe.arcTo(innerRect, -span, 2 * span);
    shoe.arcTo(outerRect, span, -2 * span);
    shoe.closeSubpath();
    p.setPen(QPen(c.darker(170), 1));
    p.setBrush(c);
    p.drawPath(shoe);

    // Rod to the brake cylinder.
    const double rodY = centre.y();
    const double cylX = w * 0.80;
    p.setPen(roundPen(c, std::max(1.6, h * 0.05)));
    p.drawLine(QPointF(centre.x() + outer, rodY), QPointF(cylX, rodY));
    const QRectF cyl(cylX, rodY - h * 0.14, w * 0.15, h * 0.28);
    p.setPen(QPen(c.darker(170), 1));
    p.setBrush(bodyGradient(cyl, c));
    p.drawRoundedRect(cyl, h * 0.03, h * 0.03);
    return outer;
}

// Pressure marks between block and tread.
void drawPressureMarks(QPainter& p, double h, QPointF centre, double r, double outer, const QColor& c)
{
    p.setPen(roundPen(c, std::max(1.0, h * 0.025)));
    for (int k = -1; k <= 1; ++k) {
        const double a = qDegreesToRadians(k * 22.0);
        const QPointF from(centre.x() + (outer + r * 0.14) * std::cos(a),
                           centre.y() - (outer + r * 0.14) * std::sin(a));
        const QPointF to(centre.x() + (outer + r * 0.34) * std::cos(a), centre.y() - (outer + r * 0.34) * std::sin(a));
        if (k != 0)
            p.drawLine(from, to);
    }
}

} // namespace

void paintBrake(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const QColor c = stateColour(s, colours::red().lighter(165), colours::green().lighter(150));
    const bool applied = s.variant == StateOn;
    const QColor wheelColour = s.variant == StateNoData ? colours::noData() : colours::line();

    const double r = std::min(w * 0.30, h * 0.40);
    const QPointF centre(w * 0.36, h * 0.50);

    drawBrakeWheel(p, size, centre, r, wheelColour);
    const double outer = drawBrakeShoe(p, size, centre, r, c, applied);
    if (applied)
        drawPressureMarks(p, h, centre, r, outer, c);

    if (s.variant == StateNoData)
        questionBadge(p, QPointF(w * 0.84, h * 0.24), std::min(w, h) * 0.18);
}

// ---- direction ---------------------------------------------------------------

void paintDirection(QPainter& p, QSize size, const SymbolParams& s)
{
    const QRectF box(1, 1, size.width() - 2.0, size.height() - 2.0);
    const double w = box.width(), h = box.height();
    if (s.number == 1) {
        // Not known: a grey arrow pointing both ways, with the no-data badge.
        QPolygonF both({QPointF(0, h * 0.5), QPointF(w * 0.30, 0), QPointF(w * 0.30, h * 0.30),
                        QPointF(w * 0.70, h * 0.30), QPointF(w * 0.70, 0), QPointF(w, h * 0.5), QPointF(w * 0.70, h),
                        QPointF(w * 0.70, h * 0.70), QPointF(w * 0.30, h * 0.70), QPointF(w * 0.30, h)});
        both.translate(box.topLeft());
        fillArrow(p, both, colours::noData());
        questionBadge(p, box.center(), std::min(w, h) * 0.36);
        return;
    }
    QPolygonF right({QPointF(0, h * 0.30), QPointF(w * 0.56, h * 0.30), QPointF(w * 0.56, 0), QPointF(w, h * 0.5),
                     QPointF(w * 0.56, h), QPointF(w * 0.56, h * 0.70), QPointF(0, h * 0.70)});
    right.translate(box.topLeft());
    if (s.variant == DirLeft) {
        QTransform t;
        t.translate(size.width(), 0);
        t.scale(-1, 1);
        right = t.map(right);
    }
    fillArrow(p, right, s.colour);
}

// ---- locomotive pictogram ----------------------------------------------------

void paintLoco(QPainter& p, QSize size, const SymbolParams& s)
{
    LocoLook look;
    if (s.variant == 1) {
        look.leftCab = look.rightCab = colours::noData();
        look.body = QColor(60, 60, 60);
        look.outline = QColor(110, 110, 110);
        look.glass = QColor(34, 34, 34);
        look.running = QColor(80, 80, 80);
    } else {
        look.leftCab = s.colour;
        look.rightCab = s.colour2;
        look.body = QColor(72, 82, 96);
        look.outline = QColor(190, 196, 204);
        look.glass = QColor(22, 34, 46);
        look.running = QColor(105, 105, 110);
    }
    look.windows = s.number;
    drawLocoSide(p, QRectF(0, 0, size.width(), size.height()), look);
}

// ---- meters ------------------------------------------------------------------

namespace {
struct MeterScale {
    double from, to;     // scale ends in units
    double minor, major; // tick spacing in units
    double pixelsPerUnit;
};

MeterScale meterScale(int kind)
{
    switch (kind) {
    case MeterLineVoltage: return {0, 30, 1, 5, 10.0};   // kV
    case MeterLineCurrent: return {0, 300, 10, 50, 1.0}; // A
    default: return {-500, 500, 50, 100, 0.25};          // kN
    }
}
} // namespace

int meterZeroRow(int kind, QSize size)
{
    return kind == MeterEffort ? size.height() / 2 : size.height() - 20;
}

double meterPixelsPerUnit(int kind)
{
    return meterScale(kind).pixelsPerUnit;
}

namespace {

// What the parts of a meter picture share: its kind, size, scale and rows.
struct Meter {
    int kind;
    double w, h;
    MeterScale sc;
    double zero; // row of the scale's zero
    bool ticksLeft;
    bool ticksRight;

    double rowOf(double v) const { return zero - v * sc.pixelsPerUnit; }
};

void drawMeterPanel(QPainter& p, const Meter& m)
{
    const QRectF panel(0.5, 0.5, m.w - 1, m.h - 1);
    QLinearGradient bg(panel.topLeft(), panel.topRight());
    bg.setColorAt(0, QColor(22, 22, 22));
    bg.setColorAt(0.5, QColor(14, 14, 14));
    bg.setColorAt(1, QColor(22, 22, 22));
    p.setPen(QPen(QColor(62, 62, 62), 1));
    p.setBrush(bg);
    p.drawRoundedRect(panel, 6, 6);
}

// Coloured bands along the scale.
void drawMeterBands(QPainter& p, const Meter& m)
{
    struct Band {
        double from, to;
        QColor colour;
    };
    QList<Band> bands;
    if (m.kind == MeterLineVoltage)
        bands = {{0, 17.5, colours::red()},
                 {17.5, 19, colours::orange()},
                 {19, 27.5, colours::green()},
                 {27.5, 30, colours::orange()}};
    else if (m.kind == MeterLineCurrent)
        bands = {{0, 250, colours::green()}, {250, 300, colours::orange()}};
    const double bandX = m.kind == MeterLineVoltage ? m.w - 21 : 17;
    p.setPen(Qt::NoPen);
    for (const Band& b : bands) {
        p.setBrush(b.colour);
        p.drawRect(QRectF(bandX, m.rowOf(b.to), 4, m.rowOf(b.from) - m.rowOf(b.to)));
    }
}

// Ticks, and the scale rails along their roots.
void drawMeterTicks(QPainter& p, const Meter& m)
{
    const QColor tickColour(175, 175, 175);
    const MeterScale& sc = m.sc;
    const double w = m.w;
    const int count = int(std::lround((sc.to - sc.from) / sc.minor));
    for (int i = 0; i <= count; ++i) {
        const double v = sc.from + i * sc.minor;
        const bool major = std::fmod(std::abs(v), sc.major) < 1e-6;
        const double y = m.rowOf(v);
        const double len = major ? 13 : 7;
        p.setPen(QPen(tickColour, major ? 1.6 : 1.0, Qt::SolidLine, Qt::FlatCap));
        if (m.ticksLeft)
            p.drawLine(QPointF(2, y), QPointF(2 + len, y));
        if (m.ticksRight)
            p.drawLine(QPointF(w - 2 - len, y), QPointF(w - 2, y));
    }

    p.setPen(QPen(tickColour, 1.2));
    if (m.ticksLeft)
        p.drawLine(QPointF(2.5, m.rowOf(sc.to)), QPointF(2.5, m.rowOf(sc.from)));
    if (m.ticksRight)
        p.drawLine(QPointF(w - 2.5, m.rowOf(sc.to)), QPointF(w - 2.5, m.rowOf(sc.from)));
}

void drawMeterNumbers(QPainter& p, const Meter& m)
{
    const MeterScale& sc = m.sc;
    const double w = m.w;
    p.setFont(uiFont(12));
    p.setPen(QColor(200, 200, 200));
    const int majors = int(std::lround((sc.to - sc.from) / sc.major));
    for (int i = 0; i <= majors; ++i) {
        const double v = sc.from + i * sc.major;
        const double y = m.rowOf(v);
        const QString text = QString::number(int(std::lround(std::abs(v))));
        if (m.kind == MeterEffort)
            p.drawText(QRectF(0, y - 8, w, 16), Qt::AlignCenter, text);
        else if (m.kind == MeterLineVoltage)
            p.drawText(QRectF(4, y - 8, w - 30, 16), Qt::AlignRight | Qt::AlignVCenter, text);
        else
            p.drawText(QRectF(26, y - 8, w - 30, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

// Zero line and captions.
void drawMeterCaptions(QPainter& p, const Meter& m)
{
    const double w = m.w, h = m.h, zero = m.zero;
    p.setFont(uiFont(11, true));
    p.setPen(QColor(140, 140, 140));
    if (m.kind == MeterEffort) {
        p.setPen(QPen(QColor(230, 230, 230), 1.4));
        p.drawLine(QPointF(2, zero), QPointF(w * 0.5 - 14, zero));
        p.drawLine(QPointF(w * 0.5 + 14, zero), QPointF(w - 2, zero));
        p.setPen(QColor(150, 150, 150));
        p.drawText(QRectF(0, 3, w, 14), Qt::AlignCenter, QStringLiteral("TE"));
        p.drawText(QRectF(0, h - 17, w, 14), Qt::AlignCenter, QStringLiteral("BE"));
        p.setFont(uiFont(10));
        p.drawText(QRectF(0, zero + 7, w, 12), Qt::AlignCenter, QStringLiteral("kN"));
    } else if (m.kind == MeterLineVoltage) {
        p.drawText(QRectF(8, 2, w - 16, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("kV"));
    } else {
        p.drawText(QRectF(8, 2, w - 16, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("A"));
    }
}

} // namespace

void paintMeter(QPainter& p, QSize size, const SymbolParams& s)
{
    const int kind = s.variant;
    Meter m{kind,
            double(size.width()),
            double(size.height()),
            meterScale(kind),
            double(meterZeroRow(kind, size)),
            kind == MeterEffort || kind == MeterLineCurrent,
            kind == MeterEffort || kind == MeterLineVoltage};
    drawMeterPanel(p, m);
    drawMeterBands(p, m);
    drawMeterTicks(p, m);
    drawMeterNumbers(p, m);
    drawMeterCaptions(p, m);
}

void paintPointer(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    // The tip lies on the image's middle row, at the edge named by the variant.
    QPolygonF tri({QPointF(w - 0.5, h / 2), QPointF(1, 1), QPointF(w * 0.3, h / 2), QPointF(1, h - 1)});
    if (s.variant == DirLeft) {
        QTransform t;
        t.translate(w, 0);
        t.scale(-1, 1);
        tri = t.map(tri);
    }
    QLinearGradient g(QPointF(0, 0), QPointF(0, h));
    g.setColorAt(0, s.colour.lighter(160));
    g.setColorAt(1, s.colour.darker(110));
    p.setPen(QPen(s.colour.lighter(200), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(tri);
}

// ---- converters and motors ---------------------------------------------------

void paintConverter(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const QRectF box(2, 2, w - 4, h - 4);
    p.setPen(QPen(s.colour.lighter(190), 1.5));
    p.setBrush(bodyGradient(box, s.colour));
    p.drawRoundedRect(box, 4, 4);

    const QColor mark(238, 238, 238);
    const double stroke = std::max(1.4, w * 0.045);
    p.setPen(roundPen(mark, stroke));
    p.drawLine(QPointF(box.left() + 3, box.bottom() - 3), QPointF(box.right() - 3, box.top() + 3));
    // Direct current at the top left, alternating current at the bottom right.
    const double x0 = box.left() + box.width() * 0.14, x1 = box.left() + box.width() * 0.44;
    p.drawLine(QPointF(x0, box.top() + box.height() * 0.22), QPointF(x1, box.top() + box.height() * 0.22));
    p.drawLine(QPointF(x0, box.top() + box.height() * 0.34), QPointF(x1, box.top() + box.height() * 0.34));
    QPainterPath wave;
    const double wx = box.left() + box.width() * 0.56, ww = box.width() * 0.32, wy = box.top() + box.height() * 0.74;
    const double amp = box.height() * 0.08;
    wave.moveTo(wx, wy);
    wave.cubicTo(wx + ww * 0.25, wy - 2 * amp, wx + ww * 0.25, wy - 2 * amp, wx + ww * 0.5, wy);
    wave.cubicTo(wx + ww * 0.75, wy + 2 * amp, wx + ww * 0.75, wy + 2 * amp, wx + ww, wy);
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

void paintMotorCircle(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const QRectF disc(1.5, 1.5, w - 3, h - 3);
    QRadialGradient g(disc.center(), disc.width() / 2, disc.center() - QPointF(w * 0.15, h * 0.18));
    g.setColorAt(0, s.colour.lighter(175));
    g.setColorAt(0.7, s.colour);
    g.setColorAt(1, s.colour.darker(160));
    p.setPen(QPen(s.colour.lighter(200), 1.4));
    p.setBrush(g);
    p.drawEllipse(disc);
    p.setPen(QColor(245, 245, 245));
    p.setFont(uiFont(h * 0.5, true));
    p.drawText(disc, Qt::AlignCenter, QString::number(s.number));
}

// ---- layout toggle -----------------------------------------------------------

void paintToggle(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const bool disabled = s.variant == ToggleDisabled;
    const QRectF track(0.5, 0.5, w - 1, h - 1);
    p.setPen(QPen(disabled ? QColor(58, 58, 58) : QColor(92, 92, 92), 1));
    p.setBrush(QColor(26, 26, 26));
    p.drawRoundedRect(track, h / 2, h / 2);

    const bool firstActive = s.variant == ToggleFirstLayout;
    if (!disabled) {
        const QRectF knob = firstActive ? QRectF(3, 3, w / 2 - 3, h - 6) : QRectF(w / 2, 3, w / 2 - 3, h - 6);
        QLinearGradient g(knob.topLeft(), knob.bottomLeft());
        g.setColorAt(0, QColor(62, 128, 144));
        g.setColorAt(1, QColor(32, 74, 84));
        p.setPen(QPen(QColor(90, 160, 176), 1));
        p.setBrush(g);
        p.drawRoundedRect(knob, knob.height() / 2, knob.height() / 2);
    }
    auto glyphColour = [&](bool active) {
        if (disabled)
            return QColor(74, 74, 74);
        return active ? QColor(240, 240, 240) : QColor(120, 120, 120);
    };

    // Round dial: the layout with the round speed gauge.
    const QPointF dc(w * 0.25, h * 0.60);
    const double r = h * 0.36;
    p.setPen(roundPen(glyphColour(firstActive), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(dc.x() - r, dc.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    p.drawLine(dc, dc + QPointF(r * 0.55, -r * 0.7));
    p.drawLine(QPointF(dc.x() - r, dc.y()), QPointF(dc.x() + r, dc.y()));

    // Vertical bars: the layout with the bar meters.
    p.setPen(Qt::NoPen);
    p.setBrush(glyphColour(!firstActive && !disabled));
    const double bx = w * 0.75, base = h * 0.78, bw = h * 0.14;
    const double heights[3] = {0.32, 0.52, 0.42};
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(bx + (i - 1.5) * bw * 1.7, base - h * heights[i], bw, h * heights[i]));
}

// ---- language ----------------------------------------------------------------

void paintLanguage(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const QRectF key(1.5, 1.5, w - 3, h - 3);
    QLinearGradient g(key.topLeft(), key.bottomLeft());
    g.setColorAt(0, QColor(40, 40, 40));
    g.setColorAt(1, QColor(16, 16, 16));
    p.setPen(QPen(colours::orange(), 2));
    p.setBrush(g);
    p.drawRoundedRect(key, 8, 8);
    const bool devanagari = s.number == 1;
    p.setFont(devanagari ? uiFont(h * 0.50, false, QStringLiteral("Lohit Devanagari")) : uiFont(h * 0.44, true));
    p.setPen(QColor(238, 238, 238));
    p.drawText(key.adjusted(0, devanagari ? -h * 0.04 : 0, 0, 0), Qt::AlignCenter, s.text);
}

// ---- message box -------------------------------------------------------------

void paintDialog(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    if (s.variant == DialogFault) {
        const QRectF disc(2, 2, w - 4, h - 4);
        QRadialGradient g(disc.center(), disc.width() / 2, disc.center() - QPointF(w * 0.14, h * 0.16));
        g.setColorAt(0, colours::red().lighter(190));
        g.setColorAt(0.75, colours::red().lighter(120));
        g.setColorAt(1, colours::red().darker(130));
        p.setPen(QPen(colours::red().lighter(220), 1.5));
        p.setBrush(g);
        p.drawEllipse(disc);
        const double m = w * 0.30;
        p.setPen(roundPen(QColor(245, 245, 245), w * 0.11));
        p.drawLine(QPointF(m, m), QPointF(w - m, h - m));
        p.drawLine(QPointF(w - m, m), QPointF(m, h - m));
        return;
    }
    if (s.variant == DialogInfo) {
        // A blue disc with a white "i": information, nothing to fear.
        const QColor blue(30, 100, 170);
        const QRectF disc(2, 2, w - 4, h - 4);
        QRadialGradient g(disc.center(), disc.width() / 2, disc.center() - QPointF(w * 0.14, h * 0.16));
        g.setColorAt(0, blue.lighter(170));
        g.setColorAt(0.75, blue.lighter(115));
        g.setColorAt(1, blue.darker(130));
        p.setPen(QPen(blue.lighter(200), 1.5));
        p.setBrush(g);
        p.drawEllipse(disc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 245, 245));
        p.drawEllipse(QPointF(w / 2, h * 0.28), w * 0.065, w * 0.065);
        p.setPen(roundPen(QColor(245, 245, 245), w * 0.12));
        p.drawLine(QPointF(w / 2, h * 0.44), QPointF(w / 2, h * 0.74));
        return;
    }
    QPainterPath tri;
    tri.moveTo(w / 2, h * 0.06);
    tri.lineTo(w * 0.96, h * 0.90);
    tri.lineTo(w * 0.04, h * 0.90);
    tri.closeSubpath();
    QLinearGradient g(QPointF(0, 0), QPointF(0, h));
    g.setColorAt(0, colours::yellow().lighter(125));
    g.setColorAt(1, colours::yellow().darker(115));
    p.setPen(QPen(colours::yellow().darker(160), w * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(tri);
    p.setPen(roundPen(QColor(25, 25, 25), w * 0.09));
    p.drawLine(QPointF(w / 2, h * 0.34), QPointF(w / 2, h * 0.62));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 25));
    p.drawEllipse(QPointF(w / 2, h * 0.76), w * 0.055, w * 0.055);
}

// ---- arrows ------------------------------------------------------------------

void paintArrow(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const bool small = s.number == 1;
    const QColor c = s.colour.isValid() ? s.colour : colours::line();

    if (s.variant == DirUpDown) {
        const QRectF upBox(w * 0.18, h * 0.02, w * 0.64, h * 0.52);
        const QRectF downBox(w * 0.18, h * 0.46, w * 0.64, h * 0.52);
        fillArrow(p, mapUnit(upArrow(false), upBox, 0), c);
        fillArrow(p, mapUnit(upArrow(false), downBox, 2), c);
        return;
    }
    if (s.variant == DirTop || s.variant == DirBottom) {
        const bool top = s.variant == DirTop;
        const QRectF bar(w * 0.12, top ? h * 0.06 : h * 0.80, w * 0.76, h * 0.14);
        const QRectF arrowBox(w * 0.12, top ? h * 0.24 : h * 0.02, w * 0.76, h * 0.74);
        fillArrow(p, mapUnit(upArrow(false), arrowBox, top ? 0 : 2), c);
        p.setPen(QPen(c.darker(260), 1));
        p.setBrush(bodyGradient(bar, c));
        p.drawRoundedRect(bar, 1.5, 1.5);
        return;
    }
    int turns = 0;
    switch (s.variant) {
    case DirRight: turns = 1; break;
    case DirDown: turns = 2; break;
    case DirLeft: turns = 3; break;
    default: turns = 0; break;
    }
    const QRectF box(1, 1, w - 2, h - 2);
    fillArrow(p, mapUnit(upArrow(small), box, turns), c);
}

// ---- lock, brightness, tick, close/back --------------------------------------

void paintLock(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const bool locked = s.variant == 1;
    const QColor c = locked ? QColor(205, 205, 205) : colours::green().lighter(170);
    const QRectF body(0.5, h * 0.43, w - 1, h * 0.55);
    const double sw = std::max(1.6, w * 0.15);
    const double l = w * 0.27, r = w * 0.73;

    QPainterPath shackle;
    const double arcTop = locked ? h * 0.05 + sw / 2 : 0.5 + sw / 2;
    const double legTop = arcTop + (r - l) / 2;
    // The right leg stays in the body, locked or open.
    shackle.moveTo(r, body.top() + 0.5);
    shackle.lineTo(r, legTop);
    shackle.arcTo(QRectF(l, arcTop, r - l, r - l), 0, 180);
    shackle.lineTo(l, locked ? body.top() + 0.5 : legTop + h * 0.06);
    if (!locked) {
        // Open: the shackle stands clear of the body on the left.
        QTransform t;
        t.translate(0, -h * 0.02);
        shackle = t.map(shackle);
    }
    p.setPen(QPen(c, sw, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shackle);

    p.setPen(Qt::NoPen);
    p.setBrush(bodyGradient(body, c));
    p.drawRoundedRect(body, w * 0.12, w * 0.12);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(w / 2, body.top() + body.height() * 0.40), w * 0.11, w * 0.11);
    p.drawRect(QRectF(w / 2 - w * 0.05, body.top() + body.height() * 0.40, w * 0.10, body.height() * 0.34));
}

void paintBrightness(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const bool automatic = s.variant == 1;
    const QPointF c(w / 2, h / 2);
    const double core = std::min(w, h) * (automatic ? 0.24 : 0.20);
    const double rayIn = core + std::min(w, h) * 0.07, rayOut = std::min(w, h) * 0.45;
    p.setPen(roundPen(colours::yellow(), std::max(1.5, w * 0.055)));
    for (int i = 0; i < 8; ++i) {
        const double a = qDegreesToRadians(i * 45.0 + 22.5);
        p.drawLine(c + QPointF(rayIn * std::cos(a), rayIn * std::sin(a)),
                   c + QPointF(rayOut * std::cos(a), rayOut * std::sin(a)));
    }
    QRadialGradient g(c, core, c - QPointF(core * 0.3, core * 0.35));
    g.setColorAt(0, colours::yellow().lighter(140));
    g.setColorAt(1, colours::yellow().darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, core, core);
    if (automatic) {
        p.setPen(QColor(30, 30, 30));
        p.setFont(uiFont(core * 1.45, true));
        p.drawText(QRectF(c.x() - core, c.y() - core, 2 * core, 2 * core), Qt::AlignCenter, QStringLiteral("A"));
    }
}

void paintTick(QPainter& p, QSize size, const SymbolParams&)
{
    const double w = size.width(), h = size.height();
    const QRectF box(1.5, 1.5, w - 3, h - 3);
    p.setPen(QPen(QColor(102, 102, 102), 1.5));
    p.setBrush(QColor(15, 15, 15));
    p.drawRoundedRect(box, 3, 3);
    QPainterPath tick;
    tick.moveTo(w * 0.24, h * 0.52);
    tick.lineTo(w * 0.42, h * 0.70);
    tick.lineTo(w * 0.76, h * 0.28);
    p.setPen(roundPen(QColor(0, 176, 14), std::max(2.0, w * 0.12)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void paintNav(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    const QRectF ring(2, 2, w - 4, h - 4);
    QLinearGradient g(ring.topLeft(), ring.bottomLeft());
    g.setColorAt(0, QColor(52, 52, 52));
    g.setColorAt(1, QColor(22, 22, 22));
    p.setPen(QPen(QColor(150, 150, 150), 2));
    p.setBrush(g);
    p.drawEllipse(ring);
    const QColor c(228, 228, 228);
    if (s.variant == NavClose) {
        const double m = w * 0.33;
        p.setPen(roundPen(c, w * 0.08));
        p.drawLine(QPointF(m, m), QPointF(w - m, h - m));
        p.drawLine(QPointF(w - m, m), QPointF(m, h - m));
        return;
    }
    // Back: a return arrow.
    QPainterPath path;
    path.moveTo(w * 0.66, h * 0.70);
    path.cubicTo(w * 0.80, h * 0.70, w * 0.80, h * 0.36, w * 0.64, h * 0.36);
    path.lineTo(w * 0.40, h * 0.36);
    p.setPen(roundPen(c, w * 0.075));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(roundPen(c, 1));
    p.setBrush(c);
    p.drawPolygon(QPolygonF({QPointF(w * 0.24, h * 0.36), QPointF(w * 0.42, h * 0.23), QPointF(w * 0.42, h * 0.49)}));
}

// ---- message indicators and symbols ------------------------------------------

namespace {

// Fill of the indicator and the colour of its sign and locomotive.
void statusColours(int variant, QColor& fill, QColor& ink)
{
    switch (variant) {
    case LocoStatusIsolation:
        fill = colours::orange();
        ink = QColor(245, 245, 245);
        break;
    case LocoStatusInfo:
        fill = colours::yellow();
        ink = QColor(28, 28, 28);
        break;
    default:
        fill = colours::red();
        ink = QColor(245, 245, 245);
        break;
    }
}

// The sign on the left: warning triangle, isolation (struck circle) or information.
void drawStatusSign(QPainter& p, int variant, QPointF c, double r, const QColor& fill, const QColor& ink)
{
    if (variant == LocoStatusFault) {
        QPainterPath tri;
        tri.moveTo(c.x(), c.y() - r);
        tri.lineTo(c.x() + r * 1.1, c.y() + r * 0.85);
        tri.lineTo(c.x() - r * 1.1, c.y() + r * 0.85);
        tri.closeSubpath();
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink);
        p.drawPath(tri);
        p.setPen(roundPen(fill.darker(120), 2.2));
        p.drawLine(QPointF(c.x(), c.y() - r * 0.45), QPointF(c.x(), c.y() + r * 0.25));
        p.drawPoint(QPointF(c.x(), c.y() + r * 0.6));
    } else if (variant == LocoStatusIsolation) {
        p.setPen(QPen(ink, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);
        p.drawLine(c + QPointF(-r * 0.7, r * 0.7), c + QPointF(r * 0.7, -r * 0.7));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(c, r, r);
        p.setPen(roundPen(fill.lighter(120), 2.4));
        p.drawLine(QPointF(c.x(), c.y() - r * 0.05), QPointF(c.x(), c.y() + r * 0.55));
        p.drawPoint(QPointF(c.x(), c.y() - r * 0.5));
    }
}

// The largest box of the side view's proportions centred in `box`.
QRectF fitLocoSide(const QRectF& box)
{
    const double aspect = 145.0 / 50.0;
    QRectF fit = box;
    if (fit.width() / fit.height() > aspect)
        fit.setWidth(fit.height() * aspect);
    else
        fit.setHeight(fit.width() / aspect);
    fit.moveCenter(box.center());
    return fit;
}

} // namespace

void paintLocoStatus(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    QColor fill;
    QColor ink;
    statusColours(s.variant, fill, ink);
    const QRectF pill(0.5, 0.5, w - 1, h - 1);
    p.setPen(QPen(fill.lighter(170), 1));
    p.setBrush(bodyGradient(pill, fill));
    p.drawRoundedRect(pill, 6, 6);

    // Symbol on the left.
    drawStatusSign(p, s.variant, QPointF(h * 0.62, h / 2), h * 0.36, fill, ink);

    // Locomotive on the right.
    const double left = h * 1.25;
    const QRectF locoBox(left, h * 0.16, w - left - 6, h * 0.68);
    drawLocoSilhouette(p, fitLocoSide(locoBox), ink, fill.darker(115));
}

void paintLocoSymbol(QPainter& p, QSize size, const SymbolParams& s)
{
    const double w = size.width(), h = size.height();
    if (s.variant == LocoStatusInfo) {
        // The information sign: a yellow disc with a dark "i".
        const double r = std::min(w, h) / 2 - 2;
        const QPointF c(w / 2, h / 2);
        QRadialGradient g(c, r, c - QPointF(r * 0.3, r * 0.3));
        g.setColorAt(0, colours::yellow().lighter(125));
        g.setColorAt(1, colours::yellow().darker(125));
        p.setPen(QPen(QColor(30, 30, 30), 3));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(c.x(), c.y() - r * 0.50), r * 0.14, r * 0.14);
        QPainterPath stem;
        stem.moveTo(c.x() - r * 0.22, c.y() - r * 0.20);
        stem.lineTo(c.x() + r * 0.11, c.y() - r * 0.20);
        stem.lineTo(c.x() + r * 0.11, c.y() + r * 0.48);
        stem.lineTo(c.x() + r * 0.24, c.y() + r * 0.48);
        stem.lineTo(c.x() + r * 0.24, c.y() + r * 0.62);
        stem.lineTo(c.x() - r * 0.24, c.y() + r * 0.62);
        stem.lineTo(c.x() - r * 0.24, c.y() + r * 0.48);
        stem.lineTo(c.x() - r * 0.11, c.y() + r * 0.48);
        stem.lineTo(c.x() - r * 0.11, c.y() - r * 0.06);
        stem.lineTo(c.x() - r * 0.22, c.y() - r * 0.06);
        stem.closeSubpath();
        p.drawPath(stem);
        return;
    }
    QPainterPath tri;
    tri.moveTo(w / 2, 3);
    tri.lineTo(w - 3, h - 4);
    tri.lineTo(3, h - 4);
    tri.closeSubpath();
    QLinearGradient g(QPointF(0, 0), QPointF(0, h));
    g.setColorAt(0, colours::red().lighter(160));
    g.setColorAt(1, colours::red().darker(110));
    p.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(tri);
    drawLocoFront(p, QRectF(w * 0.33, h * 0.44, w * 0.34, h * 0.44), QColor(245, 245, 245), colours::red().darker(110));
    p.setPen(roundPen(QColor(245, 245, 245), w * 0.06));
    p.drawLine(QPointF(w / 2, h * 0.20), QPointF(w / 2, h * 0.31));
    p.drawPoint(QPointF(w / 2, h * 0.38));
}

void paintLogo(QPainter& p, QSize size, const SymbolParams&)
{
    const double w = size.width(), h = size.height();
    const QRectF front(4, h * 0.08, h * 0.80, h * 0.84);
    drawLocoFront(p, front, colours::orange().lighter(125), QColor(24, 24, 24));
    p.setPen(QColor(226, 226, 226));
    p.setFont(uiFont(h * 0.60, true));
    const QRectF textBox(front.right() + h * 0.2, 0, w - front.right() - h * 0.2, h * 0.86);
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("DDU"));
    p.setPen(QPen(colours::orange(), std::max(2.0, h * 0.05)));
    p.drawLine(QPointF(textBox.left() + 2, h * 0.86), QPointF(w - 6, h * 0.86));
}

} // namespace imgpaint
