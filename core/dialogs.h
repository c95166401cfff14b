#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vavivor {

// The modal dialogs of the program. Every call returns when the user has answered.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button only.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // A message box with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // The text input box: the typed text, or nothing for Cancel.
    virtual std::optional<std::string> askText(const std::string& prompt,
                                               const std::string& title) = 0;
    // The open dialog for storage files (filter *.zlr, default suffix zlr): the chosen path,
    // or nothing when the user cancelled. With mustExist only an existing file can be chosen.
    virtual std::optional<std::string> chooseStorageFile(const std::string& title,
                                                         bool mustExist) = 0;
    // The save dialog for an SVG drawing (filter *.svg, default suffix svg): the chosen path, or
    // nothing when the user cancelled. Dialogs that cannot ask answer Cancel.
    virtual std::optional<std::string> chooseSvgFile(const std::string& /*title*/) {
        return std::nullopt;
    }
    // The save dialog for a picture: an SVG drawing or a PNG image, by the extension of the
    // name. It starts in the folder of the last picture saved. The chosen path, or nothing when
    // the user cancelled. Dialogs that cannot ask answer Cancel.
    virtual std::optional<std::string> choosePictureFile(const std::string& /*title*/) {
        return std::nullopt;
    }
    // The save dialog for a lineage: an animated GIF (.gif, offered first) or a PDF sheet
    // (.pdf), by the extension of the name. The chosen path, or nothing when the user
    // cancelled. Dialogs that cannot ask answer Cancel.
    virtual std::optional<std::string> chooseLineageFile(const std::string& /*title*/) {
        return std::nullopt;
    }
    // The number input box, offering `value`: a whole number low..high, or nothing for Cancel.
    // Dialogs that cannot ask answer Cancel.
    virtual std::optional<int> askNumber(const std::string& /*prompt*/,
                                         const std::string& /*title*/, int /*value*/, int /*low*/,
                                         int /*high*/) {
        return std::nullopt;
    }
};

enum class PrintChoice { Print, Continue };

class PrinterPage;

// The modal dialogs of printing.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // The printer-setup dialog with `title`, or without a printer installed the save dialog for
    // the PDF file of the next document; false when it was cancelled or failed.
    virtual bool setupPrinter(const std::string& title) = 0;
    // Where the next document goes when it has no printer dialog: with a printer installed, to
    // the printer chosen last, without a dialog; otherwise the save dialog for its PDF file.
    // False when it was cancelled.
    virtual bool chooseDestination(const std::string& title) = 0;
    // The print preview with `title`: `compose` puts the document on the page it is given, as
    // often as the preview needs it; returns when the preview is closed.
    virtual void showPreview(const std::string& title,
                             const std::function<void(PrinterPage&)>& compose) = 0;
    // The print-or-continue dialog frmZelDia1; its close box answers Continue.
    virtual PrintChoice askPrintChoice() = 0;
};

} // namespace vavivor
