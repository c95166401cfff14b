#pragma once

#include <QTest>
#include <QWidget>

namespace vavivor {

// Clicks `widget` as a person can: only when it is on screen and enabled. Clicking a hidden
// or disabled control fails the test instead of working where no one could click. For QtTest
// programs only.
inline void userClick(QWidget* widget, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = {}, QPoint position = {}) {
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName() + " is not on screen"));
    QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName() + " is disabled"));
    QTest::mouseClick(widget, button, modifiers, position);
}

} // namespace vavivor
