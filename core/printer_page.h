#pragma once

#include <string>

namespace vavivor {

class Picture;

// The printer as the print logic sees it: positions in twips from the top left of the
// printable area, y growing downwards. The first item printed starts a document; endDoc sends
// it to the printer.
class PrinterPage {
public:
    virtual ~PrinterPage() = default;

    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontSize(double points) = 0;

    [[nodiscard]] virtual double currentX() const = 0;
    [[nodiscard]] virtual double currentY() const = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;

    // Prints text at the current position. With lineEnd the current x returns to 0 and the
    // current y moves one line of the current font down; otherwise the position stays just
    // behind the text.
    virtual void printText(const std::string& text, bool lineEnd) = 0;
    // A bare line end: prints nothing and moves down one line.
    virtual void lineEnd() = 0;
    // The width of `text` in the current font, and the width of the printable area, in twips.
    [[nodiscard]] virtual double textWidth(const std::string& text) = 0;
    [[nodiscard]] virtual double printableWidth() = 0;
    // A picture area's image with its top left corner at (x, y), `size` twips square.
    virtual void drawPicture(const Picture& picture, double x, double y, double size) = 0;

    virtual void newPage() = 0;
    [[nodiscard]] virtual int pageNumber() const = 0;
    // Ends the document and sends its pages to the printer. False, with failure() telling why,
    // when the printer could not take the document.
    virtual bool endDoc() = 0;
    [[nodiscard]] virtual std::string failure() const = 0;

    // The documents ended between beginRun and endRun belong together (the pages of an
    // Auto-Print screen). A printer that collects them makes them one document of many pages,
    // which after each endDoc holds every page so far.
    virtual void beginRun() {}
    virtual void endRun() {}
};

} // namespace vavivor
