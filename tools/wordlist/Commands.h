#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace tavlo::wordlist {

// Exit statuses of the tool.
inline constexpr int kSuccess = 0;
// Bad input, a refused change, or (for check) any problem found.
inline constexpr int kFailure = 1;
// The command line itself was wrong.
inline constexpr int kUsage = 2;

// Each command takes the arguments after its name and writes its report to
// out and its errors to err. They throw UsageError for a wrong command line.
int RunBuild(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunList(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunExport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunImport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The language whose word order a file's lists follow: the --language option,
// else the file's name ("db/eng.sqlite" is "eng").
std::string LanguageOf(const std::filesystem::path& database, const std::string& option);

}  // namespace tavlo::wordlist
