#include "script/PropertyPaths.h"

#include "monitor/Monitor.h"
#include "script/ScenarioText.h"
#include "ui/Application.h"
#include "ui/Menus.h"

namespace {

[[noreturn]] void NoSuch(const std::string& what, const std::string& name) {
  throw ScenarioError{"no " + what + " named " + name};
}

TApplication& App() {
  if (!Application) throw ScenarioError{"the program is not running"};
  return *Application;
}

std::string BoolWord(bool value) {
  return value ? "true" : "false";
}

// The fields of the two program-wide records that scenarios observe.
bool RecordField(const std::string& root, const std::string& field, std::string& value) {
  if (root == "ResourceSample") {
    const TResourceSample& s = ResourceSample;
    if (field == "SysFree")
      value = std::to_string(s.SysFree);
    else if (field == "GdiFree")
      value = std::to_string(s.GdiFree);
    else if (field == "UserFree")
      value = std::to_string(s.UserFree);
    else
      NoSuch("field", root + "." + field);
    return true;
  }
  if (root == "WarningState") {
    const TWarningState& w = WarningState;
    if (field == "AllowWarnings")
      value = BoolWord(w.AllowWarnings);
    else if (field == "Level30")
      value = BoolWord(w.Level30);
    else if (field == "Level10")
      value = BoolWord(w.Level10);
    else if (field == "Armed50")
      value = BoolWord(w.Armed50);
    else if (field == "Armed30")
      value = BoolWord(w.Armed30);
    else if (field == "Armed10")
      value = BoolWord(w.Armed10);
    else
      NoSuch("field", root + "." + field);
    return true;
  }
  return false;
}

} // namespace

TForm& FindForm(const std::string& name) {
  for (TForm* form : App().Forms())
    if (form->Name() == name) return *form;
  NoSuch("window", name);
}

TComponent& FindComponentPath(const std::string& path) {
  std::size_t dot = path.find('.');
  if (dot == std::string::npos) return FindForm(path);
  TForm& form = FindForm(path.substr(0, dot));
  TComponent* component = form.FindComponent(path.substr(dot + 1));
  if (!component) NoSuch("control", path);
  return *component;
}

TControl& FindControl(const std::string& path) {
  auto* control = dynamic_cast<TControl*>(&FindComponentPath(path));
  if (!control) NoSuch("control", path);
  return *control;
}

TMenuItem& FindMenuItem(const std::string& name) {
  if (name.find('.') != std::string::npos) {
    auto* item = dynamic_cast<TMenuItem*>(&FindComponentPath(name));
    if (!item) NoSuch("menu item", name);
    return *item;
  }
  for (TForm* form : App().Forms())
    if (auto* item = dynamic_cast<TMenuItem*>(form->FindComponent(name))) return *item;
  NoSuch("menu item", name);
}

std::string PropertyText(const std::string& path) {
  std::size_t dot = path.find('.');
  if (dot == std::string::npos) throw ScenarioError{"a property path needs a property: " + path};
  std::string root = path.substr(0, dot), rest = path.substr(dot + 1);
  std::string value;
  if (RecordField(root, rest, value)) return value;
  const TComponent* owner = nullptr;
  if (root == "Application")
    owner = &App();
  else
    owner = &FindForm(root);
  // FORM.COMPONENT.PROPERTY when the next name is one of the window's components.
  const TComponent* target = owner;
  std::size_t next = rest.find('.');
  if (next != std::string::npos)
    if (const TComponent* component = owner->FindComponent(rest.substr(0, next))) {
      target = component;
      rest = rest.substr(next + 1);
    }
  if (auto text = target->GetPropertyText(rest)) return *text;
  NoSuch("property", path);
}
