#pragma once

#include "platform/PagePrinter.h"

namespace tavlo {

// Prints through CUPS on its default destination, sending the page as a PDF
// document.
class PrinterCups : public PagePrinter {
 public:
  PrintResult PrintPage(const Surface& page, const std::string& job_title) override;
};

}  // namespace tavlo
