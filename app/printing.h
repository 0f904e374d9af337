// Prints a document on the system's default printer with the printer's default font, columns
// measured in the font's average character width.
#pragma once

#include "worksheets/print_document.h"

#include <functional>

class QPaintDevice;
class QPainter;
class QPrinter;

namespace korveld {

// False when there is no default printer or the printer fails.
bool printOnDefaultPrinter(const PrintDocument& document);

// Draws the document on a painter that is already active; `newPage` is called when a page is full
// and returns false to stop. Returns the number of text lines drawn.
int paintDocument(const PrintDocument& document, QPainter& painter, QPaintDevice& device, int pageHeight,
                  const std::function<bool()>& newPage);

// Draws the document on a printer whose painter is active, over as many pages as it needs.
int paintOnPrinter(const PrintDocument& document, QPainter& painter, QPrinter& printer);

} // namespace korveld
