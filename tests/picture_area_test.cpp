#include "platform/picture_area.h"

#include <QSignalSpy>
#include <QTest>

namespace vavivor {

// What the area draws is seen on screen by the first-hour test; here the mouse's report.
class PictureAreaTest : public QObject {
    Q_OBJECT

private slots:
    void reportsMouseDownInUserUnits() {
        PictureArea area;
        area.resize(656, 656);
        area.setScale(0, 1000, 1000, 0);
        QSignalSpy spy(&area, &PictureArea::mouseDown);
        QTest::mouseClick(&area, Qt::LeftButton, Qt::NoModifier, QPoint(328, 0));
        QTest::mouseClick(&area, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier,
                          QPoint(0, 656 - 131));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(spy[0][2].toFloat(), 500.0F);
        QCOMPARE(spy[0][3].toFloat(), 1000.0F);
        QCOMPARE(spy[1][0].value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(spy[1][3].toFloat(), static_cast<float>(131.0 / 656.0 * 1000.0));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::PictureAreaTest)
#include "picture_area_test.moc"
