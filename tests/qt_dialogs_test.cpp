#include "platform/qt_dialogs.h"
#include "support/modal_answers.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace vavivor {

// The program's dialogs on Qt: the test answers each one as a user would, from inside its
// event loop.
class QtDialogsTest : public QObject {
    Q_OBJECT

private:
    QtDialogs m_dialogs;

private slots:
    // The question guards a deletion: No is the default, so Enter alone does not delete. The
    // description box starts empty.
    void boxesReturnTheAnswerOrNothing_data() {
        QTest::addColumn<bool>("ok"); // Yes, else No; OK, else Cancel
        QTest::newRow("answered") << true;
        QTest::newRow("cancel") << false;
    }

    void boxesReturnTheAnswerOrNothing() {
        QFETCH(bool, ok);
        QStringList shown;
        const auto answer = [&](auto set) {
            return [&shown, ok, set](QWidget* w) {
                auto* dialog = qobject_cast<QInputDialog*>(w);
                shown << dialog->textValue();
                set(*dialog);
                ok ? dialog->accept() : dialog->reject();
            };
        };
        answerModals({[&](QWidget* w) {
                          auto* box = qobject_cast<QMessageBox*>(w);
                          shown << (box->defaultButton() == box->button(QMessageBox::No) ? "No"
                                                                                         : "other");
                          box->button(ok ? QMessageBox::Yes : QMessageBox::No)->click();
                      },
                      answer([](QInputDialog& d) { d.setTextValue("Spiral tree"); })});
        QCOMPARE(m_dialogs.askYesNo("Delete?", "LIST RECORD"), ok);
        QCOMPARE(m_dialogs.askText("Please enter a description", "STORE"),
                 ok ? std::optional<std::string>("Spiral tree") : std::nullopt);
        QCOMPARE(shown, QStringList({"No", ""}));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::QtDialogsTest)
#include "qt_dialogs_test.moc"
