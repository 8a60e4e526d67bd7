#pragma once

#include <string>

class TComponent;
class TMenuItem;
class TControl;
class TForm;

// Names in a scenario: FORM, FORM.CONTROL, and paths with a property (MainForm.sys.Caption,
// Application.Title, ResourceSample.SysFree). A name that does not exist raises ScenarioError.
TForm& FindForm(const std::string& name);
TComponent& FindComponentPath(const std::string& path);
TControl& FindControl(const std::string& path);
// A menu item by its name alone (K5) or as FORM.ITEM.
TMenuItem& FindMenuItem(const std::string& name);
// The text of a property path, as print shows it.
std::string PropertyText(const std::string& path);
