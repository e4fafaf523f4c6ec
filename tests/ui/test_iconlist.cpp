// Picture lists: filling from the catalogue or a query, pictures stretched into
// 48 by 48, picture 0 for missing files, unreadable files, and the drop-hint shape.
#include <QBuffer>
#include <QPainter>
#include <QtTest>

#include "core/store/catalogue.h"
#include "test_setuphelpers.h"

using namespace pk;
using pk::test::PageEnv;

namespace {
QRgb centre(const QPixmap& p) { return p.toImage().pixel(p.width() / 2, p.height() / 2); }
}  // namespace

class TestIconList : public QObject {
  Q_OBJECT
 private slots:
  void fillingTwiceLeavesOnlyTheSecondResult() {
    PageEnv env;
    test::writePicture(env.images() + QStringLiteral("a.png"), QSize(10, 10), Qt::red);
    test::writePicture(env.images() + QStringLiteral("b.png"), QSize(10, 10), Qt::blue);
    env.f.addAccount(QStringLiteral("One"));
    env.f.addAccount(QStringLiteral("Two"));
    env.f.db().exec(QStringLiteral("UPDATE accounts SET icon = 'a.png' WHERE name = 'One'"));
    env.f.db().exec(QStringLiteral("UPDATE accounts SET icon = 'b.png' WHERE name = 'Two'"));
    IconListModel list;
    const QPixmap first = list.images().at(0);
    QVERIFY(FillListFromQuery(list, env.images(), env.f.data(), AccountsListSql()));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.images().count(), 3);
    env.f.db().exec(QStringLiteral("DELETE FROM accounts WHERE name = 'One'"));
    QVERIFY(FillListFromQuery(list, env.images(), env.f.data(), AccountsListSql()));
    QCOMPARE(list.rowCount(), 1);
    QCOMPARE(list.caption(0), QStringLiteral("Two"));
    QCOMPARE(list.images().count(), 2);
    QCOMPARE(list.picture(0), 1);
    QCOMPARE(list.images().at(0).toImage(), first.toImage());
    QCOMPARE(centre(list.images().at(1)), QColor(Qt::blue).rgb());
    QCOMPARE(list.data(list.index(0), IconListModel::KeyRole).toInt(),
             int(env.count(QStringLiteral("SELECT accID FROM accounts WHERE name = 'Two'"))));
  }

  void entriesWithoutAPictureFileShowPictureZero() {
    PageEnv env;
    env.f.db().exec(QStringLiteral("DELETE FROM defaults"));
    env.f.db().exec(QStringLiteral(
        "INSERT INTO defaults (defaultID, name, type, icon, sortNum) VALUES "
        "(1, 'Empty icon', 1, '', 1), (2, 'No icon', 1, NULL, 2), (3, 'Missing', 1, 'Account/none.png', 3)"));
    IconListModel list;
    QVERIFY(FillListFromDefaults(list, env.images(), env.f.data(), QStringLiteral("1")));
    QCOMPARE(list.rowCount(), 3);
    for (int row = 0; row < 3; ++row) QCOMPARE(list.picture(row), 0);
    QCOMPARE(list.images().count(), 1);
    QVERIFY(env.f.prompter().records().empty());
    QCOMPARE(list.images().at(0).size(), QSize(48, 48));
  }

  void picturesAreStretchedIntoTheirSquare_data() {
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << QByteArray("PNG");
    QTest::newRow("jpeg") << QByteArray("JPEG");
    QTest::newRow("bmp") << QByteArray("BMP");
    QTest::newRow("ico") << QByteArray("ICO");
  }
  void picturesAreStretchedIntoTheirSquare() {
    QFETCH(QByteArray, format);
    PageEnv env;
    // 256 by 128: red left half, blue right half.
    QImage wide(QSize(256, 128), QImage::Format_RGB32);
    wide.fill(Qt::blue);
    QPainter(&wide).fillRect(0, 0, 128, 128, Qt::red);
    const QString file = env.images() + QStringLiteral("wide.") + QString::fromLatin1(format).toLower();
    QDir().mkpath(env.images());
    QVERIFY(wide.save(file, format.constData()));
    ImageList images;
    QVERIFY(AddIconToList(images, file));
    QCOMPARE(images.count(), 2);
    const QImage shown = images.at(1).toImage();
    QCOMPARE(shown.size(), QSize(48, 48));
    // No aspect kept: the red half fills the whole left half, top to bottom.
    for (int y : {1, 24, 46}) {
      QVERIFY(qRed(shown.pixel(4, y)) > 200 && qBlue(shown.pixel(4, y)) < 60);
      QVERIFY(qBlue(shown.pixel(43, y)) > 200 && qRed(shown.pixel(43, y)) < 60);
    }
    // Replacing puts the new picture in place of the old one.
    test::writePicture(env.images() + QStringLiteral("green.png"), QSize(5, 5), Qt::green);
    QVERIFY(ReplaceIconInList(images, env.images() + QStringLiteral("green.png"), 1));
    QCOMPARE(images.count(), 2);
    QCOMPARE(centre(images.at(1)), QColor(Qt::green).rgb());
    QVERIFY(!ReplaceIconInList(images, env.images() + QStringLiteral("gone.png"), 1));
    QCOMPARE(centre(images.at(1)), QColor(Qt::green).rgb());
  }

  void gifPicturesLoad() {
    // Qt writes no GIF: a 1 by 1 GIF by hand.
    PageEnv env;
    const QByteArray gif = QByteArray::fromHex(
        "47494638396101000100800000ff000000000021f90400000000002c00000000010001000002024401003b");
    test::writeText(env.images() + QStringLiteral("dot.gif"), gif);
    ImageList images;
    QVERIFY(AddIconToList(images, env.images() + QStringLiteral("dot.gif")));
    QCOMPARE(qRed(images.at(1).toImage().pixel(24, 24)), 255);
  }

  void aFileThatIsNotAPictureStopsTheFilling() {
    PageEnv env;
    env.f.db().exec(QStringLiteral("DELETE FROM defaults"));
    env.f.db().exec(QStringLiteral(
        "INSERT INTO defaults (defaultID, name, type, icon, sortNum) VALUES "
        "(1, 'Good', 2, 'good.png', 1), (2, 'Broken', 2, 'broken.png', 2), (3, 'After', 2, 'good.png', 3)"));
    test::writePicture(env.images() + QStringLiteral("good.png"), QSize(8, 8), Qt::red);
    test::writeText(env.images() + QStringLiteral("broken.png"), "this is not a picture");
    IconListModel list;
    QVERIFY(!FillListFromDefaults(list, env.images(), env.f.data(), QStringLiteral("2")));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.caption(1), QStringLiteral("Broken"));
    QCOMPARE(list.picture(1), 0);
    QCOMPARE(env.f.prompter().records().size(), size_t(1));
    QCOMPARE(env.f.prompter().records().front().kind, MessageKind::Error);
    QVERIFY(env.f.prompter().lastText().contains(QLatin1String("broken.png")));
    ImageList images;
    QVERIFY_THROWS_EXCEPTION(PictureError, AddIconToList(images, env.images() + QStringLiteral("broken.png")));
    QCOMPARE(images.count(), 1);
  }

  void theDropHintKeepsOnlyItsPicture() {
    // Magenta background with a 6 by 3 block and a one-pixel hole in it.
    QImage hint(20, 10, QImage::Format_RGB32);
    hint.fill(QColor(255, 0, 255));
    QPainter(&hint).fillRect(4, 2, 6, 3, Qt::darkGreen);
    hint.setPixel(6, 3, QColor(255, 0, 255).rgb());
    const QRegion region = RegionFromBitmap(hint);
    QCOMPARE(region.boundingRect(), QRect(4, 2, 6, 3));
    QVERIFY(region.contains(QPoint(5, 3)));
    QVERIFY(!region.contains(QPoint(6, 3)));
    QVERIFY(!region.contains(QPoint(0, 0)));
    int area = 0;
    for (const QRect& r : region) area += r.width() * r.height();
    QCOMPARE(area, 17);
  }

  void dropsCarryTheirSourceAndEntry() {
    IconListView view;
    view.setObjectName(QStringLiteral("lvRight"));
    IconListModel model;
    view.setModel(&model);
    QSignalSpy dropped(&view, &IconListView::entryDropped);
    view.resize(300, 200);
    test::dropOn(&view, DraggedEntry{QStringLiteral("lvLeft"), 7, QStringLiteral("Savings")});
    QCOMPARE(dropped.size(), 1);
    const auto entry = dropped.first().first().value<DraggedEntry>();
    QCOMPARE(entry.sourceList, QStringLiteral("lvLeft"));
    QCOMPARE(entry.key, 7);
    QCOMPARE(entry.caption, QStringLiteral("Savings"));
  }
};

QTEST_MAIN(TestIconList)
#include "test_iconlist.moc"
