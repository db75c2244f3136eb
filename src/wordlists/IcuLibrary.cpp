#include "wordlists/IcuLibrary.h"

#include <unicode/uvernum.h>

#include "platform/SharedLibrary.h"

// ICU's headers give every function its version as a suffix ("ucol_open" is
// "ucol_open_72"); the name to look up is the one the header made.
#define TAVLO_NAME_OF(function) TAVLO_TEXT_OF(function)
#define TAVLO_TEXT_OF(name) #name

namespace tavlo {
namespace {

constexpr const char* kCommonLibrary = "libicuuc.so." U_ICU_VERSION_SHORT;
constexpr const char* kCollationLibrary = "libicui18n.so." U_ICU_VERSION_SHORT;

IcuLibrary Open() {
  IcuLibrary found;
  void* common = OpenSharedLibrary(kCommonLibrary);
  void* collation = OpenSharedLibrary(kCollationLibrary);
  if (!common || !collation) return found;
  found.Loaded =
      FindLibraryFunction(collation, TAVLO_NAME_OF(ucol_open), found.OpenCollator) &&
      FindLibraryFunction(collation, TAVLO_NAME_OF(ucol_close), found.CloseCollator) &&
      FindLibraryFunction(collation, TAVLO_NAME_OF(ucol_setStrength), found.SetStrength) &&
      FindLibraryFunction(collation, TAVLO_NAME_OF(ucol_strcollUTF8), found.CompareUtf8) &&
      FindLibraryFunction(common, TAVLO_NAME_OF(u_toupper), found.ToUpper);
  return found;
}

}  // namespace

const IcuLibrary& Icu() {
  static const IcuLibrary icu = Open();
  return icu;
}

}  // namespace tavlo
