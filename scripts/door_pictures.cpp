// Draws the door view's six pictures into resources/ui/doors (120 x 120 PNG).
// Build and run from the project root:
//   g++ -std=c++20 -fPIC scripts/door_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/door_pictures
//   QT_QPA_PLATFORM=offscreen /tmp/door_pictures resources/ui/doors
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 120;

enum class Shackle { Closed, HalfOpen, Open };
enum class Arrow { None, Up, Down };

void badge(QPainter &p, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(125));
    p.drawEllipse(QRectF(4, 6, 112, 112));
    p.setBrush(colour);
    p.drawEllipse(QRectF(4, 2, 112, 112));
}

void padlock(QPainter &p, Shackle shackle, QColor glyph)
{
    // The shackle: a thick arc over the body, lifted and swung aside when open.
    QPen pen(glyph, 9, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    const qreal lift = shackle == Shackle::Closed ? 0 : shackle == Shackle::HalfOpen ? 8 : 14;
    const qreal shift = shackle == Shackle::Open ? 20 : 0;
    arc.moveTo(44 + shift, 58 - lift);
    arc.lineTo(44 + shift, 42 - lift);
    arc.arcTo(QRectF(44 + shift, 24 - lift, 32, 36), 180, -180);
    arc.lineTo(76 + shift, shackle == Shackle::Closed ? 58 : 46 - lift);
    p.drawPath(arc);
    // The body with its keyhole.
    p.setPen(Qt::NoPen);
    p.setBrush(glyph);
    p.drawRoundedRect(QRectF(34, 54, 52, 40), 7, 7);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QRectF(55, 64, 10, 10));
    p.drawRect(QRectF(58, 71, 4, 12));
}

void arrow(QPainter &p, Arrow a, QColor glyph)
{
    if (a == Arrow::None)
        return;
    QPen pen(glyph, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal x = 98;
    const qreal top = 34, bottom = 62;
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    if (a == Arrow::Up)
        p.drawPolyline(QPolygonF({QPointF(x - 8, top + 9), QPointF(x, top), QPointF(x + 8, top + 9)}));
    else
        p.drawPolyline(QPolygonF({QPointF(x - 8, bottom - 9), QPointF(x, bottom), QPointF(x + 8, bottom - 9)}));
}

void hourglass(QPainter &p, QColor glyph)
{
    QPen pen(glyph, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(QPointF(38, 30), QPointF(82, 30));
    p.drawLine(QPointF(38, 90), QPointF(82, 90));
    p.setPen(QPen(glyph, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(44, 32), QPointF(76, 32), QPointF(60, 60), QPointF(76, 88), QPointF(44, 88),
                             QPointF(60, 60)}));
    p.setPen(Qt::NoPen);
    p.setBrush(glyph);
    p.drawPolygon(QPolygonF({QPointF(50, 42), QPointF(70, 42), QPointF(60, 56)}));
    p.drawPolygon(QPolygonF({QPointF(60, 74), QPointF(72, 87), QPointF(48, 87)}));
}

bool save(const QString &dir, const char *name, const std::function<void(QPainter &)> &draw)
{
    QImage img(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return img.save(QDir(dir).filePath(QLatin1String(name) + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/ui/doors");
    QDir().mkpath(dir);
    const QColor white(Qt::white);
    const QColor blue(0x2f, 0x6f, 0xb5), amber(0xe0, 0x8e, 0x1b), green(0x2e, 0x9e, 0x4f), grey(0x8a, 0x93, 0x9e),
        red(0xb8, 0x3a, 0x32);
    bool ok = true;
    ok &= save(dir, "padlock-tancat", [&](QPainter &p) { badge(p, blue); padlock(p, Shackle::Closed, white); });
    ok &= save(dir, "padlock-tancant", [&](QPainter &p) {
        badge(p, amber);
        padlock(p, Shackle::HalfOpen, white);
        arrow(p, Arrow::Down, white);
    });
    ok &= save(dir, "unlock-obert", [&](QPainter &p) { badge(p, green); padlock(p, Shackle::Open, white); });
    ok &= save(dir, "unlock-obrint", [&](QPainter &p) {
        badge(p, amber);
        padlock(p, Shackle::HalfOpen, white);
        arrow(p, Arrow::Up, white);
    });
    ok &= save(dir, "esperant", [&](QPainter &p) { badge(p, grey); hourglass(p, white); });
    ok &= save(dir, "padlock", [&](QPainter &p) {
        badge(p, red);
        padlock(p, Shackle::Closed, white);
        // No right: the closed padlock struck through.
        p.setPen(QPen(white, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(26, 96), QPointF(94, 22));
    });
    return ok ? 0 : 1;
}
