#include "closer_look_window.h"

#include "core/figure_picture.h"
#include "core/gene_text.h"
#include "platform/control_notes.h"
#include "platform/picture_painter.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace vavivor {

namespace {

const ControlNote kLookNotes[] = {
    {"pibZelLook", "The figure alone, drawn as large as the window", kCloserLookTopic},
    {"lblLookLabel", "The figure's label on its screen", kCloserLookTopic},
    {"lblLookGenes", "The figure's eight gene positions; select them to copy them",
     kCloserLookTopic},
    {"cmdLookExport", "Save this figure as an SVG drawing or a PNG image", kCloserLookTopic},
    {"cmdLookCopy", "Put this figure on the clipboard as its genes, a drawing and an image",
     kCloserLookTopic},
    {"cmdLookCentral",
     "Put this figure's genes into the gene editor, to breed from it with a "
     "DRAW button",
     kCloserLookTopic},
    {"cmdLookClose", "Close this window", kCloserLookTopic},
};

// The figure painted from its recorded picture at the widget's size: a square as large as fits,
// in the middle, on white.
class FigureView : public QWidget {
public:
    FigureView(const Picture& picture, QWidget* parent) : QWidget(parent), m_picture(picture) {
        setMinimumSize(120, 120);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const int side = std::min(width(), height());
        const QRectF square((width() - side) / 2.0, (height() - side) / 2.0, side, side);
        paintPicture(painter, m_picture, square, PaintOptions{true});
    }

private:
    const Picture& m_picture;
};

} // namespace

CloserLookWindow::CloserLookWindow(const ScreenFigure& figure, QWidget* parent)
    : QWidget(parent, Qt::Window), m_figure(figure), m_picture(figurePicture(figure)) {
    setObjectName(QStringLiteral("frmZelLook"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString label = QString::fromStdString(figure.label);
    setWindowTitle(label.isEmpty() ? QStringLiteral("CLOSER LOOK")
                                   : QStringLiteral("CLOSER LOOK: %1").arg(label));

    auto* view = new FigureView(m_picture, this);
    view->setObjectName(QStringLiteral("pibZelLook"));
    auto* labelText = new QLabel(label, this);
    labelText->setObjectName(QStringLiteral("lblLookLabel"));
    auto* genesText = new QLabel(QString::fromStdString(geneText(figure.genes)), this);
    genesText->setObjectName(QStringLiteral("lblLookGenes"));
    genesText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    QPushButton* exportButton = button("cmdLookExport", QStringLiteral("&Export..."));
    QPushButton* copyButton = button("cmdLookCopy", QStringLiteral("&Copy"));
    QPushButton* centralButton = button("cmdLookCentral", QStringLiteral("&Make Central"));
    QPushButton* closeButton = button("cmdLookClose", QStringLiteral("Close"));
    connect(exportButton, &QPushButton::clicked, this, &CloserLookWindow::exportRequested);
    connect(copyButton, &QPushButton::clicked, this, &CloserLookWindow::copyRequested);
    connect(centralButton, &QPushButton::clicked, this, &CloserLookWindow::makeCentralRequested);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Ctrl+C copies the figure here as Edit > Copy does in the main window, unless the genes'
    // text has the focus, where it copies the selected text.
    auto* copyKeys = new QShortcut(QKeySequence::Copy, this);
    connect(copyKeys, &QShortcut::activated, this, &CloserLookWindow::copyRequested);
    auto* closeKeys = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKeys, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {exportButton, copyButton, centralButton}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view, 1);
    layout->addWidget(labelText);
    layout->addWidget(genesText);
    layout->addLayout(buttons);

    setProperty(kHelpTopicProperty, kCloserLookTopic);
    noteControls(*this, kLookNotes);
    resize(480, 560);
}

} // namespace vavivor
