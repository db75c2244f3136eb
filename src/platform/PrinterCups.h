#pragma once

#include "platform/PagePrinter.h"

namespace tavlo {

// Prints through CUPS on its default destination, sending the page as a PDF
// document.
class PrinterCups : public PagePrinter {
 public:
  PrintResult PrintPage(const Surface& page, const std::string& job_title) override;

  // Whether CUPS's library could be opened with every function printing uses
  // (it is opened on the first call, not at start-up).
  static bool LibraryFound();
};

}  // namespace tavlo
