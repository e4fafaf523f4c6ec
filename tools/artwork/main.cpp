// artgen: writes the program's artwork into a resources folder.
//   QT_QPA_PLATFORM=offscreen artgen <repo>/resources
// Contact sheets of everything written go beside the executable.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "compose.h"
#include "glyphs.h"
#include "scenes.h"

using namespace art;

namespace {

struct Written {
  QString name;
  QImage img;
};

class Out {
 public:
  explicit Out(QString root) : root_(std::move(root)) {}
  void put(const QString& group, const QString& rel, const QImage& img) {
    if (!save(img, root_ + QLatin1Char('/') + rel)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
      ok_ = false;
    }
    sheets_[group].push_back({rel.section(QLatin1Char('/'), -1), img});
    ++count_;
  }
  bool ok() const { return ok_; }
  int count() const { return count_; }
  const std::map<QString, std::vector<Written>>& sheets() const { return sheets_; }

 private:
  QString root_;
  std::map<QString, std::vector<Written>> sheets_;
  bool ok_ = true;
  int count_ = 0;
};

// Lays the pictures out in rows no wider than `maxWidth`, each with its name under it.
QImage contactSheet(const std::vector<Written>& items, int maxWidth) {
  struct Cell {
    QRect r;
    size_t i;
  };
  std::vector<Cell> cells;
  int x = 0, y = 0, rowH = 0, width = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    const int w = std::max(items[i].img.width(), 110) + 16, h = items[i].img.height() + 30;
    if (x > 0 && x + w > maxWidth) {
      x = 0;
      y += rowH;
      rowH = 0;
    }
    cells.push_back({QRect(x, y, w, h), i});
    x += w;
    rowH = std::max(rowH, h);
    width = std::max(width, x);
  }
  QImage sheet(std::max(width, 1), std::max(y + rowH, 1), QImage::Format_RGB32);
  sheet.fill(QColor(236, 238, 240));
  QPainter p(&sheet);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(10);
  p.setFont(f);
  for (const Cell& c : cells) {
    p.fillRect(c.r.adjusted(3, 3, -3, -3), Qt::white);
    const QImage& img = items[c.i].img;
    p.drawImage(c.r.x() + (c.r.width() - img.width()) / 2, c.r.y() + 8, img);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRect(c.r.x(), c.r.bottom() - 20, c.r.width(), 14), Qt::AlignCenter, items[c.i].name);
  }
  return sheet;
}

struct Preset {
  const char* file;
  void (*glyph)(G&);
};

void writeToolbar(Out& out) {
  void (*const set[])(G&) = {gBackup, gPadlockOpen, gHelp, gInfo, gTrash, gGear, gLedgerPencil, gBarChart,
                             gHome, gArrowBack, gPrinter, gImport, gSearch, gPadlockClosed, gArrowForward};
  int index = 0;
  for (auto glyph : set)
    for (bool hover : {false, true})
      out.put(QStringLiteral("toolbar"), QStringLiteral("art/toolbar/tb%1.png").arg(index++, 2, 10, QLatin1Char('0')),
              roundButton(glyph, hover));
}

void writeTiles(Out& out) {
  struct T {
    void (*glyph)(G&);
    QColor colour;
  };
  auto run = [&](const QString& prefix, std::initializer_list<T> tiles) {
    int i = 0;
    for (const T& t : tiles)
      for (bool hover : {false, true})
        out.put(QStringLiteral("tiles"), QStringLiteral("art/tiles/%1_%2.png").arg(prefix).arg(i++),
                tile(t.glyph, t.colour, hover));
  };
  run(QStringLiteral("start"), {{gGears, pal::green}, {gLedgerPencil, pal::blue}, {gReports, pal::orange}});
  run(QStringLiteral("setup"), {{gBank, pal::teal}, {gIncome, pal::leaf}, {gOutgoing, pal::coral}, {gCalendar, pal::purple}});
  run(QStringLiteral("view"), {{gClipboard, pal::purple},
                               {gTable, pal::blue},
                               {gLineChart, pal::teal},
                               {gPie, pal::orange},
                               {gPieIncoming, pal::leaf},
                               {gForecast, pal::green}});
}

void writePresets(Out& out) {
  const QColor accounts[] = {QColor(47, 114, 190), QColor(28, 132, 150), QColor(70, 92, 180), QColor(36, 100, 150)};
  const QColor income[] = {QColor(46, 140, 86), QColor(32, 91, 71), QColor(96, 150, 48), QColor(24, 124, 108)};
  const QColor outgoing[] = {QColor(232, 124, 48), QColor(214, 78, 70), QColor(222, 154, 34), QColor(196, 86, 52),
                             QColor(226, 96, 110)};
  const Preset acc[] = {{"cheque_account", gCheque}, {"savings", gPiggy},     {"credit_card", gCreditCard},
                        {"cash", gCash},             {"term_deposit", gSafe}, {"mortgage", gMortgage},
                        {"loan", gLoan},             {"investment", gInvestment}};
  const Preset inc[] = {{"salary", gSalary},
                        {"wages", gWages},
                        {"bonus", gBonus},
                        {"commission", gCommission},
                        {"interest", gInterest},
                        {"dividends", gDividends},
                        {"rental_income", gRentalIncome},
                        {"pension", gPension},
                        {"child_benefit", gChildBenefit},
                        {"tax_refund", gTaxRefund},
                        {"gifts_received", gGiftsReceived},
                        {"business_income", gBusiness},
                        {"side_jobs", gSideJobs},
                        {"other_income", gOtherIncome},
                        {"imported_income", gImportedIncome}};
  const Preset out_[] = {{"rent", gRent},
                         {"mortgage_payment", gMortgagePayment},
                         {"groceries", gGroceries},
                         {"electricity", gElectricity},
                         {"gas", gGas},
                         {"water", gWater},
                         {"phone", gPhone},
                         {"internet", gInternet},
                         {"mobile_phone", gMobile},
                         {"car_loan", gCarLoan},
                         {"fuel", gFuel},
                         {"car_insurance", gCarInsurance},
                         {"car_maintenance", gCarMaintenance},
                         {"public_transport", gBus},
                         {"home_insurance", gHomeInsurance},
                         {"health_insurance", gHealthInsurance},
                         {"medical", gMedical},
                         {"dentist", gDentist},
                         {"clothing", gClothing},
                         {"dining_out", gDining},
                         {"entertainment", gEntertainment},
                         {"holidays", gHolidays},
                         {"gifts", gGifts},
                         {"education", gEducation},
                         {"childcare", gChildcare},
                         {"pets", gPets},
                         {"gym", gGym},
                         {"subscriptions", gSubscriptions},
                         {"council_tax", gCouncilTax},
                         {"charity", gCharity},
                         {"household_goods", gHousehold},
                         {"savings_transfer", gSavingsTransfer},
                         {"imported_outgoings", gImportedOutgoings}};
  auto run = [&](const QString& folder, const auto& list, const auto& colours) {
    const size_t nc = std::size(colours);
    size_t i = 0;
    for (const Preset& pr : list) {
      QImage img = listIcon(pr.glyph, colours[i++ % nc]);
      out.put(QStringLiteral("icons"), QStringLiteral("images/%1/%2.png").arg(folder, QLatin1String(pr.file)), img);
    }
  };
  run(QStringLiteral("Account"), acc, accounts);
  run(QStringLiteral("incoming"), inc, income);
  run(QStringLiteral("outgoing"), out_, outgoing);
  // the picture of the "Unallocated Split" system items, stored as a bare file name
  out.put(QStringLiteral("icons"), QStringLiteral("images/SplitTransaction.png"), listIcon(gSplit, QColor(110, 120, 170)));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: artgen <resources folder>\n");
    return 2;
  }
  const QString root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  Out out(root);
  writeToolbar(out);
  writeTiles(out);
  writePresets(out);
  writeScenes([&](const QString& group, const QString& rel, const QImage& img) { out.put(group, rel, img); });
  QFile keep(root + QStringLiteral("/images/_custom/.keep"));
  QDir().mkpath(root + QStringLiteral("/images/_custom"));
  if (!keep.exists() && keep.open(QIODevice::WriteOnly)) keep.close();

  const QString here = QCoreApplication::applicationDirPath();
  std::vector<Written> all;
  for (const auto& [group, items] : out.sheets()) {
    std::vector<Written> shown = items;
    if (group == QLatin1String("icons"))  // also show them at the size the lists use
      for (const auto& w : items)
        shown.push_back({QStringLiteral("48: ") + w.name,
                         w.img.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)});
    contactSheet(shown, 1300).save(here + QStringLiteral("/contact_%1.png").arg(group));
    all.insert(all.end(), items.begin(), items.end());
  }
  contactSheet(all, 1900).save(here + QStringLiteral("/contact.png"));
  // artgen <resources> --zoom a.png b.png ...: those pictures enlarged, for a close look.
  if (argc > 3 && QLatin1String(argv[2]) == QLatin1String("--zoom")) {
    std::vector<Written> zoomed;
    for (int i = 3; i < argc; ++i) {
      QImage img(root + QLatin1Char('/') + QString::fromLocal8Bit(argv[i]));
      if (!img.isNull())
        zoomed.push_back({QString::fromLocal8Bit(argv[i]).section(QLatin1Char('/'), -1),
                          img.scaled(img.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)});
    }
    contactSheet(zoomed, 1000).save(here + QStringLiteral("/zoom.png"));
  }
  std::printf("wrote %d pictures into %s\n", out.count(), qPrintable(root));
  return out.ok() ? 0 : 1;
}
