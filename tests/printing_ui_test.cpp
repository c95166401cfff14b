#include "platform/qt_printer_page.h"
#include "printing/catalogue_print.h"
#include "printing/graphics_print.h"
#include "printing/ui/print_choice_dialog.h"
#include "printing/ui/qt_print_dialogs.h"
#include "storage/ui/store_selection_window.h"
#include "support/logic_rig.h"
#include "support/modal_answers.h"
#include "support/user_input.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace vavivor {

namespace {

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY(b != nullptr);
    userClick(b);
}

// frmZelDia1, once it has been made.
QWidget* printChoiceDialog() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto it = std::find_if(windows.begin(), windows.end(), [](const QWidget* w) {
        return w->objectName() == QStringLiteral("frmZelDia1");
    });
    return it == windows.end() ? nullptr : *it;
}

// Every document to the PDF file `path`, or with `folder` new PDF files in the folder `path`.
QtPrinterPage makePrinter(const QString& path, bool folder) {
    if (folder) {
        return QtPrinterPage(PdfFolder{path});
    }
    return QtPrinterPage(path);
}

// The logic on scripted services, with the Qt printer page writing a PDF and the Qt dialogs.
struct QtPrintRig {
    explicit QtPrintRig(PrinterDialog printerDialog = PrinterDialog::WithPrinterOnly,
                        bool pdfFolder = false)
        : pdf(dir.filePath(pdfFolder ? QStringLiteral("Vavivor") : QStringLiteral("page.pdf"))),
          printer(makePrinter(pdf, pdfFolder)),
          dialogs(printer, printerDialog), services{PlatformServices{rig.platform.dialogs, dialogs,
                                                                     printer, rig.platform.help,
                                                                     rig.platform.random,
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
    // The print pause asks with the PRINT or CONTINUE dialog; only PRINT prints. Twice: the
    // dialog is made on first use and afterwards shown again.
    void printChoiceFlow_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("printed");
        QTest::newRow("PRINT") << "cmdZELDprint" << true;
        QTest::newRow("CONTINUE") << "cmdZELDcont" << false;
    }

    void printChoiceFlow() {
        QFETCH(QString, answer);
        QFETCH(bool, printed);
        QtPrintRig p;
        const std::string button = answer.toStdString();
        for (int round = 0; round < 2; ++round) {
            answerModals({[button](QWidget* w) {
                QCOMPARE(w->objectName(), QStringLiteral("frmZelDia1"));
                click(w, button.c_str());
            }});
            printPause(p.rig.state, p.services);
            QVERIFY(printChoiceDialog()->isHidden());
            QCOMPARE(p.printed(), printed);
        }
        QVERIFY(p.rig.platform.dialogs.shown.empty());
    }

    // Without a printer, Print, PRINT and the catalogue name their PDF in a save dialog that
    // proposes a new name in the PDF folder, later in the folder chosen last. Cancel prints
    // nothing and says nothing.
    void withoutAPrinterTheSaveDialogNamesThePdf() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is installed");
        }
        QtPrintRig p(PrinterDialog::WithPrinterOnly, true);
        const QString chosen = p.dir.filePath(QStringLiteral("chosen"));
        QVERIFY(QDir().mkpath(chosen));
        QStringList started; // the folder and name each save dialog proposed
        const auto saveDialog = [&started](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            started << dialog->directory().absolutePath() << dialog->selectedFiles().value(0);
            return dialog;
        };
        const auto cancel = [&saveDialog](QWidget* w) { saveDialog(w)->reject(); };
        answerModals({[](QWidget* w) { click(w, "cmdZELDprint"); }, cancel});
        showPrintChoice(p.rig.state, p.services);
        answerModals({[&](QWidget* w) {
            QFileDialog* dialog = saveDialog(w);
            dialog->setDirectory(chosen);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(QStringLiteral("mine"));
            static_cast<QDialog*>(dialog)->accept();
        }});
        printScreen(p.rig.state, p.services);
        answerModals({cancel});
        printCatalogue(p.rig.state, p.services, 0);

        QCOMPARE(started.size(), 6);
        QCOMPARE(started[0], p.pdf);
        QCOMPARE(started[4], chosen);
        QVERIFY2(QFileInfo(started[1]).fileName().startsWith(QStringLiteral("vavivor-")),
                 qPrintable(started[1]));
        QCOMPARE(QDir(chosen).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("mine.pdf")});
        QVERIFY(QDir(p.pdf).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(p.rig.platform.dialogs.shown.empty());
    }

    // SELECT prints the chosen file, or every file when none is chosen; ALL every file; a
    // double click the file clicked. Showing the window clears the choice left from last time.
    void storeSelectionNamesTheFileToPrint() {
        StoreSelectionWindow window;
        window.setStoreEntries({"/home/u/def-store.zld", "/data/a.zlr", "/data/b.zlr"});
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstZel"));
        list->setCurrentRow(1);
        window.showStoreSelection();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy spy(&window, &StoreSelectionWindow::printRequested);
        click(&window, "cmdZelSel");
        list->setCurrentRow(1);
        click(&window, "cmdZelSel");
        click(&window, "cmdZelAll");
        // A double click reaches an item view as a press and release, then the double click.
        const QPoint third = list->visualItemRect(list->item(2)).center();
        userClick(list->viewport(), Qt::LeftButton, {}, third);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
        QList<int> files;
        for (const QList<QVariant>& arguments : spy) {
            files << arguments.at(0).toInt();
        }
        QCOMPARE(files, QList<int>({0, 2, 0, 3}));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::PrintingUiTest)
#include "printing_ui_test.moc"
