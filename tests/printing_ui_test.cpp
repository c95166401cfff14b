#include "platform/qt_printer_page.h"
#include "printing/graphics_print.h"
#include "printing/print_choice_dialog.h"
#include "printing/qt_print_dialogs.h"
#include "printing/store_selection_window.h"
#include "support/logic_rig.h"
#include "support/modal_answers.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace vavivor {

namespace {

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY(b != nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

// The logic on scripted services, with the Qt printer page writing a PDF and the Qt dialogs.
struct QtPrintRig {
    QtPrintRig()
        : pdf(dir.filePath(QStringLiteral("page.pdf"))), printer(pdf),
          dialogs(printer), services{PlatformServices{rig.platform.dialogs, dialogs, printer,
                                                      rig.platform.help, rig.platform.random,
                                                      rig.platform.clock},
                                     rig.controls} {
        rig.state.screen.gridFlag[0] = 1;
    }

    bool printed() const { return QFileInfo(pdf).size() > 0; }

    QTemporaryDir dir;
    QString pdf;
    QtPrinterPage printer;
    QtPrintDialogs dialogs;
    LogicRig rig;
    Services services;
};

} // namespace

class PrintingUiTest : public QObject {
    Q_OBJECT

private slots:
    void printChoiceDialogLooksAsDescribed() {
        PrintChoiceDialog dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("frmZelDia1"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("PRINT or CONTINUE option"));
        QCOMPARE(dialog.size(), QSize(244, 106));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblFGD1"))->text(),
                 QStringLiteral("Click PRINT or CONTINUE"));
        auto* print = dialog.findChild<QPushButton*>(QStringLiteral("cmdZELDprint"));
        auto* cont = dialog.findChild<QPushButton*>(QStringLiteral("cmdZELDcont"));
        QCOMPARE(print->text(), QStringLiteral("PRINT"));
        QCOMPARE(print->geometry(), QRect(8, 64, 81, 33));
        QCOMPARE(cont->text(), QStringLiteral("CONTINUE"));
        QCOMPARE(print->nextInFocusChain(), cont);
        // Low on the left of the screen while it is shown.
        QPoint shownAt;
        answerModals({[&shownAt](QWidget* w) {
            shownAt = w->pos() - w->screen()->geometry().topLeft();
            click(w, "cmdZELDcont");
        }});
        QCOMPARE(dialog.ask(), PrintChoice::Continue);
        QCOMPARE(shownAt, QPoint(38, 593));
    }

    void printChoiceFlow_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("printed");
        QTest::newRow("PRINT") << "cmdZELDprint" << true;
        QTest::newRow("CONTINUE") << "cmdZELDcont" << false;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("Escape") << "escape" << false;
    }

    void printChoiceFlow() {
        QFETCH(QString, answer);
        QFETCH(bool, printed);
        QtPrintRig p;
        const std::string button = answer.toStdString();
        // Twice: the dialog is made on first use and afterwards only shown again.
        for (int round = 0; round < 2; ++round) {
            answerModals({[button](QWidget* w) {
                QCOMPARE(w->objectName(), QStringLiteral("frmZelDia1"));
                if (button == "close") {
                    w->close();
                } else if (button == "escape") {
                    QTest::keyClick(w, Qt::Key_Escape);
                } else {
                    click(w, button.c_str());
                }
            }});
            printPause(p.rig.state, p.services);
            QVERIFY(p.dialogs.printChoiceDialog()->isHidden());
            QCOMPARE(p.printed(), printed);
        }
        QVERIFY(p.rig.platform.dialogs.shown.empty());
    }

    void aCancelledPrinterDialogPrintsNothing() {
        QtPrintRig p;
        p.dialogs.setAlwaysShowPrinterDialog(true);
        QString title;
        const auto cancel = [&title](QWidget* w) {
            QVERIFY(qobject_cast<QPrintDialog*>(w) != nullptr);
            title = w->windowTitle();
            qobject_cast<QDialog*>(w)->reject();
        };
        answerModals({[](QWidget* w) { click(w, "cmdZELDprint"); }, cancel});
        showPrintChoice(p.rig.state, p.services);
        QCOMPARE(title, QStringLiteral("VAVIVOR PRINT"));
        answerModals({cancel});
        mnuZELprint_Click(p.rig.state, p.services);
        QCOMPARE(title, QStringLiteral("VAVIVOR: GRAPHICS PRINT"));
        QVERIFY(!p.printed());
        QVERIFY(p.rig.platform.dialogs.shown.empty());
        QVERIFY(p.rig.controls.statusLines.empty());
    }

    void storeSelection_data() {
        QTest::addColumn<int>("selectedRow"); // -1: none
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("fileNumber");
        QTest::newRow("SELECT with nothing selected") << -1 << "cmdZelSel" << 0;
        QTest::newRow("SELECT the second file") << 1 << "cmdZelSel" << 2;
        QTest::newRow("ALL") << 2 << "cmdZelAll" << 0;
        QTest::newRow("double click the third file") << -1 << "double click row 2" << 3;
    }

    void storeSelection() {
        QFETCH(int, selectedRow);
        QFETCH(QString, action);
        QFETCH(int, fileNumber);
        StoreSelectionWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("STORAGE FILE SELECTION"));
        window.setStoreEntries({"/home/u/def-store.zld", "/data/a.zlr", "/data/b.zlr"});
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstZel"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("/data/a.zlr"));
        list->setCurrentRow(1); // a selection left from last time
        window.showStoreSelection();
        QVERIFY(list->selectedItems().isEmpty());
        if (selectedRow >= 0) {
            list->setCurrentRow(selectedRow);
        }
        QSignalSpy spy(&window, &StoreSelectionWindow::printRequested);
        if (action.startsWith(QStringLiteral("double click"))) {
            const QRect cell = list->visualItemRect(list->item(2));
            // A double click reaches an item view as a press and release, then the double click.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            click(&window, action.toLatin1().constData());
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), fileNumber);
        window.close();
        QVERIFY(window.isHidden());
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::PrintingUiTest)
#include "printing_ui_test.moc"
