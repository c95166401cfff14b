#include "core/renderer.h"
#include "platform/picture_area.h"

#include <QSignalSpy>
#include <QTest>

namespace vavivor {

class PictureAreaTest : public QObject {
    Q_OBJECT

private:
    // The colour at a point given in user units of the 0..1000 scale.
    static QColor colourAt(PictureArea& area, double x, double y) {
        const QImage& image = area.image();
        const double ratio = image.devicePixelRatio();
        const int px = static_cast<int>(x / 1000.0 * area.width() * ratio);
        const int py = static_cast<int>((1000.0 - y) / 1000.0 * area.height() * ratio);
        return image.pixelColor(px, py);
    }

private slots:
    // A drawing made before the area was first shown stays through hiding and showing.
    void drawsOntoAWhiteImageKeptUntilCleared() {
        PictureArea area;
        area.resize(656, 656);
        area.setScale(0, 1000, 1000, 0);
        QCOMPARE(colourAt(area, 500, 500), QColor(Qt::white));
        area.setLineWidth(2);
        area.line(100, 500, 900, 500, kBlack);
        area.rectangle(200, 200, 400, 400, kRed);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        area.hide();
        area.show();
        QCOMPARE(colourAt(area, 500, 500), QColor(Qt::black));
        QCOMPARE(colourAt(area, 300, 200), QColor(Qt::red));
        QCOMPARE(colourAt(area, 300, 300), QColor(Qt::white));
        QCOMPARE(area.picture().items().size(), std::size_t{2});
        area.clear();
        QCOMPARE(colourAt(area, 500, 500), QColor(Qt::white));
        QVERIFY(area.picture().empty());
    }

    void reportsMouseDownInUserUnits() {
        PictureArea area;
        area.resize(656, 656);
        area.setScale(0, 1000, 1000, 0);
        QSignalSpy spy(&area, &PictureArea::mouseDown);
        QTest::mouseClick(&area, Qt::LeftButton, Qt::NoModifier, QPoint(328, 0));
        QTest::mouseClick(&area, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier,
                          QPoint(0, 656 - 131));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy[0][0].toInt(), 1);
        QCOMPARE(spy[0][1].toInt(), 0);
        QCOMPARE(spy[0][2].toFloat(), 500.0F);
        QCOMPARE(spy[0][3].toFloat(), 1000.0F);
        QCOMPARE(spy[1][0].toInt(), 2);
        QCOMPARE(spy[1][1].toInt(), 5);
        QCOMPARE(spy[1][3].toFloat(), static_cast<float>(131.0 / 656.0 * 1000.0));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::PictureAreaTest)
#include "picture_area_test.moc"
