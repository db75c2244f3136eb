#include "platform/PrinterCups.h"

#include <cups/cups.h>

#include "platform/PagePdf.h"

namespace tavlo {

PrintResult PrinterCups::PrintPage(const Surface& page, const std::string& job_title) {
  // Without a running CUPS, or without a default destination, there is none.
  cups_dest_t* destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (!destination) return {};
  PrintResult result;
  result.Destination = destination->name;

  const std::string document = PagePdf(page);
  cups_option_t* options = nullptr;
  int option_count = cupsAddOption("fit-to-page", "true", 0, &options);
  const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, destination->name, job_title.c_str(),
                                option_count, options);
  if (job > 0) {
    result.Printed =
        cupsStartDocument(CUPS_HTTP_DEFAULT, destination->name, job, "statistics.pdf",
                          CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, document.data(), document.size()) ==
            HTTP_STATUS_CONTINUE &&
        cupsFinishDocument(CUPS_HTTP_DEFAULT, destination->name) == IPP_STATUS_OK;
    // A job that did not get its whole page would wait in the queue for ever.
    if (!result.Printed) cupsCancelJob2(CUPS_HTTP_DEFAULT, destination->name, job, 0);
  }
  cupsFreeOptions(option_count, options);
  cupsFreeDests(1, destination);
  return result;
}

}  // namespace tavlo
