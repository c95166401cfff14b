#include "qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace vavivor {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QtDialogs::QtDialogs(QWidget* parent) : m_parent(parent) {}

void QtDialogs::setParent(QWidget* parent) {
    m_parent = parent;
}

void QtDialogs::holdMessages() {
    m_holding = true;
}

void QtDialogs::releaseMessages() {
    m_holding = false;
    const auto held = std::exchange(m_held, {});
    for (const auto& [text, title] : held) {
        message(text, title);
    }
}

void QtDialogs::message(const std::string& text, const std::string& title) {
    if (m_holding) {
        m_held.emplace_back(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, qt(title), qt(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, qt(title), qt(text), QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    // The question guards a deletion: Enter alone does not delete.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::askText(const std::string& prompt, const std::string& title) {
    QInputDialog dialog(m_parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(qt(title));
    dialog.setLabelText(qt(prompt));
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QObject::tr("OK"));
    dialog.setCancelButtonText(QObject::tr("Cancel"));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().toStdString();
}

std::optional<std::string> QtDialogs::chooseStorageFile(const std::string& title, bool mustExist) {
    QFileDialog dialog(m_parent, qt(title), storageFolder());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QObject::tr("Storage (*.zlr)"));
    dialog.setDefaultSuffix(QStringLiteral("zlr"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const QString path = QDir::cleanPath(dialog.selectedFiles().constFirst());
        // A new file may be named, but only in a folder that exists.
        if (QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
            return path.toStdString();
        }
        QMessageBox::warning(&dialog, qt(title),
                             QObject::tr("The folder %1 does not exist.")
                                 .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
    }
}

std::optional<std::string> QtDialogs::chooseSvgFile(const std::string& title) {
    return choosePicture(title, {{QObject::tr("SVG drawing (*.svg)"), QStringLiteral("svg")}});
}

std::optional<std::string> QtDialogs::choosePictureFile(const std::string& title) {
    return choosePicture(title, {{QObject::tr("SVG drawing (*.svg)"), QStringLiteral("svg")},
                                 {QObject::tr("PNG image (*.png)"), QStringLiteral("png")}});
}

std::optional<std::string> QtDialogs::chooseLineageFile(const std::string& title) {
    return choosePicture(title,
                         {{QObject::tr("Animated GIF (*.gif)"), QStringLiteral("gif")},
                          {QObject::tr("PDF lineage sheet (*.pdf)"), QStringLiteral("pdf")}});
}

std::optional<std::string> QtDialogs::choosePicture(const std::string& title,
                                                    const std::vector<PictureKind>& kinds) {
    QFileDialog dialog(m_parent, qt(title), m_svgFolder.isEmpty() ? storageFolder() : m_svgFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const PictureKind& kind : kinds) {
        filters << kind.filter;
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(kinds.front().suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &kinds](const QString& filter) {
                         for (const PictureKind& kind : kinds) {
                             if (kind.filter == filter) {
                                 dialog.setDefaultSuffix(kind.suffix);
                             }
                         }
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = QDir::cleanPath(dialog.selectedFiles().constFirst());
    m_svgFolder = QFileInfo(path).absolutePath();
    return path.toStdString();
}

std::optional<int> QtDialogs::askNumber(const std::string& prompt, const std::string& title,
                                        int value, int low, int high) {
    QInputDialog dialog(m_parent);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setWindowTitle(qt(title));
    dialog.setLabelText(qt(prompt));
    dialog.setIntRange(low, high);
    dialog.setIntValue(value);
    dialog.setOkButtonText(QObject::tr("OK"));
    dialog.setCancelButtonText(QObject::tr("Cancel"));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.intValue();
}

QString QtDialogs::storageFolder() {
    const QString folder = QDir::home().filePath(QStringLiteral("Vavivor"));
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

} // namespace vavivor
