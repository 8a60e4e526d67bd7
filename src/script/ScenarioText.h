#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A mistake in the scenario itself (bad syntax, a name that does not exist). It is not a
// failure of the program: nothing in the program catches it.
struct ScenarioError {
  std::string message;
};

// One command of a scenario: its words and where it stood.
struct ScenarioLine {
  int number = 0;
  std::string text; // as written, without comment and surrounding blanks
  std::vector<std::string> words;
};

// Splits a scenario into commands: one a line, "#" starts a comment, words separated by
// blanks, a word with blanks or quotes in double quotes with \" and \\ escapes.
std::vector<ScenarioLine> ParseScenario(const std::string& text);
