#pragma once

#include <optional>
#include <string>

// The root of everything that can be an event's sender.
class TObject {
public:
  virtual ~TObject() = default;

  // The text of a published property by name ("Caption", "Lines.Count"), or nothing when this
  // object has no such property. Each class answers its own and defers to its base.
  virtual std::optional<std::string> GetPropertyText(const std::string& name) const;

protected:
  TObject() = default;
};

// Formatting shared by the property texts.
std::string BoolText(bool value);
std::string ColorText(unsigned value);
