#include "platform/TextWrap.h"

namespace tavlo {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Adds the word to the lines, breaking it between characters where it is
// wider than a line by itself.
void AddLongWord(std::string_view word, float width,
                 const std::function<float(std::string_view)>& measure,
                 std::vector<std::string>& lines) {
  std::string piece;
  for (size_t i = 0; i < word.size();) {
    size_t next = i + 1;
    while (next < word.size() && IsContinuationByte(word[next])) ++next;
    const std::string_view character = word.substr(i, next - i);
    if (!piece.empty() && measure(piece + std::string(character)) > width) {
      lines.push_back(piece);
      piece.clear();
    }
    piece += character;
    i = next;
  }
  lines.push_back(piece);
}

void WrapParagraph(std::string_view paragraph, float width,
                   const std::function<float(std::string_view)>& measure,
                   std::vector<std::string>& lines) {
  std::string line;
  size_t start = 0;
  while (start <= paragraph.size()) {
    size_t end = paragraph.find(' ', start);
    if (end == std::string_view::npos) end = paragraph.size();
    const std::string_view word = paragraph.substr(start, end - start);
    const std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
    if (line.empty() || measure(candidate) <= width) {
      line = candidate;
    } else {
      lines.push_back(line);
      line = std::string(word);
    }
    if (measure(line) > width && line.find(' ') == std::string::npos) {
      AddLongWord(line, width, measure, lines);
      line = lines.back();
      lines.pop_back();
    }
    start = end + 1;
  }
  lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapAtBlanks(std::string_view text, float width,
                                      const std::function<float(std::string_view)>& measure) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    const size_t end = text.find('\n', start);
    WrapParagraph(text.substr(start, end == std::string_view::npos ? end : end - start), width,
                  measure, lines);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace tavlo
