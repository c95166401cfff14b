#include "delete_record_window.h"

#include "platform/control_notes.h"
#include "platform/window_layout.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace vavivor {

namespace {

const QColor kDarkRed(192, 0, 0);

const ControlNote kDeleteNotes[] = {
    {"lblFMD1", "The number of the record in the storage file"},
    {"lblFMD2", "The number of the record in the storage file", 150},
    {"lblFMD3", "The record to be deleted"},
    {"lblFMD5", "The description given when the record was saved"},
    {"lblFMD6", "The description given when the record was saved", 130},
    {"Label1", "Whether the record is a chain of mutations or a single figure"},
    {"Label4", "Whether the record is a chain of mutations or a single figure", 140},
    {"lblFMD13", "Nothing is deleted until you click DELETE"},
    {"cmdFMDdel", "Delete this record from the storage file", 70},
    {"cmdFMDcancel", "Keep the record and close this window (Esc)", 72},
};

// Makes the font of a word-wrapped label smaller until its text fits the label's box, so that
// no line is cut off where the face is wider than the one the box was made for.
void shrinkToFit(QLabel& label) {
    QFont font = label.font();
    const int flags = static_cast<int>(label.alignment()) | Qt::TextWordWrap;
    while (font.pixelSize() > 8 &&
           QFontMetrics(font).boundingRect(label.rect(), flags, label.text()).height() >
               label.height()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label.setFont(font);
}

} // namespace

DeleteRecordWindow::DeleteRecordWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmZelDelete"));
    setWindowTitle(QStringLiteral("DELETE A STORED ZELOID"));
    setFixedSize(twipsSize(9450, 2130));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kDarkRed);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    const auto label = [this](const char* name, const QRect& place, const QString& caption,
                              bool bold = false,
                              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(place);
        l->setFont(windowFont(12.0, bold));
        l->setAlignment(alignment);
        return l;
    };
    label("lblFMD1", twipsRect(240, 240, 1695, 255), QStringLiteral("Record No."));
    m_number = label("lblFMD2", twipsRect(1800, 240, 1215, 255), {});
    label("lblFMD3", twipsRect(3720, 240, 3855, 255), QStringLiteral("VAVIVOR"), true);
    label("lblFMD5", twipsRect(240, 720, 1335, 255), QStringLiteral("Description"));
    m_description = label("lblFMD6", twipsRect(1800, 720, 5295, 375), {});
    label("Label1", twipsRect(240, 1200, 1455, 375), QStringLiteral("Mutations?"));
    m_mutations = label("Label4", twipsRect(1800, 1200, 2175, 495), {});
    QLabel* hint = label("lblFMD13", twipsRect(7200, 480, 2055, 615),
                         QStringLiteral("Click 'DELETE' to remove the record"), true,
                         Qt::AlignHCenter | Qt::AlignTop);
    hint->setWordWrap(true);
    shrinkToFit(*hint);

    const auto button = [this](const char* name, const QRect& place, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(place);
        b->setFont(windowFont(8.25, true));
        QPalette grey = b->palette();
        grey.setColor(QPalette::Button, QColor(192, 192, 192));
        grey.setColor(QPalette::ButtonText, Qt::black);
        b->setPalette(grey);
        return b;
    };
    QPushButton* remove =
        button("cmdFMDdel", twipsRect(7680, 1080, 1095, 375), QStringLiteral("DELETE"));
    QPushButton* cancel =
        button("cmdFMDcancel", twipsRect(7680, 1560, 1095, 375), QStringLiteral("CANCEL"));
    connect(remove, &QPushButton::clicked, this, &DeleteRecordWindow::deleteConfirmed);
    connect(cancel, &QPushButton::clicked, this, &DeleteRecordWindow::hideWindow);
    // Enter presses the button with the focus; Esc is CANCEL.
    remove->setAutoDefault(true);
    cancel->setAutoDefault(true);
    m_cancel = cancel;
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, &DeleteRecordWindow::hideWindow);
    addAction(escape);
    noteControls(*this, kDeleteNotes);
}

void DeleteRecordWindow::setRecordCaptions(const std::string& number, const std::string& mutations,
                                           const std::string& description) {
    m_number->setText(QString::fromStdString(number));
    m_mutations->setText(QString::fromStdString(mutations));
    m_description->setText(QString::fromStdString(description));
}

void DeleteRecordWindow::setShownRecord(const ShownRecord& record) {
    m_shown = record;
}

const ShownRecord& DeleteRecordWindow::shownRecord() const {
    return m_shown;
}

void DeleteRecordWindow::showWindow() {
    show();
    raise();
    activateWindow();
    // The safe answer has the focus: a hasty Enter keeps the record.
    m_cancel->setFocus();
}

void DeleteRecordWindow::hideWindow() {
    hide();
}

} // namespace vavivor
