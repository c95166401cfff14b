#include "mainwindow/zel_main.h"
#include "platform/qt_printer_page.h"
#include "printing/graphics_print.h"
#include "printing/print_choice_dialog.h"
#include "printing/printing_wiring.h"
#include "printing/qt_print_dialogs.h"
#include "printing/store_selection_window.h"
#include "storage/record_io.h"
#include "support/logic_rig.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

namespace vavivor {

namespace {

using ModalStep = std::function<void(QWidget*)>;

// Answers the modal windows that come up next, one step each, in order. A step that finds no
// modal window within two seconds is given up, so a missing window fails instead of hanging.
void answerModals(std::deque<ModalStep> steps) {
    auto* timer = new QTimer;
    auto queue = std::make_shared<std::deque<ModalStep>>(std::move(steps));
    auto tries = std::make_shared<int>(0);
    auto last = std::make_shared<QPointer<QWidget>>();
    QObject::connect(timer, &QTimer::timeout, [timer, queue, tries, last] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != last->data() && modal->isVisible()) {
            *last = modal;
            *tries = 0;
            ModalStep step = queue->front();
            queue->pop_front();
            step(modal);
        } else if (++*tries > 200) {
            queue->clear();
        }
        if (queue->empty()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY(b != nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

ModalStep clickOn(const char* button) {
    return [button](QWidget* w) {
        QCOMPARE(w->objectName(), QStringLiteral("frmZelDia1"));
        click(w, button);
    };
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
    void printChoiceDialogLooksAsDescribed();
    void printChoiceFlow_data();
    void printChoiceFlow();
    void aCancelledPrinterDialogPrintsNothing();
    void storeSelection_data();
    void storeSelection();
    void storeSelectionClosesByHiding();
    void connectPrintingWiresTheMenuAndTheSelection();
};

void PrintingUiTest::printChoiceDialogLooksAsDescribed() {
    PrintChoiceDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("frmZelDia1"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("PRINT or CONTINUE option"));
    QCOMPARE(dialog.size(), QSize(244, 106));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblFGD1"));
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), QStringLiteral("Click PRINT or CONTINUE"));
    QCOMPARE(label->geometry(), QRect(0, 24, 241, 30));
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QVERIFY(label->font().bold());
    auto* print = dialog.findChild<QPushButton*>(QStringLiteral("cmdZELDprint"));
    auto* cont = dialog.findChild<QPushButton*>(QStringLiteral("cmdZELDcont"));
    QVERIFY(print && cont);
    QCOMPARE(print->text(), QStringLiteral("PRINT"));
    QCOMPARE(print->geometry(), QRect(8, 64, 81, 33));
    QCOMPARE(cont->text(), QStringLiteral("CONTINUE"));
    QCOMPARE(cont->geometry(), QRect(144, 64, 89, 33));
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

void PrintingUiTest::printChoiceFlow_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("printed");
    QTest::newRow("PRINT") << "cmdZELDprint" << true;
    QTest::newRow("CONTINUE") << "cmdZELDcont" << false;
    QTest::newRow("close box") << "close" << false;
    QTest::newRow("Escape") << "escape" << false;
}

void PrintingUiTest::printChoiceFlow() {
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
        QVERIFY(p.dialogs.printChoiceDialog() != nullptr);
        QVERIFY(p.dialogs.printChoiceDialog()->isHidden());
        QCOMPARE(p.printed(), printed);
    }
    QCOMPARE(p.dialogs.printChoiceDialog()->parent(), nullptr);
    QVERIFY(p.rig.platform.dialogs.shown.empty());
}

void PrintingUiTest::aCancelledPrinterDialogPrintsNothing() {
    QtPrintRig p;
    p.dialogs.setAlwaysShowPrinterDialog(true);
    QString title;
    const auto cancel = [&title](QWidget* w) {
        QVERIFY(qobject_cast<QPrintDialog*>(w) != nullptr);
        title = w->windowTitle();
        qobject_cast<QDialog*>(w)->reject();
    };
    answerModals({clickOn("cmdZELDprint"), cancel});
    showPrintChoice(p.rig.state, p.services);
    QCOMPARE(title, QStringLiteral("VAVIVOR PRINT"));

    answerModals({cancel});
    mnuZELprint_Click(p.rig.state, p.services);
    QCOMPARE(title, QStringLiteral("VAVIVOR: GRAPHICS PRINT"));

    QVERIFY(!p.printed());
    QVERIFY(p.rig.platform.dialogs.shown.empty());
    QVERIFY(p.rig.controls.statusLines.empty());
}

void PrintingUiTest::storeSelection_data() {
    QTest::addColumn<int>("selectedRow"); // -1: none
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("fileNumber");
    QTest::newRow("SELECT with nothing selected") << -1 << "cmdZelSel" << 0;
    QTest::newRow("SELECT the second file") << 1 << "cmdZelSel" << 2;
    QTest::newRow("SELECT the first file") << 0 << "cmdZelSel" << 1;
    QTest::newRow("ALL") << 2 << "cmdZelAll" << 0;
    QTest::newRow("double click the third file") << -1 << "double click row 2" << 3;
}

void PrintingUiTest::storeSelection() {
    QFETCH(int, selectedRow);
    QFETCH(QString, action);
    QFETCH(int, fileNumber);
    StoreSelectionWindow window;
    window.setStoreEntries({"/home/u/def-store.zld", "/data/a.zlr", "/data/b.zlr"});
    auto* list = window.findChild<QListWidget*>(QStringLiteral("lstZel"));
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(1)->text(), QStringLiteral("/data/a.zlr"));
    list->setCurrentRow(1); // a selection left from last time
    window.showStoreSelection();
    QVERIFY(window.isVisible());
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
}

void PrintingUiTest::storeSelectionClosesByHiding() {
    StoreSelectionWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("frmZelStrSel"));
    QCOMPARE(window.windowTitle(), QStringLiteral("STORAGE FILE SELECTION"));
    QCOMPARE(window.size(), QSize(562, 195));
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblMSS1"))
                ->text()
                .startsWith(QStringLiteral("SELECT the file required")));
    window.setStoreEntries({"/a.zlr", "/b.zlr"});
    window.showStoreSelection();
    window.close();
    QVERIFY(window.isHidden());
    window.setStoreEntries({"/c.zlr"});
    window.showStoreSelection();
    auto* list = window.findChild<QListWidget*>(QStringLiteral("lstZel"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("/c.zlr"));
}

void PrintingUiTest::connectPrintingWiresTheMenuAndTheSelection() {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    ZelMain window(platform.services());
    window.setProgramFolder(dir.path().toStdString());
    window.startUp();
    StoreSelectionWindow& selection = connectPrinting(window);
    QCOMPARE(selection.objectName(), QStringLiteral("frmZelStrSel"));
    QVERIFY(selection.isHidden());
    QCOMPARE(selection.parentWidget(), &window);

    window.findChild<QAction*>(QStringLiteral("mnuZELprint"))->trigger();
    QCOMPARE(platform.printDialogs.setupTitles,
             std::vector<std::string>{"VAVIVOR: GRAPHICS PRINT"});
    QCOMPARE(platform.printer.documents, 1);

    // ALL prints the catalogue of the storage list at once, without a printer dialog.
    const QString store = dir.filePath(QStringLiteral("one.zlr"));
    QFile file(store);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const RecordBytes bytes = encodeRecord(StorageRecord());
    file.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize);
    file.close();
    window.state().store.storeList = {"", store.toStdString()};
    window.state().store.storeCount = 1;
    selection.setStoreEntries({store.toStdString()});
    selection.showStoreSelection();
    click(&selection, "cmdZelAll");
    QCOMPARE(platform.printer.documents, 2);
    QCOMPARE(platform.printDialogs.setupTitles.size(), std::size_t{1});
    bool heading = false;
    for (const auto& item : platform.printer.items) {
        heading = heading || item.text == "File: " + store.toStdString();
    }
    QVERIFY(heading);
}

} // namespace vavivor

QTEST_MAIN(vavivor::PrintingUiTest)
#include "printing_ui_test.moc"
