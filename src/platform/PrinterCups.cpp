#include "platform/PrinterCups.h"

#include <cups/cups.h>

#include "platform/PagePdf.h"
#include "platform/SharedLibrary.h"

namespace tavlo {
namespace {

// CUPS and what it pulls in (GnuTLS, Kerberos, Avahi: a few megabytes) are
// loaded the first time a page is printed, not at every start of a program
// that mostly never prints.
struct CupsLibrary {
  decltype(&cupsGetNamedDest) GetNamedDest = nullptr;
  decltype(&cupsAddOption) AddOption = nullptr;
  decltype(&cupsCreateJob) CreateJob = nullptr;
  decltype(&cupsStartDocument) StartDocument = nullptr;
  decltype(&cupsWriteRequestData) WriteRequestData = nullptr;
  decltype(&cupsFinishDocument) FinishDocument = nullptr;
  decltype(&cupsCancelJob2) CancelJob = nullptr;
  decltype(&cupsFreeOptions) FreeOptions = nullptr;
  decltype(&cupsFreeDests) FreeDests = nullptr;
  bool Loaded = false;
};

// Loaded once and kept: a library with threads of its own is not unloaded.
const CupsLibrary& Cups() {
  static const CupsLibrary cups = [] {
    CupsLibrary found;
    void* library = OpenSharedLibrary("libcups.so.2");
    if (!library) return found;
    found.Loaded = FindLibraryFunction(library, "cupsGetNamedDest", found.GetNamedDest) &&
                   FindLibraryFunction(library, "cupsAddOption", found.AddOption) &&
                   FindLibraryFunction(library, "cupsCreateJob", found.CreateJob) &&
                   FindLibraryFunction(library, "cupsStartDocument", found.StartDocument) &&
                   FindLibraryFunction(library, "cupsWriteRequestData", found.WriteRequestData) &&
                   FindLibraryFunction(library, "cupsFinishDocument", found.FinishDocument) &&
                   FindLibraryFunction(library, "cupsCancelJob2", found.CancelJob) &&
                   FindLibraryFunction(library, "cupsFreeOptions", found.FreeOptions) &&
                   FindLibraryFunction(library, "cupsFreeDests", found.FreeDests);
    return found;
  }();
  return cups;
}

}  // namespace

bool PrinterCups::LibraryFound() { return Cups().Loaded; }

PrintResult PrinterCups::PrintPage(const Surface& page, const std::string& job_title) {
  // Without CUPS's library, a running CUPS or a default destination, there is
  // no printer; the caller then keeps the page as a file.
  const CupsLibrary& cups = Cups();
  if (!cups.Loaded) return {};
  cups_dest_t* destination = cups.GetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (!destination) return {};
  PrintResult result;
  result.Destination = destination->name;

  const std::string document = PagePdf(page);
  cups_option_t* options = nullptr;
  int option_count = cups.AddOption("fit-to-page", "true", 0, &options);
  const int job = cups.CreateJob(CUPS_HTTP_DEFAULT, destination->name, job_title.c_str(),
                                 option_count, options);
  if (job > 0) {
    result.Printed = cups.StartDocument(CUPS_HTTP_DEFAULT, destination->name, job, "statistics.pdf",
                                        CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
                     cups.WriteRequestData(CUPS_HTTP_DEFAULT, document.data(), document.size()) ==
                         HTTP_STATUS_CONTINUE &&
                     cups.FinishDocument(CUPS_HTTP_DEFAULT, destination->name) == IPP_STATUS_OK;
    // A job that did not get its whole page would wait in the queue for ever.
    if (!result.Printed) cups.CancelJob(CUPS_HTTP_DEFAULT, destination->name, job, 0);
  }
  cups.FreeOptions(option_count, options);
  cups.FreeDests(1, destination);
  return result;
}

}  // namespace tavlo
