#pragma once

#include "ui/Object.h"

#include <cstdint>
#include <string>
#include <vector>

// A component: owned by another (which destroys it), named, tagged.
class TComponent : public TObject {
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  void SetName(std::string name) { FName = std::move(name); }
  std::int32_t Tag() const { return FTag; }
  void SetTag(std::int32_t tag) { FTag = tag; }

  // The owned components, in creation order.
  const std::vector<TComponent*>& Components() const { return FComponents; }
  // The owned component of that name, or nullptr.
  TComponent* FindComponent(const std::string& name) const;

  std::optional<std::string> GetPropertyText(const std::string& name) const override;

  // Called once the owner's design is complete: components that act on their own (timers, the
  // tray icon) start here, with their designed values in place.
  virtual void Loaded() { FLoaded = true; }
  bool IsLoaded() const { return FLoaded; }

protected:
  // Destroys the owned components, newest first.
  void DestroyComponents();

private:
  void Remove(TComponent* component);

  TComponent* FOwner;
  std::string FName;
  std::int32_t FTag = 0;
  bool FLoaded = false;
  std::vector<TComponent*> FComponents;
};
