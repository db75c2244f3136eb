#pragma once

#include <filesystem>
#include <string>

namespace tavlo {

class LanguageTexts;
class Platform;

// The user's documents folder as text without a final separator; "" when
// there is none.
std::string GetDocumentsFolder(Platform& platform);

// Finds the data folder named by paths.txt in the program folder and sets
// data_path to it (ending in a separator, also when this fails). When the
// folder is missing, asks whether to create it and fills it with the default
// data. A folder that lacks the word lists of the language in use gets them
// (and their recordings) from the default data. False when paths.txt is
// unusable, the user declined, or creating or filling the folder failed.
bool InitDataFolder(Platform& platform, LanguageTexts& texts, std::string& data_path);

// What start-up shows when InitDataFolder failed: the fixed text, or in a
// language whose information text 8 words it, that text with the path for %1.
std::string DataPathErrorText(const LanguageTexts& texts, const std::string& data_path);

}  // namespace tavlo
