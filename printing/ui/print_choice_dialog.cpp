#include "print_choice_dialog.h"

#include "platform/control_notes.h"
#include "platform/window_layout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>

namespace vavivor {

namespace {

const QColor kDarkGrey(64, 64, 64);

const ControlNote kChoiceNotes[] = {
    {"lblFGD1", "Print this figure, or go on to the next one"},
    {"cmdZELDprint", "Print this figure with its genes, then go on", 80},
    {"cmdZELDcont", "Go on to the next figure without printing (Esc)", 82},
};

} // namespace

PrintChoiceDialog::PrintChoiceDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmZelDia1"));
    setWindowTitle(QStringLiteral("PRINT or CONTINUE option"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twipsSize(3660, 1590));
    QPalette shade = palette();
    shade.setColor(QPalette::Window, kDarkGrey);
    shade.setColor(QPalette::WindowText, Qt::white);
    setPalette(shade);
    setAutoFillBackground(true);

    auto* label = new QLabel(QStringLiteral("Click PRINT or CONTINUE"), this);
    label->setObjectName(QStringLiteral("lblFGD1"));
    label->setGeometry(twipsRect(0, 360, 3615, 450));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(windowFont(12, true));
    QPalette title = label->palette();
    title.setColor(QPalette::Window, palette().color(QPalette::Active, QPalette::Highlight));
    title.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(title);
    label->setAutoFillBackground(true);

    auto* print = new QPushButton(QStringLiteral("PRINT"), this);
    m_print = print;
    print->setObjectName(QStringLiteral("cmdZELDprint"));
    print->setGeometry(twipsRect(120, 960, 1215, 495));
    auto* cont = new QPushButton(QStringLiteral("CONTINUE"), this);
    cont->setObjectName(QStringLiteral("cmdZELDcont"));
    cont->setGeometry(twipsRect(2160, 960, 1335, 495));
    setTabOrder(print, cont);

    connect(print, &QPushButton::clicked, this, &PrintChoiceDialog::choosePrint);
    connect(cont, &QPushButton::clicked, this, &PrintChoiceDialog::chooseContinue);
    noteControls(*this, kChoiceNotes);
}

PrintChoice PrintChoiceDialog::ask() {
    m_choice = PrintChoice::Continue; // also the answer of the close box and Escape
    QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    move(origin + QPoint(twipsToPixels(570), twipsToPixels(8895)));
    m_print->setFocus();
    exec();
    return m_choice;
}

void PrintChoiceDialog::choosePrint() {
    m_choice = PrintChoice::Print;
    accept();
}

void PrintChoiceDialog::chooseContinue() {
    m_choice = PrintChoice::Continue;
    reject();
}

} // namespace vavivor
