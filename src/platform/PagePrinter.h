#pragma once

#include <string>

#include "platform/Surface.h"

namespace tavlo {

// What became of a page sent to the printer.
struct PrintResult {
  bool Printed = false;
  // The printer that took the page, as the printing system names it.
  std::string Destination;
};

// The system's default printer. A page that cannot be printed (no printer,
// or the printing system does not answer) is reported, never kept waiting.
class PagePrinter {
 public:
  virtual ~PagePrinter() = default;
  // Prints the picture as one page, scaled to fit the paper; job_title names
  // the job in the printer's queue.
  virtual PrintResult PrintPage(const Surface& page, const std::string& job_title) = 0;
};

// Where there is no printing system: nothing is ever printed.
class NullPrinter : public PagePrinter {
 public:
  PrintResult PrintPage(const Surface&, const std::string&) override { return {}; }
};

}  // namespace tavlo
