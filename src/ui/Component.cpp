#include "ui/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
  if (FOwner) FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (FOwner) FOwner->Remove(this);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    delete last; // removes itself from FComponents
  }
}

void TComponent::Remove(TComponent* component) {
  auto it = std::find(FComponents.begin(), FComponents.end(), component);
  if (it != FComponents.end()) FComponents.erase(it);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* component : FComponents)
    if (component->Name() == name) return component;
  return nullptr;
}

std::optional<std::string> TComponent::GetPropertyText(const std::string& name) const {
  if (name == "Name") return FName;
  if (name == "Tag") return std::to_string(FTag);
  return TObject::GetPropertyText(name);
}
