#include "scenes.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

#include "compose.h"
#include "glyphs.h"

namespace art {

namespace {

const QString kSans = QStringLiteral("DejaVu Sans");
const QColor kDarkLime(112, 146, 36);  // the line green, dark enough for text on white

// Paints text with its left end at x; returns the advance.
double drawText(QPainter& p, const QString& t, double x, double baseline, double size, const QColor& c,
                bool bold = true) {
  QPainterPath path = textPath(t, kSans, size, bold, x, baseline);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPath(path);
  QFont f(kSans);
  f.setPixelSize(200);
  f.setBold(bold);
  return QFontMetricsF(f).horizontalAdvance(t) * size / 200.0;
}

double textWidth(const QString& t, double size, bool bold = true) {
  QFont f(kSans);
  f.setPixelSize(200);
  f.setBold(bold);
  return QFontMetricsF(f).horizontalAdvance(t) * size / 200.0;
}

// Draws a glyph into a square box of an existing painter's image.
void drawGlyph(QPainter& p, QSize canvas, const Glyph& g, const QRectF& box, const Ink& ink) {
  p.drawImage(0, 0, glyphLayer(g, canvas, box, ink));
}

// "Pursekeep" in the two greens.
void wordmark(QPainter& p, double x, double baseline, double size, const QColor& first, const QColor& second) {
  x += drawText(p, QStringLiteral("Purse"), x, baseline, size, first);
  drawText(p, QStringLiteral("keep"), x, baseline, size, second);
}

QImage logo() {
  QImage img = blank(150, 56);
  QPainter p;
  begin(p, img);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::green);
  p.drawEllipse(QPointF(24, 28), 21, 21);
  drawGlyph(p, img.size(), gLeafPurse, QRectF(10, 14, 28, 28), {Qt::white, pal::line});
  const double size = std::min(22.0, 96.0 / textWidth(QStringLiteral("Pursekeep"), 1));
  wordmark(p, 51, 28 + size * 0.36, size, pal::green, kDarkLime);
  p.end();
  return img;
}

QImage splash() {
  QImage img(624, 174, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::white);
  QPainter p;
  begin(p, img);
  // a calm mint field behind the picture on the right, kept above the progress strip
  QRadialGradient glow(QPointF(530, 64), 120);
  glow.setColorAt(0, pal::mint);
  glow.setColorAt(1, withAlpha(pal::mint, 0));
  p.fillRect(QRectF(380, 0, 244, 132), glow);

  p.setPen(Qt::NoPen);
  p.setBrush(pal::green);
  p.drawEllipse(QPointF(78, 66), 50, 50);
  p.setPen(QPen(pal::line, 4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(78, 66), 56, 56);
  drawGlyph(p, img.size(), gLeafPurse, QRectF(46, 34, 64, 64), {Qt::white, pal::line});

  wordmark(p, 152, 72, 50, pal::green, kDarkLime);
  drawText(p, QStringLiteral("Household budgeting"), 155, 104, 20, pal::grey, false);

  // piggy bank with coins
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(530, 66), 52, 52);
  p.setPen(QPen(lighter(pal::line, 0.3), 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(530, 66), 52, 52);
  drawGlyph(p, img.size(), gPiggy, QRectF(492, 26, 78, 78), {pal::green, pal::gold});
  auto coinAt = [&](double cx, double cy, double r) {
    drawGlyph(p, img.size(), [](G& g) { coin(g, 50, 50, 46, true); }, QRectF(cx - r, cy - r, 2 * r, 2 * r),
              {pal::gold, pal::gold});
  };
  coinAt(462, 34, 10);
  coinAt(598, 28, 8);
  coinAt(604, 104, 11);
  // a thin line above the progress strip
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(pal::line, 140));
  p.drawRect(QRectF(24, 124, 576, 1.5));
  p.end();
  return img;
}

QImage gate() {
  QImage img = blank(96, 96);
  QPainter p;
  begin(p, img);
  QImage sh = glyphLayer(gShieldLock, img.size(), QRectF(6, 4, 84, 84), {Qt::black, Qt::black});
  shadow(p, sh, 0, 3, 6, QColor(20, 40, 30, 70));
  QImage layer = glyphLayer(
      [](G& g) { g.fill(shieldPath()); }, img.size(), QRectF(6, 4, 84, 84), {Qt::white, Qt::white});
  QImage lime = tint(layer, pal::line);
  p.drawImage(0, 0, lime);
  QImage inner = glyphLayer(gShieldLock, img.size(), QRectF(12, 10, 72, 72), {Qt::black, Qt::black});
  QImage green = inner;
  {
    QPainter gp(&green);
    gp.setCompositionMode(QPainter::CompositionMode_SourceIn);
    QLinearGradient grad(0, 10, 0, 82);
    grad.setColorAt(0, lighter(pal::green, 0.18));
    grad.setColorAt(1, pal::green);
    gp.fillRect(green.rect(), grad);
  }
  p.drawImage(0, 0, green);
  p.end();
  return img;
}

// A picture drawn for a window region cut out by its magenta background:
// edges are blended against white (the lists behind it) and every pixel less
// than half covered becomes pure magenta.
QImage onMagenta(const QImage& art) {
  QImage out(art.size(), QImage::Format_RGB32);
  const QImage a = art.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < a.height(); ++y) {
    const QRgb* src = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      const int al = qAlpha(src[x]);
      if (al < 128) {
        dst[x] = qRgb(255, 0, 255);
        continue;
      }
      auto over = [al](int c) { return (c * al + 255 * (255 - al)) / 255; };
      int r = over(qRed(src[x])), g = over(qGreen(src[x])), b = over(qBlue(src[x]));
      if (r == 255 && g == 0 && b == 255) g = 1;
      dst[x] = qRgb(r, g, b);
    }
  }
  return out;
}

QImage dropHint() {
  QImage img = blank(260, 120);
  QPainter p;
  begin(p, img);
  QPainterPath box;
  box.addRoundedRect(QRectF(3, 3, 254, 114), 20, 20);
  p.setPen(QPen(pal::line, 3));
  p.setBrush(QColor(244, 249, 238));
  p.drawPath(box);
  const QString words = QStringLiteral("Drag items across");
  const double w = textWidth(words, 21);
  drawText(p, words, 130 - w / 2, 44, 21, pal::green);
  QPainterPath curve;
  curve.moveTo(40, 70);
  curve.cubicTo(90, 100, 160, 100, 204, 78);
  p.setPen(QPen(pal::orange, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  p.drawPolyline(QPolygonF({QPointF(184, 66), QPointF(206, 77), QPointF(194, 98)}));
  p.setPen(Qt::NoPen);
  p.setBrush(pal::orange);
  p.drawEllipse(QPointF(40, 70), 8, 8);
  p.end();
  return onMagenta(img);
}

// The green band of the start page's banner: every piece shares its
// vertical profile so the pieces join in any order.
void bandBackground(QPainter& p, int w, int h) {
  QLinearGradient grad(0, 0, 0, h);
  grad.setColorAt(0, lighter(pal::green, 0.12));
  grad.setColorAt(1, darker(pal::green, 0.08));
  p.fillRect(QRectF(0, 0, w, h - 4), grad);
  p.fillRect(QRectF(0, h - 4, w, 4), pal::line);
}

void softCircles(QPainter& p, const QRectF& clip, std::initializer_list<QPointF> centres, double r) {
  p.save();
  p.setClipRect(clip);
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(Qt::white, 18));
  for (QPointF c : centres) p.drawEllipse(c, r, r);
  p.restore();
}

QImage bannerLeft() {
  QImage img = blank(360, 76);
  QPainter p;
  begin(p, img);
  bandBackground(p, img.width(), img.height());
  softCircles(p, QRectF(0, 0, 360, 72), {QPointF(40, 70)}, 46);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(42, 36), 24, 24);
  drawGlyph(p, img.size(), gLeafPurse, QRectF(26, 20, 32, 32), {pal::green, pal::line});
  wordmark(p, 78, 40, 30, Qt::white, lighter(pal::line, 0.25));
  drawText(p, QStringLiteral("Household budgeting"), 80, 60, 13, withAlpha(Qt::white, 200), false);
  p.end();
  return img;
}

QImage bannerIcons(int width, std::initializer_list<void (*)(G&)> glyphs) {
  QImage img = blank(width, 76);
  QPainter p;
  begin(p, img);
  bandBackground(p, img.width(), img.height());
  softCircles(p, QRectF(0, 0, width, 72), {QPointF(width * 0.7, 8)}, 40);
  const int n = int(glyphs.size());
  int i = 0;
  for (auto g : glyphs) {
    const double cx = width * (i + 0.5) / n, cy = 36;
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 34));
    p.drawEllipse(QPointF(cx, cy), 24, 24);
    drawGlyph(p, img.size(), g, QRectF(cx - 15, cy - 15, 30, 30), {withAlpha(Qt::white, 220), pal::gold});
    ++i;
  }
  p.end();
  return img;
}

QImage bannerStrip() {
  QImage img = blank(16, 76);
  QPainter p;
  begin(p, img);
  bandBackground(p, img.width(), img.height());
  p.end();
  return img;
}

// A plain green band with a little decoration on the right, for strips that
// draw their own white text (the account register's name line).
QImage darkBanner() {
  QImage img = blank(900, 70);
  QPainter p;
  begin(p, img);
  bandBackground(p, img.width(), img.height());
  softCircles(p, QRectF(0, 0, 900, 66), {QPointF(850, 8), QPointF(770, 70)}, 52);
  p.end();
  return img;
}

QImage hubBanner(const Glyph& g, const QColor& colour, const QString& title, const QString& subtitle) {
  QImage img = blank(900, 70);
  QPainter p;
  begin(p, img);
  QLinearGradient grad(0, 0, 900, 0);
  grad.setColorAt(0, Qt::white);
  grad.setColorAt(0.45, QColor(246, 250, 242));
  grad.setColorAt(1, pal::mint);
  p.fillRect(QRectF(0, 0, 900, 67), grad);
  p.fillRect(QRectF(0, 67, 900, 3), pal::line);
  p.save();
  p.setClipRect(QRectF(0, 0, 900, 67));
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(pal::line, 40));
  p.drawEllipse(QPointF(840, 10), 60, 60);
  p.setBrush(withAlpha(pal::green, 16));
  p.drawEllipse(QPointF(760, 74), 44, 44);
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(96, 34), 25, 25);
  drawGlyph(p, img.size(), g, QRectF(80, 18, 32, 32), {Qt::white, pal::gold});
  drawText(p, title, 134, 36, 24, pal::green);
  drawText(p, subtitle, 135, 56, 13, pal::grey, false);
  p.end();
  return img;
}

QImage reminder() {
  QImage img = blank(64, 64);
  QPainter p;
  begin(p, img);
  QImage sh = glyphLayer(gAttention, img.size(), QRectF(4, 2, 56, 56), {Qt::black, Qt::black});
  shadow(p, sh, 0, 2, 4, QColor(80, 40, 0, 70));
  drawGlyph(p, img.size(), gAttention, QRectF(4, 2, 56, 56), {pal::amber, pal::amber});
  p.end();
  return img;
}

QImage startHere() {
  QImage img = blank(120, 80);
  QPainter p;
  begin(p, img);
  const QString t = QStringLiteral("Start here");
  drawText(p, t, 60 - textWidth(t, 17) / 2, 22, 17, pal::orange);
  QPainterPath curve;
  curve.moveTo(14, 36);
  curve.cubicTo(20, 66, 70, 70, 108, 58);
  p.setPen(QPen(pal::orange, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  p.drawPolyline(QPolygonF({QPointF(94, 46), QPointF(110, 57), QPointF(96, 72)}));
  p.end();
  return img;
}

QImage panel() {
  QImage img = blank(344, 185);
  QPainter p;
  begin(p, img);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::mint);
  p.drawEllipse(QPointF(160, 250), 230, 100);
  p.setBrush(lighter(pal::mint, 0.4));
  p.drawEllipse(QPointF(300, 240), 120, 74);
  // house
  drawGlyph(p, img.size(), gHome, QRectF(40, 44, 118, 118), {lighter(pal::green, 0.55), pal::line});
  // tree
  p.setBrush(lighter(pal::green, 0.62));
  p.drawRoundedRect(QRectF(188, 110, 9, 50), 4, 4);
  p.setBrush(lighter(pal::leaf, 0.45));
  p.drawEllipse(QPointF(192, 96), 26, 30);
  // coins
  for (int i = 0; i < 4; ++i) {
    p.setBrush(lighter(pal::gold, 0.2));
    p.drawRoundedRect(QRectF(232, 140 - i * 12, 50, 13), 6.5, 6.5);
    p.setBrush(lighter(pal::gold, 0.45));
    p.drawRoundedRect(QRectF(236, 142 - i * 12, 42, 4), 2, 2);
  }
  drawGlyph(p, img.size(), [](G& g) { coin(g, 50, 50, 46); }, QRectF(288, 118, 30, 30),
            {lighter(pal::gold, 0.15), pal::gold});
  // sun
  p.setBrush(lighter(pal::gold, 0.55));
  p.drawEllipse(QPointF(292, 42), 20, 20);
  p.end();
  return img;
}

QImage setupPicture(bool over) {
  QImage img = blank(124, 60);
  QPainter p;
  begin(p, img);
  p.drawImage(2, 4, roundButton(gGear, over, 52));
  const double size = std::min(19.0, 62.0 / textWidth(QStringLiteral("Set-up"), 1));
  drawText(p, QStringLiteral("Set-up"), 59, 30 + size * 0.36, size, over ? kDarkLime : pal::green);
  p.end();
  return img;
}

QImage manualPicture(const Glyph& g, bool hover) { return roundButton(g, hover, 28, 0.6); }

}  // namespace

void writeScenes(const Put& put) {
  const QString misc = QStringLiteral("misc");
  put(misc, QStringLiteral("art/logo.png"), logo());
  put(misc, QStringLiteral("art/splash.png"), splash());
  put(misc, QStringLiteral("art/gate.png"), gate());
  put(misc, QStringLiteral("art/default_icon.png"), listIcon(gTag, QColor(146, 156, 162), 48));
  put(misc, QStringLiteral("art/drophint.png"), dropHint());
  put(misc, QStringLiteral("art/start/banner4.png"), bannerLeft());
  put(misc, QStringLiteral("art/start/banner5.png"), bannerIcons(240, {gPiggy, gReports, gCalendar}));
  put(misc, QStringLiteral("art/start/banner6.png"), bannerIcons(160, {gHome, gLedgerPencil}));
  put(misc, QStringLiteral("art/start/banner7.png"), bannerStrip());
  put(misc, QStringLiteral("art/start/reminder.png"), reminder());
  put(misc, QStringLiteral("art/start/starthere.png"), startHere());
  put(misc, QStringLiteral("art/start/panel1.png"), panel());
  put(misc, QStringLiteral("art/hub/back_normal.png"), roundButton(gArrowBack, false, 48));
  put(misc, QStringLiteral("art/hub/back_over.png"), roundButton(gArrowBack, true, 48));
  put(misc, QStringLiteral("art/hub/banner_setup.png"),
      hubBanner(gGears, pal::green, QStringLiteral("Set-up"),
                QStringLiteral("Your accounts, income and outgoing items, and the annual budget")));
  put(misc, QStringLiteral("art/hub/banner_enter.png"),
      hubBanner(gLedgerPencil, pal::blue, QStringLiteral("Update accounts"),
                QStringLiteral("Choose an account to enter its transactions")));
  put(misc, QStringLiteral("art/hub/banner_view.png"),
      hubBanner(gReports, pal::orange, QStringLiteral("View reports and graphs"),
                QStringLiteral("See how your year compares with your budget")));

  put(misc, QStringLiteral("art/hub/banner_dark.png"), darkBanner());

  const QString btn = QStringLiteral("btn");
  put(btn, QStringLiteral("btn/setup_normal.png"), setupPicture(false));
  put(btn, QStringLiteral("btn/setup_over.png"), setupPicture(true));
  struct B {
    const char* name;
    void (*glyph)(G&);
  };
  for (const B& b : {B{"back", gArrowBack}, B{"btn_account", gBank}, B{"btn_income", gIncome},
                     B{"btn_outgoing", gOutgoing}, B{"btn_budget", gCalendar}}) {
    const QString n = QLatin1String(b.name);
    const QString normal = n == QLatin1String("back") ? QStringLiteral("btn/back_normal.png") : QStringLiteral("btn/%1.png").arg(n);
    const QString over = n == QLatin1String("back") ? QStringLiteral("btn/back_over.png") : QStringLiteral("btn/%1_over.png").arg(n);
    put(btn, normal, roundButton(b.glyph, false, 64));
    put(btn, over, roundButton(b.glyph, true, 64));
  }

  const QString man = QStringLiteral("manual");
  struct M {
    const char* name;
    void (*glyph)(G&);
  };
  for (const M& m : {M{"home", gHome}, M{"setup", gGear}, M{"enter", gLedgerPencil}, M{"view", gBarChart},
                     M{"back", gArrowBack}, M{"forward", gArrowForward}, M{"help", gHelp}, M{"trash", gTrash},
                     M{"print", gPrinter}, M{"import", gImport}, M{"search", gSearch}, M{"lock", gPadlockClosed},
                     M{"unlock", gPadlockOpen}, M{"backup", gBackup}})
    put(man, QStringLiteral("manual/pics/%1.png").arg(QLatin1String(m.name)), manualPicture(m.glyph, false));
}

}  // namespace art
