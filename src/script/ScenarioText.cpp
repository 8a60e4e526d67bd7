#include "script/ScenarioText.h"

#include <sstream>

namespace {

ScenarioLine ParseLine(int number, const std::string& line) {
  ScenarioLine result;
  result.number = number;
  std::string word;
  bool inWord = false, quoted = false;
  std::size_t end = line.size();
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (quoted) {
      if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
        word += line[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        word += c;
      }
      continue;
    }
    if (c == '#') {
      end = i;
      break;
    }
    if (c == ' ' || c == '\t' || c == '\r') {
      if (inWord) result.words.push_back(word);
      word.clear();
      inWord = false;
      continue;
    }
    inWord = true;
    if (c == '"')
      quoted = true;
    else
      word += c;
  }
  if (quoted) throw ScenarioError{"line " + std::to_string(number) + ": unterminated quoted word"};
  if (inWord) result.words.push_back(word);
  std::string text = line.substr(0, end);
  std::size_t first = text.find_first_not_of(" \t\r");
  std::size_t last = text.find_last_not_of(" \t\r");
  result.text = first == std::string::npos ? "" : text.substr(first, last - first + 1);
  return result;
}

} // namespace

std::vector<ScenarioLine> ParseScenario(const std::string& text) {
  std::vector<ScenarioLine> lines;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    ScenarioLine parsed = ParseLine(number, line);
    if (!parsed.words.empty()) lines.push_back(std::move(parsed));
  }
  return lines;
}
