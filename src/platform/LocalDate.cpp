#include "platform/LocalDate.h"

#include <chrono>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace tavlo {
namespace {

std::tm Now() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

std::string TodayInShortForm() {
  std::ostringstream text;
  try {
    text.imbue(std::locale(""));
  } catch (const std::runtime_error&) {
    // A locale named in the environment but not installed: the C form.
  }
  const std::tm today = Now();
  text << std::put_time(&today, "%x");
  return text.str();
}

std::string TodayForFileName() {
  const std::tm now = Now();
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H%M%S", &now);
  return text;
}

}  // namespace tavlo
